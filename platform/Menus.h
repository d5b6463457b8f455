// Menu items and popup menus. Popping a menu up is the host's job: it shows
// the items and clicks the one chosen (the headless host calls the popup
// handler a program installs).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace vcl {

class TMenu;
class TCustomForm;
class TCustomImageList;

// A key with shift flags, as menu shortcuts store it.
using TShortCut = std::uint16_t;
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000, scNone = 0;
TShortCut ShortCut(std::uint16_t Key, TShiftState Shift);
void ShortCutToKey(TShortCut ShortCut, std::uint16_t& Key, TShiftState& Shift);
// "Ctrl+C", "Shift+F10", "Del"; empty for scNone.
String ShortCutToText(TShortCut ShortCut);

enum TPopupAlignment : std::uint8_t { paLeft, paRight, paCenter };

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* AOwner);
  // Frees the sub-items and leaves the parent item.
  ~TMenuItem() override;

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value) { FCaption = Value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  bool Checked() const { return FChecked; }
  // Checking a radio item unchecks the other radio items of its group.
  void SetChecked(bool Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value) { FVisible = Value; }
  bool RadioItem() const { return FRadioItem; }
  void SetRadioItem(bool Value) { FRadioItem = Value; }
  std::uint8_t GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(std::uint8_t Value) { FGroupIndex = Value; }
  bool AutoCheck() const { return FAutoCheck; }
  void SetAutoCheck(bool Value) { FAutoCheck = Value; }
  bool Default() const { return FDefault; }
  void SetDefault(bool Value) { FDefault = Value; }
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut Value) { FShortCut = Value; }
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { FImageIndex = Value; }
  // The item's picture, made on first use.
  TBitmap* Bitmap();
  void SetBitmap(TBitmap* Value);
  bool HasBitmap() const { return FBitmap != nullptr && !FBitmap->Empty(); }
  // A caption of "-" makes the item a separator line.
  bool IsLine() const { return FCaption == u"-"; }

  // ---- sub-items
  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int Index) const;
  void Add(TMenuItem* Item);
  void Insert(int Index, TMenuItem* Item);
  // Removes the sub-item at Index without freeing it.
  void Delete(int Index);
  void Remove(TMenuItem* Item);
  // Frees every sub-item.
  void Clear();
  int IndexOf(TMenuItem* Item) const;
  TMenuItem* Find(const String& ACaption) const;
  TMenuItem* Parent() const { return FParent; }
  int MenuIndex() const;

  // Runs the item's action: toggles an AutoCheck item, then fires OnClick.
  // Disabled items do nothing.
  virtual void Click();
  TNotifyEvent OnClick() const { return FOnClick; }
  void SetOnClick(TNotifyEvent Value) { FOnClick = std::move(Value); }

 private:
  String FCaption;
  bool FEnabled = true;
  bool FChecked = false;
  bool FVisible = true;
  bool FRadioItem = false;
  bool FAutoCheck = false;
  bool FDefault = false;
  std::uint8_t FGroupIndex = 0;
  TShortCut FShortCut = 0;
  String FHint;
  int FImageIndex = -1;
  std::unique_ptr<TBitmap> FBitmap;
  std::vector<TMenuItem*> FItems;
  TMenuItem* FParent = nullptr;
  TNotifyEvent FOnClick;
};

class TMenu : public TComponent {
 public:
  explicit TMenu(TComponent* AOwner);
  ~TMenu() override;
  // The root item; the menu's entries are its sub-items.
  TMenuItem* Items() const { return FItems.get(); }
  // The pictures the items' ImageIndex picks from (nullptr: none).
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  std::unique_ptr<TMenuItem> FItems;
  TCustomImageList* FImages = nullptr;
};

class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(TComponent* AOwner);
  ~TPopupMenu() override;

  // Fires OnPopup, then shows the menu at the screen point (X, Y) through
  // the host.
  virtual void Popup(int X, int Y);
  TPoint PopupPoint() const { return FPopupPoint; }
  TPopupAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TPopupAlignment Value) { FAlignment = Value; }
  // A right click on a control whose PopupMenu is this menu pops it up.
  bool AutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool Value) { FAutoPopup = Value; }
  // The component the menu was last popped up for.
  TComponent* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* Value);
  TNotifyEvent OnPopup() const { return FOnPopup; }
  void SetOnPopup(TNotifyEvent Value) { FOnPopup = std::move(Value); }

  void Notification(TComponent* AComponent, TOperation Operation) override;

 protected:
  virtual void DoPopup(TObject* Sender);

 private:
  TPoint FPopupPoint;
  TPopupAlignment FAlignment = paLeft;
  bool FAutoPopup = true;
  TComponent* FPopupComponent = nullptr;
  TNotifyEvent FOnPopup;
};

// ---------------------------------------------------------------- TMainMenu

// The menu of a form's menu bar (TCustomForm::SetMenu): its items are the
// bar's entries, their sub-items the menus that drop down. The form hands
// it the keys: an item's ShortCut clicks it (DispatchShortCut), Alt and a
// letter marked with '&' in an entry drops that entry down (DropDown). The
// host shows the bar (X11: a strip above the client area that the mouse,
// F10 and Alt+letter open; headless: DropDown calls the menu-bar handler
// of platform/hosts/headless/Headless.h).
class TMainMenu : public TMenu {
 public:
  explicit TMainMenu(TComponent* AOwner);
  ~TMainMenu() override;

  // Clicks the enabled, visible item (at any depth under an enabled,
  // visible entry) whose ShortCut is this one; false when there is none.
  bool DispatchShortCut(TShortCut Key);
  // The visible, enabled entry whose caption marks Letter with '&'
  // (case-insensitive), or -1.
  int AcceleratorIndex(char16_t Letter) const;
  // Fires the entry's OnClick, then shows its sub-items through the host.
  void DropDown(int Index);
  // The form whose Menu this is (nullptr when none).
  TCustomForm* Form() const;
  bool AutoMerge() const { return FAutoMerge; }
  void SetAutoMerge(bool Value) { FAutoMerge = Value; }

 private:
  bool FAutoMerge = false;
};

// A caption as shown: "&&" is '&', a single '&' marks the next character
// as the item's accelerator (returned in Key, upper case; 0 when none).
String StripAccelerator(const String& Caption, char16_t* Key = nullptr);

// The menu bar: one row of entries, each its caption's width plus
// MenuBarItemPadding on both sides, from the left; entries that do not fit
// are left out.
inline constexpr int MenuBarHeight = 20;
inline constexpr int MenuBarItemPadding = 6;
struct TMenuBarEntry {
  int Index;   // the top item's index in Menu.Items()
  TRect Rect;  // in bar coordinates
};
// Canvas gives the font (its current one) for measuring.
std::vector<TMenuBarEntry> LayoutMenuBar(TCanvas& Canvas, TMainMenu& Menu, int Width);
// The entry (an index into the layout) at P, or -1.
int MenuBarEntryAt(const std::vector<TMenuBarEntry>& Layout, TPoint P);
// Draws the bar in R (clMenuBar): captions in clMenuText (disabled:
// engraved), the Hot entry (an index into the layout, -1 none) raised, or
// sunken while Open; accelerators underlined when ShowAccelerators.
void DrawMenuBar(TCanvas& Canvas, TMainMenu& Menu, const std::vector<TMenuBarEntry>& Layout,
                 const TRect& R, int Hot, bool Open, bool ShowAccelerators);

}  // namespace vcl
