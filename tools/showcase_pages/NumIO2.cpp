// The compound numeric control in its formats: fields with step buttons and
// gauges, buttons that snap to pivots, integer, hexadecimal, binary and
// prefixed entries, a value out of its range in the warning colors, a
// disabled field, the comma mode and the frame styles. Every change, and
// every move on a gauge, is reported on the status line.
#include <string>

#include "Pages.h"
#include "VYR_NumIO/VYR_NumIO.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

using namespace vcl;

namespace {

// Holds the page's controls for its handlers; owned (and freed) by the form.
class TNumIO2Page : public showcase::TPageHolder {
 public:
  explicit TNumIO2Page(showcase::TPageContext& P) : TPageHolder(P) {
    Caption(u"With buttons and gauges (drag on a gauge, hold Shift+4 for $)", 12, 8);
    BuildMeasures();
    Caption(u"Formats", 380, 8);
    BuildFormats();
    Caption(u"Ranges, states and looks", 760, 8);
    BuildLooks();
  }

 private:
  // A field reporting its changes and gauge moves under its caption.
  vyr::TNumIO2* Make(const String& Name, int X, int Y, int W, int H, vyr::TInFormat Format) {
    auto* n = new vyr::TNumIO2(FOwner);
    n->SetParent(FPage);
    n->SetBounds(X, Y, W, H);
    n->SetInputFormat(Format);
    n->SetLeftText(Name);
    n->SetLeftSpace(85);
    n->SetTextBoxWidth(110);
    n->SetOnChange([this, n, Name](TObject*) {
      FSay(Name + u": " + n->Text() + u"  (value " + FloatToStr(n->Value()) + u")");
    });
    n->SetOnGaugeChange([this, Name](TObject*, TShiftState, double V) {
      FSay(Name + u" on the gauge: " + FloatToStr(V));
    });
    return n;
  }
  // Buttons right of the box and a gauge under it, as wide as the box.
  static void WithButtonsAndGauge(vyr::TNumIO2* N) {
    N->SetButVisible(true);
    N->SetGaugeVisible(true);
    N->SetGaugeLeftMargin(N->LeftSpace());
    N->SetGaugeWidth(N->TextBoxWidth() + 3);
  }

  void BuildMeasures() {
    auto* t = Make(u"Temperature", 12, 30, 360, 44, vyr::itFloat);
    t->SetFixPointDecPlaces(1);
    t->SetRangeLow(-20);
    t->SetRangeHigh(40);
    t->SetButIncrem(0.5);
    t->SetRightText(u"\u00B0C");
    WithButtonsAndGauge(t);
    t->SetValue(21.5);

    auto* s = Make(u"Speed", 12, 84, 340, 44, vyr::itFixPoint);
    s->SetRangeHigh(130);
    s->SetButtonPivots({0, 30, 50, 80, 100, 130});
    s->SetRightText(u"km/h (pivots)");
    WithButtonsAndGauge(s);
    s->SetValue(50);

    auto* p = Make(u"Pressure", 12, 138, 340, 44, vyr::itExp);
    p->SetSignificantDigits(4);
    p->SetRangeHigh(2e5);
    p->SetButIncrem(1000);
    p->SetRightText(u"Pa");
    WithButtonsAndGauge(p);
    p->SetGaugeColor(clGreen);
    p->SetValue(101325);

    auto* c = Make(u"Count", 12, 192, 340, 28, vyr::itInt);
    c->SetRangeHigh(100);
    c->SetButIncrem(5);
    c->SetButVisible(true);
    c->SetRightText(u"steps of 5");
    c->SetValue(40);
  }

  void BuildFormats() {
    auto* h = Make(u"Hex", 380, 30, 340, 28, vyr::itHex);
    h->SetRangeHigh(65535);
    h->SetValue(255);
    h->SetRightText(u"hexadecimal");

    auto* o = Make(u"Octal", 380, 66, 340, 28, vyr::itOct);
    o->SetValue(511);
    o->SetRightText(u"octal");

    auto* b = Make(u"Bits", 380, 102, 370, 28, vyr::itBin);
    b->SetTextBoxWidth(270);
    b->SetAlignment(taRightJustify);
    b->SetValue(5);

    auto* d = Make(u"Prefixed", 380, 138, 340, 28, vyr::itDynamic);
    d->SetText(u"$FF");
    d->SetRightText(u"$ & % or decimal");

    auto* f = Make(u"Fixed", 380, 174, 340, 28, vyr::itFixPoint);
    f->SetFixPointDecPlaces(3);
    f->SetValue(3.142);
    f->SetRightText(u"3 places");

    auto* e = Make(u"Exponent", 380, 210, 340, 28, vyr::itExp);
    e->SetValue(0.000125);
    e->SetRightText(u"6 digits");
  }

  void BuildLooks() {
    auto* w = Make(u"Limit", 760, 30, 300, 44, vyr::itFloat);
    w->SetRangeHigh(10);
    w->SetRightText(u"0 to 10");
    WithButtonsAndGauge(w);
    w->SetValue(12.5);

    auto* off = Make(u"Disabled", 760, 84, 300, 28, vyr::itFloat);
    off->SetValue(7);
    off->SetRightText(u"engraved");
    off->SetEnabled(false);

    auto* comma = Make(u"Comma", 760, 120, 300, 28, vyr::itFloat);
    comma->SetDecPlaceSep(vyr::dsComma);
    comma->SetValue(3.5);
    comma->SetRightText(u"comma only");

    const vyr::TFrameStyle styles[] = {vyr::fsRaised, vyr::fsEtched, vyr::fsBump, vyr::fsSimple};
    const char16_t* names[] = {u"Raised", u"Etched", u"Bump", u"Simple"};
    for (int i = 0; i < 4; ++i) {
      auto* n = Make(names[i], 760, 156 + 44 * i, 300, 40, vyr::itFloat);
      n->SetFrameStyle(styles[i]);
      n->SetGaugeFrameStyle(styles[i]);
      n->SetColorScheme(i % 2 == 0 ? vyr::csSystem : vyr::csBWG);
      n->SetAlignment(i % 2 == 0 ? taLeftJustify : taRightJustify);
      n->SetLeftTextAlignment(taLeftJustify);
      WithButtonsAndGauge(n);
      n->SetButVisible(false);
      n->SetValue(250.0 * (i + 1));
    }
  }
};

void BuildNumIO2(showcase::TPageContext& P) { new TNumIO2Page(P); }

}  // namespace

SHOWCASE_PAGE(20, u"Numeric input", "numio2", BuildNumIO2)
