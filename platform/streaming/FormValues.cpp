// Conversions between form values and the C++ types of properties.
#include <cxxabi.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "platform/streaming/FormLexer.h"
#include "platform/streaming/Registry.h"

namespace vcl {

namespace {

[[noreturn]] void WrongValue(const String& Expected, const TFormValue& V) {
  throw EConvertError(Expected + u" expected but " + V.Describe() + u" found");
}

String Num(std::int64_t v) { return FromUTF8(std::to_string(v)); }

// Parses a float literal written by the lexer (ASCII, optional '-').
template <class F>
F ParseFloat(const TFormValue& V) {
  if (V.Kind == fvInteger) return static_cast<F>(V.Integer);
  if (V.Kind == fvIdent) {
    if (streaming::SameIdent(V.Text, u"NAN")) return std::numeric_limits<F>::quiet_NaN();
    if (streaming::SameIdent(V.Text, u"INF")) return std::numeric_limits<F>::infinity();
    if (streaming::SameIdent(V.Text, u"-INF")) return -std::numeric_limits<F>::infinity();
  }
  if (V.Kind != fvFloat) WrongValue(u"Floating-point number", V);
  std::string text = ToUTF8(V.Text);
  F value{};
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec == std::errc::result_out_of_range) {
    throw EConvertError(u"floating-point number out of range: " + V.Text);
  }
  if (ec != std::errc() || end != text.data() + text.size()) {
    throw EConvertError(u"invalid floating-point number: " + V.Text);
  }
  return value;
}

// Shortest text that reads back the same value; fixed notation padded to 18
// decimals for ordinary magnitudes, as form files traditionally show them.
template <class F>
String FormatFloat(F Value) {
  if (std::isnan(Value)) return u"NAN";
  if (std::isinf(Value)) return Value > 0 ? u"INF" : u"-INF";
  char buffer[128];
  auto sci = std::to_chars(buffer, buffer + sizeof buffer, Value, std::chars_format::scientific);
  std::string text(buffer, sci.ptr);
  auto e = text.find('e');
  int exponent = std::atoi(text.c_str() + e + 1);
  std::string mantissa = text.substr(0, e);
  if (exponent >= -5 && exponent < 16) {
    auto fixed = std::to_chars(buffer, buffer + sizeof buffer, Value, std::chars_format::fixed);
    mantissa.assign(buffer, fixed.ptr);
  }
  auto dot = mantissa.find('.');
  if (dot == std::string::npos) {
    dot = mantissa.size();
    mantissa += '.';
  }
  std::size_t decimals = mantissa.size() - dot - 1;
  if (decimals < 18) mantissa.append(18 - decimals, '0');
  if (exponent >= -5 && exponent < 16) return FromUTF8(mantissa);
  return FromUTF8(mantissa + "E" + std::to_string(exponent));
}

bool IsLiteralChar(char16_t c) {
  if (c >= 32 && c < 127) return true;
  return c >= 160 && (c < 0xD800 || c > 0xDFFF) && c != 0xFEFF && c < 0xFFFE;
}

}  // namespace

String TFormValue::Describe() const {
  switch (Kind) {
    case fvInteger: return u"integer " + Num(Integer);
    case fvFloat: return u"number " + Text;
    case fvString: {
      String shown = Text.size() > 24 ? Text.substr(0, 24) + u"..." : Text;
      return u"string " + formvalue::QuoteString(shown);
    }
    case fvIdent: return u"identifier '" + Text + u"'";
    case fvSet: return u"set";
    case fvList: return u"list";
    case fvBinary: return u"binary data (" + Num(static_cast<std::int64_t>(Bytes.size())) + u" bytes)";
    case fvCollection: return u"collection";
    case fvItem: return u"collection item";
  }
  return String();
}

namespace formvalue {

std::int64_t ReadInteger(const TFormValue& V, std::int64_t Min, std::int64_t Max) {
  if (V.Kind != fvInteger) WrongValue(u"Integer", V);
  if (V.Integer < Min || V.Integer > Max) {
    throw EConvertError(u"value " + Num(V.Integer) + u" out of range (" + Num(Min) + u".." + Num(Max) +
                     u")");
  }
  return V.Integer;
}

String IntegerText(std::int64_t Value) { return Num(Value); }
String UnsignedText(std::uint64_t Value) { return FromUTF8(std::to_string(Value)); }

bool ReadBoolean(const TFormValue& V) {
  if (V.Kind == fvIdent && streaming::SameIdent(V.Text, u"True")) return true;
  if (V.Kind == fvIdent && streaming::SameIdent(V.Text, u"False")) return false;
  WrongValue(u"Boolean (True or False)", V);
}

double ReadDouble(const TFormValue& V) { return ParseFloat<double>(V); }
long double ReadExtended(const TFormValue& V) { return ParseFloat<long double>(V); }
String FloatText(double Value) { return FormatFloat(Value); }
String FloatText(long double Value) { return FormatFloat(Value); }

const String& ReadString(const TFormValue& V) {
  if (V.Kind != fvString) WrongValue(u"String", V);
  return V.Text;
}

char16_t ReadChar(const TFormValue& V) {
  if (V.Kind != fvString || V.Text.size() != 1) WrongValue(u"Character (a one-character string)", V);
  return V.Text[0];
}

// Printable characters go inside quotes, others as #code; texts longer than
// a line are split into pieces joined with '+' on following lines.
String QuoteString(const String& S, const String& Indent) {
  constexpr std::size_t pieceLength = 64;
  if (S.empty()) return u"''";
  String out;
  bool quoted = false;
  std::size_t inPiece = 0;
  for (std::size_t i = 0; i < S.size(); ++i) {
    char16_t c = S[i];
    bool literal = IsLiteralChar(c);
    if (literal != quoted) {
      out += u'\'';
      quoted = literal;
    }
    if (c == '\'') {
      out += u"''";
    } else if (literal) {
      out += c;
    } else {
      out += u"#" + Num(c);
    }
    ++inPiece;
    bool lineEnd = c == '\n' && i + 1 < S.size();
    if ((inPiece >= pieceLength || lineEnd) && i + 1 < S.size()) {
      if (quoted) out += u'\'';
      quoted = false;
      out += u" +\n" + Indent;
      inPiece = 0;
    }
  }
  if (quoted) out += u'\'';
  return out;
}

namespace {

// The value of a name or an alias; nullopt for an alias that stands for
// nothing here. Raises for a name the enumeration does not know.
std::optional<std::int64_t> EnumValue(const streaming::TEnumInfo& Info, const TFormValue& V) {
  std::int64_t value = 0;
  if (V.Kind == fvIdent && streaming::ValueOf(Info.Names, V.Text, value)) return value;
  if (V.Kind == fvIdent) {
    for (const auto& [name, target] : Info.Aliases) {
      if (streaming::SameIdent(name, V.Text)) return target;
    }
  }
  WrongValue(streaming::Choices(Info.Names), V);
}

const streaming::TEnumInfo& EnumInfo(std::type_index Enum) {
  const streaming::TEnumInfo* info = streaming::FindEnum(Enum);
  if (info == nullptr) throw EConvertError(u"enumeration " + TypeName(Enum) + u" has no value names");
  return *info;
}

}  // namespace

std::int64_t ReadEnum(std::type_index Enum, const TFormValue& V) {
  std::optional<std::int64_t> value = EnumValue(EnumInfo(Enum), V);
  if (!value) throw EConvertError(V.Text + u" has no equivalent here");
  return *value;
}

String EnumText(std::type_index Enum, std::int64_t Ordinal) {
  const streaming::TEnumInfo* info = streaming::FindEnum(Enum);
  return info ? NamedIntegerText(Ordinal, info->Names) : Num(Ordinal);
}

std::int64_t ReadNamedInteger(const TFormValue& V, const TIdentNames& Names, std::int64_t Min,
                              std::int64_t Max) {
  std::int64_t value = 0;
  if (V.Kind == fvIdent && streaming::ValueOf(Names, V.Text, value)) return value;
  if (V.Kind != fvInteger) WrongValue(u"Integer or " + streaming::Choices(Names), V);
  return ReadInteger(V, Min, Max);
}

String NamedIntegerText(std::int64_t Value, const TIdentNames& Names) {
  const String* name = streaming::NameOf(Names, Value);
  return name ? *name : Num(Value);
}

std::uint64_t ReadSet(std::type_index Enum, const TFormValue& V) {
  if (V.Kind != fvSet) WrongValue(u"Set ([a, b])", V);
  const streaming::TEnumInfo& info = EnumInfo(Enum);
  std::uint64_t bits = 0;
  for (const TFormValue& item : V.Items) {
    std::optional<std::int64_t> value = EnumValue(info, item);
    if (!value) continue;  // an element that means nothing here
    if (*value < 0 || *value > 63) throw EConvertError(u"set element out of range: " + item.Text);
    bits |= std::uint64_t{1} << *value;
  }
  return bits;
}

String SetText(std::type_index Enum, std::uint64_t Bits) {
  String out = u"[";
  for (int bit = 0; bit < 64; ++bit) {
    if ((Bits & (std::uint64_t{1} << bit)) == 0) continue;
    if (out.size() > 1) out += u", ";
    out += EnumText(Enum, bit);
  }
  return out + u"]";
}

namespace {

// Color names another dialect writes for colors this one names otherwise.
bool ColorAlias(const String& Name, TColor& Color) {
  static const std::pair<const char16_t*, TColor> aliases[] = {
      {u"clForm", clBtnFace},          {u"cl3DFace", clBtnFace},
      {u"clBtnHiLight", clBtnHighlight}, {u"cl3DHiLight", clBtnHighlight},
      {u"cl3DShadow", clBtnShadow},    {u"clHighlightedText", clHighlightText}};
  for (const auto& [name, color] : aliases) {
    if (streaming::SameIdent(name, Name)) {
      Color = color;
      return true;
    }
  }
  return false;
}

}  // namespace

TColor ReadColor(const TFormValue& V) {
  TColor color = 0;
  if (V.Kind == fvIdent && (IdentToColor(V.Text, color) || ColorAlias(V.Text, color))) return color;
  if (V.Kind == fvInteger && V.Integer >= INT32_MIN && V.Integer <= UINT32_MAX) {
    return static_cast<TColor>(V.Integer);
  }
  WrongValue(u"Color (a name such as clBtnFace or a number such as $00C0FFEE)", V);
}

String ColorText(TColor Value) { return ColorToString(Value); }

const std::vector<std::uint8_t>& ReadBinary(const TFormValue& V) {
  if (V.Kind != fvBinary) WrongValue(u"Binary data ({hex digits})", V);
  return V.Bytes;
}

String BinaryText(const std::vector<std::uint8_t>& Bytes, const String& Indent) {
  constexpr std::size_t bytesPerLine = 32;
  static constexpr char16_t digits[] = u"0123456789ABCDEF";
  String out = u"{";
  for (std::size_t i = 0; i < Bytes.size(); ++i) {
    if (i % bytesPerLine == 0) out += u"\n" + Indent;
    out += digits[Bytes[i] >> 4];
    out += digits[Bytes[i] & 15];
  }
  return out + u"}";
}

namespace {

// The value Attempt steps away from Value in a table of names: the next,
// the previous, two on, two back, ... (wrapping), so that a setter taking
// only some of the values meets a neighbour of the current one early.
std::optional<std::int64_t> Neighbour(const TIdentNames& Names, std::int64_t Value, int Attempt) {
  const std::size_t n = Names.size();
  if (n < 2 || Attempt < 0 || static_cast<std::size_t>(Attempt) + 1 >= n) return std::nullopt;
  std::size_t at = 0;
  while (at < n && Names[at].first != Value) ++at;
  if (at == n) return Names[static_cast<std::size_t>(Attempt)].first;
  std::size_t distance = static_cast<std::size_t>(Attempt) / 2 + 1;
  std::size_t index = Attempt % 2 == 0 ? (at + distance) % n : (at + n - distance % n) % n;
  return Names[index].first;
}

}  // namespace

std::optional<std::int64_t> SampleEnum(std::type_index Enum, std::int64_t Value, int Attempt) {
  const streaming::TEnumInfo* info = streaming::FindEnum(Enum);
  if (info == nullptr) return std::nullopt;
  return Neighbour(info->Names, Value, Attempt);
}

std::optional<std::uint64_t> SampleSet(std::type_index Enum, std::uint64_t Bits, int Attempt) {
  const streaming::TEnumInfo* info = streaming::FindEnum(Enum);
  if (info == nullptr || Attempt < 0) return std::nullopt;
  // Elements present first are toggled off last: adding one is the change
  // a setter is least likely to refuse.
  std::vector<std::int64_t> order;
  for (const auto& [value, name] : info->Names) {
    if (value >= 0 && value < 64 && (Bits & (std::uint64_t{1} << value)) == 0) order.push_back(value);
  }
  for (const auto& [value, name] : info->Names) {
    if (value >= 0 && value < 64 && (Bits & (std::uint64_t{1} << value)) != 0) order.push_back(value);
  }
  if (static_cast<std::size_t>(Attempt) >= order.size()) return std::nullopt;
  return Bits ^ (std::uint64_t{1} << order[static_cast<std::size_t>(Attempt)]);
}

std::optional<std::int64_t> SampleNamedInteger(std::int64_t Value, const TIdentNames& Names,
                                               int Attempt) {
  if (Attempt < 0) return std::nullopt;
  if (static_cast<std::size_t>(Attempt) + 1 < Names.size()) return Neighbour(Names, Value, Attempt);
  if (static_cast<std::size_t>(Attempt) + 1 == Names.size() || Names.empty()) return Value + 7;
  return std::nullopt;
}

std::optional<TColor> SampleColor(TColor Value, int Attempt) {
  static constexpr TColor candidates[] = {clRed, clBlue, clTeal};
  if (Attempt < 0 || Attempt > 2) return std::nullopt;
  TColor c = candidates[Attempt];
  return c == Value ? candidates[(Attempt + 1) % 3] : c;
}

std::vector<int> ReadIntegerList(const TFormValue& V) {
  if (V.Kind != fvList) WrongValue(u"List of integers ( 1 2 )", V);
  std::vector<int> out;
  out.reserve(V.Items.size());
  for (const TFormValue& item : V.Items) out.push_back(static_cast<int>(ReadInteger(item, INT32_MIN, INT32_MAX)));
  return out;
}

String IntegerListText(const std::vector<int>& Values) {
  String out = u"(";
  for (int v : Values) out += u"\n" + Num(v);
  return out + u")";
}

String TypeName(std::type_index Type) {
  if (const streaming::TEnumInfo* e = streaming::FindEnum(Type); e && !e->TypeName.empty()) {
    return e->TypeName;
  }
  if (const TClassInfo* c = streaming::FindClassInfo(Type)) return c->Name;
  int status = 0;
  char* demangled = abi::__cxa_demangle(Type.name(), nullptr, nullptr, &status);
  std::string name = (status == 0 && demangled) ? demangled : Type.name();
  std::free(demangled);
  if (auto colon = name.rfind("::"); colon != std::string::npos) name.erase(0, colon + 2);
  return FromUTF8(name);
}

}  // namespace formvalue

namespace streaming {

std::vector<std::uint8_t> StreamBytes(TMemoryStream& Stream) {
  const auto* data = static_cast<const std::uint8_t*>(Stream.Memory());
  return std::vector<std::uint8_t>(data, data + Stream.Size());
}

void FillStream(TMemoryStream& Stream, const std::vector<std::uint8_t>& Bytes) {
  Stream.Clear();
  if (!Bytes.empty()) Stream.WriteBuffer(Bytes.data(), static_cast<std::int64_t>(Bytes.size()));
  Stream.SetPosition(0);
}

void CheckConsumed(TStream& Stream) {
  std::int64_t left = Stream.Size() - Stream.Position();
  if (left > 0) throw EReadError(Num(left) + u" bytes of binary data left over after its end");
}

std::vector<String> StringListItems(const TFormValue& V) {
  if (V.Kind != fvList) WrongValue(u"List of strings ( 'a' 'b' )", V);
  std::vector<String> items;
  for (const TFormValue& item : V.Items) {
    if (item.Kind != fvString) WrongValue(u"String in the list", item);
    items.push_back(item.Text);
  }
  return items;
}

}  // namespace streaming

}  // namespace vcl
