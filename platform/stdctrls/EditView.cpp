// TCustomEdit: line layout, positions, scrolling and painting.
//
// The text is laid out in shown lines: one for a single-line edit; for a
// multi-line edit one per "\n"-separated line, and with WordWrap a line
// that does not fit is broken after its last blank that fits (or, without
// one, after the last character that fits). Glyph advances add up (the
// font engine applies no kerning), so a position's pixel offset is the sum
// of the advances before it.
#include <algorithm>

#include "platform/Guards.h"
#include "platform/Look.h"
#include "platform/StdCtrls.h"
#include "platform/controls/Internal.h"

namespace vcl {

namespace {

bool IsHighSurrogate(Char C) { return C >= 0xD800 && C <= 0xDBFF; }

// Tabs advance to the next multiple of this many average characters.
constexpr int TabColumns = 8;

}  // namespace

TCanvas& TCustomEdit::Measure() {
  if (!FMeasureSynced) {
    FMeasure.Font()->Assign(Font());
    FMeasureSynced = true;
  }
  return FMeasure;
}

int TCustomEdit::LineHeight() { return std::max(1, Measure().TextHeight(u"Wg")); }

int TCustomEdit::BorderWidth() const {
  if (FBorderStyle == bsNone) return 0;
  return Ctl3D() ? 2 : 1;
}

// Inside the border, a one-pixel margin, and left of (above) the bars,
// which TWindowScrollBars places along the border's inside.
TRect TCustomEdit::TextArea() const {
  int b = BorderWidth();
  TRect r = Rect(b + 1, b + 1, Width() - b - 1, Height() - b - 1);
  if (FMultiLine && (FScrollBars == ssVertical || FScrollBars == ssBoth)) {
    r.Right -= ScrollBarThickness;
  }
  if (FMultiLine && (FScrollBars == ssHorizontal || FScrollBars == ssBoth)) {
    r.Bottom -= ScrollBarThickness;
  }
  if (r.Right < r.Left) r.Right = r.Left;
  if (r.Bottom < r.Top) r.Bottom = r.Top;
  return r;
}

String TCustomEdit::DisplayText() const {
  if (FPasswordChar == 0) return Text();
  return String(Text().size(), FPasswordChar);
}

void TCustomEdit::InvalidateLayout() {
  FLayoutValid = false;
  FMeasureSynced = false;
}

// ---------------------------------------------------------------- layout

std::vector<int> TCustomEdit::LineOffsets(const TVisualLine& L) {
  const String shown = DisplayText();
  TCanvas& m = Measure();
  std::vector<int> x(static_cast<std::size_t>(L.Length) + 1, 0);
  int tab = std::max(1, m.TextWidth(u"x") * TabColumns);
  int pos = 0;
  for (int i = 0; i < L.Length;) {
    Char c = shown[L.Start + i];
    int units = IsHighSurrogate(c) && i + 1 < L.Length ? 2 : 1;
    int w = c == u'\t' ? tab - pos % tab : m.TextWidth(shown.substr(L.Start + i, units));
    for (int k = 1; k <= units; ++k) x[i + k] = pos + (k == units ? w : 0);
    pos += w;
    i += units;
  }
  return x;
}

void TCustomEdit::RebuildLayout() {
  FLines.clear();
  const String& t = Text();
  int n = GetTextLen();
  if (!FMultiLine) {
    FLines.push_back({0, n});
    FLayoutValid = true;
    return;
  }
  int width = TextArea().Width();
  int start = 0;
  for (;;) {
    int end = static_cast<int>(t.find(u'\n', start));
    if (end < 0) end = n;
    TVisualLine logical{start, end - start};
    if (!FWordWrap || width <= 0) {
      FLines.push_back(logical);
    } else {
      std::vector<int> x = LineOffsets(logical);
      int from = 0;
      while (logical.Length - from > 0 && x[logical.Length] - x[from] > width) {
        int fit = from + 1;
        while (fit < logical.Length && x[fit + 1] - x[from] <= width) ++fit;
        if (fit < logical.Length && IsHighSurrogate(t[start + fit - 1]) && fit - from > 1) --fit;
        int cut = fit;
        for (int k = fit; k > from; --k) {
          if (t[start + k - 1] == u' ') {
            cut = k;
            break;
          }
        }
        FLines.push_back({start + from, cut - from});
        from = cut;
      }
      FLines.push_back({start + from, logical.Length - from});
    }
    if (end >= n) break;
    start = end + 1;
  }
  FLayoutValid = true;
}

const std::vector<TCustomEdit::TVisualLine>& TCustomEdit::VisualLines() {
  if (!FLayoutValid) RebuildLayout();
  return FLines;
}

int TCustomEdit::LineOfIndex(int Index) {
  const auto& lines = VisualLines();
  auto it = std::upper_bound(lines.begin(), lines.end(), Index,
                             [](int i, const TVisualLine& l) { return i < l.Start; });
  return std::max(0, static_cast<int>(it - lines.begin()) - 1);
}

int TCustomEdit::VisibleLineCount() { return std::max(1, TextArea().Height() / LineHeight()); }

void TCustomEdit::SetTopLine(int Value) {
  int last = static_cast<int>(VisualLines().size()) - 1;
  Value = std::clamp(Value, 0, std::max(0, last));
  if (FTopLine == Value) return;
  FTopLine = Value;
  Invalidate();
}

void TCustomEdit::SizeChanged(int DeltaWidth, int DeltaHeight) {
  InvalidateLayout();
  TWinControl::SizeChanged(DeltaWidth, DeltaHeight);
}

// ---------------------------------------------------------------- positions

int TCustomEdit::IndexAtPoint(int X, int Y) {
  TRect area = TextArea();
  const auto& lines = VisualLines();
  int line = 0;
  if (FMultiLine) {
    int row = Y < area.Top ? -1 : (Y - area.Top) / LineHeight();
    line = std::clamp(FTopLine + row, 0, static_cast<int>(lines.size()) - 1);
  }
  const TVisualLine l = lines[line];
  std::vector<int> x = LineOffsets(l);
  int px = X - area.Left + FScrollX;
  for (int i = 0; i < l.Length; ++i) {
    if (px < (x[i] + x[i + 1] + 1) / 2) return ClampIndex(l.Start + i);
  }
  return ClampIndex(l.Start + l.Length);
}

TPoint TCustomEdit::PointOfIndex(int Index) {
  TRect area = TextArea();
  Index = ClampIndex(Index);
  int line = LineOfIndex(Index);
  const TVisualLine l = VisualLines()[line];
  std::vector<int> x = LineOffsets(l);
  int offset = x[std::clamp(Index - l.Start, 0, l.Length)];
  return {area.Left + offset - FScrollX, area.Top + (line - FTopLine) * LineHeight()};
}

// The line Lines away from the caret's, at the pixel column the caret had
// when vertical movement began.
int TCustomEdit::VerticalTarget(int Lines) {
  const auto& lines = VisualLines();
  int line = LineOfIndex(FCaret);
  if (FDesiredX < 0) {
    std::vector<int> x = LineOffsets(lines[line]);
    FDesiredX = x[std::clamp(FCaret - lines[line].Start, 0, lines[line].Length)];
  }
  int target = std::clamp(line + Lines, 0, static_cast<int>(lines.size()) - 1);
  if (target == line) return Lines < 0 ? 0 : GetTextLen();
  const TVisualLine l = lines[target];
  std::vector<int> x = LineOffsets(l);
  for (int i = 0; i < l.Length; ++i) {
    if (FDesiredX < (x[i] + x[i + 1] + 1) / 2) return l.Start + i;
  }
  return l.Start + l.Length;
}

void TCustomEdit::ScrollCaretIntoView() {
  TRect area = TextArea();
  const auto& lines = VisualLines();
  int line = LineOfIndex(FCaret);
  if (FMultiLine) {
    int visible = VisibleLineCount();
    if (line < FTopLine) FTopLine = line;
    if (line >= FTopLine + visible) FTopLine = line - visible + 1;
    if (FWordWrap) {
      FScrollX = 0;
      return;
    }
  }
  std::vector<int> x = LineOffsets(lines[line]);
  int caret = x[std::clamp(FCaret - lines[line].Start, 0, lines[line].Length)];
  int width = std::max(1, area.Width());
  if (caret - FScrollX > width - 1) FScrollX = caret - width + 1;
  if (caret < FScrollX) FScrollX = caret;
  // A single line never leaves empty room on the right while text is hidden on the left.
  if (!FMultiLine) FScrollX = std::max(0, std::min(FScrollX, x.back() - width + 1));
}

// ---------------------------------------------------------------- painting

TCanvas* TCustomEdit::Canvas() { return PrepareCanvas(FCanvas); }

void TCustomEdit::PaintWindow(TCanvas* DC) {
  detail::PaintScope scope(this, FCanvas, *DC);
  Paint();
}

bool TCustomEdit::SelectionShown() const {
  return SelLength() > 0 && (ShowsFocus() || !FHideSelection);
}

void TCustomEdit::PaintBorder(TCanvas& C) {
  if (FBorderStyle == bsNone) return;
  if (Ctl3D()) {
    look::DrawSunkenBorder(C, ClientRect());
  } else {
    look::DrawFlatBorder(C, ClientRect(), clWindowFrame);
  }
}

// ---------------------------------------------------------------- scroll bars

// A multi-line edit shows the bars its ScrollBars allow whether or not
// there is anything to scroll (grayed then). The vertical bar counts shown
// lines, the horizontal one pixels; word-wrapped text never scrolls
// sideways.
void TCustomEdit::SyncBars() {
  int b = BorderWidth();
  FBars.SetScrollBars(FMultiLine ? FScrollBars : ssNone);
  FBars.SetShown(true, true);
  FBars.SetArea(Rect(b, b, std::max(b, Width() - b), std::max(b, Height() - b)));
  if (!FMultiLine) return;
  int visible = VisibleLineCount();
  int lines = static_cast<int>(VisualLines().size());
  FBars.SetRange(sbVertical, {0, lines - 1, visible, FTopLine});
  FBars.SetSteps(sbVertical, 1, visible);
  int page = std::max(1, TextArea().Width());
  int extent = FWordWrap || FScrollBars == ssNone || FScrollBars == ssVertical
                   ? 0
                   : std::max(WidestLine(), FScrollX + page);
  FBars.SetRange(sbHorizontal, {0, std::max(extent - 1, 0), page, FScrollX});
  FBars.SetSteps(sbHorizontal, std::max(1, Measure().TextWidth(u"x")), page);
}

// The widest shown line with room for the caret after it.
int TCustomEdit::WidestLine() {
  int widest = 0;
  for (const TVisualLine& l : VisualLines()) widest = std::max(widest, LineOffsets(l).back() + 1);
  return widest;
}

void TCustomEdit::BarScrolled(TScrollBarKind Kind, TScrollCode Code, int& Pos) {
  if (Kind == sbVertical) {
    if (Code != scEndScroll) SetTopLine(Pos);
    Pos = FTopLine;
    return;
  }
  if (Code != scEndScroll && Pos != FScrollX && !FWordWrap) {
    FScrollX = std::max(Pos, 0);
    Invalidate();
  }
  Pos = FScrollX;
}

bool TCustomEdit::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (TWinControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  if (!FMultiLine) return false;
  SyncBars();
  return FBars.MouseWheel(WheelDelta);
}

namespace {

// Draws Shown[From, To) at X, tab by tab, each run placed at its offset.
void DrawRun(TCanvas& C, const String& Shown, int LineStart, const std::vector<int>& Offsets,
             int From, int To, int X0, int Y) {
  int run = From;
  for (int i = From; i <= To; ++i) {
    if (i < To && Shown[i] != u'\t') continue;
    if (i > run) C.TextOut(X0 + Offsets[run - LineStart], Y, Shown.substr(run, i - run));
    run = i + 1;
  }
}

}  // namespace

// Unselected text over the background, selected text in the highlight colors.
void TCustomEdit::PaintLine(TCanvas& C, const TVisualLine& L, int Y, const String& Shown) {
  std::vector<int> x = LineOffsets(L);
  int x0 = TextArea().Left - FScrollX;
  int end = L.Start + L.Length;
  int selFrom = L.Start, selTo = L.Start;
  if (SelectionShown()) {
    selFrom = std::clamp(SelStart(), L.Start, end);
    selTo = std::clamp(SelStart() + SelLength(), L.Start, end);
  }
  TColor textColor = Enabled() ? Font()->Color() : clGrayText;
  C.Brush()->SetStyle(bsClear);
  C.Font()->SetColor(textColor);
  DrawRun(C, Shown, L.Start, x, L.Start, selFrom, x0, Y);
  DrawRun(C, Shown, L.Start, x, selTo, end, x0, Y);
  if (selTo <= selFrom) return;
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(clHighlight);
  C.FillRect(Rect(x0 + x[selFrom - L.Start], Y, x0 + x[selTo - L.Start], Y + LineHeight()));
  C.Brush()->SetStyle(bsClear);
  C.Font()->SetColor(clHighlightText);
  DrawRun(C, Shown, L.Start, x, selFrom, selTo, x0, Y);
}

void TCustomEdit::PaintCaret(TCanvas& C) {
  TPoint p = PointOfIndex(FCaret);
  C.Pen()->SetStyle(psSolid);
  C.Pen()->SetMode(pmCopy);
  C.Pen()->SetWidth(1);
  C.Pen()->SetColor(Font()->Color());
  C.MoveTo(p.X, p.Y);
  C.LineTo(p.X, p.Y + LineHeight());
}

void TCustomEdit::Paint() {
  TCanvas& C = FCanvas;
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(Color());
  C.FillRect(ClientRect());
  PaintBorder(C);
  SyncBars();
  FBars.Paint(C);
  TRect area = TextArea();
  if (area.IsEmpty()) return;
  TCanvasClipGuard clip(C, area);
  C.Font()->Assign(Font());
  const String shown = DisplayText();
  const auto& lines = VisualLines();
  int lh = LineHeight();
  int count = FMultiLine ? VisibleLineCount() + 1 : 1;
  int first = FMultiLine ? FTopLine : 0;
  for (int i = first; i < static_cast<int>(lines.size()) && i < first + count; ++i) {
    PaintLine(C, lines[i], area.Top + (i - first) * lh, shown);
  }
  if (shown.empty() && !FTextHint.empty() && !ShowsFocus()) {
    C.Brush()->SetStyle(bsClear);
    C.Font()->SetColor(clGrayText);
    C.TextOut(area.Left, area.Top, FTextHint);
  }
  if (ShowsFocus() && Enabled()) PaintCaret(C);
}

}  // namespace vcl
