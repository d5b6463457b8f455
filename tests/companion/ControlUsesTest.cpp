// The companion services as the controls use them: ownership of the small
// containers, rebuilding a report's shown order entry by entry, the color
// button's lightening, nested focus frames, and walking a folder path.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "companion/basepack/VYR_dstruct.h"
#include "companion/basepack/VYR_filesys.h"
#include "companion/basepack/VYR_stringl.h"
#include "companion/basepack/VYR_vyrbase.h"
#include "companion/basepack/VYR_vyrcolors.h"
#include "companion/mathpack/VYR_matrix.h"
#include "platform/Graphics.h"

using namespace vyr;
using vcl::String;
using vcl::TColor;

namespace {

// Records the components it is told are being freed.
class FreeWatcher : public vcl::TComponent {
 public:
  FreeWatcher() : TComponent(nullptr) {}
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override {
    if (Operation == vcl::opRemove) Freed.push_back(AComponent);
    TComponent::Notification(AComponent, Operation);
  }
  std::vector<vcl::TComponent*> Freed;
};

std::vector<String> Shown(const TStringArray& t, int col) {
  std::vector<String> v;
  for (int r = 1; r <= t.NrOfRows(); ++r) v.push_back(t.GetString(col, r));
  return v;
}

// The lightening rule of the color button: +0.2 up to 0.3, else halfway
// to white, never above 1.
double Lighter(double L) { return std::min(1.0, L <= 0.3 ? L + 0.2 : (L + 1) / 2); }

}  // namespace

// ---------------------------------------------------------------- ownership

TEST(Ownership, AnOwnerFreesItsBitFieldAndIntegerMatrix) {
  FreeWatcher watcher;
  auto owner = std::make_unique<vcl::TComponent>(nullptr);
  auto* selected = new TBitFld(owner.get(), 40);
  auto* holidays = new TIntMatrix(owner.get(), 3, 8);
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(selected->Owner(), owner.get());
  EXPECT_EQ(selected->Size(), 40);
  EXPECT_EQ(holidays->NrOfColumns(), 3);
  EXPECT_EQ(holidays->NrOfRows(), 8);
  // Both behave as their owner-less forms do.
  selected->SetBit(39, true);
  holidays->SetVal(3, 8, -99999);
  EXPECT_EQ(selected->FirstTrueBit(), 39);
  EXPECT_EQ(holidays->GetVal(3, 8), -99999);
  selected->FreeNotification(&watcher);
  holidays->FreeNotification(&watcher);
  owner.reset();
  ASSERT_EQ(watcher.Freed.size(), 2u);
  EXPECT_NE(watcher.Freed[0], watcher.Freed[1]);
}

TEST(Ownership, WithoutAnOwnerTheCreatorKeepsThem) {
  TBitFld bits(nullptr);
  TIntMatrix days(nullptr, 3, 0);
  EXPECT_EQ(bits.Owner(), nullptr);
  EXPECT_EQ(bits.Size(), 0);
  EXPECT_EQ(days.NrOfRows(), 0);
  days.SetNRows(1);
  days.SetVal(2, 1, 12);
  EXPECT_EQ(days.GetVal(2, 1), 12);
}

// ---------------------------------------------------------------- report order

// A report store copies a sorted table by writing each shown row's texts to
// the physical row the source keeps them in, then setting the shown order
// entry by entry; the intermediate orders repeat rows, the final one must
// show exactly what the source shows.
TEST(ReportOrder, RebuiltEntryByEntryShowsWhatTheSourceShows) {
  const std::vector<String> names{u"Pluto", u"earth", u"Mars", u"venus", u"Ceres", u"mercury"};
  TStringArray src(2, static_cast<int>(names.size()));
  for (int r = 1; r <= src.NrOfRows(); ++r) {
    src.SetString(1, r, names[static_cast<std::size_t>(r - 1)]);
    src.SetString(2, r, vcl::FromUTF8(std::to_string(r * 7 % 5)));
    src.SetRowAttrib(r, static_cast<std::uint8_t>(r));
  }
  src.Sort(2, 1, false);

  TStringArray copy(2, src.NrOfRows());
  for (int r = 1; r <= src.NrOfRows(); ++r) {
    const int phys = src.GetSortOrder(r);
    for (int c = 0; c <= 2; ++c) copy.SetString(c, phys, src.GetString(c, r));
    copy.SetRowAttrib(phys, src.GetRowAttrib(r));
  }
  for (int r = 1; r <= src.NrOfRows(); ++r) copy.SetSortOrder(r, src.GetSortOrder(r));

  EXPECT_EQ(Shown(copy, 1), Shown(src, 1));
  EXPECT_EQ(Shown(copy, 2), Shown(src, 2));
  for (int r = 1; r <= src.NrOfRows(); ++r) {
    EXPECT_EQ(copy.GetSortOrder(r), src.GetSortOrder(r)) << r;
    EXPECT_EQ(copy.GetRowAttrib(r), src.GetRowAttrib(r)) << r;
  }
  // Physically the two agree as well.
  copy.UnSort();
  src.UnSort();
  EXPECT_EQ(Shown(copy, 1), Shown(src, 1));
  // A structural change after the rebuild still sees every row once.
  copy.InsertRow(1);
  EXPECT_EQ(copy.NrOfRows(), 7);
  EXPECT_EQ(copy.GetString(1, 1), u"");
}

// ---------------------------------------------------------------- color button

TEST(ColorButtonUse, LighteningChangesOnlyTheLightness) {
  // 153/255 of red has lightness exactly 0.3, which becomes 0.5: pure red.
  double h, s, l;
  ColorToHSL(vcl::RGB(153, 0, 0), h, s, l);
  EXPECT_NEAR(l, 0.3, 1e-12);
  EXPECT_EQ(HSLtoColor(h, s, Lighter(l)), vcl::clRed);
  // White stays white.
  ColorToHSL(vcl::clWhite, h, s, l);
  EXPECT_EQ(HSLtoColor(h, s, Lighter(l)), vcl::clWhite);

  for (TColor c : {vcl::RGB(40, 90, 160), vcl::RGB(200, 30, 120), vcl::RGB(20, 20, 21),
                   vcl::RGB(10, 128, 64), vcl::clBtnShadow, vcl::clNavy}) {
    ColorToHSL(c, h, s, l);
    const double target = Lighter(l);
    const TColor lit = HSLtoColor(h, s, target);
    double h2, s2, l2;
    ColorToHSL(lit, h2, s2, l2);
    // Bytes are rounded, so the lightness lands within one step of 255.
    EXPECT_NEAR(l2, target, 1.0 / 255) << std::hex << c;
    EXPECT_GT(l2, l) << std::hex << c;
    // The hue stays (within what byte rounding allows at that saturation).
    const double dh = std::fabs(h2 - h);
    EXPECT_LT(std::min(dh, 360 - dh), 3.0) << std::hex << c;
  }
}

TEST(ColorButtonUse, CaptionContrastAndMeanOfSystemColors) {
  // White caption up to gray 96, black from 97 on; the weights decide.
  EXPECT_LE(ColorToGray(vcl::RGB(0, 0, 255)), 96);
  EXPECT_EQ(ColorToGray(vcl::RGB(0, 165, 0)), 97);  // 0.587 * 165 = 96.9
  EXPECT_EQ(ColorToGray(vcl::RGB(0, 164, 0)), 96);  // 96.3
  // System colors are resolved before their bytes are averaged.
  const TColor face = vcl::ColorToRGB(vcl::clBtnFace);
  const TColor mean = MeanColor(vcl::clBtnFace, vcl::clBlack);
  EXPECT_EQ(vcl::GetRValue(mean), vcl::GetRValue(face) / 2);
  EXPECT_EQ(vcl::GetGValue(mean), vcl::GetGValue(face) / 2);
  EXPECT_EQ(vcl::GetBValue(mean), vcl::GetBValue(face) / 2);
  EXPECT_EQ(MeanColor(vcl::clBlack, vcl::clBtnFace), mean);
}

// ---------------------------------------------------------------- focus frames

// Thumbnails draw a focus frame of width w as w nested rectangles and erase
// it by drawing the same rectangles in the cover color.
TEST(FocusFrame, NestedRectanglesFormABandAndEraseCompletely) {
  constexpr TColor kCover = 0x203040, kFocus = 0x00C0FF;
  vcl::TBitmap b(30, 24);
  vcl::TCanvas* c = b.Canvas();
  c->Brush()->SetColor(kCover);
  c->FillRect(vcl::Rect(0, 0, 30, 24));
  const int left = 4, top = 3, right = 25, bottom = 19, width = 3;
  auto frame = [&](TColor color) {
    c->Pen()->SetColor(color);
    c->Pen()->SetWidth(1);
    for (int k = 1; k <= width; ++k)
      DrawRectangle(c, left + k - 1, top + k - 1, right - k + 1, bottom - k + 1);
  };
  frame(kFocus);
  for (int d = 0; d < width; ++d) {
    EXPECT_EQ(c->Pixels(left + d, 10), kFocus) << d;
    EXPECT_EQ(c->Pixels(right - d, 10), kFocus) << d;
    EXPECT_EQ(c->Pixels(14, top + d), kFocus) << d;
    EXPECT_EQ(c->Pixels(14, bottom - d), kFocus) << d;
    EXPECT_EQ(c->Pixels(left + d, top + d), kFocus) << d;
    EXPECT_EQ(c->Pixels(right - d, bottom - d), kFocus) << d;
  }
  EXPECT_EQ(c->Pixels(left + width, top + width), kCover);  // the inside
  EXPECT_EQ(c->Pixels(left - 1, 10), kCover);                 // the outside
  EXPECT_EQ(c->Pixels(right + 1, bottom + 1), kCover);
  frame(kCover);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 30; ++x) ASSERT_EQ(c->Pixels(x, y), kCover) << x << "," << y;
}

// ---------------------------------------------------------------- folders

// The folder tree splits a selected path at its separators, rebuilds the
// nodes' paths with trailing separators, and walks up parents on refresh.
TEST(FolderWalk, SplitRebuildAndClimb) {
  namespace fs = std::filesystem;
  const fs::path root = fs::path(VYR_TEST_TMP) / "companion_walk";
  fs::remove_all(root);
  fs::create_directories(root / "Alpha" / "beta gamma" / "d");
  const String deep = vcl::FromUTF8((root / "Alpha" / "beta gamma" / "d").string());

  std::vector<String> items;
  const String withSep = EnsureTrailingBkSlash(deep);
  const int n = Tokenize(withSep, String(1, PathDelimiter), items);
  ASSERT_EQ(n, static_cast<int>(items.size()));
  EXPECT_EQ(items.front(), u"");  // an absolute path starts at the root
  EXPECT_EQ(items.back(), u"");   // the trailing separator gives an empty item
  EXPECT_EQ(items[static_cast<std::size_t>(n) - 3], u"beta gamma");
  // The root node stands for the empty first item; every path rebuilt from
  // it and the following items is an existing folder.
  String path(1, PathDelimiter);
  for (int i = 1; i < n - 1; ++i) {
    path = EnsureTrailingBkSlash(path + items[static_cast<std::size_t>(i)]);
    EXPECT_TRUE(DirExists(path)) << vcl::ToUTF8(path);
  }
  EXPECT_EQ(path, withSep);
  EXPECT_EQ(EnsureTrailingBkSlash(path), path);

  // A removed folder is replaced by its nearest existing parent.
  fs::remove_all(root / "Alpha" / "beta gamma");
  String dir = deep;
  int steps = 0;
  while (!dir.empty() && !DirExists(dir) && steps++ < 50) dir = ParentDir(dir);
  EXPECT_EQ(dir, vcl::FromUTF8((root / "Alpha").string()));
  fs::remove_all(root);
}
