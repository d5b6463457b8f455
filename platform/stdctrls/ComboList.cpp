// TComboListBox: the dropped-down list of a combo box. The combo box owns
// it, shows and hides it through the host and steers it with its keys; the
// list takes its items, row height and drawing from the combo box and hands
// a picked item back with CloseList.
#include <algorithm>

#include "platform/StdCtrls.h"
#include "platform/controls/Internal.h"

namespace vcl {

TComboListBox::TComboListBox(TCustomComboBox* Combo) : TCustomDropDownList(nullptr), FCombo(Combo) {}

TComboListBox::~TComboListBox() = default;

int TComboListBox::Count() const { return FCombo->FItems->Count(); }

int TComboListBox::ItemHeight() const {
  if (FCombo->OwnerDrawn()) return std::max(1, FCombo->ItemHeight());
  return TCustomDropDownList::ItemHeight();
}

int TComboListBox::RowCount() const { return std::clamp(Count(), 1, FCombo->DropDownCount()); }

String TComboListBox::ItemText(int Index) const { return FCombo->FItems->Strings(Index); }

// A release on an item picks it (the list closes and may be freed with its
// combo box, so nothing follows the pick).
void TComboListBox::Released(int Index) {
  if (Index >= 0) FCombo->CloseList(true);
}

// Owner-drawn items go through the combo box's DrawItem, on its Canvas
// attached to the list's window for the while (clipped to the item).
void TComboListBox::PaintItem(TCanvas& C, int Index, const TRect& R) {
  TOwnerDrawState state;
  if (Index == ItemIndex()) state << odSelected << odFocused;
  if (FCombo->OwnerDrawn()) {
    detail::PaintScope scope(FCombo, FCombo->FCanvas, C);
    FCombo->PrepareItemCanvas(FCombo->FCanvas, state);
    FCombo->DrawItem(Index, R, state);
    return;
  }
  FCombo->PrepareItemCanvas(C, state);
  C.FillRect(R);
  C.Brush()->SetStyle(bsClear);
  int y = R.Top + (R.Height() - C.TextHeight(u"Wg")) / 2;
  C.TextOut(R.Left + 2, y, ItemText(Index));
}

}  // namespace vcl
