#include "SourceWriter.h"

#include "CallTargets.h"
#include "FunctionWriter.h"
#include "Records.h"

namespace genproject {

namespace {

// Module functions rank above every shared one, by module, then in order.
uint64_t moduleRank(const Module& module, uint64_t position) {
  return (uint64_t(1) << 62) + (uint64_t(module.index) << 24) + position;
}

void addModuleTargets(CallTargets& targets, const Module& module, bool own, bool cpp) {
  auto& functions = own ? targets.own : targets.neighbour;
  auto& objects = own ? targets.ownObjects : targets.neighbourObjects;
  uint64_t position = 0;
  for (const Function& function : module.header.functions) {
    ++position;
    if (!function.neverCalled && function.declCode != 'I')
      targets.addFunction(functions, function, moduleRank(module, position));
  }
  for (const Object& object : module.header.objects)
    if (own || !object.fileLocal) objects.push_back(&object);
  // In C++ each class is allocated one way in its own file and another way
  // next door: the allocation-mismatch finding.
  for (const Aggregate& aggregate : module.classes) {
    AllocKind kind = !cpp ? AllocKind::Old : own ? AllocKind::Plain : AllocKind::Array;
    (own ? targets.ownAllocatable : targets.neighbourAllocatable).push_back({aggregate.name, kind});
  }
  // Statics count in the ranking from both sides, so a module's functions
  // rank the same in its own source and in the next one.
  for (const Function& function : module.statics) {
    ++position;
    if (own && !function.neverCalled) targets.addFunction(functions, function, moduleRank(module, position));
  }
  if (own)
    for (const Object& object : module.staticObjects) objects.push_back(&object);
  // Methods are reached only through constructor calls; ranked above the
  // module's functions, they are called from later modules only.
  for (const Aggregate& aggregate : module.classes)
    for (const Function& method : aggregate.methods) targets.ranks.emplace(method.name, moduleRank(module, ++position));
}

CallTargets makeTargets(const ProjectPlan& plan, const std::vector<int>& includes, const Module& module,
                        const Module* previous, bool cpp) {
  CallTargets targets;
  for (int h : includes) {
    const HeaderModel& header = plan.sharedHeaders[size_t(h)];
    uint64_t position = 0;
    for (const Function& function : header.functions) {
      ++position;
      if (function.declCode != 'I') targets.addFunction(targets.shared, function, (uint64_t(h) << 24) + position);
    }
    for (const Object& object : header.objects) targets.sharedObjects.push_back(&object);
    for (const std::string& name : header.classes)
      targets.sharedAllocatable.push_back({name, AllocKind::Plain});
    for (const std::string& name : header.templates) targets.templates.push_back(name);
  }
  if (previous) addModuleTargets(targets, *previous, false, cpp);
  addModuleTargets(targets, module, true, cpp);
  return targets;
}

void writeHeaderBlock(std::string& out, SourceFacts& facts, const HeaderModel& header, int includeLine) {
  writeInclude(out, facts.source, header.file, includeLine);
  facts.includes.push_back({header.file, includeLine});
  out += header.text;
}

void defineObject(std::string& out, const std::string& file, const Object& object, int line) {
  bool member = object.scope == 'C';
  writeDefine(out, {.name = object.name, .file = file, .line = line, .inHeader = false, .code = 'F',
                    .space = member ? "MB" : "OV", .scope = object.scope, .linkage = object.linkage,
                    .type = object.defType.code, .flags = object.flags});
}

}  // namespace

SourceFacts writeSource(std::string& out, const Options& options, const ProjectPlan& plan, const Module& module,
                        const Module* previous) {
  bool cpp = options.flavour == Flavour::Cpp;
  const std::string& file = module.source;
  const std::vector<int>& includes = plan.includes[size_t(module.index)];
  Random random(streamSeed(options.seed, kSourceStream, uint64_t(module.index)));
  SourceFacts facts;
  facts.source = file;

  int line = random.between(1, 12);  // after the file comment
  for (int h : includes) writeHeaderBlock(out, facts, plan.sharedHeaders[size_t(h)], line++);
  if (previous) writeHeaderBlock(out, facts, previous->header, line++);
  writeHeaderBlock(out, facts, module.header, line++);
  line += random.between(2, 6);

  for (const Function& function : module.statics) {
    writeDefine(out, {.name = function.name, .file = file, .line = ++line, .inHeader = false, .code = 'C',
                      .space = "OF", .scope = function.scope, .linkage = 'I', .type = function.typeCode(),
                      .flags = ""});
  }
  // Sources repeat some extern declarations of their own header, arrays
  // with their dimension: redeclarations.
  for (const Object& object : module.objects) {
    if (!random.percent(20)) continue;
    writeDefine(out, {.name = object.name, .file = file, .line = ++line, .inHeader = false, .code = 'R',
                      .space = "OV", .scope = object.scope, .linkage = object.linkage, .type = object.defType.code,
                      .flags = object.flags});
  }
  line += 2;
  int objectsDefined = 0;
  for (const Object& object : module.staticObjects) defineObject(out, file, object, ++line), ++objectsDefined;
  for (const Object& object : module.objects) defineObject(out, file, object, ++line), ++objectsDefined;
  for (const Aggregate& aggregate : module.classes)
    for (const Object& field : aggregate.fields)
      if (field.flags.find('S') != std::string::npos) defineObject(out, file, field, ++line), ++objectsDefined;
  for (const SharedItem& item : plan.ownedObjects[size_t(module.index)]) {
    defineObject(out, file, plan.sharedHeaders[size_t(item.header)].objects[size_t(item.item)], ++line);
    ++objectsDefined;
  }
  line += 2;

  CallTargets targets = makeTargets(plan, includes, module, previous, cpp);
  FunctionWriter writer(out, file, random, options, targets, facts);
  for (const Function& function : module.statics) line = writer.write(function, nullptr, line);
  for (const Aggregate& aggregate : module.classes)
    for (const Function& method : aggregate.methods)
      if (method.needsBody) line = writer.write(method, cpp ? &aggregate : nullptr, line);
  for (const Function& function : module.functions) line = writer.write(function, nullptr, line);
  for (const SharedItem& item : plan.ownedFunctions[size_t(module.index)])
    line = writer.write(plan.sharedHeaders[size_t(item.header)].functions[size_t(item.item)], nullptr, line);
  facts.lastLine = line;

  if (cpp) {
    for (const Aggregate& aggregate : module.classes) {
      writeMetricGroup(out, file, aggregate.name);
      writeMetric(out, "STMTH", int64_t(aggregate.methods.size()));
      writeMetric(out, "STDAT", int64_t(aggregate.fields.size()));
    }
  }
  writeMetricGroup(out, file, file);
  writeMetric(out, "STFNC", int64_t(facts.definitions.size()));
  writeMetric(out, "STOBJ", objectsDefined);
  writeMetric(out, "STINC", int64_t(facts.includes.size()));
  writeMetric(out, "STTLN", line);
  writeMetric(out, "STCMR", random.percent(50) ? "0.18" : "0.27");
  return facts;
}

}  // namespace genproject
