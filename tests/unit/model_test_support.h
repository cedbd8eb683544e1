// Shared pieces of the model tests: a fresh run per test, metric files in a
// scratch output directory, and a recording test module that registers
// through the plug-in interface the way analysis modules do.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ScratchDir.h"
#include "anlsrslt/include/PI_Interface.h"
#include "anlsrslt/include/P_ModelInterface.h"
#include "anlsrslt/model/Source.h"

namespace modeltest {

// What the recording module saw, one line per event ("NewSymbol f@a.c:1").
std::vector<std::string>& events();

// Short display of a define: its name (markers shown as <>()| ) and place.
std::string describe(PI_DefineHandle define);
// The marked form of a name written with <, >, (, ) and , for its markers.
std::string marked(const std::string& readable);
// The reverse of marked().
std::string readable(const char* markedText);

// Recording callbacks.
bool recordSource(PI_SourceHandle source);
void recordNewSymbol(PI_SymbolHandle symbol, PI_DefineHandle define);
void recordProjRedecl(PI_SymbolHandle symbol, PI_DefineHandle define);
void recordDefinition(PI_SymbolHandle symbol, PI_DefineHandle define);
void recordDefine(PI_DefineHandle define);
void recordAllDefine();
void recordEnd();
void recordAlloc(PI_AllocHandle alloc);
void recordControlGraph(PI_ControlGraphHandle graph);
void recordMetricGroup(const char* key);

// Registers the symbol events (OnNewSymbol, OnProjRedecl, OnDefinition).
void registerSymbolEvents();

class ModelTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes `content` as the metric file of source `name` in the output directory.
  void writeMetricFile(const std::string& name, const std::string& content) const;
  // Reads the sources in order, as the driver does, then raises the end event.
  void readSources(const std::vector<std::string>& names, bool endRun = true) const;
  // Reads a.c and b.c of the fixture "project", then raises the end event.
  void readProject(bool endRun = true) const;
  // Reads one source as entry `index` of `count`.
  void readSource(const std::string& name, int index = 1, int count = 1) const;
  // The same, with the text of its metric file given rather than written.
  void readSourceText(const std::string& name, const std::string& metricText, int index, int count) const;

  zumtest::ScratchDir scratch_{"zum-model"};
  const std::filesystem::path& outputDirectory_ = scratch_.dir();
};

// A fixture directory of tests/fixtures/model.
std::string fixture(const std::string& name);

// Collects an iteration into a vector.
std::vector<PI_SymbolHandle> allSymbols();
std::vector<PI_DefineHandle> definesOf(PI_SymbolHandle symbol);
PI_SymbolHandle symbolNamed(const std::string& readableName);

}  // namespace modeltest
