// Standard controls: the edit control and the memo on one editing core,
// labels, push buttons, check boxes, combo boxes and list boxes.
//
//   TWinControl
//   ├─ TCustomEdit      single-line text editing (TEdit); TCustomMemo adds lines (TMemo)
//   ├─ TButtonControl   TButton, TCheckBox
//   ├─ TCustomComboBox  TComboBox (the drop-down list is a popup shown by the host)
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

namespace vcl {

enum TEditCharCase : std::uint8_t { ecNormal, ecUpperCase, ecLowerCase };
enum TScrollStyle : std::uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout : std::uint8_t { tlTop, tlCenter, tlBottom };

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
// selects, a double click selects a word.
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
  void PaintScrollBars(TCanvas& C);
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

}  // namespace vcl
