#include "anlsrslt/model/DiagnosticKeys.h"

#include "messages/Diagnostic.h"
#include "util/Location.h"

namespace zum {

std::strong_ordering operator<=>(const MessageKey& a, const MessageKey& b) {
  if (auto c = a.message <=> b.message; c != 0) return c;
  if (auto c = a.params.size() <=> b.params.size(); c != 0) return c;
  for (std::size_t i = 0; i < a.params.size(); ++i) {
    // Byte-wise with unsigned bytes, as string_view compares.
    const int c = std::string_view(a.params[i]).compare(b.params[i]);
    if (c != 0) return c < 0 ? std::strong_ordering::less : std::strong_ordering::greater;
  }
  return std::strong_ordering::equal;
}

std::strong_ordering operator<=>(const DiagnosticSortKey& a, const DiagnosticSortKey& b) {
  if (auto c = a.outermostLine <=> b.outermostLine; c != 0) return c;
  if (auto c = a.included <=> b.included; c != 0) return c;
  if (a.included) {
    const int c = a.absolutePath.compare(b.absolutePath);
    if (c != 0) return c < 0 ? std::strong_ordering::less : std::strong_ordering::greater;
  }
  if (auto c = a.line <=> b.line; c != 0) return c;
  if (auto c = a.column <=> b.column; c != 0) return c;
  return a.message <=> b.message;
}

MessageKey makeMessageKey(const M_Diagnostic& diagnostic) {
  MessageKey key;
  key.message = diagnostic.messageNumber();
  key.params.reserve(diagnostic.paramCount());
  for (const U_Handle<M_ParamType>& param : diagnostic.params()) key.params.push_back(param->text());
  return key;
}

DiagnosticSortKey makeSortKey(const M_Diagnostic& diagnostic) {
  DiagnosticSortKey key;
  const U_Location& location = diagnostic.location();
  if (location.isSet()) {
    key.outermostLine = location.outermost().line();
    key.included = location.hasInclLoc();
    if (key.included) key.absolutePath = location.file().absolute().view();
    key.line = location.line();
    key.column = location.column();
  }
  key.message = makeMessageKey(diagnostic);
  return key;
}

DiagnosticIdentityKey makeIdentityKey(const M_Diagnostic& diagnostic, MessageKey message) {
  DiagnosticIdentityKey key;
  const U_Location& location = diagnostic.location();
  if (location.isSet()) {
    key.located = true;
    key.fileSerial = location.file().absolute().serial();
    key.line = location.line();
    key.column = location.column();
  }
  key.message = std::move(message);
  return key;
}

}  // namespace zum
