// Class names as the checks of C++ classes compare them: the marked,
// interned qualified names of the model.
#pragma once

#include <string_view>

namespace zum {

// The class whose objects a value of `type` (a type string of the model)
// holds: "{cA}" and "{sA}" hold an A, an array "[n,T]" holds what T
// holds. Null for any other type (pointers, references, unions, enums,
// basic types) and for a class name that no record of the run spelt.
const char* classOfValueType(const char* type);

// The tag a type string "{kName}" names, whatever its kind k (class,
// struct, union or enum): the interned, marked name, or null when the type
// is no tag type or no record of the run spelt that name.
const char* tagNameOfType(const char* type);

// The interned name spelt by the first `length` bytes of the marked name
// `name` (a class name cut from a member's qualified name).
const char* internedPrefix(std::string_view name, std::size_t length);

}  // namespace zum
