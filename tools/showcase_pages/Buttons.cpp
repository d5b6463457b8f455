// Buttons and selectors: every picture style of the on/off button, a group
// of buttons of which one is on, a speed-mode button, a transparent and a
// disabled one; the mark selector; the color selector and the color button.
#include "Pages.h"
#include "VYR_Colbut/VYR_Colbut.h"
#include "VYR_Colsel/VYR_Colsel.h"
#include "VYR_marksel/VYR_marksel.h"
#include "VYR_onoffbut/VYR_onoffbut.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

using namespace vcl;
using namespace vyr;

namespace {

struct TStyleEntry {
  TOnOffButStyle Style;
  const char16_t* Name;
};

constexpr TStyleEntry kStyles[] = {
    {oobsUser, u"User"},
    {oobsCheckbox, u"Checkbox"},
    {oobsRadioBut, u"RadioBut"},
    {oobsSlideTB, u"SlideTB"},
    {oobsSlideLR, u"SlideLR"},
    {oobsColSlideTB, u"ColSlideTB"},
    {oobsColSlideLR, u"ColSlideLR"},
    {oobsLedRedGreen, u"LedRedGreen"},
    {oobsArrowTopRgt, u"ArrowTopRgt"},
    {oobsArrowUpDown, u"ArrowUpDown"},
    {oobsArrowLeftRight, u"ArrowLeftRight"},
    {oobsTrafficLPed, u"TrafficLPed"},
    {oobsBeveledLed, u"BeveledLed"},
    {oobsSmileyYellow, u"SmileyYellow"},
    {oobsSmileyRedGrn, u"SmileyRedGrn"},
    {oobsBulb, u"Bulb"},
    {oobsButLamp, u"ButLamp"},
    {oobsHDLeft, u"HDLeft"},
    {oobsHDRight, u"HDRight"},
    {oobsUser1, u"User1"},
    {oobsUser2, u"User2"},
    {oobsUser3, u"User3"},
    {oobsUser4, u"User4"},
    {oobsUser5, u"User5"},
};

// Holds the page's controls for its handlers; owned (and freed) by the form.
class TButtonsPage : public showcase::TPageHolder {
 public:
  explicit TButtonsPage(showcase::TPageContext& P) : TPageHolder(P) {
    BuildStyles();
    BuildDemos();
    BuildMarks();
    BuildColors();
  }

 private:
  static constexpr int CellWidth = 96, CellHeight = 86;

  TOnOffBut* Switch(TWinControl* Parent, int X, int Y, int W, int H, TOnOffButStyle Style,
                    const String& Name) {
    auto* b = MakeOn<TOnOffBut>(Parent, X, Y, W, H);
    b->SetButtonStyle(Style);
    b->SetOnClick([this, b, Name](TObject*) {
      FSay(Name + (b->OnOff() ? String(u": on") : String(u": off")));
    });
    return b;
  }

  // One button per picture style, every other one switched off; a click
  // toggles it.
  void BuildStyles() {
    int i = 0;
    for (const TStyleEntry& e : kStyles) {
      const int x = 8 + (i % 8) * CellWidth, y = 6 + (i / 8) * CellHeight;
      TOnOffBut* b = Switch(FPage, x, y, CellWidth - 4, CellHeight - 4, e.Style, e.Name);
      b->SetBottomText(e.Name);
      b->SetOnOff(i % 2 == 0);
      ++i;
    }
  }

  // A group of three of which one is on, a button that is on only while
  // held, a transparent one on a colored panel and a disabled one.
  void BuildDemos() {
    const int y = 6 + 3 * CellHeight + 8;
    Caption(u"One channel at a time:", 8, y);
    for (int k = 0; k < 3; ++k) {
      const String name = u"Channel " + IntToStr(k + 1);
      TOnOffBut* b = Switch(FPage, 8, y + 18 + k * 34, 150, 32, oobsBeveledLed, name);
      b->SetAutoCenter(false);
      b->SetLeftSpace(8);
      b->SetTopSpace(6);
      b->SetRightText(name);
      b->SetFrameStyle(fsNoFrame);
      b->SetOnOff(k == 0);  // before joining, so that the first one stays on
      b->SetGroupIndex(1);
      b->SetAllowAllOff(false);
    }
    Caption(u"Held down only:", 200, y);
    TOnOffBut* held = Switch(FPage, 200, y + 18, 150, 60, oobsButLamp, u"Held");
    held->SetMode(oobmSpeedBut);
    held->SetMouseAction(oomaPlain);
    held->SetBottomText(u"press and hold");

    Caption(u"Transparent, on a panel:", 392, y);
    auto* panel = MakeOn<TPanel>(FPage, 392, y + 18, 170, 100);
    panel->SetColor(RGB(70, 130, 180));
    panel->SetBevelOuter(bvLowered);
    TOnOffBut* smiley = Switch(panel, 10, 10, 150, 80, oobsSmileyYellow, u"Smiley");
    smiley->SetTransparent(true);
    smiley->SetFrameStyle(fsNoFrame);
    smiley->SetColorText(clWhite);
    smiley->SetTopText(u"How is it going?");
    smiley->SetLeftText(u"sad");
    smiley->SetRightText(u"happy");

    Caption(u"Disabled:", 600, y);
    TOnOffBut* off = Switch(FPage, 600, y + 18, 170, 100, oobsBulb, u"Bulb");
    off->SetLeftText(u"Lamp");
    off->SetRightText(u"engraved");
    off->SetEnabled(false);
  }

  void BuildMarks() {
    Caption(u"Marker symbol (a click selects):", 800, 6);
    auto* marks = MakeOn<TMarkSel>(FPage, 800, 24, 236, 178);
    marks->SetSelected(3);
    marks->SetOnMarkClick(
        [this](TObject*, int, int, int Mark) { FSay(u"Marker symbol " + IntToStr(Mark)); });
  }

  // The selector's choice colors the button; the button's own dialog
  // reports back.
  void BuildColors() {
    Caption(u"Color (click a bar to edit it):", 800, 214);
    auto* colors = MakeOn<TColSel>(FPage, 800, 232, 200, 22);
    colors->LoadStandardPalette();
    colors->SetAllColorEditFlags();
    Caption(u"Color button:", 800, 268);
    auto* dialog = new TColorDialog(FOwner);
    auto* swatch = MakeOn<TColorButton>(FPage, 800, 286, 150, 44);
    swatch->SetCaption(u"Pick a color");
    swatch->SetColorDialog(dialog);
    swatch->SetColor(RGB(40, 90, 160));
    swatch->Font()->SetColor(clWhite);
    colors->SetOnChange([this, colors, swatch](TObject*) {
      swatch->SetColor(colors->SelColor());
      swatch->Font()->SetColor(colbut::CaptionColor(colors->SelColor(), false));
      FSay(u"Color: " + colors->SelColorID());
    });
    swatch->SetOnChange(
        [this, swatch](TObject*) { FSay(u"Color button: " + ColorToString(swatch->Color())); });
  }
};

void BuildButtons(showcase::TPageContext& P) { new TButtonsPage(P); }

}  // namespace

SHOWCASE_PAGE(70, u"Buttons", "buttons", BuildButtons)
