// Character case mapping and dictionary-order weights (internal to the
// run-time library).
#pragma once

#include <cstdint>

#include "platform/Types.h"

namespace vcl::rtl {

// Simple one-to-one case mapping for ASCII, Latin-1, Latin Extended-A/B
// (common pairs), Latin Extended Additional, Greek, Cyrillic, Armenian and
// full-width Latin letters; every other character maps to itself.
Char ToUpperChar(Char C);
Char ToLowerChar(Char C);

// Weights of one character for dictionary order, compared level by level:
// Primary orders blanks < punctuation < digits < letters, letters by their
// base letter without accent or case; Secondary tells accented letters
// apart; Tertiary puts lower case before upper case.
struct TCharWeights {
  std::uint32_t Primary;
  std::uint32_t Secondary;
  std::uint32_t Tertiary;
};
TCharWeights WeightsOf(Char C);

}  // namespace vcl::rtl
