#include "messages/InputVarnix.h"

#include <iostream>
#include <optional>
#include <string>

#include "messages/BinaryExceptions.h"
#include "messages/BinaryFile.h"
#include "messages/ErrorFileDecoder.h"
#include "messages/ErrorFileExceptions.h"
#include "util/InputFile.h"

namespace {

void reportReadingFailure(const R_ReadingException& failure) {
  std::cerr << "caught a R_ReadingException in getNextMessage()." << std::endl;
  std::cerr << "  reason: " << failure.what() << std::endl;
}

U_String pastTheEnd(const U_String& fileName, std::string_view part, std::size_t fileSize) {
  return "in '" + fileName + "': " + U_String(part) + " runs past the end of the file (" + std::to_string(fileSize) +
         " bytes)";
}

U_String recordAt(std::size_t offset) { return "the record at byte " + std::to_string(offset); }

}  // namespace

void M_InputVarnix::setSource(const XF_Filename& source) {
  primary_ = source;
  current_ = source;
}

void M_InputVarnix::open() {
  std::string bytes;
  if (const int error = R_readWholeFile(fileName_, bytes); error != 0) {
    M_BadFileOpenException failure(fileName_);
    failure.addContext("in '" + fileName_ + "': " + zum::describeFileError(error));
    throw failure;
  }
  read(bytes);
}

void M_InputVarnix::read(std::string_view bytes) {
  std::optional<M_ErrorFileDecoder> decoder;
  try {
    decoder.emplace(bytes, primary_);
  } catch (R_ReadingException& failure) {
    reportReadingFailure(failure);
    failure.addContext(pastTheEnd(fileName_, "its header", bytes.size()));
    throw;
  } catch (M_ErrorFileException& failure) {
    failure.addContext("in '" + fileName_ + "'");
    throw;
  }
  version_ = decoder->version();

  while (!decoder->atEnd()) {
    const std::size_t recordStart = decoder->offset();
    try {
      M_ErrorFileRecord record = decoder->next();
      current_ = decoder->currentFile();
      if (record.diagnostic) diagnostics_.push_back(std::move(record.diagnostic));
      if (record.suppressionRecord) suppressions_.push_back(std::move(record.suppressionRecord));
    } catch (R_ReadingException& failure) {
      current_ = decoder->currentFile();
      reportReadingFailure(failure);
      if (dynamic_cast<const R_ReadingReadException*>(&failure)) {
        failure.addContext(pastTheEnd(fileName_, recordAt(recordStart), bytes.size()));
      } else {
        failure.addContext("in '" + fileName_ + "', " + recordAt(recordStart) +
                           ": a count or reference that does not fit the file");
      }
      throw;
    } catch (const U_Exception& cause) {
      current_ = decoder->currentFile();
      if (decoder->atEnd()) return;
      M_BadFileOpenException failure(fileName_);
      failure.addContext("in '" + fileName_ + "', " + recordAt(recordStart) + ": " + cause.what());
      throw failure;
    }
  }
}
