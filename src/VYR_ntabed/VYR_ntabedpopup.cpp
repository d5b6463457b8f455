// TNTabEd popup menus: the data popup ("PopupDTAction", twelve items, the
// first four with Range/Column/Row/All submenus) and the head popup
// ("PopupHTAction", five items), their captions and masks, what each
// enables when it opens, and the head commands.
//
// Item names: DIt1..DIt12 (data), M1It1..4 and M2It1..4 (mark A, mark B),
// U1It1..4 and U2It1..4 (unmark A, unmark B), HIt1..HIt5 (heads). The items
// belong to their popup menu (FindComponent finds them there); the menus
// belong to no component and are freed by the editor.
#include <algorithm>

#include "VYR_ntabed/VYR_ntabedinternal.h"
#include "foundation/VYR_resources.h"
#include "platform/SysUtils.h"

namespace vyr {

namespace {

constexpr std::size_t kCaptionLen = 50;

const char16_t* const kDataCaptions[12] = {
    u"Mark as type A", u"Mark as type B", u"Unmark type A", u"Unmark type B",
    u"Unmark All", u"Clear", u"Copy", u"Paste",
    u"Data Read-Only", u"Extract from Clipboard", u"Select All", u"Toggle Empty State"};
const char16_t* const kHeadCaptions[5] = {u"Edit Heading", u"Change Precision", u"Select..",
                                          u"Insert..", u"Delete.."};
const char16_t* const kSubCaptions[4] = {u"Range", u"Column", u"Row", u"All"};
const char16_t* const kSubPrefixes[4] = {u"M1It", u"M2It", u"U1It", u"U2It"};

// Data popup items by number, head popup items by number.
enum : int { diPaste = 8, diReadOnly = 9, diClear = 6, diExtract = 10 };
enum : int { hiPrecision = 2, hiSelect = 3, hiInsert = 4, hiDelete = 5 };

bool Bit(int Mask, int Item) { return (Mask >> (Item - 1) & 1) != 0; }

vcl::String Cut(const vcl::String& S) { return S.substr(0, kCaptionLen); }

}  // namespace

// ---------------------------------------------------------------- building

vcl::TMenuItem* TNTabEd::MakeItem(vcl::TMenu* Menu, vcl::TMenuItem* Parent,
                                  const vcl::String& Name, const vcl::String& Caption,
                                  vcl::TNotifyEvent OnClick) {
  auto* item = new vcl::TMenuItem(Menu);
  item->SetName(Name);
  item->SetCaption(Caption);
  item->SetOnClick(std::move(OnClick));
  Parent->Add(item);
  return item;
}

namespace {

using THandler = void (TNTabEd::*)(vcl::TObject*);

// Items 1..4 open submenus and have no action of their own.
const THandler kDataHandlers[12] = {
    nullptr, nullptr, nullptr, nullptr,
    &TNTabEd::PopupMenuClickUnMarkAll, &TNTabEd::PopupMenuClickClear,
    &TNTabEd::PopupMenuClickCopy, &TNTabEd::PopupMenuClickPaste,
    &TNTabEd::PopupMenuClickEdit, &TNTabEd::PopupMenuClickExtClip,
    &TNTabEd::PopupMenuClickSelAll, &TNTabEd::PopupMenuClickEmptyCells};
const THandler kSubHandlers[4][4] = {
    {&TNTabEd::PopupMenuClickMarkARange, &TNTabEd::PopupMenuClickMarkAColumn,
     &TNTabEd::PopupMenuClickMarkARow, &TNTabEd::PopupMenuClickMarkAAll},
    {&TNTabEd::PopupMenuClickMarkBRange, &TNTabEd::PopupMenuClickMarkBColumn,
     &TNTabEd::PopupMenuClickMarkBRow, &TNTabEd::PopupMenuClickMarkBAll},
    {&TNTabEd::PopupMenuClickUnMarkARange, &TNTabEd::PopupMenuClickUnMarkAColumn,
     &TNTabEd::PopupMenuClickUnMarkARow, &TNTabEd::PopupMenuClickUnMarkAAll},
    {&TNTabEd::PopupMenuClickUnMarkBRange, &TNTabEd::PopupMenuClickUnMarkBColumn,
     &TNTabEd::PopupMenuClickUnMarkBRow, &TNTabEd::PopupMenuClickUnMarkBAll}};
// Items 3..5 start with the column commands; opening the popup over a row
// head switches them to the row commands.
const THandler kHeadHandlers[5] = {
    &TNTabEd::PopupMenuClickChangeID, &TNTabEd::PopupMenuClickPrecision,
    &TNTabEd::PopupMenuClickSelectCol, &TNTabEd::PopupMenuClickInsertCol,
    &TNTabEd::PopupMenuClickDeleteCol};

}  // namespace

vcl::TNotifyEvent TNTabEd::Bound(THandlerPtr Handler) {
  if (Handler == nullptr) return {};
  return [this, Handler](vcl::TObject* S) { (this->*Handler)(S); };
}

void TNTabEd::BuildPopups() {
  FPopupD = new vcl::TPopupMenu(nullptr);
  FPopupD->SetName(u"PopupDTAction");
  FPopupD->SetAlignment(vcl::paLeft);
  FPopupD->SetOnPopup(Bound(&TNTabEd::PopupMenuDLoadPopup));
  for (std::size_t i = 0; i < 12; ++i) {
    FDItems[i] = MakeItem(FPopupD, FPopupD->Items(), u"DIt" + vcl::IntToStr(static_cast<int>(i) + 1),
                          kDataCaptions[i], Bound(kDataHandlers[i]));
  }
  for (std::size_t m = 0; m < 4; ++m) {
    for (std::size_t i = 0; i < 4; ++i) {
      FSubItems[m][i] =
          MakeItem(FPopupD, FDItems[m], kSubPrefixes[m] + vcl::IntToStr(static_cast<int>(i) + 1),
                   kSubCaptions[i], Bound(kSubHandlers[m][i]));
    }
  }
  FDItems[diPaste - 1]->SetEnabled(false);
  FPopupH = new vcl::TPopupMenu(nullptr);
  FPopupH->SetName(u"PopupHTAction");
  for (std::size_t i = 0; i < 5; ++i) {
    FHItems[i] = MakeItem(FPopupH, FPopupH->Items(), u"HIt" + vcl::IntToStr(static_cast<int>(i) + 1),
                          kHeadCaptions[i], Bound(kHeadHandlers[i]));
  }
}

// ---------------------------------------------------------------- captions and masks

vcl::String TNTabEd::PopupDCaptions(int ix) const {
  return ix >= 1 && ix <= 12 ? FDItems[static_cast<std::size_t>(ix - 1)]->Caption() : vcl::String();
}

void TNTabEd::SetPopupDCaptions(int ix, const vcl::String& Value) {
  if (ix >= 1 && ix <= 12) FDItems[static_cast<std::size_t>(ix - 1)]->SetCaption(Cut(Value));
}

vcl::String TNTabEd::PopupHCaptions(int ix) const {
  return ix >= 1 && ix <= 5 ? FHItems[static_cast<std::size_t>(ix - 1)]->Caption() : vcl::String();
}

void TNTabEd::SetPopupHCaptions(int ix, const vcl::String& Value) {
  if (ix >= 1 && ix <= 5) FHItems[static_cast<std::size_t>(ix - 1)]->SetCaption(Cut(Value));
}

vcl::String TNTabEd::PopupMCaptions(int ix) const {
  return ix >= 1 && ix <= 4 ? FSubItems[0][static_cast<std::size_t>(ix - 1)]->Caption() : vcl::String();
}

void TNTabEd::SetPopupMCaptions(int ix, const vcl::String& Value) {
  if (ix < 1 || ix > 4) return;
  FSubItems[0][static_cast<std::size_t>(ix - 1)]->SetCaption(Cut(Value));
  FSubItems[1][static_cast<std::size_t>(ix - 1)]->SetCaption(Cut(Value));
}

vcl::String TNTabEd::PopupUCaptions(int ix) const {
  return ix >= 1 && ix <= 4 ? FSubItems[2][static_cast<std::size_t>(ix - 1)]->Caption() : vcl::String();
}

void TNTabEd::SetPopupUCaptions(int ix, const vcl::String& Value) {
  if (ix < 1 || ix > 4) return;
  FSubItems[2][static_cast<std::size_t>(ix - 1)]->SetCaption(Cut(Value));
  FSubItems[3][static_cast<std::size_t>(ix - 1)]->SetCaption(Cut(Value));
}

// Paste needs a copy to paste besides its bit.
void TNTabEd::SetPopupDMask(int Value) {
  FPopupDMask = Value;
  for (int i = 1; i <= 12; ++i) FDItems[static_cast<std::size_t>(i - 1)]->SetEnabled(Bit(Value, i));
  if (!FDataCopyAvail) FDItems[diPaste - 1]->SetEnabled(false);
  ChangedSetup();
}

void TNTabEd::SetPopupHMask(int Value) {
  FPopupHMask = Value;
  for (int i = 1; i <= 5; ++i) FHItems[static_cast<std::size_t>(i - 1)]->SetEnabled(Bit(Value, i));
  ChangedSetup();
}

// The commands that change values are offered only when the mask allows
// them and the data may be changed; Paste only with a copy to paste.
void TNTabEd::PopupMenuDLoadPopup(vcl::TObject*) {
  const bool writable = !FDataReadOnly;
  FDItems[diPaste - 1]->SetEnabled(FDataCopyAvail && Bit(FPopupDMask, diPaste) && writable);
  FDItems[diClear - 1]->SetEnabled(Bit(FPopupDMask, diClear) && writable);
  FDItems[diExtract - 1]->SetEnabled(Bit(FPopupDMask, diExtract) && writable);
}

// Over a column head the items act on the column, over a row head on the
// row: Change Precision only for columns, Insert and Delete only while the
// data may be changed.
void TNTabEd::PrepareHeadPopup() {
  const ntabed::TCellKind kind = ntabed::KindOfCell(FPopupCell.X, FPopupCell.Y, Offsets());
  const bool column = ntabed::IsColumnHead(kind);
  const bool writable = !FDataReadOnly;
  if (Bit(FPopupHMask, hiPrecision)) FHItems[hiPrecision - 1]->SetEnabled(column);
  FHItems[hiSelect - 1]->SetEnabled(Bit(FPopupHMask, hiSelect));
  FHItems[hiInsert - 1]->SetEnabled(Bit(FPopupHMask, hiInsert) && writable);
  FHItems[hiDelete - 1]->SetEnabled(Bit(FPopupHMask, hiDelete) && writable);
  auto relabel = [this](int Item, const char16_t* Caption, THandlerPtr H) {
    vcl::TMenuItem* item = FHItems[static_cast<std::size_t>(Item - 1)];
    item->SetCaption(Caption);
    item->SetOnClick(Bound(H));
  };
  if (column) {
    relabel(hiSelect, u"Select Column", &TNTabEd::PopupMenuClickSelectCol);
    relabel(hiInsert, u"Insert Column", &TNTabEd::PopupMenuClickInsertCol);
    relabel(hiDelete, u"Delete Column", &TNTabEd::PopupMenuClickDeleteCol);
  } else {
    relabel(hiSelect, u"Select Row", &TNTabEd::PopupMenuClickSelectRow);
    relabel(hiInsert, u"Insert Row", &TNTabEd::PopupMenuClickInsertRow);
    relabel(hiDelete, u"Delete Row", &TNTabEd::PopupMenuClickDeleteRow);
  }
}

// ---------------------------------------------------------------- showing

void TNTabEd::PopupAt(vcl::TPopupMenu* Menu, vcl::TPoint ClientPoint) {
  if (Menu == nullptr) return;
  if (FOnBeforePopup) {
    TBeforePopupEvent handler = FOnBeforePopup;
    handler(this, Menu);
  }
  const vcl::TPoint p = ClientToScreen(ClientPoint);
  Menu->SetPopupComponent(this);
  Menu->Popup(p.X, p.Y);
}

// The Data Read-Only item shows its state as a check box picture.
void TNTabEd::ShowDataPopup(int X, int Y) {
  vcl::TMenuItem* readOnly = FDItems[diReadOnly - 1];
  try {
    LoadNamedBitmap(*readOnly->Bitmap(), FDataReadOnly ? u"CHECKEDBOX" : u"EMPTYBOX");
  } catch (const vcl::Exception&) {
    readOnly->SetChecked(FDataReadOnly);  // the picture is missing: a check mark instead
  }
  PopupAt(FPopupD, {X + 10, Y - 20});
}

// The head cell is framed (inverted) while its popup shows.
void TNTabEd::ShowHeadPopup() {
  PrepareHeadPopup();
  FHeadFrameCell = FPopupCell;
  InvertHeadFrame();
  const vcl::TRect r = CellRect(FPopupCell.X, FPopupCell.Y);
  PopupAt(FPopupH, {r.Left + 20, r.Top + 20});
}

// A rectangle with the pen in not mode: drawn twice, the picture is back;
// the next repaint removes it in any case.
void TNTabEd::InvertHeadFrame() {
  if (FHeadFrameCell.X < 0 || Quiet()) return;
  const vcl::TRect r = OuterCellRect(FHeadFrameCell.X, FHeadFrameCell.Y);
  if (r.IsEmpty()) return;
  vcl::TCanvas& canvas = *Canvas();
  canvas.Pen()->SetMode(vcl::pmNot);
  canvas.Pen()->SetWidth(1);
  canvas.Brush()->SetStyle(vcl::bsClear);
  canvas.Rectangle(r.Left, r.Top, r.Right, r.Bottom);
  canvas.Pen()->SetMode(vcl::pmCopy);
  canvas.Brush()->SetStyle(vcl::bsSolid);
}

// ---------------------------------------------------------------- head commands

void TNTabEd::PopupMenuClickChangeID(vcl::TObject*) { OpenNameEditor(); }

void TNTabEd::PopupMenuClickPrecision(vcl::TObject*) {
  const ntabed::TCellKind kind = ntabed::KindOfCell(FPopupCell.X, FPopupCell.Y, Offsets());
  const int c = FPopupCell.X - FColOffset;
  if (!ntabed::IsColumnHead(kind) || !ValidCol(c)) return;
  int d = Precision(c) - 1;
  if (d < -1) d = 10;
  SetPrecision(c, d);
  FHeadFrameCell = FPopupCell;
  {
    // The frame goes when the popup returns, also by an exception.
    InvertHeadFrame();
    vcl::TScopeGuard unframe([this] { InvertHeadFrame(); });
    const vcl::TRect r = CellRect(FPopupCell.X, FPopupCell.Y);
    if (FPopupH != nullptr) {
      const vcl::TPoint p = ClientToScreen({r.Left + 20, r.Top + 20});
      FPopupH->Popup(p.X, p.Y);
    }
  }
  ChangedLayout();
}

void TNTabEd::PopupMenuClickSelectCol(vcl::TObject*) {
  const int c = FPopupCell.X - FColOffset;
  if (!ValidCol(c)) return;
  SelectDataBlock(c, 1, c, NrOfRows());
  FSelRemembered = Selection();
  Redraw();
  ChangedSelection();
}

void TNTabEd::PopupMenuClickSelectRow(vcl::TObject*) {
  const int r = FPopupCell.Y - FRowOffset;
  if (!ValidRow(r)) return;
  SelectDataBlock(1, r, NrOfColumns(), r);
  FSelRemembered = Selection();
  Redraw();
  ChangedSelection();
}

void TNTabEd::PopupMenuClickSelAll(vcl::TObject*) {
  SelectDataBlock(1, 1, NrOfColumns(), NrOfRows());
  FSelRemembered = Selection();
  Redraw();
  ChangedSelection();
}

// The new column (row) takes the popup cell's place and the name "(...)".
void TNTabEd::PopupMenuClickInsertCol(vcl::TObject*) {
  const int c = FPopupCell.X - FColOffset;
  if (!ValidCol(c)) return;
  TDataChangedDetached detached(*this);
  InsertColumn(c);
  Data->SetColName(c, u"(...)");
}

void TNTabEd::PopupMenuClickInsertRow(vcl::TObject*) {
  const int r = FPopupCell.Y - FRowOffset;
  if (!ValidRow(r)) return;
  TDataChangedDetached detached(*this);
  InsertRow(r);
  Data->SetRowName(r, u"(...)");
}

void TNTabEd::PopupMenuClickDeleteCol(vcl::TObject*) {
  const int c = FPopupCell.X - FColOffset;
  if (ValidCol(c)) RemoveColumn(c);
}

void TNTabEd::PopupMenuClickDeleteRow(vcl::TObject*) {
  const int r = FPopupCell.Y - FRowOffset;
  if (ValidRow(r)) RemoveRow(r);
}

void TNTabEd::PopupMenuClickEdit(vcl::TObject*) {
  SetDataReadOnly(!FDataReadOnly);
  ChangedSetup();
}

}  // namespace vyr
