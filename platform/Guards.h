// Guards that keep a control's state around code that may call back into
// the application (event handlers) or raise: whatever happens inside the
// scope, the state is back as it was when the scope ends.
//
//   void TBar::Paint() {
//     if (FPainting) return;              // a handler asked for a paint
//     vcl::TFlagGuard painting(FPainting);
//     vcl::TCanvasStateGuard keep(*Canvas());
//     ... OnShowValue(this, text); ...    // may set properties, may raise
//   }
#pragma once

#include <utility>

#include "platform/Graphics.h"

namespace vcl {

// Sets a flag for the life of the guard and then puts back the value it had
// before (so guards nest).
class TFlagGuard {
 public:
  explicit TFlagGuard(bool& Flag, bool Value = true) : FFlag(Flag), FOld(std::exchange(Flag, Value)) {}
  ~TFlagGuard() { FFlag = FOld; }
  TFlagGuard(const TFlagGuard&) = delete;
  TFlagGuard& operator=(const TFlagGuard&) = delete;

 private:
  bool& FFlag;
  bool FOld;
};

// Keeps a canvas's pen, brush and font and gives them back at the end of the
// scope.
class TCanvasStateGuard {
 public:
  explicit TCanvasStateGuard(TCanvas& Canvas) : FCanvas(Canvas) {
    FPen.Assign(Canvas.Pen());
    FBrush.Assign(Canvas.Brush());
    FFont.Assign(Canvas.Font());
  }
  ~TCanvasStateGuard() {
    FCanvas.Pen()->Assign(&FPen);
    FCanvas.Brush()->Assign(&FBrush);
    FCanvas.Font()->Assign(&FFont);
  }
  TCanvasStateGuard(const TCanvasStateGuard&) = delete;
  TCanvasStateGuard& operator=(const TCanvasStateGuard&) = delete;

 private:
  TCanvas& FCanvas;
  TPen FPen;
  TBrush FBrush;
  TFont FFont;
};

}  // namespace vcl
