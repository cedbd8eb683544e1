// The metrics of each function (a metric group of STCYC, STPAR, STLIN and
// STCAL) with its control graph, the metrics of each file (STFNC, STTLN),
// and the unit's own diagnostics about functions.
#include <clang/Analysis/CFG.h>

#include <algorithm>

#include "ast/RecordMaker.h"
#include "core/Records.h"

namespace scan {

void RecordMaker::functionMetrics(const clang::FunctionDecl* decl, const FunctionTally& tally) {
  const Place at = places_.expansion(decl->getLocation());
  const Place first = places_.expansion(decl->getBeginLoc());
  const Place last = places_.expansion(decl->getEndLoc());
  writeMetricGroup(out(), at.file->path, names_.of(decl));
  // Cyclomatic complexity: one path, and one more for each branch.
  writeMetric(out(), "STCYC", tally.decisions + 1);
  writeMetric(out(), "STPAR", decl->getNumParams());
  writeMetric(out(), "STLIN", first && last ? last.line - first.line + 1 : 1);
  writeMetric(out(), "STCAL", tally.calls);
}

void RecordMaker::controlGraph(const clang::FunctionDecl* decl) {
  clang::CFG::BuildOptions options;
  std::unique_ptr<clang::CFG> graph =
      clang::CFG::buildCFG(decl, decl->getBody(), &context_, options);
  if (!graph) return;
  // Nodes: the entry first, then the blocks in the order of the text (clang
  // numbers them from the end), the exit last.
  std::vector<const clang::CFGBlock*> nodes;
  for (const clang::CFGBlock* block : *graph)
    if (block != &graph->getEntry() && block != &graph->getExit()) nodes.push_back(block);
  std::sort(nodes.begin(), nodes.end(),
            [](const clang::CFGBlock* a, const clang::CFGBlock* b) { return a->getBlockID() > b->getBlockID(); });
  nodes.insert(nodes.begin(), &graph->getEntry());
  nodes.push_back(&graph->getExit());
  std::vector<int> number(graph->getNumBlockIDs(), 0);
  for (std::size_t i = 0; i < nodes.size(); ++i) number[nodes[i]->getBlockID()] = static_cast<int>(i);

  std::vector<std::pair<int, int>> edges;
  std::vector<int> lines;
  int line = places_.expansion(decl->getLocation()).line;
  const int lastLine = places_.expansion(decl->getEndLoc()).line;
  for (const clang::CFGBlock* block : nodes) {
    for (const clang::CFGBlock::AdjacentBlock& next : block->succs())
      if (const clang::CFGBlock* target = next.getReachableBlock())
        edges.emplace_back(number[block->getBlockID()], number[target->getBlockID()]);
    // A node's line is that of its first statement; a node without one
    // keeps the line before it, the exit the function's last line.
    const clang::Stmt* first = block->getTerminatorStmt();
    for (const clang::CFGElement& element : *block) {
      if (llvm::Optional<clang::CFGStmt> statement = element.getAs<clang::CFGStmt>()) {
        first = statement->getStmt();
        break;
      }
    }
    if (block == &graph->getExit()) {
      line = lastLine;
    } else if (first) {
      if (const Place place = places_.expansion(first->getBeginLoc())) line = place.line;
    }
    lines.push_back(line);
  }
  int exits = 0;
  for (const clang::CFGBlock::AdjacentBlock& previous : graph->getExit().preds())
    if (previous.getReachableBlock()) ++exits;
  writeControlGraph(out(), names_.of(decl), exits, edges, lines);
}

void RecordMaker::fileMetrics() {
  std::vector<SourceFile*> files;
  for (SourceFile* file : places_.files())
    if (file->main) files.insert(files.begin(), file);
    else if (file->functionsDefined > 0) files.push_back(file);
  for (const SourceFile* file : files) {
    writeMetricGroup(output_.trailer(), file->path, file->path);
    writeMetric(output_.trailer(), "STFNC", file->functionsDefined);
    writeMetric(output_.trailer(), "STTLN", file->lines);
  }
}

void RecordMaker::unusedInternalFunctions() {
  for (const clang::FunctionDecl* decl : internalDefinitions_) {
    if (used_.contains(decl->getCanonicalDecl())) continue;
    const Place at = places_.expansion(decl->getLocation());
    findings_.diagnostics.push_back({kUnusedInternalFunction, at.file->path, at.line, at.column, names_.of(decl)});
  }
}

}  // namespace scan
