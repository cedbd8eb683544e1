#include "messages/ErrorFileDecoder.h"

#include <iostream>

#include "messages/ErrorFileExceptions.h"
#include "messages/VarnixDecoder.h"
#include "messages/Varnix2Decoder.h"

namespace fmt = M_ErrorFileFormat;

M_ErrorFileDecoder::M_ErrorFileDecoder(std::string_view bytes, const XF_Filename& source)
    : in_(bytes), source_(source) {
  version_ = in_.int32();
  if (fmt::isCurrentVersion(version_)) {
    generation_ = fmt::Generation::kCurrent;
  } else if (fmt::isOlderVersion(version_)) {
    generation_ = fmt::Generation::kOlder;
  } else {
    std::cerr << "Unknown error file format: id=" << M_hexWord(version_) << std::endl;
    throw M_BadErrorFileVersion(version_);
  }
  secondWord_ = in_.int32();
  if (generation_ == fmt::Generation::kCurrent) {
    current_ = std::make_unique<M_Varnix2Decoder>(in_);
  } else {
    older_ = std::make_unique<M_VarnixDecoder>(in_, source_);
  }
}

M_ErrorFileDecoder::~M_ErrorFileDecoder() = default;

M_ErrorFileRecord M_ErrorFileDecoder::next() { return current_ ? current_->readRecord() : older_->readRecord(); }

XF_Filename M_ErrorFileDecoder::currentFile() const { return older_ ? older_->currentFile() : source_; }
