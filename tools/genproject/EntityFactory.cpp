#include "EntityFactory.h"

#include <cctype>

#include "Vocabulary.h"

namespace genproject {

namespace {

struct BasicType {
  const char* code;
  const char* cSpelling;
  const char* cppSpelling;
};

constexpr BasicType kBasicTypes[] = {
    {"ni", "int", "int"},       {"ni", "int", "int"},           {"ui", "unsigned", "unsigned"},
    {"nl", "long", "long"},     {"ul", "size_t", "std::size_t"}, {"nc", "char", "char"},
    {"uc", "uint8_t", "std::uint8_t"}, {"ns", "short", "short"}, {"fd", "double", "double"},
    {"ff", "float", "float"},   {"bo", "_Bool", "bool"},        {"ux", "uint64_t", "std::uint64_t"}};

Type pointerTo(const Type& type) { return {"*" + type.code, type.spelling + "*"}; }

}  // namespace

EntityFactory::EntityFactory(Flavour flavour, Random& random, std::string scope, std::string prefix)
    : flavour_(flavour), random_(random), scope_(std::move(scope)), prefix_(std::move(prefix)) {}

Type EntityFactory::basicType() {
  const BasicType& basic = kBasicTypes[random_.below(std::size(kBasicTypes))];
  return {basic.code, cpp() ? basic.cppSpelling : basic.cSpelling};
}

Type EntityFactory::valueType() {
  uint32_t roll = random_.below(100);
  if (roll < 20 && !aggregateTypes_.empty()) {
    const Type& aggregate = random_.pick(aggregateTypes_);
    if (cpp() && roll < 8) return {"&" + aggregate.code, aggregate.spelling + "&"};
    return pointerTo(aggregate);
  }
  if (roll < 35) return pointerTo(basicType());
  return basicType();
}

Type EntityFactory::resultType() {
  if (random_.percent(30)) return {"vd", "void"};
  return valueType();
}

void EntityFactory::addKnownAggregate(const Aggregate& aggregate) {
  std::string spelling = aggregate.name;
  aggregateTypes_.push_back({aggregate.tagType(), spelling});
}

std::string EntityFactory::qualify(std::string_view scope, std::string_view ident) const {
  if (scope.empty()) return std::string(ident);
  std::string name(scope);
  name += "::";
  name += ident;
  return name;
}

Function EntityFactory::makeFunction(std::string stem, int params) {
  Function function;
  function.result = resultType();
  std::vector<std::string> paramIdents;
  NameSet paramNames;
  for (int p = 0; p < params; ++p) {
    paramIdents.push_back(paramNames.unique(localName(random_)));
    function.params.push_back({"", valueType()});
  }
  if (cpp()) {
    stem += '(';
    for (int p = 0; p < params; ++p) {
      if (p) stem += ',';
      stem += function.params[p].type.spelling;
    }
    stem += ')';
  }
  function.name = std::move(stem);
  for (int p = 0; p < params; ++p) function.params[p].name = function.name + "::" + paramIdents[p];
  return function;
}

Function EntityFactory::function(int params) {
  std::string ident = cpp() ? camelFunctionName(random_, random_.between(1, 3))
                            : prefix_ + "_" + snakeName(random_, random_.between(2, 4));
  Function function = makeFunction(uniqueName(qualify(scope_, ident)), params);
  function.scope = cpp() ? 'S' : 'F';
  return function;
}

Function EntityFactory::staticFunction(std::string_view enclosingScope, int params) {
  std::string ident = cpp() ? camelFunctionName(random_, random_.between(1, 2)) : snakeName(random_, 2);
  Function function = makeFunction(uniqueName(qualify(enclosingScope, ident)), params);
  function.scope = cpp() ? 'S' : 'F';
  function.linkage = 'I';
  return function;
}

Object EntityFactory::object(bool array) {
  Object object;
  std::string ident = cpp() ? "g_" + camelFunctionName(random_, 2) : prefix_ + "_" + snakeName(random_, 2);
  object.name = uniqueName(qualify(scope_, ident));
  object.scope = cpp() ? 'S' : 'F';
  if (array) {
    Type element = basicType();
    std::string dimension = std::to_string(random_.between(2, 512));
    object.declType = {"[?," + element.code + "]", element.spelling};
    object.defType = {"[" + dimension + "," + element.code + "]", element.spelling};
  } else {
    object.declType = object.defType = valueType();
  }
  return object;
}

Object EntityFactory::staticObject() {
  Object object;
  object.name = uniqueName(qualify(scope_, (cpp() ? "s_" : "") + snakeName(random_, 2)));
  object.scope = cpp() ? 'S' : 'F';
  object.linkage = 'I';
  object.declType = object.defType = valueType();
  return object;
}

Aggregate EntityFactory::cStruct() {
  Aggregate aggregate;
  aggregate.tagKind = random_.percent(10) ? 'u' : 's';
  aggregate.name = uniqueName(prefix_ + "_" + std::string(noun(random_)) + (aggregate.tagKind == 'u' ? "_u" : "_s"));
  aggregate.forwardDeclared = random_.percent(40);
  int fields = random_.between(3, 12);
  NameSet fieldNames;
  for (int f = 0; f < fields; ++f) {
    Object field;
    field.name = aggregate.name + "::" + fieldNames.unique(snakeName(random_, random_.between(1, 2)));
    field.scope = 'C';
    field.linkage = 'N';
    uint32_t roll = random_.below(100);
    if (roll < 10) {
      field.declType = {random_.percent(50) ? "ub" : "nb", "unsigned"};
    } else if (roll < 25) {
      Type element = basicType();
      field.declType = {"[" + std::to_string(random_.between(2, 64)) + "," + element.code + "]", element.spelling};
    } else {
      field.declType = valueType();
    }
    field.defType = field.declType;
    aggregate.fields.push_back(std::move(field));
  }
  // A struct that embeds or points to an earlier one.
  if (!aggregateTypes_.empty() && random_.percent(30)) {
    const Type& held = random_.pick(aggregateTypes_);
    bool byValue = random_.percent(50);
    Object field;
    field.name = aggregate.name + "::" + fieldNames.unique(byValue ? "embedded" : "link");
    field.scope = 'C';
    field.linkage = 'N';
    field.declType = field.defType = byValue ? held : pointerTo(held);
    aggregate.fields.push_back(std::move(field));
    aggregate.holds.push_back({byValue ? 'V' : 'P', held.spelling});
  }
  addKnownAggregate(aggregate);
  return aggregate;
}

Function EntityFactory::method(const Aggregate& owner, std::string ident, int params) {
  Function function = makeFunction(owner.name + "::" + ident, params);
  function.scope = 'C';
  function.flags = "1";
  return function;
}

Aggregate EntityFactory::cppClass(int methods, const std::vector<std::string>& knownClasses) {
  Aggregate aggregate;
  aggregate.tagKind = 'c';
  aggregate.name = uniqueName(qualify(scope_, camelTypeName(random_, random_.between(1, 3))));
  aggregate.forwardDeclared = random_.percent(50);
  if (!knownClasses.empty() && random_.percent(45)) aggregate.bases.push_back(random_.pick(knownClasses));
  if (!knownClasses.empty() && random_.percent(50)) {
    static constexpr char kHoldKinds[] = {'V', 'R', 'P'};
    aggregate.holds.push_back({kHoldKinds[random_.below(3)], random_.pick(knownClasses)});
  }

  NameSet memberNames;
  int fields = random_.between(2, 7);
  for (int f = 0; f < fields; ++f) {
    Object field;
    field.name = aggregate.name + "::m_" + memberNames.unique(camelFunctionName(random_, random_.between(1, 2)));
    field.scope = 'C';
    field.linkage = 'N';
    field.declType = field.defType = valueType();
    field.flags = random_.percent(80) ? "3" : (random_.percent(50) ? "2" : "7");
    aggregate.fields.push_back(std::move(field));
  }
  for (const auto& [kind, held] : aggregate.holds) {
    Object field;
    field.name = aggregate.name + "::m_" + memberNames.unique("held");
    field.scope = 'C';
    field.linkage = 'N';
    std::string tag = "{c" + held + "}";
    field.declType = field.defType = kind == 'V' ? Type{tag, held} : kind == 'R' ? Type{"&" + tag, held + "&"}
                                                                                : Type{"*" + tag, held + "*"};
    field.flags = "3";
    aggregate.fields.push_back(std::move(field));
  }
  if (random_.percent(30)) {
    Object counter;
    counter.name = aggregate.name + "::s_instances";
    counter.scope = 'C';
    counter.linkage = 'X';
    counter.declType = counter.defType = {"ni", "int"};
    counter.flags = "S1";
    aggregate.fields.push_back(std::move(counter));
  }

  Function defaultCtor = method(aggregate, "@constructor", 0);
  defaultCtor.result = {"vd", "void"};
  aggregate.methods.push_back(defaultCtor);
  if (random_.percent(60)) {
    Function valueCtor = method(aggregate, "@constructor", random_.between(1, 3));
    valueCtor.result = {"vd", "void"};
    aggregate.methods.push_back(valueCtor);
  }
  Function copyCtor;
  copyCtor.name = aggregate.name + "::@constructor(" + aggregate.name + "&)";
  copyCtor.result = {"vd", "void"};
  copyCtor.params.push_back({copyCtor.name + "::other", {"&" + aggregate.tagType(), aggregate.name + "&"}});
  copyCtor.scope = 'C';
  copyCtor.flags = "5";
  copyCtor.declCode = 'I';
  copyCtor.needsBody = false;
  aggregate.methods.push_back(copyCtor);
  Function dtor = method(aggregate, "@destructor", 0);
  dtor.result = {"vd", "void"};
  dtor.flags = random_.percent(50) ? "V1" : "1";
  aggregate.methods.push_back(dtor);

  for (int m = 0; m < methods; ++m) {
    uint32_t roll = random_.below(100);
    const Object& field = aggregate.fields[random_.below(uint32_t(aggregate.fields.size()))];
    std::string fieldWord = field.name.substr(field.name.rfind("::") + 2);
    if (fieldWord.starts_with("m_")) fieldWord = fieldWord.substr(2);
    fieldWord[0] = char(std::toupper(static_cast<unsigned char>(fieldWord[0])));
    Function function;
    if (roll < 25) {
      function = method(aggregate, memberNames.unique("get" + fieldWord), 0);
      function.result = field.declType;
      function.flags = random_.percent(70) ? "IG1" : "G1";
    } else if (roll < 45) {
      function = method(aggregate, memberNames.unique("set" + fieldWord), 1);
      function.result = {"vd", "void"};
      function.flags = "T1";
    } else {
      std::string ident = memberNames.unique(camelFunctionName(random_, random_.between(1, 3)));
      function = method(aggregate, ident, random_.between(0, 4));
      if (roll < 55) {
        function.flags = "V1";
      } else if (roll < 58) {
        function.flags = "VP1";
        function.needsBody = false;
      } else if (roll < 70) {
        function.flags = random_.percent(50) ? "3" : "2";
      }
    }
    aggregate.methods.push_back(std::move(function));
  }
  addKnownAggregate(aggregate);
  return aggregate;
}

}  // namespace genproject
