// Feeds arbitrary bytes to the error file decoder. Whatever it accepts must
// print, order and write again; writing what was read and reading that back
// twice must settle on the same bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "messages/ByteBuffer.h"
#include "messages/Diagnostic.h"
#include "messages/DiagnosticOrder.h"
#include "messages/ErrorFileDecoder.h"
#include "messages/InputVarnix.h"
#include "messages/SuppressionRecord.h"
#include "messages/VarnixEncoder.h"
#include "messages/Varnix2Encoder.h"
#include "options/DebugSwitches.h"
#include "util/Exception.h"
#include "util/ProcessState.h"

namespace {

struct Records {
  std::vector<U_Handle<M_Diagnostic>> diagnostics;
  std::vector<U_Handle<M_SuppressionRecord>> suppressions;
};

const XF_Filename& source() {
  static const XF_Filename file(U_Filename("/fuzz/a.c"), U_Filename("a.c"));
  return file;
}

Records decode(std::string_view bytes) {
  Records records;
  try {
    M_ErrorFileDecoder decoder(bytes, source());
    while (!decoder.atEnd()) {
      M_ErrorFileRecord record = decoder.next();
      if (record.diagnostic) records.diagnostics.push_back(record.diagnostic);
      if (record.suppressionRecord) records.suppressions.push_back(record.suppressionRecord);
    }
  } catch (const U_Exception&) {
    // Damage ends reading; what came before is kept.
  }
  return records;
}

std::string encode(const Records& records) {
  R_ByteBuffer out;
  M_Varnix2Encoder encoder(false);
  M_Varnix2Encoder::writeHeader(out);
  encoder.writeSectionStart(out);
  for (const auto& d : records.diagnostics) encoder.writeDiagnostic(out, *d, d->isHiddenByPragma());
  for (const auto& s : records.suppressions) encoder.writeSuppressionRecord(out, *s);
  return std::string(out.bytes());
}

std::string encodeOlder(const Records& records) {
  R_ByteBuffer out;
  M_VarnixEncoder encoder(true);
  M_VarnixEncoder::writeHeader(out);
  for (const auto& d : records.diagnostics) encoder.writeDiagnostic(out, *d, d->isHiddenByPragma());
  return std::string(out.bytes());
}

// The reader's own policy on damage: it may raise, never crash.
void readAsASource(std::string_view bytes) {
  M_InputVarnix input("fuzz.err");
  input.setSource(source());
  try {
    input.read(bytes);
  } catch (const U_Exception&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Each input is a run of its own.
  zum::ProcessState::reset();
  C_publishDebugValues({"showInclLoc", "showInstLoc"});

  const std::string_view input(reinterpret_cast<const char*>(data), size);
  readAsASource(input);
  const Records first = decode(input);
  std::size_t textBytes = 0;
  for (const auto& d : first.diagnostics) textBytes += d->debugText().size();
  std::vector<U_Handle<M_Diagnostic>> sorted = first.diagnostics;
  std::sort(sorted.begin(), sorted.end(), M_DiagnosticLess());
  std::sort(sorted.begin(), sorted.end(), M_DiagnosticIdentityLess());

  const std::string once = encode(first);
  const Records second = decode(once);
  if (second.diagnostics.size() != first.diagnostics.size() ||
      second.suppressions.size() != first.suppressions.size()) {
    std::abort();
  }
  if (encode(second) != once) std::abort();
  if (decode(encodeOlder(first)).diagnostics.size() != first.diagnostics.size()) std::abort();
  return textBytes == static_cast<std::size_t>(-1) ? 1 : 0;
}
