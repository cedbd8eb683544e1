#include "messages/OutputSimple.h"

#include <iostream>

#include "messages/Diagnostic.h"
#include "messages/LocationText.h"
#include "messages/OutputGates.h"
#include "messages/SuppressionRecord.h"
#include "options/RunSettings.h"

namespace {

const char* kindWord(int kind) {
  if (kind == 0) return "LOC";
  if (kind == 1) return "SUP";
  return "Unknown";
}

void appendRanges(U_String& out, const std::vector<M_MessageRange>& ranges) {
  bool first = true;
  for (const auto& [low, high] : ranges) {
    if (!first) out += ',';
    first = false;
    out += low;
    if (!high.empty() && high != low) {
      out += '-';
      out += high;
    }
  }
}

}  // namespace

M_OutputSimple::M_OutputSimple() : out_(std::cout) {}

void M_OutputSimple::close() { out_.flush(); }

void M_OutputSimple::sendDiagnostic(const M_Diagnostic& diagnostic, bool suppressed) {
  if (M_passesTextGates(diagnostic, suppressed)) writeDiagnostic(diagnostic, suppressed);
}

void M_OutputSimple::writeDiagnostic(const M_Diagnostic& diagnostic, bool) {
  out_ << diagnostic.debugText() << '\n';
}

void M_OutputSimple::writeSuppressionRecord(const M_SuppressionRecord& record) {
  if (C_runSettings().hideSuppressionRecords) return;
  out_ << M_suppressionRecordLine(record) << '\n' << std::flush;
}

U_String M_suppressionRecordLine(const M_SuppressionRecord& record) {
  U_String line;
  M_appendLocationText(line, record.location());
  line += ' ';
  line += kindWord(record.kind());
  line += ':';
  line += record.text();
  line += ':';
  if (record.kind() == 1) {
    appendRanges(line, record.messageRanges());
    line += ':';
  }
  line += '{';
  M_appendLocationText(line, record.begin());
  line += '}';
  if (record.end().isSet()) {
    line += "-{";
    M_appendLocationText(line, record.end());
    line += '}';
  }
  return line;
}
