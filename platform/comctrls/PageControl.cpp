// TPageControl and TTabSheet: pages under a row of tabs.
#include <algorithm>

#include "platform/ComCtrls.h"
#include "platform/Forms.h"
#include "platform/Look.h"
#include "platform/Menus.h"
#include "platform/Streaming.h"
#include "platform/controls/Internal.h"
#include "platform/stdctrls/Measure.h"

namespace vcl {

namespace {

constexpr int kTabsLeft = 2;    // where the first tab starts
constexpr int kTabsEdge = 2;    // blank between the control's edge and the tabs
constexpr int kTabPadding = 6;  // blank on either side of a tab's caption
constexpr int kPageInset = 4;   // frame rings and margin around a page

}  // namespace

std::vector<TRect> LayoutTabs(const std::vector<int>& Widths, int Left, int Top, int Height,
                              int Active, bool Bottom) {
  std::vector<TRect> out;
  int x = Left;
  for (int w : Widths) {
    out.push_back(Rect(x, Top, x + w, Top + Height));
    x += w;
  }
  if (Active >= 0 && Active < static_cast<int>(out.size())) {
    TRect& a = out[static_cast<std::size_t>(Active)];
    a.Left -= 2;
    a.Right += 2;
    if (Bottom) {
      a.Bottom += 2;
    } else {
      a.Top -= 2;
    }
  }
  return out;
}

// ---------------------------------------------------------------- TTabSheet

TTabSheet::TTabSheet(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle(ControlStyle() << csAcceptsControls);
  SetVisible(false);
}

TTabSheet::~TTabSheet() {
  if (FPageControl != nullptr) FPageControl->RemovePage(this);
}

void TTabSheet::SetParent(TWinControl* AParent) {
  auto* pc = dynamic_cast<TPageControl*>(AParent);
  if (FPageControl != nullptr && FPageControl != pc) FPageControl->RemovePage(this);
  TCustomControl::SetParent(AParent);
  if (pc != nullptr && FPageControl != pc) pc->InsertPage(this);
}

void TTabSheet::SetPageControl(TPageControl* Value) { SetParent(Value); }

int TTabSheet::PageIndex() const {
  if (FPageControl == nullptr) return -1;
  const auto& pages = FPageControl->FPages;
  auto it = std::find(pages.begin(), pages.end(), this);
  return it == pages.end() ? -1 : static_cast<int>(it - pages.begin());
}

void TTabSheet::SetPageIndex(int Value) {
  if (FPageControl != nullptr) FPageControl->MovePage(this, Value);
}

int TTabSheet::TabIndex() const {
  if (FPageControl == nullptr || !FTabVisible) return -1;
  std::vector<TTabSheet*> tabs = FPageControl->VisibleTabs();
  auto it = std::find(tabs.begin(), tabs.end(), this);
  return it == tabs.end() ? -1 : static_cast<int>(it - tabs.begin());
}

void TTabSheet::SetTabVisible(bool Value) {
  if (FTabVisible == Value) return;
  FTabVisible = Value;
  if (FPageControl != nullptr) FPageControl->Invalidate();
}

void TTabSheet::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  if (FPageControl != nullptr) FPageControl->Invalidate();
}

void TTabSheet::Paint() {
  TCanvas& c = *Canvas();
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(Color());
  c.FillRect(ClientRect());
}

void TTabSheet::CMTextChanged(TMessage& Message) {
  TCustomControl::CMTextChanged(Message);
  if (FPageControl != nullptr) FPageControl->Invalidate();
}

void TTabSheet::CMVisibleChanged(TMessage& Message) {
  TCustomControl::CMVisibleChanged(Message);
  if (ComponentState().Contains(csLoading) || !detail::IsAlive(this)) return;
  TNotifyEvent handler = Visible() ? FOnShow : FOnHide;
  if (handler) handler(this);
}

// ---------------------------------------------------------------- TPageControl

TPageControl::TPageControl(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle(ControlStyle() << csAcceptsControls << csDoubleClicks);
  SetTabStop(true);
  SetBounds(Left(), Top(), 289, 193);
}

TPageControl::~TPageControl() {
  for (TTabSheet* page : FPages) page->FPageControl = nullptr;
  FPages.clear();
  FActivePage = nullptr;
}

TTabSheet* TPageControl::Pages(int Index) const {
  if (Index < 0 || Index >= PageCount()) {
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  }
  return FPages[static_cast<std::size_t>(Index)];
}

std::vector<TTabSheet*> TPageControl::VisibleTabs() const {
  std::vector<TTabSheet*> tabs;
  for (TTabSheet* p : FPages) {
    if (p->TabVisible()) tabs.push_back(p);
  }
  return tabs;
}

int TPageControl::ActivePageIndex() const { return FActivePage ? FActivePage->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int Value) {
  SetActivePage(Value >= 0 && Value < PageCount() ? FPages[static_cast<std::size_t>(Value)] : nullptr);
}

int TPageControl::TabIndex() const { return FActivePage ? FActivePage->TabIndex() : -1; }

void TPageControl::SetTabIndex(int Value) {
  std::vector<TTabSheet*> tabs = VisibleTabs();
  if (Value >= 0 && Value < static_cast<int>(tabs.size())) SetActivePage(tabs[static_cast<std::size_t>(Value)]);
}

void TPageControl::SetActivePage(TTabSheet* Value) {
  if (Value != nullptr && Value->FPageControl != this) {
    throw EInvalidOperation(u"Tab sheet " + Value->Name() + u" is not a page of " + Name());
  }
  ShowPage(Value);
}

// The new page shows before the old one hides, and takes the focus the
// old page held.
void TPageControl::ShowPage(TTabSheet* Page) {
  TTabSheet* old = FActivePage;
  FActivePage = Page;
  bool hadFocus = old != nullptr && old != Page && old->ContainsControl(FocusedControl());
  if (Page != nullptr) {
    Page->SetBoundsRect(DisplayRect());
    Page->BringToFront();
    Page->SetVisible(true);
  }
  if (old != nullptr && old != Page && old->FPageControl == this) old->SetVisible(false);
  if (hadFocus) {
    if (Page != nullptr) Page->SelectFirst();
    if (FocusedControl() == nullptr || !ContainsControl(FocusedControl())) {
      if (CanFocus()) SetFocus();
    }
  }
  Invalidate();
}

bool TPageControl::ChangeActivePage(TTabSheet* Page) {
  if (Page == FActivePage) return false;
  bool allow = true;
  if (FOnChanging) FOnChanging(this, allow);
  if (!allow || !detail::IsAlive(this)) return false;
  ShowPage(Page);
  if (FOnChange) FOnChange(this);
  return true;
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* Current, bool GoForward, bool CheckTabVisible) const {
  int n = PageCount();
  if (n == 0) return nullptr;
  auto it = std::find(FPages.begin(), FPages.end(), Current);
  int start = it == FPages.end() ? (GoForward ? n - 1 : 0) : static_cast<int>(it - FPages.begin());
  for (int step = 1; step <= n; ++step) {
    int i = ((start + (GoForward ? step : -step)) % n + n) % n;
    TTabSheet* p = FPages[static_cast<std::size_t>(i)];
    if (!CheckTabVisible || p->TabVisible()) return p;
  }
  return nullptr;
}

void TPageControl::SelectNextPage(bool GoForward, bool CheckTabVisible) {
  TTabSheet* next = FindNextPage(FActivePage, GoForward, CheckTabVisible);
  if (next != nullptr) ChangeActivePage(next);
}

void TPageControl::InsertPage(TTabSheet* Page) {
  FPages.push_back(Page);
  Page->FPageControl = this;
  Page->SetBoundsRect(DisplayRect());
  if (FActivePage == nullptr && !ComponentState().Contains(csLoading)) {
    ShowPage(Page);
  } else {
    Page->SetVisible(Page == FActivePage);
  }
  Invalidate();
}

void TPageControl::RemovePage(TTabSheet* Page) {
  auto it = std::find(FPages.begin(), FPages.end(), Page);
  if (it == FPages.end()) return;
  TTabSheet* next = Page == FActivePage ? FindNextPage(Page, true, true) : FActivePage;
  FPages.erase(it);
  Page->FPageControl = nullptr;
  if (next == Page) next = nullptr;
  if (Page == FActivePage) {
    FActivePage = nullptr;
    if (!ComponentState().Contains(csDestroying)) ShowPage(next);
  }
  Invalidate();
}

void TPageControl::MovePage(TTabSheet* Page, int Index) {
  auto it = std::find(FPages.begin(), FPages.end(), Page);
  if (it == FPages.end()) return;
  FPages.erase(it);
  Index = std::clamp(Index, 0, PageCount());
  FPages.insert(FPages.begin() + Index, Page);
  Invalidate();
}

void TPageControl::Loaded() {
  TCustomControl::Loaded();
  if (FActivePage == nullptr) {
    std::vector<TTabSheet*> tabs = VisibleTabs();
    if (!tabs.empty()) FActivePage = tabs.front();
  }
  PlacePages();
}

void TPageControl::PlacePages() {
  TRect r = DisplayRect();
  for (TTabSheet* p : FPages) {
    p->SetBoundsRect(r);
    p->SetVisible(p == FActivePage);
  }
}

void TPageControl::SetTabPosition(TTabPosition Value) {
  if (FTabPosition == Value) return;
  FTabPosition = Value;
  PlacePages();
  Invalidate();
}

void TPageControl::SetStyle(TTabStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  Invalidate();
}

void TPageControl::SetTabHeight(int Value) {
  Value = std::max(0, Value);
  if (FTabHeight == Value) return;
  FTabHeight = Value;
  PlacePages();
  Invalidate();
}

void TPageControl::SetTabWidth(int Value) {
  Value = std::max(0, Value);
  if (FTabWidth == Value) return;
  FTabWidth = Value;
  Invalidate();
}

void TPageControl::SetImages(TCustomImageList* Value) {
  if (FImages == Value) return;
  if (FImages != nullptr) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (FImages != nullptr) FImages->FreeNotification(this);
  Invalidate();
}

void TPageControl::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

// ---------------------------------------------------------------- geometry

int TPageControl::TabRowHeight() const {
  return FTabHeight > 0 ? FTabHeight : stdctrls::FontTextHeight(*Font()) + 6;
}

std::vector<TRect> TPageControl::TabRects() const {
  std::vector<TTabSheet*> tabs = VisibleTabs();
  std::vector<int> widths;
  for (TTabSheet* p : tabs) {
    int w = FTabWidth;
    if (w <= 0) {
      w = stdctrls::FontTextWidth(*Font(), StripAccelerator(p->Caption())) + 2 * kTabPadding;
      if (FImages != nullptr && p->ImageIndex() >= 0) w += FImages->Width() + 3;
    }
    widths.push_back(w);
  }
  int h = TabRowHeight();
  bool bottom = FTabPosition == tpBottom;
  int top = bottom ? Height() - kTabsEdge - h : kTabsEdge;
  auto active = std::find(tabs.begin(), tabs.end(), FActivePage);
  int activeIndex = active == tabs.end() ? -1 : static_cast<int>(active - tabs.begin());
  return LayoutTabs(widths, kTabsLeft, top, h, activeIndex, bottom);
}

int TPageControl::IndexOfTabAt(int X, int Y) const {
  std::vector<TRect> rects = TabRects();
  int active = TabIndex();
  if (active >= 0 && rects[static_cast<std::size_t>(active)].Contains({X, Y})) return active;
  for (std::size_t i = 0; i < rects.size(); ++i) {
    if (rects[i].Contains({X, Y})) return static_cast<int>(i);
  }
  return -1;
}

TRect TPageControl::FrameRect() const {
  int h = TabRowHeight() + kTabsEdge;
  if (FTabPosition == tpBottom) return Rect(0, 0, Width(), std::max(0, Height() - h));
  return Rect(0, std::min(h, Height()), Width(), Height());
}

TRect TPageControl::DisplayRect() const {
  TRect r = FrameRect();
  r.Inflate(-kPageInset, -kPageInset);
  if (r.Right < r.Left) r.Right = r.Left;
  if (r.Bottom < r.Top) r.Bottom = r.Top;
  return r;
}

// ---------------------------------------------------------------- painting

namespace {

void Pixels(TCanvas& C, const TRect& R, TColor Color) {
  if (R.IsEmpty()) return;
  C.Brush()->SetColor(Color);
  C.FillRect(R);
}

// A tab's edges: highlight on the left and the outer side, shadows on the
// right; the side towards the pages stays open.
void TabEdges(TCanvas& C, const TRect& R, bool Bottom) {
  C.Brush()->SetStyle(bsSolid);
  Pixels(C, Rect(R.Left + 1, R.Top + 1, R.Right - 2, R.Bottom - 1), clBtnFace);
  if (!Bottom) {
    Pixels(C, Rect(R.Left, R.Top + 2, R.Left + 1, R.Bottom), clBtnHighlight);
    Pixels(C, Rect(R.Left + 1, R.Top + 1, R.Left + 2, R.Top + 2), clBtnHighlight);
    Pixels(C, Rect(R.Left + 2, R.Top, R.Right - 2, R.Top + 1), clBtnHighlight);
    Pixels(C, Rect(R.Right - 2, R.Top + 1, R.Right - 1, R.Bottom), clBtnShadow);
    Pixels(C, Rect(R.Right - 1, R.Top + 2, R.Right, R.Bottom), cl3DDkShadow);
    return;
  }
  Pixels(C, Rect(R.Left, R.Top, R.Left + 1, R.Bottom - 2), clBtnHighlight);
  Pixels(C, Rect(R.Left + 2, R.Bottom - 1, R.Right - 2, R.Bottom), cl3DDkShadow);
  Pixels(C, Rect(R.Left + 1, R.Bottom - 2, R.Right - 2, R.Bottom - 1), clBtnShadow);
  Pixels(C, Rect(R.Right - 2, R.Top, R.Right - 1, R.Bottom - 1), clBtnShadow);
  Pixels(C, Rect(R.Right - 1, R.Top, R.Right, R.Bottom - 2), cl3DDkShadow);
}

}  // namespace

void TPageControl::PaintTab(TCanvas& C, TTabSheet* Page, const TRect& R, bool Active) {
  bool bottom = FTabPosition == tpBottom;
  TabEdges(C, R, bottom);
  if (Active) {
    // Open the frame under the active tab, so the tab and its page join.
    TRect frame = FrameRect();
    int y = bottom ? frame.Bottom - 2 : frame.Top;
    C.Brush()->SetColor(clBtnFace);
    C.FillRect(Rect(R.Left + 1, y, R.Right - 2, y + 2));
  }
  TRect text = R;
  text.Inflate(-2, -2);
  if (FImages != nullptr && Page->ImageIndex() >= 0) {
    int iy = R.Top + (R.Height() - FImages->Height()) / 2;
    FImages->Draw(&C, R.Left + kTabPadding, iy, Page->ImageIndex(), Enabled());
    text.Left = R.Left + kTabPadding + FImages->Width() + 3;
  }
  C.Font()->Assign(Font());
  if (!Enabled()) {
    look::DrawEngravedText(C, text, Page->Caption(), DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  } else {
    C.Brush()->SetStyle(bsClear);
    DrawText(&C, Page->Caption(), -1, text, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  }
  if (Active && Focused()) look::DrawFocusRect(C, text);
}

void TPageControl::Paint() {
  TCanvas& c = *Canvas();
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(Color());
  c.FillRect(ClientRect());
  look::DrawButtonFrame(c, FrameRect(), false);
  std::vector<TTabSheet*> tabs = VisibleTabs();
  std::vector<TRect> rects = TabRects();
  int active = TabIndex();
  for (std::size_t i = 0; i < tabs.size(); ++i) {
    if (static_cast<int>(i) != active) PaintTab(c, tabs[i], rects[i], false);
  }
  if (active >= 0) PaintTab(c, tabs[static_cast<std::size_t>(active)], rects[static_cast<std::size_t>(active)], true);
}

// ---------------------------------------------------------------- input

void TPageControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    int index = IndexOfTabAt(X, Y);
    if (index >= 0) {
      TTabSheet* page = VisibleTabs()[static_cast<std::size_t>(index)];
      if (CanFocus()) SetFocus();
      if (!detail::IsAlive(this)) return;
      ChangeActivePage(page);
      if (!detail::IsAlive(this)) return;
    }
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TPageControl::KeyDown(std::uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == 0 || !detail::IsAlive(this)) return;
  std::vector<TTabSheet*> tabs = VisibleTabs();
  if (tabs.empty()) return;
  bool ctrl = Shift.Contains(ssCtrl);
  switch (Key) {
    case VK_LEFT: case VK_UP: SelectNextPage(false); break;
    case VK_RIGHT: case VK_DOWN: SelectNextPage(true); break;
    case VK_HOME: ChangeActivePage(tabs.front()); break;
    case VK_END: ChangeActivePage(tabs.back()); break;
    case VK_PRIOR: if (ctrl) SelectNextPage(false); else return; break;
    case VK_NEXT: if (ctrl) SelectNextPage(true); else return; break;
    default: return;
  }
  Key = 0;
}

void TPageControl::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS; }

// Ctrl+Tab turns the pages wherever the focus is inside the page control.
void TPageControl::CMDialogKey(TWMKey& Message) {
  bool inside = Focused() || ContainsControl(FocusedControl());
  if (Message.CharCode == VK_TAB && GetKeyState(VK_CONTROL) < 0 && inside) {
    SelectNextPage(GetKeyState(VK_SHIFT) >= 0);
    Message.Result = 1;
    return;
  }
  TCustomControl::CMDialogKey(Message);
}

void TPageControl::SizeChanged(int DeltaWidth, int DeltaHeight) {
  TCustomControl::SizeChanged(DeltaWidth, DeltaHeight);
  if (!ComponentState().Contains(csLoading)) PlacePages();
}

void TPageControl::CMFontChanged(TMessage& Message) {
  TCustomControl::CMFontChanged(Message);
  if (!ComponentState().Contains(csLoading)) PlacePages();
  Invalidate();
}

void TPageControl::WMSetFocus(TMessage& Message) {
  TCustomControl::WMSetFocus(Message);
  Invalidate();
}

void TPageControl::WMKillFocus(TMessage& Message) {
  TCustomControl::WMKillFocus(Message);
  Invalidate();
}

// ---------------------------------------------------------------- form files

namespace {

bool RegisterPageControl() {
  RegisterEnum<TTabPosition>({u"tpTop", u"tpBottom", u"tpLeft", u"tpRight"});
  RegisterEnum<TTabStyle>({u"tsTabs", u"tsButtons", u"tsFlatButtons"});
  using S = TTabSheet;
  RegisterClass<S, TCustomControl>(u"TTabSheet")
      .Property(u"Left", &TControl::Left, &TControl::SetLeft).Stored(false)
      .Property(u"Top", &TControl::Top, &TControl::SetTop).Stored(false)
      .Property(u"Width", &TControl::Width, &TControl::SetWidth).Stored(false)
      .Property(u"Height", &TControl::Height, &TControl::SetHeight).Stored(false)
      .Property(u"Visible", &TControl::Visible, &TControl::SetVisible).Stored(false)
      .Property(u"Caption", &TControl::Caption, &TControl::SetCaption)
      .Property(u"ImageIndex", &S::ImageIndex, &S::SetImageIndex, -1)
      .Property(u"TabVisible", &S::TabVisible, &S::SetTabVisible, true)
      .Event(u"OnShow", &S::OnShow, &S::SetOnShow)
      .Event(u"OnHide", &S::OnHide, &S::SetOnHide);
  using P = TPageControl;
  RegisterClass<P, TCustomControl>(u"TPageControl")
      .Property(u"TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, true)
      .Reference(u"ActivePage", &P::ActivePage, &P::SetActivePage)
      .Property(u"HotTrack", &P::HotTrack, &P::SetHotTrack, false)
      .Reference(u"Images", &P::Images, &P::SetImages)
      .Property(u"MultiLine", &P::MultiLine, &P::SetMultiLine, false)
      .Property(u"RaggedRight", &P::RaggedRight, &P::SetRaggedRight, false)
      .Property(u"Style", &P::Style, &P::SetStyle, tsTabs)
      .Property(u"TabHeight", &P::TabHeight, &P::SetTabHeight, 0)
      .Property(u"TabPosition", &P::TabPosition, &P::SetTabPosition, tpTop)
      .Property(u"TabWidth", &P::TabWidth, &P::SetTabWidth, 0)
      .Event(u"OnChange", &P::OnChange, &P::SetOnChange)
      .Event(u"OnChanging", &P::OnChanging, &P::SetOnChanging);
  return true;
}

const bool registered = RegisterPageControl();

}  // namespace

}  // namespace vcl
