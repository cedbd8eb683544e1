// Makes random functions, objects and aggregates for one header or source,
// named the way the flavour names them: "prefix_verb_noun" at file scope in
// C, "acme::module::Class::verbNoun(int,char*)" in C++.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Entities.h"
#include "Options.h"
#include "Random.h"

namespace genproject {

class EntityFactory {
 public:
  // `scope` is the namespace of C++ names ("acme::net"); `prefix` starts
  // C identifiers ("net").
  EntityFactory(Flavour flavour, Random& random, std::string scope, std::string prefix);

  bool cpp() const { return flavour_ == Flavour::Cpp; }
  const std::string& scope() const { return scope_; }
  Random& random() { return random_; }

  Type basicType();
  // A basic type, a pointer, or a pointer or reference to an aggregate seen
  // before: what parameters and members look like.
  Type valueType();
  Type resultType();
  void addKnownAggregate(const Aggregate& aggregate);

  Function function(int params);
  Function staticFunction(std::string_view enclosingScope, int params);  // internal linkage
  Object object(bool array);
  Object staticObject();
  Aggregate cStruct();
  // A class with data members, constructors, a destructor, accessors and
  // other methods; bases and held classes are picked from `knownClasses`.
  Aggregate cppClass(int methods, const std::vector<std::string>& knownClasses);

  std::string uniqueName(std::string name) { return names_.unique(std::move(name)); }

 private:
  std::string qualify(std::string_view scope, std::string_view ident) const;
  Function makeFunction(std::string qualifiedStem, int params);
  Function method(const Aggregate& owner, std::string ident, int params);

  Flavour flavour_;
  Random& random_;
  std::string scope_;
  std::string prefix_;
  NameSet names_;
  std::vector<Type> aggregateTypes_;
};

}  // namespace genproject
