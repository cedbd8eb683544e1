// External objects and functions whose every use lies in one file, and
// objects that one function alone uses: messages 1504, 1505, 1514, 1531,
// 1532 and 1533.
#pragma once

namespace zum {

void configureLocalExternal();

}  // namespace zum
