// Files and directories found through the environment: the per-user
// defaults file and the temporary directory.
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
