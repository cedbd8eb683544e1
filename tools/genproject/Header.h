// One header: the records it contributes to every source that includes it,
// written once and copied, and the names it gives those sources to call and
// refer to. Line numbers are fixed here, so every source repeats the same
// records at the same lines, as the analyser does.
#pragma once

#include <string>
#include <vector>

#include "Entities.h"
#include "Random.h"

namespace genproject {

struct HeaderModel {
  std::string file;
  std::string text;
  std::vector<Function> functions;       // declared here, member functions included
  std::vector<Object> objects;           // external objects and static members
  std::vector<std::string> classes;      // C++ classes
  std::vector<std::string> templates;    // C++ class templates, as "scope::Name"
  int lastLine = 0;
};

class HeaderBuilder {
 public:
  HeaderBuilder(HeaderModel& model, Random& random, int firstLine);

  void macro(const std::string& name, bool functionLike);
  void typedefName(const std::string& name, const Type& type);
  void enumeration(const std::string& tag, const std::vector<std::string>& enumerators, bool scoped);
  void aggregate(const Aggregate& aggregate);
  void prototype(const Function& function);
  // A function whose body is in the header: a definition repeated by every
  // includer, calling what the header declared before it.
  void inlineFunction(const Function& function);
  void externObject(const Object& object);
  // "scope::Name<T>" with a member, an explicit and a partial specialisation,
  // and a function template beside it.
  void classTemplate(const std::string& scope, const std::string& name);

 private:
  void step(int low = 1, int high = 3) { line_ += random_.between(low, high); }
  void parameters(const Function& function, char code);
  void memberPrototype(const Function& function);

  HeaderModel& model_;
  Random& random_;
  int line_;
};

}  // namespace genproject
