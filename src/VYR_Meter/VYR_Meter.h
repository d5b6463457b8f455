// The analog meter: a circular scale with ticks, labels and colored bands,
// a caption, one or two needles, a cover with rims, an anchor over the
// needle's pivot, two limit lamps and a frame.
//
// Painting composes the picture off screen and copies it in one step. The
// scale (background, bands, arc, ticks, labels, caption) is kept in a bitmap
// of its own and drawn again only when something it shows changes; a value
// change repaints only the needles' old and new area (and the lamps when an
// alarm changed). Geometry lives in VYR_MeterGeometry.h.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "VYR_Meter/VYR_MeterGeometry.h"
#include "companion/basepack/VYR_vyrbase.h"
#include "platform/Controls.h"

namespace vyr {

// Called before each scale label is drawn: the handler may change or empty
// the text (empty: no label); (ChartX, ChartY) is the label's top-left corner.
using TmtBeforeDrawScaleLabelEvent =
    std::function<void(vcl::TObject* Sender, vcl::TCanvas* Canvas, vcl::String& CurrentTickLabel,
                       int ChartX, int ChartY)>;
// The mouse moved over the meter: the value under it, WithinRange false
// (and MeterValue 0) outside the arc's directions.
using TMouseMoveInMeterEvent = std::function<void(vcl::TObject* Sender, bool WithinRange,
                                                  vcl::TShiftState Shift, double MeterValue)>;
// Called before the main needle is drawn; a handler that draws its own sets
// NeedleDrawn.
using TBeforeDrawNeedleEvent =
    std::function<void(vcl::TObject* Sender, vcl::TCanvas* Canvas, bool& NeedleDrawn)>;
// Called when the picture is complete but for the outer frame.
using TMeterRenderedEvent = std::function<void(vcl::TObject* Sender, vcl::TCanvas* Canvas)>;

// The settings of one needle's look, as TNeedleLayout holds them.
struct TNeedleSettings {
  int HeadSize = 0;
  int HeadAngle = 0;
  int HeadMidLeng = 0;
  int Thickness = 0;
  vcl::TColor ColorBody = 0;
  vcl::TColor ColorOutline = 0;
  int PercentNeedleLength = 0;
  int ShadowDx = 0;
  int ShadowDy = 0;
  vcl::TColor ShadowColor = 0;
  bool Visible = false;
  friend bool operator==(const TNeedleSettings&, const TNeedleSettings&) = default;
};

// The look of one needle. A fresh layout is all zero; the meter gives its
// two layouts their defaults and keeps them as the layouts' Defaults, which
// a form file need not store. Every setter ignores an unchanged value and
// otherwise fires OnChange.
class TNeedleLayout : public vcl::TPersistent {
 public:
  TNeedleLayout() = default;

  // Length of the two barbs of the arrow head.
  int HeadSize() const { return FSet.HeadSize; }
  void SetHeadSize(int Value);
  // Full opening angle of the head in degrees, 0..180.
  int HeadAngle() const { return FSet.HeadAngle; }
  void SetHeadAngle(int Value);
  // Distance from the tip back to the neck of the body.
  int HeadMidLeng() const { return FSet.HeadMidLeng; }
  void SetHeadMidLeng(int Value);
  // Width of the body in pixels; 0 draws the body as a line.
  int Thickness() const { return FSet.Thickness; }
  void SetThickness(int Value);
  vcl::TColor ColorBody() const { return FSet.ColorBody; }
  void SetColorBody(vcl::TColor Value);
  vcl::TColor ColorOutline() const { return FSet.ColorOutline; }
  void SetColorOutline(vcl::TColor Value);
  // Length in percent of (radius - 4), 0..100.
  int PercentNeedleLength() const { return FSet.PercentNeedleLength; }
  void SetPercentNeedleLength(int Value);
  // The shadow is the outline moved by (-ShadowDx, -ShadowDy), drawn first;
  // none while both are 0.
  int ShadowDx() const { return FSet.ShadowDx; }
  void SetShadowDx(int Value);
  int ShadowDy() const { return FSet.ShadowDy; }
  void SetShadowDy(int Value);
  vcl::TColor ShadowColor() const { return FSet.ShadowColor; }
  void SetShadowColor(vcl::TColor Value);
  // The needle is drawn, and its value sets the alarms, only while Visible.
  bool Visible() const { return FSet.Visible; }
  void SetVisible(bool Value);
  vcl::TNotifyEvent OnChange() const { return FOnChange; }
  void SetOnChange(vcl::TNotifyEvent Value) { FOnChange = std::move(Value); }

  // Copies every setting but OnChange (and the defaults) from another
  // layout, then fires OnChange once.
  void Assign(vcl::TPersistent* Source) override;
  const TNeedleSettings& Settings() const { return FSet; }
  meter::TNeedleShape Shape() const;
  // The settings its owner gave it; a form file stores only what differs.
  const TNeedleSettings& Defaults() const { return FDefaults; }
  void KeepAsDefaults() { FDefaults = FSet; }

 protected:
  void Changed();

 private:
  template <class V>
  void Change(V& Field, V Value);

  TNeedleSettings FSet;
  TNeedleSettings FDefaults;
  vcl::TNotifyEvent FOnChange;
};

class TMeter : public vcl::TGraphicControl {
 public:
  explicit TMeter(vcl::TComponent* AOwner);
  ~TMeter() override;

  // ---- values (VYR_MeterValues.cpp)
  // The main needle's value, clamped into the scale. While the main needle
  // is Visible an accepted change sets the alarms and fires OnOverFlow (at
  // or above ThresholdHigh), OnNormalRange or OnUnderFlow (at or below
  // ThresholdLow) after the repaint. NaN is refused.
  double Value() const { return FValue; }
  void SetValue(double Value);
  // The second needle's value; classified likewise only while its needle is Visible.
  double ValueSec() const { return FValueSec; }
  void SetValueSec(double Value);
  // Ends of the scale. A new minimum at or above the maximum pushes the
  // maximum to minimum + 1; a new maximum at or below the minimum pulls the
  // minimum to maximum - 1 (a tenth of the maximum on a logarithmic scale
  // when that is not positive). Values and thresholds follow into the range.
  double MeterMinValue() const { return FMinValue; }
  void SetMeterMinValue(double Value);
  double MeterMaxValue() const { return FMaxValue; }
  void SetMeterMaxValue(double Value);
  // Upper end of the low band and lower end of the high band, clamped into
  // the scale; each pushes the other along. Setting one re-checks its alarm
  // against Value.
  double ThresholdLow() const { return FThresholdLow; }
  void SetThresholdLow(double Value);
  double ThresholdHigh() const { return FThresholdHigh; }
  void SetThresholdHigh(double Value);
  // Refused (stays False) unless both ends are above 1E-100; limits below
  // 1E-100 are refused while it is on.
  bool Logarithmic() const { return FLogarithmic; }
  void SetLogarithmic(bool Value);
  // The alarm flags the lamps show.
  bool HighAlarm() const { return FOFL; }
  bool LowAlarm() const { return FUFL; }

  // ---- scale
  TMeterLayout MeterLayout() const { return FMeterLayout; }
  void SetMeterLayout(TMeterLayout Value);
  int MeterDecPlaces() const { return FMeterDecPlaces; }
  void SetMeterDecPlaces(int Value);  // 0..4
  int MeterNrTicks() const { return FMeterNrTicks; }
  void SetMeterNrTicks(int Value);  // 2..21 wanted major intervals
  bool MeterShortTicks() const { return FMeterShortTicks; }
  void SetMeterShortTicks(bool Value);
  bool MeterScaleLine() const { return FMeterScaleLine; }
  void SetMeterScaleLine(bool Value);
  bool ScaleVisible() const { return FScaleVisible; }
  void SetScaleVisible(bool Value);
  bool ScaleBkVisible() const { return FScaleBkVisible; }
  void SetScaleBkVisible(bool Value);
  // Width of the bands in percent of the radius, 0..100.
  double ScaleBkWidth() const { return FScaleBkWidth; }
  void SetScaleBkWidth(double Value);

  // ---- colors and frame
  vcl::TColor ColorScale() const { return FColorScale; }
  void SetColorScale(vcl::TColor Value);
  vcl::TColor ColorSclBkLow() const { return FColorSclBkLow; }
  void SetColorSclBkLow(vcl::TColor Value);
  vcl::TColor ColorSclBkNorm() const { return FColorSclBkNorm; }
  void SetColorSclBkNorm(vcl::TColor Value);
  vcl::TColor ColorSclBkHigh() const { return FColorSclBkHigh; }
  void SetColorSclBkHigh(vcl::TColor Value);
  vcl::TColor ColorBakG() const { return FColorBakG; }
  void SetColorBakG(vcl::TColor Value);
  vcl::TColor ColorCover() const { return FColorCover; }
  void SetColorCover(vcl::TColor Value);
  TColorScheme ColorScheme() const { return FColorScheme; }
  void SetColorScheme(TColorScheme Value);
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  void SetFrameStyle(TFrameStyle Value);
  // The cover's height above and below the face and its width at the
  // sides; the arc is laid out again within them.
  int RimTop() const { return FRims.Top; }
  void SetRimTop(int Value);
  int RimBottom() const { return FRims.Bottom; }
  void SetRimBottom(int Value);
  int RimSide() const { return FRims.Side; }
  void SetRimSide(int Value);

  // ---- caption, fonts, background
  // The caption (Caption/SetCaption, inherited) is the unit text inside the
  // arc, drawn with FontCaption; the labels use Font.
  vcl::TFont* FontCaption() { return &FFontCaption; }
  void SetFontCaption(vcl::TFont* Value) { FFontCaption.Assign(Value); }
  // A bitmap file for the face. An existing file is loaded (an unreadable
  // one raises and changes nothing); a missing one clears the name.
  const vcl::String& BackGroundImg() const { return FBackGroundImg; }
  void SetBackGroundImg(const vcl::String& Value);
  TBkgFill BkgndFillMode() const { return FBkgndFillMode; }
  void SetBkgndFillMode(TBkgFill Value);

  // ---- needles, anchor, lamps
  TNeedleLayout* NeedleLayout() { return &FNeedleLayout; }
  void SetNeedleLayout(TNeedleLayout* Value) { FNeedleLayout.Assign(Value); }
  TNeedleLayout* NeedleLayoutSec() { return &FNeedleLayoutSec; }
  void SetNeedleLayoutSec(TNeedleLayout* Value) { FNeedleLayoutSec.Assign(Value); }
  bool AnchorCovered() const { return FAnchorCovered; }
  void SetAnchorCovered(bool Value);
  int AnchorSize() const { return FAnchorSize; }
  void SetAnchorSize(int Value);
  // A bitmap file drawn centred on the pivot, its black pixels transparent.
  // A missing or unreadable file clears the name.
  const vcl::String& AnchorImage() const { return FAnchorImage; }
  void SetAnchorImage(const vcl::String& Value);
  bool LimWatchHighOn() const { return FLimWatchHighOn; }
  void SetLimWatchHighOn(bool Value);
  bool LimWatchLowOn() const { return FLimWatchLowOn; }
  void SetLimWatchLowOn(bool Value);
  vcl::TColor LimWatchActColor() const { return FLimWatchActColor; }
  void SetLimWatchActColor(vcl::TColor Value);
  vcl::TColor LimWatchPsvColor() const { return FLimWatchPsvColor; }
  void SetLimWatchPsvColor(vcl::TColor Value);

  // ---- events
  TmtBeforeDrawScaleLabelEvent OnBeforeDrawScaleLabel() const { return FOnBeforeDrawScaleLabel; }
  void SetOnBeforeDrawScaleLabel(TmtBeforeDrawScaleLabelEvent Value);
  TBeforeDrawNeedleEvent OnBeforeDrawNeedle() const { return FOnBeforeDrawNeedle; }
  void SetOnBeforeDrawNeedle(TBeforeDrawNeedleEvent Value) { FOnBeforeDrawNeedle = std::move(Value); }
  TMeterRenderedEvent OnMeterRendered() const { return FOnMeterRendered; }
  void SetOnMeterRendered(TMeterRenderedEvent Value) { FOnMeterRendered = std::move(Value); }
  TMouseMoveInMeterEvent OnMouseMoveInMeter() const { return FOnMouseMoveInMeter; }
  void SetOnMouseMoveInMeter(TMouseMoveInMeterEvent Value) { FOnMouseMoveInMeter = std::move(Value); }
  vcl::TNotifyEvent OnOverFlow() const { return FOnOverFlow; }
  void SetOnOverFlow(vcl::TNotifyEvent Value) { FOnOverFlow = std::move(Value); }
  vcl::TNotifyEvent OnUnderFlow() const { return FOnUnderFlow; }
  void SetOnUnderFlow(vcl::TNotifyEvent Value) { FOnUnderFlow = std::move(Value); }
  vcl::TNotifyEvent OnNormalRange() const { return FOnNormalRange; }
  void SetOnNormalRange(vcl::TNotifyEvent Value) { FOnNormalRange = std::move(Value); }

  // ---- geometry (VYR_MeterGeometry.h does the work)
  // The needle angle of a value: degrees clockwise from straight down.
  double CalcNeedleAngle(double Value) const;
  // The pixel at PctRadius percent of the radius in the direction of Value.
  void ConvertToPixelCoords(double Value, double PctRadius, int& X, int& Y) const;
  // The value under a pixel; false (and 0) outside the arc's directions.
  bool ConvertPixelToValue(int XPos, int YPos, double& MeterValue) const;
  // The layout in force: arc angle, radius, centre.
  const meter::TGeometry& Geometry() const { return FGeometry; }
  int MeterAngle() const { return FGeometry.Angle; }
  double MeterRadius() const { return FGeometry.Radius; }
  int MeterCenterX() const { return FGeometry.CX; }
  int MeterCenterY() const { return FGeometry.CY; }
  // The scale range in force.
  meter::TScaleRange ScaleRange() const { return {FMinValue, FMaxValue, FLogarithmic}; }
  // The rectangles of the two limit lamps (right and bottom exclusive).
  vcl::TRect LowLampRect() const;
  vcl::TRect HighLampRect() const;
  // The area the visible needles (with their shadows) cover now.
  vcl::TRect NeedleArea() const;
  // How often the scale bitmap has been drawn (for checks of the cache).
  int ScaleRenderCount() const { return FScaleRenderCount; }

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void Loaded() override;

 protected:
  void Paint() override;
  void WMMouseMove(vcl::TWMMouse& Message) override;
  void CMFontChanged(vcl::TMessage& Message) override;
  void CMTextChanged(vcl::TMessage& Message) override;

 private:
  // Everything the scale bitmap depends on; fonts and images count through
  // Scene, which their changes bump.
  struct TScaleKey {
    int Width = 0;
    int Height = 0;
    meter::TGeometry Geometry;
    meter::TScaleRange Range;
    double ThresholdLow = 0;
    double ThresholdHigh = 0;
    double ScaleBkWidth = 0;
    int DecPlaces = 0;
    int NrTicks = 0;
    bool ShortTicks = false;
    bool ScaleLine = false;
    bool ScaleVisible = false;
    bool BandsVisible = false;
    vcl::TColor Colors[5] = {};
    vcl::String Caption;
    TBkgFill FillMode = bfSimple;
    std::uint64_t Scene = 0;
    bool operator==(const TScaleKey&) const = default;
  };
  enum TZone : std::uint8_t { zNone, zUnder, zNormal, zOver };

  bool Loading() const { return ComponentState().Contains(vcl::csLoading); }
  void Relayout();
  void SetRim(int& Rim, int Value);
  // Paints the whole meter now (nothing while loading).
  void RepaintAll();
  // Paints again what a value or alarm change altered: the needles' old and
  // new area when a shown needle moved, the lamps whose alarm flag changed.
  void RepaintDynamic(bool NeedleMoved);
  template <class V>
  void ChangeAndRepaint(V& Field, V Value);
  void SceneChanged() { ++FSceneGeneration; }

  // Value logic (VYR_MeterValues.cpp).
  double ClampToScale(double V) const;
  TZone Classify(double V);
  void FireZone(TZone Zone);

  // Images (VYR_Meter.cpp).
  // Reads the background image (raises when the file is unreadable).
  void ReadBackground(const vcl::String& FileName);
  // As ReadBackground; a failure only clears the name. False then.
  bool LoadBackground(const vcl::String& FileName);
  bool LoadAnchor(const vcl::String& FileName);

  // The scale layer (VYR_MeterScale.cpp).
  TScaleKey CurrentScaleKey() const;
  void EnsureScale();
  void DrawScaleLayer(vcl::TCanvas* C);
  void DrawBackground(vcl::TCanvas* C);
  void DrawBands(vcl::TCanvas* C);
  void DrawScale(vcl::TCanvas* C);
  void DrawLabel(vcl::TCanvas* C, double Theta, double V, double OffsetX, double OffsetY);
  void DrawCaption(vcl::TCanvas* C);

  // The moving parts and what lies over them (VYR_MeterPaint.cpp).
  void Compose(const vcl::TRect& Area);
  void DrawNeedle(vcl::TCanvas* C, double V, const TNeedleLayout& Layout);
  void DrawCover(vcl::TCanvas* C);
  void DrawFaceEdge(vcl::TCanvas* C);
  void DrawAnchor(vcl::TCanvas* C);
  void DrawLamps(vcl::TCanvas* C);
  void DrawOuterFrame(vcl::TCanvas* C);
  bool HandlersDrawAnywhere() const { return FOnBeforeDrawNeedle || FOnMeterRendered; }

  // Values, limits, alarms.
  double FValue = 0;
  double FValueSec = 0;
  double FMinValue = 0;
  double FMaxValue = 1.0;
  double FThresholdLow = 0;
  double FThresholdHigh = 1.0;
  bool FLogarithmic = false;
  bool FOFL = false;
  bool FUFL = false;

  // Scale.
  TMeterLayout FMeterLayout = mlCirc90;
  int FMeterDecPlaces = 1;
  int FMeterNrTicks = 3;
  bool FMeterShortTicks = true;
  bool FMeterScaleLine = true;
  bool FScaleVisible = true;
  bool FScaleBkVisible = false;
  double FScaleBkWidth = 0;

  // Colors, frame, rims.
  vcl::TColor FColorScale = vcl::clNavy;
  vcl::TColor FColorSclBkLow = vcl::clLime;
  vcl::TColor FColorSclBkNorm = 0x0080FF;
  vcl::TColor FColorSclBkHigh = vcl::clRed;
  vcl::TColor FColorBakG = vcl::clWhite;
  vcl::TColor FColorCover = vcl::clBtnFace;
  TColorScheme FColorScheme = csBWG;
  vcl::TColor FColorGray = 0x808080;
  vcl::TColor FColorWhite = 0xFFFFFF;
  TFrameStyle FFrameStyle = fsRaised;
  meter::TRims FRims;

  // Caption font, images.
  vcl::TFont FFontCaption;
  vcl::String FBackGroundImg;
  TBkgFill FBkgndFillMode = bfSimple;
  std::unique_ptr<vcl::TBitmap> FBkgImage;
  vcl::String FAnchorImage;
  std::unique_ptr<vcl::TBitmap> FAnchorBmp;
  std::unique_ptr<vcl::TBitmap> FAnchorMask;

  // Needles, anchor, lamps.
  TNeedleLayout FNeedleLayout;
  TNeedleLayout FNeedleLayoutSec;
  bool FAnchorCovered = true;
  int FAnchorSize = 24;
  bool FLimWatchHighOn = true;
  bool FLimWatchLowOn = true;
  vcl::TColor FLimWatchActColor = vcl::clRed;
  vcl::TColor FLimWatchPsvColor = vcl::clGray;

  // Layout and painting state.
  meter::TGeometry FGeometry;
  std::optional<TScaleKey> FScaleKey;     // what the scale bitmap shows; none: nothing yet
  std::unique_ptr<vcl::TBitmap> FScaleBmp;  // background, bands, scale, caption
  std::unique_ptr<vcl::TBitmap> FFrameBmp;  // the composed picture
  std::uint64_t FSceneGeneration = 0;      // bumped by font and image changes
  int FScaleRenderCount = 0;
  vcl::TRect FPaintedNeedles;               // NeedleArea() at the last paint
  bool FPaintedOFL = false;
  bool FPaintedUFL = false;

  TmtBeforeDrawScaleLabelEvent FOnBeforeDrawScaleLabel;
  TBeforeDrawNeedleEvent FOnBeforeDrawNeedle;
  TMeterRenderedEvent FOnMeterRendered;
  TMouseMoveInMeterEvent FOnMouseMoveInMeter;
  vcl::TNotifyEvent FOnOverFlow;
  vcl::TNotifyEvent FOnUnderFlow;
  vcl::TNotifyEvent FOnNormalRange;
};

}  // namespace vyr
