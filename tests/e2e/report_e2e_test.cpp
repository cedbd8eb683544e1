// zum-report on the bundled example: the findings as text lines with their
// listed places and a summary, rendered by a format string, as SARIF that
// the SARIF 2.1.0 schema accepts; and on damaged or missing files.
#include <gtest/gtest.h>

#include <filesystem>

#include "ZumRunner.h"
#include "messages/Diagnostic.h"
#include "messages/OutputVarnix2.h"

namespace {

namespace fs = std::filesystem;

const fs::path kFixtures = fs::path(ZUM_FIXTURES_DIR);

class Report : public zumtest::ZumTest {
 protected:
  Report() {
    copyExample("inventory", "run");
    const auto r = run(ZUM_BINARY, {"ZEK", "-cmaf", "inventory", "-list", "inventory.lst"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
  }

  zumtest::RunResult run(const std::string& program, const std::vector<std::string>& args) {
    return runIn("run", program, args);
  }
  zumtest::RunResult report(const std::vector<std::string>& args) { return run(zumtest::toolPath("zum-report"), args); }
};

}  // namespace

TEST_F(Report, FindingsAsCompilersShowThem) {
  const auto r = report({"inventory.err"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out.substr(0, r.out.find("main.c:6")),
            "inventory: warning: File name 'types.h' is used by more than one file of the project [1515]\n"
            "    inventory: note: File 'platform/types.h' [1578]\n"
            "    inventory: note: File 'legacy/types.h' [1578]\n"
            "inventory: advisory: External object 'g_legacyBanner' is declared but neither defined nor used in the "
            "project [1500]\n"
            "    report.c:7: note: Declaration of 'g_legacyBanner' [1594]\n"
            "    config.h:4: note: Declaration of 'g_legacyBanner' [1594]\n"
            "inventory: advisory: External function 'log_reset' is declared but neither defined nor called in the "
            "project [1501]\n"
            "    config.h:6: note: Declaration of 'log_reset' [1594]\n"
            "util.c:41: advisory: External function 'util_unused_helper' is defined but never called in the project "
            "[1503]\n"
            "util.c:5: advisory: External object 'g_utilSpare' is defined but never used in the project [1502]\n"
            "inventory: warning: Functions call each other in a cycle (indirect recursion) [1520]\n"
            "    stock.c:53: note: 'stock_rebalance' calls 'order_restock' here [1580]\n"
            "    order.c:33: note: 'order_restock' calls 'stock_rebalance' here [1580]\n");
  // Each distinct place once, though every source lists the header's declaration.
  EXPECT_NE(r.out.find("main.c:6: advisory: Global object 'g_debugLevel' is used only by function 'main' of its own "
                       "file [1514]\n"
                       "    main.c:11: note: Used here [1579]\n"
                       "    config.h:3: note: Declaration of 'g_debugLevel' [1594]\n"
                       "stock.c:7: "),
            std::string::npos);
  EXPECT_EQ(r.out.substr(r.out.rfind('\n', r.out.size() - 2) + 1),
            "inventory.err: 27 findings: 1 error, 6 warning, 20 advisory; 21 declared once in a header that several "
            "sources include (--all)\n");
  // Those left out are in the file: --all shows them.
  EXPECT_NE(report({"inventory.err", "--all"}).out.find("inventory.err: 48 findings: 1 error, 7 warning, 40 advisory\n"),
            std::string::npos);

  // The older generation of error files, which keeps no message lists.
  run(ZUM_BINARY, {"ZEK", "-cmaf", "old", "-list", "inventory.lst", "-debug", "zekoutput"});
  const auto older = report({"old.err"});
  EXPECT_EQ(older.exitCode, 0);
  EXPECT_EQ(older.out.substr(older.out.rfind('\n', older.out.size() - 2) + 1),
            "old.err: 48 findings: 1 error, 7 warning, 40 advisory\n");

  // A format string instead; the listed places one level deeper.
  const auto formatted = report({"inventory.err", "--format", "%?u%(  %)%N %f:%l %?v%([%v]%)"});
  EXPECT_EQ(formatted.exitCode, 0);
  EXPECT_EQ(formatted.out.substr(0, formatted.out.find("1501")),
            "1515 :1 [Rename one of them: an include of that name may reach the wrong file.]\n"
            "  1578 :1 \n"
            "  1578 :1 \n"
            "1500 :1 [Remove the declarations listed, or define the object where it belongs.]\n"
            "  1594 report.c:7 \n"
            "  1594 config.h:4 \n");
}

TEST_F(Report, SarifThatTheSchemaAccepts) {
  const auto r = report({"inventory.err", "--sarif", "inventory.sarif"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_NE(r.out.find("inventory.err: 27 findings"), std::string::npos);
  const auto check = run("/usr/bin/python3", {"-c",
                                             "import json, sys, jsonschema\n"
                                             "sarif = json.load(open(sys.argv[1]))\n"
                                             "jsonschema.validate(sarif, json.load(open(sys.argv[2])))\n"
                                             "run = sarif['runs'][0]\n"
                                             "print(run['tool']['driver']['name'], len(run['results']),\n"
                                             "      [rule['id'] for rule in run['tool']['driver']['rules']])\n"
                                             "first = [r for r in run['results'] if r['ruleId'] == '1500'][0]\n"
                                             "print(first['ruleId'], first['level'], first['message']['text'])\n"
                                             "print(first['locations'][0]['physicalLocation'])\n"
                                             "print([l['message']['text'] for l in first['relatedLocations']])\n",
                                             "inventory.sarif", (kFixtures / "sarif-schema-2.1.0.json").string()});
  EXPECT_EQ(check.err, "");
  EXPECT_EQ(check.out,
            "zum 27 ['1500', '1501', '1502', '1503', '1504', '1505', '1507', '1509', '1510', '1512', '1513', '1514', "
            "'1515', '1520', '1525', '1531', '1532', '1533']\n"
            "1500 note External object 'g_legacyBanner' is declared but neither defined nor used in the project\n"
            "{'artifactLocation': {'uri': 'report.c'}, 'region': {'startLine': 7}}\n"
            "[\"Declaration of 'g_legacyBanner'\", \"Declaration of 'g_legacyBanner'\"]\n");

  // Names and texts that are no UTF-8 still make valid JSON; a hidden
  // finding is a suppressed result.
  {
    M_OutputVarnix2 output(false);
    output.open(scratch_.path("run/odd.err").string());
    const XF_Filename odd(U_Filename("/p/dir/\xc3\xa4\xff.c"), U_Filename("dir/\xc3\xa4\xff.c"));
    M_Diagnostic diagnostic(1503, U_Location(odd, 3, 2));
    diagnostic.addString("\xff\"x\n");
    output.writeDiagnostic(diagnostic, true);
    output.close();
  }
  const auto odd = report({"odd.err", "--sarif", "odd.sarif"});
  EXPECT_EQ(odd.out, "odd.err: no findings; 1 hidden\n");
  const auto oddCheck = run("/usr/bin/python3", {"-c",
                                                "import json, sys\n"
                                                "result = json.load(open(sys.argv[1]))['runs'][0]['results'][0]\n"
                                                "print(ascii(result['message']['text']), result['suppressions'])\n"
                                                "print(result['locations'][0]['physicalLocation'])\n",
                                                "odd.sarif"});
  EXPECT_EQ(oddCheck.err, "");
  EXPECT_EQ(oddCheck.out,
            std::string(R"x('External function \'\xff"x\n\' is defined but never called in the project')x") +
                " [{'kind': 'inSource'}]\n"
                "{'artifactLocation': {'uri': 'dir/%C3%A4%FF.c'}, 'region': {'startLine': 3, 'startColumn': 2}}\n");

  // Absolute names under the source root become relative to it: here the
  // project file, where a source without files is reported.
  const std::string root = scratch_.path("run").string();
  run(ZUM_BINARY, {"ZEK", "-cmaf", root + "/abs", "main.c", "ghost.c"});
  const auto rooted = report({"abs.err", "--sarif", "-", "--srcroot", root});
  EXPECT_NE(rooted.out.find("\"uri\": \"abs\",\n"), std::string::npos) << rooted.out;
  EXPECT_NE(rooted.out.find("\"uriBaseId\": \"SRCROOT\""), std::string::npos);
  EXPECT_EQ(rooted.out.find("findings"), std::string::npos);  // no text with "--sarif -"
}

TEST_F(Report, DamagedMissingAndMisused) {
  const std::string bytes = scratch_.read("run/inventory.err");
  scratch_.write("run/cut.err", bytes.substr(0, bytes.size() * 2 / 3));
  const auto cut = report({"cut.err"});
  EXPECT_EQ(cut.exitCode, 1);
  EXPECT_EQ(cut.out.find("cut: warning: File name 'types.h'"), 0u);
  EXPECT_NE(cut.out.find("\ncut.err: "), std::string::npos);
  EXPECT_EQ(cut.err.find("zum-report: cut.err: damaged at byte "), 0u) << cut.err;

  const auto missing = report({"none.err"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.out, "none.err: no findings\n");
  EXPECT_EQ(missing.err, "zum-report: none.err: cannot be read: No such file or directory\n");

  const auto badFormat = report({"inventory.err", "--format", "%f%L"});
  EXPECT_EQ(badFormat.exitCode, 2);
  EXPECT_EQ(badFormat.err, "zum-report: Error in format string at :%L\n");
  EXPECT_EQ(report({}).exitCode, 2);
  EXPECT_EQ(report({"inventory.err", "--sarif"}).exitCode, 2);
}
