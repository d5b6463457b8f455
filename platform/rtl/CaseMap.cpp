#include "platform/rtl/CaseMap.h"

#include <array>

namespace vcl::rtl {

namespace {

// A block where upper and lower case alternate, the upper case letter on
// the parity of First (Ā ā Ă ă ...).
struct TPairBlock {
  Char First;
  Char Last;
};

// clang-format off
constexpr std::array<TPairBlock, 17> kPairBlocks{{
    {0x0100, 0x012F}, {0x0132, 0x0137}, {0x0139, 0x0148}, {0x014A, 0x0177}, {0x0179, 0x017E},
    {0x01CD, 0x01DC}, {0x01DE, 0x01EF}, {0x01F8, 0x021F}, {0x0222, 0x0233}, {0x0246, 0x024F},
    {0x03D8, 0x03EF}, {0x0460, 0x0481}, {0x048A, 0x04BF}, {0x04C1, 0x04CE}, {0x04D0, 0x052F},
    {0x1E00, 0x1E95}, {0x1EA0, 0x1EFF},
}};

// A block of upper case letters whose lower case forms lie Delta above.
struct TShiftBlock {
  Char First;
  Char Last;
  int Delta;
};

constexpr std::array<TShiftBlock, 11> kShiftBlocks{{
    {0x0041, 0x005A, 32}, {0x00C0, 0x00D6, 32}, {0x00D8, 0x00DE, 32}, {0x0388, 0x038A, 37},
    {0x038E, 0x038F, 63}, {0x0391, 0x03A1, 32}, {0x03A3, 0x03AB, 32}, {0x0400, 0x040F, 80},
    {0x0410, 0x042F, 32}, {0x0531, 0x0556, 48}, {0xFF21, 0xFF3A, 32},
}};

// Pairs that follow no block rule: {upper, lower}.
constexpr std::array<std::array<Char, 2>, 4> kSinglePairs{{
    {0x0178, 0x00FF}, {0x0386, 0x03AC}, {0x038C, 0x03CC}, {0x04C0, 0x04CF},
}};
// clang-format on

bool InPairBlock(Char C, const TPairBlock& B) { return C >= B.First && C <= B.Last; }

}  // namespace

Char ToUpperChar(Char C) {
  if (C < 0x80) return (C >= u'a' && C <= u'z') ? static_cast<Char>(C - 32) : C;
  if (C == 0x03C2) return 0x03A3;  // final sigma
  for (const auto& b : kShiftBlocks) {
    if (C >= b.First + b.Delta && C <= b.Last + b.Delta) return static_cast<Char>(C - b.Delta);
  }
  for (const auto& b : kPairBlocks) {
    if (InPairBlock(C, b) && ((C - b.First) & 1) != 0) return static_cast<Char>(C - 1);
  }
  for (const auto& p : kSinglePairs) {
    if (C == p[1]) return p[0];
  }
  return C;
}

Char ToLowerChar(Char C) {
  if (C < 0x80) return (C >= u'A' && C <= u'Z') ? static_cast<Char>(C + 32) : C;
  if (C == 0x0130) return u'i';  // capital I with dot
  for (const auto& b : kShiftBlocks) {
    if (C >= b.First && C <= b.Last) return static_cast<Char>(C + b.Delta);
  }
  for (const auto& b : kPairBlocks) {
    if (InPairBlock(C, b) && ((C - b.First) & 1) == 0) return static_cast<Char>(C + 1);
  }
  for (const auto& p : kSinglePairs) {
    if (C == p[0]) return p[1];
  }
  return C;
}

namespace {

// Base letters of U+00C0..U+017F ('.' marks a character that is not a letter).
constexpr std::u16string_view kLatinBase =
    u"AAAAAAACEEEEIIIIDNOOOOO.OUUUUYTS"   // U+00C0
    u"AAAAAAACEEEEIIIIDNOOOOO.OUUUUYTY"   // U+00E0
    u"AAAAAACCCCCCCCDDDDEEEEEEEEEEGGGG"   // U+0100
    u"GGGGHHHHIIIIIIIIIIIIJJKKKLLLLLLL"   // U+0120
    u"LLLNNNNNNNNNOOOOOOOORRRRRRSSSSSS"   // U+0140
    u"SSTTTTTTUUUUUUUUUUUUWWYYYZZZZZZS";  // U+0160

// Greek letters with tonos and Cyrillic Ё sort with their plain letter.
// clang-format off
Char StripAccent(Char Upper) {
  switch (Upper) {
    case 0x0386: return 0x0391;
    case 0x0388: return 0x0395;
    case 0x0389: return 0x0397;
    case 0x038A: return 0x0399;
    case 0x038C: return 0x039F;
    case 0x038E: return 0x03A5;
    case 0x038F: return 0x03A9;
    case 0x0401: return 0x0415;
    default: return Upper;
  }
}
// clang-format on

enum TCharClass : std::uint32_t { ccBlank, ccPunctuation, ccDigit, ccLetter };

TCharClass ClassOf(Char C) {
  if (C <= 0x20 || C == 0xA0 || C == 0x3000) return ccBlank;
  if (C >= u'0' && C <= u'9') return ccDigit;
  if (C < 0x80)
    return (C >= u'A' && C <= u'Z') || (C >= u'a' && C <= u'z') ? ccLetter : ccPunctuation;
  if (C < 0xC0 || C == 0xD7 || C == 0xF7) return ccPunctuation;
  if (C >= 0x2000 && C <= 0x2BFF) return ccPunctuation;  // punctuation, symbols, arrows
  return ccLetter;
}

}  // namespace

TCharWeights WeightsOf(Char C) {
  TCharClass cls = ClassOf(C);
  Char upper = ToUpperChar(C);
  std::uint32_t base = upper;
  if (cls == ccLetter && upper >= 0xC0 && upper < 0xC0 + kLatinBase.size()) {
    Char b = kLatinBase[upper - 0xC0];
    if (b != u'.') base = b;
  } else if (cls == ccLetter) {
    base = StripAccent(upper);
  }
  std::uint32_t tertiary = (upper == C && ToLowerChar(C) != C) ? 1 : 0;
  return {(static_cast<std::uint32_t>(cls) << 24) | base, upper, tertiary};
}

}  // namespace vcl::rtl
