// TCustomLabel.
#include <cctype>

#include "platform/Look.h"
#include "platform/StdCtrls.h"
#include "platform/Streaming.h"
#include "platform/SysUtils.h"

namespace vcl {

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetControlStyle(ControlStyle() << csOpaque << csReplicatable);
  SetBounds(Left(), Top(), 65, 17);
}

TCustomLabel::~TCustomLabel() = default;

// ---------------------------------------------------------------- properties

void TCustomLabel::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Invalidate();
}

void TCustomLabel::SetAutoSize(bool Value) {
  if (FAutoSize == Value) return;
  FAutoSize = Value;
  AdjustBounds();
}

void TCustomLabel::SetLayout(TTextLayout Value) {
  if (FLayout == Value) return;
  FLayout = Value;
  Invalidate();
}

void TCustomLabel::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  SetControlStyle(Value ? ControlStyle() >> csOpaque : ControlStyle() << csOpaque);
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value) {
  if (FShowAccelChar == Value) return;
  FShowAccelChar = Value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* Value) {
  if (FFocusControl == Value) return;
  if (FFocusControl != nullptr) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = Value;
  if (Value != nullptr) Value->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

// ---------------------------------------------------------------- text

String TCustomLabel::GetLabelText() { return Caption(); }

// Measuring an empty text (or a lone "&") measures a blank, so that an
// auto-sized label keeps the height of a line.
void TCustomLabel::DoDrawText(TRect& Rect, int Flags) {
  String text = GetLabelText();
  UINT format = static_cast<UINT>(Flags);
  if ((format & DT_CALCRECT) != 0 && (text.empty() || (FShowAccelChar && text == u"&"))) {
    text += u' ';
  }
  if (!FShowAccelChar) format |= DT_NOPREFIX;
  TCanvas* c = Canvas();
  c->Font()->Assign(Font());
  if (Enabled() || (format & DT_CALCRECT) != 0) {
    DrawText(c, text, -1, Rect, format);
    return;
  }
  look::DrawEngravedText(*c, Rect, text, format);
}

namespace {

UINT AlignmentFormat(TAlignment A) {
  switch (A) {
    case taRightJustify: return DT_RIGHT;
    case taCenter: return DT_CENTER;
    default: return DT_LEFT;
  }
}

}  // namespace

void TCustomLabel::Paint() {
  TCanvas* c = Canvas();
  if (!FTransparent) {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(ClientRect());
  }
  c->Brush()->SetStyle(bsClear);
  TRect r = ClientRect();
  UINT format = DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0) | AlignmentFormat(FAlignment);
  if (FLayout != tlTop) {
    TRect calc = r;
    DoDrawText(calc, static_cast<int>(format | DT_CALCRECT));
    int room = Height() - calc.Bottom;
    r.Offset(0, FLayout == tlBottom ? room : room / 2);
  }
  DoDrawText(r, static_cast<int>(format));
}

void TCustomLabel::AdjustBounds() {
  if (!FAutoSize || ComponentState().Contains(csReading) ||
      ComponentState().Contains(csLoading)) {
    return;
  }
  TRect r = ClientRect();
  DoDrawText(r, static_cast<int>(DT_EXPANDTABS | DT_CALCRECT | (FWordWrap ? DT_WORDBREAK : 0)));
  int x = Left();
  if (FAlignment == taRightJustify) x += Width() - r.Right;
  SetBounds(x, Top(), r.Right, r.Bottom);
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TCustomLabel::CMTextChanged(TMessage& Message) {
  TGraphicControl::CMTextChanged(Message);
  AdjustBounds();
}

void TCustomLabel::CMFontChanged(TMessage& Message) {
  TGraphicControl::CMFontChanged(Message);
  AdjustBounds();
}

// The accelerator of the caption (Alt+key, or the key alone when no control
// takes it) focuses FocusControl.
void TCustomLabel::CMDialogChar(TMessage& Message) {
  if (FFocusControl == nullptr || !FShowAccelChar || !FFocusControl->CanFocus()) return;
  const String& text = Caption();
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] == u'&') {
      ++i;
      continue;
    }
    if (UpCase(text[i + 1]) == UpCase(static_cast<Char>(Message.WParam))) {
      FFocusControl->SetFocus();
      Message.Result = 1;
    }
    return;
  }
}

void TCustomLabel::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_DIALOGCHAR) {
    CMDialogChar(Message);
    return;
  }
  TGraphicControl::Dispatch(Message);
}

// ---------------------------------------------------------------- form files

namespace {

bool RegisterLabels() {
  RegisterEnum<TAlignment>({u"taLeftJustify", u"taRightJustify", u"taCenter"});
  RegisterEnum<TTextLayout>({u"tlTop", u"tlCenter", u"tlBottom"});
  RegisterClass<TCustomLabel, TGraphicControl>(u"TCustomLabel")
      .Property(u"Alignment", &TCustomLabel::Alignment, &TCustomLabel::SetAlignment,
                taLeftJustify)
      .Property(u"AutoSize", &TCustomLabel::AutoSize, &TCustomLabel::SetAutoSize, true)
      .Property(u"Caption", &TControl::Caption, &TControl::SetCaption)
      .Reference(u"FocusControl", &TCustomLabel::FocusControl, &TCustomLabel::SetFocusControl)
      .Property(u"Layout", &TCustomLabel::Layout, &TCustomLabel::SetLayout, tlTop)
      .Property(u"ShowAccelChar", &TCustomLabel::ShowAccelChar, &TCustomLabel::SetShowAccelChar,
                true)
      .Property(u"Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent, false)
      .Property(u"WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap, false);
  RegisterClass<TLabel, TCustomLabel>(u"TLabel");
  return true;
}

const bool registered = RegisterLabels();

}  // namespace

}  // namespace vcl
