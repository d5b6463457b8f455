// Popup menus on the X11 host: layout, painting and navigation of the
// menu levels, and the loop that runs while a menu is open.
#include "platform/hosts/x11/X11Menu.h"

#include <X11/Xatom.h>
#include <X11/keysym.h>

#include <algorithm>

#include "platform/Look.h"

namespace vcl::x11 {

namespace {

constexpr long kMenuEvents = ExposureMask | StructureNotifyMask | ButtonPressMask | ButtonReleaseMask |
                             PointerMotionMask | KeyPressMask | KeyReleaseMask;
constexpr int kGutter = 26;      // check marks and pictures
constexpr int kArrowArea = 18;   // the sub-menu arrow
constexpr int kShortcutGap = 28;
constexpr int kSeparatorHeight = 9;
constexpr int kMinWidth = 120;

char16_t Lower(char16_t C) { return C >= u'A' && C <= u'Z' ? static_cast<char16_t>(C + 32) : C; }

// An item picture wider than the gutter is the whole item, not an icon.
bool IsWholePicture(TMenuItem* Item) { return Item->HasBitmap() && Item->Bitmap()->Width() > kGutter; }

}  // namespace

String MenuCaptionText(const String& Caption, char16_t* Key) {
  String out = StripAccelerator(Caption, Key);
  if (Key != nullptr && *Key != 0) *Key = Lower(*Key);
  return out;
}

struct TX11Popups::MenuRun::Level {
  TMenuItem* Parent = nullptr;
  std::vector<TMenuItem*> Items;
  std::vector<TRect> Rects;  // in the level's window
  TRect Bounds;              // on the screen
  int Highlight = -1;
  int TextHeight = 0;
  ::Window Id = 0;
  TBitmap Picture;
};

TX11Popups::MenuRun::MenuRun(TX11Host& Host, TMenuItem* Root, TPopupAlignment Alignment, TPoint At)
    : FHost(Host), FRoot(Root), FAlignment(Alignment), FAt(At) {}

TX11Popups::MenuRun::~MenuRun() {
  Display* d = FHost.Dpy();
  if (FGrabbed) {
    XUngrabKeyboard(d, CurrentTime);
    XUngrabPointer(d, CurrentTime);
  }
  CloseLevelsAfter(0);
  if (!FLevels.empty()) XDestroyWindow(d, FLevels[0]->Id);
  XFlush(d);
}

bool TX11Popups::MenuRun::Start() {
  if (!OpenLevel(FRoot, FAt, nullptr)) return false;
  ::Window first = FLevels[0]->Id;
  // A grab needs a viewable window: wait until the first level is mapped.
  XEvent e;
  FHost.WaitForEvent(e, [&](const XEvent& x) { return x.type == MapNotify && x.xmap.window == first; }, 1000);
  Show(*FLevels[0]);
  FGrabbed = FHost.Popups().Grab(first, true);
  FOpen = true;
  return true;
}

// ---------------------------------------------------------------- levels

bool TX11Popups::MenuRun::OpenLevel(TMenuItem* Parent, TPoint At, const TRect* Beside) {
  auto level = std::make_unique<Level>();
  level->Parent = Parent;
  for (int i = 0; i < Parent->Count(); ++i) {
    if (Parent->Items(i)->Visible()) level->Items.push_back(Parent->Items(i));
  }
  if (level->Items.empty()) return false;
  Layout(*level);
  int w = level->Picture.Width(), h = level->Picture.Height();
  TSize screen = FHost.ScreenSize();
  int x = At.X, y = At.Y;
  if (Beside != nullptr) {
    x = Beside->Right - 3;  // a sub-menu opens beside its item, or on the other side
    if (x + w > screen.cx) x = Beside->Left - w + 3;
  } else if (FAlignment == paRight) {
    x -= w;
  } else if (FAlignment == paCenter) {
    x -= w / 2;
  }
  if (y + h > screen.cy) y = Beside != nullptr ? screen.cy - h : y - h;
  x = std::clamp(x, 0, std::max(screen.cx - w, 0));
  y = std::max(y, 0);
  level->Bounds = Bounds(x, y, w, h);
  level->Id = FHost.MakeWindow(level->Bounds, true, kMenuEvents);
  Atom type = FHost.Atoms().NetWmWindowTypePopupMenu;
  XChangeProperty(FHost.Dpy(), level->Id, FHost.Atoms().NetWmWindowType, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(&type), 1);
  Paint(*level);
  XMapRaised(FHost.Dpy(), level->Id);
  FLevels.push_back(std::move(level));
  return true;
}

void TX11Popups::MenuRun::CloseLevelsAfter(std::size_t Index) {
  while (FLevels.size() > Index + 1) {
    XDestroyWindow(FHost.Dpy(), FLevels.back()->Id);
    FLevels.pop_back();
  }
}

// Item rectangles and the level's size, from the widest caption and shortcut.
void TX11Popups::MenuRun::Layout(Level& L) {
  TCanvas& c = *L.Picture.Canvas();
  L.TextHeight = c.TextHeight(u"Ag");
  const int itemHeight = std::max(L.TextHeight + 8, 22);
  int captions = 0, shortcuts = 0, pictures = 0;
  for (TMenuItem* item : L.Items) {
    if (IsWholePicture(item)) {
      pictures = std::max(pictures, item->Bitmap()->Width());
      continue;
    }
    captions = std::max(captions, c.TextWidth(MenuCaptionText(item->Caption())));
    shortcuts = std::max(shortcuts, c.TextWidth(ShortCutToText(item->ShortCut())));
  }
  int width = 2 + kGutter + 6 + captions + (shortcuts > 0 ? kShortcutGap + shortcuts : 0) + kArrowArea + 2;
  width = std::max({width, kMinWidth, pictures + 8});
  int y = 2;
  for (TMenuItem* item : L.Items) {
    int h = item->IsLine() ? kSeparatorHeight : itemHeight;
    if (item->HasBitmap()) h = std::max(h, item->Bitmap()->Height() + 4);
    L.Rects.push_back(Rect(2, y, width - 2, y + h));
    y += h;
  }
  L.Picture.SetSize(width, y + 2);
}

namespace {

void PaintSeparator(TCanvas& C, const TRect& R) {
  int mid = (R.Top + R.Bottom) / 2;
  C.Pen()->SetColor(clBtnShadow);
  C.MoveTo(R.Left + 2, mid);
  C.LineTo(R.Right - 2, mid);
}

// The gutter: a check mark (a dot for radio items) as check boxes and radio
// buttons show them, or the item's picture.
void PaintGutter(TCanvas& C, TMenuItem* Item, const TRect& R, TColor Ink) {
  int mid = (R.Top + R.Bottom) / 2;
  if (Item->Checked()) {
    // The 13 × 13 glyph cell centred in the gutter.
    int x = R.Left + kGutter / 2 - 6, y = mid - 6;
    if (Item->RadioItem()) look::DrawRadioDot(C, x, y, Ink);
    else look::DrawCheckMark(C, x, y, Ink);
  } else if (Item->HasBitmap()) {
    TBitmap* picture = Item->Bitmap();
    C.Draw(R.Left + (kGutter - picture->Width()) / 2, mid - picture->Height() / 2, picture);
  }
}

// Caption (bold for the default item), shortcut at the right, and the
// arrow of a sub-menu.
void PaintTexts(TCanvas& C, TMenuItem* Item, const TRect& R, TColor Ink, int TextHeight) {
  int mid = (R.Top + R.Bottom) / 2;
  int top = mid - TextHeight / 2;
  C.Brush()->SetStyle(bsClear);
  C.Font()->SetColor(Ink);
  C.Font()->SetStyle(Item->Default() ? TFontStyles{fsBold} : TFontStyles{});
  C.TextOut(R.Left + kGutter + 6, top, MenuCaptionText(Item->Caption()));
  String shortcut = ShortCutToText(Item->ShortCut());
  if (!shortcut.empty()) C.TextOut(R.Right - kArrowArea - C.TextWidth(shortcut), top, shortcut);
  if (Item->Count() == 0) return;
  // A right arrow of depth 5 (the size a 19-pixel square gives it) whose
  // base is the column R.Right - 11.
  int ax = R.Right - 11;
  look::DrawColoredArrow(C, Rect(ax - 7, mid - 9, ax + 12, mid + 10), look::adRight, Ink);
}

}  // namespace

void TX11Popups::MenuRun::Paint(Level& L) {
  TCanvas& c = *L.Picture.Canvas();
  const TRect all = Rect(0, 0, L.Picture.Width(), L.Picture.Height());
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(clMenu);
  c.FillRect(all);
  look::DrawFlatBorder(c, all, clBtnShadow);
  for (std::size_t i = 0; i < L.Items.size(); ++i) {
    TMenuItem* item = L.Items[i];
    const TRect& r = L.Rects[i];
    if (item->IsLine()) {
      PaintSeparator(c, r);
      continue;
    }
    bool lit = static_cast<int>(i) == L.Highlight;
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(lit ? clHighlight : clMenu);
    c.FillRect(r);
    if (IsWholePicture(item)) {
      // A picture of the whole item (an owner-drawn list entry): shown as
      // it is, inside a highlight frame when lit.
      TBitmap* picture = item->Bitmap();
      c.Draw(r.Left + 2, (r.Top + r.Bottom - picture->Height()) / 2, picture);
      continue;
    }
    TColor ink = !item->Enabled() ? clGrayText : lit ? clHighlightText : clMenuText;
    PaintGutter(c, item, r, ink);
    PaintTexts(c, item, r, ink, L.TextHeight);
  }
}

void TX11Popups::MenuRun::Show(Level& L) {
  FHost.PutPicture(L.Id, L.Picture, Rect(0, 0, L.Picture.Width(), L.Picture.Height()));
}

int TX11Popups::MenuRun::ItemAt(const Level& L, TPoint Screen) const {
  TPoint p{Screen.X - L.Bounds.Left, Screen.Y - L.Bounds.Top};
  for (std::size_t i = 0; i < L.Rects.size(); ++i) {
    if (L.Rects[i].Contains(p)) return L.Items[i]->IsLine() ? -1 : static_cast<int>(i);
  }
  return -1;
}

TX11Popups::MenuRun::Level* TX11Popups::MenuRun::LevelOf(::Window W) {
  for (auto& l : FLevels) {
    if (l->Id == W) return l.get();
  }
  return nullptr;
}

::Window TX11Popups::MenuRun::Innermost() const { return FLevels.empty() ? 0 : FLevels.back()->Id; }

void TX11Popups::MenuRun::CursorChanged(::Cursor C) {
  for (auto& l : FLevels) XDefineCursor(FHost.Dpy(), l->Id, C);
}

// ---------------------------------------------------------------- navigation

void TX11Popups::MenuRun::SetHighlight(std::size_t Index, int Item) {
  Level& l = *FLevels[Index];
  if (l.Highlight == Item) return;
  CloseLevelsAfter(Index);
  l.Highlight = Item;
  Paint(l);
  Show(l);
}

// Opens the sub-menu of the level's highlighted item (if it has one).
void TX11Popups::MenuRun::OpenSubmenu(std::size_t Index, bool SelectFirst) {
  Level& l = *FLevels[Index];
  if (l.Highlight < 0 || FLevels.size() > Index + 1) return;
  TMenuItem* item = l.Items[static_cast<std::size_t>(l.Highlight)];
  if (item->Count() == 0 || !item->Enabled()) return;
  TRect beside = l.Rects[static_cast<std::size_t>(l.Highlight)];
  beside = Rect(l.Bounds.Left, l.Bounds.Top + beside.Top, l.Bounds.Right, l.Bounds.Top + beside.Bottom);
  if (!OpenLevel(item, {beside.Right, beside.Top - 2}, &beside)) return;
  if (SelectFirst) Step(1);
}

// Enter on an item, or a click: a sub-menu opens, an enabled item is chosen.
void TX11Popups::MenuRun::Activate(std::size_t Index, int Item) {
  if (Item < 0) return;
  SetHighlight(Index, Item);
  TMenuItem* item = FLevels[Index]->Items[static_cast<std::size_t>(Item)];
  if (item->Count() > 0) {
    OpenSubmenu(Index, true);
  } else if (item->Enabled()) {
    Finish(item);
  }
}

// Moves the innermost level's highlight to the next item (wrapping, over
// separators).
void TX11Popups::MenuRun::Step(int Direction) {
  std::size_t index = FLevels.size() - 1;
  Level& l = *FLevels[index];
  const int n = static_cast<int>(l.Items.size());
  int i = l.Highlight;
  for (int tries = 0; tries < n; ++tries) {
    i = i < 0 ? (Direction > 0 ? 0 : n - 1) : (i + Direction + n) % n;
    if (!l.Items[static_cast<std::size_t>(i)]->IsLine()) {
      SetHighlight(index, i);
      return;
    }
  }
}

void TX11Popups::MenuRun::Finish(TMenuItem* Item) {
  FChosen = Item;
  FOpen = false;
}

void TX11Popups::MenuRun::OnMove(TPoint Screen) {
  if (Screen.X != FAt.X || Screen.Y != FAt.Y) FArmed = true;
  for (std::size_t i = FLevels.size(); i-- > 0;) {
    if (!FLevels[i]->Bounds.Contains(Screen)) continue;
    int item = ItemAt(*FLevels[i], Screen);
    if (item != FLevels[i]->Highlight) {
      SetHighlight(i, item);
      OpenSubmenu(i, false);
    }
    return;
  }
  // Outside every level: the innermost one lets go of its highlight,
  // unless that item's sub-menu is what is open.
  Level& last = *FLevels.back();
  if (last.Highlight >= 0 && last.Items[static_cast<std::size_t>(last.Highlight)]->Count() == 0) {
    SetHighlight(FLevels.size() - 1, -1);
  }
}

void TX11Popups::MenuRun::OnPress(TPoint Screen) {
  bool inside = std::any_of(FLevels.begin(), FLevels.end(), [&](const auto& l) { return l->Bounds.Contains(Screen); });
  if (!inside) {
    Finish(nullptr);  // a press outside closes the menu and is used up
    return;
  }
  FArmed = true;
  OnMove(Screen);
}

void TX11Popups::MenuRun::OnRelease(TPoint Screen) {
  if (!FArmed) return;
  for (std::size_t i = FLevels.size(); i-- > 0;) {
    if (!FLevels[i]->Bounds.Contains(Screen)) continue;
    int item = ItemAt(*FLevels[i], Screen);
    if (item >= 0 && FLevels[i]->Items[static_cast<std::size_t>(item)]->Count() == 0) Activate(i, item);
    return;
  }
}

void TX11Popups::MenuRun::OnKey(XKeyEvent& E) {
  std::size_t index = FLevels.size() - 1;
  Level& l = *FLevels[index];
  switch (XLookupKeysym(&E, 0)) {
    case XK_Up: case XK_KP_Up: Step(-1); return;
    case XK_Down: case XK_KP_Down: Step(1); return;
    case XK_Home: case XK_KP_Home: l.Highlight = -1; Step(1); return;
    case XK_End: case XK_KP_End: l.Highlight = -1; Step(-1); return;
    case XK_Right: case XK_KP_Right: OpenSubmenu(index, true); return;
    case XK_Left: case XK_KP_Left:
      if (index > 0) CloseLevelsAfter(index - 1);
      return;
    case XK_Escape:
      if (index > 0) CloseLevelsAfter(index - 1); else Finish(nullptr);
      return;
    case XK_Return: case XK_KP_Enter: case XK_space: Activate(index, l.Highlight); return;
    default: break;
  }
  char text[8] = {};
  KeySym sym = NoSymbol;
  if (XLookupString(&E, text, sizeof text - 1, &sym, nullptr) != 1) return;
  char16_t typed = Lower(static_cast<char16_t>(static_cast<unsigned char>(text[0])));
  for (std::size_t i = 0; i < l.Items.size(); ++i) {
    char16_t key = 0;
    MenuCaptionText(l.Items[i]->Caption(), &key);
    if (key != 0 && key == typed) {
      Activate(index, static_cast<int>(i));
      return;
    }
  }
}

bool TX11Popups::MenuRun::Handle(XEvent& E) {
  switch (E.type) {
    case Expose:
      if (Level* l = LevelOf(E.xexpose.window)) Show(*l);
      return LevelOf(E.xexpose.window) != nullptr;
    case MapNotify: case UnmapNotify: case ConfigureNotify: case DestroyNotify:
      return LevelOf(E.xany.window) != nullptr;
    case MotionNotify: OnMove({E.xmotion.x_root, E.xmotion.y_root}); return true;
    case ButtonPress:
      if (E.xbutton.button <= Button3) OnPress({E.xbutton.x_root, E.xbutton.y_root});
      return true;
    case ButtonRelease:
      if (E.xbutton.button <= Button3) OnRelease({E.xbutton.x_root, E.xbutton.y_root});
      return true;
    case KeyPress: OnKey(E.xkey); return true;
    case KeyRelease: case EnterNotify: case LeaveNotify: return true;
    default: return false;
  }
}

}  // namespace vcl::x11
