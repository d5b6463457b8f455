// The main menu: keys the form hands it, and the bar's layout and look
// (shared by the hosts that show a bar).
#include <algorithm>

#include "platform/Forms.h"
#include "platform/Look.h"
#include "platform/Menus.h"
#include "platform/hosts/Host.h"

namespace vcl {

namespace {

char16_t UpperAscii(char16_t C) { return (C >= u'a' && C <= u'z') ? static_cast<char16_t>(C - 32) : C; }

bool Usable(const TMenuItem* Item) { return Item->Enabled() && Item->Visible(); }

// Depth first through usable items; the first with the shortcut.
TMenuItem* FindShortCut(TMenuItem* Parent, TShortCut Key) {
  for (int i = 0; i < Parent->Count(); ++i) {
    TMenuItem* item = Parent->Items(i);
    if (!Usable(item)) continue;
    if (item->ShortCut() == Key && item->Count() == 0) return item;
    if (TMenuItem* found = FindShortCut(item, Key)) return found;
  }
  return nullptr;
}

}  // namespace

String StripAccelerator(const String& Caption, char16_t* Key) {
  String out;
  if (Key != nullptr) *Key = 0;
  for (std::size_t i = 0; i < Caption.size(); ++i) {
    char16_t c = Caption[i];
    if (c == u'&' && i + 1 < Caption.size()) {
      c = Caption[++i];
      if (c != u'&' && Key != nullptr && *Key == 0) *Key = UpperAscii(c);
    }
    out += c;
  }
  return out;
}

// ---------------------------------------------------------------- TMainMenu

TMainMenu::TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}

TMainMenu::~TMainMenu() = default;

bool TMainMenu::DispatchShortCut(TShortCut Key) {
  if (Key == scNone) return false;
  TMenuItem* item = FindShortCut(Items(), Key);
  if (item == nullptr) return false;
  item->Click();
  return true;
}

int TMainMenu::AcceleratorIndex(char16_t Letter) const {
  Letter = UpperAscii(Letter);
  for (int i = 0; i < Items()->Count(); ++i) {
    TMenuItem* item = Items()->Items(i);
    char16_t key = 0;
    StripAccelerator(item->Caption(), &key);
    if (Usable(item) && key != 0 && key == Letter) return i;
  }
  return -1;
}

void TMainMenu::DropDown(int Index) {
  if (Index < 0 || Index >= Items()->Count()) return;
  TMenuItem* item = Items()->Items(Index);
  if (!Usable(item)) return;
  // An entry without sub-items is a command of its own.
  if (item->Count() == 0) {
    item->Click();
    return;
  }
  if (item->OnClick()) item->OnClick()(item);
  Host().DropDownMenu(*this, Index);
}

TCustomForm* TMainMenu::Form() const {
  for (int i = 0; i < TScreen::Instance().FormCount(); ++i) {
    TCustomForm* f = TScreen::Instance().Forms(i);
    if (f->Menu() == this) return f;
  }
  return nullptr;
}

// ---------------------------------------------------------------- the bar

std::vector<TMenuBarEntry> LayoutMenuBar(TCanvas& Canvas, TMainMenu& Menu, int Width) {
  std::vector<TMenuBarEntry> out;
  int x = 0;
  for (int i = 0; i < Menu.Items()->Count(); ++i) {
    TMenuItem* item = Menu.Items()->Items(i);
    if (!item->Visible()) continue;
    int w = Canvas.TextWidth(StripAccelerator(item->Caption())) + 2 * MenuBarItemPadding;
    if (x + w > Width && !out.empty()) break;
    out.push_back({i, Rect(x, 0, x + w, MenuBarHeight)});
    x += w;
  }
  return out;
}

int MenuBarEntryAt(const std::vector<TMenuBarEntry>& Layout, TPoint P) {
  for (std::size_t i = 0; i < Layout.size(); ++i) {
    if (Layout[i].Rect.Contains(P)) return static_cast<int>(i);
  }
  return -1;
}

namespace {

void DrawEntry(TCanvas& C, TMenuItem& Item, const TRect& R, bool ShowAccelerators) {
  char16_t key = 0;
  String text = StripAccelerator(Item.Caption(), &key);
  int x = R.Left + MenuBarItemPadding;
  int y = R.Top + (R.Height() - C.TextHeight(u"Ag")) / 2;
  if (!Item.Enabled()) {
    look::DrawEngravedText(C, x, y, text);
    return;
  }
  C.Brush()->SetStyle(bsClear);
  C.Font()->SetColor(clMenuText);
  C.TextOut(x, y, text);
  if (!ShowAccelerators || key == 0) return;
  // Underline the first character the accelerator marks.
  std::size_t at = 0;
  while (at < text.size() && UpperAscii(text[at]) != key) ++at;
  if (at == text.size()) return;
  int left = x + C.TextWidth(text.substr(0, at));
  int right = left + C.TextWidth(text.substr(at, 1));
  int base = y + C.TextHeight(u"Ag") - 1;
  C.Pen()->SetColor(clMenuText);
  C.MoveTo(left, base);
  C.LineTo(right, base);
}

}  // namespace

void DrawMenuBar(TCanvas& Canvas, TMainMenu& Menu, const std::vector<TMenuBarEntry>& Layout,
                 const TRect& R, int Hot, bool Open, bool ShowAccelerators) {
  Canvas.Brush()->SetStyle(bsSolid);
  Canvas.Brush()->SetColor(clMenuBar);
  Canvas.FillRect(R);
  for (std::size_t i = 0; i < Layout.size(); ++i) {
    TRect r = Layout[i].Rect;
    r.Offset(R.Left, R.Top);
    if (static_cast<int>(i) == Hot) {
      look::DrawBevel(Canvas, r, Open ? look::bcLowered : look::bcRaised);
      if (Open) r.Offset(1, 1);
    }
    DrawEntry(Canvas, *Menu.Items()->Items(Layout[i].Index), r, ShowAccelerators);
  }
}

}  // namespace vcl
