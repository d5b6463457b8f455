// TNTabEd: construction and destruction, the links to the data table, the
// change notifiers and the properties that only store and repaint.
// Structure is in VYR_ntabedstruct.cpp, marks and sorting in
// VYR_ntabedmarks.cpp, painting in VYR_ntabedpaint.cpp, the popup menus in
// VYR_ntabedpopup.cpp, the clipboard in VYR_ntabedclip.cpp and the mouse,
// keys and in-place editors in VYR_ntabedinput.cpp.
#include <algorithm>
#include <charconv>
#include <cmath>

#include "VYR_ntabed/VYR_ntabedinternal.h"
#include "VYR_ntabed/VYR_ntabedtext.h"
#include "companion/basepack/VYR_stringl.h"
#include "foundation/VYR_errors.h"
#include "platform/SysUtils.h"

namespace vyr {

// ---------------------------------------------------------------- life

// The order follows what later steps rely on: the heads before the table
// is sized, the table before its callbacks, everything before painting is
// allowed.
TNTabEd::TNTabEd(vcl::TComponent* AOwner) : vcl::TCustomGrid(AOwner) {
  FInternSuppPaint = true;
  // The table comes first: the grid calls back into the editor (its
  // editing and drawing hooks) as soon as its layout changes.
  try {
    FDataCopy = std::make_unique<TDataTable>(nullptr, 1, 1);
    FOwnData = std::make_unique<TDataTable>(nullptr, ColCount() - 2, RowCount() - 1);
    Data = FOwnData.get();
    Data->Matrix().Fill(0.0);
    FDecP.assign(static_cast<std::size_t>(Data->NrOfColumns()), 3);
  } catch (const std::bad_alloc&) {
    throw EVYRNTabedError(TableEditorInitFailedMessage(*this));
  } catch (const EVYRError&) {
    throw EVYRNTabedError(TableEditorInitFailedMessage(*this));
  }
  SetFixedCols(2);
  SetOptions(Options() << vcl::goEditing);
  FColPickList = std::make_unique<vcl::TStringList>();
  if (!ComponentState().Contains(vcl::csDesigning)) BuildOwnedParts();
  vcl::TCustomGrid::SetColWidths(1, FClassColWidth);
  vcl::TCustomGrid::SetColWidths(0, 80);
  HookTable(Data);
  BuildPopups();
  SetColorBackground(vcl::clWindow);
  SetColorFixed(vcl::clBtnFace);
  FInternSuppPaint = false;
}

// An assigned table only loses the editor's callbacks; the editor's own
// table goes with the editor. Then the popups, the head editor, the memo
// and the data copy, before the grid itself.
TNTabEd::~TNTabEd() {
  if (FExtMatAssigned) UnhookTable(Data);
  FOwnData.reset();
  Data = nullptr;
  delete FPopupD;
  delete FPopupH;
  FColPickList.reset();
  delete FNameEd;
  delete FCommentMM;
  FDataCopy.reset();
}

// The head editor and the comment memo: children of the editor, hidden
// until a head or the comment is edited. They (and the popup menus) have
// no owner, so that a form file of the editor holds the editor alone; the
// editor frees them itself.
void TNTabEd::BuildOwnedParts() {
  FNameEd = new vcl::TEdit(nullptr);
  FNameEd->SetVisible(false);
  FNameEd->SetParent(this);
  FNameEd->SetOnKeyPress([this](vcl::TObject* S, char16_t& Key) { NameEdKeyPress(S, Key); });
  FCommentMM = new vcl::TMemo(nullptr);
  FCommentMM->SetVisible(false);
  // Enter closes the memo, so it must not break the line first.
  FCommentMM->SetWantReturns(false);
  FCommentMM->SetParent(this);
  FCommentMM->SetOnKeyPress([this](vcl::TObject* S, char16_t& Key) { CommentMemoKeyPress(S, Key); });
}

void TNTabEd::HookTable(TDataTable* Table) {
  Table->SetOnDataChanged([this](vcl::TObject* S) { DataHasChanged(S); });
  Table->SetOnSetupChanged([this](vcl::TObject* S) { SetupHasChanged(S); });
  Table->SetOnPercentDone([this](vcl::TObject* S, int P) { NTPercDone(S, P); });
  Table->SetOnResized([this](vcl::TObject* S, int OC, int OR, int NC, int NR) {
    DataHasBeenResized(S, OC, OR, NC, NR);
  });
  Table->SetOnExchangeDuringSort(
      [this](vcl::TObject* S, std::uint8_t K, int P1, int P2, int P3, int P4) {
        ExchangeDuringSort(S, K, P1, P2, P3, P4);
      });
  if (Table != FOwnData.get()) Table->FreeNotification(this);
}

// Every callback goes: each of them would call an editor that is gone.
void TNTabEd::UnhookTable(TDataTable* Table) {
  Table->SetOnDataChanged(nullptr);
  Table->SetOnSetupChanged(nullptr);
  Table->SetOnPercentDone(nullptr);
  Table->SetOnResized(nullptr);
  Table->SetOnExchangeDuringSort(nullptr);
  if (Table != FOwnData.get()) Table->RemoveFreeNotification(this);
}

void TNTabEd::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  vcl::TCustomGrid::Notification(AComponent, Operation);
  if (Operation != vcl::opRemove) return;
  if (AComponent == FNameEd) FNameEd = nullptr;
  if (AComponent == FCommentMM) FCommentMM = nullptr;
  if (AComponent == FPopupD) FPopupD = nullptr;
  if (AComponent == FPopupH) FPopupH = nullptr;
  if (FExtMatAssigned && AComponent == Data) {
    // The assigned table is being freed (and is no table any more): go on
    // with an own one of the size the grid shows.
    const int cols = ColCount() - FColOffset - 1, rows = RowCount() - FRowOffset - 1;
    auto own = std::make_unique<TDataTable>(nullptr, cols, rows);
    FOwnData = std::move(own);
    Data = FOwnData.get();
    FExtMatAssigned = false;
    HookTable(Data);
    Redraw();
  }
}

void TNTabEd::RaiseNoMemory() const { throw EVYRNTabedError(NotEnoughMemoryMessage(*this)); }

// ---------------------------------------------------------------- notifiers

void TNTabEd::Redraw() {
  if (!Quiet()) Invalidate();
}

// A copy runs, so that a handler may replace or clear its own event.
void TNTabEd::Fire(const vcl::TNotifyEvent& Event) {
  if (Quiet() || !Event) return;
  vcl::TNotifyEvent handler = Event;
  handler(this);
}

void TNTabEd::ChangedData() { Fire(FOnChange); }
void TNTabEd::ChangedSetup() { Fire(FOnChangeSetup); }
void TNTabEd::ChangedHeading() { Fire(FOnHeadingChanged); }
void TNTabEd::ChangedAttrib() { Fire(FOnAttributeChanged); }
void TNTabEd::ChangedCellStates() { Fire(FOnCellStateChanged); }
void TNTabEd::ChangedLayout() { Fire(FOnLayoutChanged); }
void TNTabEd::ChangedSelection() { Fire(FOnSelectionChanged); }

// ---------------------------------------------------------------- table callbacks

void TNTabEd::DataHasChanged(vcl::TObject* Sender) {
  (void)Sender;
  ChangedData();
  Redraw();
}

void TNTabEd::SetupHasChanged(vcl::TObject* Sender) {
  (void)Sender;
  ChangedSetup();
  Redraw();
}

void TNTabEd::NTPercDone(vcl::TObject* Sender, int Percent) {
  (void)Sender;
  if (!FOnPercentDone) return;
  TOnPercentDoneEvent handler = FOnPercentDone;
  handler(this, Percent);
}

void TNTabEd::ExchangeDuringSort(vcl::TObject* Sender, std::uint8_t Kind, int P1, int P2, int P3,
                                 int P4) {
  (void)Sender;
  (void)P3;
  (void)P4;
  if (Kind != 1 || !FSortIncludeHd || !ValidCol(P1) || !ValidCol(P2)) return;
  std::swap(FDecP[static_cast<std::size_t>(P1 - 1)], FDecP[static_cast<std::size_t>(P2 - 1)]);
}

void TNTabEd::FontHasChanged(vcl::TObject* Sender) {
  (void)Sender;
  Canvas()->Font()->Assign(Font());
  Redraw();
}

void TNTabEd::CMFontChanged(vcl::TMessage& Message) {
  vcl::TCustomGrid::CMFontChanged(Message);
  FontHasChanged(this);
}

// ---------------------------------------------------------------- properties

void TNTabEd::SetLayoutColor(vcl::TColor& Field, vcl::TColor Value) {
  Field = Value;
  Redraw();
  ChangedLayout();
}

void TNTabEd::SetColorBackground(vcl::TColor Value) { SetColor(Value); }

void TNTabEd::SetColorFixed(vcl::TColor Value) { SetFixedColor(Value); }

void TNTabEd::SetBoldMarks(bool Value) {
  if (Value == FBoldMarks) return;
  FBoldMarks = Value;
  Redraw();
  ChangedLayout();
}

void TNTabEd::SetBoldSelHeads(bool Value) {
  if (Value == FBoldSelHeads) return;
  FBoldSelHeads = Value;
  Redraw();
  ChangedLayout();
}

void TNTabEd::SetShowCellCursor(bool Value) {
  if (Value == FShowCellCursor) return;
  FShowCellCursor = Value;
  Invalidate();
}

void TNTabEd::SetOptimizeRowHeight(bool Value) {
  if (Value == FOptimizeRowHeight) return;
  FOptimizeRowHeight = Value;
  Redraw();
}

void TNTabEd::SetNumWidth(int Value) {
  if (Value >= 1 && Value <= 20) {
    FNumWidth = Value;
    Redraw();
  }
  ChangedLayout();
}

std::int8_t TNTabEd::Precision(int ColNr) const {
  if (!ValidCol(ColNr) || static_cast<std::size_t>(ColNr) > FDecP.size()) return 0;
  return FDecP[static_cast<std::size_t>(ColNr - 1)];
}

void TNTabEd::SetPrecision(int ColNr, int Value) {
  if (!ValidCol(ColNr) || static_cast<std::size_t>(ColNr) > FDecP.size()) return;
  FDecP[static_cast<std::size_t>(ColNr - 1)] = static_cast<std::int8_t>(std::clamp(Value, -1, 10));
  Redraw();
  ChangedLayout();
}

void TNTabEd::SetDataReadOnly(bool Value) {
  if (Value == FDataReadOnly) return;
  if (Value) HideEditor();
  FDataReadOnly = Value;
  SetEditing(!Value);
}

void TNTabEd::SetNomEditDropDownCount(int Value) {
  FNomEditDropDownCount = Value;
  if (auto* list = dynamic_cast<vcl::TInplaceEditList*>(InplaceEditor())) list->SetDropDownRows(Value);
}

void TNTabEd::SetSuppressPaint(bool Value) {
  if (Value == FSuppressPaint) return;
  if (Value) {
    FreezePicture();
  } else {
    FFrozen.reset();
  }
  FSuppressPaint = Value;
  if (!Value) Redraw();
}

void TNTabEd::SetComment(const vcl::String& Value) {
  Data->SetFComment(RemoveControlChars(Value));
  ChangedData();
}

// ---------------------------------------------------------------- cells and heads

void TNTabEd::SetCellState(int ACol, int ARow, std::uint8_t Value) {
  if (!ValidCol(ACol) || !ValidRow(ARow)) return;
  Data->SetCellState(ACol, ARow, Value);
  Redraw();
  ChangedCellStates();
}

void TNTabEd::SetMarkBit(int ACol, int ARow, std::uint8_t Bit, bool Value) {
  if (ValidCol(ACol) && ValidRow(ARow)) {
    const std::uint8_t s = Data->GetCellState(ACol, ARow);
    Data->SetCellState(ACol, ARow, static_cast<std::uint8_t>(Value ? s | Bit : s & ~Bit));
  }
  Redraw();
  ChangedCellStates();
}

void TNTabEd::SetIsEmpty(int ACol, int ARow, bool Value) {
  const std::uint8_t s = Data->GetCellState(ACol, ARow);
  Data->SetCellState(ACol, ARow, static_cast<std::uint8_t>(Value ? s | csEmpty : s & ~csEmpty));
  ChangedCellStates();
}

void TNTabEd::SetColName(int ColNr, const vcl::String& Value) {
  if (!ValidCol(ColNr)) return;
  Data->SetColName(ColNr, Value);
  ChangedHeading();
  Redraw();
}

void TNTabEd::SetRowName(int RowNr, const vcl::String& Value) {
  if (!ValidRow(RowNr)) return;
  Data->SetRowName(RowNr, Value);
  ChangedHeading();
  Redraw();
}

void TNTabEd::SetColAttrib(int ColNr, std::uint8_t Value) {
  if (!ValidCol(ColNr)) return;
  Data->SetColAttrib(ColNr, Value);
  Redraw();
  ChangedAttrib();
}

void TNTabEd::SetRowAttrib(int RowNr, std::uint8_t Value) {
  if (!ValidRow(RowNr)) return;
  Data->SetRowAttrib(RowNr, Value);
  Redraw();
  ChangedAttrib();
}

double TNTabEd::ScanClipNumber(const vcl::String& Text, int& Pos, bool ExpAllowed, int SepMode) {
  return ntabed::ScanClipNumber(Text, Pos, ExpAllowed, SepMode);
}

// ---------------------------------------------------------------- shared helpers

namespace ntabed {

vcl::String NumberedName(const char16_t* Prefix, int Number) {
  return vcl::String(Prefix) + vcl::IntToStr(Number);
}

vcl::String IntegerText(double Rounded) {
  char buf[MaxNumberText];
  const auto r = std::to_chars(buf, buf + sizeof buf, Rounded, std::chars_format::fixed, 0);
  return vcl::String(buf, r.ptr);
}

bool ReadTypedNumber(const vcl::String& Text, double& Value) {
  vcl::String t = Text;
  std::replace(t.begin(), t.end(), u',', u'.');
  t = vcl::Trim(t);
  vcl::TFormatSettings settings = vcl::TFormatSettings::Create();
  settings.DecimalSeparator = u'.';
  return vcl::TryStrToFloat(t, Value, settings);
}

}  // namespace ntabed

}  // namespace vyr
