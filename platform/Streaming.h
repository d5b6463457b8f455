// Form files: the registry of published properties and the reader and writer
// of the text form format.
//
// A form file describes a root component, the components it owns and their
// stored property values:
//
//   object Meter1: TMeter
//     Left = 8
//     Caption = 'km/h'
//     MeterMaxValue = 100.000000000000000000
//     NeedleLayout.HeadSize = 12
//     Font.Style = [fsBold, fsItalic]
//     Color = clBtnFace
//     object Memo1: TMemo
//       Lines.Strings = (
//         'first'
//         'second')
//     end
//   end
//
// Registering a class (once, from a static initializer in the class's .cpp):
//
//   static const bool registered =
//       vcl::RegisterEnum<TNeedleStyle>({u"nsLine", u"nsArrow"}) &&
//       vcl::RegisterClass<TMeter, vcl::TGraphicControl>(u"TMeter")
//           .Property(u"MeterMaxValue", &TMeter::MeterMaxValue, &TMeter::SetMeterMaxValue, 100.0)
//           .Enum(u"ScaleLayout", &TMeter::ScaleLayout, &TMeter::SetScaleLayout, slCirc270,
//                 {u"slCirc270", u"slCirc180", u"slHorz"})
//           .Property(u"NeedleStyle", &TMeter::NeedleStyle, &TMeter::SetNeedleStyle, nsLine)
//           .Property(u"Caption", &TMeter::Caption, &TMeter::SetCaption)
//           .Color(u"BackColor", &TMeter::BackColor, &TMeter::SetBackColor, vcl::clBtnFace)
//           .Nested(u"NeedleLayout", &TMeter::NeedleLayout)
//           .Strings(u"Lines", &TMeter::Lines)
//           .Reference(u"PopupMenu", &TMeter::PopupMenu, &TMeter::SetPopupMenu)
//           .Event(u"OnChange");
//
// - One line per property. The getter may return by value or by const
//   reference and may be a member of a base class or any callable taking the
//   object (an overloaded getter, such as a const and a non-const Font(),
//   needs a lambda: [](TControl& c) { return c.Font(); }); the setter may take
//   the value by value or by const reference.
//   The value type decides how the property is stored: integers, bool,
//   floating point (double, long double), String, char16_t, enumerations (by
//   value name; the names are registered once per type, with RegisterEnum or
//   with .Enum), Set<E> ([a, b]).
//   TColor is an integer type, so colors use .Color(...) (a name such as
//   clBtnFace or a number such as $00C0FFEE).
// - The last argument is the default: a value equal to it is not written.
//   It must equal the value the constructor gives (the value reading starts
//   from), or a value equal to the default would not survive a round trip.
//   Without one, strings are written unless empty, floats unless zero and
//   everything else always. .Stored(pred) after a property makes its storing
//   depend on the object (e.g. a font only when it does not follow the parent).
// - .Nested(name, getter) stores the properties of a persistent object the
//   component owns (getter returns a pointer or reference to a TPersistent
//   whose class is itself registered, e.g. RegisterClass<TNeedleLayout,
//   vcl::TPersistent>(u"TNeedleLayout")); its values are written and read as
//   dotted names (NeedleLayout.HeadSize).
// - .Strings(name, getter) stores a string list (anything with Clear, Add,
//   Count and Strings(i)) as "Name.Strings = ( 'a' 'b' )".
// - .Named(name, getter, setter, default, {{value, u"name"}...}) stores an
//   integer by name where it has one (cursors, character sets).
// - .OrderIndex() after a property marks a position among siblings
//   (TabOrder), applied after the whole form is built.
// - .Reference(name, getter, setter) stores a pointer to another component of
//   the same form by its name; it is resolved when the whole form is read.
// - .Event(name, getter, setter) lets a file name a handler (OnClick =
//   Button1Click): reading binds the handler the application registered
//   under that name (TFormHandlers, TFormReader); writing writes the name
//   back. .Event(name) alone accepts and keeps the name without binding.
// - .Collection(name, getter) stores a TCollection as "Name = < item ...
//   end >" (see platform/Collections.h).
// - .Binary(name, read, write, hasData) stores bytes the class itself
//   encodes, as hex digits between braces (Glyph.Data = {0A1B...}): read
//   takes (T&, TStream&) and must consume the whole stream, write takes
//   (T&, TStream&), and the property is written only when hasData(T&) holds.
//   Bitmaps (TBitmap.Data) and pictures (TPicture.Data) use it.
// - .Sample(fn) after a property replaces the value the registry's sample
//   generator would set (see TPropInfo::Sample), for properties whose
//   values cannot be made up from their type alone.
// - A derived class may register a property of its base again (to give it
//   another default); the most derived registration wins.
// - The base class must be registered too (the platform registers
//   TComponent, TControl, TWinControl, TGraphicControl, TCustomControl, TForm
//   and TFont). Classes constructible from an owner are created by name when
//   a file is read; others (abstract classes, persistent objects) only lend
//   their properties.
//
// Reading sets the loading state on every component it fills, applies the
// values in file order, gives nested controls their Parent (the owner of every
// component is the root), resolves references, then calls Loaded on each.
// Any error raises EReadError (EParserError for the text itself,
// EClassNotFound for an unknown class) whose message begins "Line N:" and
// says what was expected; everything the failed read created is destroyed.
// When reading into an existing root, the values already applied to the root
// itself stay; its loading state is cleared without calling Loaded.
#pragma once

#include <any>
#include <concepts>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <limits>
#include <memory>
#include <optional>
#include <type_traits>
#include <typeindex>
#include <utility>
#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/Collections.h"
#include "platform/SysUtils.h"
#include "platform/Color.h"
#include "platform/Types.h"

namespace vcl {

// An error in the form text itself (syntax, numbers, strings, nesting).
class EParserError : public EReadError {
 public:
  using EReadError::EReadError;
};
// A class name the registry does not know.
class EClassNotFound : public EReadError {
 public:
  using EReadError::EReadError;
};

// ---------------------------------------------------------------- values

enum TFormValueKind : std::uint8_t {
  fvInteger, fvFloat, fvString, fvIdent, fvSet, fvList, fvBinary, fvCollection, fvItem
};

// A property value as the form text spells it.
struct TFormValue {
  TFormValueKind Kind = fvIdent;
  std::int64_t Integer = 0;        // fvInteger
  String Text;                     // fvString text, fvIdent name, fvFloat literal
  // fvSet elements, fvList items, fvCollection items (each an fvItem),
  // fvItem property values (each named by Name).
  std::vector<TFormValue> Items;
  std::vector<std::uint8_t> Bytes; // fvBinary
  String Name;                     // the property a value of an fvItem sets
  int Line = 0;
  // "integer 12", "string 'abc'", "identifier clRed", ... for messages.
  String Describe() const;
};

// Conversions between form values and C++ values. They raise EConvertError
// with a message saying what was expected; the reader adds the line and
// property.
namespace formvalue {
std::int64_t ReadInteger(const TFormValue& V, std::int64_t Min, std::int64_t Max);
String IntegerText(std::int64_t Value);
String UnsignedText(std::uint64_t Value);
bool ReadBoolean(const TFormValue& V);
double ReadDouble(const TFormValue& V);
long double ReadExtended(const TFormValue& V);
// Fixed with 18 decimals ("100.000000000000000000") for ordinary magnitudes,
// otherwise "1.5E-7"; always enough digits to read back the same value.
String FloatText(double Value);
String FloatText(long double Value);
const String& ReadString(const TFormValue& V);
char16_t ReadChar(const TFormValue& V);
// The text as a form string literal: 'abc''d'#13#10 (long texts split with +
// onto lines starting with Indent).
String QuoteString(const String& S, const String& Indent = String());
std::int64_t ReadEnum(std::type_index Enum, const TFormValue& V);
String EnumText(std::type_index Enum, std::int64_t Ordinal);
std::uint64_t ReadSet(std::type_index Enum, const TFormValue& V);
String SetText(std::type_index Enum, std::uint64_t Bits);
// Integers that also have names (cursor shapes, character sets): a name
// from Names or a number in Min..Max.
using TIdentNames = std::vector<std::pair<std::int64_t, String>>;
std::int64_t ReadNamedInteger(const TFormValue& V, const TIdentNames& Names, std::int64_t Min,
                              std::int64_t Max);
String NamedIntegerText(std::int64_t Value, const TIdentNames& Names);
TColor ReadColor(const TFormValue& V);
String ColorText(TColor Value);
const std::vector<std::uint8_t>& ReadBinary(const TFormValue& V);
// Bytes as the form text writes them: '{', lines of 64 upper-case hex
// digits (32 bytes) each starting on a new line with Indent, and '}' right
// after the last digit; "{}" when there are none.
String BinaryText(const std::vector<std::uint8_t>& Bytes, const String& Indent = String());
// A list of integers: "( 64 120 )".
std::vector<int> ReadIntegerList(const TFormValue& V);
// The list as the form text writes it: '(', one number a line, ')' after
// the last ("(\n64\n120)"; the writer indents the lines).
String IntegerListText(const std::vector<int>& Values);
String TypeName(std::type_index Type);
// The names of the cursor shapes (crDefault, crIBeam, ...), for .Named.
const TIdentNames& CursorNames();
// Candidates for sample values (see TPropInfo::Sample); nullopt when this
// attempt has none. Enumerations and named integers: the registered
// values next to Value, alternately after and before it (named integers
// then +7); sets: Bits with one element toggled, absent ones first.
std::optional<std::int64_t> SampleEnum(std::type_index Enum, std::int64_t Value, int Attempt);
std::optional<std::uint64_t> SampleSet(std::type_index Enum, std::uint64_t Bits, int Attempt);
std::optional<std::int64_t> SampleNamedInteger(std::int64_t Value, const TIdentNames& Names,
                                               int Attempt);
std::optional<TColor> SampleColor(TColor Value, int Attempt);
}  // namespace formvalue

// How a C++ value type is stored. Specialized below for the supported types.
template <class V>
struct TFormCodec;

template <class V>
concept FormInteger = std::integral<V> && !std::same_as<V, bool> && !std::same_as<V, char16_t>;

template <FormInteger V>
struct TFormCodec<V> {
  static String TypeName() { return u"Integer"; }
  static V Read(const TFormValue& v) {
    constexpr auto max = std::numeric_limits<V>::max();
    constexpr std::int64_t hi = static_cast<std::uint64_t>(max) > std::uint64_t{INT64_MAX}
                                    ? INT64_MAX : static_cast<std::int64_t>(max);
    return static_cast<V>(formvalue::ReadInteger(v, std::numeric_limits<V>::min(), hi));
  }
  static String Write(V x) {
    if constexpr (std::is_signed_v<V>) {
      return formvalue::IntegerText(x);
    } else {
      return formvalue::UnsignedText(x);
    }
  }
  static bool ImplicitDefault(V) { return false; }
  static constexpr bool HasImplicitDefault = false;
  // +7, then -7, then +1 (skipping any that would leave the type's range).
  static std::optional<V> Sample(V x, int Attempt) {
    constexpr V step[] = {7, 7, 1};
    if (Attempt < 0 || Attempt > 2) return std::nullopt;
    V d = step[Attempt];
    if (Attempt == 1) {
      if (x < std::numeric_limits<V>::min() + d) return std::nullopt;
      return static_cast<V>(x - d);
    }
    if (x > std::numeric_limits<V>::max() - d) return std::nullopt;
    return static_cast<V>(x + d);
  }
};

template <>
struct TFormCodec<bool> {
  static String TypeName() { return u"Boolean"; }
  static bool Read(const TFormValue& v) { return formvalue::ReadBoolean(v); }
  static String Write(bool x) { return x ? u"True" : u"False"; }
  static bool ImplicitDefault(bool) { return false; }
  static constexpr bool HasImplicitDefault = false;
  static std::optional<bool> Sample(bool x, int Attempt) {
    return Attempt == 0 ? std::optional<bool>(!x) : std::nullopt;
  }
};

template <std::floating_point V>
struct TFormCodec<V> {
  static String TypeName() { return sizeof(V) > sizeof(double) ? u"Extended" : u"Double"; }
  static V Read(const TFormValue& v) {
    if constexpr (sizeof(V) > sizeof(double)) {
      return formvalue::ReadExtended(v);
    } else {
      return static_cast<V>(formvalue::ReadDouble(v));
    }
  }
  static String Write(V x) {
    if constexpr (sizeof(V) > sizeof(double)) {
      return formvalue::FloatText(static_cast<long double>(x));
    } else {
      return formvalue::FloatText(static_cast<double>(x));
    }
  }
  static bool ImplicitDefault(V x) { return x == 0; }
  static constexpr bool HasImplicitDefault = true;
  static std::optional<V> Sample(V x, int Attempt) {
    if (x != x || x - x != 0) x = 0;  // NaN or infinity
    switch (Attempt) {
      case 0: return static_cast<V>(x + V(1.5));
      case 1: return static_cast<V>(x - V(1.5));
      case 2: return static_cast<V>(x * 2 + 1);
      default: return std::nullopt;
    }
  }
};

template <>
struct TFormCodec<String> {
  static String TypeName() { return u"String"; }
  static String Read(const TFormValue& v) { return formvalue::ReadString(v); }
  static String Write(const String& x) { return formvalue::QuoteString(x); }
  static bool ImplicitDefault(const String& x) { return x.empty(); }
  static constexpr bool HasImplicitDefault = true;
  static std::optional<String> Sample(const String&, int Attempt) {
    if (Attempt == 0) return String(u"x");
    if (Attempt == 1) return String(u"y");
    return std::nullopt;
  }
};

template <>
struct TFormCodec<char16_t> {
  static String TypeName() { return u"Char"; }
  static char16_t Read(const TFormValue& v) { return formvalue::ReadChar(v); }
  static String Write(char16_t x) { return formvalue::QuoteString(String(1, x)); }
  static bool ImplicitDefault(char16_t) { return false; }
  static constexpr bool HasImplicitDefault = false;
  static std::optional<char16_t> Sample(char16_t x, int Attempt) {
    if (Attempt == 0) return x == u'x' ? u'y' : u'x';
    if (Attempt == 1) return static_cast<char16_t>(x + 1);
    return std::nullopt;
  }
};

template <class E>
  requires std::is_enum_v<E>
struct TFormCodec<E> {
  static String TypeName() { return formvalue::TypeName(typeid(E)); }
  static E Read(const TFormValue& v) {
    return static_cast<E>(formvalue::ReadEnum(typeid(E), v));
  }
  static String Write(E x) { return formvalue::EnumText(typeid(E), static_cast<std::int64_t>(x)); }
  static bool ImplicitDefault(E) { return false; }
  static constexpr bool HasImplicitDefault = false;
  static std::optional<E> Sample(E x, int Attempt) {
    auto v = formvalue::SampleEnum(typeid(E), static_cast<std::int64_t>(x), Attempt);
    return v ? std::optional<E>(static_cast<E>(*v)) : std::nullopt;
  }
};

template <class E>
struct TFormCodec<Set<E>> {
  static String TypeName() { return u"set of " + formvalue::TypeName(typeid(E)); }
  static Set<E> Read(const TFormValue& v) {
    return Set<E>::FromBits(formvalue::ReadSet(typeid(E), v));
  }
  static String Write(Set<E> x) { return formvalue::SetText(typeid(E), x.Bits()); }
  static bool ImplicitDefault(Set<E>) { return false; }
  static constexpr bool HasImplicitDefault = false;
  static std::optional<Set<E>> Sample(Set<E> x, int Attempt) {
    auto bits = formvalue::SampleSet(typeid(E), x.Bits(), Attempt);
    return bits ? std::optional<Set<E>>(Set<E>::FromBits(*bits)) : std::nullopt;
  }
};

// A point stored as a list of two integers: DesignSize = ( 320 240 ).
template <>
struct TFormCodec<TPoint> {
  static String TypeName() { return u"TPoint"; }
  static TPoint Read(const TFormValue& v) {
    std::vector<int> items = formvalue::ReadIntegerList(v);
    if (items.size() != 2) throw EConvertError(u"Two integers expected in the list");
    return TPoint(items[0], items[1]);
  }
  static String Write(TPoint x) { return formvalue::IntegerListText({x.X, x.Y}); }
  static bool ImplicitDefault(TPoint x) { return x == TPoint(); }
  static constexpr bool HasImplicitDefault = true;
  static std::optional<TPoint> Sample(TPoint x, int Attempt) {
    if (Attempt == 0) return TPoint(x.X + 7, x.Y + 7);
    if (Attempt == 1) return TPoint(x.X + 1, x.Y);
    return std::nullopt;
  }
};

// Integers stored as a list: ColWidths = ( 64 120 ).
template <>
struct TFormCodec<std::vector<int>> {
  static String TypeName() { return u"list of Integer"; }
  static std::vector<int> Read(const TFormValue& v) { return formvalue::ReadIntegerList(v); }
  static String Write(const std::vector<int>& x) { return formvalue::IntegerListText(x); }
  static bool ImplicitDefault(const std::vector<int>& x) { return x.empty(); }
  static constexpr bool HasImplicitDefault = true;
  static std::optional<std::vector<int>> Sample(std::vector<int> x, int Attempt) {
    if (Attempt > 1) return std::nullopt;
    if (x.empty()) x.push_back(0);
    x[0] += Attempt == 0 ? 7 : 1;
    return x;
  }
};

// Colors share TColor's integer type, so they get their own codec (.Color).
struct TFormColorCodec {
  static String TypeName() { return u"TColor"; }
  static TColor Read(const TFormValue& v) { return formvalue::ReadColor(v); }
  static String Write(TColor x) { return formvalue::ColorText(x); }
  static bool ImplicitDefault(TColor) { return false; }
  static constexpr bool HasImplicitDefault = false;
  static std::optional<TColor> Sample(TColor x, int Attempt) {
    return formvalue::SampleColor(x, Attempt);
  }
};

// An integer written by name where it has one (.Named).
template <FormInteger V>
struct TFormNamedCodec {
  std::shared_ptr<const formvalue::TIdentNames> Names;
  static String TypeName() { return u"Integer"; }
  V Read(const TFormValue& v) const {
    return static_cast<V>(formvalue::ReadNamedInteger(
        v, *Names, std::numeric_limits<V>::min(), std::numeric_limits<V>::max()));
  }
  String Write(V x) const { return formvalue::NamedIntegerText(x, *Names); }
  static bool ImplicitDefault(V) { return false; }
  static constexpr bool HasImplicitDefault = false;
  std::optional<V> Sample(V x, int Attempt) const {
    auto v = formvalue::SampleNamedInteger(x, *Names, Attempt);
    if (!v || *v < std::numeric_limits<V>::min() || *v > std::numeric_limits<V>::max()) {
      return std::nullopt;
    }
    return static_cast<V>(*v);
  }
};

template <class C>
inline constexpr bool IsNamedCodec = false;
template <class V>
inline constexpr bool IsNamedCodec<TFormNamedCodec<V>> = true;

// ---------------------------------------------------------------- registry

enum TPropKind : std::uint8_t {
  pkInteger, pkBoolean, pkFloat, pkString, pkChar, pkEnum, pkSet, pkColor,
  pkObject, pkStrings, pkReference, pkEvent, pkBinary, pkCollection, pkList
};

class TFormHandlers;

// One published property of a registered class. The functions take the
// object the property belongs to (a component or a nested persistent).
struct TPropInfo {
  String Name;
  TPropKind Kind = pkInteger;
  String TypeName;   // "Integer", "Double", "TScaleLayout", "set of TFontStyle", ...
  // Value kinds: converts a form value and stores it (raises EReadError).
  std::function<void(TPersistent&, const TFormValue&)> Load;
  // Value kinds: the value as form text; IsDefault tells whether it is skipped.
  std::function<String(TPersistent&)> Text;
  std::function<bool(TPersistent&)> IsDefault;
  std::function<String()> DefaultText;        // empty when there is no default
  std::function<bool(TPersistent&)> Stored;   // empty: always stored
  // False for values written whatever they are (no declared default and no
  // implicit one): positions, sizes, fonts' attributes.
  bool HasDefault = false;
  // Value, strings and binary kinds: sets a value other than the current
  // one, for tests that change objects generically. Attempt 0, 1, 2 ...
  // give different candidates (a setter may clamp or refuse one); returns
  // false when this attempt left the value as it was. Integers +7, then -7,
  // +1; floats +1.5, -1.5, x2+1; bool flipped; enumerations a neighbouring
  // name; sets one element toggled; colors red, blue, teal; strings
  // "x", "y"; characters 'x', then the next one; string lists ('x'). The
  // enumeration, set and named-integer order is that of formvalue::Sample*.
  // Empty for kinds without one (objects, references, events, binary data
  // unless the class gives one with .Sample).
  std::function<bool(TPersistent&, int Attempt)> Sample;
  // A position among siblings (TabOrder): applied once the whole form is
  // built, smallest value first, so that every position can be reached.
  bool OrderIndex = false;
  // Listed (and written) after every other property of the object, as the
  // designer's place of a component that is not a control is.
  bool Trailing = false;
  // pkObject: the nested object (never owned by the caller).
  std::function<TPersistent*(TPersistent&)> Object;
  std::optional<std::type_index> ObjectType;
  // pkStrings: the items; Load takes an fvList of strings.
  std::function<std::vector<String>(TPersistent&)> Items;
  // pkBinary: the data as the class writes it (Load takes an fvBinary).
  std::function<std::vector<std::uint8_t>(TPersistent&)> Bytes;
  // pkReference: the referenced component, and the setter (which refuses a
  // component of the wrong class with EReadError).
  std::function<TComponent*(TPersistent&)> GetReference;
  std::function<void(TPersistent&, TComponent*)> SetReference;
  // pkEvent registered with its accessors: Bind assigns the handler of that
  // name from Handlers (EReadError when its type is not the event's),
  // Assigned tells whether the event holds a handler. Both empty for
  // events registered by name only, which can be named but not bound.
  std::function<void(TPersistent&, const TFormHandlers& Handlers, const String& Name)> Bind;
  std::function<bool(TPersistent&)> Assigned;
  // Takes the handler the event holds now and returns what assigns it
  // again (a failed read into an existing object puts back what it
  // replaced); empty where Bind is.
  std::function<std::function<void()>(TPersistent&)> Keep;
  // pkCollection: the collection (items of a registered class).
  std::function<TCollection*(TPersistent&)> Collection;

  bool IsStored(TPersistent& Object) const { return !Stored || Stored(Object); }
};

// A registered class: its name, base, factory and own properties.
struct TClassInfo {
  String Name;
  std::type_index Type;
  std::optional<std::type_index> BaseType;
  std::function<TComponent*(TComponent* Owner)> Create;  // empty: not creatable
  // A new instance standing alone (a component without owner), for any
  // class that can be made so, persistent objects included; empty for
  // abstract classes.
  std::function<std::unique_ptr<TPersistent>()> New;
  std::function<bool(const TPersistent&)> IsInstance;
  std::vector<TPropInfo> Properties;

  explicit TClassInfo(std::type_index T) : Type(T) {}
  const TClassInfo* Base() const;
  // True when this class is Other or derives from it (as registered).
  bool InheritsFrom(const TClassInfo& Other) const;
};

// ---------------------------------------------------------------- handlers

// The handlers a form file's events bind to by name (OnClick = Button1Click).
// An application registers them before reading; each keeps its call
// signature, and an event takes only a handler of its own type:
//
//   TFormReader reader;
//   reader.Handlers()
//       .Add(u"Button1Click", [this](TObject* Sender) { ... })        // TNotifyEvent
//       .Add(u"Edit1KeyDown", this, &TMainForm::Edit1KeyDown);        // a member function
//   reader.ReadFile(u"main.dfm", this);
//
// Names are matched case-insensitively; adding a name again replaces it.
class TFormHandlers {
 public:
  template <class F>
  TFormHandlers& Add(const String& Name, F Handler) {
    auto fn = std::function(std::move(Handler));
    Put(Name, typeid(decltype(fn)), std::any(std::move(fn)));
    return *this;
  }
  template <class C, class R, class... A>
  TFormHandlers& Add(const String& Name, C* Object, R (C::*Method)(A...)) {
    std::function<R(A...)> fn = [Object, Method](A... Args) -> R {
      return (Object->*Method)(std::forward<A>(Args)...);
    };
    Put(Name, typeid(decltype(fn)), std::any(std::move(fn)));
    return *this;
  }
  bool Contains(const String& Name) const { return FindEntry(Name) != nullptr; }
  int Count() const { return static_cast<int>(FEntries.size()); }
  void Clear() { FEntries.clear(); }
  // The handler Name as an event of type E; nullptr when no handler has
  // that name, EReadError when its signature is not the event's.
  template <class E>
  const E* Find(const String& Name, const String& Event) const {
    const TEntry* e = FindEntry(Name);
    if (e == nullptr) return nullptr;
    if (const E* fn = std::any_cast<E>(&e->Handler)) return fn;
    WrongType(Name, Event);
  }

 private:
  struct TEntry {
    String Name;
    std::type_index Type;
    std::any Handler;
  };
  void Put(const String& Name, std::type_index Type, std::any Handler);
  const TEntry* FindEntry(const String& Name) const;
  [[noreturn]] static void WrongType(const String& Name, const String& Event);
  std::vector<TEntry> FEntries;
};

namespace streaming {
// Binary properties: the whole content of a stream, a stream filled with
// bytes (positioned at its start), and the check that a reader used all of
// them (EReadError naming how many were left).
std::vector<std::uint8_t> StreamBytes(TMemoryStream& Stream);
void FillStream(TMemoryStream& Stream, const std::vector<std::uint8_t>& Bytes);
void CheckConsumed(TStream& Stream);
TClassInfo& AddClass(std::type_index Type, std::optional<std::type_index> Base, const String& Name);
void AddEnum(std::type_index Type, std::vector<std::pair<std::int64_t, String>> Names);
void AddEnumAliases(std::type_index Type,
                    std::vector<std::pair<String, std::optional<std::int64_t>>> Aliases);

// Casts a registered object to the class a property belongs to.
template <class T>
T& As(TPersistent& Object) {
  if constexpr (std::is_same_v<T, TPersistent>) return Object;
  if (auto* t = dynamic_cast<T*>(&Object)) return *t;
  throw EReadError(u"Object of class " + Object.ClassName() + u" does not have this property");
}
template <class P>
auto* Pointer(P&& p) {
  if constexpr (std::is_pointer_v<std::remove_cvref_t<P>>) {
    return p;
  } else {
    return &p;
  }
}
}  // namespace streaming

// Registers the value names of an enumeration, by ordinal from 0.
template <class E>
bool RegisterEnum(std::initializer_list<String> Names) {
  std::vector<std::pair<std::int64_t, String>> list;
  std::int64_t ordinal = 0;
  for (const String& n : Names) list.emplace_back(ordinal++, n);
  streaming::AddEnum(typeid(E), std::move(list));
  return true;
}
// Registers the value names of an enumeration with explicit values.
template <class E>
bool RegisterEnum(std::initializer_list<std::pair<E, String>> Names) {
  std::vector<std::pair<std::int64_t, String>> list;
  for (const auto& [value, name] : Names) list.emplace_back(static_cast<std::int64_t>(value), name);
  streaming::AddEnum(typeid(E), std::move(list));
  return true;
}

// Other names a file may give values of an enumeration (another dialect's
// spelling): read as the value they stand for, never written. A name that
// stands for no value here (std::nullopt) is dropped from a set and
// refused as a single value.
template <class E>
bool RegisterEnumAliases(std::initializer_list<std::pair<String, std::optional<E>>> Aliases) {
  std::vector<std::pair<String, std::optional<std::int64_t>>> list;
  for (const auto& [name, value] : Aliases) {
    list.emplace_back(name, value ? std::optional<std::int64_t>(static_cast<std::int64_t>(*value))
                                  : std::nullopt);
  }
  streaming::AddEnumAliases(typeid(E), std::move(list));
  return true;
}

// The builder RegisterClass returns; each call adds one property.
template <class T>
class TClassRegistration {
  template <class G>
  using ValueOf = std::remove_cvref_t<std::invoke_result_t<G&, T&>>;

 public:
  explicit TClassRegistration(TClassInfo& Info) : FInfo(&Info) {}

  template <class G, class S>
  TClassRegistration& Property(const String& Name, G Get, S Set) {
    return Value(Name, Get, Set, std::nullopt, TFormCodec<ValueOf<G>>());
  }
  template <class G, class S>
  TClassRegistration& Property(const String& Name, G Get, S Set,
                               const std::type_identity_t<ValueOf<G>>& Default) {
    return Value(Name, Get, Set, Default, TFormCodec<ValueOf<G>>());
  }
  template <class G, class S>
  TClassRegistration& Color(const String& Name, G Get, S Set) {
    return Value(Name, Get, Set, std::nullopt, TFormColorCodec());
  }
  template <class G, class S>
  TClassRegistration& Color(const String& Name, G Get, S Set, TColor Default) {
    return Value(Name, Get, Set, Default, TFormColorCodec());
  }
  // An enumeration property registering the value names of its type (by
  // ordinal from 0) on the way: .Enum(u"Layout", &T::Layout, &T::SetLayout,
  // lyHorz, {u"lyHorz", u"lyVert"}).
  template <class G, class S>
  TClassRegistration& Enum(const String& Name, G Get, S Set,
                           const std::type_identity_t<ValueOf<G>>& Default,
                           std::initializer_list<String> Names) {
    static_assert(std::is_enum_v<ValueOf<G>>, "Enum() takes an enumeration property");
    RegisterEnum<ValueOf<G>>(Names);
    return Property(Name, Get, Set, Default);
  }
  // An integer property whose values may be written by name, e.g. a cursor:
  // .Named(u"Cursor", &TControl::Cursor, &TControl::SetCursor, crDefault,
  //        {{crDefault, u"crDefault"}, {crArrow, u"crArrow"}})
  template <class G, class S>
  TClassRegistration& Named(const String& Name, G Get, S Set,
                            const std::type_identity_t<ValueOf<G>>& Default,
                            formvalue::TIdentNames Names) {
    TFormNamedCodec<ValueOf<G>> codec{
        std::make_shared<const formvalue::TIdentNames>(std::move(Names))};
    return Value(Name, Get, Set, Default, codec);
  }

  template <class G>
  TClassRegistration& Nested(const String& Name, G Get) {
    using O = std::remove_pointer_t<std::remove_cvref_t<std::invoke_result_t<G&, T&>>>;
    static_assert(std::is_base_of_v<TPersistent, O>, "a nested object must be a TPersistent");
    TPropInfo& p = Add(Name, pkObject, formvalue::TypeName(typeid(O)));
    p.ObjectType = typeid(O);
    p.Object = [Get](TPersistent& o) -> TPersistent* {
      return streaming::Pointer(std::invoke(Get, streaming::As<T>(o)));
    };
    return *this;
  }

  template <class G>
  TClassRegistration& Strings(const String& Name, G Get) {
    TPropInfo& p = Add(Name, pkStrings, u"TStrings");
    p.Load = [Get](TPersistent& o, const TFormValue& v) {
      std::vector<String> items = ListItems(v);
      auto* list = streaming::Pointer(std::invoke(Get, streaming::As<T>(o)));
      list->Clear();
      for (const String& s : items) list->Add(s);
    };
    p.Items = [Get](TPersistent& o) {
      auto* list = streaming::Pointer(std::invoke(Get, streaming::As<T>(o)));
      std::vector<String> items;
      for (int i = 0; i < list->Count(); ++i) items.push_back(list->Strings(i));
      return items;
    };
    p.HasDefault = true;  // written unless empty
    p.Sample = [Get](TPersistent& o, int Attempt) {
      if (Attempt > 0) return false;
      auto* list = streaming::Pointer(std::invoke(Get, streaming::As<T>(o)));
      list->Add(u"x");
      return true;
    };
    return *this;
  }

  // Bytes the class encodes itself (see the notes at the top).
  template <class R, class W, class H>
  TClassRegistration& Binary(const String& Name, R Read, W Write, H HasData) {
    TPropInfo& p = Add(Name, pkBinary, u"binary");
    p.Bytes = [Write](TPersistent& o) {
      TMemoryStream stream;
      std::invoke(Write, streaming::As<T>(o), static_cast<TStream&>(stream));
      return streaming::StreamBytes(stream);
    };
    p.Load = [Read](TPersistent& o, const TFormValue& v) {
      TMemoryStream stream;
      streaming::FillStream(stream, formvalue::ReadBinary(v));
      std::invoke(Read, streaming::As<T>(o), static_cast<TStream&>(stream));
      streaming::CheckConsumed(stream);
    };
    p.Text = [Bytes = p.Bytes](TPersistent& o) { return formvalue::BinaryText(Bytes(o)); };
    p.IsDefault = [HasData](TPersistent& o) { return !std::invoke(HasData, streaming::As<T>(o)); };
    p.HasDefault = true;
    return *this;
  }

  template <class G, class S>
  TClassRegistration& Reference(const String& Name, G Get, S Set) {
    using R = std::remove_pointer_t<std::remove_cvref_t<std::invoke_result_t<G&, T&>>>;
    static_assert(std::is_base_of_v<TComponent, R>, "a reference must point to a TComponent");
    TPropInfo& p = Add(Name, pkReference, formvalue::TypeName(typeid(R)));
    p.GetReference = [Get](TPersistent& o) -> TComponent* {
      return std::invoke(Get, streaming::As<T>(o));
    };
    p.SetReference = [Set, Name](TPersistent& o, TComponent* c) {
      R* r = dynamic_cast<R*>(c);
      if (c != nullptr && r == nullptr) {
        throw EReadError(u"Component " + c->Name() + u" of class " + c->ClassName() +
                         u" cannot be assigned to " + Name);
      }
      std::invoke(Set, streaming::As<T>(o), r);
    };
    return *this;
  }

  // An event named by a form file: .Event(u"OnClick", &TControl::OnClick,
  // &TControl::SetOnClick) binds the handler of that name (see
  // TFormHandlers); .Event(u"OnClick") alone only accepts and keeps the name.
  TClassRegistration& Event(const String& Name) {
    Add(Name, pkEvent, u"event");
    return *this;
  }
  template <class G, class S>
  TClassRegistration& Event(const String& Name, G Get, S Set) {
    using E = ValueOf<G>;
    TPropInfo& p = Add(Name, pkEvent, u"event");
    p.Bind = [Set, Name](TPersistent& o, const TFormHandlers& Handlers, const String& Handler) {
      if (const E* fn = Handlers.template Find<E>(Handler, Name)) {
        std::invoke(Set, streaming::As<T>(o), *fn);
      }
    };
    p.Assigned = [Get](TPersistent& o) {
      return static_cast<bool>(std::invoke(Get, streaming::As<T>(o)));
    };
    p.Keep = [Get, Set](TPersistent& o) -> std::function<void()> {
      E held = std::invoke(Get, streaming::As<T>(o));
      return [&o, Set, held] { std::invoke(Set, streaming::As<T>(o), held); };
    };
    return *this;
  }

  // A collection the object owns (getter returns a pointer or reference to
  // a TCollection whose items' class is registered), stored as
  // "Name = < item ... end >"; written unless empty.
  template <class G>
  TClassRegistration& Collection(const String& Name, G Get) {
    TPropInfo& p = Add(Name, pkCollection, u"TCollection");
    p.Collection = [Get](TPersistent& o) -> TCollection* {
      return streaming::Pointer(std::invoke(Get, streaming::As<T>(o)));
    };
    p.IsDefault = [Get](TPersistent& o) {
      return streaming::Pointer(std::invoke(Get, streaming::As<T>(o)))->Count() == 0;
    };
    p.HasDefault = true;
    p.Sample = [Get](TPersistent& o, int Attempt) {
      if (Attempt > 0) return false;
      streaming::Pointer(std::invoke(Get, streaming::As<T>(o)))->Add();
      return true;
    };
    return *this;
  }

  // Makes the last property stored only when Pred(object) is true.
  template <class P>
    requires std::predicate<P&, T&>
  TClassRegistration& Stored(P Pred) {
    Last().Stored = [Pred](TPersistent& o) { return std::invoke(Pred, streaming::As<T>(o)); };
    return *this;
  }
  TClassRegistration& Stored(bool Value) {
    Last().Stored = [Value](TPersistent&) { return Value; };
    return *this;
  }
  // Makes the last property written whatever its value, an empty string or
  // a zero included (a font's Name is always written with the font).
  TClassRegistration& NoDefault() {
    TPropInfo& p = Last();
    p.HasDefault = false;
    p.DefaultText = nullptr;
    p.IsDefault = [](TPersistent&) { return false; };
    return *this;
  }
  // Gives the last property its own sample: Fn(T&, int Attempt) changes
  // the value and returns whether it did (see TPropInfo::Sample).
  template <class F>
    requires std::predicate<F&, T&, int>
  TClassRegistration& Sample(F Fn) {
    Last().Sample = [Fn](TPersistent& o, int Attempt) {
      return std::invoke(Fn, streaming::As<T>(o), Attempt);
    };
    return *this;
  }
  // Marks the last property as a position among siblings (see TPropInfo).
  TClassRegistration& OrderIndex() {
    Last().OrderIndex = true;
    return *this;
  }
  // Lists the last property after all others (see TPropInfo::Trailing).
  TClassRegistration& Trailing() {
    Last().Trailing = true;
    return *this;
  }

  // Lets `static const bool registered = RegisterClass<...>(...)...;` compile.
  operator bool() const { return true; }  // NOLINT(google-explicit-constructor)
  const TClassInfo& Info() const { return *FInfo; }

 private:
  template <class G, class S, class Codec>
  TClassRegistration& Value(const String& Name, G Get, S Set, std::optional<ValueOf<G>> Default,
                            Codec C) {
    using V = ValueOf<G>;
    TPropInfo& p = Add(Name, KindOf<V, Codec>(), Codec::TypeName());
    p.Load = [Set, C](TPersistent& o, const TFormValue& v) {
      std::invoke(Set, streaming::As<T>(o), static_cast<V>(C.Read(v)));
    };
    p.Text = [Get, C](TPersistent& o) { return C.Write(std::invoke(Get, streaming::As<T>(o))); };
    if (Default) {
      V d = *Default;
      p.IsDefault = [Get, d](TPersistent& o) { return std::invoke(Get, streaming::As<T>(o)) == d; };
      p.DefaultText = [d, C] { return C.Write(d); };
    } else {
      p.IsDefault = [Get](TPersistent& o) {
        return Codec::ImplicitDefault(std::invoke(Get, streaming::As<T>(o)));
      };
    }
    p.HasDefault = Default.has_value() || Codec::HasImplicitDefault;
    p.Sample = [Get, Set, C](TPersistent& o, int Attempt) {
      T& t = streaming::As<T>(o);
      V before = std::invoke(Get, t);
      std::optional<V> next = C.Sample(before, Attempt);
      if (!next) return false;
      std::invoke(Set, t, *next);
      return !(std::invoke(Get, t) == before);
    };
    return *this;
  }

  template <class V, class Codec>
  static constexpr TPropKind KindOf() {
    if constexpr (std::is_same_v<Codec, TFormColorCodec>) return pkColor;
    else if constexpr (IsNamedCodec<Codec>) return pkInteger;
    else if constexpr (std::is_same_v<V, bool>) return pkBoolean;
    else if constexpr (std::is_same_v<V, char16_t>) return pkChar;
    else if constexpr (std::is_same_v<V, String>) return pkString;
    else if constexpr (std::is_floating_point_v<V>) return pkFloat;
    else if constexpr (std::is_same_v<V, TPoint> || std::is_same_v<V, std::vector<int>>) return pkList;
    else if constexpr (std::is_enum_v<V>) return pkEnum;
    else if constexpr (std::is_integral_v<V>) return pkInteger;
    else return pkSet;
  }

  static std::vector<String> ListItems(const TFormValue& V);
  TPropInfo& Add(const String& Name, TPropKind Kind, const String& TypeName) {
    FInfo->Properties.push_back(TPropInfo{});
    TPropInfo& p = FInfo->Properties.back();
    p.Name = Name;
    p.Kind = Kind;
    p.TypeName = TypeName;
    return p;
  }
  TPropInfo& Last();

  TClassInfo* FInfo;
};

namespace streaming {
std::vector<String> StringListItems(const TFormValue& V);
[[noreturn]] void NoPropertyYet();
}  // namespace streaming

template <class T>
std::vector<String> TClassRegistration<T>::ListItems(const TFormValue& V) {
  return streaming::StringListItems(V);
}
template <class T>
TPropInfo& TClassRegistration<T>::Last() {
  if (FInfo->Properties.empty()) streaming::NoPropertyYet();
  return FInfo->Properties.back();
}

// Registers class T (derived from Base, which is registered too; use void for
// a root such as TPersistent) under Name. Registering a class again starts its
// property list afresh.
template <class T, class Base>
TClassRegistration<T> RegisterClass(const String& Name) {
  static_assert(std::is_base_of_v<TPersistent, T>, "only persistent classes are registered");
  std::optional<std::type_index> base;
  if constexpr (!std::is_void_v<Base>) {
    static_assert(std::is_base_of_v<Base, T>, "Base must be a base class of T");
    base = typeid(Base);
  }
  TClassInfo& info = streaming::AddClass(typeid(T), base, Name);
  info.IsInstance = [](const TPersistent& o) {
    if constexpr (std::is_same_v<T, TPersistent>) return true;
    return dynamic_cast<const T*>(&o) != nullptr;
  };
  if constexpr (std::is_base_of_v<TComponent, T> && !std::is_abstract_v<T> &&
                std::is_constructible_v<T, TComponent*>) {
    info.Create = [](TComponent* owner) -> TComponent* { return new T(owner); };
    info.New = []() -> std::unique_ptr<TPersistent> { return std::make_unique<T>(nullptr); };
  } else if constexpr (!std::is_abstract_v<T> && std::is_default_constructible_v<T>) {
    info.New = []() -> std::unique_ptr<TPersistent> { return std::make_unique<T>(); };
  }
  return TClassRegistration<T>(info);
}

// The registered class of that name (case-insensitive), or nullptr.
const TClassInfo* FindClassInfo(const String& ClassName);
// The registered class of an object: its own, else the most derived
// registered class it belongs to; nullptr when there is none.
const TClassInfo* ClassInfoOf(const TPersistent& Object);
// True when Object is of Dest's own class or of a class derived from it, as
// far as the registry knows the classes: the test of an AssignTo that hands
// itself to Dest->Assign only where that Assign takes it (an ancestor's
// Assign would hand it straight back).
bool IsInstanceOfClassOf(const TPersistent& Object, const TPersistent& Dest);
// The registered class names, sorted.
std::vector<String> RegisteredClasses();
// Every property of a class, inherited ones first, in registration order,
// then the trailing ones (TPropInfo::Trailing) in the same order.
std::vector<const TPropInfo*> RegisteredProperties(const TClassInfo& Class);
std::vector<const TPropInfo*> RegisteredProperties(const String& ClassName);
// The property of that name (case-insensitive, inherited included), or nullptr.
const TPropInfo* FindPropInfo(const TClassInfo& Class, const String& Name);
// Creates a registered component by class name; EClassNotFound otherwise.
TComponent* CreateComponent(const String& ClassName, TComponent* Owner);

// Reads or writes one property (a dotted path such as "Font.Size") of an
// object as form text, e.g. SetPropText(meter, u"ScaleLayout", u"slHorz").
String GetPropText(TPersistent& Object, const String& Path);
void SetPropText(TPersistent& Object, const String& Path, const String& ValueText);
// Sets a sample value other than the current one on a property of Object
// (a dotted path), trying the candidates of TPropInfo::Sample in turn;
// false when the property has no sample or its setter kept every candidate
// out. A setter's exception counts as a refusal.
bool SetSampleValue(TPersistent& Object, const String& Path);

// ---------------------------------------------------------------- reading and writing

// One thing a lenient read left out (see TFormReader::SetLenient).
struct TFormSkip {
  int Line = 0;
  String ClassName;  // the class of the object read, or the class not known
  String Property;   // the property left out; empty when a whole object was
  String Reason;     // "unknown property", "unknown class", the value's error...
};

// Reads form files with handlers to bind and the reader's options. The free
// functions below read as a TFormReader with no handlers and default
// options does.
//
// - Events: a handler name in the file (OnClick = Button1Click) binds the
//   handler registered under that name in Handlers(). A name with no
//   registered handler raises EReadError naming it, unless
//   SetIgnoreUnboundHandlers(true) (the name is then kept and written back,
//   the event stays empty). A handler of the wrong type raises EReadError.
// - Lenient mode (SetLenient(true), for porting forms written elsewhere):
//   properties the class does not have, values it cannot take, objects of
//   classes not registered (with everything inside them) and unbound
//   handlers are left out and listed in Skipped(), in file order. Strict
//   reading, the default, raises at the first of them.
class TFormReader {
 public:
  TFormHandlers& Handlers() { return FHandlers; }
  const TFormHandlers& Handlers() const { return FHandlers; }
  bool IgnoreUnboundHandlers() const { return FIgnoreUnbound; }
  void SetIgnoreUnboundHandlers(bool Value) { FIgnoreUnbound = Value; }
  bool Lenient() const { return FLenient; }
  void SetLenient(bool Value) { FLenient = Value; }
  // What the last read left out (lenient mode).
  const std::vector<TFormSkip>& Skipped() const { return FSkipped; }

  // As ReadComponentFromText, ReadComponentFromStream, ReadComponentResFile.
  TComponent* ReadText(const String& Text, TComponent* Root = nullptr, TComponent* Owner = nullptr);
  TComponent* ReadStream(TStream& Stream, TComponent* Root = nullptr, TComponent* Owner = nullptr);
  TComponent* ReadFile(const String& FileName, TComponent* Root = nullptr,
                       TComponent* Owner = nullptr);

 private:
  TFormHandlers FHandlers;
  bool FIgnoreUnbound = false;
  bool FLenient = false;
  std::vector<TFormSkip> FSkipped;
};

// The handler name an event of Component holds from a form file (or from
// SetHandlerName); empty when none. Writing a form writes these names.
String HandlerName(TComponent& Component, const String& Event);
// Records (or, with an empty Handler, forgets) the name written for an event.
void SetHandlerName(TComponent& Component, const String& Event, const String& Handler);

// Reads a form. With Root nullptr the root component is created (owned by
// Owner, or by the caller when Owner is nullptr) and returned; otherwise the
// file's values are loaded into Root, whose class must be the file's class
// (or derive from it), and Root is returned.
TComponent* ReadComponentFromText(const String& Text, TComponent* Root = nullptr,
                                  TComponent* Owner = nullptr);
TComponent* ReadComponentFromStream(TStream& Stream, TComponent* Root = nullptr,
                                    TComponent* Owner = nullptr);
// Reads a form file (UTF-8, an optional byte-order mark). EFOpenError when it
// cannot be opened.
TComponent* ReadComponentResFile(const String& FileName, TComponent* Root = nullptr);
// Reads a form file into a new root the caller owns.
std::unique_ptr<TComponent> LoadFormFile(const String& FileName);

// Writes a component, its stored values and the components it owns that are
// placed on it (controls under their parents, other components at the top).
String WriteComponentToText(TComponent* Root);
void WriteComponentToStream(TStream& Stream, TComponent* Root);
void WriteComponentResFile(const String& FileName, TComponent* Root);

}  // namespace vcl
