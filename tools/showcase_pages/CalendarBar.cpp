// The mini calendar and the progress bar: an English calendar with an
// added holiday and a German one whose weeks start on Sunday, and progress
// bars growing in all four directions with the three gradient mappings, a
// grid, turned value texts and one that counts up by itself.
#include "Pages.h"
#include "VYR_MiniCal/VYR_MiniCal.h"
#include "VYR_ProgBar/VYR_ProgBar.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

using namespace vcl;

namespace {

// Holds the page's controls for its handlers; owned (and freed) by the form.
class TCalBarPage : public showcase::TPageHolder {
 public:
  explicit TCalBarPage(showcase::TPageContext& P) : TPageHolder(P) {
    BuildCalendars();
    BuildHorizontalBars();
    BuildVerticalBars();
    BuildCounter();
  }

 private:
  // A fixed month (Easter 2025) keeps the page's picture the same.
  void BuildCalendars() {
    Caption(u"English, an added holiday on 9 April:", 12, 10);
    auto* english = Make<vyr::TMiniCal>(12, 28, 300, 180);
    english->SetDate(EncodeDate(2025, 4, 20));
    english->AddHoliday(9, 4, 2025, u"Company day");
    english->SetOnChange([this, english](TObject*) { Report(english); });

    Caption(u"German, weeks from Sunday:", 330, 10);
    auto* german = Make<vyr::TMiniCal>(330, 28, 300, 180);
    german->SetLanguage(vyr::lgGerman);
    german->SetFirstDayOfWeek(vyr::dwSun);
    german->SetShowMonthShort(false);
    german->SetDate(EncodeDate(2025, 6, 9));
    german->SetOnChange([this, german](TObject*) { Report(german); });
  }

  void Report(vyr::TMiniCal* Cal) {
    String caption;
    Cal->CheckHoliday(Cal->Year(), Cal->Month(), Cal->Day(), caption);
    FSay(FormatDateTime(u"yyyy-mm-dd", Cal->Date()) + (caption.empty() ? u"" : u": " + caption));
  }

  vyr::TProgBar* MakeBar(int X, int Y, int W, int H, double Value, vyr::TDirection Direction) {
    auto* bar = Make<vyr::TProgBar>(X, Y, W, H);
    bar->SetDirection(Direction);
    bar->SetValue(Value);
    return bar;
  }

  // The three mappings of the gradient at the same value, and a plain bar.
  void BuildHorizontalBars() {
    Caption(u"Cover, stretch, move; growing left:", 12, 222);
    const vyr::TColorMapping modes[] = {vyr::cgmCover, vyr::cgmStretch, vyr::cgmMove};
    int y = 240;
    for (vyr::TColorMapping mode : modes) {
      auto* bar = MakeBar(12, y, 300, 30, 62, vyr::dirRight);
      bar->SetColorMin(clYellow);
      bar->SetColorMax(clRed);
      bar->SetShowColorGradient(true);
      bar->SetColorMapMode(mode);
      bar->SetGridDist(10);
      bar->SetColorGrid(clGray);
      bar->SetTextPosX(150);
      bar->SetTextPosY(15);
      y += 36;
    }
    auto* left = MakeBar(12, y, 300, 30, 35, vyr::dirLeft);
    left->SetColorMin(clTeal);
    left->SetFrameStyleOuter(vyr::fsEtched);
    left->SetFrameStyleInner(vyr::fsSimple);
    left->SetTextDecPlaces(2);
    left->SetTextPosX(150);
    left->SetTextPosY(15);
  }

  // Upward and downward bars with turned texts, and an overfull one.
  void BuildVerticalBars() {
    Caption(u"Upward, downward, over the top:", 660, 10);
    auto* up = MakeBar(660, 28, 40, 180, 70, vyr::dirUp);
    up->SetShowColorGradient(true);
    up->SetColorMin(clLime);
    up->SetColorMax(clBlue);
    up->SetColorMapMode(vyr::cgmCover);
    up->SetTextAngle(90);
    up->SetTextPosX(20);
    up->SetTextPosY(90);
    auto* down = MakeBar(710, 28, 40, 180, 40, vyr::dirDown);
    down->SetColorMin(clNavy);
    down->SetGridDist(8);
    down->SetColorGrid(clWhite);
    down->SetTextAngle(270);
    down->SetTextPosX(20);
    down->SetTextPosY(90);
    down->SetColorScheme(vyr::csSystem);
    auto* over = MakeBar(760, 28, 40, 180, 130, vyr::dirUp);
    over->SetShowColorGradient(true);
    over->SetColorMapMode(vyr::cgmMove);
    over->SetTextDecPlaces(-1);
    over->SetTextAngle(90);
    over->SetTextPosX(20);
    over->SetTextPosY(90);
  }

  // Counts up every 100 ms after half a second and starts over past Max.
  void BuildCounter() {
    Caption(u"Counting by itself:", 330, 222);
    auto* counter = MakeBar(330, 240, 300, 30, 0, vyr::dirRight);
    counter->SetShowColorGradient(true);
    counter->SetColorMapMode(vyr::cgmStretch);
    counter->SetColorMin(clSkyBlue);
    counter->SetColorMax(clNavy);
    counter->SetTextPosX(150);
    counter->SetTextPosY(15);
    counter->SetAutoIncStep(2);
    counter->SetStartInterval(500);
    counter->SetRepeatInterval(100);
    counter->SetOnShowValue([](TObject*, String& Text) { Text += u" %"; });
    counter->SetOnAutoInc([counter](TObject*) {
      if (counter->Value() > counter->Max()) counter->SetValue(counter->Min());
    });
    counter->SetAutoInc(true);
  }
};

void BuildCalendarBar(showcase::TPageContext& P) { new TCalBarPage(P); }

}  // namespace

SHOWCASE_PAGE(50, u"Calendar and bar", "calbar", BuildCalendarBar)
