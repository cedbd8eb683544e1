#include "model_test_support.h"

#include <unistd.h>

#include <fstream>

#include "anlsrslt/model/Callbacks.h"

#include "util/Filename.h"
#include "util/ProcessState.h"

namespace modeltest {

std::vector<std::string>& events() {
  static std::vector<std::string> all;
  return all;
}

std::string readable(const char* markedText) {
  std::string out;
  for (const char* p = markedText; *p; ++p) {
    switch (static_cast<unsigned char>(*p)) {
      case 0x8C: out += '<'; break;
      case 0x8D: out += '>'; break;
      case 0x8E: out += '('; break;
      case 0x8F: out += ')'; break;
      case 0x90: out += ','; break;
      default: out += *p;
    }
  }
  return out;
}

std::string marked(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '<': out += '\x8C'; break;
      case '>': out += '\x8D'; break;
      case '(': out += '\x8E'; break;
      case ')': out += '\x8F'; break;
      case ',': out += '\x90'; break;
      default: out += c;
    }
  }
  return out;
}

std::string describe(PI_DefineHandle define) {
  return readable(PI_getDefineQualName(define)) + "@" + PI_getDefineFilename(define) + ":" +
         std::to_string(PI_getDefineLine(define));
}

bool recordSource(PI_SourceHandle source) {
  events().push_back(std::string("Source ") + PI_getSourceFilename(source));
  return true;
}
void recordNewSymbol(PI_SymbolHandle, PI_DefineHandle define) { events().push_back("NewSymbol " + describe(define)); }
void recordProjRedecl(PI_SymbolHandle, PI_DefineHandle define) { events().push_back("ProjRedecl " + describe(define)); }
void recordDefinition(PI_SymbolHandle, PI_DefineHandle define) { events().push_back("Definition " + describe(define)); }
void recordDefine(PI_DefineHandle define) { events().push_back("Define " + describe(define)); }
void recordAllDefine() { events().push_back("AllDefine"); }
void recordEnd() { events().push_back("End"); }
void recordAlloc(PI_AllocHandle alloc) { events().push_back(std::string("Alloc ") + readable(PI_getAllocQualName(alloc))); }
void recordControlGraph(PI_ControlGraphHandle graph) {
  events().push_back(std::string("ControlGraph ") + readable(PI_getControlGraphQualName(graph)));
}
void recordMetricGroup(const char* key) { events().push_back(std::string("MetricGroup ") + readable(key)); }

void registerSymbolEvents() {
  PI_configureOnNewSymbol(&recordNewSymbol);
  PI_configureOnProjRedecl(&recordProjRedecl);
  PI_configureOnDefinition(&recordDefinition);
}

void ModelTest::SetUp() {
  zum::ProcessState::reset();
  events().clear();
}

void ModelTest::TearDown() {
  zum::ProcessState::reset();
}

void ModelTest::writeMetricFile(const std::string& name, const std::string& content) const {
  std::ofstream(outputDirectory_ / (name + ".met"), std::ios::binary) << content;
}

void ModelTest::readSource(const std::string& name, int index, int count) const {
  P_readSource(index, count, XF_Filename(name), outputDirectory_.string());
}

void ModelTest::readSourceText(const std::string& name, const std::string& metricText, int index,
                               int count) const {
  const U_Handle<P_Source> source = P_beginSource(index, count, XF_Filename(name), outputDirectory_.string());
  P_readMetricText(metricText, source->outputFile("met"));
}

void ModelTest::readSources(const std::vector<std::string>& names, bool endRun) const {
  int index = 0;
  for (const std::string& name : names) readSource(name, ++index, static_cast<int>(names.size()));
  if (endRun) P_raiseEndEvent();
}

void ModelTest::readProject(bool endRun) const {
  P_readSource(1, 2, XF_Filename("a.c"), fixture("project"));
  P_readSource(2, 2, XF_Filename("b.c"), fixture("project"));
  if (endRun) P_raiseEndEvent();
}

std::string fixture(const std::string& name) { return std::string(ZUM_FIXTURES_DIR) + "/model/" + name; }

std::vector<PI_SymbolHandle> allSymbols() {
  std::vector<PI_SymbolHandle> symbols;
  for (int it = PI_getFirstSymbol(); !PI_isSymbolIterEnd(it); PI_getSymbolIterNext(it))
    symbols.push_back(PI_getSymbolIterData(it));
  return symbols;
}

std::vector<PI_DefineHandle> definesOf(PI_SymbolHandle symbol) {
  std::vector<PI_DefineHandle> defines;
  for (int it = PI_getSymbolFirstDefine(symbol); !PI_isDefineIterEnd(it); PI_getDefineIterNext(it))
    defines.push_back(PI_getDefineIterData(it));
  return defines;
}

PI_SymbolHandle symbolNamed(const std::string& readableName) {
  for (PI_SymbolHandle symbol : allSymbols())
    if (readable(PI_getDefineQualName(PI_getSymbolCurrentDefine(symbol))) == readableName) return symbol;
  return nullptr;
}

}  // namespace modeltest
