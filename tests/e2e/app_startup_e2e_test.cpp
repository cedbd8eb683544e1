// The start of a run as a user sees it: product word, environment, banner,
// help, analysis mode, option warnings and errors, exit codes.
#include <gtest/gtest.h>

#include "ZumRunner.h"

namespace {

using zumtest::kUsage;

const std::string kBanner =
    "Cross-Module Analyser 1.0 build 171 Apr  4 2008 for Windows\n"
    "Copyright (c) zum developers\n";

const std::string kHelpAfterBanner =
    "\n"
    "Calculated Class Metrics:\n"
    "  STCBO Coupling between objects\n"
    "  STCYA Cyclomatic complexity across project\n"
    "  STLCM Lack of cohesion of methods within a class\n"
    "  STM29 Number of functions calling this function\n"
    "  STNEA Number of entry points across project\n"
    "  STNFA Number of functions across project\n"
    "  STNOC Number of immediate children\n"
    "  STNRA Number of recursions across project\n"
    "  STRFC Responce for class\n"
    "  STWMC Weighted methods per class\n"
    "\n"
    "Generated Analysis Messages:\n"
    "  1500-1503 Unused external declarations and definitions\n"
    "  1504-1505 External declaration not used outside translation unit\n"
    "  1506-1508 Typedef name reused\n"
    "  1509      Duplicate definition\n"
    "  1510      Incompatible declaration\n"
    "  1512      Duplicate external declaration\n"
    "  1514      Global object used in only one function\n"
    "  1520      Indirectly recursive function\n"
    "  1521      Recursive function\n"
    "  1550-1559 Init order dependency\n"
    "  1700      Unused default constructor (ZEK++ only)\n"
    "  1710      Identifiers too similar\n"
    "  1711      Identifiers similar to n chars\n"
    "  1730-1750 Template\n"
    "  1515      Filename is duplicated in current project\n"
    "  1516      Filename is duplicated in current project,case sensitive \n"
    "  1516      Forward header detected in current project \n"
    "  3966-3968 Allocation mismatch\n"
    "\n"
    "Name Check.\n"
    "\n"
    "Return codes: \n"
    "  0  No Error\n"
    "  2  Caught an exception\n"
    "  3  ZEKBIN or ZEKPPBIN not set\n"
    "  4  No source files specified\n"
    "  6  Product specified is not on of ZEK or ZEKPP\n"
    "\n"
    "Options:\n"
    "  -CrossModuleAnalysisFile <file>\n"
    "      The basename used for metric and error file output.\n"
    "\n"
    "  -help\n"
    "      Display this help information.\n";

using Startup = zumtest::ZumTest;

void expectConfigurationError(const zumtest::RunResult& r, const std::string& text) {
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, text + kUsage);
  EXPECT_EQ(r.exitCode, 10);
}

}  // namespace

TEST_F(Startup, ProductWordIsCheckedFirst) {
  expectConfigurationError(run({}), "ERROR: No product name specified.\n");
  expectConfigurationError(run({"qx", "-cmaf", "p", "f.c"}), "ERROR: Invalid product name specified.\n");
  expectConfigurationError(run({"ZEK+", "-help"}), "ERROR: Invalid product name specified.\n");
  expectConfigurationError(run({"ZEKPPPPPPP"}), "ERROR: Invalid product name specified.\n");
}

TEST_F(Startup, ProductWordForms) {
  for (const char* word : {"ZEK", "zek", "ZEK++", "zek++", "ZEKPP", "c:\\tools\\zek.exe", "/opt/bin/ZEK.exe", "zekpp/"}) {
    const auto r = run({word, "-cmaf", "p", "f.c"});
    EXPECT_EQ(r.err, "") << word;
    EXPECT_EQ(r.exitCode, 0) << word;
  }
}

TEST_F(Startup, CompilerDirectoryVariableMustBeSet) {
  env_.erase("ZEKBIN");
  expectConfigurationError(run({"ZEK", "-cmaf", "p", "f.c"}), "\nERROR: ZEKBIN environment variable not found\n");
  env_["ZEKBIN"] = "";
  expectConfigurationError(run({"ZEK", "-cmaf", "p", "f.c"}), "\nERROR: ZEKBIN environment variable not found\n");
  env_["ZEKPPBIN"] = "";
  expectConfigurationError(run({"ZEK++", "-help"}), "\nERROR: ZEKPPBIN environment variable not found\n");
}

TEST_F(Startup, VersionIsPrintedOnceBeforeAnyCheck) {
  auto r = run({"ZEK", "-ver", "-cmaf", "p", "f.c"});
  EXPECT_EQ(r.out, kBanner);
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(run({"ZEK", "-VER", "-version", "-cmaf", "p", "f.c"}).out, kBanner);
  EXPECT_EQ(run({"ZEK", "-ve", "-cmaf", "p", "f.c"}).out, "");
  // The pre-scan runs before the product is even looked at.
  r = run({"qx", "-Version"});
  EXPECT_EQ(r.out, kBanner);
  EXPECT_EQ(r.err, "ERROR: Invalid product name specified.\n" + kUsage);
  EXPECT_EQ(r.exitCode, 10);
  // Set through a via file, the option prints the banner after parsing.
  scratch_.write("v.via", "-ver");
  EXPECT_EQ(run({"ZEK", "-via", "v.via", "-cmaf", "p", "f.c"}).out, kBanner);
}

TEST_F(Startup, HelpPrintsHelpAndUsageAndSucceeds) {
  for (const char* help : {"-help", "-h", "-HELP"}) {
    const auto r = run({"ZEK", help});
    EXPECT_EQ(r.out, kBanner + kHelpAfterBanner) << help;
    EXPECT_EQ(r.err, kUsage) << help;
    EXPECT_EQ(r.exitCode, 0) << help;
  }
  EXPECT_EQ(run({"ZEK++", "-ver", "-help"}).out, kBanner + kHelpAfterBanner);
  // No mode check with help: no source is needed.
  EXPECT_EQ(run({"ZEK", "-help", "a.c", "b.c"}).exitCode, 0);
}

TEST_F(Startup, AnalysisModeErrors) {
  expectConfigurationError(run({"ZEK", "a.c", "b.c"}), "ERROR: Single file analysis must have exactly one input file.\n\n");
  expectConfigurationError(run({"ZEK"}), "ERROR: Single file analysis must have exactly one input file.\n\n");
  expectConfigurationError(run({"ZEK", "-cmaf", "p"}), "ERROR: Multi file analysis requires at least one input file.\n\n");
  expectConfigurationError(run({"ZEK", "-cmaf=", "a.c"}),
                           "ERROR: CrossModuleAnalysisFile (cmaf) must specify a filename\n\n");
  // The empty value is looked at only when there are sources.
  expectConfigurationError(run({"ZEK", "-cmaf="}), "ERROR: Multi file analysis requires at least one input file.\n\n");
  EXPECT_EQ(run({"ZEK", "a.c"}).exitCode, 0);
  // The project outputs go into the directory of the project file.
  scratch_.write("out/.keep", "");
  EXPECT_EQ(run({"ZEK", "-CrossModuleAnalysisFile", "out/p", "a.c", "b.c"}).exitCode, 0);
}

TEST_F(Startup, UnknownOptionIsAWarningUnlessEica) {
  auto r = run({"ZEK", "-zz", "-cmaf", "p", "-pluginpath", "x", "f.c"});
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "\nERROR: Unknown argument: -zz\n\n\nERROR: Unknown argument: -pluginpath\n\n");
  EXPECT_EQ(r.exitCode, 0);
  expectConfigurationError(run({"ZEK", "-eica", "-cmaf", "p", "f.c", "-zz", "-yy"}), "\nERROR: Unknown argument: -zz\n\n");
  env_["KODBIN"] = env_["ZEKBIN"];
  scratch_.write("bin/kod.cfg", "");
  expectConfigurationError(run({"KOD", "-eica", "-q", "x", "f.c"}), "\nERROR: Unknown argument: -q\n\n");
}

TEST_F(Startup, BadValueIsAWarningUnlessEicv) {
  auto r = run({"ZEK", "-line0", "-cmaf", "p", "f.c", "-tabstop"});
  EXPECT_EQ(r.err,
            "\nERROR: 0 is not a valid argument for option: line\n\n"
            "\nERROR: Argument expected after tabstop\n\n");
  EXPECT_EQ(r.exitCode, 0);
  expectConfigurationError(run({"ZEK", "-eicv", "-cmaf", "p", "f.c", "-helpx"}),
                           "\nERROR: x is not a valid argument for option: help\n\n");
  expectConfigurationError(run({"ZEK", "-eicv", "-cmaf", "p", "f.c", "-via", "none.via"}),
                           "\nERROR: Unable to open none.via\n\n");
  expectConfigurationError(run({"ZEK", "-eicv", "f.c", "-forgetall", "zz"}),
                           "\nERROR: zz is not a valid argument for option: forgetall\n\n");
}

TEST_F(Startup, TemporaryDirectoryMustQualify) {
  const std::string missing = scratch_.path("missing").string();
  env_["ZEKTEMPFILES"] = missing;
  auto r = run({"ZEK", "-cmaf", "p", "f.c"});
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "Error finding temporary directory:\n\tTried directory from environment variable ZEKTEMPFILES: " +
                       missing + "\n\n");
  EXPECT_EQ(r.exitCode, 18);
  env_["ZEKTEMPFILES"] = scratch_.path("tmp").string();
  EXPECT_EQ(run({"ZEK", "-cmaf", "p", "f.c"}).exitCode, 0);
}

TEST_F(Startup, MissingConfigurationFileIsOnlyReported) {
  std::filesystem::remove(scratch_.path("bin/zek.cfg"));
  const auto missing = run({"ZEK", "-cmaf", "p", "f.c"});
  EXPECT_EQ(missing.err, "\nERROR: Unable to open configuration file " + scratch_.path("bin").string() + "/zek.cfg\n\n");
  EXPECT_EQ(missing.exitCode, 0);
}
