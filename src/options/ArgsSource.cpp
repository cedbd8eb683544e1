#include "options/ArgsSource.h"

#include <iostream>

#include "options/TextTranslation.h"
#include "util/Path.h"

bool C_isReadableFile(const U_String& path) { return U_Path::isReadable(path) && U_Path::isRegularFile(path); }

U_String C_ArgvSource::next() {
  if (position_ >= arguments_.size()) return U_String();
  return arguments_[position_++];
}

C_FileSource::C_FileSource(const U_String& path, const U_String& temporaryDirectory)
    : file_(C_isReadableFile(path) ? XF_openInputFile(path, temporaryDirectory) : nullptr),
      words_(file_.get(), std::cout, path) {}

C_FileSource::C_FileSource(zum::File file, const U_String& name, int firstLine)
    : file_(std::move(file)), words_(file_.get(), std::cout, name, firstLine) {}

U_String C_FileSource::next() {
  U_String word;
  if (!words_.next(word)) return U_String();
  return word;
}
