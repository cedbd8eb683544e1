// The stream of arguments that the argument loop and the options read:
// one argument per line, from whatever sources the run has.
#pragma once

#include "util/String.h"

class C_ArgStream {
 public:
  virtual ~C_ArgStream() = default;

  // The next line; false once the stream is exhausted.
  virtual bool read(U_String& argument) = 0;

  // Makes the via file `path` the next thing read. Throws
  // C_InvalidViaException when it is not a readable regular file.
  virtual void openVia(const U_String& path) = 0;
};

// The inline value of one argument ("-t4" gives "4"), read by the option as
// if it were the next argument. Via files still open on the run's stream.
class C_InlineValueStream final : public C_ArgStream {
 public:
  C_InlineValueStream(U_String value, C_ArgStream& outer) : value_(std::move(value)), outer_(outer) {}

  bool read(U_String& argument) override {
    if (consumed_) return false;
    consumed_ = true;
    argument = std::move(value_);
    return true;
  }
  void openVia(const U_String& path) override { outer_.openVia(path); }

 private:
  U_String value_;
  C_ArgStream& outer_;
  bool consumed_ = false;
};
