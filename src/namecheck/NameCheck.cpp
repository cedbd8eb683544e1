#include "namecheck/NameCheck.h"

#include "anlsrslt/include/PI_Interface.h"
#include "checks/Reporting.h"
#include "namecheck/RuleFile.h"
#include "namecheck/RuleMatch.h"
#include "options/OutputLocation.h"
#include "options/RunSettings.h"
#include "util/ProcessState.h"

namespace zum {

namespace {

struct NameCheckState {
  std::vector<NameRule> rules;
};

NameCheckState& state() { return ProcessState::get<NameCheckState>(); }

// The check's own message is made like the findings of the cross-module
// checks; a rule's other message goes the way of any module's.
void reportName(int message, PI_DefineHandle define, const char* identifier) {
  if (message == kNameCheckMessage) {
    U_Handle<M_Diagnostic> diagnostic = newDiagnostic(message, defineLocation(define));
    diagnostic->addString(identifier);
    report(*diagnostic);
    return;
  }
  PI_DiagnosticHandle diagnostic = PI_createDiagnostic(message, PI_getDefineFilename(define), PI_getDefineLine(define));
  PI_addDiagnosticParamName(diagnostic, identifier);
  PI_warn(diagnostic);
}

void checkDefine(const std::vector<NameRule>& rules, PI_DefineHandle define) {
  if (!isNameChecked(define)) return;
  const char* identifier = PI_getDefineSimpleIdentifier(define);
  for (const NameRule& rule : rules)
    if (ruleAppliesTo(rule, define) && !ruleAccepts(rule, identifier)) reportName(rule.message, define, identifier);
}

void checkNames() {
  const std::vector<NameRule>& rules = state().rules;
  if (rules.empty()) return;
  for (int symbols = PI_getFirstSymbol(); !PI_isSymbolIterEnd(symbols); PI_getSymbolIterNext(symbols)) {
    PI_SymbolHandle symbol = PI_getSymbolIterData(symbols);
    for (int defines = PI_getSymbolFirstDefine(symbol); !PI_isDefineIterEnd(defines); PI_getDefineIterNext(defines))
      checkDefine(rules, PI_getDefineIterData(defines));
  }
}

}  // namespace

void configureNameCheck(std::vector<NameRule> rules) {
  state().rules = std::move(rules);
  PI_configureOnAllDefine(&checkNames);
}

void configureNameCheck(const std::string& ruleFile, const std::string& outputDirectory) {
  configureNameCheck(readRuleFile(ruleFile, outputDirectory));
}

void configureNameCheck() { configureNameCheck(C_runSettings().nameRuleFile, runOutputLocation().outputDirectory); }

}  // namespace zum

