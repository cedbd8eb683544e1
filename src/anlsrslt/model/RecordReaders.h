// The record-reader registry: which record tags of a metric file are parsed
// and by whom. Only tags somebody registered are looked at beyond the tag.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Takes one whole record line, tag included.
typedef void (*P_RecordReader)(std::string_view line);

class P_RecordReaderRegistry {
 public:
  // Idempotent: a reader is held once per tag.
  void add(std::string_view tag, P_RecordReader reader);
  // The readers of `tag`, or null when nobody registered it.
  const std::vector<P_RecordReader>* find(std::string_view tag) const noexcept {
    for (const Entry& entry : entries_)
      if (entry.tag == tag) return &entry.readers;
    return nullptr;
  }
  bool empty() const noexcept { return entries_.empty(); }

 private:
  struct Entry {
    std::string tag;
    std::vector<P_RecordReader> readers;
  };
  // A handful of tags: a linear scan beats any map.
  std::vector<Entry> entries_;
};

P_RecordReaderRegistry& P_recordReaders();

void P_registerRecordReader(std::string_view tag, P_RecordReader reader);

// The tag of a record line: the text between a leading "<" and the first
// ">" after it. Null data when the line is no record line.
std::string_view P_recordTag(std::string_view line) noexcept;

// Hands `line` to the readers of its tag, if it has one that is registered.
void P_dispatchRecordLine(const P_RecordReaderRegistry& registry, std::string_view line);
