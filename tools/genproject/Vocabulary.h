// Words and identifiers. Real projects mix two-letter locals with long,
// prefixed API names; these builders give both, so that name lengths (and
// with them the line lengths of the metric files) vary the way they do in
// real code.
#pragma once

#include <string>
#include <string_view>

#include "Random.h"

namespace genproject {

std::string_view noun(Random& random);
std::string_view verb(Random& random);
std::string_view adjective(Random& random);

// "parse_frame_header", "buf_len"
std::string snakeName(Random& random, int words);
// "FrameParser", "ReadBuffer"
std::string camelTypeName(Random& random, int words);
// "readHeader", "setSize"
std::string camelFunctionName(Random& random, int words);
// "i", "len", "next_chunk": parameter and block-scope names
std::string localName(Random& random);
// "MAX_FRAME_LEN"
std::string macroName(Random& random, std::string_view prefix);

// A name part made of letters and digits that stays unique per index.
std::string uniqueTag(uint64_t seed, int index);

}  // namespace genproject
