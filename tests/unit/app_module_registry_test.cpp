// Which modules a run configures, and in which order, by mode, product,
// options and debug switches: the one place that checks which product
// leaves a module out (the end-to-end tests run each module where it runs).
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "TestText.h"
#include "app/ModuleRegistry.h"
#include "app/testmodules/TestModules.h"
#include "options/ProductTable.h"

namespace {

using zum::ModuleChoice;

std::vector<std::string> namesOf(const ModuleChoice& choice) {
  std::vector<std::string> names;
  for (const zum::ModuleSlot& module : zum::modulesOfRun(choice)) names.push_back(module.name);
  return names;
}

ModuleChoice multiFile(int productBits, std::set<std::string> switches = {}) {
  return ModuleChoice{zum::MultiFile, productBits, false,
                      [switches](std::string_view name) { return switches.count(std::string(name)) != 0; }};
}

const std::vector<std::string> kCommonChecks{"unusedExternal",      "indirectRecursion",       "localExternal",
                                             "typedefReuse",        "duplicateDefinition",     "incompatibleDeclaration",
                                             "duplicateDeclaration", "identifierReuse"};
const std::vector<std::string> kFunctionMetrics{"STCYA", "STNFA", "STNEA", "STNRA", "STM29"};

std::vector<std::string> joined(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

TEST(ModuleRegistry, TheCProductGetsNoSelfCallHalfNoCppGroupAndTheFunctionMetrics) {
  EXPECT_EQ(namesOf(multiFile(zum::kProductZek)), joined({kCommonChecks, {"duplicateFilenames"}, kFunctionMetrics}));
}

TEST(ModuleRegistry, TheCppProductGetsEveryCheckTheClassMetricsAndAllocationMismatch) {
  std::vector<std::string> checks = kCommonChecks;
  checks.insert(checks.begin() + 1, "directRecursion");
  EXPECT_EQ(namesOf(multiFile(zum::kProductZekpp)),
            joined({checks,
                    {"initialisationOrder", "unusedDefaultConstructor", "identifiersTooSimilar",
                     "identifiersSimilarToN", "templateDefinition", "templateInlineDefinition", "classMember", "STMEV",
                     "duplicateFilenames", "STNOC", "STWMC", "STRFC", "STCBO", "STLCM", "allocationMismatch"}}));
}

TEST(ModuleRegistry, TheSiblingProductsGetTheSelfCallHalfAndTheFunctionMetrics) {
  std::vector<std::string> checks = kCommonChecks;
  checks.insert(checks.begin() + 1, "directRecursion");
  for (int product : {zum::kProductKod, zum::kProductKoj})
    EXPECT_EQ(namesOf(multiFile(product)), joined({checks, {"duplicateFilenames"}, kFunctionMetrics}));
}

TEST(ModuleRegistry, ASingleFileRunHasOnlyTheNameCheckAndOnlyWithARuleFile) {
  EXPECT_EQ(namesOf(ModuleChoice{zum::SingleFile, zum::kProductZek, false, {}}), std::vector<std::string>{});
  EXPECT_EQ(namesOf(ModuleChoice{zum::SingleFile, zum::kProductZek, true, {}}),
            std::vector<std::string>{"nameCheck"});
  // A multi-file run has no name check, rule file or not.
  ModuleChoice withRules = multiFile(zum::kProductZek);
  withRules.nameRuleFileGiven = true;
  EXPECT_EQ(namesOf(withRules), namesOf(multiFile(zum::kProductZek)));
}

TEST(ModuleRegistry, ATestModuleNeedsPcomTestAndItsOwnName) {
  const std::vector<std::string> checks = namesOf(multiFile(zum::kProductZek));
  EXPECT_EQ(namesOf(multiFile(zum::kProductZek, {"PT_ERR"})), checks);
  EXPECT_EQ(namesOf(multiFile(zum::kProductZek, {"pcom_test"})), checks);
  EXPECT_EQ(namesOf(multiFile(zum::kProductZek, {"pcom_test", "PT_ERR"})), joined({checks, {"PT_ERR"}}));
  EXPECT_EQ(namesOf(ModuleChoice{zum::SingleFile, zum::kProductZek, false,
                                 [](std::string_view name) { return name == "pcom_test" || name == "PT_ERR"; }}),
            std::vector<std::string>{"PT_ERR"});
}

TEST(ModuleRegistry, TestModulesComeInTheirTableOrderWhateverTheSwitchOrder) {
  std::set<std::string> all{"pcom_test"};
  for (const zum::ModuleSlot& module : zum::testModules()) all.insert(module.name);
  std::vector<std::string> names = namesOf(ModuleChoice{zum::SingleFile, 0, false, [&all](std::string_view name) {
                                                          return all.count(std::string(name)) != 0;
                                                        }});
  EXPECT_EQ(names, (std::vector<std::string>{
                       "PT_CTLG", "PT_ConfigureOnSource", "PT_ConfigureOnAllDefine", "PT_ERR", "PT_FileMetrics",
                       "PT_GetZUMOutputPath", "PT_RecursiveMetOutput", "PT_Relation_C", "PT_Relation_I",
                       "PT_Relation_P", "PT_Relation_R", "PT_Relation_V", "PT_Relation_X", "PT_TypeQueries",
                       "PT_isBitfield", "PT_isLabel", "PT_isUnion", "PT_literalRecord", "PT_zumOption",
                       "PT_Suppression", "PT_MsgSpecific"}));
  for (const zum::ModuleSlot& module : zum::testModules()) EXPECT_NE(module.configure, nullptr) << module.name;
}

// The README's table, "A multi-file run ... runs these modules", against
// the slots that have a function, and its "Coming" paragraph against those
// that do not yet, over both products and the single-file run.
TEST(ModuleRegistry, ReadmeListsEverySlot) {
  std::set<std::string> running;
  std::set<std::string> coming;
  for (const ModuleChoice& choice : {multiFile(zum::kProductZek), multiFile(zum::kProductZekpp),
                                     ModuleChoice{zum::SingleFile, zum::kProductZek, true, {}}}) {
    for (const zum::ModuleSlot& module : zum::modulesOfRun(choice))
      (module.configure ? running : coming).insert(module.name);
  }
  const std::string text = zumtest::readFile(std::string(ZUM_FIXTURES_DIR) + "/../../README.md");
  const std::size_t table = text.find("runs these modules");
  ASSERT_NE(table, std::string::npos);
  const std::size_t comingAt = text.find("Coming,", table);
  const std::size_t tableEnd = text.find("\n\n", text.find("| `", table));
  const auto namesIn = [](const std::string& part) {
    std::set<std::string> names;
    const std::regex quoted("`([A-Za-z0-9]+)`");
    for (auto it = std::sregex_iterator(part.begin(), part.end(), quoted); it != std::sregex_iterator(); ++it)
      names.insert((*it)[1]);
    return names;
  };
  std::set<std::string> listedRunning;
  std::istringstream rows(text.substr(table, tableEnd - table));
  for (std::string row; std::getline(rows, row);)  // the module column of the table
    if (row.starts_with("| `")) listedRunning.merge(namesIn(row.substr(0, row.find(" | "))));
  EXPECT_EQ(listedRunning, running);
  std::set<std::string> listedComing;
  if (comingAt != std::string::npos)
    listedComing = namesIn(text.substr(comingAt, text.find("\n\n", comingAt) - comingAt));
  EXPECT_EQ(listedComing, coming);
}

}  // namespace
