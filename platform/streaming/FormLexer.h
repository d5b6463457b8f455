// Tokens of the text form format: identifiers (dotted names included),
// integers (decimal or $hex), float literals, strings ('quoted', #nnn codes,
// adjacent pieces joined), binary data ({hex digits}, over any number of
// lines) and single-character symbols.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/Types.h"

namespace vcl::streaming {

enum TTokenKind : std::uint8_t { tkEnd, tkIdent, tkInteger, tkFloat, tkString, tkSymbol, tkBinary };

struct TToken {
  TTokenKind Kind = tkEnd;
  String Text;             // identifier, string text or float literal
  std::int64_t Integer = 0;
  char16_t Symbol = 0;
  std::vector<std::uint8_t> Bytes;  // binary data
  int Line = 1;
  // "identifier 'Left'", "end of file", ... for messages.
  String Describe() const;
};

class TFormLexer {
 public:
  explicit TFormLexer(std::u16string_view Text);
  const TToken& Current() const { return FToken; }
  void Next();
  bool IsSymbol(char16_t C) const { return FToken.Kind == tkSymbol && FToken.Symbol == C; }
  // True when the current token is the identifier Word (case-insensitive).
  bool IsKeyword(std::u16string_view Word) const;

 private:
  char16_t Peek(std::size_t Ahead = 0) const;
  void SkipBlanks();
  void ReadIdent();
  void ReadNumber();
  void ReadHexNumber(bool Negative);
  void ReadString();
  void ReadQuoted(String& Out);
  void ReadCharCode(String& Out);
  void ReadBinary();
  [[noreturn]] void Fail(const String& What) const;

  std::u16string_view FText;
  std::size_t FPos = 0;
  int FLine = 1;
  TToken FToken;
};

bool SameIdent(std::u16string_view A, std::u16string_view B);
bool IsIdentStart(char16_t C);
bool IsIdentChar(char16_t C);

}  // namespace vcl::streaming
