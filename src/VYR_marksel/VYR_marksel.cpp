// The mark selector: settings, painting, the highlight and the clicks.
#include "VYR_marksel/VYR_marksel.h"

#include <algorithm>

namespace vyr {

using marksel::MarkCount;

namespace {

constexpr int MaxCells = 51;

std::size_t At(int Mark) { return static_cast<std::size_t>(Mark); }

}  // namespace

TMarkSel::TMarkSel(vcl::TComponent* AOwner) : vcl::TGraphicControl(AOwner) {
  FMarkVis.fill(true);
  SetBounds(Left(), Top(), 236, 178);
  Relayout();
}

TMarkSel::~TMarkSel() = default;

// ---------------------------------------------------------------- settings

void TMarkSel::SetNrOfColumns(int Value) {
  if (Value < 1 || Value > MaxCells || Value == FNrCols) return;
  FNrCols = Value;
  Repaint();
}

void TMarkSel::SetNrOfRows(int Value) {
  if (Value < 1 || Value > MaxCells || Value == FNrRows) return;
  FNrRows = Value;
  Repaint();
}

void TMarkSel::SetSelected(int Value) {
  if (Value < -1 || Value >= MarkCount || Value == FSelected) return;
  FSelected = Value;
  Repaint();
}

void TMarkSel::SetShowZeroAsCross(bool Value) {
  FZeroAsCross = Value;
  Invalidate();
}

void TMarkSel::SetColorField(vcl::TColor& Field, vcl::TColor Value) {
  if (Field == Value) return;
  Field = Value;
  Repaint();
}

void TMarkSel::SetFrameStyle(TFrameStyle Value) {
  if (Value == FFrameStyle) return;
  FFrameStyle = Value;
  Repaint();
}

void TMarkSel::SetEnabled(bool Value) {
  FEnabled = Value;
  vcl::TGraphicControl::SetEnabled(Value);
  Invalidate();
}

bool TMarkSel::MarkVisible(int Index) const {
  if (Index < 0 || Index >= MarkCount) Index = 0;
  return FMarkVis[At(Index)];
}

void TMarkSel::SetMarkVisible(int Index, bool Value) {
  if (Index < 1 || Index >= MarkCount) return;
  FMarkVis[At(Index)] = Value;
  Repaint();
}

void TMarkSel::ShowAllMarks() {
  std::fill(FMarkVis.begin() + 1, FMarkVis.end(), true);
  Repaint();
}

void TMarkSel::HideAllMarks() {
  std::fill(FMarkVis.begin() + 1, FMarkVis.end(), false);
  Repaint();
}

// ---------------------------------------------------------------- layout

marksel::TMarkGrid TMarkSel::Grid() const {
  return marksel::MarkGrid(Width(), Height(), FNrCols, FNrRows);
}

void TMarkSel::Relayout() {
  FGrid = Grid();
  marksel::PlaceMarks(FGrid, FMarkVis, FMarkCoords);
}

vcl::TPoint TMarkSel::MarkCentre(int Mark) const {
  marksel::TMarkCentres centres = FMarkCoords;
  marksel::PlaceMarks(Grid(), FMarkVis, centres);
  return centres[At(std::clamp(Mark, 0, MarkCount - 1))];
}

// The layout is that of the current settings, so a click finds its symbol
// even before the first paint.
int TMarkSel::MarkAt(int X, int Y) const {
  marksel::TMarkCentres centres = FMarkCoords;
  marksel::PlaceMarks(Grid(), FMarkVis, centres);
  return marksel::NearestMark(FMarkVis, centres, X, Y);
}

// ---------------------------------------------------------------- painting

TMarkSel::TColors TMarkSel::PaintColors() const {
  if (FEnabled) return {FColorFG, FColorBG, FColorSelFG, FColorSelBG};
  return {0x808080, 0xC0C0C0, 0x808080, 0xDEDEDE};
}

void TMarkSel::DrawSymbol(vcl::TCanvas& C, int Mark) {
  if (Mark == 0 && FZeroAsCross) {
    // Symbol 0 is always visible, so always in the first cell.
    const int dh = FGrid.CellWidth, dv = FGrid.CellHeight;
    C.MoveTo(4, 4);
    C.LineTo(dh + 1, dv + 1);
    C.MoveTo(4, dv);
    C.LineTo(dh + 1, 3);
    return;
  }
  const vcl::TPoint p = FMarkCoords[At(Mark)];
  DrawMarkOnCanvas(&C, static_cast<std::uint8_t>(Mark), p.X + 2, p.Y + 2);
}

void TMarkSel::DrawMarks(vcl::TCanvas& C) {
  Relayout();
  const TColors col = PaintColors();
  C.Pen()->SetStyle(vcl::psSolid);
  C.Pen()->SetMode(vcl::pmCopy);
  C.Pen()->SetWidth(1);
  C.Pen()->SetColor(col.Background);
  C.Brush()->SetColor(col.Background);
  C.Rectangle(0, 0, Width(), Height());
  for (int m = 0; m < MarkCount; ++m) {
    if (!FMarkVis[At(m)]) continue;
    if (m == FSelected) {
      C.Pen()->SetColor(col.SelSymbol);
      C.Brush()->SetColor(col.SelBackground);
      C.Rectangle(marksel::CellRect(FGrid, FMarkCoords[At(m)]));
    } else {
      C.Pen()->SetColor(col.Symbol);
      C.Brush()->SetColor(col.Background);
    }
    DrawSymbol(C, m);
  }
  DrawFrame(&C, FFrameStyle, 0, 0, Width() - 1, Height() - 1, vcl::clWhite, 0xC0C0C0, 0x808080,
            vcl::clBlack, col.Symbol);
}

void TMarkSel::Paint() {
  const int w = Width(), h = Height();
  if (w <= 0 || h <= 0) return;
  vcl::TBitmap bmp(w, h);
  DrawMarks(*bmp.Canvas());
  Canvas()->Draw(0, 0, &bmp);
  // The highlight stays across paints while the mouse is over the control.
  if (!FEnabled || FLastHiLite < 0 || !FMarkVis[At(FLastHiLite)])
    FLastHiLite = -1;
  else
    HiLite(FLastHiLite);
  if (FOnPaint) FOnPaint(this);
}

// ---------------------------------------------------------------- highlight

// Highlight and restore draw inside the frame only.
void TMarkSel::HiLite(int Mark) {
  Relayout();
  vcl::TCanvas& c = *Canvas();
  const vcl::TRect saved = c.IntersectClip(vcl::Rect(2, 2, Width() - 2, Height() - 2));
  c.Pen()->SetStyle(vcl::psSolid);
  c.Pen()->SetMode(vcl::pmCopy);
  c.Pen()->SetColor(FColorHiLite);
  c.Brush()->SetColor(FColorHiLite);
  c.Rectangle(marksel::HighlightRect(FGrid, FMarkCoords[At(Mark)]));
  c.Pen()->SetColor(FColorHiSymb);
  DrawSymbol(c, Mark);
  c.SetDeviceClip(saved);
  FLastHiLite = Mark;
}

void TMarkSel::RestoreMark(int Mark) {
  Relayout();
  const TColors col = PaintColors();
  const bool selected = Mark == FSelected;
  vcl::TCanvas& c = *Canvas();
  const vcl::TRect saved = c.IntersectClip(vcl::Rect(2, 2, Width() - 2, Height() - 2));
  c.Pen()->SetStyle(vcl::psSolid);
  c.Pen()->SetMode(vcl::pmCopy);
  c.Pen()->SetColor(selected ? col.SelSymbol : col.Background);
  c.Brush()->SetColor(selected ? col.SelBackground : col.Background);
  c.Rectangle(marksel::CellRect(FGrid, FMarkCoords[At(Mark)]));
  c.Pen()->SetColor(selected ? col.SelSymbol : col.Symbol);
  DrawSymbol(c, Mark);
  c.SetDeviceClip(saved);
}

void TMarkSel::ResetLastHiLite() {
  if (FLastHiLite >= 0 && FLastHiLite < MarkCount) RestoreMark(FLastHiLite);
  FLastHiLite = -1;
}

// ---------------------------------------------------------------- mouse

void TMarkSel::MoveHiLite(int Mark) {
  if (Mark == FLastHiLite) return;
  ResetLastHiLite();
  HiLite(Mark);
}

void TMarkSel::MouseMove(vcl::TShiftState Shift, int X, int Y) {
  vcl::TGraphicControl::MouseMove(Shift, X, Y);
  MoveHiLite(MarkAt(X, Y));
}

void TMarkSel::CMMouseLeave(vcl::TMessage& Message) {
  vcl::TGraphicControl::CMMouseLeave(Message);
  ResetLastHiLite();
}

void TMarkSel::WMLButtonUp(vcl::TWMMouse& Message) {
  vcl::TGraphicControl::WMLButtonUp(Message);
  WMMarkClick(Message);
}

void TMarkSel::WMLButtonDblClk(vcl::TWMMouse& Message) {
  vcl::TGraphicControl::WMLButtonDblClk(Message);
  WMMarkDblClick(Message);
}

void TMarkSel::WMMarkClick(vcl::TWMMouse& Message) { MarkClicked(Message, FOnMarkClick); }

void TMarkSel::WMMarkDblClick(vcl::TWMMouse& Message) { MarkClicked(Message, FOnMarkDblClick); }

// The handler is a copy: it may assign another one while it runs.
void TMarkSel::MarkClicked(vcl::TWMMouse& Message, TMarkClickEvent Event) {
  if (Message.XPos == -1 && Message.YPos == -1) return;
  const int mark = MarkAt(Message.XPos, Message.YPos);
  FSelected = mark;
  if (Event) Event(this, Message.XPos, Message.YPos, mark);
  Repaint();
  MoveHiLite(mark);
}

}  // namespace vyr
