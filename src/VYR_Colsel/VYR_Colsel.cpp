// The color selector: palette, list, drawing and the color dialog.
#include "VYR_Colsel/VYR_Colsel.h"

#include <memory>

#include "VYR_Colsel/VYR_ColselItem.h"
#include "companion/basepack/VYR_vyrcolors.h"

namespace vyr {

namespace {

std::size_t Slot(int Index) { return static_cast<std::size_t>(Index - 1); }

}  // namespace

TColSel::TColSel(vcl::TComponent* AOwner) : vcl::TCustomComboBox(AOwner) {
  SetSorted(false);
  SetStyle(vcl::csOwnerDrawFixed);
  for (int i = 1; i <= MaxColors; ++i) {
    FColors[Slot(i)] = PredefinedColors[static_cast<std::size_t>(i)];
    FColorNames[Slot(i)] = vcl::ColorToString(FColors[Slot(i)]);
  }
  ReloadList();
}

TColSel::~TColSel() = default;

// ---------------------------------------------------------------- the list

// Item k carries the name of entry k + 1, the entry it draws.
void TColSel::ReloadList() {
  vcl::TStrings& items = *Items();
  items.BeginUpdate();
  items.Clear();
  for (int i = 1; i <= FNumColors; ++i) items.Add(FColorNames[Slot(i)]);
  items.EndUpdate();
  vcl::TCustomComboBox::SetItemIndex(FSelColorIx - 1);
}

void TColSel::Loaded() {
  vcl::TCustomComboBox::Loaded();
  ReloadList();
}

void TColSel::SetItemIndex(int Value) {
  vcl::TCustomComboBox::SetItemIndex(Value);
  if (ItemIndex() >= 0) FSelColorIx = ItemIndex() + 1;
}

vcl::String TColSel::Announced(vcl::String Name) {
  if (FOnCNameChange) FOnCNameChange(this, Name);
  return Name;
}

void TColSel::StoreName(int Index, const vcl::String& Name) {
  FColorNames[Slot(Index)] = Name;
  vcl::TStrings& items = *Items();
  if (Index - 1 < items.Count()) items.SetStrings(Index - 1, Name);
}

// ---------------------------------------------------------------- properties

void TColSel::SetColorBarWidth(int Value) {
  if (Value < 0 || Value == FColorBarWidth) return;
  FColorBarWidth = Value;
  Refresh();
}

void TColSel::SetNumColors(int Value) {
  if (Value <= 0 || Value > MaxColors) return;
  FNumColors = Value;
  FSelColorIx = 1;
  ReloadList();
}

vcl::TColor TColSel::SelColor() const { return FColors[Slot(FSelColorIx)]; }

void TColSel::SetSelColor(vcl::TColor Value) {
  const vcl::TColor rgb = vcl::ColorToRGB(Value);
  for (int i = 1; i <= FNumColors; ++i) {
    if (vcl::ColorToRGB(FColors[Slot(i)]) != rgb) continue;
    FSelColorIx = i;
    vcl::TCustomComboBox::SetItemIndex(i - 1);
    Refresh();
    return;
  }
  const int sel = FSelColorIx;
  const vcl::String name = Announced(vcl::ColorToString(rgb));  // may throw: nothing changed yet
  FColors[Slot(sel)] = Value;
  StoreName(sel, name);
  Refresh();
}

void TColSel::SetEnabled(bool Value) {
  FEnabled = Value;
  vcl::TCustomComboBox::SetEnabled(Value);
  Refresh();
}

vcl::TColor TColSel::Colors(int Index) const {
  return InRange(Index) ? FColors[Slot(Index)] : vcl::TColor{0};
}

void TColSel::SetColors(int Index, vcl::TColor Value) {
  if (!InRange(Index)) return;
  const vcl::String name = Announced(vcl::ColorToString(Value));
  FColors[Slot(Index)] = Value;
  StoreName(Index, name);
  Refresh();
}

vcl::String TColSel::ColorNames(int Index) const {
  return InRange(Index) ? FColorNames[Slot(Index)] : vcl::String();
}

void TColSel::SetColorNames(int Index, const vcl::String& Value) {
  if (!InRange(Index)) return;
  StoreName(Index, Announced(Value));
  Refresh();
}

bool TColSel::ColorEditAllowed(int Index) const {
  return InRange(Index) && FIsUserEditable[Slot(Index)];
}

void TColSel::SetColorEditAllowed(int Index, bool Value) {
  if (!InRange(Index)) return;
  FIsUserEditable[Slot(Index)] = Value;
  Refresh();
}

vcl::String TColSel::SelColorID() const {
  if (ItemIndex() < 0) return vcl::String();
  return FColorNames[Slot(FSelColorIx)];
}

void TColSel::SetAllColorEditFlags() {
  FIsUserEditable.fill(true);
  Refresh();
}

void TColSel::ResetAllColorEditFlags() {
  FIsUserEditable.fill(false);
  Refresh();
}

// ---------------------------------------------------------------- palettes

// Entries 1 .. Count from PredefinedColors First .. First + Count - 1. The
// names are all announced before anything changes, so a handler that
// throws leaves the palette as it was.
void TColSel::LoadPalette(int First, int Count) {
  std::array<vcl::String, MaxColors> names;
  for (int i = 1; i <= Count; ++i) {
    names[Slot(i)] =
        Announced(vcl::ColorToString(PredefinedColors[static_cast<std::size_t>(First + i - 1)]));
  }
  FSelColorIx = 1;
  FNumColors = Count;
  for (int i = 1; i <= Count; ++i) {
    FColors[Slot(i)] = PredefinedColors[static_cast<std::size_t>(First + i - 1)];
    FColorNames[Slot(i)] = std::move(names[Slot(i)]);
  }
  ReloadList();
}

void TColSel::LoadBasicVGAPalette() { LoadPalette(1, 16); }
void TColSel::LoadExtendedPalette() { LoadPalette(1, 20); }
void TColSel::LoadStandardPalette() { LoadPalette(1, 47); }
void TColSel::LoadWindowsSystemPalette() { LoadPalette(21, 27); }

// ---------------------------------------------------------------- drawing

void TColSel::DrawEditMark(vcl::TCanvas& C, const vcl::TRect& R, vcl::TColor Color) {
  C.Pen()->SetColor(colsel::EditMarkColor(Color));
  const std::array<vcl::TPoint, 7> points = colsel::EditMarkPoints(R);
  C.Polyline(std::span(points.data(), points.size()));
  C.Pen()->SetColor(vcl::clBlack);
}

void TColSel::DrawItem(int Index, const vcl::TRect& Rect, vcl::TOwnerDrawState State) {
  (void)State;  // selection shows through the list, not the item
  vcl::TCanvas& c = *Canvas();
  const vcl::TColor brush = c.Brush()->Color(), font = c.Font()->Color();
  const int entry = Index + 1;
  if (!InRange(entry)) {
    c.FillRect(Rect);
    return;
  }
  const vcl::TRect bar = colsel::ColorBarRect(Rect, FColorBarWidth);
  if (FColorBarWidth > 0) {
    if (FEnabled) {
      c.Brush()->SetColor(FColors[Slot(entry)]);
      c.Rectangle(bar);
    } else {
      c.Pen()->SetColor(vcl::clSilver);
      c.Brush()->SetColor(vcl::clSilver);
      c.Rectangle(Rect.Left - 1, Rect.Top - 1, bar.Right, Rect.Bottom + 1);
      c.Pen()->SetColor(vcl::clGray);
      c.Rectangle(bar);
    }
    if (FIsUserEditable[Slot(entry)] && FColorBarWidth >= colsel::MinEditMarkBar && FEnabled) {
      DrawEditMark(c, Rect, FColors[Slot(entry)]);
    }
  }
  c.Font()->SetColor(FEnabled ? vcl::clBlack : vcl::clGray);
  c.Brush()->SetColor(FEnabled ? Color() : vcl::clSilver);
  const int left = colsel::NameLeft(Rect, FColorBarWidth);
  const vcl::String& name = FColorNames[Slot(entry)];
  const int y = Rect.Top + (Rect.Height() - c.TextHeight(name)) / 2;
  c.TextRect(vcl::Rect(left, Rect.Top, Rect.Right, Rect.Bottom), left + 3, y, name);
  c.Brush()->SetColor(brush);
  c.Font()->SetColor(font);
}

// ---------------------------------------------------------------- mouse and dialog

void TColSel::Click() {
  if (ItemIndex() >= 0) FSelColorIx = ItemIndex() + 1;
  vcl::TCustomComboBox::Click();
}

void TColSel::MouseMove(vcl::TShiftState Shift, int X, int Y) {
  FMouseAreaCode = X < FColorBarWidth ? 1 : 0;
  vcl::TCustomComboBox::MouseMove(Shift, X, Y);
}

// A press is at a mouse position too: the list drops down after it, so
// the area is that of the press even without a move before it.
void TColSel::MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {
  FMouseAreaCode = X < FColorBarWidth ? 1 : 0;
  vcl::TCustomComboBox::MouseDown(Button, Shift, X, Y);
}

void TColSel::DropDown() {
  const int k = ItemIndex();
  if (FMouseAreaCode == 1 && k >= 0 && k < FNumColors &&
      FIsUserEditable[static_cast<std::size_t>(k)]) {
    EditSelectedColor();
  }
  vcl::TCustomComboBox::DropDown();
}

// The color dialog for the selected entry, preset with its color. On
// acceptance the entry takes the dialog's color; OnChange fires, then the
// new name goes through OnColorNameChange and is stored.
void TColSel::EditSelectedColor() {
  const int sel = FSelColorIx;
  auto dialog = std::make_unique<vcl::TColorDialog>(this);
  dialog->SetColor(FColors[Slot(sel)]);
  if (dialog->Execute()) {
    FColors[Slot(sel)] = dialog->Color();
    vcl::String name = vcl::ColorToString(vcl::ColorToRGB(dialog->Color()));
    Change();
    StoreName(sel, Announced(name));
  }
  dialog.reset();
  Refresh();
}

}  // namespace vyr
