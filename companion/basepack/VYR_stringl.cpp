#include "companion/basepack/VYR_stringl.h"

#include <sys/random.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>

#include "companion/basepack/VYR_vyrbase.h"
#include "platform/Guards.h"

namespace vyr {

namespace {

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

bool Contains(const vcl::String& Chars, char16_t c) {
  return Chars.find(c) != vcl::String::npos;
}

vcl::String Widen(std::string_view Ascii) { return vcl::String(Ascii.begin(), Ascii.end()); }

// Fills Buffer with random bytes from the kernel's cryptographic source.
void FillRandom(std::uint8_t* Buffer, std::size_t Count) {
  std::size_t done = 0;
  while (done < Count) {
    ssize_t got = getrandom(Buffer + done, Count - done, 0);
    if (got < 0) {
      if (errno == EINTR) continue;
      throw EVYRError(vcl::Str("InventPassword: the system's random source failed"));
    }
    done += static_cast<std::size_t>(got);
  }
}

}  // namespace

char16_t FoldCaseChar(char16_t C) {
  if (C < 0x80) return (C >= u'A' && C <= u'Z') ? static_cast<char16_t>(C + 32) : C;
  if ((C >= 0xC0 && C <= 0xDE && C != 0xD7) || (C >= 0x391 && C <= 0x3AB && C != 0x3A2) ||
      (C >= 0x410 && C <= 0x42F))
    return static_cast<char16_t>(C + 32);
  if (C >= 0x400 && C <= 0x40F) return static_cast<char16_t>(C + 0x50);
  return C;
}

bool SameTextIgnoringCase(std::u16string_view A, std::u16string_view B) {
  if (A.size() != B.size()) return false;
  for (std::size_t i = 0; i < A.size(); ++i)
    if (FoldCaseChar(A[i]) != FoldCaseChar(B[i])) return false;
  return true;
}

std::u16string_view TrimBlanks(std::u16string_view Text) {
  std::size_t b = 0, e = Text.size();
  while (b < e && (Text[b] == u' ' || Text[b] == u'\t')) ++b;
  while (e > b && (Text[e - 1] == u' ' || Text[e - 1] == u'\t')) --e;
  return Text.substr(b, e - b);
}

std::u16string_view CutToLength(std::u16string_view Text, std::size_t MaxLen) {
  if (Text.size() <= MaxLen) return Text;
  std::size_t n = MaxLen;
  if (n > 0 && IsHighSurrogate(Text[n - 1])) --n;
  return Text.substr(0, n);
}

vcl::String strff(double Value, int Width, int Decimals) {
  vcl::String text;
  if (std::isnan(Value)) {
    text = u"NAN";
  } else if (std::isinf(Value)) {
    text = Value > 0 ? u"+INF" : u"-INF";
  } else {
    // Room for 309 integer digits, sign, point and up to 340 decimals.
    std::array<char, 700> buf{};
    int decimals = std::clamp(Decimals, 0, 340);
    auto res = std::to_chars(buf.data(), buf.data() + buf.size(), Value, std::chars_format::fixed,
                             decimals);
    text = Widen(std::string_view(buf.data(), static_cast<std::size_t>(res.ptr - buf.data())));
    // A value that rounds to zero is shown without a sign ("-0.00" reads oddly).
    if (text.front() == u'-' && text.find_first_not_of(u"0.", 1) == vcl::String::npos)
      text.erase(0, 1);
  }
  if (Width > 0 && text.size() < static_cast<std::size_t>(Width))
    text.insert(0, static_cast<std::size_t>(Width) - text.size(), u' ');
  return text;
}

int Tokenize(const vcl::String& Text, const vcl::String& Delimiters, std::vector<vcl::String>& Items) {
  Items.clear();
  if (Text.empty()) return 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < Text.size(); ++i) {
    if (!Contains(Delimiters, Text[i])) continue;
    Items.emplace_back(Text, start, i - start);
    start = i + 1;
  }
  Items.emplace_back(Text, start);
  return static_cast<int>(Items.size());
}

int Tokenize(const vcl::String& Text, const vcl::String& Delimiters, vcl::TStrings* Items) {
  if (Items == nullptr) return 0;
  std::vector<vcl::String> items;
  Tokenize(Text, Delimiters, items);
  vcl::TUpdateGuard batch(*Items);
  Items->Clear();
  for (const auto& item : items) Items->Add(item);
  return static_cast<int>(items.size());
}

int NumberedPos(const vcl::String& SubStr, const vcl::String& InString, int StartPos, int Num) {
  if (SubStr.empty() || Num < 1) return 0;
  std::size_t from = StartPos > 1 ? static_cast<std::size_t>(StartPos) - 1 : 0;
  while (from < InString.size()) {
    std::size_t hit = InString.find(SubStr, from);
    if (hit == vcl::String::npos) return 0;
    if (--Num == 0) return static_cast<int>(hit) + 1;
    from = hit + 1;
  }
  return 0;
}

vcl::String LeftString(const vcl::String& Text, int Width) {
  std::size_t w = Width > 0 ? static_cast<std::size_t>(Width) : 0;
  vcl::String result = Text.substr(0, w);
  result.resize(w, u' ');
  return result;
}

vcl::String RemoveControlChars(const vcl::String& Text) {
  vcl::String result;
  result.reserve(Text.size());
  for (char16_t c : Text)
    if (c >= 32 && c != 127) result.push_back(c);
  return result;
}

vcl::String ReplaceCharInString(const vcl::String& Text, char16_t OldChar, char16_t NewChar) {
  vcl::String result = Text;
  std::replace(result.begin(), result.end(), OldChar, NewChar);
  return result;
}

vcl::String StripLeadingChars(const vcl::String& Text, char16_t Ch) {
  return StripLeadingChars(Text, vcl::String(1, Ch));
}

vcl::String StripLeadingChars(const vcl::String& Text, const vcl::String& Chars) {
  std::size_t i = 0;
  while (i < Text.size() && Contains(Chars, Text[i])) ++i;
  return Text.substr(i);
}

vcl::String StripTrailingChars(const vcl::String& Text, char16_t Ch) {
  return StripTrailingChars(Text, vcl::String(1, Ch));
}

vcl::String StripTrailingChars(const vcl::String& Text, const vcl::String& Chars) {
  std::size_t n = Text.size();
  while (n > 0 && Contains(Chars, Text[n - 1])) --n;
  return Text.substr(0, n);
}

vcl::String EnsureTrailingChar(const vcl::String& Text, char16_t Ch) {
  if (Text.empty() || Text.back() == Ch) return Text;
  return Text + Ch;
}

vcl::String InventPassword(int Length) {
  static constexpr std::u16string_view kAlphabet =
      u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  // Bytes at or above the largest multiple of the alphabet size are drawn
  // again, so that every character is equally likely.
  constexpr unsigned kLimit = 256 - 256 % kAlphabet.size();
  std::size_t n = static_cast<std::size_t>(std::clamp(Length, 0, 255));
  vcl::String result;
  result.reserve(n);
  std::array<std::uint8_t, 64> pool{};
  std::size_t used = pool.size();
  while (result.size() < n) {
    if (used == pool.size()) {
      FillRandom(pool.data(), pool.size());
      used = 0;
    }
    unsigned b = pool[used++];
    if (b < kLimit) result.push_back(kAlphabet[b % kAlphabet.size()]);
  }
  return result;
}

}  // namespace vyr
