#include "Header.h"

#include "Literals.h"
#include "Records.h"

namespace genproject {

HeaderBuilder::HeaderBuilder(HeaderModel& model, Random& random, int firstLine)
    : model_(model), random_(random), line_(firstLine) {}

void HeaderBuilder::macro(const std::string& name, bool functionLike) {
  step();
  std::string& out = model_.text;
  writeDefine(out, {.name = name, .file = model_.file, .line = line_, .inHeader = true, .code = 'F', .space = "OM",
                    .scope = '-', .linkage = '-', .type = "", .flags = functionLike ? "F" : "O"});
  LiteralPlace place{.file = model_.file, .line = line_, .inHeader = true, .scope = 'F', .context = 'M'};
  writeRandomLiteral(out, random_, place);
  model_.lastLine = line_;
}

void HeaderBuilder::typedefName(const std::string& name, const Type& type) {
  step();
  writeDefine(model_.text, {.name = name, .file = model_.file, .line = line_, .inHeader = true, .code = 'F',
                            .space = "OT", .scope = name.find("::") == std::string::npos ? 'F' : 'S',
                            .linkage = 'N', .type = type.code, .flags = ""});
  model_.lastLine = line_;
}

void HeaderBuilder::enumeration(const std::string& tag, const std::vector<std::string>& enumerators,
                                bool scoped) {
  step(2, 4);
  std::string& out = model_.text;
  std::string type = "{e" + tag + "}";
  writeDefine(out, {.name = tag, .file = model_.file, .line = line_, .inHeader = true, .code = 'F', .space = "TG",
                    .scope = scoped ? 'S' : 'F', .linkage = 'N', .type = type, .flags = "D"});
  int value = random_.percent(30) ? random_.between(1, 100) : 0;
  for (const std::string& enumerator : enumerators) {
    ++line_;
    std::string name = scoped ? tag + "::" + enumerator : enumerator;
    writeDefine(out, {.name = name, .file = model_.file, .line = line_, .inHeader = true, .code = 'F',
                      .space = "OE", .scope = scoped ? 'C' : 'F', .linkage = 'N', .type = type, .flags = ""});
    if (random_.percent(60)) {
      value += random_.percent(20) ? random_.between(2, 50) : 1;
      LiteralPlace place{.file = model_.file, .line = line_, .inHeader = true, .scope = 'F', .context = 'E'};
      writeNumberLiteral(out, value, place, int(enumerator.size()) + 7);
    }
  }
  model_.lastLine = ++line_;
}

void HeaderBuilder::parameters(const Function& function, char code) {
  for (const Param& param : function.params)
    writeDefine(model_.text, {.name = param.name, .file = model_.file, .line = line_, .inHeader = true,
                              .code = code, .space = "OV", .scope = 'P', .linkage = 'N', .type = param.type.code,
                              .flags = "R"});
}

void HeaderBuilder::prototype(const Function& function) {
  step();
  writeDefine(model_.text, {.name = function.name, .file = model_.file, .line = line_, .inHeader = true,
                            .code = function.declCode, .space = "OF", .scope = function.scope,
                            .linkage = function.linkage, .type = function.typeCode(), .flags = function.flags});
  parameters(function, 'C');
  model_.functions.push_back(function);
  model_.lastLine = line_;
}

void HeaderBuilder::memberPrototype(const Function& function) {
  ++line_;
  writeDefine(model_.text, {.name = function.name, .file = model_.file, .line = line_, .inHeader = true,
                            .code = function.declCode, .space = "OF", .scope = 'C', .linkage = 'X',
                            .type = function.typeCode(), .flags = function.flags});
  if (function.declCode != 'I') parameters(function, 'C');
  model_.functions.push_back(function);
}

void HeaderBuilder::inlineFunction(const Function& function) {
  step(2, 3);
  std::string& out = model_.text;
  writeDefine(out, {.name = function.name, .file = model_.file, .line = line_, .inHeader = true, .code = 'F',
                    .space = "OF", .scope = function.scope, .linkage = function.linkage,
                    .type = function.typeCode(), .flags = "I"});
  parameters(function, 'F');
  int statements = random_.between(2, 6);
  for (int s = 0; s < statements; ++s) {
    ++line_;
    if (!model_.functions.empty() && random_.percent(60)) {
      const Function& callee = random_.pick(model_.functions);
      if (!callee.neverCalled) {
        writeRelation(out, 'C', function.name, callee.name, line_, "");
        writeRelation(out, 'X', function.name, callee.name, line_, "");
      }
    }
    if (!model_.objects.empty() && random_.percent(40)) {
      const Object& object = random_.pick(model_.objects);
      writeRelation(out, 'X', function.name, object.name, line_, random_.percent(70) ? "R" : "RW");
    }
    if (!function.params.empty())
      writeRelation(out, 'X', function.name, random_.pick(function.params).name, line_, "R");
    if (random_.percent(30)) {
      LiteralPlace place{.file = model_.file, .line = line_, .inHeader = true, .scope = 'B', .context = 'O'};
      writeRandomLiteral(out, random_, place);
    }
  }
  Function declared = function;
  declared.needsBody = false;  // its body is the one above
  model_.functions.push_back(declared);
  model_.lastLine = ++line_;
}

void HeaderBuilder::externObject(const Object& object) {
  step();
  writeDefine(model_.text, {.name = object.name, .file = model_.file, .line = line_, .inHeader = true,
                            .code = 'C', .space = "OV", .scope = object.scope, .linkage = object.linkage,
                            .type = object.declType.code, .flags = object.flags});
  model_.objects.push_back(object);
  model_.lastLine = line_;
}

void HeaderBuilder::aggregate(const Aggregate& aggregate) {
  std::string& out = model_.text;
  std::string tagType = aggregate.tagType();
  char scope = aggregate.name.find("::") == std::string::npos ? 'F' : 'S';
  char linkage = aggregate.tagKind == 'c' ? 'X' : 'N';
  if (aggregate.forwardDeclared) {
    step();
    writeDefine(out, {.name = aggregate.name, .file = model_.file, .line = line_, .inHeader = true, .code = 'C',
                      .space = "TG", .scope = scope, .linkage = linkage, .type = tagType, .flags = ""});
  }
  step(2, 5);
  int tagLine = line_;
  writeDefine(out, {.name = aggregate.name, .file = model_.file, .line = line_, .inHeader = true, .code = 'F',
                    .space = "TG", .scope = scope, .linkage = linkage, .type = tagType,
                    .flags = aggregate.tagKind == 'c' ? "" : "DA"});
  for (const std::string& base : aggregate.bases) writeRelation(out, 'B', base, aggregate.name, tagLine, "");
  for (const Object& field : aggregate.fields) {
    ++line_;
    bool staticMember = field.flags.find('S') != std::string::npos;
    writeDefine(out, {.name = field.name, .file = model_.file, .line = line_, .inHeader = true, .code = 'C',
                      .space = "MB", .scope = 'C', .linkage = field.linkage, .type = field.declType.code,
                      .flags = field.flags});
    if (staticMember) model_.objects.push_back(field);
  }
  for (const auto& [kind, held] : aggregate.holds) writeRelation(out, kind, aggregate.name, held, tagLine, "");
  for (const Function& method : aggregate.methods) memberPrototype(method);
  if (aggregate.tagKind == 'c') model_.classes.push_back(aggregate.name);
  model_.lastLine = ++line_;
}

void HeaderBuilder::classTemplate(const std::string& scope, const std::string& name) {
  std::string& out = model_.text;
  std::string base = scope + "::" + name;
  std::string primary = base + "<T>";
  step(2, 4);
  writeDefine(out, {.name = primary, .file = model_.file, .line = line_, .inHeader = true, .code = 'F',
                    .space = "TG", .scope = 'S', .linkage = 'X', .type = "{c" + primary + "}", .flags = "U"});
  writeDefine(out, {.name = primary + "::T", .file = model_.file, .line = line_, .inHeader = true, .code = 'C',
                    .space = "OT", .scope = 'T', .linkage = 'N', .type = "", .flags = ""});
  ++line_;
  writeDefine(out, {.name = primary + "::m_items", .file = model_.file, .line = line_, .inHeader = true,
                    .code = 'C', .space = "MB", .scope = 'C', .linkage = 'N', .type = "*T", .flags = "3"});
  ++line_;
  writeDefine(out, {.name = primary + "::size()", .file = model_.file, .line = line_, .inHeader = true,
                    .code = 'F', .space = "OF", .scope = 'C', .linkage = 'X', .type = "()ul", .flags = "IG1"});
  writeRelation(out, 'X', primary + "::size()", primary + "::m_items", line_, "R");
  step(2, 4);
  writeDefine(out, {.name = base + "<bool>", .file = model_.file, .line = line_, .inHeader = true, .code = 'S',
                    .space = "TG", .scope = 'S', .linkage = 'X', .type = "{c" + base + "<bool>}", .flags = ""});
  step(2, 4);
  writeDefine(out, {.name = base + "<T*>", .file = model_.file, .line = line_, .inHeader = true, .code = 'P',
                    .space = "TG", .scope = 'S', .linkage = 'X', .type = "{c" + base + "<T*>}", .flags = "U"});
  step(2, 4);
  std::string maxOf = scope + "::maxOf<T>(T,T)";
  writeDefine(out, {.name = maxOf, .file = model_.file, .line = line_, .inHeader = true, .code = 'F',
                    .space = "OF", .scope = 'S', .linkage = 'X', .type = "(T,T)T", .flags = "IU"});
  writeDefine(out, {.name = maxOf + "::a", .file = model_.file, .line = line_, .inHeader = true, .code = 'F',
                    .space = "OV", .scope = 'P', .linkage = 'N', .type = "T", .flags = "R"});
  writeDefine(out, {.name = maxOf + "::b", .file = model_.file, .line = line_, .inHeader = true, .code = 'F',
                    .space = "OV", .scope = 'P', .linkage = 'N', .type = "T", .flags = "R"});
  model_.templates.push_back(base);
  model_.lastLine = ++line_;
}

}  // namespace genproject
