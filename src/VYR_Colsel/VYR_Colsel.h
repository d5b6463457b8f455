// The color selector: an owner-drawn drop-down list for picking a color
// from a palette of up to 47 entries. Each item shows a color bar and the
// color's name. Entries marked as editable get an edit mark on their bar;
// dropping the list down while the mouse is over the bar of an editable
// selected entry first opens the color dialog for that entry.
//
// The palette has entries 1 .. NumColors (of 47); item k of the list shows
// entry k + 1 and carries its name as text. Every new name of an entry
// (from a color, a loader, the dialog or ColorNames) passes through
// OnColorNameChange, whose handler may change it before it is stored.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "platform/Dialogs.h"
#include "platform/StdCtrls.h"

namespace vyr {

using TOnColorNameChangeEvent = std::function<void(vcl::TObject* Sender, vcl::String& ColorName)>;

class TColSel : public vcl::TCustomComboBox {
 public:
  static constexpr int MaxColors = 47;

  explicit TColSel(vcl::TComponent* AOwner);
  ~TColSel() override;

  // Width of the color bar in pixels; negative values are ignored.
  int ColorBarWidth() const { return FColorBarWidth; }
  void SetColorBarWidth(int Value);
  // Entries in use, 1 .. 47; a change selects entry 1 and rebuilds the list.
  int NumColors() const { return FNumColors; }
  void SetNumColors(int Value);
  // The color of the selected entry. Writing selects the first entry of
  // that color (compared as RGB); when there is none, the selected entry
  // takes the color and its name.
  vcl::TColor SelColor() const;
  void SetSelColor(vcl::TColor Value);
  bool Enabled() const override { return FEnabled; }
  void SetEnabled(bool Value) override;
  // Selects an item by code; the selected entry follows it.
  void SetItemIndex(int Value);

  // Entries 1 .. NumColors. Outside: colors read 0, names empty, flags
  // false, and writes change nothing.
  vcl::TColor Colors(int Index) const;
  // The entry takes the color and the name ColorToString of it.
  void SetColors(int Index, vcl::TColor Value);
  vcl::String ColorNames(int Index) const;
  // The entry takes the name (as OnColorNameChange leaves it).
  void SetColorNames(int Index, const vcl::String& Value);
  bool ColorEditAllowed(int Index) const;
  void SetColorEditAllowed(int Index, bool Value);
  // The name of the selected entry; empty while no item is selected.
  vcl::String SelColorID() const;
  // The selected entry, 1 .. NumColors.
  int SelColorIx() const { return FSelColorIx; }

  void SetAllColorEditFlags();
  void ResetAllColorEditFlags();
  // Each loader selects entry 1, sets NumColors and fills the entries from
  // PredefinedColors: the 16 basic VGA colors; those and four more (20);
  // all 47; the 27 system colors (PredefinedColors 21 .. 47). Edit flags
  // stay as they are.
  void LoadBasicVGAPalette();
  void LoadExtendedPalette();
  void LoadStandardPalette();
  void LoadWindowsSystemPalette();

  // 1 while the mouse is over the color bar (x < ColorBarWidth), else 0;
  // set by mouse moves and presses.
  int MouseAreaCode() const { return FMouseAreaCode; }

  TOnColorNameChangeEvent OnColorNameChange() const { return FOnCNameChange; }
  void SetOnColorNameChange(TOnColorNameChangeEvent Value) { FOnCNameChange = std::move(Value); }

 protected:
  void Loaded() override;
  // Item k: the color bar of entry k + 1 (with its edit mark), then its
  // name; disabled, a gray bar on silver and the name in gray.
  void DrawItem(int Index, const vcl::TRect& Rect, vcl::TOwnerDrawState State) override;
  void Click() override;
  void DropDown() override;
  void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
  void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;

 private:
  bool InRange(int Index) const { return Index >= 1 && Index <= FNumColors; }
  // Name passed through OnColorNameChange.
  vcl::String Announced(vcl::String Name);
  // Stores a name for entry Index (1-based) and the text of its item.
  void StoreName(int Index, const vcl::String& Name);
  void LoadPalette(int First, int Count);
  void ReloadList();
  void EditSelectedColor();
  void DrawEditMark(vcl::TCanvas& C, const vcl::TRect& R, vcl::TColor Color);

  std::array<vcl::TColor, MaxColors> FColors{};
  std::array<vcl::String, MaxColors> FColorNames;
  std::array<bool, MaxColors> FIsUserEditable{};
  int FNumColors = 20;
  int FSelColorIx = 1;
  int FColorBarWidth = 30;
  bool FEnabled = true;
  int FMouseAreaCode = 0;
  TOnColorNameChangeEvent FOnCNameChange;
};

}  // namespace vyr
