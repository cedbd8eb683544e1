#include "Module.h"

#include "EntityFactory.h"
#include "Vocabulary.h"

namespace genproject {

namespace {

// Some functions are never called (unused-function findings); some call
// themselves or each other (recursion findings).
void plantCallShape(Random& random, std::vector<Function*>& functions) {
  for (Function* function : functions) function->neverCalled = random.percent(8);
  for (size_t f = 0; f < functions.size(); ++f) {
    Function& function = *functions[f];
    if (function.neverCalled) continue;
    if (random.percent(5)) function.mustCall.push_back(function.name);
    if (f + 1 < functions.size() && !functions[f + 1]->neverCalled && random.percent(8)) {
      function.mustCall.push_back(functions[f + 1]->name);
      functions[f + 1]->mustCall.push_back(function.name);
    }
  }
}

std::vector<std::string> coreClasses(std::span<const HeaderModel> core) {
  std::vector<std::string> classes;
  for (const HeaderModel& header : core) classes.insert(classes.end(), header.classes.begin(), header.classes.end());
  return classes;
}

}  // namespace

std::string sourceStem(const Options& options, int index) {
  Random random(streamSeed(options.seed, kModuleStream, uint64_t(index) + (1ULL << 40)));
  std::string stem(random.percent(50) ? adjective(random) : verb(random));
  stem += '_';
  stem += noun(random);
  return stem + std::to_string(index);
}

std::string sourceName(const Options& options, int index) {
  return options.sourceDir + "/" + sourceStem(options, index) + (options.flavour == Flavour::Cpp ? ".cpp" : ".c");
}

Module buildModule(const Options& options, int index, std::span<const HeaderModel> core) {
  Random random(streamSeed(options.seed, kModuleStream, uint64_t(index)));
  bool cpp = options.flavour == Flavour::Cpp;
  Module module;
  module.index = index;
  module.stem = sourceStem(options, index);
  module.source = sourceName(options, index);
  module.header.file = options.sourceDir + "/" + module.stem + ".h";

  // C identifiers start with a short module prefix, C++ names with the
  // module's namespace.
  std::string prefix;
  for (size_t start = 0; start < module.stem.size();) {
    size_t end = module.stem.find('_', start);
    if (end == std::string::npos) end = module.stem.size();
    prefix += module.stem.substr(start, std::min<size_t>(3, end - start));
    start = end + 1;
  }
  prefix += std::to_string(index);
  // The stem's first word may be a C++ keyword ("new", "long"), its noun
  // never is.
  size_t nounStart = module.stem.find('_') + 1;
  std::string noun = module.stem.substr(nounStart, module.stem.find_first_of("0123456789") - nounStart);
  std::string scope = cpp ? "acme::" + noun + "::" + module.stem : "";
  EntityFactory factory(options.flavour, random, scope, prefix);
  HeaderBuilder builder(module.header, random, random.between(5, 15));

  int statics = options.functions / 5;
  int external = options.functions - statics;
  if (cpp) {
    int classCount = std::max(1, std::min(3, external / 6));
    int methods = external * 3 / 5 / classCount;
    std::vector<std::string> known = coreClasses(core);
    for (int c = 0; c < classCount; ++c) {
      module.classes.push_back(factory.cppClass(std::max(1, methods - 3), known));
      known.push_back(module.classes.back().name);
      external -= methods;
    }
    external = std::max(external, 1);
  } else {
    for (int m = random.between(1, 3); m > 0; --m) builder.macro(factory.uniqueName(macroName(random, prefix)), false);
    for (int s = random.between(1, 2); s > 0; --s) {
      Aggregate aggregate = factory.cStruct();
      builder.aggregate(aggregate);
      module.classes.push_back(std::move(aggregate));
    }
  }
  for (int f = 0; f < external; ++f) module.functions.push_back(factory.function(random.between(0, 4)));
  std::string staticScope = cpp ? scope + "::@UN" + uniqueTag(uint64_t(index), index) : "";
  for (int f = 0; f < statics; ++f) module.statics.push_back(factory.staticFunction(staticScope, random.between(0, 3)));
  for (int o = 0; o < options.objects; ++o) {
    if (random.percent(30)) {
      module.staticObjects.push_back(factory.staticObject());
    } else {
      module.objects.push_back(factory.object(random.percent(15)));
      module.objects.back().fileLocal = random.percent(40);
    }
  }

  std::vector<Function*> callShape;
  for (Aggregate& aggregate : module.classes)
    for (Function& method : aggregate.methods)
      if (method.needsBody) callShape.push_back(&method);
  for (Function& function : module.functions) callShape.push_back(&function);
  plantCallShape(random, callShape);
  std::vector<Function*> staticShape;
  for (Function& function : module.statics) staticShape.push_back(&function);
  plantCallShape(random, staticShape);
  // An unused static is worth more findings than an unused external, so
  // statics are dropped from calls a little more often.
  for (Function& function : module.statics)
    if (function.mustCall.empty() && random.percent(12)) function.neverCalled = true;

  if (cpp)
    for (const Aggregate& aggregate : module.classes) builder.aggregate(aggregate);
  for (const Object& object : module.objects) builder.externObject(object);
  for (const Function& function : module.functions) builder.prototype(function);
  return module;
}

}  // namespace genproject
