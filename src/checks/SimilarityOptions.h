// The module options "close_name" of the similarity checks:
//
//   -prodoption close_name::similar=["O0","Il1"]  characters that count as one
//   -prodoption close_name::ignore=["_"]          texts removed from names
//   -prodoption close_name::any_case+             letter case disregarded
//   -prodoption close_name::sig_char=31           significant characters
//
// "similar" and "ignore" take a JSON array of strings; each occurrence adds
// to the set. A value that is no array is ignored, and so are elements that
// are no strings; a value that does not read as JSON is reported on
// standard output and ignored. The last "any_case" and "sig_char" count.
#pragma once

#include <set>
#include <string>

namespace zum {

inline constexpr int kDefaultSignificantCharacters = 64;

struct SimilaritySettings {
  std::set<std::string> similar;  // groups, each longer than one character
  std::set<std::string> ignore;   // each non-empty
  bool anyCase = false;
  int significant = kDefaultSignificantCharacters;  // above 0
};

// The options of the run, read at the first call.
const SimilaritySettings& similaritySettings();

}  // namespace zum
