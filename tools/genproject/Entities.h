// The things a header declares and a source defines, as plain values. A
// model is built first and written second, so that a source can name what
// another source's header declares without parsing any text back.
#pragma once

#include <set>
#include <string>
#include <vector>

namespace genproject {

// A type as the metric files encode it ("*{snode_s}", "[16,nc]") and as a
// C++ parameter list spells it ("node_s*"). Spellings hold no blank, since
// qualified names are single tokens.
struct Type {
  std::string code;
  std::string spelling;
};

struct Param {
  std::string name;  // qualified: the function's name, "::", the identifier
  Type type;
};

struct Function {
  std::string name;        // qualified name, with the parameter list in C++
  Type result;
  std::vector<Param> params;
  char scope = 'F';        // F file, S namespace, C class
  char linkage = 'X';
  std::string flags;       // define flags, empty for none
  bool neverCalled = false;        // nothing in the project calls it
  bool needsBody = true;           // a source still has to define it
  char declCode = 'C';             // code of the declaration in its header
  std::vector<std::string> mustCall;  // recursion, planted on purpose

  std::string typeCode() const;
};

struct Object {
  std::string name;
  Type declType;           // as declared in a header ("[?,nc]")
  Type defType;            // as defined ("[64,nc]")
  char scope = 'F';
  char linkage = 'X';
  std::string flags;
  bool fileLocal = false;  // used only by the file that defines it
};

// A struct, union or class with its members. In C++ also the relations a
// class has to others, written right after the class.
struct Aggregate {
  std::string name;
  char tagKind = 's';      // s struct, u union, c class
  std::vector<Object> fields;
  std::vector<Function> methods;
  std::vector<std::string> bases;
  std::vector<std::pair<char, std::string>> holds;  // V/R/P and the class held
  bool forwardDeclared = false;
  std::string tagType() const { return "{" + std::string(1, tagKind) + name + "}"; }
};

// Keeps names unique within one header or source by numbering repeats.
class NameSet {
 public:
  std::string unique(std::string name) {
    if (used_.insert(name).second) return name;
    for (int n = 2;; ++n) {
      std::string numbered = name + std::to_string(n);
      if (used_.insert(numbered).second) return numbered;
    }
  }

 private:
  std::set<std::string> used_;
};

}  // namespace genproject
