// TNTabEd painting: the texts and colors of data cells and heads, the
// corner with the cell cursor or the comment label, and the sizes that
// follow the texts (AutoRowHeight, AutoColWidth).
//
// The grid fills every cell before DrawCell (the fixed color or, with the
// gradient drawing style, a gradient for heads; the control's color for
// data); each text is then drawn with TextRect, which fills the cell (or
// the head shrunk by one pixel, so that the grid's raised edges stay) with
// the background chosen here, except over a gradient.
#include <algorithm>
#include <cmath>

#include "VYR_ntabed/VYR_ntabedinternal.h"
#include "VYR_ntabed/VYR_ntabedtext.h"
#include "platform/SysUtils.h"

namespace vyr {

using vcl::TColor;
using vcl::TRect;

namespace {

constexpr TColor kCommentBack = 0x808000;
constexpr TColor kCommentText = 0xFFFFFF;
constexpr const char16_t* kHeightSample = u"9GMg\u00DC$\u00A7[{|";

// The colors and style of a data cell's text by its marks.
TColor MarkColor(std::uint8_t State, TColor Normal, TColor A, TColor B, TColor Both) {
  const bool a = (State & csMarkA) != 0, b = (State & csMarkB) != 0;
  if (a && b) return Both;
  if (a) return A;
  if (b) return B;
  return Normal;
}

// A head's rectangle shrunk by one pixel on each axis that has room.
TRect ShrunkHead(TRect R) {
  if (R.Right - R.Left > 0) {
    ++R.Left;
    --R.Right;
  }
  if (R.Bottom - R.Top > 0) {
    ++R.Top;
    --R.Bottom;
  }
  return R;
}

}  // namespace

// ---------------------------------------------------------------- paint cycle

// While painting is suppressed the picture from before stays (the window
// would otherwise show what lies behind the editor).
void TNTabEd::Paint() {
  if (Quiet()) {
    if (FSuppressPaint && FFrozen) Canvas()->Draw(0, 0, FFrozen.get());
    return;
  }
  vcl::TCustomGrid::Paint();
  if (!FOptimizeRowHeight) return;
  const int h = AutoRowHeight(-1, 2);
  if (h != DefaultRowHeight()) SetDefaultRowHeight(h);
}

void TNTabEd::DrawCell(int ACol, int ARow, const TRect& ARect, vcl::TGridDrawState AState) {
  switch (ntabed::KindOfCell(ACol, ARow, Offsets())) {
    case ntabed::ckData: DrawDataCell(ACol, ARow, ARect, AState); break;
    case ntabed::ckCorner: DrawCorner(ARect); break;
    case ntabed::ckOutside: break;
    default: DrawHeadCell(ACol, ARow, ARect); break;
  }
}

void TNTabEd::FreezePicture() {
  FFrozen.reset();
  if (!Showing() || ClientWidth() <= 0 || ClientHeight() <= 0) return;
  const int b = BorderStyle() == vcl::bsSingle ? 1 : 0;
  auto picture = std::make_unique<vcl::TBitmap>(ClientWidth(), ClientHeight());
  picture->Canvas()->CopyRect(vcl::Rect(0, 0, ClientWidth(), ClientHeight()), Canvas(),
                              vcl::Rect(b, b, b + ClientWidth(), b + ClientHeight()));
  FFrozen = std::move(picture);
}

TRect TNTabEd::OuterCellRect(int ACol, int ARow) const {
  TRect r = CellRect(ACol, ARow);
  const int b = BorderStyle() == vcl::bsSingle ? 1 : 0;
  if (!r.IsEmpty()) r.Offset(b, b);
  return r;
}

// ---------------------------------------------------------------- data cells

// Empty before invalid; nominal columns show the identifier of the rounded
// value (or the scale's name and the number); the rest the number text.
vcl::String TNTabEd::DataCellText(int c, int r) const {
  const std::uint8_t state = Data->GetCellState(c, r);
  if (state & csEmpty) return vcl::String();
  if (state & csNoNumber) return u"-nan-";
  const double x = Data->GetElem(c, r);
  if (IsNominalColumn(c)) {
    const double n = std::nearbyint(x);
    if (n >= 1 && n <= MaxNominalOrdinal) {
      vcl::String id = Data->GetNominalID(c, static_cast<int>(n));
      if (!id.empty()) return id;
    }
    const TMScaleType scale = Data->GetMScaleType(c);
    return vcl::String(MScaleTypeNames[scale]) + u":" + ntabed::IntegerText(n);
  }
  return ntabed::FormatCellNum(x, FNumWidth, Precision(c));
}

void TNTabEd::DrawDataCell(int ACol, int ARow, const TRect& ARect, vcl::TGridDrawState AState) {
  const int c = ACol - FColOffset, r = ARow - FRowOffset;
  vcl::TCanvas& canvas = *Canvas();
  const std::uint8_t state = Data->GetCellState(c, r);
  const bool selected = AState.Contains(vcl::gdSelected);
  vcl::String text = DataCellText(c, r);
  TColor normal = selected ? FColorRangeSelFG : FColorNormal;
  TColor ink = MarkColor(state, normal, FColorMarkedA, FColorMarkedB, FColorMarkedBoth);
  TColor back = selected ? FColorRangeSelBG : Color();
  vcl::TFontStyles styles = Font()->Style();
  if ((state & (csMarkA | csMarkB)) != 0 && FBoldMarks) styles << vcl::fsBold;
  if (FOnBeforeRenderCell) {
    TBeforeRenderCellEvent handler = FOnBeforeRenderCell;
    handler(this, c, r, text, ink, back, styles);
  }
  canvas.Font()->SetColor(ink);
  canvas.Font()->SetStyle(styles);
  canvas.Brush()->SetStyle(vcl::bsSolid);
  canvas.Brush()->SetColor(back);
  canvas.TextRect(ARect, ARect.Left + 2, ARect.Top + 1, text);
}

// ---------------------------------------------------------------- heads

// Row heads are highlighted in the selection's top row, column heads in
// its left column.
void TNTabEd::DrawHeadCell(int ACol, int ARow, const TRect& ARect) {
  const ntabed::TCellKind kind = ntabed::KindOfCell(ACol, ARow, Offsets());
  const vcl::TGridRect sel = Selection();
  const int c = ACol - FColOffset, r = ARow - FRowOffset;
  TRect rect = ShrunkHead(ARect);
  vcl::String text;
  bool lit = false;
  int dy = 1;
  switch (kind) {
    case ntabed::ckRowName: text = RowName(r), lit = ARow == sel.Top, dy = 0; break;
    case ntabed::ckRowAttrib: text = vcl::IntToStr(RowAttrib(r)), lit = ARow == sel.Top; break;
    case ntabed::ckColAttrib: text = vcl::IntToStr(ColAttrib(c)), lit = ACol == sel.Left; break;
    case ntabed::ckColName: text = ColName(c), lit = ACol == sel.Left; break;
    case ntabed::ckAttribLabel: text = u"Attrib"; break;
    case ntabed::ckAttributeLabel: text = u"Attribute"; break;
    default: break;
  }
  const bool narrower = kind != ntabed::ckAttribLabel;  // every head but "Attrib"
  if (narrower && rect.Right - rect.Left > 0) rect.Right = std::max(rect.Left, rect.Right - 2);
  vcl::TCanvas& canvas = *Canvas();
  vcl::TFontStyles styles = Font()->Style();
  if (lit && FBoldSelHeads) styles << vcl::fsBold;
  canvas.Font()->SetColor(lit ? FColorSelected : FColorNormal);
  canvas.Font()->SetStyle(styles);
  // Under the gradient drawing style the grid's gradient stays behind the
  // text; otherwise the text fills its rectangle with the fixed color.
  canvas.Brush()->SetColor(FixedColor());  // a color makes the brush solid: first
  canvas.Brush()->SetStyle(DrawingStyle() == vcl::gdsGradient ? vcl::bsClear : vcl::bsSolid);
  canvas.TextRect(rect, rect.Left + 2, rect.Top + dy, text);
  canvas.Brush()->SetStyle(vcl::bsSolid);
  canvas.Font()->SetStyle(Font()->Style());
}

// ---------------------------------------------------------------- corner

void TNTabEd::DrawCorner(const TRect& ARect) {
  vcl::TCanvas& canvas = *Canvas();
  if (FCommentMMActive) {
    DrawCommentLabel(canvas, ARect, ARect.Left + 2, ARect.Top + 1);
    return;
  }
  const vcl::TGridRect sel = Selection();
  DrawCursorText(canvas, ARect, sel.Left, sel.Top);
}

// The cursor text "column:row" in data coordinates, or only the corner's
// background while ShowCellCursor is off.
void TNTabEd::DrawCursorText(vcl::TCanvas& C, const TRect& R, int ACol, int ARow) {
  C.Font()->SetColor(FColorNormal);
  C.Font()->SetStyle({});
  C.Brush()->SetStyle(vcl::bsSolid);
  C.Brush()->SetColor(vcl::clWindow);
  vcl::String text;
  if (FShowCellCursor) {
    text = vcl::IntToStr(ACol - FColOffset) + u":" + vcl::IntToStr(ARow - FRowOffset);
  }
  C.TextRect(R, R.Left + 3, R.Top + 2, text);
}

void TNTabEd::DrawCommentLabel(vcl::TCanvas& C, const TRect& R, int X, int Y) {
  C.Font()->SetColor(kCommentText);
  C.Font()->SetStyle({});
  C.Brush()->SetStyle(vcl::bsSolid);
  C.Brush()->SetColor(kCommentBack);
  C.TextRect(R, X, Y, u"Comment:");
}

void TNTabEd::DisplayCellCursor(int ACol, int ARow) {
  if (!FShowCellCursor || FCommentMMActive || Quiet()) return;
  vcl::TCanvas& canvas = *Canvas();
  canvas.Font()->Assign(Font());
  const TRect r = OuterCellRect(0, 0);
  if (r.IsEmpty()) return;
  DrawCursorText(canvas, r, ACol, ARow);
}

// ---------------------------------------------------------------- sizes from texts

int TNTabEd::TextWidthOf(const vcl::String& Text) {
  vcl::TCanvas& canvas = *Canvas();
  return canvas.TextWidth(Text);
}

int TNTabEd::AutoRowHeight(int RowNr, int Addon) {
  vcl::TCanvas& canvas = *Canvas();
  canvas.Font()->Assign(Font());
  const int h = std::max(canvas.TextHeight(kHeightSample) + Addon + 2, 8);
  SetRowHeights(RowNr, h);
  return h;
}

// The widest text of the column (numbers whatever the cells' states and
// scale), its attribute and, with IncludeHeader, its name.
int TNTabEd::AutoColWidth(int ColNr, bool IncludeHeader, int Addon) {
  Canvas()->Font()->Assign(Font());
  int m = 0;
  if (ColNr == -1) {
    m = TextWidthOf(IncludeHeader ? u"Attrib" : u"255");
  } else if (ColNr == 0) {
    m = TextWidthOf(u"999:9999");
    for (int r = 1; r <= NrOfRows(); ++r) m = std::max(m, TextWidthOf(RowName(r)));
  } else if (ValidCol(ColNr)) {
    if (IncludeHeader) m = TextWidthOf(ColName(ColNr));
    m = std::max(m, TextWidthOf(vcl::IntToStr(ColAttrib(ColNr))));
    const int d = Precision(ColNr);
    for (int r = 1; r <= NrOfRows(); ++r) {
      m = std::max(m, TextWidthOf(ntabed::FormatCellNum(Data->GetElem(ColNr, r), FNumWidth, d)));
    }
  }
  const int w = std::max(m + Addon + 8, 4);
  SetColWidths(ColNr, w);
  return w;
}

}  // namespace vyr
