// The meter's values, limits and thresholds with their alarm flags and
// range events.
//
// Every accepted change of a needle's value clears both alarm flags and,
// while that needle is Visible, sets them again by zone:
//
//   value >= ThresholdHigh           high alarm   OnOverFlow
//   ThresholdLow < value < High      —            OnNormalRange
//   value <= ThresholdLow            low alarm    OnUnderFlow
//
// The event fires at every accepted change, not only when the zone changes,
// and only after the state is complete and the meter repainted, so that a
// handler may set values again.
#include <algorithm>
#include <cmath>

#include "VYR_Meter/VYR_Meter.h"

namespace vyr {

namespace {

constexpr double kLogFloor = 1E-100;

// One more (less) than X, or the next double beyond X where adding one
// changes nothing, so that the scale never loses its extent.
double Above(double X) {
  const double up = X + 1;
  return up > X ? up : std::nextafter(X, HUGE_VAL);
}

double Below(double X) {
  const double down = X - 1;
  return down < X ? down : std::nextafter(X, -HUGE_VAL);
}

}  // namespace

double TMeter::ClampToScale(double V) const {
  if (V > FMaxValue) return FMaxValue;
  if (V < FMinValue) return FMinValue;
  return V;
}

TMeter::TZone TMeter::Classify(double V) {
  if (V >= FThresholdHigh) {
    FOFL = true;
    return zOver;
  }
  if (V > FThresholdLow) return zNormal;
  FUFL = true;
  return zUnder;
}

void TMeter::FireZone(TZone Zone) {
  switch (Zone) {
    case zOver:
      if (FOnOverFlow) FOnOverFlow(this);
      break;
    case zNormal:
      if (FOnNormalRange) FOnNormalRange(this);
      break;
    case zUnder:
      if (FOnUnderFlow) FOnUnderFlow(this);
      break;
    case zNone: break;
  }
}

void TMeter::SetValue(double Value) {
  if (std::isnan(Value)) return;
  if (Loading()) {
    FValue = Value;
    return;
  }
  if (Value == FValue) return;
  FValue = ClampToScale(Value);
  FOFL = FUFL = false;
  const TZone zone = FNeedleLayout.Visible() ? Classify(FValue) : zNone;
  RepaintDynamic(FNeedleLayout.Visible());
  FireZone(zone);
}

void TMeter::SetValueSec(double Value) {
  if (std::isnan(Value)) return;
  if (Loading()) {
    FValueSec = Value;
    return;
  }
  if (Value == FValueSec) return;
  FValueSec = ClampToScale(Value);
  FOFL = FUFL = false;
  // An invisible second needle shows nothing; only lamps that went out
  // need painting.
  const TZone zone = FNeedleLayoutSec.Visible() ? Classify(FValueSec) : zNone;
  RepaintDynamic(FNeedleLayoutSec.Visible());
  FireZone(zone);
}

void TMeter::SetMeterMinValue(double Value) {
  if (!std::isfinite(Value)) return;
  if (Loading()) {
    FMinValue = Value;
    return;
  }
  if ((FLogarithmic && Value < kLogFloor) || Value == FMinValue) return;
  FMinValue = Value;
  if (FMaxValue <= Value) FMaxValue = Above(Value);
  for (double* v : {&FValue, &FValueSec, &FThresholdLow, &FThresholdHigh}) *v = std::max(*v, Value);
  RepaintAll();
}

void TMeter::SetMeterMaxValue(double Value) {
  if (!std::isfinite(Value)) return;
  if (Loading()) {
    FMaxValue = Value;
    return;
  }
  if ((FLogarithmic && Value < kLogFloor) || Value == FMaxValue) return;
  FMaxValue = Value;
  if (Value <= FMinValue) {
    FMinValue = Below(Value);
    if (FLogarithmic && FMinValue <= 0) FMinValue = Value / 10;
  }
  for (double* v : {&FValue, &FValueSec, &FThresholdLow, &FThresholdHigh}) *v = std::min(*v, Value);
  RepaintAll();
}

void TMeter::SetThresholdLow(double Value) {
  if (!std::isfinite(Value)) return;
  if (Loading()) {
    FThresholdLow = Value;
    return;
  }
  if ((FLogarithmic && Value < kLogFloor) || Value == FThresholdLow) return;
  FThresholdLow = ClampToScale(Value);
  if (FThresholdLow > FThresholdHigh) FThresholdHigh = FThresholdLow;
  FUFL = FValue <= FThresholdLow;
  RepaintAll();
  if (FUFL && FOnUnderFlow) FOnUnderFlow(this);
}

void TMeter::SetThresholdHigh(double Value) {
  if (!std::isfinite(Value)) return;
  if (Loading()) {
    FThresholdHigh = Value;
    return;
  }
  if ((FLogarithmic && Value < kLogFloor) || Value == FThresholdHigh) return;
  FThresholdHigh = ClampToScale(Value);
  if (FThresholdHigh < FThresholdLow) FThresholdLow = FThresholdHigh;
  FOFL = FValue >= FThresholdHigh;
  RepaintAll();
  if (FOFL && FOnOverFlow) FOnOverFlow(this);
}

void TMeter::SetLogarithmic(bool Value) {
  if (Loading()) {
    FLogarithmic = Value;
    return;
  }
  if (Value == FLogarithmic) return;
  FLogarithmic = Value && FMinValue > kLogFloor && FMaxValue > kLogFloor;
  RepaintAll();
}

}  // namespace vyr
