// TProgBar: construction, properties, the increment timer and Assign.
// Painting is in VYR_ProgBarPaint.cpp, form-file registration in
// VYR_ProgBarRegister.cpp.
#include "VYR_ProgBar/VYR_ProgBar.h"

#include <algorithm>

#include "platform/Streaming.h"

namespace vyr {

using namespace progbar;

namespace {
constexpr int MinInterval = 10;
}  // namespace

TProgBar::TProgBar(vcl::TComponent* AOwner)
    : vcl::TGraphicControl(AOwner),
      FBackGround(std::make_unique<vcl::TBitmap>(10, 10)),
      FBuffer(std::make_unique<vcl::TBitmap>()),
      FTimer(this, [this](std::uintptr_t ID) {
        if (ID == TimerID) DoTimer();
      }) {
  FBarColors.front() = 0xFF0000;
  FBarColors.back() = 0x0000FF;
  InterpolateBarColors(FBarColors);
  SetBounds(Left(), Top(), 300, 28);
}

// The timer window, and with it the timer, goes with the bar.
TProgBar::~TProgBar() = default;

// ---------------------------------------------------------------- value and range

void TProgBar::SetValue(double Value) {
  if (FValue == Value) return;
  FValue = Value;
  PaintNow();
}

void TProgBar::SetMin(double Value) {
  if (FMin == Value) return;
  FMin = Value;
  PaintNow();
}

void TProgBar::SetMax(double Value) {
  if (FMax == Value) return;
  FMax = Value;
  PaintNow();
}

void TProgBar::SetRange(double A, double B) {
  FMin = std::min(A, B);
  FMax = std::max(A, B);
  PaintNow();
}

void TProgBar::SetDirection(TDirection Value) {
  if (FDirection == Value) return;
  FDirection = Value;
  PaintNow();
}

int TProgBar::BarLength() const {
  const vcl::TRect inner = InnerRect(Width(), Height(), FMargins);
  return progbar::BarLength(FValue, FMin, FMax, InnerExtent(FDirection, inner));
}

// ---------------------------------------------------------------- automatic increment

void TProgBar::SetAutoInc(bool Value) {
  if (FAutoInc == Value) return;
  FAutoInc = Value;
  if (!Designing()) StartTimer();
}

void TProgBar::SetAutoIncStep(double Value) {
  if (Value == 0 || Value == FAutoIncStep) return;
  FAutoIncStep = Value;
}

void TProgBar::SetStartInterval(int Value) {
  Value = std::max(Value, MinInterval);
  if (FStartInterval == Value) return;
  FStartInterval = Value;
  if (!Designing()) StartTimer();
}

void TProgBar::SetRepeatInterval(int Value) {
  Value = std::max(Value, MinInterval);
  if (FRepeatInterval == Value) return;
  FRepeatInterval = Value;
  if (!Designing()) RestartRepeat();
}

void TProgBar::SetOnAutoInc(vcl::TNotifyEvent Value) {
  FOnAutoInc = std::move(Value);
  if (!Designing()) RestartRepeat();
}

void TProgBar::StartTimer() {
  FFirstTick = true;
  Arm(FStartInterval);
}

void TProgBar::RestartRepeat() {
  FFirstTick = false;
  Arm(FRepeatInterval);
}

// A refused timer leaves the bar without increment, and AutoInc says so.
void TProgBar::Arm(int Interval) {
  FTimer.Stop(TimerID);
  if (Interval <= 0 || !FAutoInc) return;
  if (!FTimer.TryStart(TimerID, static_cast<unsigned>(Interval))) {
    FAutoInc = false;
    throw EVYRProgBar(NoTimerMessage(*this));
  }
}

// The handler runs last, when the bar shows its new value; it may change
// any property, AutoInc included.
void TProgBar::DoTimer() {
  if (FFirstTick) RestartRepeat();
  SetValue(FValue + FAutoIncStep);
  if (FOnAutoInc) FOnAutoInc(this);
}

// ---------------------------------------------------------------- colors

void TProgBar::SetColorMin(vcl::TColor Value) {
  FBarColors.front() = Value;
  InterpolateBarColors(FBarColors);
  FPixelTableValid = false;
  PaintNow();
}

void TProgBar::SetColorMax(vcl::TColor Value) {
  FBarColors.back() = Value;
  InterpolateBarColors(FBarColors);
  FPixelTableValid = false;
  PaintNow();
}

vcl::TColor TProgBar::BarColors(int Ix) const {
  if (Ix < 0 || Ix > LastBarColor) return vcl::clBlack;
  return FBarColors[static_cast<std::size_t>(Ix)];
}

void TProgBar::SetBarColors(int Ix, vcl::TColor Value) {
  if (Ix < 0 || Ix > LastBarColor) return;
  FBarColors[static_cast<std::size_t>(Ix)] = Value;
  FPixelTableValid = false;
}

void TProgBar::SetColorMapMode(TColorMapping Value) {
  if (FColorMapMode == Value) return;
  FColorMapMode = Value;
  PaintNow();
}

void TProgBar::SetShowColorGradient(bool Value) {
  if (FShowColorGradient == Value) return;
  FShowColorGradient = Value;
  PaintNow();
}

void TProgBar::SetColorBackGnd(vcl::TColor Value) {
  if (FColorBackGnd == Value) return;
  FColorBackGnd = Value;
  PaintNow();
}

void TProgBar::SetColorMargin(vcl::TColor Value) {
  if (FColorMargin == Value) return;
  FColorMargin = Value;
  PaintNow();
}

void TProgBar::SetColorGrid(vcl::TColor Value) {
  if (FColorGrid == Value) return;
  FColorGrid = Value;
  PaintNow();
}

void TProgBar::SetGridDist(int Value) {
  if (FGridDist == Value) return;
  FGridDist = Value;
  PaintNow();
}

void TProgBar::SetColorScheme(TColorScheme Value) {
  if (FColorScheme == Value) return;
  FColorScheme = Value;
  SetLineColors();
  PaintNow();
}

void TProgBar::SetLineColors() {
  FColorGray = FColorScheme == csBWG ? vcl::TColor{0x808080} : vcl::clBtnShadow;
  FColorWhite = FColorScheme == csBWG ? vcl::TColor{0xFFFFFF} : vcl::clBtnHighlight;
}

// ---------------------------------------------------------------- frames, margins, picture

void TProgBar::SetFrameStyleOuter(TFrameStyle Value) {
  if (FFrameStyleOuter == Value) return;
  FFrameStyleOuter = Value;
  PaintNow();
}

void TProgBar::SetFrameStyleInner(TFrameStyle Value) {
  if (FFrameStyleInner == Value) return;
  FFrameStyleInner = Value;
  PaintNow();
}

void TProgBar::SetMargin(int& Field, int Value) {
  if (Field == Value) return;
  Field = Value;
  PaintNow();
}

// The picture is loaded into a bitmap of its own first, so that a file that
// cannot be read leaves the old picture and name as they were.
void TProgBar::SetBackGroundImg(const vcl::String& Value) {
  if (Value.empty()) {
    FBackGroundImg.clear();
  } else {
    try {
      FBackGround->LoadFromFile(Value);
      FBackGroundImg = Value;
    } catch (const vcl::Exception&) {
    }
  }
  PaintNow();
}

// ---------------------------------------------------------------- text

void TProgBar::SetTextVisible(bool Value) {
  FTextVisible = Value;
  PaintNow();
}

void TProgBar::SetTextPosX(int Value) {
  FTextPosX = std::clamp(Value, 0, std::max(0, Width()));
  PaintNow();
}

void TProgBar::SetTextPosY(int Value) {
  FTextPosY = std::clamp(Value, 0, std::max(0, Height()));
  PaintNow();
}

void TProgBar::SetTextDecPlaces(int Value) {
  FTextDecPlaces = std::clamp(Value, -2, 10);
  PaintNow();
}

void TProgBar::SetTextAngle(int Value) {
  FTextAngle = std::clamp(Value, 0, 360);
  FTextFontValid = false;
  PaintNow();
}

void TProgBar::SetTextAlignment(vcl::TAlignment Value) {
  if (FTextAlignment == Value) return;
  FTextAlignment = Value;
  PaintNow();
}

void TProgBar::CMFontChanged(vcl::TMessage& Message) {
  FTextFontValid = false;
  vcl::TGraphicControl::CMFontChanged(Message);
}

void TProgBar::SizeChanged(int DeltaWidth, int DeltaHeight) {
  vcl::TGraphicControl::SizeChanged(DeltaWidth, DeltaHeight);
  PaintNow();
}

// ---------------------------------------------------------------- assign

void TProgBar::Assign(vcl::TPersistent* Source) {
  auto* other = dynamic_cast<TProgBar*>(Source);
  if (other == nullptr) {
    vcl::TGraphicControl::Assign(Source);
    return;
  }
  if (other == this) return;
  FBackGround->Assign(other->FBackGround.get());  // the one step that can fail
  FFrameStyleOuter = other->FFrameStyleOuter;
  FFrameStyleInner = other->FFrameStyleInner;
  FValue = other->FValue;
  FMin = other->FMin;
  FMax = other->FMax;
  FColorMargin = other->FColorMargin;
  FColorBlack = other->FColorBlack;
  FColorGray = other->FColorGray;
  FColorWhite = other->FColorWhite;
  FColorScheme = other->FColorScheme;
  FDirection = other->FDirection;
  FBarColors = other->FBarColors;
  FPixelTableValid = false;
  FColorBackGnd = other->FColorBackGnd;
  FShowColorGradient = other->FShowColorGradient;
  FColorGrid = other->FColorGrid;
  FGridDist = other->FGridDist;
  FColorMapMode = other->FColorMapMode;
  FMargins = other->FMargins;
  FBackGroundImg = other->FBackGroundImg;
  FTextPosX = other->FTextPosX;
  FTextPosY = other->FTextPosY;
  FTextDecPlaces = other->FTextDecPlaces;
  FTextAngle = other->FTextAngle;
  FTextFontValid = false;
  FTextAlignment = other->FTextAlignment;
  FOnShowValue = other->FOnShowValue;
  FTextVisible = other->FTextVisible;
  PaintNow();
}

// Only a progress bar's Assign takes a progress bar: handing this bar to an
// ancestor class's Assign would come straight back here.
void TProgBar::AssignTo(vcl::TPersistent* Dest) {
  if (dynamic_cast<TProgBar*>(Dest) != nullptr && vcl::IsInstanceOfClassOf(*this, *Dest)) {
    Dest->Assign(this);
    return;
  }
  vcl::TGraphicControl::AssignTo(Dest);
}

}  // namespace vyr
