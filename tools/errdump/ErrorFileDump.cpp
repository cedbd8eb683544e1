#include "ErrorFileDump.h"

#include <cstring>
#include <optional>
#include <ostream>

#include "messages/BinaryFile.h"
#include "messages/Diagnostic.h"
#include "messages/ErrorFileDecoder.h"
#include "messages/ErrorFileExceptions.h"
#include "messages/LocationText.h"
#include "messages/SuppressionRecord.h"
#include "util/InputFile.h"
#include "util/Path.h"

namespace {

namespace fmt = M_ErrorFileFormat;

// Exception texts may end in a newline; the dump keeps one record a line.
std::string oneLine(std::string text) {
  while (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

void printSuppressionRecord(const M_SuppressionRecord& record, std::ostream& out) {
  out << "suppression record: kind=" << record.kind() << " at " << M_locationText(record.location()) << " text=\""
      << record.text() << "\" ranges={";
  bool first = true;
  for (const M_MessageRange& range : record.messageRanges()) {
    if (!first) out << ',';
    first = false;
    out << range.first;
    if (!range.second.empty() && range.second != range.first) out << '-' << range.second;
  }
  out << "} region={" << M_locationText(record.begin()) << '}';
  if (record.end().isSet()) out << "-{" << M_locationText(record.end()) << '}';
  out << '\n';
}

void printRecord(const M_ErrorFileRecord& record, std::ostream& out) {
  if (record.changesCurrentFile) out << '@' << record.currentFileOffset << " current file: " << record.currentFile << '\n';
  out << '@' << record.offset << ' ';
  switch (record.kind) {
    case M_ErrorFileRecord::Kind::kSectionStart:
      out << "section start\n";
      break;
    case M_ErrorFileRecord::Kind::kDiagnostic:
      out << (record.diagnostic->isError() ? "error: " : "diagnostic: ") << record.diagnostic->debugText() << '\n';
      break;
    case M_ErrorFileRecord::Kind::kSuppressionRecord:
      printSuppressionRecord(*record.suppressionRecord, out);
      break;
  }
}

void printDamage(std::size_t recordOffset, std::size_t stopOffset, const char* what, std::ostream& out) {
  out << "damaged: " << oneLine(what) << " (record at byte " << recordOffset << ", reading stopped at byte "
      << stopOffset << ")\n";
}

}  // namespace

bool dumpErrorFile(const std::string& fileName, std::ostream& out) {
  std::string bytes;
  if (const int error = R_readWholeFile(fileName, bytes); error != 0) {
    out << "file " << fileName << ": cannot be read: " << zum::describeFileError(error) << '\n';
    return false;
  }
  // Older files name their source only through the file's own name.
  const U_String source = U_Path::stripExtension(fileName);
  const XF_Filename sourceFile{U_Filename(source), U_Filename(source)};

  std::optional<M_ErrorFileDecoder> decoder;
  try {
    decoder.emplace(bytes, sourceFile);
  } catch (const U_Exception& failure) {
    out << "file " << fileName << ": " << bytes.size() << " bytes\n";
    printDamage(0, 0, failure.what(), out);
    return false;
  }
  const bool current = decoder->generation() == fmt::Generation::kCurrent;
  out << "file " << fileName << ": version " << M_hexWord(decoder->version()) << " ("
      << (current ? "current" : "older") << " generation), second header word " << decoder->secondHeaderWord()
      << ", " << bytes.size() << " bytes\n";
  while (!decoder->atEnd()) {
    const std::size_t recordOffset = decoder->offset();
    try {
      printRecord(decoder->next(), out);
    } catch (const U_Exception& failure) {
      printDamage(recordOffset, decoder->offset(), failure.what(), out);
      return false;
    }
  }
  out << '@' << decoder->offset() << " end\n";
  return true;
}
