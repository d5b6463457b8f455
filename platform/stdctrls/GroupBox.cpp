// TCustomGroupBox: an etched frame with a caption around other controls.
#include <algorithm>

#include "platform/Look.h"
#include "platform/StdCtrls.h"
#include "platform/Streaming.h"
#include "platform/stdctrls/Measure.h"

namespace vcl {

namespace {

constexpr int kCaptionLeft = 8;  // where the caption's cell starts
constexpr int kCaptionPad = 1;   // blank on either side of the caption text

}  // namespace

TCustomGroupBox::TCustomGroupBox(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle(ControlStyle() << csAcceptsControls << csSetCaption << csDoubleClicks
                                 << csReplicatable);
  SetBounds(Left(), Top(), 185, 105);
}

TCustomGroupBox::~TCustomGroupBox() = default;

TRect TCustomGroupBox::FrameRect() const {
  int h = stdctrls::FontTextHeight(*Font());
  return Rect(0, std::min(h / 2, Height()), Width(), Height());
}

TRect TCustomGroupBox::CaptionRect() const {
  if (Caption().empty()) return TRect();
  int w = stdctrls::FontTextWidth(*Font(), Caption()) + 2 * kCaptionPad;
  int right = std::min(Width() - kCaptionLeft, kCaptionLeft + w);
  if (right <= kCaptionLeft) return TRect();
  return Rect(kCaptionLeft, 0, right, stdctrls::FontTextHeight(*Font()));
}

void TCustomGroupBox::AdjustClientRect(TRect& Rect) {
  Rect.Top += stdctrls::FontTextHeight(*Font());
  Rect.Inflate(-2, -2);
  if (Rect.Bottom < Rect.Top) Rect.Bottom = Rect.Top;
  if (Rect.Right < Rect.Left) Rect.Right = Rect.Left;
}

void TCustomGroupBox::Paint() {
  TCanvas& c = *Canvas();
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(Color());
  c.FillRect(ClientRect());
  look::DrawEdge(c, FrameRect(), look::ekEtched);
  TRect caption = CaptionRect();
  if (caption.IsEmpty()) return;
  c.FillRect(caption);
  c.Font()->Assign(Font());
  TRect text = caption;
  text.Left += kCaptionPad;
  if (!Enabled()) {
    look::DrawEngravedText(c, text, Caption(), DT_SINGLELINE | DT_END_ELLIPSIS);
    return;
  }
  c.Brush()->SetStyle(bsClear);
  DrawText(&c, Caption(), -1, text, DT_SINGLELINE | DT_END_ELLIPSIS);
}

void TCustomGroupBox::CMTextChanged(TMessage& Message) {
  TCustomControl::CMTextChanged(Message);
  Invalidate();
}

void TCustomGroupBox::CMFontChanged(TMessage& Message) {
  TCustomControl::CMFontChanged(Message);
  Realign();
  Invalidate();
}

void TCustomGroupBox::CMEnabledChanged(TMessage& Message) {
  TCustomControl::CMEnabledChanged(Message);
  Invalidate();
}

namespace {

bool RegisterGroupBox() {
  RegisterClass<TCustomGroupBox, TCustomControl>(u"TCustomGroupBox")
      .Property(u"Caption", &TControl::Caption, &TControl::SetCaption)
      .Property(u"ParentBackground", &TWinControl::ParentBackground,
                &TWinControl::SetParentBackground, true);
  RegisterClass<TGroupBox, TCustomGroupBox>(u"TGroupBox");
  return true;
}

const bool registered = RegisterGroupBox();

}  // namespace

}  // namespace vcl
