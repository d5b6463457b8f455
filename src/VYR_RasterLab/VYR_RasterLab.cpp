#include "VYR_RasterLab/VYR_RasterLab.h"

#include <algorithm>
#include <cstdlib>

#include "platform/Streaming.h"

namespace vyr {

TRasterLab::TRasterLab(vcl::TComponent* AOwner)
    : vcl::TGraphicControl(AOwner), FTimer(this, [this](std::uintptr_t ID) {
        if (ID == TimerID) DoTimer();
      }) {
  SetControlStyle(ControlStyle() << vcl::csOpaque);
  vcl::TControl::SetText(FLabText);
  SetBounds(Left(), Top(), 400, 68);
  Font()->SetName(u"default");
  Font()->SetSize(8);
  FCMat = CreateBitFont(Font());
}

// The timer window, and with it the scroll timer, goes with the label.
TRasterLab::~TRasterLab() = default;

// ---------------------------------------------------------------- properties

void TRasterLab::PaintNow() {
  if (!ComponentState().Contains(vcl::csLoading)) Paint();
}

void TRasterLab::Relayout() {
  if (FAutoHeight) AdjustAutoHeight();
  if (FAutoCenter) AdjustAutoCenter();
}

void TRasterLab::SetText(const vcl::String& Value) {
  if (FLabText == Value) return;
  FLabText = Value;
  vcl::TControl::SetText(Value);
  if (FAutoCenter) AdjustAutoCenter();
  PaintNow();
}

void TRasterLab::SetDotSize(int Value) {
  Value = std::clamp(Value, 1, 32);
  if (FDotSize == Value) return;
  FDotSize = Value;
  Relayout();
  PaintNow();
}

void TRasterLab::SetDotSpacing(int Value) {
  Value = std::clamp(Value, 0, 3);
  if (FDotSpacing == Value) return;
  FDotSpacing = Value;
  Relayout();
  PaintNow();
}

void TRasterLab::SetPosX(int Value) {
  if (FXPos == Value) return;
  FXPos = Value;
  PaintNow();
}

void TRasterLab::SetPosY(int Value) {
  if (FYPos == Value) return;
  FYPos = Value;
  PaintNow();
}

void TRasterLab::SetProportional(bool Value) {
  if (FProportional == Value) return;
  FProportional = Value;
  PaintNow();
}

void TRasterLab::SetCharBlockMode(TRDBlockMode Value) {
  if (FCharBlockMode == Value) return;
  FCharBlockMode = Value;
  PaintNow();
}

void TRasterLab::SetAutoHeight(bool Value) {
  if (FAutoHeight == Value) return;
  FAutoHeight = Value;
  if (FAutoHeight) AdjustAutoHeight();
  PaintNow();
}

void TRasterLab::SetAutoCenter(bool Value) {
  if (FAutoCenter == Value) return;
  FAutoCenter = Value;
  if (FAutoCenter) {
    AdjustAutoCenter();
  } else {
    FXPos = 1;
  }
  PaintNow();
}

void TRasterLab::SetColorDotOn(vcl::TColor Value) {
  if (FColorDotOn == Value) return;
  FColorDotOn = Value;
  PaintNow();
}

void TRasterLab::SetColorDotOff(vcl::TColor Value) {
  if (FColorDotOff == Value) return;
  FColorDotOff = Value;
  PaintNow();
}

void TRasterLab::SetColorLabBakG(vcl::TColor Value) {
  if (FColorLabBakG == Value) return;
  FColorLabBakG = Value;
  PaintNow();
}

void TRasterLab::SetFrameStyle(TFrameStyle Value) {
  if (FFrameStyle == Value) return;
  FFrameStyle = Value;
  PaintNow();
}

void TRasterLab::SetColorScheme(TColorScheme Value) {
  if (FColorScheme == Value) return;
  FColorScheme = Value;
  FColGrayLine = Value == csBWG ? vcl::clGray : vcl::clBtnShadow;
  FColWhiteLine = Value == csBWG ? vcl::clWhite : vcl::clBtnHighlight;
  PaintNow();
}

void TRasterLab::SetCharMatrix(const TRDCharMatrix& Value) {
  FCMat = Value;
  Relayout();
  PaintNow();
}

// ---------------------------------------------------------------- layout

void TRasterLab::AdjustAutoHeight() { SetHeight(FrameWidth() + Pitch() * FCMat.FontHeight); }

void TRasterLab::AdjustAutoCenter() {
  FXPos = (Width() - CalcTextBitLength(FLabText)) / 2 + FrameWidth() + 1;
}

void TRasterLab::FontChanged() {
  FCMat = CreateBitFont(Font());
  Relayout();
  PaintNow();
}

void TRasterLab::CMFontChanged(vcl::TMessage& Message) {
  vcl::TGraphicControl::CMFontChanged(Message);
  FontChanged();
}

void TRasterLab::MouseMove(vcl::TShiftState Shift, int X, int Y) {
  vcl::TGraphicControl::MouseMove(Shift, X, Y);
}

// ---------------------------------------------------------------- scrolling

void TRasterLab::SetScrollMode(TRDScrollMode Value) {
  if (FScrollMode == Value) return;
  FScrollMode = Value;
  if (Designing()) return;
  FScrTimerEnabled = FScrollMode != rdsmOff;
  UpdateTimer();
  if (FScrollMode == rdsmOff) {
    FScrollPosX = 0;
    FScrollPosY = 0;
    PaintNow();
  }
}

void TRasterLab::SetScrollInterval(int Value) {
  Value = std::max(Value, 10);
  if (FScrollIv == Value) return;
  FScrollIv = Value;
  UpdateTimer();
}

void TRasterLab::SetScrollIncrement(int Value) {
  Value = Value == 0 ? 1 : std::abs(Value);
  if (FScrollInc == Value) return;
  FScrollInc = Value;
  UpdateTimer();
}

void TRasterLab::SetScrollLoop(bool Value) {
  FScrollLoop = Value;
  PaintNow();
}

void TRasterLab::SetOnScrollTimer(vcl::TNotifyEvent Value) {
  FOnScrollTimer = std::move(Value);
  UpdateTimer();
}

// A refused timer leaves the label standing (the flag says the timer does
// not run) and raises the error.
void TRasterLab::UpdateTimer() {
  FTimer.Stop(TimerID);
  if (FScrollIv <= 0 || FScrollMode == rdsmOff || !FScrTimerEnabled) return;
  if (!FTimer.TryStart(TimerID, static_cast<unsigned>(FScrollIv))) {
    FScrTimerEnabled = false;
    throw EVYRRasterLabError(NoTimerMessage(*this));
  }
}

void TRasterLab::StepRight() {
  FScrollPosX += FScrollInc;
  if (FScrollLoop && FScrollPosX > Width()) {
    FScrollPosX = -FTextBitLength;
    DoScrLoopRestart();
  }
}

void TRasterLab::StepLeft() {
  FScrollPosX -= FScrollInc;
  if (FScrollLoop && FScrollPosX < -FTextBitLength) {
    FScrollPosX = Width();
    DoScrLoopRestart();
  }
}

void TRasterLab::StepDown() {
  FScrollPosY += FScrollInc;
  if (FScrollLoop && FScrollPosY > Height()) {
    FScrollPosY = -Pitch() * FCMat.FontHeight;
    DoScrLoopRestart();
  }
}

void TRasterLab::StepUp() {
  FScrollPosY -= FScrollInc;
  if (FScrollLoop && FScrollPosY < -Pitch() * FCMat.FontHeight) {
    FScrollPosY = Height();
    DoScrLoopRestart();
  }
}

void TRasterLab::ScrollTimerEvent() {
  switch (FScrollMode) {
    case rdsmOff:
      FScrTimerEnabled = false;
      FScrollPosX = 0;
      FScrollPosY = 0;
      break;
    case rdsmRight: StepRight(); break;
    case rdsmLeft: StepLeft(); break;
    case rdsmDown: StepDown(); break;
    case rdsmUp: StepUp(); break;
  }
  PaintNow();
}

void TRasterLab::DoTimer() {
  ScrollTimerEvent();
  if (FOnScrollTimer) FOnScrollTimer(this);
}

void TRasterLab::DoScrLoopRestart() {
  if (FOnScrLoopRestart) FOnScrLoopRestart(this);
}

// ---------------------------------------------------------------- assigning

void TRasterLab::Assign(vcl::TPersistent* Source) {
  auto* other = dynamic_cast<TRasterLab*>(Source);
  if (other == nullptr) {
    vcl::TGraphicControl::Assign(Source);
    return;
  }
  FFrameStyle = other->FFrameStyle;
  FLabText = other->FLabText;
  vcl::TControl::SetText(FLabText);
  FColorLabBakG = other->FColorLabBakG;
  FColorDotOn = other->FColorDotOn;
  FColorDotOff = other->FColorDotOff;
  FColBlackLine = other->FColBlackLine;
  FColGrayLine = other->FColGrayLine;
  FColWhiteLine = other->FColWhiteLine;
  FColorScheme = other->FColorScheme;
  PaintNow();
}

// Only a raster label takes a raster label's settings; other destinations
// are left to the framework, which refuses them.
void TRasterLab::AssignTo(vcl::TPersistent* Dest) {
  if (dynamic_cast<TRasterLab*>(Dest) != nullptr) {
    Dest->Assign(this);
    return;
  }
  vcl::TGraphicControl::AssignTo(Dest);
}

// ---------------------------------------------------------------- form files

namespace {

// The label's font is written when it is its own and differs from the
// built-in one a new label starts with.
bool FontStored(TRasterLab& L) {
  if (L.ParentFont()) return false;
  vcl::TFont initial;
  initial.SetName(u"default");
  initial.SetSize(8);
  const vcl::TFont& f = *L.Font();
  return !(f.Name() == initial.Name() && f.Height() == initial.Height() &&
           f.Color() == initial.Color() && f.Style() == initial.Style() &&
           f.Orientation() == initial.Orientation() && f.Quality() == initial.Quality() &&
           f.Pitch() == initial.Pitch() && f.Charset() == initial.Charset());
}

bool RegisterRasterLab() {
  vcl::RegisterEnum<TFrameStyle>(
      {u"fsNoFrame", u"fsSimple", u"fsLowered", u"fsRaised", u"fsEtched", u"fsBump"});
  vcl::RegisterEnum<TColorScheme>({u"csBWG", u"csSystem"});
  vcl::RegisterEnum<vcl::TStyleElement>({u"seFont", u"seClient", u"seBorder"});
  vcl::RegisterClass<TRasterLab, vcl::TGraphicControl>(u"TRasterLab")
      .Nested(u"Font", [](TRasterLab& L) { return L.Font(); })
      .Stored(FontStored)
      .Property(u"ParentFont", &TRasterLab::ParentFont, &TRasterLab::SetParentFont, false)
      .Property(u"Text", &TRasterLab::Text, &TRasterLab::SetText, vcl::String(u"Text"))
      .Property(u"DotSize", &TRasterLab::DotSize, &TRasterLab::SetDotSize, 3)
      .Property(u"DotSpacing", &TRasterLab::DotSpacing, &TRasterLab::SetDotSpacing, 1)
      .Property(u"PosX", &TRasterLab::PosX, &TRasterLab::SetPosX, 1)
      .Property(u"PosY", &TRasterLab::PosY, &TRasterLab::SetPosY, 1)
      .Property(u"Proportional", &TRasterLab::Proportional, &TRasterLab::SetProportional, true)
      .Enum(u"CharBlockMode", &TRasterLab::CharBlockMode, &TRasterLab::SetCharBlockMode, rdbmOn,
            {u"rdbmOff", u"rdbmOn", u"rdbmRaster"})
      .Property(u"AutoHeight", &TRasterLab::AutoHeight, &TRasterLab::SetAutoHeight, false)
      .Property(u"AutoCenter", &TRasterLab::AutoCenter, &TRasterLab::SetAutoCenter, false)
      .Color(u"ColorDotOn", &TRasterLab::ColorDotOn, &TRasterLab::SetColorDotOn, 0x00FF00)
      .Color(u"ColorDotOff", &TRasterLab::ColorDotOff, &TRasterLab::SetColorDotOff, 0x404040)
      .Color(u"ColorLabBakG", &TRasterLab::ColorLabBakG, &TRasterLab::SetColorLabBakG,
             vcl::clBlack)
      .Property(u"FrameStyle", &TRasterLab::FrameStyle, &TRasterLab::SetFrameStyle, fsLowered)
      .Property(u"ColorScheme", &TRasterLab::ColorScheme, &TRasterLab::SetColorScheme, csBWG)
      .Enum(u"ScrollMode", &TRasterLab::ScrollMode, &TRasterLab::SetScrollMode, rdsmOff,
            {u"rdsmOff", u"rdsmLeft", u"rdsmRight", u"rdsmDown", u"rdsmUp"})
      .Property(u"ScrollInterval", &TRasterLab::ScrollInterval, &TRasterLab::SetScrollInterval,
                100)
      .Property(u"ScrollIncrement", &TRasterLab::ScrollIncrement,
                &TRasterLab::SetScrollIncrement, 1)
      .Property(u"ScrollLoop", &TRasterLab::ScrollLoop, &TRasterLab::SetScrollLoop, true)
      .Property(u"StyleElements", &TRasterLab::StyleElements, &TRasterLab::SetStyleElements,
                vcl::TStyleElements{vcl::seFont, vcl::seClient, vcl::seBorder})
      .Event(u"OnScrollTimer")
      .Event(u"OnScrollLoopRestart");
  return true;
}

const bool registered = RegisterRasterLab();

}  // namespace

}  // namespace vyr
