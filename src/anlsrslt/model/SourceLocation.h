// A location of a suppression record as modules see it.
#pragma once

#include "util/Ref.h"
#include "util/StringStore.h"

class P_Location final : public U_Ref {
 public:
  P_Location(U_Filename file, int line, int column) : file_(file), line_(line), column_(column) {}
  U_Filename file() const noexcept { return file_; }
  int line() const noexcept { return line_; }
  int column() const noexcept { return column_; }

 private:
  U_Filename file_;
  int line_;
  int column_;
};
