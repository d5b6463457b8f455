// The numeric edit field TNumIO.
//
// The change check (Change), run after every change of the text T:
//   1. itFixPoint only, settling the caret: T without a point puts it just
//      before the last good text's point (when that point is not first); a
//      second point in T, or no point in either text, puts it just after
//      the last good text's point.
//   2. T is converted (ConvertNumString; in itFixPoint with a comma-only
//      separator the point the rewrite writes is read as well). A number inside RangeLow ..
//      RangeHigh, or 0, is accepted: T becomes the last good text, OnChange
//      fires, and in itFixPoint the text is rewritten with exactly
//      FixPointDecPlaces decimals.
//   3. Anything else is refused: the caret moves one place left, the
//      control updates itself, MessageBeep(0) sounds when Beep is set, and
//      the last good text comes back.
// A replacement of the text is the field's own change, which the check
// skips; the caret is put back where the check placed it.
#include "VYR_NumIO/VYR_NumIO.h"

#include <algorithm>
#include <cmath>
#include <typeinfo>
#include <utility>

#include "companion/basepack/VYR_stringl.h"
#include "companion/basepack/VYR_univconst.h"
#include "platform/Streaming.h"
#include "platform/SysUtils.h"
#include "platform/WinapiMessages.h"

namespace vyr {

using vcl::String;

TNumIO::TNumIO(vcl::TComponent* AOwner) : vcl::TCustomEdit(AOwner) {
  if (ComponentState().Contains(vcl::csDesigning)) {
    FMinimum = -uc_MaxDouble;
    FMaximum = uc_MaxDouble;
  }
}

TNumIO::~TNumIO() = default;

// ---------------------------------------------------------------- properties

void TNumIO::SetInputFormat(TInFormat Value) {
  if (FInFormat == Value) return;
  FInFormat = Value;
  FOldText.clear();
  Change();
}

void TNumIO::SetFixPointDecPlaces(int Value) { FFixPDecPl = std::clamp(Value, 1, 8); }

// While a form file is read the limits are stored as they come (the other
// one may not be read yet); Loaded puts them in order.
void TNumIO::SetRangeLow(double Value) {
  if (std::isnan(Value)) return;
  if (ComponentState().Contains(vcl::csLoading)) {
    FMinimum = Value;
    return;
  }
  if (Value >= FMaximum) {
    FMinimum = FMaximum;
    FMaximum = Value;
  } else {
    FMinimum = Value;
  }
  RangeChanged();
}

void TNumIO::SetRangeHigh(double Value) {
  if (std::isnan(Value)) return;
  if (ComponentState().Contains(vcl::csLoading)) {
    FMaximum = Value;
    return;
  }
  if (Value > FMinimum) {
    FMaximum = Value;
  } else {
    FMaximum = FMinimum;
    FMinimum = Value;
  }
  RangeChanged();
}

void TNumIO::SetDecPlaceSep(TDecPSep Value) {
  if (FDecPSep == Value) return;
  FDecPSep = Value;
  FOldText.clear();
  Change();
}

void TNumIO::RangeChanged() {
  FOldText.clear();
  Change();
}

// ---------------------------------------------------------------- value

bool TNumIO::ConvertNumString(const String& Text, double& Value) const {
  return numio::ConvertEditText(Text, FInFormat, FDecPSep, Value);
}

double TNumIO::Value() const { return numio::ReadEditValue(Text(), FInFormat, FDecPSep); }

// The written text is a number the application chose, so a later refused
// edit goes back to it rather than to an older text.
void TNumIO::SetValue(double Value) {
  String text = numio::WriteEditValue(Value, FInFormat, FFixPDecPl);
  FOldText = text;
  ReplaceText(text, 0);
}

// ---------------------------------------------------------------- the change check

void TNumIO::Change() {
  if (ComponentState().Contains(vcl::csDesigning)) return;
  if (FInternalChg) {
    FInternalChg = false;
    return;
  }
  if (ComponentState().Contains(vcl::csLoading)) return;
  CheckText();
}

// The fixed-point rewrite always writes a point, so in a comma-only mode
// the check also reads the point: otherwise the field would refuse every
// later edit of the text it wrote itself.
bool TNumIO::CheckConvert(const String& T, double& Value) const {
  if (FInFormat == itFixPoint && numio::ResolveReadSep(FDecPSep) == dsComma) {
    return numio::ConvertEditText(T, itFixPoint, dsBoth, Value);
  }
  return ConvertNumString(T, Value);
}

bool TNumIO::InRange(double V) const { return (V >= FMinimum && V <= FMaximum) || V == 0.0; }

void TNumIO::FixPointCaret(const String& T, int& Caret) const {
  int p1 = vcl::Pos(u".", T);
  int p2 = p1 > 0 ? NumberedPos(u".", T, p1 + 1, 1) : 0;
  if (p1 == 0) {
    p1 = vcl::Pos(u".", FOldText);
    if (p1 > 1) Caret = p1 - 1;
  }
  if (p1 < p2 || p1 == 0) Caret = vcl::Pos(u".", FOldText);
}

void TNumIO::CheckText() {
  const String t = Text();
  int caret = SelStart();
  if (FInFormat == itFixPoint) FixPointCaret(t, caret);
  double value = 0.0;
  if (CheckConvert(t, value) && InRange(value)) {
    FOldText = t;
    vcl::TCustomEdit::Change();
    if (FInFormat == itFixPoint) ReplaceText(numio::WriteEditValue(value, itFixPoint, FFixPDecPl), caret);
    return;
  }
  caret = std::max(0, caret - 1);
  Update();
  if (FBeep) vcl::MessageBeep(vcl::MB_OK);
  ReplaceText(FOldText, caret);
}

// The field's own replacement: its change notification is skipped. A text
// that is already there causes no notification, so the flag is only set
// when the text really changes (a flag left set would let the next edit
// of the user pass unchecked).
void TNumIO::ReplaceText(const String& R, int Caret) {
  if (R != Text()) {
    FInternalChg = true;
    SetText(R);
    FInternalChg = false;
  }
  SetSelStart(Caret);
}

void TNumIO::Loaded() {
  vcl::TCustomEdit::Loaded();
  if (FMinimum > FMaximum) std::swap(FMinimum, FMaximum);
  FOldText.clear();
  FInternalChg = false;
  Change();
}

// ---------------------------------------------------------------- assigning

void TNumIO::Assign(vcl::TPersistent* Source) {
  if (auto* other = dynamic_cast<TNumIO*>(Source)) {
    FInFormat = other->FInFormat;
    FBeep = other->FBeep;
    FMinimum = other->FMinimum;
    FMaximum = other->FMaximum;
    FDecPSep = other->FDecPSep;
    return;
  }
  vcl::TCustomEdit::Assign(Source);
}

// Only a TNumIO's Assign takes a TNumIO: handing this field to an ancestor
// class's Assign would come straight back here (endless recursion), so such
// a destination gets the inherited refusal instead.
void TNumIO::AssignTo(vcl::TPersistent* Dest) {
  if (dynamic_cast<TNumIO*>(Dest) != nullptr && vcl::IsInstanceOfClassOf(*this, *Dest)) {
    Dest->Assign(this);
    return;
  }
  vcl::TCustomEdit::AssignTo(Dest);
}

// ---------------------------------------------------------------- form files

namespace {

bool RegisterNumIO() {
  vcl::RegisterEnum<TInFormat>({u"itExp", u"itFloat", u"itFixPoint", u"itInt", u"itHex",
                                u"itOct", u"itBin", u"itDynamic"});
  vcl::RegisterEnum<TDecPSep>({u"dsSystem", u"dsPoint", u"dsComma", u"dsBoth"});
  vcl::RegisterClass<TNumIO, vcl::TCustomEdit>(u"TNumIO")
      .Property(u"AutoSelect", &TNumIO::AutoSelect, &TNumIO::SetAutoSelect, true)
      .Property(u"AutoSize", &TNumIO::AutoSize, &TNumIO::SetAutoSize, true)
      .Property(u"InputFormat", &TNumIO::InputFormat, &TNumIO::SetInputFormat, itDynamic)
      .Property(u"FixPointDecPlaces", &TNumIO::FixPointDecPlaces, &TNumIO::SetFixPointDecPlaces, 2)
      .Property(u"RangeLow", &TNumIO::RangeLow, &TNumIO::SetRangeLow, 0.0)
      .Property(u"RangeHigh", &TNumIO::RangeHigh, &TNumIO::SetRangeHigh, 0.0)
      .Property(u"DecPlaceSep", &TNumIO::DecPlaceSep, &TNumIO::SetDecPlaceSep, dsSystem)
      .Property(u"Beep", &TNumIO::Beep, &TNumIO::SetBeep, false);
  return true;
}

const bool registered = RegisterNumIO();

}  // namespace

}  // namespace vyr
