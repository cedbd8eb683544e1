#include "Findings.h"

#include <cstring>
#include <optional>

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
