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

void TNeedleLayout::SetHeadSize(int Value) { Change(FHeadSize, Value); }
void TNeedleLayout::SetHeadAngle(int Value) { Change(FHeadAngle, std::clamp(Value, 0, 180)); }
void TNeedleLayout::SetHeadMidLeng(int Value) { Change(FHeadMidLeng, Value); }
void TNeedleLayout::SetThickness(int Value) { Change(FThickness, Value); }
void TNeedleLayout::SetColorBody(vcl::TColor Value) { Change(FColorBody, Value); }
void TNeedleLayout::SetColorOutline(vcl::TColor Value) { Change(FColorOutline, Value); }
void TNeedleLayout::SetPercentNeedleLength(int Value) {
  Change(FPercentNeedleLength, std::clamp(Value, 0, 100));
}
void TNeedleLayout::SetShadowDx(int Value) { Change(FShadowDx, Value); }
void TNeedleLayout::SetShadowDy(int Value) { Change(FShadowDy, Value); }
void TNeedleLayout::SetShadowColor(vcl::TColor Value) { Change(FShadowColor, Value); }
void TNeedleLayout::SetVisible(bool Value) { Change(FVisible, Value); }

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
  FHeadSize = from->FHeadSize;
  FHeadAngle = from->FHeadAngle;
  FHeadMidLeng = from->FHeadMidLeng;
  FThickness = from->FThickness;
  FColorBody = from->FColorBody;
  FColorOutline = from->FColorOutline;
  FPercentNeedleLength = from->FPercentNeedleLength;
  FShadowDx = from->FShadowDx;
  FShadowDy = from->FShadowDy;
  FShadowColor = from->FShadowColor;
  FVisible = from->FVisible;
  Changed();
}

meter::TNeedleShape TNeedleLayout::Shape() const {
  return {FHeadSize, FHeadAngle, FHeadMidLeng, FThickness, FPercentNeedleLength};
}

}  // namespace vyr
