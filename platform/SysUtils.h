// Run-time library: exceptions, format settings, text helpers, number and
// date conversion, Format/FormatFloat/FormatDateTime, file names and files.
// Math.h (rounding) and DateUtils.h (TDateTime) come with it.
#pragma once

#include <array>
#include <cstdint>
#include <exception>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/DateUtils.h"
#include "platform/Math.h"
#include "platform/Types.h"

namespace vcl {

// ---------------------------------------------------------------- exceptions

// Root of every error the framework and the components raise. The message
// is UTF-16 text; what() gives it in UTF-8.
class Exception : public std::exception {
 public:
  explicit Exception(String Msg);
  explicit Exception(std::string_view Utf8Msg);
  const String& Message() const { return FMessage; }
  void SetMessage(const String& Value);
  const char* what() const noexcept override { return FUtf8.c_str(); }

 private:
  String FMessage;
  std::string FUtf8;
};

#define VCL_DECLARE_EXCEPTION(Name, Base) \
  class Name : public Base {              \
   public:                                \
    using Base::Base;                     \
  }

VCL_DECLARE_EXCEPTION(EAbort, Exception);
VCL_DECLARE_EXCEPTION(EConvertError, Exception);
VCL_DECLARE_EXCEPTION(EInOutError, Exception);
VCL_DECLARE_EXCEPTION(EOutOfMemory, Exception);
VCL_DECLARE_EXCEPTION(EInvalidOperation, Exception);
VCL_DECLARE_EXCEPTION(EInvalidPointer, Exception);
VCL_DECLARE_EXCEPTION(EArgumentException, Exception);
VCL_DECLARE_EXCEPTION(EListError, Exception);
VCL_DECLARE_EXCEPTION(EStringListError, EListError);
VCL_DECLARE_EXCEPTION(EComponentError, Exception);
VCL_DECLARE_EXCEPTION(EStreamError, Exception);
VCL_DECLARE_EXCEPTION(EReadError, EStreamError);
VCL_DECLARE_EXCEPTION(EWriteError, EStreamError);
VCL_DECLARE_EXCEPTION(EFOpenError, EStreamError);
VCL_DECLARE_EXCEPTION(EFCreateError, EStreamError);
VCL_DECLARE_EXCEPTION(EMathError, Exception);
VCL_DECLARE_EXCEPTION(EInvalidOp, EMathError);
VCL_DECLARE_EXCEPTION(EZeroDivide, EMathError);
VCL_DECLARE_EXCEPTION(EOverflow, EMathError);
VCL_DECLARE_EXCEPTION(EUnderflow, EMathError);
VCL_DECLARE_EXCEPTION(EIntError, Exception);
VCL_DECLARE_EXCEPTION(EDivByZero, EIntError);
VCL_DECLARE_EXCEPTION(ERangeError, EIntError);
VCL_DECLARE_EXCEPTION(EIntOverflow, EIntError);

// UTF-16 literal helper for messages built from narrow literals.
inline String Str(std::string_view Utf8) { return FromUTF8(Utf8); }
inline std::string UTF8Encode(std::u16string_view S) { return ToUTF8(S); }
inline String UTF8ToString(std::string_view S) { return FromUTF8(S); }

// ---------------------------------------------------------------- settings

// A fixed list of names indexed from 1, as the framework's month and day
// name arrays are: LongMonthNames[1] is "January", LongDayNames[1] "Sunday".
template <std::size_t N>
struct TNameList {
  std::array<String, N> Items;
  String& operator[](int Index) { return Items.at(static_cast<std::size_t>(Index - 1)); }
  const String& operator[](int Index) const {
    return Items.at(static_cast<std::size_t>(Index - 1));
  }
  static constexpr int Low() { return 1; }
  static constexpr int High() { return static_cast<int>(N); }
};

// How numbers, money and dates are written and read.
struct TFormatSettings {
  Char DecimalSeparator = u'.';
  Char ThousandSeparator = u',';  // 0 writes no separator
  Char DateSeparator = u'/';
  Char TimeSeparator = u':';
  Char ListSeparator = u',';
  String CurrencyString = u"$";
  std::uint8_t CurrencyFormat = 0;  // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
  std::uint8_t NegCurrFormat = 0;   // 0 "($1)", 1 "-$1", ... 15 "(1 $)"
  std::uint8_t CurrencyDecimals = 2;
  String ShortDateFormat = u"M/d/yyyy";
  String LongDateFormat = u"dddd, MMMM d, yyyy";
  String ShortTimeFormat = u"h:mm AMPM";
  String LongTimeFormat = u"h:mm:ss AMPM";
  String TimeAMString = u"AM";
  String TimePMString = u"PM";
  TNameList<12> ShortMonthNames{{u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun", u"Jul", u"Aug",
                                 u"Sep", u"Oct", u"Nov", u"Dec"}};
  TNameList<12> LongMonthNames{{u"January", u"February", u"March", u"April", u"May", u"June",
                                u"July", u"August", u"September", u"October", u"November",
                                u"December"}};
  TNameList<7> ShortDayNames{{u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"}};
  TNameList<7> LongDayNames{{u"Sunday", u"Monday", u"Tuesday", u"Wednesday", u"Thursday",
                             u"Friday", u"Saturday"}};
  // A two-digit year is placed within this many years before the current
  // year and 100 - this many after it; 0 puts it in the current century.
  int TwoDigitYearCenturyWindow = 50;

  // The defaults above (English, '.' decimal separator).
  static TFormatSettings Create() { return {}; }
};

// The settings every conversion without an explicit TFormatSettings uses.
// A plain global: programs and tests change fields directly.
extern TFormatSettings FormatSettings;

// ---------------------------------------------------------------- text

inline constexpr Char sLineBreak[] = u"\n";  // lines end with LF on this platform
inline constexpr Char PathDelim = u'/';
inline constexpr Char PathSep = u':';

// Case mapping: UpperCase/LowerCase change only ASCII letters; the Ansi
// forms also map Latin-1, Latin Extended-A, Greek and Cyrillic letters.
String UpperCase(const String& S);
String LowerCase(const String& S);
String AnsiUpperCase(const String& S);
String AnsiLowerCase(const String& S);
Char UpCase(Char C);  // ASCII only

// Remove characters <= ' ' at both ends, at the start, at the end.
String Trim(const String& S);
String TrimLeft(const String& S);
String TrimRight(const String& S);

// Ordinal comparisons returning < 0, 0 or > 0; the Text forms ignore the
// case of ASCII letters.
int CompareStr(const String& S1, const String& S2);
int CompareText(const String& S1, const String& S2);
bool SameStr(const String& S1, const String& S2);
bool SameText(const String& S1, const String& S2);
// Comparisons in dictionary order: letters by their base letter (accents
// and case decide only between otherwise equal texts, lower case first),
// punctuation before digits before letters. AnsiCompareText ignores case.
int AnsiCompareStr(const String& S1, const String& S2);
int AnsiCompareText(const String& S1, const String& S2);
bool AnsiSameStr(const String& S1, const String& S2);
bool AnsiSameText(const String& S1, const String& S2);

enum TReplaceFlag : std::uint8_t { rfReplaceAll, rfIgnoreCase };
using TReplaceFlags = Set<TReplaceFlag>;
// Replaces the first (or every) occurrence of OldPattern; replaced text is
// not searched again. An empty OldPattern changes nothing.
String StringReplace(const String& S, const String& OldPattern, const String& NewPattern,
                     TReplaceFlags Flags);

// 1-based position of SubStr in S, 0 when absent or SubStr is empty.
int Pos(const String& SubStr, const String& S);
// As Pos, searching from Offset (1-based); 0 when Offset is outside S.
int PosEx(const String& SubStr, const String& S, int Offset = 1);
int AnsiPos(const String& SubStr, const String& S);
// Count characters from Index (1-based); both clamped to the text.
String Copy(const String& S, int Index, int Count);
// Removes Count characters from Index; nothing when Index is outside S.
void Delete(String& S, int Index, int Count);
// Inserts Source before Index (clamped to 1 .. Length + 1).
void Insert(const String& Source, String& S, int Index);
String StringOfChar(Char Ch, int Count);
// 'text' with inner quotes doubled; AnsiQuotedStr with any quote character.
String QuotedStr(const String& S);
String AnsiQuotedStr(const String& S, Char Quote);
// Reverses AnsiQuotedStr: the text between the first quote and its closing
// quote, doubled quotes made single. S is returned unchanged when it does
// not start with Quote or the closing quote is missing.
String AnsiDequotedStr(const String& S, Char Quote);
// Reads a quoted text starting at Pos (0-based index of the opening quote)
// and leaves Pos after the closing quote (at the end when it is missing).
String AnsiExtractQuotedStr(const String& S, std::size_t& Pos, Char Quote);
// 1-based index of the last character of S that is one of Delimiters; 0 if none.
int LastDelimiter(const String& Delimiters, const String& S);
// True when S[Index] (1-based) is one of Delimiters.
bool IsDelimiter(const String& Delimiters, const String& S, int Index);

// ---------------------------------------------------------------- numbers

// Decimal text of any integer type.
template <class T>
requires std::is_integral_v<T> String IntToStr(T Value);
// Upper-case hex of the value's two's complement in its own width (an int
// -1 is "FFFFFFFF"), padded with zeros to at least Digits digits.
template <class T>
requires std::is_integral_v<T> String IntToHex(T Value,
                                               int Digits = static_cast<int>(sizeof(T) * 2));
String UIntToStr(std::uint64_t Value);

// Integers: leading blanks, an optional sign, then decimal digits or hex
// after '$' or "0x". EConvertError "'text' is not a valid integer value"
// for anything else or a value outside the type's range.
int StrToInt(const String& S);
int StrToIntDef(const String& S, int Default);
bool TryStrToInt(const String& S, int& Value);
std::int64_t StrToInt64(const String& S);
std::int64_t StrToInt64Def(const String& S, std::int64_t Default);
bool TryStrToInt64(const String& S, std::int64_t& Value);

// Floats: blanks around are ignored; an optional sign, digits with at most
// one decimal separator (the settings' one) and at least one digit, an
// optional exponent "E[sign]digits". Values beyond the double range fail;
// values too small for it become 0. EConvertError "'text' is not a valid
// floating point value".
double StrToFloat(const String& S);
double StrToFloat(const String& S, const TFormatSettings& Settings);
bool TryStrToFloat(const String& S, double& Value);
bool TryStrToFloat(const String& S, double& Value, const TFormatSettings& Settings);
double StrToFloatDef(const String& S, double Default);
double StrToFloatDef(const String& S, double Default, const TFormatSettings& Settings);

// "True"/"False", or "-1"/"0" when UseBoolStrs is false.
String BoolToStr(bool B, bool UseBoolStrs = false);
// "True"/"False" (any case) or a number (non-zero is true).
bool StrToBool(const String& S);
bool TryStrToBool(const String& S, bool& Value);

enum TFloatFormat : std::uint8_t { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

// Writes Value in one of five styles. Precision is the number of
// significant digits (1..18); Digits is the minimum exponent digits (0..4)
// for ffGeneral/ffExponent and the decimals (0..18) otherwise.
//   ffGeneral  shortest of fixed or scientific, no trailing zeros ("1E20")
//   ffExponent "-d.ddd…E+ddd" with Precision digits
//   ffFixed    "-ddd.ddd"; scientific when the integer part has more than
//              Precision digits
//   ffNumber   as ffFixed with thousand separators
//   ffCurrency money per CurrencyString/CurrencyFormat/NegCurrFormat
// Digits are rounded half away from zero on the value's 18-digit decimal
// form (so 2.675 with two decimals is "2.68"); a value shown as zero gets
// no sign. NaN and infinities are written "NAN", "INF", "-INF".
String FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits);
String FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits,
                   const TFormatSettings& Settings);
// ffGeneral with 15 significant digits.
String FloatToStr(double Value);
String FloatToStr(double Value, const TFormatSettings& Settings);

// Formats Value with a picture: sections "positive;negative;zero", digit
// placeholders 0 (always a digit) and # (a digit when significant), '.'
// (decimal separator), ',' (thousand separators wanted), E+ E- e+ e-
// (scientific; the zeros after the sign give the minimum exponent digits),
// 'text' and "text" literals; any other character is copied. Rounds half
// away from zero on the value's 15-digit decimal form. The zero section is
// used when the value rounds to zero; an empty negative section means the
// positive one with a leading '-'. An empty format is FloatToStr.
String FormatFloat(const String& Format, double Value);
String FormatFloat(const String& Format, double Value, const TFormatSettings& Settings);

// ---------------------------------------------------------------- Format

// One argument of Format: an integer (with its width), a float, a text, a
// character, a boolean or a pointer. Built implicitly from values, so a
// call reads Format(u"%d items, %.2f%%", {n, x}).
class TVarRec {
 public:
  enum TKind : std::uint8_t { vtInteger, vtExtended, vtString, vtChar, vtBoolean, vtPointer };

  template <class T>
  requires std::is_integral_v<T> &&
      (!std::is_same_v<T, bool>)&&(!std::is_same_v<T, char>)&&(!std::is_same_v<T, char8_t>)&&(
          !std::is_same_v<T, char16_t>)&&(!std::is_same_v<T, char32_t>)&&(!std::is_same_v<T,
                                                                                          wchar_t>)
          TVarRec(T V)  // NOLINT: implicit by design
      : FKind(vtInteger), FBits(sizeof(T) <= 4 ? 32 : 64), FSigned(std::is_signed_v<T>) {
    if constexpr (std::is_signed_v<T>) {
      FInt = static_cast<std::int64_t>(V);
    } else {
      FInt = static_cast<std::int64_t>(static_cast<std::uint64_t>(V));
    }
  }
  template <class E>
  requires std::is_enum_v<E> TVarRec(E V)  // NOLINT: enumerations format as their ordinal
      : TVarRec(static_cast<std::underlying_type_t<E>>(V)) {}
  TVarRec(double V) : FKind(vtExtended), FFloat(V) {}                            // NOLINT
  TVarRec(float V) : FKind(vtExtended), FFloat(V) {}                             // NOLINT
  TVarRec(long double V) : FKind(vtExtended), FFloat(static_cast<double>(V)) {}  // NOLINT
  TVarRec(bool V) : FKind(vtBoolean), FInt(V ? 1 : 0) {}                         // NOLINT
  TVarRec(Char V) : FKind(vtChar), FInt(V) {}                                    // NOLINT
  TVarRec(char V) : FKind(vtChar), FInt(static_cast<unsigned char>(V)) {}        // NOLINT
  TVarRec(const String& V) : FKind(vtString), FText(V) {}                        // NOLINT
  TVarRec(std::u16string_view V) : FKind(vtString), FText(V) {}                  // NOLINT
  TVarRec(const Char* V) : FKind(vtString), FText(V ? V : u"") {}                // NOLINT
  TVarRec(const char* V) : FKind(vtString), FText(FromUTF8(V ? V : "")) {}       // NOLINT
  TVarRec(const std::string& V) : FKind(vtString), FText(FromUTF8(V)) {}         // NOLINT
  TVarRec(const void* V) : FKind(vtPointer), FPointer(V) {}                      // NOLINT
  TVarRec(std::nullptr_t) : FKind(vtPointer) {}                                  // NOLINT

  TKind Kind() const { return FKind; }
  std::int64_t AsInt64() const { return FInt; }
  int Bits() const { return FBits; }
  bool IsSigned() const { return FSigned; }
  double AsFloat() const { return FFloat; }
  const String& AsString() const { return FText; }
  const void* AsPointer() const { return FPointer; }

 private:
  TKind FKind;
  std::uint8_t FBits = 64;
  bool FSigned = true;
  std::int64_t FInt = 0;
  double FFloat = 0.0;
  String FText;
  const void* FPointer = nullptr;
};

// Formats the arguments into Fmt. Specifiers: "%" [index ":"] ["-"]
// [width] ["." precision] type, where index, width and precision may be
// "*" (taken from the next argument, an integer). Types:
//   d  decimal integer, precision = minimum digits      u  unsigned
//   x  upper-case hex, precision = minimum digits       s  text (precision cuts)
//   f  fixed, precision = decimals (default 2)          n  as f with thousands
//   e  "-d.ddd…E+ddd", precision = significant digits (default 15)
//   g  shortest of fixed or scientific, precision = significant digits
//      (default 15); fixed when the integer digits <= precision and
//      |value| >= 0.00001
//   m  money (precision = decimals, default CurrencyDecimals)
//   p  pointer (16 hex digits)                          %% a percent sign
// Width pads with blanks on the left ("-" pads on the right). An index
// "%2:" picks the argument; the following ones continue after it.
// EConvertError for a bad specifier, a missing argument or an argument of
// the wrong kind.
String Format(const String& Fmt, std::initializer_list<TVarRec> Args);
String Format(const String& Fmt, std::initializer_list<TVarRec> Args,
              const TFormatSettings& Settings);
String Format(const String& Fmt, const TVarRec* Args, std::size_t Count,
              const TFormatSettings& Settings);

// ---------------------------------------------------------------- dates as text

// Specifiers (any case): c (short date, then long time unless midnight),
// d dd ddd dddd (day, two digits, short and long name), ddddd (short date),
// dddddd (long date), m mm mmm mmmm (month; m/mm right after h/hh mean
// minutes), yy yyyy, h hh, n nn, s ss, z zzz, t (short time), tt (long
// time), am/pm a/p (12-hour clock, written in the format's case), ampm
// (12-hour clock with TimeAMString/TimePMString), / and : (the settings'
// separators), 'text' and "text" literals; anything else is copied.
// An empty format means "c".
String FormatDateTime(const String& Format, TDateTime DateTime);
String FormatDateTime(const String& Format, TDateTime DateTime, const TFormatSettings& Settings);
String DateToStr(TDateTime Date);
String DateToStr(TDateTime Date, const TFormatSettings& Settings);
String TimeToStr(TDateTime Time);
String TimeToStr(TDateTime Time, const TFormatSettings& Settings);
String DateTimeToStr(TDateTime DateTime);
String DateTimeToStr(TDateTime DateTime, const TFormatSettings& Settings);

// Reads a date written in ShortDateFormat's order of day, month and year,
// separated by DateSeparator (or blanks). A missing year means the current
// one; two-digit years follow TwoDigitYearCenturyWindow. EConvertError
// "'text' is not a valid date".
TDateTime StrToDate(const String& S);
TDateTime StrToDate(const String& S, const TFormatSettings& Settings);
bool TryStrToDate(const String& S, TDateTime& Value);
bool TryStrToDate(const String& S, TDateTime& Value, const TFormatSettings& Settings);
TDateTime StrToDateDef(const String& S, TDateTime Default);
// Reads "h[:n[:s[.z]]]" with an optional AM/PM marker. EConvertError
// "'text' is not a valid time".
TDateTime StrToTime(const String& S);
bool TryStrToTime(const String& S, TDateTime& Value);
bool TryStrToTime(const String& S, TDateTime& Value, const TFormatSettings& Settings);
// A date, then optionally blanks and a time. EConvertError "'text' is not a
// valid date and time".
TDateTime StrToDateTime(const String& S);
bool TryStrToDateTime(const String& S, TDateTime& Value);
bool TryStrToDateTime(const String& S, TDateTime& Value, const TFormatSettings& Settings);

// ---------------------------------------------------------------- file names

String ExtractFileName(const String& FileName);  // after the last '/'
String ExtractFilePath(const String& FileName);  // up to and with the last '/'
String ExtractFileDir(const String& FileName);   // as ExtractFilePath, without a trailing '/'
String ExtractFileExt(const String& FileName);   // ".ext" of the name part, or ""
String ChangeFileExt(const String& FileName, const String& Extension);
String IncludeTrailingPathDelimiter(const String& S);
String ExcludeTrailingPathDelimiter(const String& S);

// ---------------------------------------------------------------- files

bool FileExists(const String& FileName);  // exists and is not a directory
bool DirectoryExists(const String& Directory);
// Creates Dir and every missing parent. EInOutError "Unable to create
// directory" for an empty name; false when a level cannot be made.
bool ForceDirectories(const String& Dir);
bool CreateDir(const String& Dir);
bool RemoveDir(const String& Dir);        // only an empty directory
bool DeleteFile(const String& FileName);  // not a directory
// Renames or moves; refuses (false) when NewName already exists, so that
// nothing is overwritten.
bool RenameFile(const String& OldName, const String& NewName);
String GetCurrentDir();
bool SetCurrentDir(const String& Dir);
std::int64_t FileSize(const String& FileName);  // -1 when it cannot be read

// File attributes, as the framework numbers them. Names starting with '.'
// (other than "." and "..") count as hidden.
constexpr int faReadOnly = 0x01;
constexpr int faHidden = 0x02;
constexpr int faSysFile = 0x04;
constexpr int faVolumeID = 0x08;
constexpr int faDirectory = 0x10;
constexpr int faArchive = 0x20;
constexpr int faNormal = 0x80;
constexpr int faSymLink = 0x400;
constexpr int faAnyFile = 0x1FF;

struct TSearchState;

// One entry found by FindFirst/FindNext.
struct TSearchRec {
  String Name;
  int Attr = 0;
  std::int64_t Size = 0;
  int Time = 0;                              // modification time as a DOS packed date
  TDateTime TimeStamp = 0;                   // modification time, local
  std::shared_ptr<TSearchState> FindHandle;  // the open search
};

// Lists the entries of a folder that match a name pattern ("dir/*.txt";
// "*" and "?" wildcards; "*.*" matches every name) and the attributes:
// plain files always, directories only with faDirectory, hidden and system
// entries only with faHidden/faSysFile. Returns 0 and fills F for the
// first match, or an error code (2: folder missing, 18: no match).
int FindFirst(const String& Path, int Attr, TSearchRec& F);
// The next match: 0, or 18 when there are no more.
int FindNext(TSearchRec& F);
// Ends the search (also done when F is destroyed).
void FindClose(TSearchRec& F);

// ---------------------------------------------------------------- templates

String Int64ToStr(std::int64_t Value);
String HexOfBits(std::uint64_t Bits, int Width, int Digits);

template <class T>
requires std::is_integral_v<T> String IntToStr(T Value) {
  if constexpr (std::is_signed_v<T>) {
    return Int64ToStr(static_cast<std::int64_t>(Value));
  } else {
    return UIntToStr(static_cast<std::uint64_t>(Value));
  }
}

template <class T>
requires std::is_integral_v<T> String IntToHex(T Value, int Digits) {
  using U = std::make_unsigned_t<T>;
  return HexOfBits(static_cast<std::uint64_t>(static_cast<U>(Value)),
                   static_cast<int>(sizeof(T) * 8), Digits);
}

}  // namespace vcl
