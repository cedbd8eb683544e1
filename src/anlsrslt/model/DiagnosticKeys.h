// The two orders of diagnostics (messages/DiagnosticOrder.h) as keys that
// are computed once per diagnostic. Error files of big projects hold
// thousands of diagnostics; sorting them must not rebuild the parameter
// texts and walk the include chains in every comparison.
#pragma once

#include <compare>
#include <cstdint>
#include <string_view>
#include <vector>

#include "util/String.h"

class M_Diagnostic;

namespace zum {

// The parts of a diagnostic that both orders end with.
struct MessageKey {
  int message = 0;
  std::vector<U_String> params;  // the text forms

  // Message number, parameter count, then the texts byte-wise.
  friend std::strong_ordering operator<=>(const MessageKey& a, const MessageKey& b);
  friend bool operator==(const MessageKey& a, const MessageKey& b) = default;
};
MessageKey makeMessageKey(const M_Diagnostic& diagnostic);

// The diagnostic order: outermost line, not included before included, the
// absolute path of an included one, line, column, then the message key.
struct DiagnosticSortKey {
  int outermostLine = 0;
  bool included = false;
  std::string_view absolutePath;  // interned text, only for included ones
  int line = 0;
  int column = 0;
  MessageKey message;

  friend std::strong_ordering operator<=>(const DiagnosticSortKey& a, const DiagnosticSortKey& b);
  friend bool operator==(const DiagnosticSortKey& a, const DiagnosticSortKey& b) = default;
};
DiagnosticSortKey makeSortKey(const M_Diagnostic& diagnostic);

// The identity order: the location (no location first; then the file in
// identity order, line, column), then the message key.
struct DiagnosticIdentityKey {
  bool located = false;
  std::uint32_t fileSerial = 0;
  int line = 0;
  int column = 0;
  MessageKey message;

  friend std::strong_ordering operator<=>(const DiagnosticIdentityKey& a, const DiagnosticIdentityKey& b) = default;
  friend bool operator==(const DiagnosticIdentityKey& a, const DiagnosticIdentityKey& b) = default;
};
// Reuses the message key of the sort key.
DiagnosticIdentityKey makeIdentityKey(const M_Diagnostic& diagnostic, MessageKey message);

}  // namespace zum
