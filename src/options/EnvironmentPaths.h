// Files and directories found through the environment: the per-user
// defaults file, the temporary directory and the program's own directory.
#pragma once

#include "util/String.h"

namespace zum {
struct ProductRow;
}

// The defaults file ".<tag>rc": in the directory named by <PRODUCT>RCPATH
// when that is set (whether or not the file exists), else in the current
// directory, else in HOME; "" when there is none.
U_String C_defaultsFilePath(const zum::ProductRow& product);

// The directory for temporary files: the product's temporary-directory
// variable, else TMP, else "/". A directory qualifies when a file with the
// prefix "nvt" can be made in it. Throws U_UserException listing what was
// tried when none qualifies.
U_String C_temporaryDirectory(const zum::ProductRow& product);

// The directory of the running program ("" when the system does not say):
// where the installation keeps the files it ships beside the program.
U_String C_programDirectory();
