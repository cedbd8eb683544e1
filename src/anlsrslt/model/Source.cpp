#include "anlsrslt/model/Source.h"

#include <fstream>
#include <memory>
#include <vector>

#include "anlsrslt/model/Callbacks.h"
#include "anlsrslt/model/ControlGraph.h"
#include "anlsrslt/model/InputText.h"
#include "anlsrslt/model/LineReader.h"
#include "anlsrslt/model/ReadContext.h"
#include "anlsrslt/model/RecordReaders.h"
#include "options/RunSettings.h"
#include "util/Assert.h"
#include "util/InputFile.h"
#include "util/Path.h"
#include "util/ProcessState.h"

namespace {

struct SourceReadingState {
  // Sources handed to OnSource callbacks, which may keep their handles.
  std::vector<U_Handle<P_Source>> keptSources;
  P_ErrorFileReader errorFileReader = nullptr;
  std::unique_ptr<std::ofstream> log;
};

SourceReadingState& state() { return zum::ProcessState::get<SourceReadingState>(); }

}  // namespace

U_String P_Source::outputFile(std::string_view extension) const {
  return U_Path::addExtension(U_Path::join(outputDirectory_, U_Path::baseName(file_.given().view())), extension);
}

U_Handle<P_Source> P_beginSource(int index, int count, const XF_Filename& file, const U_String& outputDirectory) {
  U_Handle<P_Source> source(new P_Source(index, count, file, outputDirectory));
  SourceReadingState& reading = state();
  if (reading.log) {
    *reading.log << "File: " << index << "/" << count << " " << "Name: " << file.given().view() << "\n";
    reading.log->flush();
  }
  const P_Callbacks& callbacks = P_callbacks();
  if (!callbacks.onSource.empty()) {
    reading.keptSources.push_back(source);
    callbacks.onSource.call(source.pointer());
  }
  return source;
}

namespace {

// Hands each line to the reader of its record tag, counting lines in
// `place` so that a record that fails a consistency check is told with its
// file and line.
auto recordDispatch(U_ReadingPlace& place) {
  return [&registry = P_recordReaders(), &place](std::string_view line) {
    ++place.line;
    P_dispatchRecordLine(registry, line);
  };
}

// A graph whose line record never came ends with its file.
void endMetricFile() { P_finishPendingControlGraph(); }

}  // namespace

void P_readMetricText(std::string_view text, const U_String& path) {
  P_beginMetricFile();
  U_ReadingPlace place{path.c_str(), 0};
  const U_ReadingPlaceScope reading(&place);
  if (P_metricTextIsInternal()) {
    zum::forEachLineOf(text, recordDispatch(place));
  } else {
    zum::forEachLineOf(P_toInternalText(text, path), recordDispatch(place));
  }
  endMetricFile();
}

void P_readMetricFile(const U_String& path) {
  zum::InputFile file(path);
  if (!file.isOpen()) throw P_FileOpenException(path);
  if (!P_metricTextIsInternal()) {
    std::string text;
    if (!file.readAll(text)) throw P_FileOpenException(path);
    P_readMetricText(text, path);
    return;
  }
  // The same as P_readMetricText, block by block: a large file is never
  // held whole.
  P_beginMetricFile();
  U_ReadingPlace place{path.c_str(), 0};
  const U_ReadingPlaceScope reading(&place);
  zum::LineReader reader(file.release());
  reader.forEachLine(recordDispatch(place));
  if (reader.error() != 0) throw P_FileOpenException(path);
  endMetricFile();
}

void P_readSourceFiles(const P_Source& source) {
  P_readMetricFile(source.outputFile("met"));
  if (P_ErrorFileReader reader = state().errorFileReader) reader(source);
}

U_Handle<P_Source> P_readSource(int index, int count, const XF_Filename& file, const U_String& outputDirectory) {
  U_Handle<P_Source> source = P_beginSource(index, count, file, outputDirectory);
  P_readSourceFiles(*source);
  return source;
}

void P_setErrorFileReader(P_ErrorFileReader reader) { state().errorFileReader = reader; }

void P_openLog() {
  SourceReadingState& reading = state();
  reading.log.reset();
  const U_String& logFile = C_runSettings().logFile;
  if (logFile.empty()) return;
  auto log = std::make_unique<std::ofstream>(logFile, std::ios::out | std::ios::trunc);
  if (log->is_open()) reading.log = std::move(log);
}

void P_closeLog() {
  SourceReadingState& reading = state();
  if (!reading.log) return;
  reading.log->flush();
  reading.log.reset();
}
