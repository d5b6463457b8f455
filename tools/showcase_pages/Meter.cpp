// Analog meters in four layouts: a speedometer with an overflow alarm, a
// logarithmic frequency meter, a temperature meter with colored bands, a
// set-point needle and a shadowed needle, and a small full-circle dial.
// "Run" moves the values from a timer; the step buttons move the speed;
// the status line tells of overflows and of the value under the mouse.
#include <cmath>

#include "Pages.h"
#include "VYR_Meter/VYR_Meter.h"
#include "VYR_repsbut/VYR_repsbut.h"
#include "foundation/VYR_timerwnd.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

using namespace vcl;

namespace {

// Holds the page's meters for its handlers; owned (and freed) by the form.
class TMeterPage : public showcase::TPageHolder {
 public:
  explicit TMeterPage(showcase::TPageContext& P)
      : TPageHolder(P), FTimer(this, [this](std::uintptr_t) { Tick(); }) {
    BuildSpeed();
    BuildFrequency();
    BuildTemperature();
    BuildDial();
    BuildButtons();
    Show(0.6);
  }

 private:
  vyr::TMeter* MakeMeter(int X, int Y, int W, int H) {
    auto* m = new vyr::TMeter(FOwner);
    m->SetParent(FPage);
    m->SetBounds(X, Y, W, H);
    return m;
  }
  void Say(const String& Text) { FSay(Text); }
  void SayUnderMouse(vyr::TMeter* M, const String& Unit) {
    M->SetOnMouseMoveInMeter([this, Unit](TObject*, bool Within, TShiftState, double V) {
      if (Within) Say(u"Under the mouse: " + FormatFloat(u"0.0", V) + u" " + Unit);
    });
  }

  // 0 to 200 km/h over 120 degrees; at 160 and above the high lamp lights.
  void BuildSpeed() {
    FSpeed = MakeMeter(12, 12, 300, 220);
    FSpeed->SetMeterLayout(vyr::mlCirc120);
    FSpeed->SetMeterMaxValue(200);
    FSpeed->SetMeterNrTicks(5);
    FSpeed->SetMeterDecPlaces(0);
    FSpeed->SetThresholdHigh(160);
    FSpeed->SetThresholdLow(20);
    FSpeed->SetCaption(u"km/h");
    FSpeed->FontCaption()->SetStyle({fsBold});
    FSpeed->SetOnOverFlow([this](TObject*) {
      Say(u"Overflow: " + FormatFloat(u"0", FSpeed->Value()) + u" km/h is 160 or more");
    });
    SayUnderMouse(FSpeed, u"km/h");
  }

  // 1 Hz to 10 kHz on a logarithmic scale over 270 degrees.
  void BuildFrequency() {
    FFreq = MakeMeter(324, 12, 250, 250);
    FFreq->SetMeterLayout(vyr::mlCirc270);
    FFreq->SetMeterMinValue(1);
    FFreq->SetMeterMaxValue(10000);
    FFreq->SetLogarithmic(true);
    FFreq->SetThresholdLow(1);
    FFreq->SetThresholdHigh(10000);
    FFreq->SetMeterDecPlaces(0);
    FFreq->SetCaption(u"Hz");
    FFreq->SetColorBakG(RGB(255, 250, 235));
    FFreq->SetAnchorSize(14);
    FFreq->NeedleLayout()->SetColorBody(RGB(200, 40, 40));
    FFreq->NeedleLayout()->SetThickness(4);
    SayUnderMouse(FFreq, u"Hz");
  }

  // -20 to 120 °C over 180 degrees with low, normal and high bands, a
  // second needle for the set point and a shadow under the main needle.
  void BuildTemperature() {
    FTemp = MakeMeter(586, 12, 300, 200);
    FTemp->SetMeterLayout(vyr::mlCirc180);
    FTemp->SetMeterMinValue(-20);
    FTemp->SetMeterMaxValue(120);
    FTemp->SetMeterNrTicks(7);
    FTemp->SetMeterDecPlaces(0);
    FTemp->SetThresholdLow(10);
    FTemp->SetThresholdHigh(90);
    FTemp->SetScaleBkVisible(true);
    FTemp->SetScaleBkWidth(14);
    FTemp->SetCaption(u"\u00B0C");
    FTemp->SetFrameStyle(vyr::fsEtched);
    FTemp->SetAnchorSize(16);
    FTemp->NeedleLayout()->SetShadowDx(-3);
    FTemp->NeedleLayout()->SetShadowDy(-3);
    FTemp->NeedleLayout()->SetThickness(3);
    FTemp->NeedleLayoutSec()->SetVisible(true);
    FTemp->NeedleLayoutSec()->SetColorBody(clBlue);
    FTemp->NeedleLayoutSec()->SetColorOutline(clNavy);
    FTemp->NeedleLayoutSec()->SetPercentNeedleLength(70);
    FTemp->NeedleLayoutSec()->SetHeadSize(12);
    FTemp->SetValueSec(65);
    FTemp->SetOnOverFlow([this](TObject*) { Say(u"Temperature alarm: 90 \u00B0C or more"); });
    SayUnderMouse(FTemp, u"\u00B0C");
  }

  // A small dial over the whole circle, like a clock's seconds.
  void BuildDial() {
    FDial = MakeMeter(898, 12, 170, 180);
    FDial->SetMeterLayout(vyr::mlCirc360);
    FDial->SetMeterMaxValue(60);
    FDial->SetMeterNrTicks(6);
    FDial->SetMeterDecPlaces(0);
    FDial->SetLimWatchHighOn(false);
    FDial->SetLimWatchLowOn(false);
    FDial->SetAnchorSize(6);
    FDial->SetFrameStyle(vyr::fsLowered);
    FDial->SetOnBeforeDrawScaleLabel([](TObject*, TCanvas*, String& Label, int, int) {
      if (Label == u"60") Label.clear();  // 60 and 0 share the bottom of the dial
    });
  }

  void BuildButtons() {
    auto* run = new TButton(FOwner);
    run->SetParent(FPage);
    run->SetBounds(12, 250, 75, 25);
    run->SetCaption(u"Run");
    run->SetOnClick([this, run](TObject*) {
      FRunning = !FRunning;
      if (FRunning)
        FTimer.Start(1, 50);
      else
        FTimer.Stop(1);
      run->SetCaption(FRunning ? u"Stop" : u"Run");
    });
    auto step = [this](const String& Caption, int X, double By) {
      auto* b = new vyr::TRepSpeedButton(FOwner);
      b->SetParent(FPage);
      b->SetBounds(X, 251, 23, 23);
      b->SetCaption(Caption);
      auto apply = [this, By](TObject*) { FSpeed->SetValue(FSpeed->Value() + By); };
      b->SetOnClick(apply);
      b->SetOnRepeatClick(apply);
    };
    step(u"-", 96, -5);
    step(u"+", 120, 5);
  }

  // One moment of the animation: every meter follows its own wave.
  void Show(double Phase) {
    FSpeed->SetValue(100 + 95 * std::sin(Phase));
    FFreq->SetValue(std::pow(10.0, 2 + 1.9 * std::sin(0.7 * Phase)));
    FTemp->SetValue(50 + 60 * std::sin(0.5 * Phase + 1));
    FDial->SetValue(std::fmod(Phase * 10, 60));
  }

  void Tick() {
    FPhase += 0.05;
    Show(FPhase);
  }

  vyr::TTimerWindow FTimer;
  vyr::TMeter* FSpeed = nullptr;
  vyr::TMeter* FFreq = nullptr;
  vyr::TMeter* FTemp = nullptr;
  vyr::TMeter* FDial = nullptr;
  bool FRunning = false;
  double FPhase = 0.6;
};

void BuildMeterPage(showcase::TPageContext& P) { new TMeterPage(P); }

}  // namespace

SHOWCASE_PAGE(40, u"Meters", "meter", BuildMeterPage)
