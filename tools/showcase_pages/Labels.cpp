// Labels and displays: numeric labels in several display types (click one
// to change its type), a seven-segment clock, a scrolling raster label,
// rotated labels and gradient fills.
#include <array>

#include "Pages.h"
#include "VYR_NumLab/VYR_NumLab.h"
#include "VYR_RasterLab/VYR_RasterLab.h"
#include "VYR_RotLab/VYR_RotLab.h"
#include "VYR_gradfl/VYR_gradfl.h"
#include "VYR_sevenseg/VYR_sevenseg.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

using namespace vcl;

namespace {

const std::array<const char16_t*, 15> DisplayNames{
    u"dtFloat", u"dtFixP",     u"dtExp",       u"dtHex",  u"dtZeroInt",
    u"dtInt",   u"dtDateTime", u"dtState",     u"dtBin",  u"dtOct",
    u"dtDeg",   u"dtDegMin",   u"dtDegMinSec", u"dtEEng", u"dtEEngNoDP"};

// Holds the page's controls and its clock; owned (and freed) by the form.
class TLabelsPage : public showcase::TPageHolder {
 public:
  explicit TLabelsPage(showcase::TPageContext& P) : TPageHolder(P) {
    Caption(u"Numeric labels (click one to change its display type)", 12, 8);
    BuildNumbers();
    Caption(u"Seven-segment displays", 470, 8);
    BuildSevenSegments();
    Caption(u"Gradient fills", 470, 190);
    BuildGradients();
    Caption(u"Rotated labels", 800, 8);
    BuildRotated();
    Caption(u"Raster labels", 12, 300);
    BuildRaster();
    FClockWindow = AllocateHWnd([this](TMessage& M) {
      if (M.Msg == WM_TIMER) Tick();
    });
    SetTimer(FClockWindow, 1, 1000);
    Tick();
  }
  ~TLabelsPage() override {
    KillTimer(FClockWindow, 1);
    DeallocateHWnd(FClockWindow);
  }

 private:
  vyr::TNumLab* Number(int Row, const String& Left, const String& Right, vyr::TDisplay Type,
                       double Value) {
    auto* n = Make<vyr::TNumLab>(12, 28 + Row * 32, 330, 28);
    n->SetLeftSpace(80);
    n->SetLabelWidth(180);
    n->SetLeftText(Left);
    n->SetRightText(Right);
    n->SetDisplayType(Type);
    n->SetValue(Value);
    n->SetOnClick([this, n](TObject*) {
      n->SetDisplayType(static_cast<vyr::TDisplay>((n->DisplayType() + 1) % 15));
      FSay(n->LeftText() + u": " + DisplayNames[n->DisplayType()] + u" shows " + n->ValueText());
    });
    return n;
  }

  void BuildNumbers() {
    Number(0, u"Voltage", u"V", vyr::dtFixP, 230.4);
    Number(1, u"Register", u"hex", vyr::dtHex, 64058)->SetPrecision(4);
    Number(2, u"Flags", u"bin", vyr::dtBin, 165)->SetPrecision(8);
    Number(3, u"Latitude", u"N", vyr::dtDegMinSec, 48.8584)->SetPrecision(1);
    Number(4, u"Power", u"W", vyr::dtEEng, 12345.678);
    Number(5, u"Serviced", u"", vyr::dtDateTime, 45000.5);
    vyr::TNumLab* state = Number(6, u"Pump", u"", vyr::dtState, 0);
    state->SetStateText(u"running");
    state->SetColorLabText(clGreen);
    vyr::TNumLab* off = Number(7, u"Spare", u"mA", vyr::dtFixP, -0.25);
    off->SetForcePlusSign(true);
    off->SetEnabled(false);
  }

  void BuildSevenSegments() {
    FClock = Make<vyr::TSevenSeg>(470, 28, 300, 76);
    FClock->SetNumDigits(8);
    FClock->SetColorText(clLime);
    FClock->SetColorBackGnd(clBlack);
    auto* temp = Make<vyr::TSevenSeg>(470, 112, 300, 60);
    temp->SetNumDigits(6);
    temp->SetCaption(u"-21.5°C");
    temp->SetColorText(0x00A5FF);
  }

  void BuildGradients() {
    const vyr::TGradType types[] = {vyr::gtHoriz, vyr::gtVert, vyr::gtMidBandHoriz,
                                    vyr::gtMidBandVert};
    for (int i = 0; i < 4; ++i) {
      auto* g = Make<vyr::TGradFill>(470 + i * 76, 210, 70, 80);
      g->SetFillType(types[i]);
      g->SetFrameStyle(vyr::fsLowered);
      if (i == 2) {
        g->SetGridMode(vyr::gmBoth);
        g->SetNrColors(8);
      }
      if (i == 3) g->SetColorFlipped(true);
      g->SetOnClick([this, g](TObject*) {
        g->SetColorFlipped(!g->ColorFlipped());
        FSay(g->ColorFlipped() ? u"Gradient flipped" : u"Gradient in its own order");
      });
    }
  }

  void BuildRotated() {
    struct Turn {
      int X, Y, Angle;
      const char16_t* Text;
    };
    const Turn turns[] = {{800, 28, 0, u"0°"},
                          {940, 28, 45, u"45° up"},
                          {800, 158, 90, u"90° upwards"},
                          {940, 158, 300, u"300°"}};
    for (const Turn& t : turns) {
      auto* r = Make<vyr::TRotLab>(t.X, t.Y, 128, 124);
      r->SetTextAngle(t.Angle);
      r->SetCaption(t.Text);
      r->SetTransparent(false);
      r->SetColor(clWhite);
    }
  }

  void BuildRaster() {
    auto* scroller = Make<vyr::TRasterLab>(12, 320, 1056, 10);
    scroller->SetAutoHeight(true);
    scroller->SetText(
        u"vyrguipack: dot-matrix text scrolls through the label and comes back "
        u"from the right ... 0123456789 °C ÄÖÜ äöü");
    scroller->SetScrollInterval(40);
    scroller->SetScrollIncrement(2);
    scroller->SetScrollMode(vyr::rdsmLeft);
    auto* sampled = Make<vyr::TRasterLab>(12, 376, 520, 10);
    sampled->Font()->SetName(u"DejaVu Sans");
    sampled->Font()->SetSize(10);
    sampled->SetDotSize(2);
    sampled->SetCharBlockMode(vyr::rdbmRaster);
    sampled->SetColorDotOn(clYellow);
    sampled->SetAutoHeight(true);
    sampled->SetText(u"Sampled from a font");
    auto* amber = Make<vyr::TRasterLab>(548, 376, 520, 10);
    amber->SetDotSize(2);
    amber->SetCharBlockMode(vyr::rdbmOff);
    amber->SetColorDotOn(0x00A5FF);
    amber->SetAutoHeight(true);
    amber->SetAutoCenter(true);
    amber->SetText(u"Built-in font, centred");
  }

  void Tick() { FClock->SetCaption(FormatDateTime(u"hh:nn:ss", Now())); }

  vyr::TSevenSeg* FClock = nullptr;
  HWND FClockWindow = nullptr;
};

void BuildLabels(showcase::TPageContext& P) { new TLabelsPage(P); }

}  // namespace

SHOWCASE_PAGE(60, u"Labels", "labels", BuildLabels)
