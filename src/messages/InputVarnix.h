// Reads the error file of one source: every diagnostic and suppression
// record, in file order, from a file of either generation.
//
//   M_InputVarnix input(errorFileName);
//   input.setSource(sourceFile);   // current and primary file
//   input.open();                  // reads everything
//   for (auto& d : input.diagnostics()) ...
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "messages/Diagnostic.h"
#include "messages/SuppressionRecord.h"
#include "util/Filename.h"
#include "util/Ref.h"
#include "util/String.h"

class M_InputVarnix {
 public:
  explicit M_InputVarnix(U_String fileName) : fileName_(std::move(fileName)) {}

  // The source the file belongs to: the file of the older generation's
  // diagnostics until a current-file record names another.
  void setSource(const XF_Filename& source);

  // Reads the named file to its end. A file that cannot be opened raises
  // M_BadFileOpenException. Reading failures:
  //  - an unknown version word raises M_BadErrorFileVersion;
  //  - an R_ReadingException is reported on standard error and passes on;
  //  - any other failure ends reading quietly when it happened at the end
  //    of the file, and raises M_BadFileOpenException otherwise.
  // Records read before a failure stay in the lists.
  void open();
  // The same over bytes already in memory.
  void read(std::string_view bytes);

  const U_String& fileName() const noexcept { return fileName_; }
  std::int32_t version() const noexcept { return version_; }
  const XF_Filename& primaryFile() const noexcept { return primary_; }
  const XF_Filename& currentFile() const noexcept { return current_; }
  const std::vector<U_Handle<M_Diagnostic>>& diagnostics() const noexcept { return diagnostics_; }
  const std::vector<U_Handle<M_SuppressionRecord>>& suppressionRecords() const noexcept { return suppressions_; }

 private:
  U_String fileName_;
  XF_Filename primary_;
  XF_Filename current_;
  std::int32_t version_ = 0;
  std::vector<U_Handle<M_Diagnostic>> diagnostics_;
  std::vector<U_Handle<M_SuppressionRecord>> suppressions_;
};
