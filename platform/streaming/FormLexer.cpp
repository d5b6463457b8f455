#include "platform/streaming/FormLexer.h"

#include "platform/Streaming.h"

namespace vcl::streaming {

namespace {

bool IsDigit(char16_t c) { return c >= '0' && c <= '9'; }

int HexDigit(char16_t c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

char16_t Upper(char16_t c) { return (c >= 'a' && c <= 'z') ? static_cast<char16_t>(c - 32) : c; }

// A short, printable excerpt of a text for messages.
String Excerpt(const String& s) {
  constexpr std::size_t limit = 24;
  String out;
  for (std::size_t i = 0; i < s.size() && i < limit; ++i) out += (s[i] < 32) ? u'?' : s[i];
  if (s.size() > limit) out += u"...";
  return out;
}

}  // namespace

bool IsIdentStart(char16_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsIdentChar(char16_t c) { return IsIdentStart(c) || IsDigit(c); }

bool SameIdent(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Upper(a[i]) != Upper(b[i])) return false;
  }
  return true;
}

String TToken::Describe() const {
  switch (Kind) {
    case tkEnd: return u"end of file";
    case tkIdent: return u"identifier '" + Excerpt(Text) + u"'";
    case tkInteger: return u"number " + FromUTF8(std::to_string(Integer));
    case tkFloat: return u"number " + Text;
    case tkString: return u"string '" + Excerpt(Text) + u"'";
    case tkSymbol: return String(u"'") + Symbol + u"'";
    case tkBinary: return u"binary data";
  }
  return String();
}

TFormLexer::TFormLexer(std::u16string_view Text) : FText(Text) {
  if (!FText.empty() && FText[0] == 0xFEFF) FPos = 1;  // byte-order mark
  Next();
}

bool TFormLexer::IsKeyword(std::u16string_view Word) const {
  return FToken.Kind == tkIdent && SameIdent(FToken.Text, Word);
}

char16_t TFormLexer::Peek(std::size_t Ahead) const {
  return FPos + Ahead < FText.size() ? FText[FPos + Ahead] : char16_t{0};
}

void TFormLexer::Fail(const String& What) const {
  throw EParserError(u"Line " + FromUTF8(std::to_string(FLine)) + u": " + What);
}

void TFormLexer::SkipBlanks() {
  while (FPos < FText.size()) {
    char16_t c = FText[FPos];
    if (c == '\n' || (c == '\r' && Peek(1) != '\n')) {
      ++FLine;
    } else if (c != ' ' && c != '\t' && c != '\r') {
      return;
    }
    ++FPos;
  }
}

void TFormLexer::Next() {
  SkipBlanks();
  FToken = TToken();
  FToken.Line = FLine;
  if (FPos >= FText.size()) return;
  char16_t c = FText[FPos];
  if (IsIdentStart(c)) {
    ReadIdent();
  } else if (IsDigit(c) || c == '$' || ((c == '-' || c == '+') && (IsDigit(Peek(1)) || Peek(1) == '$'))) {
    ReadNumber();
  } else if (c == '\'' || c == '#') {
    ReadString();
  } else if (c == '{') {
    ReadBinary();
  } else if (std::u16string_view(u"=:,[]()<>}+-").find(c) != std::u16string_view::npos) {
    FToken.Kind = tkSymbol;
    FToken.Symbol = c;
    ++FPos;
  } else {
    Fail(c >= 32 && c < 127 ? u"unexpected character '" + String(1, c) + u"'"
                            : u"unexpected character #" + FromUTF8(std::to_string(c)));
  }
}

void TFormLexer::ReadIdent() {
  std::size_t start = FPos;
  for (;;) {
    while (IsIdentChar(Peek())) ++FPos;
    if (Peek() != '.') break;
    if (!IsIdentStart(Peek(1))) {
      Fail(u"identifier expected after '" + String(FText.substr(start, FPos - start + 1)) + u"'");
    }
    ++FPos;
  }
  FToken.Kind = tkIdent;
  FToken.Text = String(FText.substr(start, FPos - start));
}

void TFormLexer::ReadNumber() {
  bool negative = Peek() == '-';
  if (Peek() == '-' || Peek() == '+') ++FPos;
  if (Peek() == '$') {
    ++FPos;
    ReadHexNumber(negative);
    return;
  }
  std::size_t start = FPos;
  while (IsDigit(Peek())) ++FPos;
  bool isFloat = false;
  if (Peek() == '.' && IsDigit(Peek(1))) {
    isFloat = true;
    for (++FPos; IsDigit(Peek());) ++FPos;
  }
  if (Peek() == 'e' || Peek() == 'E') {
    std::size_t digits = (Peek(1) == '+' || Peek(1) == '-') ? 2 : 1;
    if (!IsDigit(Peek(digits))) Fail(u"digits expected in the exponent of a number");
    isFloat = true;
    for (FPos += digits; IsDigit(Peek());) ++FPos;
  }
  String literal = String(negative ? u"-" : u"") + String(FText.substr(start, FPos - start));
  if (IsIdentChar(Peek()) || Peek() == '.') Fail(u"invalid number '" + literal + Peek() + u"'");
  if (isFloat) {
    FToken.Kind = tkFloat;
    FToken.Text = literal;
    return;
  }
  std::uint64_t value = 0;
  for (std::size_t i = start; i < FPos; ++i) {
    value = value * 10 + static_cast<std::uint64_t>(FText[i] - '0');
    if (value > std::uint64_t{INT64_MAX} + (negative ? 1 : 0)) Fail(u"number too large: " + literal);
  }
  FToken.Kind = tkInteger;
  FToken.Integer = negative ? static_cast<std::int64_t>(0 - value) : static_cast<std::int64_t>(value);
}

void TFormLexer::ReadHexNumber(bool Negative) {
  std::uint64_t value = 0;
  int digits = 0;
  for (int d; (d = HexDigit(Peek())) >= 0; ++FPos, ++digits) {
    if (digits == 16) Fail(u"hexadecimal number too large");
    value = value * 16 + static_cast<std::uint64_t>(d);
  }
  if (digits == 0) Fail(u"hexadecimal digits expected after '$'");
  if (IsIdentChar(Peek())) Fail(u"invalid hexadecimal number");
  FToken.Kind = tkInteger;
  // $FFFFFFFFFFFFFFFF is -1, as 64-bit hex literals are in form files.
  FToken.Integer = static_cast<std::int64_t>(Negative ? 0 - value : value);
}

void TFormLexer::ReadString() {
  String text;
  while (Peek() == '\'' || Peek() == '#') {
    if (Peek() == '\'') {
      ReadQuoted(text);
    } else {
      ReadCharCode(text);
    }
  }
  FToken.Kind = tkString;
  FToken.Text = std::move(text);
}

void TFormLexer::ReadQuoted(String& Out) {
  ++FPos;  // opening quote
  for (;;) {
    char16_t c = Peek();
    if (FPos >= FText.size() || c == '\n' || c == '\r') {
      Fail(u"unterminated string: closing quote (') expected before the end of the line");
    }
    ++FPos;
    if (c == '\'') {
      if (Peek() != '\'') return;
      ++FPos;
    }
    Out += c;
  }
}

void TFormLexer::ReadCharCode(String& Out) {
  ++FPos;  // '#'
  bool hex = Peek() == '$';
  if (hex) ++FPos;
  std::uint32_t code = 0;
  int digits = 0;
  for (int d; (d = hex ? HexDigit(Peek()) : (IsDigit(Peek()) ? Peek() - '0' : -1)) >= 0; ++FPos) {
    code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(d);
    if (code > 0x10FFFF) Fail(u"character code too large after '#' (at most 1114111)");
    ++digits;
  }
  if (digits == 0) Fail(u"character code expected after '#'");
  AppendCodePoint(Out, static_cast<char32_t>(code));
}

}  // namespace vcl::streaming

namespace vcl::streaming {

// Hex digits in pairs, blanks and line breaks anywhere between them, up to
// the closing brace. A bad character is named with its own line; an odd
// digit count with the line of the last digit.
void TFormLexer::ReadBinary() {
  const int opened = FLine;
  ++FPos;  // '{'
  std::vector<std::uint8_t> bytes;
  int high = -1;
  int lastDigitLine = FLine;
  for (;;) {
    SkipBlanks();
    if (FPos >= FText.size()) {
      Fail(u"'}' expected to close the binary data opened on line " +
           FromUTF8(std::to_string(opened)) + u", but end of file found");
    }
    char16_t c = FText[FPos];
    if (c == '}') break;
    int d = HexDigit(c);
    if (d < 0) {
      Fail(c >= 32 && c < 127
               ? u"hex digit or '}' expected in binary data but '" + String(1, c) + u"' found"
               : u"hex digit or '}' expected in binary data but character #" +
                     FromUTF8(std::to_string(c)) + u" found");
    }
    lastDigitLine = FLine;
    if (high < 0) {
      high = d;
    } else {
      bytes.push_back(static_cast<std::uint8_t>(high * 16 + d));
      high = -1;
    }
    ++FPos;
  }
  if (high >= 0) {
    throw EParserError(u"Line " + FromUTF8(std::to_string(lastDigitLine)) +
                       u": odd number of hex digits in binary data (two per byte)");
  }
  ++FPos;  // '}'
  FToken.Kind = tkBinary;
  FToken.Bytes = std::move(bytes);
}

}  // namespace vcl::streaming
