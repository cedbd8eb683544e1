#include "util/Filename.h"

#include "util/Path.h"

XF_Filename::XF_Filename(std::string_view given)
    : absolute_(U_Path::absolute(given)), given_(given) {}
