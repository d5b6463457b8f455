// Engraved (disabled) text: a highlight copy one pixel right and down
// under the text in the shadow color.
#include "platform/StdCtrls.h"
#include "platform/look/LookCanvas.h"

namespace vcl::look {

namespace {

// Keeps the font color and the brush while the text is drawn, and makes
// the brush clear so that only the glyphs show.
class TKeepText {
 public:
  explicit TKeepText(TCanvas& C)
      : FCanvas(C), FFontColor(C.Font()->Color()), FBrushColor(C.Brush()->Color()),
        FBrushStyle(C.Brush()->Style()) {
    C.Brush()->SetStyle(bsClear);
  }
  ~TKeepText() {
    FCanvas.Font()->SetColor(FFontColor);
    FCanvas.Brush()->SetColor(FBrushColor);
    FCanvas.Brush()->SetStyle(FBrushStyle);
  }
  TKeepText(const TKeepText&) = delete;
  TKeepText& operator=(const TKeepText&) = delete;

 private:
  TCanvas& FCanvas;
  TColor FFontColor;
  TColor FBrushColor;
  TBrushStyle FBrushStyle;
};

}  // namespace

void DrawEngravedText(TCanvas& C, int X, int Y, const String& Text) {
  TKeepText keep(C);
  C.Font()->SetColor(clBtnHighlight);
  C.TextOut(X + 1, Y + 1, Text);
  C.Font()->SetColor(clBtnShadow);
  C.TextOut(X, Y, Text);
}

void DrawEngravedText(TCanvas& C, const TRect& R, const String& Text, unsigned Format) {
  TKeepText keep(C);
  TRect lit = R;
  lit.Offset(1, 1);
  C.Font()->SetColor(clBtnHighlight);
  DrawText(&C, Text, -1, lit, Format);
  TRect r = R;
  C.Font()->SetColor(clBtnShadow);
  DrawText(&C, Text, -1, r, Format);
}

}  // namespace vcl::look
