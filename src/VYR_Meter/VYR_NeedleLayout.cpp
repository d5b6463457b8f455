// The needle layout: the settings of one needle's look.
#include <algorithm>

#include "VYR_Meter/VYR_Meter.h"

namespace vyr {

template <class V>
void TNeedleLayout::Change(V& Field, V Value) {
  if (Field == Value) return;
  Field = Value;
  Changed();
}

void TNeedleLayout::SetHeadSize(int Value) { Change(FSet.HeadSize, Value); }
void TNeedleLayout::SetHeadAngle(int Value) { Change(FSet.HeadAngle, std::clamp(Value, 0, 180)); }
void TNeedleLayout::SetHeadMidLeng(int Value) { Change(FSet.HeadMidLeng, Value); }
void TNeedleLayout::SetThickness(int Value) { Change(FSet.Thickness, Value); }
void TNeedleLayout::SetColorBody(vcl::TColor Value) { Change(FSet.ColorBody, Value); }
void TNeedleLayout::SetColorOutline(vcl::TColor Value) { Change(FSet.ColorOutline, Value); }
void TNeedleLayout::SetPercentNeedleLength(int Value) {
  Change(FSet.PercentNeedleLength, std::clamp(Value, 0, 100));
}
void TNeedleLayout::SetShadowDx(int Value) { Change(FSet.ShadowDx, Value); }
void TNeedleLayout::SetShadowDy(int Value) { Change(FSet.ShadowDy, Value); }
void TNeedleLayout::SetShadowColor(vcl::TColor Value) { Change(FSet.ShadowColor, Value); }
void TNeedleLayout::SetVisible(bool Value) { Change(FSet.Visible, Value); }

void TNeedleLayout::Changed() {
  if (FOnChange) FOnChange(this);
}

void TNeedleLayout::Assign(vcl::TPersistent* Source) {
  auto* from = dynamic_cast<TNeedleLayout*>(Source);
  if (from == nullptr) {
    vcl::TPersistent::Assign(Source);
    return;
  }
  if (from == this) return;
  FSet = from->FSet;
  Changed();
}

meter::TNeedleShape TNeedleLayout::Shape() const {
  return {FSet.HeadSize, FSet.HeadAngle, FSet.HeadMidLeng, FSet.Thickness,
          FSet.PercentNeedleLength};
}

}  // namespace vyr
