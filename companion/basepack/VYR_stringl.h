// Base package: text helpers. Positions are 1-based and count UTF-16 code
// units; every helper accepts any text, including the empty one.
#pragma once

#include <string_view>
#include <vector>

#include "platform/Classes.h"
#include "platform/Types.h"

namespace vyr {

// The lower-case form of a code unit for comparisons that ignore letter
// case: ASCII, Latin-1, Greek and Cyrillic capitals; others unchanged.
char16_t FoldCaseChar(char16_t C);

// True when A and B are equal ignoring letter case (as FoldCaseChar).
bool SameTextIgnoringCase(std::u16string_view A, std::u16string_view B);

// Text without the blanks (spaces and tabs) around it.
std::u16string_view TrimBlanks(std::u16string_view Text);

// The first MaxLen code units of Text (all of it when shorter). A cut never
// separates the two halves of a surrogate pair: the lone high half is left
// out, so the result may be one unit shorter than MaxLen.
std::u16string_view CutToLength(std::u16string_view Text, std::size_t MaxLen);

// Value formatted with Decimals digits after the point (a negative count
// counts as 0), right-aligned in a field of at least Width characters.
// The decimal separator is always "."; NaN gives "NAN", infinities "+INF"
// and "-INF". A value that rounds to zero has no sign.
vcl::String strff(double Value, int Width, int Decimals);

// Splits Text at every character contained in Delimiters into Items (which
// is cleared first) and returns the number of items. A non-empty text gives
// one item more than it holds delimiters (a trailing delimiter gives an
// empty last item); an empty text gives no items.
int Tokenize(const vcl::String& Text, const vcl::String& Delimiters, std::vector<vcl::String>& Items);
// The same into a string list (cleared first; nothing happens for null).
int Tokenize(const vcl::String& Text, const vcl::String& Delimiters, vcl::TStrings* Items);
inline int Tokenize(const vcl::String& Text, const vcl::String& Delimiters, vcl::TStrings& Items) {
  return Tokenize(Text, Delimiters, &Items);
}

// The position of the Num-th occurrence of SubStr in InString, searching
// from position StartPos on (positions below 1 count as 1); occurrences may
// overlap. 0 when there are fewer occurrences, when SubStr is empty or when
// Num is below 1.
int NumberedPos(const vcl::String& SubStr, const vcl::String& InString, int StartPos, int Num);

// Text left-aligned in a field of exactly Width characters: padded with
// blanks, or cut when longer. A negative width counts as 0.
vcl::String LeftString(const vcl::String& Text, int Width);

// Text without its control characters (code units below 32, and 127).
vcl::String RemoveControlChars(const vcl::String& Text);

// Text with every OldChar replaced by NewChar.
vcl::String ReplaceCharInString(const vcl::String& Text, char16_t OldChar, char16_t NewChar);

// Text without the leading (trailing) characters that are Ch, or, in the
// second form, that are contained in Chars.
vcl::String StripLeadingChars(const vcl::String& Text, char16_t Ch);
vcl::String StripLeadingChars(const vcl::String& Text, const vcl::String& Chars);
vcl::String StripTrailingChars(const vcl::String& Text, char16_t Ch);
vcl::String StripTrailingChars(const vcl::String& Text, const vcl::String& Chars);

// Text with Ch appended unless it already ends with it. An empty text stays
// empty: there is nothing to terminate.
vcl::String EnsureTrailingChar(const vcl::String& Text, char16_t Ch);

// A new password of Length characters (letters and digits, each equally
// likely), drawn from the system's cryptographic random source. Lengths
// below 1 give the empty text; lengths above 255 are cut to 255. Raises
// EVYRError when the random source fails.
vcl::String InventPassword(int Length);

}  // namespace vyr
