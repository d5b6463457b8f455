// Form files: the meter's and the needle layout's published properties.
// The defaults are the values a new meter starts with, so a fresh meter
// writes none of them.
#include "VYR_Meter/VYR_Meter.h"
#include "platform/Streaming.h"

namespace vyr {

namespace {

// The caption font starts as a plain font and is stored once it differs.
bool IsPlainFont(const vcl::TFont& F) {
  const vcl::TFont plain;
  return F.Name() == plain.Name() && F.Height() == plain.Height() && F.Color() == plain.Color() &&
         F.Style() == plain.Style() && F.Charset() == plain.Charset() &&
         F.Pitch() == plain.Pitch() && F.Quality() == plain.Quality() &&
         F.Orientation() == plain.Orientation();
}

// Each setting is stored where it differs from what the owner gave the
// layout (a fresh layout on its own: all zero).
template <class V>
auto DiffersFromDefault(V TNeedleSettings::*Field) {
  return [Field](const TNeedleLayout& l) { return l.Settings().*Field != l.Defaults().*Field; };
}

bool RegisterNeedleLayout() {
  using L = TNeedleLayout;
  using S = TNeedleSettings;
  vcl::RegisterClass<L, vcl::TPersistent>(u"TNeedleLayout")
      .Property(u"HeadSize", &L::HeadSize, &L::SetHeadSize)
      .Stored(DiffersFromDefault(&S::HeadSize))
      .Property(u"HeadAngle", &L::HeadAngle, &L::SetHeadAngle)
      .Stored(DiffersFromDefault(&S::HeadAngle))
      .Property(u"HeadMidLeng", &L::HeadMidLeng, &L::SetHeadMidLeng)
      .Stored(DiffersFromDefault(&S::HeadMidLeng))
      .Property(u"Thickness", &L::Thickness, &L::SetThickness)
      .Stored(DiffersFromDefault(&S::Thickness))
      .Color(u"ColorBody", &L::ColorBody, &L::SetColorBody)
      .Stored(DiffersFromDefault(&S::ColorBody))
      .Color(u"ColorOutline", &L::ColorOutline, &L::SetColorOutline)
      .Stored(DiffersFromDefault(&S::ColorOutline))
      .Property(u"PercentNeedleLength", &L::PercentNeedleLength, &L::SetPercentNeedleLength)
      .Stored(DiffersFromDefault(&S::PercentNeedleLength))
      .Property(u"ShadowDx", &L::ShadowDx, &L::SetShadowDx)
      .Stored(DiffersFromDefault(&S::ShadowDx))
      .Property(u"ShadowDy", &L::ShadowDy, &L::SetShadowDy)
      .Stored(DiffersFromDefault(&S::ShadowDy))
      .Color(u"ShadowColor", &L::ShadowColor, &L::SetShadowColor)
      .Stored(DiffersFromDefault(&S::ShadowColor))
      .Property(u"Visible", &L::Visible, &L::SetVisible)
      .Stored(DiffersFromDefault(&S::Visible))
      .Event(u"OnChange");
  return true;
}

void RegisterMeterEnums() {
  vcl::RegisterEnum<TMeterLayout>(
      {u"mlCirc90", u"mlCirc120", u"mlCirc180", u"mlCirc270", u"mlCirc300", u"mlCirc360"});
  vcl::RegisterEnum<TFrameStyle>(
      {u"fsNoFrame", u"fsSimple", u"fsLowered", u"fsRaised", u"fsEtched", u"fsBump"});
  vcl::RegisterEnum<TColorScheme>({u"csBWG", u"csSystem"});
  vcl::RegisterEnum<TBkgFill>({u"bfSimple", u"bfStretch", u"bfTile"});
}

bool RegisterMeter() {
  RegisterMeterEnums();
  using M = TMeter;
  vcl::RegisterClass<M, vcl::TGraphicControl>(u"TMeter")
      // The bounds of a new meter are defaults too, so a fresh one writes nothing.
      .Property(u"Left", &M::Left, &M::SetLeft, 0)
      .Property(u"Top", &M::Top, &M::SetTop, 0)
      .Property(u"Width", &M::Width, &M::SetWidth, 297)
      .Property(u"Height", &M::Height, &M::SetHeight, 209)
      .Property(u"Value", &M::Value, &M::SetValue, 0.0)
      .Property(u"ValueSec", &M::ValueSec, &M::SetValueSec, 0.0)
      .Property(u"MeterMinValue", &M::MeterMinValue, &M::SetMeterMinValue, 0.0)
      .Property(u"MeterMaxValue", &M::MeterMaxValue, &M::SetMeterMaxValue, 1.0)
      .Property(u"ThresholdLow", &M::ThresholdLow, &M::SetThresholdLow, 0.0)
      .Property(u"ThresholdHigh", &M::ThresholdHigh, &M::SetThresholdHigh, 1.0)
      .Property(u"Logarithmic", &M::Logarithmic, &M::SetLogarithmic, false)
      .Sample([](M& m, int Attempt) {  // a logarithmic scale needs positive ends
        if (Attempt > 0) return false;
        m.SetMeterMaxValue(1000);
        m.SetMeterMinValue(1);
        m.SetLogarithmic(!m.Logarithmic());
        return true;
      })
      .Property(u"MeterLayout", &M::MeterLayout, &M::SetMeterLayout, mlCirc90)
      .Property(u"MeterDecPlaces", &M::MeterDecPlaces, &M::SetMeterDecPlaces, 1)
      .Property(u"MeterNrTicks", &M::MeterNrTicks, &M::SetMeterNrTicks, 3)
      .Property(u"MeterShortTicks", &M::MeterShortTicks, &M::SetMeterShortTicks, true)
      .Property(u"MeterScaleLine", &M::MeterScaleLine, &M::SetMeterScaleLine, true)
      .Property(u"ScaleVisible", &M::ScaleVisible, &M::SetScaleVisible, true)
      .Property(u"ScaleBkVisible", &M::ScaleBkVisible, &M::SetScaleBkVisible, false)
      .Property(u"ScaleBkWidth", &M::ScaleBkWidth, &M::SetScaleBkWidth, 0.0)
      .Color(u"ColorScale", &M::ColorScale, &M::SetColorScale, vcl::clNavy)
      .Color(u"ColorSclBkLow", &M::ColorSclBkLow, &M::SetColorSclBkLow, vcl::clLime)
      .Color(u"ColorSclBkNorm", &M::ColorSclBkNorm, &M::SetColorSclBkNorm, 0x0080FF)
      .Color(u"ColorSclBkHigh", &M::ColorSclBkHigh, &M::SetColorSclBkHigh, vcl::clRed)
      .Color(u"ColorBakG", &M::ColorBakG, &M::SetColorBakG, vcl::clWhite)
      .Color(u"ColorCover", &M::ColorCover, &M::SetColorCover, vcl::clBtnFace)
      .Property(u"ColorScheme", &M::ColorScheme, &M::SetColorScheme, csBWG)
      .Property(u"FrameStyle", &M::FrameStyle, &M::SetFrameStyle, fsRaised)
      .Property(u"RimTop", &M::RimTop, &M::SetRimTop, 8)
      .Property(u"RimBottom", &M::RimBottom, &M::SetRimBottom, 10)
      .Property(u"RimSide", &M::RimSide, &M::SetRimSide, 10)
      .Property(u"Caption", &M::Caption, &M::SetCaption)
      .Nested(u"FontCaption", &M::FontCaption)
      .Stored([](M& m) { return !IsPlainFont(*m.FontCaption()); })
      .Property(u"BackGroundImg", &M::BackGroundImg, &M::SetBackGroundImg)
      .Property(u"BkgndFillMode", &M::BkgndFillMode, &M::SetBkgndFillMode, bfSimple)
      .Nested(u"NeedleLayout", &M::NeedleLayout)
      .Nested(u"NeedleLayoutSec", &M::NeedleLayoutSec)
      .Property(u"AnchorCovered", &M::AnchorCovered, &M::SetAnchorCovered, true)
      .Property(u"AnchorSize", &M::AnchorSize, &M::SetAnchorSize, 24)
      .Property(u"AnchorImage", &M::AnchorImage, &M::SetAnchorImage)
      .Property(u"LimWatchHighOn", &M::LimWatchHighOn, &M::SetLimWatchHighOn, true)
      .Property(u"LimWatchLowOn", &M::LimWatchLowOn, &M::SetLimWatchLowOn, true)
      .Color(u"LimWatchActColor", &M::LimWatchActColor, &M::SetLimWatchActColor, vcl::clRed)
      .Color(u"LimWatchPsvColor", &M::LimWatchPsvColor, &M::SetLimWatchPsvColor, vcl::clGray)
      .Event(u"OnBeforeDrawScaleLabel")
      .Event(u"OnBeforeDrawNeedle")
      .Event(u"OnMeterRendered")
      .Event(u"OnMouseMoveInMeter")
      .Event(u"OnOverFlow")
      .Event(u"OnUnderFlow")
      .Event(u"OnNormalRange");
  return true;
}

const bool registered = RegisterNeedleLayout() && RegisterMeter();

}  // namespace

}  // namespace vyr
