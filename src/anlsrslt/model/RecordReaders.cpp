#include "anlsrslt/model/RecordReaders.h"

#include <algorithm>
#include <cstring>

#include "util/ProcessState.h"

P_RecordReaderRegistry& P_recordReaders() { return zum::ProcessState::get<P_RecordReaderRegistry>(); }

void P_RecordReaderRegistry::add(std::string_view tag, P_RecordReader reader) {
  for (Entry& entry : entries_) {
    if (entry.tag != tag) continue;
    if (std::find(entry.readers.begin(), entry.readers.end(), reader) == entry.readers.end())
      entry.readers.push_back(reader);
    return;
  }
  entries_.push_back(Entry{std::string(tag), {reader}});
}

void P_registerRecordReader(std::string_view tag, P_RecordReader reader) { P_recordReaders().add(tag, reader); }

std::string_view P_recordTag(std::string_view line) noexcept {
  if (line.size() < 2 || line[0] != '<') return {};
  const void* close = std::memchr(line.data() + 1, '>', line.size() - 1);
  if (!close) return {};
  return line.substr(1, static_cast<const char*>(close) - line.data() - 1);
}

void P_dispatchRecordLine(const P_RecordReaderRegistry& registry, std::string_view line) {
  std::string_view tag = P_recordTag(line);
  if (!tag.data()) return;
  const std::vector<P_RecordReader>* readers = registry.find(tag);
  if (!readers) return;
  for (P_RecordReader reader : *readers) reader(line);
}
