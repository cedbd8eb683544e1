#include "SharedHeaders.h"

#include <algorithm>
#include <span>

#include "EntityFactory.h"
#include "Vocabulary.h"

namespace genproject {

namespace {

enum class DeclKind { Macro, Typedef, Aggregate, Enum, Function, Inline, Object, Template };

DeclKind pickKind(Random& random, Flavour flavour) {
  // Weights in percent; C++ headers trade macros for classes and templates.
  struct Weight {
    DeclKind kind;
    int c;
    int cpp;
  };
  static constexpr Weight kWeights[] = {
      {DeclKind::Macro, 18, 8},    {DeclKind::Typedef, 8, 6}, {DeclKind::Aggregate, 13, 16},
      {DeclKind::Enum, 7, 6},      {DeclKind::Function, 38, 40}, {DeclKind::Inline, 6, 8},
      {DeclKind::Object, 10, 10},  {DeclKind::Template, 0, 6}};
  int roll = int(random.below(100));
  for (const Weight& weight : kWeights) {
    roll -= flavour == Flavour::Cpp ? weight.cpp : weight.c;
    if (roll < 0) return weight.kind;
  }
  return DeclKind::Function;
}

std::vector<std::string> enumerators(EntityFactory& factory, std::string_view prefix, bool cpp) {
  std::vector<std::string> names;
  NameSet used;
  int count = factory.random().between(3, 10);
  for (int e = 0; e < count; ++e) {
    std::string word(noun(factory.random()));
    if (cpp) {
      word[0] = char(word[0] - 'a' + 'A');
      names.push_back(used.unique(word));
    } else {
      std::string upper;
      for (char c : std::string(prefix) + "_" + word) upper += char(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
      names.push_back(used.unique(upper));
    }
  }
  return names;
}

std::vector<std::string> classesSoFar(const HeaderModel& model, std::span<const HeaderModel> core) {
  std::vector<std::string> classes = model.classes;
  for (const HeaderModel& header : core)
    classes.insert(classes.end(), header.classes.begin(), header.classes.end());
  return classes;
}

HeaderModel buildHeader(const Options& options, int index, const std::string& stem, bool isCore,
                        std::span<const HeaderModel> core) {
  Random random(streamSeed(options.seed, kHeaderStream, uint64_t(index)));
  bool cpp = options.flavour == Flavour::Cpp;
  HeaderModel model;
  // One header lives in a directory with a blank in its name, so that
  // quoted file names occur in every project.
  model.file = index == 0 ? "include/third party/" + stem + ".h" : "include/" + stem + ".h";
  std::string scope = cpp ? "acme::" + stem : "";
  EntityFactory factory(options.flavour, random, scope, stem);
  HeaderBuilder builder(model, random, random.between(8, 30));

  // Core headers are the big ones every project has (types, utilities).
  int decls = isCore ? 2 * options.headerDecls : options.headerDecls;
  for (int d = 0; d < decls; ++d) {
    switch (pickKind(random, options.flavour)) {
      case DeclKind::Macro: {
        std::string name = factory.uniqueName(macroName(random, stem));
        builder.macro(name, random.percent(25));
        break;
      }
      case DeclKind::Typedef: {
        std::string name = cpp ? scope + "::" + camelTypeName(random, 2) + "Type" : stem + "_" + std::string(noun(random)) + "_t";
        builder.typedefName(factory.uniqueName(name), factory.valueType());
        break;
      }
      case DeclKind::Aggregate:
        if (cpp)
          builder.aggregate(factory.cppClass(random.between(2, 6), classesSoFar(model, core)));
        else
          builder.aggregate(factory.cStruct());
        break;
      case DeclKind::Enum: {
        std::string tag = cpp ? scope + "::" + camelTypeName(random, 1) + "Kind" : stem + "_" + std::string(noun(random)) + "_e";
        builder.enumeration(factory.uniqueName(tag), enumerators(factory, stem, cpp), cpp);
        break;
      }
      case DeclKind::Function:
        builder.prototype(factory.function(random.between(0, 6)));
        break;
      case DeclKind::Inline: {
        Function function = factory.function(random.between(0, 3));
        if (!cpp) {
          function.linkage = 'I';  // "static inline" in C headers
        }
        builder.inlineFunction(function);
        break;
      }
      case DeclKind::Object:
        builder.externObject(factory.object(random.percent(20)));
        break;
      case DeclKind::Template:
        builder.classTemplate(scope, factory.uniqueName(camelTypeName(random, 1) + "List"));
        break;
    }
  }
  return model;
}

}  // namespace

int coreHeaderCount(const Options& options) { return std::min({3, options.headers, options.includes}); }

std::vector<HeaderModel> buildSharedHeaders(const Options& options) {
  std::vector<HeaderModel> headers;
  headers.reserve(size_t(options.headers));
  Random namer(streamSeed(options.seed, kHeaderStream, ~0ULL));
  NameSet stems;
  int core = coreHeaderCount(options);
  for (int h = 0; h < options.headers; ++h) {
    std::string stem = stems.unique(std::string(noun(namer)));
    // Headers beyond the core ones may build on the core classes.
    std::span<const HeaderModel> coreHeaders(headers.data(), h < core ? 0 : size_t(core));
    HeaderModel header = buildHeader(options, h, stem, h < core, coreHeaders);
    headers.push_back(std::move(header));
  }
  return headers;
}

}  // namespace genproject
