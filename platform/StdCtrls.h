// Standard controls: the edit control and the memo on one editing core,
// labels, push buttons, check boxes, combo boxes and list boxes.
//
//   TWinControl
//   ├─ TCustomEdit      single-line text editing (TEdit); TCustomMemo adds lines (TMemo)
//   ├─ TButtonControl   TButton, TCheckBox
//   ├─ TCustomComboBox  TComboBox (its TComboListBox drops down in a window shown by the host)
//   └─ TCustomListBox   TListBox
//   TGraphicControl
//   └─ TCustomLabel     TLabel
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/ScrollBar.h"
#include "platform/WinapiGdi.h"

namespace vcl {

enum TEditCharCase : std::uint8_t { ecNormal, ecUpperCase, ecLowerCase };
enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout : std::uint8_t { tlTop, tlCenter, tlBottom };

// ---------------------------------------------------------------- DrawText

// Formats of DrawText.
constexpr UINT DT_TOP = 0x0, DT_LEFT = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_VCENTER = 0x4,
               DT_BOTTOM = 0x8, DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_EXPANDTABS = 0x40,
               DT_TABSTOP = 0x80, DT_NOCLIP = 0x100, DT_EXTERNALLEADING = 0x200,
               DT_CALCRECT = 0x400, DT_NOPREFIX = 0x800, DT_INTERNAL = 0x1000,
               DT_EDITCONTROL = 0x2000, DT_PATH_ELLIPSIS = 0x4000, DT_END_ELLIPSIS = 0x8000,
               DT_MODIFYSTRING = 0x10000, DT_RTLREADING = 0x20000, DT_WORD_ELLIPSIS = 0x40000,
               DT_NOFULLWIDTHCHARSPLIT = 0x80000, DT_HIDEPREFIX = 0x100000,
               DT_PREFIXONLY = 0x200000;

// Draws text into a rectangle with the canvas's font and brush (a solid
// brush fills each line's cell first): lines split at CR, LF and CR LF
// (DT_SINGLELINE: one line), wrapped at blanks to the rectangle's width
// with DT_WORDBREAK, aligned left, centred or right, and for a single line
// also centred vertically (DT_VCENTER) or at the bottom (DT_BOTTOM); "&"
// marks an accelerator and "&&" stands for "&" unless DT_NOPREFIX; tabs
// expand to every eighth character with DT_EXPANDTABS; a line too wide
// ends in "..." with DT_END_ELLIPSIS; clipped to the rectangle unless
// DT_NOCLIP. DT_CALCRECT draws nothing and sets Rect's right and bottom to
// the text's extent. Count -1 takes the whole text. Returns the text height.
int DrawText(HDC DC, const String& Text, int Count, TRect& Rect, UINT Format);

// ---------------------------------------------------------------- TCustomEdit

// A text editing control. Single-line by default; TCustomMemo switches the
// same core to several lines.
//
// Keys (after KeyDown/OnKeyDown, which may swallow them by setting Key to 0):
//   Left/Right (Ctrl: by word), Home/End (Ctrl: whole text), Up/Down and
//   PageUp/PageDown (multi-line) move the caret; with Shift they extend the
//   selection. Delete and Backspace delete; Ctrl+A selects all; Ctrl+C,
//   Ctrl+Insert copy; Ctrl+X, Shift+Delete cut; Ctrl+V, Shift+Insert paste;
//   Ctrl+Z undoes the last edit. Characters (after KeyPress/OnKeyPress)
//   replace the selection.
// Mouse: a press places the caret (Shift extends the selection), dragging
// selects, a double click selects a word. A press on a multi-line edit's
// scroll bar (TWindowScrollBars) scrolls and leaves caret and selection.
//
// Every change of the text, by the user or by code, calls Change, which
// fires OnChange (not while the control is being loaded from a form file).
// Setting Text from code puts the caret at the start and clears Modified.
class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* AOwner);
  ~TCustomEdit() override;

  void SetText(const String& Value) override;
  int GetTextLen() const { return static_cast<int>(Text().size()); }

  // ---- selection (0-based code-unit positions; the caret is at the end
  // of the selection where the user moved it)
  int SelStart() const;
  void SetSelStart(int Value);
  int SelLength() const;
  // Selects from SelStart on; a negative length selects to the left.
  void SetSelLength(int Value);
  String SelText() const;
  // Replaces the selection (as typing would, but also in a read-only edit).
  void SetSelText(const String& Value);
  void SelectAll();
  void ClearSelection();
  void Clear();
  // The caret position in the text (not the selection start).
  int CaretIndex() const { return FCaret; }

  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  // One level of undo: Undo swaps the text with the one before the last
  // edit (so a second Undo redoes it).
  void Undo();
  bool CanUndo() const { return FCanUndo; }
  void ClearUndo() { FCanUndo = false; }

  // ---- properties
  bool Modified() const { return FModified; }
  void SetModified(bool Value) { FModified = Value; }
  // 0: no limit. Limits typing and pasting, not Text set by code.
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  // Selects the whole text when the edit is entered other than by a click.
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool Value) { FAutoSelect = Value; }
  // Height follows the font (text height plus the border) when the font changes.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  // Hides the selection while the edit does not have the focus.
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  // Shows every character as this one (0: the text itself); copying and
  // cutting are refused then.
  Char PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(Char Value);
  TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase Value);
  // Shown in clGrayText while the edit is empty and has no focus.
  const String& TextHint() const { return FTextHint; }
  void SetTextHint(const String& Value);
  // Typing takes only the digits 0 to 9 (other characters beep); text set
  // by code or pasted is not checked.
  bool NumbersOnly() const { return FNumbersOnly; }
  void SetNumbersOnly(bool Value) { FNumbersOnly = Value; }
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);

  TNotifyEvent OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

  // The area the text is drawn in (inside the border and margins).
  TRect TextArea() const;
  // The text position nearest to a client point.
  int IndexAtPoint(int X, int Y);
  // The client position of the top of the caret cell at a text position.
  TPoint PointOfIndex(int Index);
  // The first visible pixel column of the text (horizontal scrolling).
  int ScrollX() const { return FScrollX; }
  // The scroll bars of a multi-line edit (none for a single line), as
  // laid out at the last paint or press.
  const TWindowScrollBars& WindowScrollBars() const { return FBars; }

 protected:
  // Called on every change of the text; fires OnChange.
  virtual void Change();
  // Draws border, text, selection and caret.
  virtual void Paint();
  TCanvas* Canvas();

  void DoEnter() override;
  void DoExit() override;
  void Loaded() override;
  void PaintWindow(TCanvas* DC) override;
  void WMGetDlgCode(TMessage& Message) override;
  void WMKeyDown(TWMKey& Message) override;
  void WMChar(TWMKey& Message) override;
  void WMSetFocus(TMessage& Message) override;
  void WMKillFocus(TMessage& Message) override;
  void WMLButtonDown(TWMMouse& Message) override;
  void WMLButtonDblClk(TWMMouse& Message) override;
  void WMLButtonUp(TWMMouse& Message) override;
  void WMMouseMove(TWMMouse& Message) override;
  void CMTextChanged(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  void CMEnabledChanged(TMessage& Message) override;
  void SizeChanged(int DeltaWidth, int DeltaHeight) override;
  // A multi-line edit scrolls its lines by the wheel (the caret stays).
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;

  // ---- the editing core, for descendants
  // Acts on a key the way the edit does after KeyDown; true when it was an
  // editing key.
  virtual bool EditKey(std::uint16_t Key, TShiftState Shift);
  // Acts on a character the way the edit does after KeyPress.
  virtual void EditChar(Char Ch);
  // Replaces the selection with Value as the user would (read-only and
  // MaxLength apply); false when nothing could change.
  bool UserReplaceSelection(const String& Value);
  // Moves the caret; Extend keeps the selection anchor.
  void MoveCaret(int Index, bool Extend);
  // Brings the caret into view by scrolling.
  void ScrollCaretIntoView();
  // Whether the edit shows caret and selection as the focused control
  // does (an edit inside another control shows them while that one has
  // the focus).
  virtual bool ShowsFocus() const { return Focused(); }
  // The edit's own handling of a key or character message, after the
  // KeyDown/KeyPress stage (for a control that forwards its keys here).
  void EditKeyMessage(TWMKey& Message);
  void EditCharMessage(TWMKey& Message);

  // Multi-line behaviour, switched on by TCustomMemo.
  bool MultiLine() const { return FMultiLine; }
  void SetMultiLine(bool Value);
  bool WordWrapCore() const { return FWordWrap; }
  void SetWordWrapCore(bool Value);
  bool WantReturnsCore() const { return FWantReturns; }
  void SetWantReturnsCore(bool Value) { FWantReturns = Value; }
  bool WantTabsCore() const { return FWantTabs; }
  void SetWantTabsCore(bool Value) { FWantTabs = Value; }
  TScrollStyle ScrollBarsCore() const { return FScrollBars; }
  void SetScrollBarsCore(TScrollStyle Value);
  // Text as shown (password characters instead of the text).
  String DisplayText() const;
  // Adapts a text to the control: single-line texts end before the first
  // line break; multi-line texts keep "\n" as their only line break.
  String NormalizeText(const String& Value) const;

  // One shown line: Length code units of the text from Start.
  struct TVisualLine {
    int Start = 0;
    int Length = 0;
  };
  // The shown lines (one for a single-line edit), rebuilt when needed.
  const std::vector<TVisualLine>& VisualLines();
  int LineOfIndex(int Index);
  int LineHeight();
  int TopLine() const { return FTopLine; }
  void SetTopLine(int Value);
  int VisibleLineCount();

 private:
  int ClampIndex(int Index) const;
  // Stores an edited text with the caret at Caret, as the user's change.
  void ApplyUserText(const String& NewText, int Caret);
  void SaveUndo();
  void PaintBorder(TCanvas& C);
  void PaintLine(TCanvas& C, const TVisualLine& L, int Y, const String& Shown);
  void PaintCaret(TCanvas& C);
  // The bars of a multi-line edit: place, ranges and the scrolls they ask for.
  void SyncBars();
  void BarScrolled(TScrollBarKind Kind, TScrollCode Code, int& Pos);
  int WidestLine();
  int BorderWidth() const;
  bool SelectionShown() const;
  bool NavigationKey(std::uint16_t Key, TShiftState Shift);
  bool CommandKey(std::uint16_t Key, TShiftState Shift);
  int VerticalTarget(int Lines);
  int WordLeft(int Index) const;
  int WordRight(int Index) const;
  void SelectWordAt(int Index);
  void AdjustHeight();
  // Pixel offsets of each code-unit boundary of a shown line.
  std::vector<int> LineOffsets(const TVisualLine& L);
  void InvalidateLayout();
  void RebuildLayout();
  TCanvas& Measure();

  TCanvas FCanvas;
  TCanvas FMeasure;  // measures text outside painting, with the control's font
  bool FMeasureSynced = false;
  int FCaret = 0;
  int FAnchor = 0;
  int FMaxLength = 0;
  bool FReadOnly = false;
  bool FAutoSelect = true;
  bool FAutoSize = true;
  bool FHideSelection = true;
  bool FModified = false;
  Char FPasswordChar = 0;
  TEditCharCase FCharCase = ecNormal;
  String FTextHint;
  bool FNumbersOnly = false;
  TBorderStyle FBorderStyle = bsSingle;
  bool FMultiLine = false;
  bool FWordWrap = false;
  bool FWantReturns = true;
  bool FWantTabs = false;
  TScrollStyle FScrollBars = ssNone;
  int FScrollX = 0;
  int FTopLine = 0;
  int FDesiredX = -1;        // pixel column kept while moving up and down
  bool FSelecting = false;   // a left-button drag is selecting
  bool FClickFocus = false;  // the focus comes from a click: no AutoSelect
  Char FCharDone = 0;        // the character the last key already acted on
  bool FCanUndo = false;
  String FUndoText;
  int FUndoCaret = 0;
  bool FLayoutValid = false;
  std::vector<TVisualLine> FLines;
  TNotifyEvent FOnChange;
  TWindowScrollBars FBars{this};
};

class TEdit : public TCustomEdit {
 public:
  explicit TEdit(TComponent* AOwner);
};


// ---------------------------------------------------------------- TCustomMemo

class TCustomMemo;

// The lines of a memo, read from and written to its text. A last line
// break starts no line of its own ("a\nb\n" has two lines); adding a line
// ends it with a line break, so the caret has an empty line to go to.
class TMemoStrings : public TStrings {
 public:
  explicit TMemoStrings(TCustomMemo* Memo) : FMemo(Memo) {}
  int Count() const override;
  String Strings(int Index) const override;
  void SetStrings(int Index, const String& S) override;
  void Insert(int Index, const String& S) override;
  void Delete(int Index) override;
  void Clear() override;
  void SetText(const String& Value) override;

 private:
  // Offset of the first character of line Index in the text (-1 past the lines).
  int LineStart(int Index) const;
  int LineEnd(int Start) const;
  TCustomMemo* FMemo;
};

// A multi-line edit: the editing core of TCustomEdit with Enter inserting a
// line break, Up/Down/PageUp/PageDown moving between lines, optional word
// wrapping and scroll bars, and the text also seen as Lines.
class TCustomMemo : public TCustomEdit {
 public:
  explicit TCustomMemo(TComponent* AOwner);
  ~TCustomMemo() override;

  TStrings* Lines() { return FLines.get(); }
  void SetLines(TStrings* Value) { FLines->Assign(Value); }
  // The caret as a column (X) in a line (Y) of Lines.
  TPoint CaretPos() const;
  void SetCaretPos(TPoint Value);
  bool WordWrap() const { return WordWrapCore(); }
  void SetWordWrap(bool Value) { SetWordWrapCore(Value); }
  bool WantReturns() const { return WantReturnsCore(); }
  void SetWantReturns(bool Value) { SetWantReturnsCore(Value); }
  bool WantTabs() const { return WantTabsCore(); }
  void SetWantTabs(bool Value) { SetWantTabsCore(Value); }
  TScrollStyle ScrollBars() const { return ScrollBarsCore(); }
  void SetScrollBars(TScrollStyle Value) { SetScrollBarsCore(Value); }

 private:
  friend class TMemoStrings;
  // A text made one line: line breaks become blanks.
  String NormalizeLine(const String& S) const;
  std::unique_ptr<TMemoStrings> FLines;
};

class TMemo : public TCustomMemo {
 public:
  explicit TMemo(TComponent* AOwner) : TCustomMemo(AOwner) {}
};


// ---------------------------------------------------------------- TCustomLabel

// A caption drawn on the parent's surface. Paint fills the background with
// Color unless Transparent, then calls DoDrawText with the alignment, word
// wrapping and expanded tabs (placed per Layout); disabled text is drawn
// engraved. With AutoSize the label takes the size of its text whenever
// caption, font or wrapping change, keeping its right edge when right-
// justified.
class TCustomLabel : public TGraphicControl {
 public:
  explicit TCustomLabel(TComponent* AOwner);
  ~TCustomLabel() override;

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  // "&" marks the accelerator character (drawn without the "&").
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool Value);
  // The control that gets the focus for the label's accelerator.
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);

 protected:
  void Paint() override;
  // Draws (or with DT_CALCRECT measures) the label's text into Rect.
  virtual void DoDrawText(TRect& Rect, int Flags);
  // The text drawn: the caption.
  virtual String GetLabelText();
  // Takes the size of the text when AutoSize is set.
  virtual void AdjustBounds();
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void CMTextChanged(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  void CMDialogChar(TMessage& Message);
  void Dispatch(TMessage& Message) override;

 private:
  TAlignment FAlignment = taLeftJustify;
  bool FAutoSize = true;
  TTextLayout FLayout = tlTop;
  bool FTransparent = false;
  bool FWordWrap = false;
  bool FShowAccelChar = true;
  TWinControl* FFocusControl = nullptr;
};

class TLabel : public TCustomLabel {
 public:
  explicit TLabel(TComponent* AOwner) : TCustomLabel(AOwner) {}
};


// ---------------------------------------------------------------- TCustomComboBox

enum TComboBoxStyle : std::uint8_t {
  csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable
};
enum TOwnerDrawStateItem : std::uint8_t {
  odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odHotLight, odInactive,
  odNoAccel, odNoFocusRect, odReserved1, odReserved2, odComboBoxEdit
};
using TOwnerDrawState = Set<TOwnerDrawStateItem>;
using TDrawItemEvent =
    std::function<void(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)>;

class TComboEdit;
class TComboListBox;

// A combo box: an edit field (csDropDown) or a shown item (the list and
// owner-drawn styles) with a button that drops down the list of Items: a
// TComboListBox of DropDownCount rows in a window of its own that the host
// shows below the combo box (see TComboListBox). Picking an item from it
// selects the item.
//
// A selection by the user (picked from the list, Up/Down/Home/End/PageUp/
// PageDown while the list is closed, or a typed first letter in the list
// styles) sets ItemIndex and Text, then calls Click (OnClick) and Select
// (OnSelect, or Change when OnSelect is unassigned); picking the item
// already selected fires neither. Typing in the edit field calls Change
// (OnChange). Setting ItemIndex or Text by code fires nothing.
//
// The list: a press on the button (anywhere in the list styles), F4 or
// Alt+Down drops it down (DropDown fires OnDropDown first); the same again,
// Escape, a press outside it or the focus leaving close it (CloseUp fires
// OnCloseUp). While it is down the combo box keeps the focus and its keys
// steer the list: Up/Down/PageUp/PageDown/Home/End move the highlight
// (scrolling the list), a typed first letter goes to the next item with
// it, Enter (or F4, Alt+Up/Down) picks the highlighted item and closes,
// Escape closes without a choice; the wheel scrolls the list.
//
// Owner-drawn styles draw the shown item and the list items through
// DrawItem (OnDrawItem, or the item's text) on Canvas, whose brush and font
// are prepared with the control's colors (highlight colors for a selected
// item); the shown item is drawn with odComboBoxEdit in its state, the
// list's items on the list's window in the list's coordinates.
class TCustomComboBox : public TWinControl {
 public:
  explicit TCustomComboBox(TComponent* AOwner);
  ~TCustomComboBox() override;

  TStrings* Items();
  void SetItems(TStrings* Value);
  int ItemIndex() const { return FItemIndex; }
  // -1 (or any index outside the items) selects nothing.
  void SetItemIndex(int Value);
  void SetText(const String& Value) override;
  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle Value);
  // Rows of the dropped-down list (at least 1).
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value);
  // Height of an item; owner-drawn styles also take ItemHeight + 6 as the
  // control's height.
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int Value);
  bool Sorted() const;
  void SetSorted(bool Value);
  int MaxLength() const;
  void SetMaxLength(int Value);
  bool DroppedDown() const { return FDroppedDown; }
  // True drops the list down (as F4 does), false closes it without a choice.
  void SetDroppedDown(bool Value);
  // The list while it is dropped down, nullptr otherwise.
  TComboListBox* DropDownList() const { return FDroppedDown ? FList.get() : nullptr; }
  TCanvas* Canvas();

  void AddItem(const String& Item, TObject* AObject);
  // Removes every item and the text.
  void Clear();
  // The edit field's selection (csDropDown); empty for the list styles.
  int SelStart() const;
  void SetSelStart(int Value);
  int SelLength() const;
  void SetSelLength(int Value);
  String SelText() const;
  void SelectAll();

  TNotifyEvent OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
  TNotifyEvent OnSelect() const { return FOnSelect; }
  void SetOnSelect(TNotifyEvent Value) { FOnSelect = std::move(Value); }
  TNotifyEvent OnDropDown() const { return FOnDropDown; }
  void SetOnDropDown(TNotifyEvent Value) { FOnDropDown = std::move(Value); }
  TNotifyEvent OnCloseUp() const { return FOnCloseUp; }
  void SetOnCloseUp(TNotifyEvent Value) { FOnCloseUp = std::move(Value); }
  TDrawItemEvent OnDrawItem() const { return FOnDrawItem; }
  void SetOnDrawItem(TDrawItemEvent Value) { FOnDrawItem = std::move(Value); }

  // Where the shown item is drawn, and the drop-down button.
  TRect ItemRect() const;
  TRect ButtonRect() const;

 protected:
  virtual void Change();
  virtual void Select();
  virtual void DropDown();
  virtual void CloseUp();
  virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);
  virtual void Paint();
  // Selects an item as the user does: ItemIndex, Text, Click, Select
  // (nothing when it is selected already).
  void SelectItemByUser(int Index);
  // Drops the list down, with the selected item highlighted.
  void ShowList();
  // Closes the list; with Pick its highlighted item is selected (as the
  // user selects) before CloseUp.
  void CloseList(bool Pick);
  bool OwnerDrawn() const { return FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable; }

  void PaintWindow(TCanvas* DC) override;
  void WMGetDlgCode(TMessage& Message) override;
  void WMKeyDown(TWMKey& Message) override;
  void WMChar(TWMKey& Message) override;
  void WMLButtonDown(TWMMouse& Message) override;
  void WMSetFocus(TMessage& Message) override;
  void WMKillFocus(TMessage& Message) override;
  void DoEnter() override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  void CMEnabledChanged(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  void SizeChanged(int DeltaWidth, int DeltaHeight) override;

 private:
  friend class TComboEdit;
  friend class TComboListBox;
  bool ListKey(std::uint16_t Key, TShiftState Shift);
  // The keys of the dropped-down list; true when used.
  bool DroppedKey(std::uint16_t Key, bool Alt);
  // The list below the combo box (above it when the screen ends first).
  void PlaceList();
  void SearchItem(Char Ch);
  void EditTextChanged();
  void ItemsChanged();
  void PlaceEdit();
  void PaintButton(TCanvas& C);
  void PaintShownItem(TCanvas& C);
  void PrepareItemCanvas(TCanvas& C, TOwnerDrawState State);
  // The next item after From (wrapping around) whose text starts with Ch, or -1.
  int NextItemStarting(Char Ch, int From) const;

  std::unique_ptr<TStringList> FItems;
  std::unique_ptr<TComboEdit> FEdit;
  std::unique_ptr<TComboListBox> FList;  // made on the first drop-down
  TCanvas FCanvas;
  int FItemIndex = -1;
  TComboBoxStyle FStyle = csDropDown;
  int FDropDownCount = 8;
  int FItemHeight = 16;
  bool FDroppedDown = false;
  bool FUpdatingText = false;
  bool FClickFocus = false;
  TNotifyEvent FOnChange, FOnSelect, FOnDropDown, FOnCloseUp;
  TDrawItemEvent FOnDrawItem;
};

class TComboBox : public TCustomComboBox {
 public:
  explicit TComboBox(TComponent* AOwner) : TCustomComboBox(AOwner) {}
};

// A dropped-down column of items: the list part of a combo box and of a
// grid's pick list.
//
//   ┌──────────────────┬─┐
//   │ item             │▲│  rows of ItemHeight inside a one-pixel frame,
//   │▓highlighted item▓│ │  the vertical bar when the items do not all
//   │ item             │▼│  show
//   └──────────────────┴─┘
//
// One item is highlighted (-1: none); setting it scrolls it into view, the
// mouse moving over an item highlights it, and MoveHighlight moves it as
// the arrow, page, Home and End keys do. A left press on the list and its
// release report the item under the release through Released (-1 off the
// items). The bar and the wheel scroll without picking; a press held on
// the bar is ended by CancelPress or a cancel-mode message. Derived lists
// give the number of items and draw one; the default drawing fills the row
// in the list's colors (the highlight colors for the highlighted item) and
// writes ItemText.
class TCustomDropDownList : public TCustomControl {
 public:
  explicit TCustomDropDownList(TComponent* AOwner);
  ~TCustomDropDownList() override;

  virtual int Count() const = 0;
  // The highlighted item (-1: none); setting it scrolls it into view.
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  // The first item shown, limited so that the last page shows whole.
  int TopIndex() const { return FTopIndex; }
  void SetTopIndex(int Value);
  // The font's text height with a pixel above and below.
  virtual int ItemHeight() const;
  // The row of an item in client coordinates (empty when it is not shown).
  TRect ItemRect(int Index);
  // The item under a client point, -1 off the items (on the bar, the frame).
  int ItemAtPos(TPoint P);
  int ItemAtPos(int X, int Y) { return ItemAtPos(Point(X, Y)); }
  // Moves the highlight as Up, Down, PageUp, PageDown, Home and End do (a
  // page is the rows shown less one); false for other keys.
  bool MoveHighlight(std::uint16_t Key);
  // The bars, brought up to date with the items.
  const TWindowScrollBars& WindowScrollBars();
  // Back to the first item at the top and nothing highlighted, before the
  // list drops down again.
  void ResetHighlight();
  // Ends a held press on the list or its bar as if it had not happened.
  void CancelPress();

 protected:
  // A left press on the list (off its bar) was released over Index (-1 off
  // the items). What this does may hide or free the list, so nothing may
  // follow it.
  virtual void Released(int Index) = 0;
  virtual String ItemText(int Index) const = 0;
  virtual void PaintItem(TCanvas& C, int Index, const TRect& R);
  // Items changed under the list: the highlight and the top kept in range.
  void ItemsChanged();
  // Whole rows that fit the list's height.
  int VisibleRows() const;

  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  void WMLButtonDblClk(TWMMouse& Message) override;
  void WMCancelMode(TMessage& Message) override;

 private:
  TRect ListArea() const;
  void SyncBars();
  // The row of Index in Content with rows H high (empty when not shown).
  TRect RowRect(int Index, const TRect& Content, int H) const;

  int FItemIndex = -1;
  int FTopIndex = 0;
  bool FPressed = false;  // a left press on the list is held
  TWindowScrollBars FBars{this};
  mutable TCanvas FMeasure;
};

// The dropped-down list of a combo box: a window without parent, as wide
// as the combo box, placed in screen coordinates and shown by the host
// above every window (on the headless host it stays an in-memory window
// that input can be sent to: headless::ShownDropDown finds it). It shows
// DropDownCount rows (fewer when there are fewer items, one at least).
//
// The highlighted item starts as the combo box's selected one and the
// combo box's keys move it. A press and release on an item picks it: the
// combo box selects it and the list closes. Items are drawn in the combo
// box's colors, owner-drawn ones through the combo box's DrawItem with
// odSelected and odFocused for the highlighted item.
class TComboListBox : public TCustomDropDownList {
 public:
  explicit TComboListBox(TCustomComboBox* Combo);
  ~TComboListBox() override;

  TCustomComboBox* Combo() const { return FCombo; }
  int Count() const override;
  // The combo box's ItemHeight for owner-drawn styles, else the font's
  // text height with a pixel above and below.
  int ItemHeight() const override;
  // The rows the list is made for.
  int RowCount() const;

 protected:
  void Released(int Index) override;
  String ItemText(int Index) const override;
  void PaintItem(TCanvas& C, int Index, const TRect& R) override;

 private:
  friend class TCustomComboBox;
  TCustomComboBox* FCombo;
};


// ---------------------------------------------------------------- buttons

// The base of push buttons and check boxes: a focusable window with a
// caption that draws itself.
class TButtonControl : public TWinControl {
 public:
  explicit TButtonControl(TComponent* AOwner);
  ~TButtonControl() override;

 protected:
  virtual void Paint() {}
  TCanvas* Canvas();
  void PaintWindow(TCanvas* DC) override;
  // Press and release of the space bar or the left button on the control.
  bool Pressed() const { return FPressed; }
  void SetPressed(bool Value);
  void WMLButtonDown(TWMMouse& Message) override;
  void WMMouseMove(TWMMouse& Message) override;
  void WMLButtonUp(TWMMouse& Message) override;
  void WMKeyDown(TWMKey& Message) override;
  void WMKeyUp(TWMKey& Message) override;
  void WMSetFocus(TMessage& Message) override;
  void WMKillFocus(TMessage& Message) override;
  void CMEnabledChanged(TMessage& Message) override;
  // A press ended on the control (mouse release inside, space bar up).
  virtual void Released() {}

 private:
  TCanvas FCanvas;
  bool FPressed = false;
  bool FMouseDown = false;
};

// A push button, 75 × 25. A click (release inside, the space bar, Enter
// while focused) sets the form's ModalResult to the button's and fires
// OnClick. Enter anywhere on the form clicks the Default button (unless
// another button has the focus); Escape clicks the Cancel button.
class TButton : public TButtonControl {
 public:
  explicit TButton(TComponent* AOwner);
  ~TButton() override;

  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  void Click() override;
  // Whether Enter clicks this button now.
  bool Active() const;

 protected:
  void Paint() override;
  void Released() override;
  void WMGetDlgCode(TMessage& Message) override;
  void CMDialogKey(TWMKey& Message) override;

 private:
  TModalResult FModalResult = mrNone;
  bool FDefault = false;
  bool FCancel = false;
};

enum TCheckBoxState : std::uint8_t { cbUnchecked, cbChecked, cbGrayed };

// A check box, 97 × 17: the box at the left (Alignment taRightJustify, the
// caption right of it) or at the right (taLeftJustify). A click or the
// space bar toggles it: unchecked, checked, grayed (with AllowGrayed),
// unchecked. Every change of State, by the user or by code, fires OnClick.
class TCustomCheckBox : public TButtonControl {
 public:
  explicit TCustomCheckBox(TComponent* AOwner);
  ~TCustomCheckBox() override;

  bool Checked() const { return FState == cbChecked; }
  void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
  TCheckBoxState State() const { return FState; }
  void SetState(TCheckBoxState Value);
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  // The next state a click gives.
  virtual void Toggle();
  // The 13 × 13 box and the caption's area.
  TRect BoxRect() const;
  TRect CaptionRect() const;

 protected:
  void Paint() override;
  void Released() override;
  void WMGetDlgCode(TMessage& Message) override;

 private:
  TCheckBoxState FState = cbUnchecked;
  bool FAllowGrayed = false;
  TAlignment FAlignment = taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
 public:
  explicit TCheckBox(TComponent* AOwner) : TCustomCheckBox(AOwner) {}
};

// ---------------------------------------------------------------- TCustomListBox

enum TListBoxStyle : std::uint8_t {
  lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable, lbVirtual, lbVirtualOwnerDraw
};

// A list of Items, one selectable (ItemIndex), 121 × 97, with a sunken
// border and a vertical scroll bar (TWindowScrollBars) when the items do
// not fit; a press on the bar scrolls and never selects. A selection
// by the user (click, Up/Down/Home/End/PageUp/PageDown, a typed first
// letter) fires OnClick; setting ItemIndex by code fires nothing. The
// owner-drawn style draws items through DrawItem (OnDrawItem, or the text).
class TCustomListBox : public TWinControl {
 public:
  explicit TCustomListBox(TComponent* AOwner);
  ~TCustomListBox() override;

  TStrings* Items() { return FItems.get(); }
  void SetItems(TStrings* Value) { FItems->Assign(Value); }
  int Count() const { return FItems->Count(); }
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  // The only selected item is ItemIndex.
  bool Selected(int Index) const { return Index >= 0 && Index == FItemIndex; }
  bool Sorted() const { return FItems->Sorted(); }
  void SetSorted(bool Value) { FItems->SetSorted(Value); }
  TListBoxStyle Style() const { return FStyle; }
  void SetStyle(TListBoxStyle Value);
  // Owner-drawn styles: the set height; otherwise the font's line height.
  int ItemHeight();
  void SetItemHeight(int Value);
  int TopIndex() const { return FTopIndex; }
  void SetTopIndex(int Value);
  void Clear() { FItems->Clear(); }
  void AddItem(const String& Item, TObject* AObject) { FItems->AddObject(Item, AObject); }
  // The item at a client point; -1 past the last item when Existing, else
  // the last item.
  int ItemAtPos(TPoint Pos, bool Existing);
  TRect ItemRect(int Index);
  TCanvas* Canvas();
  // The list's scroll bar as laid out at the last paint or press.
  const TWindowScrollBars& WindowScrollBars() const { return FBars; }
  TDrawItemEvent OnDrawItem() const { return FOnDrawItem; }
  void SetOnDrawItem(TDrawItemEvent Value) { FOnDrawItem = std::move(Value); }

 protected:
  virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);
  virtual void Paint();
  void PaintWindow(TCanvas* DC) override;
  void WMGetDlgCode(TMessage& Message) override;
  void WMKeyDown(TWMKey& Message) override;
  void WMChar(TWMKey& Message) override;
  void WMLButtonDown(TWMMouse& Message) override;
  void WMLButtonDblClk(TWMMouse& Message) override;
  void WMMouseMove(TWMMouse& Message) override;
  void WMLButtonUp(TWMMouse& Message) override;
  void WMSetFocus(TMessage& Message) override;
  void WMKillFocus(TMessage& Message) override;
  void CMEnabledChanged(TMessage& Message) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;

 private:
  TRect ListArea() const;
  int VisibleCount();
  bool ScrollBarShown();
  // The vertical bar's place and range from the list's state.
  void SyncBars();
  void SelectByUser(int Index);
  void MakeVisible(int Index);

  std::unique_ptr<TStringList> FItems;
  TCanvas FCanvas;
  int FItemIndex = -1;
  int FTopIndex = 0;
  TListBoxStyle FStyle = lbStandard;
  int FItemHeight = 16;
  TDrawItemEvent FOnDrawItem;
  TWindowScrollBars FBars{this};
};

class TListBox : public TCustomListBox {
 public:
  explicit TListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}
};

// ---------------------------------------------------------------- TCustomGroupBox

// A frame with a caption around other controls, 185 × 105: an etched line
// (look ekEtched) whose top runs through the middle of the caption's
// first line, the caption 8 pixels in from the left over it on the box's
// Color (disabled: engraved). Aligned children fill the area inside the
// frame below the caption; placed children keep their positions (the box's
// own top-left is their origin).
class TCustomGroupBox : public TCustomControl {
 public:
  explicit TCustomGroupBox(TComponent* AOwner);
  ~TCustomGroupBox() override;
  // The etched frame, and the caption's cell (empty without a caption).
  TRect FrameRect() const;
  TRect CaptionRect() const;

 protected:
  void Paint() override;
  void AdjustClientRect(TRect& Rect) override;
  void CMTextChanged(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  void CMEnabledChanged(TMessage& Message) override;
};

class TGroupBox : public TCustomGroupBox {
 public:
  explicit TGroupBox(TComponent* AOwner) : TCustomGroupBox(AOwner) {}
};

// ---------------------------------------------------------------- TRadioButton

// A radio button, 113 × 17: the 13 × 13 circle at the left (Alignment
// taRightJustify, the caption right of it) or at the right. A click or the
// space bar checks it; an arrow key that moves the focus onto it checks it
// too. Checking one unchecks the other radio buttons of the same parent.
// Every change of Checked to true, by the user or by code, fires OnClick
// (not while loading). Only the checked button of a group is a tab stop.
class TRadioButton : public TButtonControl {
 public:
  explicit TRadioButton(TComponent* AOwner);
  ~TRadioButton() override;

  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  // The circle's 13 × 13 cell and the caption's area.
  TRect BoxRect() const;
  TRect CaptionRect() const;

 protected:
  void Paint() override;
  void Released() override;
  void DoEnter() override;
  void WMGetDlgCode(TMessage& Message) override;

 private:
  bool FChecked = false;
  TAlignment FAlignment = taRightJustify;
};

}  // namespace vcl
