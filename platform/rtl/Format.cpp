// Format: printf-like formatting with the framework's specifiers.
#include <algorithm>
#include <cstdint>
#include <optional>

#include "platform/SysUtils.h"
#include "platform/rtl/Decimal.h"

namespace vcl {

namespace {

// Widths and precisions beyond this are refused rather than allocated.
constexpr int kMaxCount = 100000;

struct TSpec {
  bool LeftJustify = false;
  int Width = 0;
  int Precision = -1;  // -1: not given
  Char Type = 0;       // upper case
};

class TFormatter {
 public:
  TFormatter(const String& Fmt, const TVarRec* Args, std::size_t Count,
             const TFormatSettings& Settings)
      : FFmt(Fmt), FArgs(Args), FCount(Count), FSettings(Settings) {}

  String Run() {
    String out;
    while (FPos < FFmt.size()) {
      Char c = FFmt[FPos++];
      if (c != u'%') {
        out += c;
      } else if (FPos < FFmt.size() && FFmt[FPos] == u'%') {
        out += u'%';
        ++FPos;
      } else {
        out += Pad(Convert(ReadSpec()));
      }
    }
    return out;
  }

 private:
  [[noreturn]] void Invalid() const {
    throw EConvertError(u"Format '" + FFmt + u"' invalid or incompatible with argument");
  }
  [[noreturn]] void Missing() const {
    throw EConvertError(u"No argument for format '" + FFmt + u"'");
  }

  Char Peek() const { return FPos < FFmt.size() ? FFmt[FPos] : Char(0); }

  const TVarRec& NextArg() {
    if (FArgIndex >= FCount) Missing();
    return FArgs[FArgIndex++];
  }

  // Digits or '*' (the next argument, an integer); nothing when neither is there.
  std::optional<std::int64_t> ReadCount() {
    if (Peek() == u'*') {
      ++FPos;
      const TVarRec& a = NextArg();
      if (a.Kind() != TVarRec::vtInteger) Invalid();
      if (a.AsInt64() > kMaxCount || a.AsInt64() < -kMaxCount) Invalid();
      return a.AsInt64();
    }
    if (Peek() < u'0' || Peek() > u'9') return std::nullopt;
    std::int64_t n = 0;
    while (Peek() >= u'0' && Peek() <= u'9') {
      n = n * 10 + (Peek() - u'0');
      if (n > kMaxCount) Invalid();
      ++FPos;
    }
    return n;
  }

  // "[index:][-][width][.precision]type" after the '%'.
  TSpec ReadSpec() {
    TSpec field;
    std::optional<std::int64_t> n = ReadCount();
    if (Peek() == u':') {
      if (!n || *n < 0) Invalid();
      FArgIndex = static_cast<std::size_t>(*n);
      ++FPos;
      n.reset();
    }
    if (!n && Peek() == u'-') {
      field.LeftJustify = true;
      ++FPos;
    }
    if (!n) n = ReadCount();
    if (n) {
      if (*n < 0) field.LeftJustify = true;  // a negative '*' width pads on the right
      field.Width = static_cast<int>(*n < 0 ? -*n : *n);
    }
    if (Peek() == u'.') {
      ++FPos;
      std::optional<std::int64_t> p = ReadCount();
      field.Precision = !p ? 0 : *p < 0 ? -1 : static_cast<int>(*p);
    }
    if (FPos >= FFmt.size()) Invalid();
    field.Type = UpCase(FFmt[FPos++]);
    return field;
  }

  String Convert(const TSpec& Field) {
    FSpec = Field;
    switch (Field.Type) {
      case u'D':
        return Decimal(IntegerArg());
      case u'U':
        return Unsigned(IntegerArg());
      case u'X':
        return Hex(IntegerArg());
      case u'E':
        return FloatToStrF(FloatArg(), ffExponent, Prec(15), 3, FSettings);
      case u'F':
        return FloatToStrF(FloatArg(), ffFixed, 15, Prec(2), FSettings);
      case u'G':
        return FloatToStrF(FloatArg(), ffGeneral, Prec(15), 0, FSettings);
      case u'N':
        return FloatToStrF(FloatArg(), ffNumber, 15, Prec(2), FSettings);
      case u'M':
        return FloatToStrF(FloatArg(), ffCurrency, 15, Prec(FSettings.CurrencyDecimals), FSettings);
      case u'S':
        return Text(NextArg());
      case u'P':
        return Pointer(NextArg());
      default:
        Invalid();
    }
  }

  int Prec(int Default) const { return FSpec.Precision < 0 ? Default : FSpec.Precision; }

  const TVarRec& IntegerArg() {
    const TVarRec& a = NextArg();
    if (a.Kind() != TVarRec::vtInteger) Invalid();
    return a;
  }

  double FloatArg() {
    const TVarRec& a = NextArg();
    if (a.Kind() != TVarRec::vtExtended) Invalid();
    return a.AsFloat();
  }

  String MinDigits(String Digits) const {
    int p = Prec(0);
    if (static_cast<int>(Digits.size()) < p)
      Digits.insert(0, static_cast<std::size_t>(p) - Digits.size(), u'0');
    return Digits;
  }

  String Decimal(const TVarRec& A) {
    std::int64_t v = A.AsInt64();
    if (!A.IsSigned() || v >= 0) return MinDigits(UIntToStr(static_cast<std::uint64_t>(v)));
    std::uint64_t magnitude = ~static_cast<std::uint64_t>(v) + 1;
    return u"-" + MinDigits(UIntToStr(magnitude));
  }

  String Unsigned(const TVarRec& A) {
    auto v = static_cast<std::uint64_t>(A.AsInt64());
    if (A.Bits() == 32) v &= 0xFFFFFFFFu;
    return MinDigits(UIntToStr(v));
  }

  String Hex(const TVarRec& A) {
    return MinDigits(HexOfBits(static_cast<std::uint64_t>(A.AsInt64()), A.Bits(), 1));
  }

  String Text(const TVarRec& A) const {
    String s;
    if (A.Kind() == TVarRec::vtString) {
      s = A.AsString();
    } else if (A.Kind() == TVarRec::vtChar) {
      s = String(1, static_cast<Char>(A.AsInt64()));
    } else {
      Invalid();
    }
    if (FSpec.Precision >= 0 && static_cast<int>(s.size()) > FSpec.Precision)
      s.resize(static_cast<std::size_t>(FSpec.Precision));
    return s;
  }

  String Pointer(const TVarRec& A) const {
    if (A.Kind() != TVarRec::vtPointer) Invalid();
    return HexOfBits(reinterpret_cast<std::uintptr_t>(A.AsPointer()), 64, 16);
  }

  String Pad(String S) const {
    if (static_cast<int>(S.size()) >= FSpec.Width) return S;
    String fill(static_cast<std::size_t>(FSpec.Width) - S.size(), u' ');
    return FSpec.LeftJustify ? S + fill : fill + S;
  }

  const String& FFmt;
  const TVarRec* FArgs;
  std::size_t FCount;
  const TFormatSettings& FSettings;
  std::size_t FPos = 0;
  std::size_t FArgIndex = 0;
  TSpec FSpec;
};

}  // namespace

String Format(const String& Fmt, const TVarRec* Args, std::size_t Count,
              const TFormatSettings& Settings) {
  return TFormatter(Fmt, Args, Count, Settings).Run();
}

String Format(const String& Fmt, std::initializer_list<TVarRec> Args,
              const TFormatSettings& Settings) {
  return Format(Fmt, Args.begin(), Args.size(), Settings);
}

String Format(const String& Fmt, std::initializer_list<TVarRec> Args) {
  return Format(Fmt, Args.begin(), Args.size(), FormatSettings);
}

}  // namespace vcl
