// Whole runs of the driver in this process, with a small test module that
// registers through the plug-in interface and records what it observes:
// the order of sources, message 1540 for missing files, the duplicate flag
// across sources, outputs finished after a failing module, and a project
// read back by the next run.
#include <gtest/gtest.h>

#include <filesystem>

#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/model/Diagnostic.h"
#include "app/Driver.h"
#include "messages/InputVarnix.h"
#include "messages/Output.h"
#include "messages/OutputVarnix2.h"
#include "metricfile/MetricOutput.h"
#include "messages_test_support.h"
#include "run_test_support.h"
#include "util/ProcessState.h"

namespace {

std::vector<std::string>& observed() {
  static std::vector<std::string> all;
  return all;
}

// --- The test module -------------------------------------------------------

bool onSource(PI_SourceHandle source) {
  const std::string name = std::filesystem::path(PI_getSourceFilename(source)).filename().string();
  observed().push_back("Source " + name + (PI_isSourceCrossModuleFilename(source) ? " (project)" : ""));
  return true;
}

void onDiagnostic(PI_DiagnosticHandle diagnostic, unsigned char duplicate) {
  observed().push_back("Diagnostic " + diagnostic->diagnostic().debugText() + " dup=" + std::to_string(duplicate));
}

void onEnd() {
  observed().push_back("End STNFA=" + std::to_string(PI_getMetricIntegralValue("", "STNFA")));
  // What an earlier run left for the project.
  M_writeFileOrProjectMetric(XF_Filename(), "STNFA", 7);
  PI_DiagnosticHandle finding = PI_createDiagnostic(1700, "", 1);
  PI_addDiagnosticParamName(finding, "found");
  PI_warn(finding);
}

void registerTestModule(U_Handle<C_CmdArgs>*, zum::AnalysisMode*) {
  PI_configureOnSource(&onSource);
  PI_configureOnDiagnostic(&onDiagnostic);
  PI_configureOnEnd(&onEnd);
  PI_configureNeedMetric();
}

bool failAtB(PI_SourceHandle source) {
  if (std::string(PI_getSourceFilename(source)) == "b.c") throw U_UserException("the module gave up");
  return true;
}

void registerFailingModule(U_Handle<C_CmdArgs>*, zum::AnalysisMode*) { PI_configureOnSource(&failAtB); }

void warnAfterClose() {
  M_closeDiagnosticOutput();
  PI_warn(PI_createDiagnostic(1503, "a.c", 1));
}

void registerLateModule(U_Handle<C_CmdArgs>*, zum::AnalysisMode*) { PI_configureOnEnd(&warnAfterClose); }

// ---------------------------------------------------------------------------

struct RunResult {
  int exitCode;
  std::string out;
  std::string err;
};

class DriverRun : public ::testing::Test {
 protected:
  void SetUp() override {
    zum::ProcessState::reset();
    observed().clear();
    std::filesystem::create_directories(out_);
  }
  void TearDown() override { zum::ProcessState::reset(); }

  // One run of the application, as main runs it: the outputs are finished
  // when the application goes.
  RunResult run(std::vector<std::string> arguments, P_RegisterModules modules = &registerTestModule) {
    zum::ProcessState::reset();
    arguments.insert(arguments.begin(), "ZEK");
    std::vector<const char*> argv;
    for (const std::string& argument : arguments) argv.push_back(argument.c_str());
    optionstest::Capture out(std::cout);
    optionstest::Capture err(std::cerr);
    U_Handle<XF_App> app = U_make<P_Driver>("test\n", modules);
    const int exitCode = XF_App::runApplication(static_cast<int>(argv.size()), argv.data(), app);
    app.reset();
    return RunResult{exitCode, out.text(), err.text()};
  }

  std::vector<std::string> projectRun(std::vector<std::string> sources, P_RegisterModules modules = &registerTestModule) {
    std::vector<std::string> arguments = {"-cmaf", project_, "-op", out_};
    arguments.insert(arguments.end(), sources.begin(), sources.end());
    const RunResult result = run(arguments, modules);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    return observed();
  }

  void writeMetricFile(const std::string& source) const { std::ofstream(out_ + "/" + source + ".met") << "<S>\n"; }
  void writeErrorFile(const std::string& source, const std::vector<U_Handle<M_Diagnostic>>& diagnostics) const {
    M_OutputVarnix2 output(false);
    output.open(out_ + "/" + source + ".err");
    for (const auto& d : diagnostics) output.writeDiagnostic(*d, false);
    output.close();
  }
  std::vector<std::string> projectErrors() const {
    M_InputVarnix input(out_ + "/p.err");
    input.open();
    std::vector<std::string> texts;
    for (const auto& d : input.diagnostics()) texts.push_back(d->debugText());
    return texts;
  }

  runtest::RunEnvironment environment_;
  const std::string out_ = environment_.path("out");
  const std::string project_ = out_ + "/p";
};

U_Handle<M_Diagnostic> inHeader(const std::string& includer, int line) {
  return U_make<M_Diagnostic>(1504, U_Location(messagestest::file("/src/h.h", "h.h"), 2, 0,
                                               U_Location(messagestest::file("/src/" + includer, includer), line, 0)));
}

TEST_F(DriverRun, SourcesInOrderWithDuplicatesAndMissingFiles) {
  writeMetricFile("a.c");
  writeErrorFile("a.c", {inHeader("a.c", 3)});
  writeErrorFile("b.c", {inHeader("b.c", 1)});  // b.c has no metric file
  writeMetricFile("c.c");
  writeErrorFile("c.c", {inHeader("c.c", 4)});
  EXPECT_EQ(projectRun({"a.c", "b.c", "c.c"}), (std::vector<std::string>{
                                                   "Source a.c",
                                                   "Diagnostic h.h:2: Msg=1504 #params=0 dup=0",
                                                   "Source b.c",
                                                   "Source c.c",
                                                   "Diagnostic h.h:2: Msg=1504 #params=0 dup=1",
                                                   "Source p (project)",
                                                   "End STNFA=0",
                                               }));
  // The project's own files were missing too, and go unmentioned.
  EXPECT_EQ(projectErrors(), (std::vector<std::string>{
                                 project_ + ":1: Msg=1540 #params=1 {" + out_ + "/b.c.met}",
                                 ":1: Msg=1700 #params=1 {found}",
                             }));
}

TEST_F(DriverRun, SecondRunReadsBackTheFirstRunsProjectFiles) {
  writeMetricFile("a.c");
  writeErrorFile("a.c", {});
  projectRun({"a.c", "b.c"});
  observed().clear();
  EXPECT_EQ(projectRun({"a.c", "b.c"}), (std::vector<std::string>{
                                            "Source a.c",
                                            "Source b.c",
                                            "Source p (project)",
                                            "Diagnostic " + project_ + ":1: Msg=1540 #params=1 {" + out_ + "/b.c.met} dup=0",
                                            "Diagnostic :1: Msg=1700 #params=1 {found} dup=0",
                                            "End STNFA=7",
                                        }));
  EXPECT_EQ(projectErrors().size(), 4u);
  EXPECT_EQ(messagestest::readFile(out_ + "/p.met"),
            "<S>\r\n<S>STFIL \r\n<S>STNAM \r\n<S>STNFA 7\r\n"
            "<S>\r\n<S>STFIL \r\n<S>STNAM \r\n<S>STNFA 7\r\n");
}

TEST_F(DriverRun, OutputsAreFinishedWhenAModuleFails) {
  writeMetricFile("b.c");
  const RunResult result = run({"-cmaf", project_, "-op", out_, "a.c", "b.c"}, &registerFailingModule);
  EXPECT_EQ(result.exitCode, 18);
  EXPECT_EQ(result.err, "the module gave up\n");
  EXPECT_EQ(projectErrors(), (std::vector<std::string>{project_ + ":1: Msg=1540 #params=1 {" + out_ + "/a.c.met}"}));
}

TEST_F(DriverRun, SendingWithoutAnOutputEndsTheRunAsUnrecognised) {
  writeMetricFile("a.c");
  const RunResult result = run({"-op", out_, "a.c"}, &registerLateModule);
  EXPECT_EQ(result.exitCode, 19);
  EXPECT_EQ(result.err,
            "M_Output:81: Cannot send information before open().\n"
            "An unrecognised exception was detected.\n"
            "Please notify zum support (support@zum.invalid),\n"
            "attaching a code example that causes the problem, if possible.\n");
}

TEST_F(DriverRun, SingleFileRunWritesTheOutputsOfItsSource) {
  writeMetricFile("a.c");
  writeErrorFile("a.c", {U_make<M_Diagnostic>(1503, U_Location(messagestest::file("/src/a.c", "a.c"), 5, 0))});
  const RunResult result = run({"-op", out_, "a.c"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  // The one source is no project entry; its error file is the project's,
  // which the run appended a section to.
  EXPECT_EQ(observed(), (std::vector<std::string>{"Source a.c", "Diagnostic a.c:5: Msg=1503 #params=0 dup=0",
                                                  "End STNFA=0"}));
  M_InputVarnix input(out_ + "/a.c.err");
  input.open();
  ASSERT_EQ(input.diagnostics().size(), 2u);
  EXPECT_EQ(input.diagnostics()[1]->debugText(), ":1: Msg=1700 #params=1 {found}");
  EXPECT_EQ(messagestest::readFile(out_ + "/a.c.met"), "<S>\n<S>\r\n<S>STFIL \r\n<S>STNAM \r\n<S>STNFA 7\r\n");
}

}  // namespace
