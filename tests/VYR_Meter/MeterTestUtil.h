// A meter on a form of the headless host, with helpers that read its
// pixels where the geometry functions say a part lies.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "VYR_Meter/VYR_Meter.h"
#include "platform/Forms.h"
#include "platform/hosts/headless/Headless.h"

namespace metertest {

using namespace vcl;
using vyr::TMeter;

inline const TColor kFace = ColorToRGB(clBtnFace);

class MeterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    Form = std::make_unique<TForm>(nullptr);
    Form->SetClientWidth(900);
    Form->SetClientHeight(700);
    Meter = MakeMeter();
  }
  void TearDown() override {
    Form.reset();
    headless::Reset();
  }
  TMeter* MakeMeter() {
    auto* m = new TMeter(Form.get());
    m->SetParent(Form.get());
    return m;
  }
  // The meter as shown now, and as a complete repaint shows it.
  std::unique_ptr<TBitmap> Shot() { return headless::Snapshot(Meter); }
  std::unique_ptr<TBitmap> FullShot() {
    Meter->Invalidate();
    return headless::Snapshot(Meter);
  }
  static TColor At(const std::unique_ptr<TBitmap>& B, int X, int Y) {
    return B->Canvas()->Pixels(X, Y);
  }
  static TColor At(const std::unique_ptr<TBitmap>& B, TPoint P) { return At(B, P.X, P.Y); }
  // θ of a value on the meter's scale, and the pixel at distance R in that direction.
  double Theta(double V) const {
    return vyr::meter::ThetaOf(Meter->Geometry(),
                               vyr::meter::ValueToFraction(Meter->ScaleRange(), V));
  }
  TPoint Along(double V, double R) const {
    return vyr::meter::PointAt(Meter->Geometry(), Theta(V), R);
  }
  // Number of pixels of Color in the rectangle.
  static int Count(const std::unique_ptr<TBitmap>& B, const TRect& R, TColor Color) {
    int n = 0;
    for (int y = R.Top; y < R.Bottom; ++y) {
      for (int x = R.Left; x < R.Right; ++x) n += At(B, x, y) == Color ? 1 : 0;
    }
    return n;
  }
  // The first pixel where two pictures differ, as "x,y", or "" when equal.
  static std::string FirstDifference(const std::unique_ptr<TBitmap>& A,
                                     const std::unique_ptr<TBitmap>& B) {
    if (A->Width() != B->Width() || A->Height() != B->Height()) return "size";
    for (int y = 0; y < A->Height(); ++y) {
      for (int x = 0; x < A->Width(); ++x) {
        if (A->ScanLine(y)[x] != B->ScanLine(y)[x]) {
          return std::to_string(x) + "," + std::to_string(y);
        }
      }
    }
    return "";
  }
  // A picture file of W × H pixels filled by Fn(x, y) in the test's scratch folder.
  template <class F>
  static String MakeImage(const std::string& Name, int W, int H, F Fn) {
    TBitmap bmp(W, H);
    for (int y = 0; y < H; ++y) {
      for (int x = 0; x < W; ++x) bmp.Canvas()->SetPixels(x, y, Fn(x, y));
    }
    const String path = FromUTF8(std::string(VYR_TEST_TMP) + "/" + Name);
    ForceDirectories(FromUTF8(VYR_TEST_TMP));
    bmp.SaveToFile(path);
    return path;
  }

  std::unique_ptr<TForm> Form;
  TMeter* Meter = nullptr;
};

}  // namespace metertest
