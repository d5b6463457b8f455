// The state guards that need the screen or the canvas's objects.
#include "platform/Guards.h"

#include "platform/Forms.h"

namespace vcl {

TScreenCursorGuard::TScreenCursorGuard(TCursor Cursor) : FSaved(Screen.Cursor()) {
  Screen.SetCursor(Cursor);
}

TScreenCursorGuard::~TScreenCursorGuard() noexcept(false) {
  Finish([this] { Screen.SetCursor(FSaved); });
}

TCanvasStateGuard::TCanvasStateGuard(TCanvas& Canvas)
    : FCanvas(Canvas),
      FPenPos(Canvas.PenPos()),
      FCopyMode(Canvas.CopyMode()),
      FStretchMode(Canvas.StretchBltMode()),
      FClip(Canvas) {
  FPen.Assign(Canvas.Pen());
  FBrush.Assign(Canvas.Brush());
  FFont.Assign(Canvas.Font());
}

TCanvasStateGuard::~TCanvasStateGuard() noexcept(false) {
  Finish([this] { Restore(); });
}

void TCanvasStateGuard::Restore() {
  FCanvas.SetPenPos(FPenPos);
  FCanvas.SetCopyMode(FCopyMode);
  FCanvas.SetStretchBltMode(FStretchMode);
  FCanvas.Pen()->Assign(&FPen);
  FCanvas.Brush()->Assign(&FBrush);
  FCanvas.Font()->Assign(&FFont);
}

}  // namespace vcl
