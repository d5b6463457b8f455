// Every element in every state, drawn into a rectangle in the middle of
// the sheet: only system colors appear, nothing lands outside the
// rectangle, and the canvas's pen, brush and font are as before.
#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "LookTestSupport.h"
#include "platform/StdCtrls.h"

namespace looktest {
namespace {

using TDraw = std::function<void(TCanvas&, const TRect&)>;

struct TElement {
  std::string Name;
  TDraw Draw;
};

std::vector<TElement> Catalogue() {
  std::vector<TElement> all;
  auto add = [&](std::string Name, TDraw Draw) {
    all.push_back({std::move(Name), std::move(Draw)});
  };
  for (int k = ekRaisedOuter; k <= ekBump; ++k)
    add("edge " + std::to_string(k),
        [k](TCanvas& C, const TRect& R) { DrawEdge(C, R, TEdgeKind(k)); });
  add("sunken border", [](TCanvas& C, const TRect& R) { DrawSunkenBorder(C, R); });
  add("flat border", [](TCanvas& C, const TRect& R) { DrawFlatBorder(C, R); });
  add("bevels", [](TCanvas& C, const TRect& R) { DrawDoubleBevel(C, R, bcRaised, bcLowered, 2); });
  for (int f = bfUp; f <= bfPushed; ++f) {
    add("face " + std::to_string(f), [f](TCanvas& C, const TRect& R) {
      DrawButtonFace(C, R, TButtonFace(f), {foDefault});
    });
  }
  for (int d = adUp; d <= adRight; ++d) {
    for (bool enabled : {true, false}) {
      add("arrow " + std::to_string(d), [d, enabled](TCanvas& C, const TRect& R) {
        DrawArrow(C, R, TArrowDirection(d), enabled);
      });
      add("scroll button " + std::to_string(d), [d, enabled](TCanvas& C, const TRect& R) {
        DrawScrollButton(C, R, TArrowDirection(d), !enabled, enabled);
        DrawScrollButton(C, R, TArrowDirection(d), false, enabled);
      });
    }
  }
  add("thumb and track", [](TCanvas& C, const TRect& R) {
    DrawScrollTrack(C, R, true);
    const int split = std::min(R.Top + 5, R.Bottom);
    DrawScrollTrack(C, Rect(R.Left, R.Top, R.Right, split));
    DrawScrollThumb(C, Rect(R.Left, split, R.Right, R.Bottom));
  });
  for (int state = 0; state <= 2; ++state) {
    for (int variant = 0; variant < 3; ++variant) {
      add("check box " + std::to_string(state), [state, variant](TCanvas& C, const TRect& R) {
        DrawCheckBox(C, R.Left, R.Top, state, variant != 1, variant == 2);
      });
      add("radio " + std::to_string(state), [state, variant](TCanvas& C, const TRect& R) {
        DrawRadio(C, R.Left, R.Top, state == 1, variant != 1, variant == 2);
      });
    }
  }
  add("flat check frames", [](TCanvas& C, const TRect& R) {
    DrawFlatCheckFrame(C, R.Left, R.Top, false, clBtnShadow);
    DrawFlatCheckFrame(C, R.Left + 13, R.Top, true, clWindowFrame);
  });
  for (int s = hsNone; s <= hsDescending; ++s) {
    add("header " + std::to_string(s), [s](TCanvas& C, const TRect& R) {
      DrawHeaderSection(C, R, THeaderSort(s), s == hsDescending);
    });
  }
  add("size grip", [](TCanvas& C, const TRect& R) { DrawSizeGrip(C, R); });
  add("engraved text", [](TCanvas& C, const TRect& R) {
    DrawEngravedText(C, R.Left, R.Top, u"Ok");
    DrawEngravedText(C, R, u"Ok", DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
  });
  return all;
}

// The canvas font draws aliased text by default, so that text pixels are
// the text colors themselves.
using CatalogueTest = LookTest;

TEST_F(CatalogueTest, OnlySystemColorsAreDrawn) {
  std::set<TColor> palette{kPaper};
  for (TColor c = clScrollBar; c <= clMenuBar; ++c) palette.insert(Sys(c));
  for (const TElement& e : Catalogue()) {
    Reset();
    e.Draw(C(), Rect(10, 10, 37, 37));
    for (int y = 0; y < 48; ++y) {
      for (int x = 0; x < 48; ++x) {
        ASSERT_TRUE(palette.count(At(x, y))) << e.Name << " at " << x << "," << y << ": "
                                             << std::hex << At(x, y);
      }
    }
  }
}

TEST_F(CatalogueTest, NothingIsDrawnOutsideTheRectangle) {
  const TRect r = Rect(10, 10, 37, 37);
  for (const TElement& e : Catalogue()) {
    Reset();
    e.Draw(C(), r);
    for (int y = 0; y < 48; ++y) {
      for (int x = 0; x < 48; ++x) {
        if (r.Contains({x, y})) continue;
        ASSERT_EQ(At(x, y), kPaper) << e.Name << " at " << x << "," << y;
      }
    }
    EXPECT_LT(CountOf(kPaper, r), r.Width() * r.Height()) << e.Name << " drew nothing";
  }
}

TEST_F(CatalogueTest, PenBrushAndFontAreLeftAsTheyWere) {
  for (const TElement& e : Catalogue()) {
    Reset();
    TCanvas& c = C();
    c.Pen()->SetColor(clLime);
    c.Pen()->SetWidth(3);
    c.Pen()->SetStyle(psDot);
    c.Pen()->SetMode(pmXor);
    c.Brush()->SetColor(clFuchsia);
    c.Brush()->SetStyle(bsCross);
    c.Font()->SetColor(clTeal);
    e.Draw(c, Rect(10, 10, 37, 37));
    EXPECT_EQ(c.Pen()->Color(), clLime) << e.Name;
    EXPECT_EQ(c.Pen()->Width(), 3) << e.Name;
    EXPECT_EQ(c.Pen()->Style(), psDot) << e.Name;
    EXPECT_EQ(c.Pen()->Mode(), pmXor) << e.Name;
    EXPECT_EQ(c.Brush()->Color(), clFuchsia) << e.Name;
    EXPECT_EQ(c.Brush()->Style(), bsCross) << e.Name;
    EXPECT_EQ(c.Font()->Color(), clTeal) << e.Name;
  }
}

TEST_F(CatalogueTest, EmptyRectanglesDrawNothing) {
  for (const TElement& e : Catalogue()) {
    if (e.Name.rfind("check", 0) == 0 || e.Name.rfind("radio", 0) == 0 ||
        e.Name.rfind("flat check", 0) == 0 || e.Name == "engraved text")
      continue;  // glyphs and text are placed at a point, not sized to a rectangle
    Reset();
    e.Draw(C(), Rect(20, 20, 20, 30));
    e.Draw(C(), Rect(20, 20, 30, 15));
    EXPECT_EQ(CountOf(kPaper, Rect(0, 0, 48, 48)), 48 * 48) << e.Name;
  }
}

}  // namespace
}  // namespace looktest
