#include "FunctionWriter.h"

#include <utility>

#include "Literals.h"
#include "Records.h"
#include "Vocabulary.h"

namespace genproject {

namespace {

constexpr std::string_view kAccessFlags[] = {"R", "R", "R", "W", "RW"};
constexpr char kBodyContexts[] = {'O', 'O', 'O', 'A', 'S', 'C', 'C', 'D', 'U', 'P', 'X'};

std::string_view lastComponent(std::string_view name) {
  // Good enough for the names this generator makes: no "::" inside lists.
  size_t paren = name.find('(');
  std::string_view head = name.substr(0, paren);
  size_t colons = head.rfind("::");
  return colons == std::string_view::npos ? head : head.substr(colons + 2);
}

}  // namespace

FunctionWriter::FunctionWriter(std::string& out, std::string_view file, Random& random, const Options& options,
                               const CallTargets& targets, SourceFacts& facts)
    : out_(out), file_(file), random_(random), options_(options), targets_(targets), facts_(facts) {}

void FunctionWriter::call(const Function& caller, std::string_view callee, int line) {
  writeRelation(out_, 'C', caller.name, callee, line, "");
  // A call is also a reference; references are what unused-function
  // findings look at.
  writeRelation(out_, 'X', caller.name, callee, line, "");
}

void FunctionWriter::call(const Function& caller, const Function& callee, int line) {
  bool isVirtual = callee.flags.find('V') != std::string::npos;
  writeRelation(out_, 'C', caller.name, callee.name, line, isVirtual ? "V" : "");
  writeRelation(out_, 'X', caller.name, callee.name, line, "");
}

void FunctionWriter::allocate(const Function& function, int line) {
  const Allocatable* found = targets_.pickAllocatable(random_);
  if (!found) return;
  const Allocatable& target = *found;
  AllocKind kind = target.kind;
  if (random_.percent(3)) kind = AllocKind(random_.below(3));
  writeAlloc(out_, target.name, kind, file_, line, random_.between(9, 40));
  if (options_.flavour == Flavour::Cpp) {
    std::string constructor = std::string(target.name) + "::@constructor()";
    if (targets_.mayCall(function, constructor)) call(function, constructor, line);
  }
}

void FunctionWriter::instantiateTemplate(const Function& function, int line) {
  if (targets_.templates.empty()) return;
  std::string instance(targets_.templates[random_.below(uint32_t(targets_.templates.size()))]);
  instance += random_.percent(50) ? "<int>" : "<std::string>";
  std::string tagType = "{c" + instance + "}";
  std::string size = instance + "::size()";
  writeDefine(out_, {.name = instance, .file = file_, .line = line, .inHeader = false, .code = 'X', .space = "TG",
                     .scope = 'S', .linkage = 'X', .type = tagType, .flags = ""});
  writeDefine(out_, {.name = size, .file = file_, .line = line, .inHeader = false, .code = 'X', .space = "OF",
                     .scope = 'C', .linkage = 'X', .type = "()ul", .flags = "IG1"});
  call(function, size, line);
}

int FunctionWriter::write(const Function& function, const Aggregate* owner, int line) {
  const int firstLine = line;
  facts_.definitions.push_back({function.name, line});
  if (function.linkage == 'I' && function.neverCalled) facts_.unusedStatics.push_back({function.name, line});

  writeDefine(out_, {.name = function.name, .file = file_, .line = line, .inHeader = false, .code = 'F',
                     .space = "OF", .scope = function.scope, .linkage = function.linkage,
                     .type = function.typeCode(), .flags = function.flags});
  locals_.clear();
  for (const Param& param : function.params) {
    writeDefine(out_, {.name = param.name, .file = file_, .line = line, .inHeader = false, .code = 'F',
                       .space = "OV", .scope = 'P', .linkage = 'N', .type = param.type.code, .flags = "R"});
    locals_.push_back(param.name);
  }

  line += 1;
  NameSet localNames;
  for (const Param& param : function.params) localNames.unique(param.name);
  int localCount = random_.between(0, 6);
  for (int l = 0; l < localCount; ++l) {
    std::string local = localNames.unique(function.name + "::" + localName(random_));
    bool isStatic = random_.percent(8);
    static constexpr const char* kLocalTypes[] = {"ni", "ni", "ul", "*nc", "fd", "[64,nc]", "ui"};
    writeDefine(out_, {.name = local, .file = file_, .line = ++line, .inHeader = false, .code = 'F',
                       .space = "OV", .scope = 'B', .linkage = 'N',
                       .type = kLocalTypes[random_.below(std::size(kLocalTypes))], .flags = isStatic ? "S" : ""});
    locals_.push_back(std::move(local));
  }
  if (random_.percent(15)) {
    const Object* global = targets_.pickObject(random_);
    if (global) {
      // A block-scope extern declaration of a global, then its use.
      std::string local = localNames.unique(function.name + "::" + std::string(lastComponent(global->name)));
      writeDefine(out_, {.name = local, .file = file_, .line = ++line, .inHeader = false, .code = 'C',
                         .space = "OV", .scope = 'B', .linkage = 'X', .type = global->declType.code, .flags = ""});
      writeExternVar(out_, local, global->name, line);
    }
  } else if (random_.percent(10)) {
    if (const Object* global = targets_.pickObject(random_)) writeExternVar(out_, function.name, global->name, line);
  }

  int calls = 0;
  int statements = options_.calls + options_.refs;
  int callsWanted = options_.calls;
  for (int s = 0; s < statements; ++s) {
    ++line;
    if (random_.below(uint32_t(statements - s)) < uint32_t(callsWanted)) {
      --callsWanted;
      if (const Function* callee = targets_.pickFunction(random_, function)) {
        call(function, *callee, line);
        ++calls;
      }
    } else {
      const std::string* used = nullptr;
      if (owner && !owner->fields.empty() && random_.percent(50))
        used = &owner->fields[random_.below(uint32_t(owner->fields.size()))].name;
      else if (!locals_.empty() && random_.percent(50))
        used = &locals_[random_.below(uint32_t(locals_.size()))];
      else if (const Object* global = targets_.pickObject(random_))
        used = &global->name;
      if (used) writeRelation(out_, 'X', function.name, *used, line, kAccessFlags[random_.below(std::size(kAccessFlags))]);
    }
    if (random_.percent(25)) {
      LiteralPlace place{.file = file_, .line = line, .inHeader = false, .scope = 'B',
                         .context = kBodyContexts[random_.below(std::size(kBodyContexts))]};
      writeRandomLiteral(out_, random_, place);
    }
  }
  for (const std::string& callee : function.mustCall) {
    ++line;
    call(function, callee, line);
    facts_.recursiveCalls.push_back({function.name, line});
    ++calls;
  }
  if (random_.percent(12)) allocate(function, ++line);
  if (options_.flavour == Flavour::Cpp && random_.percent(6)) instantiateTemplate(function, ++line);
  if (random_.percent(10))
    writeDefine(out_, {.name = function.name + "::done", .file = file_, .line = ++line, .inHeader = false,
                       .code = 'F', .space = "LB", .scope = 'N', .linkage = 'N', .type = "", .flags = ""});
  int exits = random_.percent(25) ? random_.between(2, 4) : 1;
  line += 2;
  metricsAndGraph(function, firstLine, line, calls, exits);
  return line + random_.between(1, 3);
}

void FunctionWriter::metricsAndGraph(const Function& function, int firstLine, int lastLine, int calls, int exits) {
  // The graph is a chain of statement nodes with forward branches; each
  // branch adds one to the cyclomatic number, which STCYC then reports.
  int decisions = random_.percent(20) ? 0 : random_.between(1, 12);
  int nodes = 2 + 2 * decisions;
  bool writeGraph = random_.percent(60);

  writeMetricGroup(out_, file_, function.name);
  writeMetric(out_, "STCYC", decisions + 1);
  writeMetric(out_, "STPAR", int64_t(function.params.size()));
  writeMetric(out_, "STLIN", lastLine - firstLine + 1);
  writeMetric(out_, "STCAL", calls);
  writeMetric(out_, "STRET", exits);
  writeMetric(out_, "STDEC", decisions);
  char ratio[8] = {'0', '.', char('0' + random_.below(10)), char('0' + random_.below(10)), 0};
  writeMetric(out_, "STCMR", std::string_view(ratio));
  if (!writeGraph) return;

  std::vector<std::pair<int, int>> edges;
  for (int n = 0; n + 1 < nodes; ++n) edges.push_back({n, n + 1});
  for (int d = 0; d < decisions; ++d) {
    int from = 2 * d + 1;
    edges.push_back({from, random_.between(from + 2, nodes - 1)});
  }
  std::vector<int> lines;
  int span = std::max(1, lastLine - firstLine);
  for (int n = 0; n < nodes; ++n) lines.push_back(firstLine + n * span / nodes);
  writeControlGraph(out_, function.name, exits, edges, lines);
}

}  // namespace genproject
