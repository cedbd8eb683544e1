// Control graphs of functions ("<CTLG>" and "<CTLGN>" records).
//
// A graph is a header line ("<CTLG> name exits"), any number of edge lines
// ("<CTLG> from to") and one line record ("<CTLGN> line..."), which
// finishes it. A "<S>STFIL" line, and the end of a metric file, finish a
// graph whose line record never came.
#pragma once

#include <cstdint>
#include <deque>
#include <string_view>
#include <vector>

#include "anlsrslt/model/Define.h"
#include "util/Ref.h"
#include "util/StringStore.h"

class P_Symbol;

class P_ControlGraphEdge final : public U_Ref {
 public:
  P_ControlGraphEdge(int start, int end) : start_(start), end_(end) {}
  bool isSane() const noexcept { return sanity_ == P_kSanityWord; }
  int start() const noexcept { return start_; }
  int end() const noexcept { return end_; }

 private:
  std::uint32_t sanity_ = P_kSanityWord;
  int start_;
  int end_;
};

class P_ControlGraph final : public U_Ref {
 public:
  // The name is interned text.
  P_ControlGraph(const char* qualName, int exits, P_Symbol* symbol);

  const char* qualName() const noexcept { return qualName_; }
  int exits() const noexcept { return exits_; }
  P_Symbol* symbol() const noexcept { return symbol_; }
  const std::vector<int>& lines() const noexcept { return lines_; }
  // Edges do not move once the graph is handed out (it is finished then).
  const std::vector<P_ControlGraphEdge>& edges() const noexcept { return edges_; }

  void addEdge(int start, int end) { edges_.emplace_back(start, end); }
  void addLine(int line) { lines_.push_back(line); }
  // A finished graph keeps no spare capacity: there are as many graphs as
  // functions. Its edges stay where they are from now on, so the graph
  // holds them: a module's handle is never their last reference.
  void finish() {
    lines_.shrink_to_fit();
    edges_.shrink_to_fit();
    for (P_ControlGraphEdge& edge : edges_) edge.addRef();
  }

 private:
  const char* qualName_;
  int exits_;
  P_Symbol* symbol_;
  std::vector<int> lines_;
  std::vector<P_ControlGraphEdge> edges_;
};

struct P_ControlGraphStore {
  std::deque<P_ControlGraph> graphs;  // stable addresses, kept for the run
  bool expectHeader = true;
  P_ControlGraph* pending = nullptr;
};

P_ControlGraphStore& P_controlGraphStore();

// Registered for "CTLG" and "CTLGN".
void P_readControlGraphRecord(std::string_view line);
// Registered for "S": an "<S>STFIL" line finishes the pending graph.
void P_trackControlGraphFile(std::string_view line);
// Finishes the pending graph, if any, and expects a header again.
void P_finishPendingControlGraph();
