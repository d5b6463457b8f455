// Fixture of the thumbnail strip tests: a form with one TThumbnails shown
// through the headless host, images made in memory, and the requests and
// events recorded.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include "VYR_Thumbnails/VYR_Thumbnails.h"
#include "platform/Forms.h"
#include "platform/hosts/headless/Headless.h"

namespace thumbtest {

using namespace vcl;
using namespace vyr;

// A W × H bitmap whose left half is Left and right half Right.
inline std::unique_ptr<TBitmap> TwoColorImage(int W, int H, TColor Left, TColor Right) {
  auto b = std::make_unique<TBitmap>(W, H);
  b->Canvas()->Brush()->SetColor(Left);
  b->Canvas()->FillRect({0, 0, W / 2, H});
  b->Canvas()->Brush()->SetColor(Right);
  b->Canvas()->FillRect({W / 2, 0, W, H});
  return b;
}

class ThumbFixture : public ::testing::Test {
 protected:
  // What the request handler answers for a slide (the default for others).
  struct TAnswer {
    TImageRequestProcessing How = irpShowEmpty;
    int Mark = -1;
    TBitmap* Image = nullptr;  // copied into the control's buffer
    bool Lend = false;         // point ImgBuffer at Image instead of copying
  };

  void SetUp() override {
    headless::Reset();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 700, 500);
    thumbs = new TThumbnails(form.get());
    thumbs->SetParent(form.get());
    thumbs->SetOnImageRequest([this](TObject*, int Id, TImageRequestProcessing& How, int& Mark,
                                     TBitmap*& Buffer) {
      requests.push_back(Id);
      auto it = answers.find(Id);
      const TAnswer& a = it != answers.end() ? it->second : fallback;
      How = a.How;
      Mark = a.Mark;
      if (a.Image != nullptr && a.Lend) Buffer = a.Image;
      else if (a.Image != nullptr) Buffer->Assign(a.Image);
    });
    headless::Snapshot(form.get());
  }
  void TearDown() override {
    form.reset();
    headless::Reset();
  }

  // The strip as shown, after requests recorded so far are dropped.
  std::unique_ptr<TBitmap> Shot() {
    requests.clear();
    thumbs->Invalidate();
    return headless::Snapshot(thumbs);
  }
  static TColor Px(TBitmap& B, int X, int Y) { return B.Canvas()->Pixels(X, Y) & 0xFFFFFF; }
  static TColor Rgb(TColor C) { return ColorToRGB(C) & 0xFFFFFF; }
  // The corner of a slide's cell as the control reports it.
  TPoint Corner(int N) const {
    int x = 0, y = 0;
    thumbs->CalcSlidePos(N, x, y);
    return {x, y};
  }
  // Makes the strip W × H with the given sizes and paints it once, so that
  // the grid is laid out.
  void Size(int W, int H, int Slide = 120, int Dist = 2, int Margin = 7) {
    thumbs->SetBounds(0, 0, W, H);
    thumbs->SetSlideSize(Slide);
    thumbs->SetSlideDistance(Dist);
    thumbs->SetSlideMargin(Margin);
    Shot();
  }
  void Press(int X, int Y, TShiftState Shift = {}) {
    headless::MouseDown(thumbs, mbLeft, Shift, X, Y);
    headless::MouseUp(thumbs, mbLeft, Shift, X, Y);
  }
  // A point well inside slide N's cell.
  TPoint Inside(int N) const {
    TPoint c = Corner(N);
    return {c.X + 5, c.Y + 5};
  }
  std::vector<int> Selected() const {
    std::vector<int> out;
    for (int n = thumbs->Min(); n <= thumbs->Max(); ++n)
      if (thumbs->SlideSelected(n)) out.push_back(n);
    return out;
  }

  std::unique_ptr<TForm> form;
  TThumbnails* thumbs = nullptr;
  std::map<int, TAnswer> answers;
  TAnswer fallback;
  std::vector<int> requests;
};

}  // namespace thumbtest
