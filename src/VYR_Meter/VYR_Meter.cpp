// The meter: construction, the setters of what it shows, images, layout,
// loading and the geometry queries.
#include "VYR_Meter/VYR_Meter.h"

#include <algorithm>
#include <cmath>

#include "platform/SysUtils.h"

namespace vyr {

namespace {

void InitNeedle(TNeedleLayout& L, bool Visible) {
  L.SetHeadSize(20);
  L.SetHeadAngle(30);
  L.SetHeadMidLeng(20);
  L.SetThickness(0);
  L.SetColorBody(vcl::clSilver);
  L.SetColorOutline(vcl::clBlack);
  L.SetPercentNeedleLength(100);
  L.SetShadowDx(0);
  L.SetShadowDy(0);
  L.SetShadowColor(vcl::clGray);
  L.SetVisible(Visible);
  L.KeepAsDefaults();
}

// The mask of an anchor image: white where the image is black (those
// pixels let the face show through), black elsewhere.
std::unique_ptr<vcl::TBitmap> MaskOf(vcl::TBitmap& Image) {
  auto mask = std::make_unique<vcl::TBitmap>(Image.Width(), Image.Height());
  for (int y = 0; y < Image.Height(); ++y) {
    const std::uint32_t* from = Image.ScanLine(y);
    std::uint32_t* to = mask->ScanLine(y);
    for (int x = 0; x < Image.Width(); ++x) to[x] = (from[x] & 0xFFFFFFu) == 0 ? 0xFFFFFFu : 0u;
  }
  return mask;
}

}  // namespace

TMeter::TMeter(vcl::TComponent* AOwner)
    : vcl::TGraphicControl(AOwner),
      FBkgImage(std::make_unique<vcl::TBitmap>(10, 10)),
      FAnchorBmp(std::make_unique<vcl::TBitmap>(10, 10)),
      FAnchorMask(std::make_unique<vcl::TBitmap>(10, 10)),
      FScaleBmp(std::make_unique<vcl::TBitmap>()),
      FFrameBmp(std::make_unique<vcl::TBitmap>()) {
  // The caption is a unit text, not the component's name.
  SetControlStyle(ControlStyle() >> vcl::csSetCaption);
  FFontCaption.Assign(Font());
  FFontCaption.SetOnChange([this](vcl::TObject*) {
    SceneChanged();
    RepaintAll();
  });
  InitNeedle(FNeedleLayout, true);
  InitNeedle(FNeedleLayoutSec, false);
  FNeedleLayout.SetOnChange([this](vcl::TObject*) { RepaintAll(); });
  FNeedleLayoutSec.SetOnChange([this](vcl::TObject*) { RepaintAll(); });
  SetBounds(Left(), Top(), 297, 209);
}

TMeter::~TMeter() {
  FFontCaption.SetOnChange(nullptr);
  FNeedleLayout.SetOnChange(nullptr);
  FNeedleLayoutSec.SetOnChange(nullptr);
}

// ---------------------------------------------------------------- repainting

void TMeter::RepaintAll() {
  if (Loading()) return;
  Invalidate();
  Update();
}

template <class V>
void TMeter::ChangeAndRepaint(V& Field, V Value) {
  if (Field == Value) return;
  Field = Value;
  RepaintAll();
}

void TMeter::Relayout() { FGeometry = meter::LayoutGeometry(FMeterLayout, Width(), Height(), FRims); }

void TMeter::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  vcl::TGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  Relayout();
}

// ---------------------------------------------------------------- scale

void TMeter::SetMeterLayout(TMeterLayout Value) {
  if (FMeterLayout == Value) return;
  FMeterLayout = Value;
  Relayout();
  RepaintAll();
}

void TMeter::SetMeterDecPlaces(int Value) { ChangeAndRepaint(FMeterDecPlaces, std::clamp(Value, 0, 4)); }
void TMeter::SetMeterNrTicks(int Value) { ChangeAndRepaint(FMeterNrTicks, std::clamp(Value, 2, 21)); }
void TMeter::SetMeterShortTicks(bool Value) { ChangeAndRepaint(FMeterShortTicks, Value); }
void TMeter::SetMeterScaleLine(bool Value) { ChangeAndRepaint(FMeterScaleLine, Value); }

void TMeter::SetScaleVisible(bool Value) {
  FScaleVisible = Value;
  RepaintAll();
}

void TMeter::SetScaleBkVisible(bool Value) {
  FScaleBkVisible = Value;
  RepaintAll();
}

void TMeter::SetScaleBkWidth(double Value) {
  if (std::isnan(Value)) return;
  FScaleBkWidth = std::clamp(Value, 0.0, 100.0);
  RepaintAll();
}

// ---------------------------------------------------------------- colors, frame, rims

void TMeter::SetColorScale(vcl::TColor Value) { ChangeAndRepaint(FColorScale, Value); }
void TMeter::SetColorSclBkLow(vcl::TColor Value) { ChangeAndRepaint(FColorSclBkLow, Value); }
void TMeter::SetColorSclBkNorm(vcl::TColor Value) { ChangeAndRepaint(FColorSclBkNorm, Value); }
void TMeter::SetColorSclBkHigh(vcl::TColor Value) { ChangeAndRepaint(FColorSclBkHigh, Value); }
void TMeter::SetColorBakG(vcl::TColor Value) { ChangeAndRepaint(FColorBakG, Value); }
void TMeter::SetColorCover(vcl::TColor Value) { ChangeAndRepaint(FColorCover, Value); }
void TMeter::SetFrameStyle(TFrameStyle Value) { ChangeAndRepaint(FFrameStyle, Value); }

void TMeter::SetColorScheme(TColorScheme Value) {
  if (FColorScheme == Value) return;
  FColorScheme = Value;
  FColorGray = Value == csBWG ? vcl::TColor{0x808080} : vcl::clBtnShadow;
  FColorWhite = Value == csBWG ? vcl::TColor{0xFFFFFF} : vcl::clBtnHighlight;
  RepaintAll();
}

// The arc is laid out again at once, so that a meter shows the same
// picture however its rims came to be (set late, or read from a file in
// any order).
void TMeter::SetRim(int& Rim, int Value) {
  if (Rim == Value) return;
  Rim = Value;
  Relayout();
  RepaintAll();
}

void TMeter::SetRimTop(int Value) { SetRim(FRims.Top, Value); }
void TMeter::SetRimBottom(int Value) { SetRim(FRims.Bottom, Value); }
void TMeter::SetRimSide(int Value) { SetRim(FRims.Side, Value); }

// ---------------------------------------------------------------- needles, anchor, lamps

void TMeter::SetAnchorCovered(bool Value) { ChangeAndRepaint(FAnchorCovered, Value); }
void TMeter::SetAnchorSize(int Value) { ChangeAndRepaint(FAnchorSize, Value); }
void TMeter::SetLimWatchHighOn(bool Value) { ChangeAndRepaint(FLimWatchHighOn, Value); }
void TMeter::SetLimWatchLowOn(bool Value) { ChangeAndRepaint(FLimWatchLowOn, Value); }
void TMeter::SetLimWatchActColor(vcl::TColor Value) { ChangeAndRepaint(FLimWatchActColor, Value); }
void TMeter::SetLimWatchPsvColor(vcl::TColor Value) { ChangeAndRepaint(FLimWatchPsvColor, Value); }

void TMeter::SetOnBeforeDrawScaleLabel(TmtBeforeDrawScaleLabelEvent Value) {
  FOnBeforeDrawScaleLabel = std::move(Value);
  // Labels a former handler changed must not stay in the scale bitmap.
  FScaleKey.reset();
}

// ---------------------------------------------------------------- text and fonts

void TMeter::CMFontChanged(vcl::TMessage& Message) {
  vcl::TGraphicControl::CMFontChanged(Message);
  SceneChanged();
  RepaintAll();
}

void TMeter::CMTextChanged(vcl::TMessage& Message) {
  vcl::TGraphicControl::CMTextChanged(Message);
  RepaintAll();
}

// ---------------------------------------------------------------- images

void TMeter::SetBkgndFillMode(TBkgFill Value) {
  FBkgndFillMode = Value;
  RepaintAll();
}

// A missing file clears the name; an unreadable one raises and leaves the
// name and the image as they were.
void TMeter::SetBackGroundImg(const vcl::String& Value) {
  if (Loading()) {
    FBackGroundImg = Value;
    return;
  }
  ReadBackground(vcl::String(Value));
  RepaintAll();
}

void TMeter::ReadBackground(const vcl::String& FileName) {
  if (FileName.empty() || !vcl::FileExists(FileName)) {
    FBackGroundImg.clear();
  } else {
    auto image = std::make_unique<vcl::TBitmap>();
    image->LoadFromFile(FileName);
    FBkgImage = std::move(image);
    FBackGroundImg = FileName;
  }
  SceneChanged();
}

bool TMeter::LoadBackground(const vcl::String& FileName) {
  try {
    ReadBackground(FileName);
  } catch (const vcl::Exception&) {
    FBackGroundImg.clear();
    SceneChanged();
    return false;
  }
  return true;
}

void TMeter::SetAnchorImage(const vcl::String& Value) {
  if (Loading()) {
    FAnchorImage = Value;
    return;
  }
  LoadAnchor(vcl::String(Value));
  RepaintAll();
}

bool TMeter::LoadAnchor(const vcl::String& FileName) {
  FAnchorImage.clear();
  if (FileName.empty() || !vcl::FileExists(FileName)) return false;
  try {
    auto image = std::make_unique<vcl::TBitmap>();
    image->LoadFromFile(FileName);
    FAnchorMask = MaskOf(*image);
    FAnchorBmp = std::move(image);
  } catch (const vcl::Exception&) {
    return false;
  }
  FAnchorImage = FileName;
  return true;
}

// ---------------------------------------------------------------- loading

void TMeter::Loaded() {
  vcl::TGraphicControl::Loaded();
  FValue = ClampToScale(FValue);
  FValueSec = ClampToScale(FValueSec);
  LoadBackground(vcl::String(FBackGroundImg));
  LoadAnchor(vcl::String(FAnchorImage));
  Relayout();
  RepaintAll();
}

// ---------------------------------------------------------------- geometry and mouse

double TMeter::CalcNeedleAngle(double Value) const {
  return meter::NeedleAngleOf(FGeometry, meter::ValueToFraction(ScaleRange(), Value));
}

void TMeter::ConvertToPixelCoords(double Value, double PctRadius, int& X, int& Y) const {
  const vcl::TPoint p =
      meter::PointAt(FGeometry, -90.0 - CalcNeedleAngle(Value), PctRadius / 100.0 * FGeometry.Radius);
  X = p.X;
  Y = p.Y;
}

bool TMeter::ConvertPixelToValue(int XPos, int YPos, double& MeterValue) const {
  return meter::PixelToValue(FGeometry, ScaleRange(), XPos, YPos, MeterValue);
}

void TMeter::WMMouseMove(vcl::TWMMouse& Message) {
  vcl::TGraphicControl::WMMouseMove(Message);
  if (!FOnMouseMoveInMeter) return;
  double value = 0;
  const bool within = ConvertPixelToValue(Message.XPos, Message.YPos, value);
  FOnMouseMoveInMeter(this, within, vcl::KeysToShiftState(Message.Keys), value);
}

vcl::TRect TMeter::LowLampRect() const {
  return {FRims.Side + 8, FRims.Top + 8, FRims.Side + 18, FRims.Top + 18};
}

vcl::TRect TMeter::HighLampRect() const {
  const int w = Width();
  return {w - FRims.Side - 18, FRims.Top + 8, w - FRims.Side - 8, FRims.Top + 18};
}

}  // namespace vyr
