#include "VYR_NumLab/VYR_NumLab.h"

#include <algorithm>
#include <cmath>

#include "platform/Streaming.h"

namespace vyr {

int NumLabZoneAt(int X, int LeftSpace, int LabelWidth) {
  if (X <= LeftSpace) return 0;
  return X > LeftSpace + LabelWidth ? 2 : 1;
}

int NumLabLeftTextX(vcl::TAlignment Alignment, int LeftSpace, int TextWidth) {
  switch (Alignment) {
    case vcl::taLeftJustify: return 7;
    case vcl::taRightJustify: return LeftSpace - TextWidth - 5;
    default: return (LeftSpace - TextWidth) / 2;
  }
}

int NumLabRightTextX(vcl::TAlignment Alignment, int LeftSpace, int LabelWidth, int Width,
                     int TextWidth) {
  const int r0 = LeftSpace + LabelWidth;
  switch (Alignment) {
    case vcl::taLeftJustify: return r0 + 7;
    case vcl::taRightJustify: return Width - TextWidth - 6;
    default: return (Width - (r0 + TextWidth)) / 2 + r0 + 1;
  }
}

int NumLabValueX(vcl::TAlignment Alignment, int LeftSpace, int LabelWidth, int TextWidth) {
  switch (Alignment) {
    case vcl::taLeftJustify: return LeftSpace + 4;
    case vcl::taRightJustify: return LeftSpace + LabelWidth - TextWidth - 2;
    default: return LeftSpace + (LabelWidth - TextWidth) / 2 + 2;
  }
}

TNumLab::TNumLab(vcl::TComponent* AOwner) : vcl::TGraphicControl(AOwner) {
  SetBounds(Left(), Top(), 160, 28);
}

TNumLab::~TNumLab() = default;

// ---------------------------------------------------------------- properties

void TNumLab::Changed() {
  if (ComponentState().Contains(vcl::csLoading)) return;
  if (FPainting) {
    FRepaintPending = true;
    return;
  }
  // A transparent label's picture is ANDed onto what lies below; painting
  // it again over its last picture would keep stale text, so the parent
  // draws its background first.
  if (FTransParent) {
    Invalidate();
    return;
  }
  Paint();
}

namespace {

// The common setter: ignore an unchanged value, store, repaint.
template <class V>
bool Store(V& Field, const V& Value) {
  if (Field == Value) return false;
  Field = Value;
  return true;
}

}  // namespace

void TNumLab::SetValue(double Value) {
  // NaN never equals itself, so it is compared by its bits' meaning.
  if (FLabValue == Value || (std::isnan(FLabValue) && std::isnan(Value))) return;
  FLabValue = Value;
  Changed();
}

void TNumLab::SetDisplayType(TDisplay Value) {
  if (Store(FDisplayType, Value)) Changed();
}

void TNumLab::SetPrecision(int Value) {
  if (Value < 0) return;
  if (Store(FDecP, std::min(Value, 15))) Changed();
}

void TNumLab::SetComma(bool Value) {
  if (Store(FComma, Value)) Changed();
}

void TNumLab::SetForcePlusSign(bool Value) {
  if (Store(FPlusSign, Value)) Changed();
}

void TNumLab::SetEmpty(bool Value) {
  if (Store(FEmpty, Value)) Changed();
}

void TNumLab::SetLeftSpace(int Value) {
  if (Value < 0) return;
  if (Store(FLeftSpace, std::min(Value, Width()))) Changed();
}

void TNumLab::SetLabelWidth(int Value) {
  if (Store(FLabWidth, Value)) Changed();
}

void TNumLab::SetLeftText(const vcl::String& Value) {
  if (Store(FLeftText, Value)) Changed();
}

void TNumLab::SetRightText(const vcl::String& Value) {
  if (Store(FRightText, Value)) Changed();
}

void TNumLab::SetAlignment(vcl::TAlignment Value) {
  FAlignment = Value;
  Changed();
}

void TNumLab::SetLeftTextAlignment(vcl::TAlignment Value) {
  FLTAlignment = Value;
  Changed();
}

void TNumLab::SetRightTextAlignment(vcl::TAlignment Value) {
  FRTAlignment = Value;
  Changed();
}

void TNumLab::SetOverflowIndicator(const vcl::String& Value) {
  if (Store(FOverFlowIndi, Value)) Changed();
}

void TNumLab::SetStateText(const vcl::String& Value) {
  if (Store(FStateText, Value)) Changed();
}

void TNumLab::SetDTFormat(const vcl::String& Value) {
  if (Store(FDtFormat, Value)) Changed();
}

void TNumLab::SetFrameStyle(TFrameStyle Value) {
  if (Store(FFrameStyle, Value)) Changed();
}

void TNumLab::SetColorScheme(TColorScheme Value) {
  if (!Store(FColorScheme, Value)) return;
  FColGrayLine = Value == csBWG ? vcl::clGray : vcl::clBtnShadow;
  FColWhiteLine = Value == csBWG ? vcl::clWhite : vcl::clBtnHighlight;
  Changed();
}

void TNumLab::SetColorLabText(vcl::TColor Value) {
  FColorLabText = Value;
  Changed();
}

void TNumLab::SetColorLabBakG(vcl::TColor Value) {
  FColorLabBakG = Value;
  Changed();
}

void TNumLab::SetColorOutText(vcl::TColor Value) {
  FColorOutText = Value;
  Changed();
}

void TNumLab::SetColorOutBakG(vcl::TColor Value) {
  FColorOutBakG = Value;
  Changed();
}

void TNumLab::SetTransparent(bool Value) {
  if (!Store(FTransParent, Value)) return;
  if (FTransParent) {
    Invalidate();
  } else {
    Changed();
  }
}

void TNumLab::SetEnabled(bool Value) {
  FEnabled = Value;
  vcl::TGraphicControl::SetEnabled(Value);
  if (!ComponentState().Contains(vcl::csLoading)) Refresh();
}

// ---------------------------------------------------------------- texts

TNumLabFormat TNumLab::Format() const {
  TNumLabFormat f;
  f.DisplayType = FDisplayType;
  f.Precision = FDecP;
  f.Comma = FComma;
  f.PlusSign = FPlusSign;
  f.StateText = FStateText;
  f.DTFormat = FDtFormat;
  f.OverflowIndicator = FOverFlowIndi;
  return f;
}

vcl::String TNumLab::ValueText() const { return NumLabText(FLabValue, Format()); }

// ---------------------------------------------------------------- mouse

void TNumLab::MouseMove(vcl::TShiftState Shift, int X, int Y) {
  FMouseAreaCode = NumLabZoneAt(X, FLeftSpace, FLabWidth);
  vcl::TGraphicControl::MouseMove(Shift, X, Y);
}

// ---------------------------------------------------------------- assigning

void TNumLab::Assign(vcl::TPersistent* Source) {
  auto* other = dynamic_cast<TNumLab*>(Source);
  if (other == nullptr) {
    vcl::TGraphicControl::Assign(Source);
    return;
  }
  FLeftSpace = other->FLeftSpace;
  FEmpty = other->FEmpty;
  FLabWidth = other->FLabWidth;
  FDecP = other->FDecP;
  FLeftText = other->FLeftText;
  FRightText = other->FRightText;
  FFrameStyle = other->FFrameStyle;
  FAlignment = other->FAlignment;
  FRTAlignment = other->FRTAlignment;
  FLTAlignment = other->FLTAlignment;
  FOverFlowIndi = other->FOverFlowIndi;
  FLabValue = other->FLabValue;
  FStateText = other->FStateText;
  FTransParent = other->FTransParent;
  FColorLabBakG = other->FColorLabBakG;
  FColorLabText = other->FColorLabText;
  FColorOutBakG = other->FColorOutBakG;
  FColorOutText = other->FColorOutText;
  FColBlackLine = other->FColBlackLine;
  FColGrayLine = other->FColGrayLine;
  FColWhiteLine = other->FColWhiteLine;
  FColorScheme = other->FColorScheme;
  FDisplayType = other->FDisplayType;
  Changed();
}

// Only a numeric label takes a numeric label's settings; other destinations
// are left to the framework, which refuses them.
void TNumLab::AssignTo(vcl::TPersistent* Dest) {
  if (dynamic_cast<TNumLab*>(Dest) != nullptr) {
    Dest->Assign(this);
    return;
  }
  vcl::TGraphicControl::AssignTo(Dest);
}

// ---------------------------------------------------------------- form files

namespace {

bool RegisterNumLab() {
  vcl::RegisterEnum<TFrameStyle>(
      {u"fsNoFrame", u"fsSimple", u"fsLowered", u"fsRaised", u"fsEtched", u"fsBump"});
  vcl::RegisterEnum<TColorScheme>({u"csBWG", u"csSystem"});
  vcl::RegisterEnum<vcl::TAlignment>({u"taLeftJustify", u"taRightJustify", u"taCenter"});
  vcl::RegisterEnum<vcl::TStyleElement>({u"seFont", u"seClient", u"seBorder"});
  vcl::RegisterClass<TNumLab, vcl::TGraphicControl>(u"TNumLab")
      .Property(u"Value", &TNumLab::Value, &TNumLab::SetValue, 0.0)
      .Enum(u"DisplayType", &TNumLab::DisplayType, &TNumLab::SetDisplayType, dtFixP,
            {u"dtFloat", u"dtFixP", u"dtExp", u"dtHex", u"dtZeroInt", u"dtInt", u"dtDateTime",
             u"dtState", u"dtBin", u"dtOct", u"dtDeg", u"dtDegMin", u"dtDegMinSec", u"dtEEng",
             u"dtEEngNoDP"})
      .Property(u"Precision", &TNumLab::Precision, &TNumLab::SetPrecision, 2)
      .Property(u"Comma", &TNumLab::Comma, &TNumLab::SetComma, false)
      .Property(u"ForcePlusSign", &TNumLab::ForcePlusSign, &TNumLab::SetForcePlusSign, false)
      .Property(u"Empty", &TNumLab::Empty, &TNumLab::SetEmpty, false)
      .Property(u"LeftSpace", &TNumLab::LeftSpace, &TNumLab::SetLeftSpace, 35)
      .Property(u"LabelWidth", &TNumLab::LabelWidth, &TNumLab::SetLabelWidth, 80)
      .Property(u"LeftText", &TNumLab::LeftText, &TNumLab::SetLeftText)
      .Property(u"RightText", &TNumLab::RightText, &TNumLab::SetRightText)
      .Property(u"Alignment", &TNumLab::Alignment, &TNumLab::SetAlignment, vcl::taCenter)
      .Property(u"LeftTextAlignment", &TNumLab::LeftTextAlignment,
                &TNumLab::SetLeftTextAlignment, vcl::taRightJustify)
      .Property(u"RightTextAlignment", &TNumLab::RightTextAlignment,
                &TNumLab::SetRightTextAlignment, vcl::taLeftJustify)
      .Property(u"OverflowIndicator", &TNumLab::OverflowIndicator,
                &TNumLab::SetOverflowIndicator, vcl::String(u"*********"))
      .Property(u"StateText", &TNumLab::StateText, &TNumLab::SetStateText,
                vcl::String(u"undefined"))
      .Property(u"DTFormat", &TNumLab::DTFormat, &TNumLab::SetDTFormat,
                vcl::String(u"mmm-dd, yyyy"))
      .Property(u"FrameStyle", &TNumLab::FrameStyle, &TNumLab::SetFrameStyle, fsLowered)
      .Property(u"ColorScheme", &TNumLab::ColorScheme, &TNumLab::SetColorScheme, csBWG)
      .Color(u"ColorLabText", &TNumLab::ColorLabText, &TNumLab::SetColorLabText, vcl::clBlack)
      .Color(u"ColorLabBakG", &TNumLab::ColorLabBakG, &TNumLab::SetColorLabBakG, vcl::clBtnFace)
      .Color(u"ColorOutText", &TNumLab::ColorOutText, &TNumLab::SetColorOutText, vcl::clBlack)
      .Color(u"ColorOutBakG", &TNumLab::ColorOutBakG, &TNumLab::SetColorOutBakG, vcl::clBtnFace)
      .Property(u"Transparent", &TNumLab::Transparent, &TNumLab::SetTransparent, false)
      .Property(u"StyleElements", &TNumLab::StyleElements, &TNumLab::SetStyleElements,
                vcl::TStyleElements{vcl::seFont, vcl::seClient, vcl::seBorder})
      .Event(u"OnBeforeDisplay");
  return true;
}

const bool registered = RegisterNumLab();

}  // namespace

}  // namespace vyr
