#include "messages/OutputFormat.h"

#include <iostream>

#include "messages/Diagnostic.h"
#include "messages/OutputGates.h"

M_OutputFormat::M_OutputFormat() : out_(std::cout) {}

void M_OutputFormat::close() { out_.flush(); }

void M_OutputFormat::sendDiagnostic(const M_Diagnostic& diagnostic, bool suppressed) {
  if (M_passesTextGates(diagnostic, suppressed)) writeDiagnostic(diagnostic, suppressed);
}

void M_OutputFormat::writeDiagnostic(const M_Diagnostic& diagnostic, bool) {
  out_ << diagnostic.debugText() << '\n';
  writeLocationChains(diagnostic);
  writeMessageLists(diagnostic);
}

void M_OutputFormat::writeLocationChains(const M_Diagnostic& diagnostic) {
  const U_Location& location = diagnostic.location();
  if (!location.isSet()) return;
  // Each link is written the same way, so a link's own parts (the header
  // that included the header, say) follow it.
  if (location.hasInstFromLoc()) {
    M_Diagnostic link(kInstantiatedFrom, location.instFromLoc());
    const U_Handle<U_EntityDisplayName> entity = location.instEntity();
    link.addString(entity ? entity->text(3) : U_String());
    sendDiagnostic(link, false);
  }
  if (location.hasInclLoc()) {
    M_Diagnostic link(kIncludedFrom, location.inclLoc());
    sendDiagnostic(link, false);
  }
  for (U_Handle<U_MacroHistory> expansion = location.macroHistory(); expansion; expansion = expansion->outer()) {
    M_Diagnostic link(kMacroExpansion, expansion->location());
    link.addString(expansion->macroName().text());
    sendDiagnostic(link, false);
  }
}

void M_OutputFormat::writeMessageLists(const M_Diagnostic& diagnostic) {
  for (const U_Handle<M_ParamType>& param : diagnostic.params()) {
    const auto* list = dynamic_cast<const M_ParamMsgListType*>(param.pointer());
    if (!list) continue;
    for (const U_Handle<M_Diagnostic>& listed : list->diagnostics()) sendDiagnostic(*listed, false);
  }
}
