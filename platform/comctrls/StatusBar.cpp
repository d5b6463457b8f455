// TStatusBar: panels of text along the bottom of a form.
#include <algorithm>

#include "platform/ComCtrls.h"
#include "platform/Forms.h"
#include "platform/Look.h"
#include "platform/Streaming.h"
#include "platform/controls/Internal.h"

namespace vcl {

namespace {

constexpr int kPanelTop = 2;
constexpr int kPanelGap = 2;
constexpr int kGripWidth = 16;

}  // namespace

// ---------------------------------------------------------------- TStatusPanel

void TStatusPanel::SetText(const String& Value) {
  if (FText == Value) return;
  FText = Value;
  Changed(false);
}

void TStatusPanel::SetWidth(int Value) {
  Value = std::max(0, Value);
  if (FWidth == Value) return;
  FWidth = Value;
  Changed(true);
}

void TStatusPanel::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Changed(false);
}

void TStatusPanel::SetBevel(TStatusPanelBevel Value) {
  if (FBevel == Value) return;
  FBevel = Value;
  Changed(false);
}

void TStatusPanel::SetStyle(TStatusPanelStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  Changed(false);
}

void TStatusPanel::Assign(TPersistent* Source) {
  auto* p = dynamic_cast<TStatusPanel*>(Source);
  if (p == nullptr) {
    TCollectionItem::Assign(Source);
    return;
  }
  FText = p->FText;
  FWidth = p->FWidth;
  FAlignment = p->FAlignment;
  FBevel = p->FBevel;
  FStyle = p->FStyle;
  Changed(true);
}

// ---------------------------------------------------------------- TStatusPanels

TStatusPanels::TStatusPanels(TStatusBar* StatusBar)
    : TCollection([] { return new TStatusPanel(); }), FStatusBar(StatusBar) {}

void TStatusPanels::Update(TCollectionItem*) {
  if (FStatusBar != nullptr) FStatusBar->Invalidate();
}

// ---------------------------------------------------------------- layout

std::vector<TRect> StatusPanelRects(const std::vector<int>& Widths, int BarWidth, int BarHeight,
                                    int GripWidth) {
  std::vector<TRect> out;
  int x = 0;
  for (std::size_t i = 0; i < Widths.size(); ++i) {
    bool last = i + 1 == Widths.size();
    int right = last ? BarWidth - GripWidth : x + Widths[i] - kPanelGap;
    right = std::max(x, right);
    out.push_back(Rect(x, kPanelTop, right, std::max(kPanelTop, BarHeight)));
    x += Widths[i];
  }
  return out;
}

// ---------------------------------------------------------------- TStatusBar

TStatusBar::TStatusBar(TComponent* AOwner)
    : TCustomControl(AOwner), FPanels(std::make_unique<TStatusPanels>(this)) {
  SetControlStyle(ControlStyle() << csOpaque);
  SetParentColor(false);
  SetColor(clBtnFace);
  SetBounds(Left(), Top(), 185, 19);
  SetAlign(alBottom);
}

TStatusBar::~TStatusBar() = default;

void TStatusBar::SetSimplePanel(bool Value) {
  if (FSimplePanel == Value) return;
  FSimplePanel = Value;
  Invalidate();
}

void TStatusBar::SetSimpleText(const String& Value) {
  if (FSimpleText == Value) return;
  FSimpleText = Value;
  Invalidate();
}

void TStatusBar::SetSizeGrip(bool Value) {
  if (FSizeGrip == Value) return;
  FSizeGrip = Value;
  Invalidate();
}

bool TStatusBar::GripShown() const {
  if (!FSizeGrip) return false;
  TCustomForm* form = GetParentForm(this);
  return form != nullptr && (form->BorderStyle() == bsSizeable || form->BorderStyle() == bsSizeToolWin);
}

TRect TStatusBar::PanelRect(int Index) const {
  if (Index < 0 || Index >= FPanels->Count()) return TRect();
  std::vector<int> widths;
  for (int i = 0; i < FPanels->Count(); ++i) widths.push_back(FPanels->Items(i)->Width());
  return StatusPanelRects(widths, Width(), Height(), GripShown() ? kGripWidth : 0)[static_cast<std::size_t>(Index)];
}

namespace {

UINT AlignFormat(TAlignment A) {
  switch (A) {
    case taRightJustify: return DT_RIGHT;
    case taCenter: return DT_CENTER;
    default: return DT_LEFT;
  }
}

void PanelText(TCanvas& C, const String& Text, TRect R, TAlignment Alignment, bool Enabled) {
  R.Inflate(-2, 0);
  UINT format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX | AlignFormat(Alignment);
  if (!Enabled) {
    look::DrawEngravedText(C, R, Text, format);
    return;
  }
  C.Brush()->SetStyle(bsClear);
  DrawText(&C, Text, -1, R, format);
}

}  // namespace

void TStatusBar::DrawPanel(TStatusPanel* Panel, const TRect& Rect) {
  if (FOnDrawPanel) FOnDrawPanel(this, Panel, Rect);
}

void TStatusBar::Paint() {
  TCanvas& c = *Canvas();
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(Color());
  c.FillRect(ClientRect());
  c.Font()->Assign(Font());
  int grip = GripShown() ? kGripWidth : 0;
  if (FSimplePanel) {
    PanelText(c, FSimpleText, Rect(0, kPanelTop, Width() - grip, Height()), taLeftJustify, Enabled());
  } else {
    for (int i = 0; i < FPanels->Count(); ++i) {
      TStatusPanel* p = FPanels->Items(i);
      TRect r = PanelRect(i);
      if (p->Bevel() == pbLowered) r = look::DrawEdge(c, r, clBtnShadow, clBtnHighlight);
      if (p->Bevel() == pbRaised) r = look::DrawEdge(c, r, clBtnHighlight, clBtnShadow);
      if (p->Style() == psOwnerDraw) {
        c.Brush()->SetStyle(bsSolid);
        c.Brush()->SetColor(Color());
        DrawPanel(p, r);
        if (!detail::IsAlive(this)) return;
      } else {
        PanelText(c, p->Text(), r, p->Alignment(), Enabled());
      }
    }
  }
  if (grip > 0) look::DrawSizeGrip(c, ClientRect());
}

// ---------------------------------------------------------------- form files

namespace {

bool RegisterStatusBar() {
  RegisterEnum<TStatusPanelStyle>({u"psText", u"psOwnerDraw"});
  RegisterEnum<TStatusPanelBevel>({u"pbNone", u"pbLowered", u"pbRaised"});
  using P = TStatusPanel;
  RegisterClass<P, TCollectionItem>(u"TStatusPanel")
      .Property(u"Alignment", &P::Alignment, &P::SetAlignment, taLeftJustify)
      .Property(u"Bevel", &P::Bevel, &P::SetBevel, pbLowered)
      .Property(u"Style", &P::Style, &P::SetStyle, psText)
      .Property(u"Text", &P::Text, &P::SetText)
      .Property(u"Width", &P::Width, &P::SetWidth, 50);
  using S = TStatusBar;
  RegisterClass<S, TCustomControl>(u"TStatusBar")
      .Property(u"Align", &TControl::Align, &TControl::SetAlign, alBottom)
      .Color(u"Color", &TControl::Color, &TControl::SetColor, clBtnFace)
      .Stored([](const TControl& c) { return !c.ParentColor(); })
      .Property(u"ParentColor", &TControl::ParentColor, &TControl::SetParentColor, false)
      .Property(u"AutoHint", &S::AutoHint, &S::SetAutoHint, false)
      .Collection(u"Panels", [](S& s) { return s.Panels(); })
      .Property(u"SimplePanel", &S::SimplePanel, &S::SetSimplePanel, false)
      .Property(u"SimpleText", &S::SimpleText, &S::SetSimpleText)
      .Property(u"SizeGrip", &S::SizeGrip, &S::SetSizeGrip, true)
      .Event(u"OnDrawPanel", &S::OnDrawPanel, &S::SetOnDrawPanel)
      .Event(u"OnHint", &S::OnHint, &S::SetOnHint);
  return true;
}

const bool registered = RegisterStatusBar();

}  // namespace

}  // namespace vcl
