// Pairs of different identifiers that a reader could confuse.
//
// 1710: names that become equal once the characters of a "similar" group
// count as one, the "ignore" texts are removed and, with "any_case",
// letter case is disregarded. 1711: names that agree in their first n
// ("sig_char") characters. Both read the module options "close_name" and
// report at the project location, listing where the symbols involved are
// declared.
#pragma once

namespace zum {

void configureIdentifiersTooSimilar();
void configureIdentifiersSimilarToN();

}  // namespace zum
