// Scope guards the strip needs around application code: a flag set for a
// scope, and a canvas's pen, brush and font put back after a handler drew.
#pragma once

#include <utility>

#include "platform/Graphics.h"

namespace vyr::thumbs {

template <class T>
class TValueGuard {
 public:
  TValueGuard(T& Variable, T Value) : FVariable(Variable), FSaved(Variable) {
    FVariable = std::move(Value);
  }
  ~TValueGuard() { FVariable = std::move(FSaved); }
  TValueGuard(const TValueGuard&) = delete;
  TValueGuard& operator=(const TValueGuard&) = delete;

 private:
  T& FVariable;
  T FSaved;
};

class TCanvasStateGuard {
 public:
  explicit TCanvasStateGuard(vcl::TCanvas& Canvas) : FCanvas(Canvas) {
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
  vcl::TCanvas& FCanvas;
  vcl::TPen FPen;
  vcl::TBrush FBrush;
  vcl::TFont FFont;
};

}  // namespace vyr::thumbs
