#include "messages/InputVarnix.h"

#include <iostream>
#include <optional>
#include <string>

#include "messages/BinaryExceptions.h"
#include "messages/BinaryFile.h"
#include "messages/ErrorFileDecoder.h"
#include "messages/ErrorFileExceptions.h"

namespace {

void reportReadingFailure(const R_ReadingException& failure) {
  std::cerr << "caught a R_ReadingException in getNextMessage()." << std::endl;
  std::cerr << "  reason: " << failure.what() << std::endl;
}

}  // namespace

void M_InputVarnix::setSource(const XF_Filename& source) {
  primary_ = source;
  current_ = source;
}

void M_InputVarnix::open() {
  std::string bytes;
  if (R_readWholeFile(fileName_, bytes) != 0) throw M_BadFileOpenException(fileName_);
  read(bytes);
}

void M_InputVarnix::read(std::string_view bytes) {
  std::optional<M_ErrorFileDecoder> decoder;
  try {
    decoder.emplace(bytes, primary_);
  } catch (const R_ReadingException& failure) {
    reportReadingFailure(failure);
    throw;
  }
  version_ = decoder->version();

  while (!decoder->atEnd()) {
    try {
      M_ErrorFileRecord record = decoder->next();
      current_ = decoder->currentFile();
      if (record.diagnostic) diagnostics_.push_back(std::move(record.diagnostic));
      if (record.suppressionRecord) suppressions_.push_back(std::move(record.suppressionRecord));
    } catch (const R_ReadingException& failure) {
      current_ = decoder->currentFile();
      reportReadingFailure(failure);
      throw;
    } catch (const U_Exception&) {
      current_ = decoder->currentFile();
      if (decoder->atEnd()) return;
      throw M_BadFileOpenException(fileName_);
    }
  }
}
