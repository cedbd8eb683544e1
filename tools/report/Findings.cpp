#include "Findings.h"

#include <cstring>
#include <algorithm>
#include <optional>

#include "MessageView.h"
#include "messages/BinaryFile.h"
#include "messages/ErrorFileDecoder.h"
#include "util/Exception.h"
#include "util/InputFile.h"
#include "util/Path.h"

namespace {

std::string oneLine(std::string text) {
  while (!text.empty() && text.back() == '\n') text.pop_back();
  for (char& c : text) {
    if (c == '\n') c = ' ';
  }
  return text;
}

bool declaredAtOnePlace(const M_Diagnostic& diagnostic) {
  const int number = diagnostic.messageNumber();
  if (number != 1512 && number != 1513) return false;
  // The list names each distinct place once.
  const std::vector<U_Handle<M_Diagnostic>> places = listedDiagnostics(diagnostic);
  return places.size() == 1;
}

}  // namespace

ReportFindings readFindings(const std::string& path) {
  ReportFindings findings;
  std::string bytes;
  if (const int error = R_readWholeFile(path, bytes); error != 0) {
    findings.damage = "cannot be read: " + zum::describeFileError(error);
    return findings;
  }
  // Older files name their source only through the file's own name.
  const U_String source = U_Path::stripExtension(path);
  const XF_Filename sourceFile{U_Filename(source), U_Filename(source)};
  std::optional<M_ErrorFileDecoder> decoder;
  try {
    decoder.emplace(bytes, sourceFile);
    while (!decoder->atEnd()) {
      const std::size_t offset = decoder->offset();
      try {
        M_ErrorFileRecord record = decoder->next();
        if (record.kind == M_ErrorFileRecord::Kind::kDiagnostic) findings.diagnostics.push_back(record.diagnostic);
      } catch (const U_Exception& failure) {
        findings.damage = "damaged at byte " + std::to_string(offset) + ": " + oneLine(failure.what());
        return findings;
      }
    }
  } catch (const U_Exception& failure) {
    findings.damage = "damaged at byte 0: " + oneLine(failure.what());
  }
  return findings;
}

void leaveOutOneHeaderDeclarations(ReportFindings& findings) {
  auto& diagnostics = findings.diagnostics;
  const auto kept = std::remove_if(diagnostics.begin(), diagnostics.end(),
                                   [](const U_Handle<M_Diagnostic>& d) { return declaredAtOnePlace(*d); });
  findings.leftOut += static_cast<int>(diagnostics.end() - kept);
  diagnostics.erase(kept, diagnostics.end());
}
