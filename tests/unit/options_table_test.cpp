#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <typeinfo>

#include "options/Options.h"
#include "options/OptionMatch.h"
#include "options/OptionNames.h"
#include "options/ProductTable.h"

namespace {

int indexOf(const char* word) { return zum::findProduct(word); }

}  // namespace

// Lookup relies on the order; which names there are is checked below.
TEST(OptionTable, EachProductAcceptsItsNamesSortedAndLowerCase) {
  for (const char* product : {"ZEKPP", "ZEK", "KOD", "KOJ"}) {
    const auto names = C_optionNames(indexOf(product));
    for (std::size_t i = 1; i < names.size(); ++i) {
      EXPECT_LT(names[i - 1].name, names[i].name) << product;  // byte order, no duplicates
    }
    for (const C_OptionName& entry : names) {
      for (char c : entry.name) EXPECT_FALSE(c >= 'A' && c <= 'Z') << entry.name;
    }
  }
  EXPECT_TRUE(C_optionNames(-1).empty());
}

TEST(MatchOption, LongestNameIgnoringCase) {
  C_Options options;
  const auto zek = C_optionNames(indexOf("ZEK"));
  const auto expectMatch = [&](std::string_view text, const C_OptionBase& option, std::size_t length) {
    const C_OptionMatch match = matchOption(text, zek, options);
    EXPECT_EQ(match.option, &option) << text;
    EXPECT_EQ(match.length, length) << text;
  };
  expectMatch("help", options.help(), 4);  // -HELP, -h and -helpx are tested end to end
  expectMatch("nomsg", options.noMsg(), 5);
  expectMatch("no", options.noMsg(), 2);
  expectMatch("n1234", options.noMsg(), 1);
  expectMatch("nosortx", options.noSort(), 6);
  expectMatch("debugpcom_test", options.debug(), 5);
  expectMatch("dFOO=1", options.d(), 1);
  expectMatch("tab4", options.tabStop(), 3);
  expectMatch("Cmaf", options.crossModuleAnalysisFile(), 4);
  expectMatch("k+r", options.kAndR(), 3);
  EXPECT_EQ(matchOption("", zek, options).option, nullptr);
  EXPECT_EQ(matchOption("zz", zek, options).option, nullptr);
  EXPECT_EQ(matchOption("-x", zek, options).option, nullptr);
  // Names of other products only.
  EXPECT_EQ(matchOption("pluginpath", zek, options).option, nullptr);
  EXPECT_EQ(matchOption("q", C_optionNames(indexOf("KOD")), options).option, nullptr);
  EXPECT_EQ(matchOption("q", zek, options).option, &options.quiet());
}

// The forms of the product word a run accepts, and the words it refuses,
// are tested end to end.
TEST(ProductTable, WordsAreLookedUp) {
  EXPECT_EQ(indexOf("zek++"), 0);
  EXPECT_EQ(indexOf("ZEKPP"), 0);
  EXPECT_EQ(indexOf("Zek"), 1);
  EXPECT_EQ(indexOf("kod"), 2);
  EXPECT_EQ(indexOf("KOJ"), 3);
  EXPECT_EQ(indexOf(""), -1);
  EXPECT_EQ(zum::ProductTable[indexOf("ZEK")].bit, zum::kProductZek);
}

namespace {

// "name (short, other); name2" as the family's option lists read: each long
// name with the further names that lead to it.
std::map<std::string, std::string> namesOf(std::string_view list) {
  std::map<std::string, std::string> names;
  std::size_t start = 0;
  while (start < list.size()) {
    std::size_t end = list.find("; ", start);
    if (end == std::string_view::npos) end = list.size();
    std::string_view item = list.substr(start, end - start);
    const std::size_t open = item.find(" (");
    const std::string longName(item.substr(0, open));
    names[longName] = longName;
    if (open != std::string_view::npos) {
      std::string_view shorts = item.substr(open + 2, item.size() - open - 3);
      for (std::size_t s = 0; s <= shorts.size();) {
        std::size_t comma = shorts.find(", ", s);
        if (comma == std::string_view::npos) comma = shorts.size();
        names[std::string(shorts.substr(s, comma - s))] = longName;
        s = comma + 2;
      }
    }
    start = end + 2;
  }
  return names;
}

constexpr std::string_view kAllProducts =
    "crossmoduleanalysisfile (cmaf); customreport; debug (deb); echo (e); encoding (en); errorinvalidcfgarg (eica); "
    "errorinvalidcfgvalue (eicv); expandfilenames (ef); expandmultihomedmessages (emhm); file; filenamereplace (fr); "
    "forgetall (f, forget); format; hdrsuppress (hdr); help (h); hiddenmessage (hm); hiddenwarnings (hw); html; "
    "line (l); list; maxcount (max); maxerrors (maxerr); messagesonly (m); metrics (met); msgref; namerulefile (nrf); "
    "nomsg (n, no); nosort; onelineonly (one); only (o); origsuppressionfile; outputpath (op); "
    "prodoption (po, zo, zumoption, zekppoption); patchfile; projectfile (prj); references (ref); remark (rem); "
    "settings (set); standard (st); summary (summ); suppressioncategory (sc); suppressioncategoryfilter (scf); "
    "suppressiondescriptiontext (sdt); suppressionfile (sf); suppressionoutpath (sop); suppresslvl (su); "
    "tablesummary (tsumm); tabstop (t, tab); textonly (text); threshold (thresh); total; usrfile (usr); usrpath (up); "
    "version (ver); via";
constexpr std::string_view kZekAndZekpp =
    "align (a); d; forceinclude (fi); i; intrinsictype (it); ppfilename (ppf); pplist (ppl); quiet (q); size (s); "
    "slashwhite (sl); warncall (wc)";
constexpr std::string_view kZekppOnly =
    "allowconstconvdeduction (accd); allowimplicitconvptrmbr (aicpm); allowtempnonconstrefbind (atncrb); "
    "allowtmplargnullptrconv (atanpc); alwaysusedirectinitializer (audi); completeclasses (cc); createpph (cpph); "
    "declundented (declu); delayparsefntemplates (dpft); dontusec99decintlittypes (duc99dilt); "
    "hidemacrowarnings (hmw); introducefriendnames (ifn); keywords (kw); layoutfile (lf); layoutignoreheaders (lih); "
    "layoutindentwidth (liw); layoutusehangingindent (luhi); libraryusagefile (luf); machine; "
    "maxrecursivetemplatenestingdepth (mrtnd); nestedcomments (nc); nocache; nocallfrom (nocf); nocallto (noct); "
    "noctlg; nodecl; noderivedfrom (nodf); noderivedto (nodt); noinclfrom (noif); noinclto (noit); nometrics (nomet); "
    "noreffrom (norf); norefto (nort); pph; pphversion (pphv); pponly (ppo); propagatetemplateparameters (ptp); "
    "preproc32bittype (pp32bt); rvaluerefbind (rvrb); searchdependentbaseclasses (sdep); showalias (sa); sql; "
    "sqlvendor (sv); stdisglobal (sig); systemdefine (sd); systeminclude (si); userealthrowntypes (urtt); "
    "warnkeyword (wk); warnpragma (wp)";
constexpr std::string_view kZekOnly =
    "arithrsh (ar); bitsigned (bits); calling; callpack; comment (co); extensions (ex); foldplainchar (fpc); "
    "indentlevel (il); k+r; maxlinelength (mll); namelength (na); overwrite (over); ppmetrics (ppm); "
    "skippragma (spragma); strict (str); strictrank (sr); strictsignedness (ss); style (sty); unsignedchar (u); "
    "xcase (xc); xnamelength (xn); nodataflow; heap";

}  // namespace

TEST(OptionTable, EveryNameOfEveryProductLeadsToItsOption) {
  const auto merged = [](std::initializer_list<std::string_view> lists) {
    std::map<std::string, std::string> names;
    for (std::string_view list : lists) names.merge(namesOf(list));
    return names;
  };
  const std::pair<const char*, std::map<std::string, std::string>> products[] = {
      {"ZEKPP", merged({kAllProducts, kZekAndZekpp, kZekppOnly})},
      {"ZEK", merged({kAllProducts, kZekAndZekpp, kZekOnly})},
      {"KOD", merged({kAllProducts, "pluginpath"})},
      {"KOJ", merged({kAllProducts, "classpath; closeprec; javadoctag; syntaxreccmds (rec)"})},
  };
  C_Options options;
  for (const auto& [product, expected] : products) {
    std::map<std::string, std::string> actual;
    for (const C_OptionName& entry : C_optionNames(indexOf(product))) {
      actual[std::string(entry.name)] = entry.option(options).name();
    }
    EXPECT_EQ(actual, expected) << product;
  }
}

TEST(OptionTable, KindsAndDefaultsOfEachOption) {
  // Long name -> kind, every option not listed being a boolean; the default
  // as valueText() shows it where it is not the kind's own.
  const std::pair<const std::type_info*, std::string_view> kinds[] = {
      {&typeid(C_OptionInt),
       "indentlevel layoutindentwidth maxcount maxerrors maxlinelength maxrecursivetemplatenestingdepth namelength "
       "pphversion suppressioncategory tabstop xnamelength heap"},
      {&typeid(C_OptionString),
       "closeprec comment encoding k+r machine msgref origsuppressionfile sqlvendor style suppressiondescriptiontext "
       "syntaxreccmds"},
      {&typeid(C_OptionI8NString), "format"},
      {&typeid(C_OptionFilename),
       "calling callpack classpath createpph crossmoduleanalysisfile file layoutfile libraryusagefile namerulefile "
       "outputpath pluginpath projectfile suppressionoutpath usrfile usrpath"},
      {&typeid(C_OptionStringList),
       "align customreport d debug extensions filenamereplace intrinsictype javadoctag keywords nocallfrom nocallto "
       "noctlg nodecl noderivedfrom noderivedto noinclfrom noinclto nometrics noreffrom norefto prodoption remark "
       "size skippragma systemdefine threshold warncall warnkeyword warnpragma"},
      {&typeid(C_OptionIntList), "expandmultihomedmessages nomsg only suppressioncategoryfilter suppresslvl"},
      {&typeid(C_OptionFilenameList), "forceinclude i patchfile pph quiet suppressionfile systeminclude"},
      {&typeid(C_OptionVia), "list via"},
      {&typeid(C_OptionEcho), "echo"},
      {&typeid(C_OptionForget), "forgetall"},
  };
  const std::map<std::string, std::string> defaults = {
      {"dontusec99decintlittypes", "+ (on)"}, {"expandfilenames", "+ (on)"}, {"metrics", "+ (on)"},
      {"rvaluerefbind", "+ (on)"}, {"showalias", "+ (on)"}, {"strict", "+ (on)"},
      {"strictsignedness", "+ (on)"}, {"maxrecursivetemplatenestingdepth", "200"}, {"namelength", "31"},
      {"pphversion", "1"}, {"tabstop", "8"}, {"xnamelength", "6"}, {"heap", "512"},
      {"origsuppressionfile", ".orig"}, {"style", "exdented"},
  };
  C_Options options;
  std::map<std::string, C_OptionBase*> byName;
  for (int product = 0; product < zum::kProductCount; ++product) {
    for (const C_OptionName& entry : C_optionNames(product)) {
      C_OptionBase& option = entry.option(options);
      byName[option.name()] = &option;
    }
  }
  std::map<std::string, const std::type_info*> kindOf;
  for (const auto& [kind, list] : kinds) {
    std::istringstream names{std::string(list)};
    for (std::string name; names >> name;) {
      EXPECT_TRUE(byName.count(name)) << name;
      kindOf[name] = kind;
    }
  }
  EXPECT_EQ(byName.size(), 143u);
  for (const auto& [name, option] : byName) {
    const auto listed = kindOf.find(name);
    const std::type_info& kind = listed == kindOf.end() ? typeid(C_OptionBool) : *listed->second;
    EXPECT_EQ(typeid(*option), kind) << name;
    const std::string kindDefault = kind == typeid(C_OptionBool) ? "- (off)" : kind == typeid(C_OptionInt) ? "0" : "";
    const auto special = defaults.find(name);
    EXPECT_EQ(option->valueText(), special == defaults.end() ? kindDefault : special->second) << name;
    EXPECT_FALSE(option->given()) << name;
  }
}
