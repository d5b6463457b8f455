// Common controls: the date-time picker with its drop-down month calendar,
// the tree view, the page control, the status bar and the track bar.
//
//   TWinControl
//   ├─ TDateTimePicker   a date or a time edited field by field
//   ├─ TMonthCalendar    one month of days to pick from (the picker's drop-down)
//   ├─ TCustomTreeView   TTreeView: TTreeNodes of TTreeNode, lines, buttons,
//   │                     images, label editing, scroll bars
//   ├─ TPageControl      pages (TTabSheet) under a row of tabs
//   ├─ TStatusBar        panels (TStatusPanels of TStatusPanel) along the bottom
//   └─ TTrackBar         a thumb on a channel with tick marks
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Classes.h"
#include "platform/Collections.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/ImgList.h"
#include "platform/ScrollBar.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

namespace vcl {

class TEdit;

// ================================================================ month calendar

// One month of days in a grid of 6 weeks (Sunday first) under a title with
// the month's name and arrows to the previous and next month, and a line
// for today at the bottom. Days of the neighbouring months fill the grid in
// gray. A click on a day (or on the today line) makes it the Date and
// fires OnClick; a click on an arrow shows the neighbouring month. Today
// is framed; the Date is filled with the highlight color. Days outside
// MinDate..MaxDate (0: no limit) are gray and cannot be picked.
class TMonthCalendar : public TWinControl {
 public:
  explicit TMonthCalendar(TComponent* AOwner);
  ~TMonthCalendar() override;

  // The picked day (midnight); setting it also shows its month.
  TDateTime Date() const { return FDate; }
  void SetDate(TDateTime Value);
  TDateTime MinDate() const { return FMinDate; }
  void SetMinDate(TDateTime Value);
  TDateTime MaxDate() const { return FMaxDate; }
  void SetMaxDate(TDateTime Value);
  // The month shown.
  int ShownYear() const { return FYear; }
  int ShownMonth() const { return FMonth; }
  void ShowMonth(int Year, int Month);
  // Moves the shown month by Delta months.
  void ScrollMonths(int Delta);
  // Today as the calendar marks it (the real date unless set, for tests
  // and for fixed pictures).
  TDateTime Today() const;
  void SetToday(TDateTime Value);

  // ---- geometry, shared by painting and hit testing
  TRect TitleRect() const;
  TRect PrevButtonRect() const;
  TRect NextButtonRect() const;
  TRect TodayRect() const;
  // The cell of a day shown in the grid (empty when it is not shown).
  TRect DayRect(TDateTime Day) const;
  // The day under a client point; false when there is none.
  bool DateAtPos(int X, int Y, TDateTime& Day) const;
  // The first day in the grid (a Sunday on or before the 1st of the month).
  TDateTime FirstShownDay() const;
  // Whether a day may be picked under MinDate and MaxDate.
  bool InRange(TDateTime Day) const;

  static constexpr int CellWidth = 25;
  static constexpr int CellHeight = 16;
  static constexpr int TitleHeight = 22;
  static constexpr int Margin = 4;

 protected:
  virtual void Paint();
  void PaintWindow(TCanvas* DC) override;
  void WMLButtonDown(TWMMouse& Message) override;
  void CMFontChanged(TMessage& Message) override;

 private:
  void PaintTitle(TCanvas& C);
  void PaintDays(TCanvas& C);
  void PaintToday(TCanvas& C);
  int DaysTop() const;
  void AdjustSize();

  TCanvas FCanvas;
  TDateTime FDate = 0;
  TDateTime FMinDate = 0;
  TDateTime FMaxDate = 0;
  TDateTime FToday = 0;  // 0: the real date
  int FYear = 1899;
  int FMonth = 12;
};

// ================================================================ date-time picker

enum TDateTimeKind : std::uint8_t { dtkDate, dtkTime };
enum TDTDateMode : std::uint8_t { dmComboBox, dmUpDown };
enum TDTDateFormat : std::uint8_t { dfShort, dfLong };

// A date or a time shown in Format and edited one field at a time.
//
// Format uses the picker's letters (d dd ddd dddd M MM MMM MMMM yy yyyy
// h hh H HH m mm s ss t tt, other characters and 'quoted' text as they
// stand). An empty Format shows FormatSettings' short date (DateFormat
// dfShort) or long date (dfLong) for dtkDate, and the long time format for
// dtkTime.
//
// Keys (after KeyDown/OnKeyDown, which may swallow them):
//   Left/Right      the previous / next field (wrapping around)
//   Up/Down, +/-    the field one step up / down, wrapping within its range
//                   (a day past the new month's end is cut to it)
//   Home/End        the field to its lowest / highest value
//   digits          type into numeric fields: a first digit that a second
//                   could still extend waits for it; two digits (four for
//                   yyyy) or a digit that cannot be extended complete the
//                   field and move to the next one
//   a, p            AM / PM in a t or tt field
//   the next separator   moves to the next field (typing "/" after a day)
//   Space           toggles Checked when ShowCheckbox is set
//   F4, Alt+Down    drops the calendar down (dtkDate); while it is down
//                   the arrows move its day, PageUp/PageDown its month,
//                   Enter picks and Escape closes it
// Mouse: a press on a field selects it, on the check box toggles Checked,
// on the button drops the calendar down or closes it (dtkDate), on the
// up/down arrows (dtkTime) steps the selected field. The wheel steps it too.
//
// DateTime is kept within MinDate..MaxDate (0: no limit; a limit counts as
// a day, so the date part is clamped and the time kept). OnChange fires
// whenever DateTime or Checked changes, whether by the user or by code,
// and only when the value differs (not while loading from a form file).
class TDateTimePicker : public TWinControl {
 public:
  explicit TDateTimePicker(TComponent* AOwner);
  ~TDateTimePicker() override;

  // ---- the value
  TDateTime DateTime() const { return FDateTime; }
  void SetDateTime(TDateTime Value);
  // The date part (midnight); setting it keeps the time.
  TDateTime Date() const;
  void SetDate(TDateTime Value);
  // The time part (a fraction of a day); setting it keeps the date.
  TDateTime Time() const;
  void SetTime(TDateTime Value);
  TDateTime MinDate() const { return FMinDate; }
  // Raises EDateTimeError when the new limit lies beyond the other one.
  void SetMinDate(TDateTime Value);
  TDateTime MaxDate() const { return FMaxDate; }
  void SetMaxDate(TDateTime Value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);

  // ---- how it is shown
  TDateTimeKind Kind() const { return FKind; }
  void SetKind(TDateTimeKind Value);
  const String& Format() const { return FFormat; }
  void SetFormat(const String& Value);
  TDTDateFormat DateFormat() const { return FDateFormat; }
  void SetDateFormat(TDTDateFormat Value);
  // dmUpDown shows up/down arrows instead of the drop-down button for dates too.
  TDTDateMode DateMode() const { return FDateMode; }
  void SetDateMode(TDTDateMode Value);
  bool ShowCheckbox() const { return FShowCheckbox; }
  void SetShowCheckbox(bool Value);
  // The format in use: Format, or the one chosen for an empty Format.
  String EffectiveFormat() const;
  // The text shown for the value.
  String DisplayText() const;
  // Whether the value was set (by code, the user or a form file): form
  // files store Date and Time only then, as a fresh picker shows the clock.
  bool ValueStored() const { return FValueSet; }

  // ---- fields
  // The editable fields, in order; the selected one is edited by keys.
  int FieldCount() const;
  int SelectedField() const { return FField; }
  void SetSelectedField(int Index);
  // The text of field Index and where it is drawn (client coordinates).
  String FieldText(int Index) const;
  TRect FieldRect(int Index);

  // ---- the drop-down calendar (dtkDate with dmComboBox)
  bool DroppedDown() const { return FDroppedDown; }
  void SetDroppedDown(bool Value);
  // The calendar shown while dropped down (created on first drop-down;
  // a window without parent placed in screen coordinates).
  TMonthCalendar* Calendar() const { return FCalendar.get(); }

  // ---- geometry
  TRect CheckBoxRect() const;
  TRect ButtonRect() const;
  TRect TextArea() const;
  TCanvas* Canvas();

  TNotifyEvent OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
  TNotifyEvent OnDropDown() const { return FOnDropDown; }
  void SetOnDropDown(TNotifyEvent Value) { FOnDropDown = std::move(Value); }
  TNotifyEvent OnCloseUp() const { return FOnCloseUp; }
  void SetOnCloseUp(TNotifyEvent Value) { FOnCloseUp = std::move(Value); }
  // Fired after a change made by the user (keys, mouse, calendar), after OnChange.
  TNotifyEvent OnUserInput() const { return FOnUserInput; }
  void SetOnUserInput(TNotifyEvent Value) { FOnUserInput = std::move(Value); }

 protected:
  virtual void Change();
  virtual void DropDown();
  virtual void CloseUp();
  virtual void Paint();

  void Loaded() override;
  void PaintWindow(TCanvas* DC) override;
  void WMGetDlgCode(TMessage& Message) override;
  void WMKeyDown(TWMKey& Message) override;
  void WMChar(TWMKey& Message) override;
  void WMLButtonDown(TWMMouse& Message) override;
  void WMSetFocus(TMessage& Message) override;
  void WMKillFocus(TMessage& Message) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  void CMEnabledChanged(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;

 private:
  struct TTokens;
  bool HasButton() const;
  bool HasSpin() const;
  TDateTime Clamp(TDateTime Value) const;
  // Stores a value (clamped); true when it changed (OnChange fired).
  bool StoreValue(TDateTime Value);
  void UserValue(TDateTime Value);
  void UserChecked(bool Value);
  const TTokens& Parsed() const;
  void FormatChanged();
  int TokenOfField(int Field) const;
  void FinishTyping();
  void TypeDigit(int Digit);
  void CommitTyped(bool Advance);
  bool TypeSeparator(Char Ch);
  bool TypeAmPm(Char Ch);
  void StepSelected(int Delta);
  void MoveField(int Delta);
  bool FieldKey(std::uint16_t Key, TShiftState Shift);
  bool CalendarKey(std::uint16_t Key);
  void ShowCalendar();
  void HideCalendar(bool Pick);
  void CalendarPicked();
  TCanvas& Measure();
  void PaintCheckBox(TCanvas& C);
  void PaintButton(TCanvas& C);
  void PaintFields(TCanvas& C);

  TDateTime FDateTime = 0;
  TDateTime FMinDate = 0;
  TDateTime FMaxDate = 0;
  bool FChecked = true;
  bool FShowCheckbox = false;
  TDateTimeKind FKind = dtkDate;
  TDTDateFormat FDateFormat = dfShort;
  TDTDateMode FDateMode = dmComboBox;
  String FFormat;
  mutable std::unique_ptr<TTokens> FTokens;  // of the format in use, parsed on demand
  int FField = 0;
  String FTyped;           // digits typed into the selected field so far
  bool FValueSet = false;  // DateTime was set by code, the user or a form file
  bool FSkipChar = false;  // the character of a key already acted on
  bool FAdvanced = false;  // typing completed a field and moved to the next
  bool FDroppedDown = false;
  std::unique_ptr<TMonthCalendar> FCalendar;
  TCanvas FCanvas;
  TCanvas FMeasure;
  TNotifyEvent FOnChange, FOnDropDown, FOnCloseUp, FOnUserInput;
};

class EDateTimeError : public Exception {
 public:
  using Exception::Exception;
};

// ================================================================ tree view

class TTreeNode;
class TTreeNodes;
class TCustomTreeView;
class TTreeEdit;

enum TNodeAttachMode : std::uint8_t { naAdd, naAddFirst, naAddChild, naAddChildFirst, naInsert };
enum THitTest : std::uint8_t {
  htAbove, htBelow, htNowhere, htOnItem, htOnButton, htOnIcon, htOnIndent, htOnLabel,
  htOnRight, htOnStateIcon, htToLeft, htToRight
};
using THitTests = Set<THitTest>;
enum TSortType : std::uint8_t { stNone, stData, stText, stBoth };

using TTVChangingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowChange)>;
using TTVChangedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;
using TTVExpandingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowExpansion)>;
using TTVCollapsingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowCollapse)>;
using TTVExpandedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;
using TTVEditingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowEdit)>;
using TTVEditedEvent = std::function<void(TObject* Sender, TTreeNode* Node, String& S)>;
using TTVCompareEvent =
    std::function<void(TObject* Sender, TTreeNode* Node1, TTreeNode* Node2, int Data, int& Compare)>;
// A sort order for CustomSort: negative when Node1 goes first.
using TTVCompare = std::function<int(TTreeNode* Node1, TTreeNode* Node2, std::intptr_t Data)>;

// One node: a text, a pointer of the application's (Data), images and the
// child nodes it owns. Nodes are made and freed through TTreeNodes.
class TTreeNode : public TPersistent {
 public:
  explicit TTreeNode(TTreeNodes* AOwner);
  ~TTreeNode() override;

  const String& Text() const { return FText; }
  void SetText(const String& Value);
  void* Data() const { return FData; }
  void SetData(void* Value) { FData = Value; }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  // The image shown while the node is selected.
  int SelectedIndex() const { return FSelectedIndex; }
  void SetSelectedIndex(int Value);

  // ---- place in the tree
  TTreeNodes* Owner() const { return FOwner; }
  TCustomTreeView* TreeView() const;
  TTreeNode* Parent() const { return FParent; }
  int Count() const { return static_cast<int>(FChildren.size()); }
  TTreeNode* Item(int Index) const;
  // Position among its siblings.
  int Index() const;
  // 0 for a root node.
  int Level() const;
  // Position in the depth-first order of all nodes (Items.Item(i)).
  int AbsoluteIndex() const;
  bool HasAsParent(const TTreeNode* Value) const;
  // Set when children are added and cleared when the last one goes; set it
  // on a node without children to show an expand button before they are
  // added (lazily, from OnExpanding).
  bool HasChildren() const { return FHasChildren; }
  void SetHasChildren(bool Value);

  // ---- walking
  TTreeNode* GetFirstChild() const;
  TTreeNode* GetLastChild() const;
  TTreeNode* GetNextSibling() const;
  TTreeNode* GetPrevSibling() const;
  // The next and previous node in depth-first order.
  TTreeNode* GetNext() const;
  TTreeNode* GetPrev() const;
  // The next and previous node shown (all parents expanded).
  TTreeNode* GetNextVisible() const;
  TTreeNode* GetPrevVisible() const;
  // Whether every parent is expanded.
  bool IsVisible() const;

  // ---- state
  bool Expanded() const { return FExpanded; }
  // Expanding asks OnExpanding (and fires OnExpanded), collapsing asks
  // OnCollapsing (and fires OnCollapsed); a node left without children by
  // OnExpanding loses its button instead.
  void SetExpanded(bool Value);
  void Expand(bool Recurse);
  void Collapse(bool Recurse);
  bool Selected() const;
  void SetSelected(bool Value);
  // The node with the focus rectangle: the selected one.
  bool Focused() const { return Selected(); }
  void SetFocused(bool Value) { SetSelected(Value); }

  // ---- changes
  void Delete();
  void DeleteChildren();
  // Moves the node (with its children) relative to Destination.
  void MoveTo(TTreeNode* Destination, TNodeAttachMode Mode);
  bool AlphaSort(bool ARecurse = false);
  bool CustomSort(TTVCompare SortProc, std::intptr_t Data, bool ARecurse = false);
  // Starts editing the label (false when refused); EndEdit stores the text
  // (or drops it when Cancel).
  bool EditText();
  void EndEdit(bool Cancel);
  // Expands the parents and scrolls the node into view.
  void MakeVisible();
  // The row of the node (TextOnly: the label), in the view's client
  // coordinates; empty when the node is not shown.
  TRect DisplayRect(bool TextOnly) const;

 private:
  friend class TTreeNodes;
  friend class TCustomTreeView;
  TTreeNodes* FOwner;
  TTreeNode* FParent = nullptr;
  std::vector<std::unique_ptr<TTreeNode>> FChildren;
  String FText;
  void* FData = nullptr;
  int FImageIndex = -1;
  int FSelectedIndex = -1;
  // The next sibling of the node or of its nearest parent that has one.
  TTreeNode* NextAfterBranch() const;

  bool FExpanded = false;
  bool FHasChildren = false;
  int FIndex = 0;           // position among the siblings, kept by TTreeNodes
  int FAbsoluteIndex = -1;  // kept by TTreeNodes' depth-first list
  int FRow = -1;            // kept by the view's list of shown rows (checked there)
  mutable int FTextWidth = 0;        // the text's width as the view measured it
  mutable unsigned FWidthStamp = 0;  // the view's measure stamp of FTextWidth (0: none)
};

// The nodes of a tree view. Add, AddFirst and Insert place a node among the
// siblings of a node (the root nodes when it is nullptr); AddChild and
// AddChildFirst under a node. Item(i) counts nodes depth-first.
class TTreeNodes : public TPersistent {
 public:
  explicit TTreeNodes(TCustomTreeView* AOwner);
  ~TTreeNodes() override;

  TCustomTreeView* Owner() const { return FOwner; }
  int Count() const;
  TTreeNode* Item(int Index) const;
  TTreeNode* operator[](int Index) const { return Item(Index); }
  TTreeNode* GetFirstNode() const;

  TTreeNode* Add(TTreeNode* Sibling, const String& S);
  TTreeNode* AddObject(TTreeNode* Sibling, const String& S, void* Ptr);
  TTreeNode* AddFirst(TTreeNode* Sibling, const String& S);
  TTreeNode* AddObjectFirst(TTreeNode* Sibling, const String& S, void* Ptr);
  TTreeNode* AddChild(TTreeNode* Parent, const String& S);
  TTreeNode* AddChildObject(TTreeNode* Parent, const String& S, void* Ptr);
  TTreeNode* AddChildFirst(TTreeNode* Parent, const String& S);
  TTreeNode* AddChildObjectFirst(TTreeNode* Parent, const String& S, void* Ptr);
  // Before Sibling (last among the roots when Sibling is nullptr).
  TTreeNode* Insert(TTreeNode* Sibling, const String& S);
  TTreeNode* InsertObject(TTreeNode* Sibling, const String& S, void* Ptr);
  // Frees the node and its children (OnDeletion for each).
  void Delete(TTreeNode* Node);
  void Clear();

  // Changes between BeginUpdate and the matching EndUpdate are painted
  // once, at EndUpdate.
  void BeginUpdate();
  void EndUpdate();
  bool Updating() const { return FUpdateCount > 0; }

  void Assign(TPersistent* Source) override;

 private:
  friend class TTreeNode;
  friend class TCustomTreeView;
  std::vector<std::unique_ptr<TTreeNode>>& SiblingList(TTreeNode* Parent);
  // Gives the nodes of a sibling list their positions from index From on.
  static void Renumber(std::vector<std::unique_ptr<TTreeNode>>& List, std::size_t From = 0);
  TTreeNode* AddNode(TTreeNode* Relative, const String& S, void* Ptr, TNodeAttachMode Mode);
  void Attach(std::unique_ptr<TTreeNode> Node, TTreeNode* Relative, TNodeAttachMode Mode);
  std::unique_ptr<TTreeNode> Detach(TTreeNode* Node);
  void StructureChanged();
  void BuildList() const;

  TCustomTreeView* FOwner;
  std::vector<std::unique_ptr<TTreeNode>> FRoots;
  int FUpdateCount = 0;
  mutable std::vector<TTreeNode*> FList;  // depth-first, rebuilt on demand
  mutable bool FListValid = true;
};

// A tree of nodes, one per row: each row shows the node's image (from
// Images) and text after the indentation of its level, with dotted lines
// joining it to its parent and siblings (ShowLines) and a +/- button when it
// has children (ShowButtons); ShowRoot gives the root nodes lines and
// buttons too.
//
// Keys: Up/Down the previous / next shown node; Left collapses, or goes to
// the parent; Right expands, or goes to the first child; + and - (numeric
// pad or main keys) expand and collapse; * expands the whole branch;
// Home/End the first / last shown node; PageUp/PageDown a page; F2 edits
// the label; a letter goes to the next shown node starting with it.
// Mouse: a press on a node selects it (on its button: expands or collapses
// it); a double click expands or collapses; a press on the label of the
// node already selected starts editing after the double-click time (unless
// a double click comes first); the wheel scrolls.
//
// Scrolling: a vertical bar shows while the shown rows do not all fit (a
// line is a row, a page the whole rows that fit, the position the top
// row), a horizontal bar while the widest row is wider than the room left
// (in pixels: a page is the rows' width, the position ScrollX). Each bar
// takes its room from the rows, so one may bring the other. A press on a
// bar only scrolls: it never selects, expands or starts editing. TopItem
// stays the node it is while rows come and go around it (when it is
// hidden by a collapse its shown parent takes its place, when it is
// deleted the row that follows), always within the last page. A branch
// opened by the user (button, double click, keys) scrolls up as far as it
// fits with its node still shown. Selecting a node scrolls it into view,
// its label too where the width allows.
//
// Selecting (by the user or by code) asks OnChanging, then fires OnChange.
// When the selected node is deleted the selection moves to its next
// sibling, else its previous sibling, else its parent (OnChange fires, with
// no OnChanging); Clear leaves nothing selected without events. Collapsing
// the parent of the selected node selects that parent.
//
// Label editing (not when ReadOnly): OnEditing may refuse; an edit field
// over the label takes the text; Enter or leaving the field stores it
// through OnEdited (which may change it), Escape drops it.
class TCustomTreeView : public TWinControl {
 public:
  explicit TCustomTreeView(TComponent* AOwner);
  ~TCustomTreeView() override;

  TTreeNodes* Items() const { return FNodes.get(); }
  void SetItems(TTreeNodes* Value) { FNodes->Assign(Value); }
  TTreeNode* Selected() const { return FSelected; }
  void SetSelected(TTreeNode* Value);
  // The first row shown.
  TTreeNode* TopItem() const;
  void SetTopItem(TTreeNode* Value);
  // The node on the row at a client point (any X), or nullptr.
  TTreeNode* GetNodeAt(int X, int Y) const;
  // Where a client point lies relative to the node on its row.
  THitTests GetHitTestInfoAt(int X, int Y) const;
  bool AlphaSort(bool ARecurse = true);
  bool CustomSort(TTVCompare SortProc, std::intptr_t Data, bool ARecurse = true);
  void FullExpand();
  void FullCollapse();
  bool IsEditing() const { return FEditNode != nullptr; }
  // The edit field while a label is edited.
  TEdit* EditControl() const;

  // ---- appearance
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  bool ShowLines() const { return FShowLines; }
  void SetShowLines(bool Value);
  bool ShowButtons() const { return FShowButtons; }
  void SetShowButtons(bool Value);
  bool ShowRoot() const { return FShowRoot; }
  void SetShowRoot(bool Value);
  int Indent() const { return FIndent; }
  void SetIndent(int Value);
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  // The selection is drawn across the whole row.
  bool RowSelect() const { return FRowSelect; }
  void SetRowSelect(bool Value);
  // Kept for applications and form files: the view selects one node.
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool Value) { FMultiSelect = Value; }
  bool HotTrack() const { return FHotTrack; }
  void SetHotTrack(bool Value) { FHotTrack = Value; }
  // A press on a node expands it (and collapses the one left).
  bool AutoExpand() const { return FAutoExpand; }
  void SetAutoExpand(bool Value) { FAutoExpand = Value; }
  // Nodes kept in order as they are added and renamed (stText, stBoth by text).
  TSortType SortType() const { return FSortType; }
  void SetSortType(TSortType Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);

  // ---- rows
  int ItemHeight() const;
  // Whole rows that fit the client area.
  int VisibleCount() const;
  // The shown nodes, top to bottom (every parent expanded).
  int RowCount() const;
  TTreeNode* RowNode(int Row) const;
  // The area rows are drawn in: inside the border, less the bars shown.
  TRect RowsArea() const;
  // The first pixel column shown (horizontal scrolling), within 0 and the
  // widest row's excess over the rows' width.
  int ScrollX() const;
  void SetScrollX(int Value);
  // The width of the widest shown row from the left edge, before scrolling.
  int RowsWidth() const;
  // The bars, brought up to date with the rows.
  const TWindowScrollBars& WindowScrollBars();
  // X of the centre of the button column of a level, before scrolling.
  int ButtonCenterX(int Level) const;
  // X where the image (or, without images, the text) of a level begins.
  int ItemLeft(int Level) const;
  TCanvas* Canvas();

  // ---- events
  TTVChangingEvent OnChanging() const { return FOnChanging; }
  void SetOnChanging(TTVChangingEvent Value) { FOnChanging = std::move(Value); }
  TTVChangedEvent OnChange() const { return FOnChange; }
  void SetOnChange(TTVChangedEvent Value) { FOnChange = std::move(Value); }
  TTVExpandingEvent OnExpanding() const { return FOnExpanding; }
  void SetOnExpanding(TTVExpandingEvent Value) { FOnExpanding = std::move(Value); }
  TTVExpandedEvent OnExpanded() const { return FOnExpanded; }
  void SetOnExpanded(TTVExpandedEvent Value) { FOnExpanded = std::move(Value); }
  TTVCollapsingEvent OnCollapsing() const { return FOnCollapsing; }
  void SetOnCollapsing(TTVCollapsingEvent Value) { FOnCollapsing = std::move(Value); }
  TTVExpandedEvent OnCollapsed() const { return FOnCollapsed; }
  void SetOnCollapsed(TTVExpandedEvent Value) { FOnCollapsed = std::move(Value); }
  TTVExpandedEvent OnDeletion() const { return FOnDeletion; }
  void SetOnDeletion(TTVExpandedEvent Value) { FOnDeletion = std::move(Value); }
  TTVEditingEvent OnEditing() const { return FOnEditing; }
  void SetOnEditing(TTVEditingEvent Value) { FOnEditing = std::move(Value); }
  TTVEditedEvent OnEdited() const { return FOnEdited; }
  void SetOnEdited(TTVEditedEvent Value) { FOnEdited = std::move(Value); }
  TTVCompareEvent OnCompare() const { return FOnCompare; }
  void SetOnCompare(TTVCompareEvent Value) { FOnCompare = std::move(Value); }

  void Invalidate() override;

 protected:
  // The steps behind the events; descendants extend them.
  virtual bool CanChange(TTreeNode* Node);
  virtual void Change(TTreeNode* Node);
  virtual bool CanExpand(TTreeNode* Node);
  virtual void Expand(TTreeNode* Node);
  virtual bool CanCollapse(TTreeNode* Node);
  virtual void Collapse(TTreeNode* Node);
  virtual void Delete(TTreeNode* Node);
  virtual bool CanEdit(TTreeNode* Node);
  virtual void Edit(TTreeNode* Node, String& S);
  // Negative when Node1 goes before Node2: OnCompare, else the texts
  // compared without regard to case.
  virtual int CompareNodes(TTreeNode* Node1, TTreeNode* Node2, int Data);
  virtual void Paint();

  void Notification(TComponent* AComponent, TOperation Operation) override;
  void PaintWindow(TCanvas* DC) override;
  void WndProc(TMessage& Message) override;
  void WMGetDlgCode(TMessage& Message) override;
  void WMKeyDown(TWMKey& Message) override;
  void WMChar(TWMKey& Message) override;
  void WMLButtonDown(TWMMouse& Message) override;
  void WMLButtonDblClk(TWMMouse& Message) override;
  void WMMouseMove(TWMMouse& Message) override;
  void WMLButtonUp(TWMMouse& Message) override;
  void WMCancelMode(TMessage& Message) override;
  void WMSetFocus(TMessage& Message) override;
  void WMKillFocus(TMessage& Message) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  void CMFontChanged(TMessage& Message) override;
  void CMEnabledChanged(TMessage& Message) override;
  void SizeChanged(int DeltaWidth, int DeltaHeight) override;

 private:
  friend class TTreeNode;
  friend class TTreeNodes;
  friend class TTreeEdit;
  struct TBarsNeeded {
    bool Horz = false;
    bool Vert = false;
  };

  // ---- model hooks (TreeView.cpp)
  void NodesChanged();
  void NodeChanged(TTreeNode* Node);
  // Before a node goes: OnDeletion for its branch, editing and the
  // selection leave it; true when the selection moved to another node.
  bool NodeDeleting(TTreeNode* Node);
  void ReportDeletion(TTreeNode* Node);
  // Before every node goes: no selection (without events), no editing.
  void ClearingNodes();
  bool ExpandNode(TTreeNode* Node, bool Value);
  void SelectNode(TTreeNode* Node, bool Ask);
  void SortChildren(TTreeNode* Parent, const TTVCompare& Compare, std::intptr_t Data, bool Recurse);
  void SortedInsert(TTreeNode* Node);
  // ---- rows (TreeLayout.cpp)
  // The shown rows, their widest extent, and the top row and ScrollX
  // brought back within range: one walk over the shown nodes after a
  // change, nothing while the rows stay as they are.
  void BuildRows() const;
  // The row of a shown node, -1 for a hidden one.
  int RowOf(const TTreeNode* Node) const;
  // The extent of a node's row from the left edge, before scrolling.
  int RowExtent(const TTreeNode* Node, int Level) const;
  int NodeTextWidth(const TTreeNode* Node) const;
  // Inside the border, with and without the bars the rows need.
  TRect InsideBorder() const;
  TBarsNeeded BarsNeeded() const;
  int MaxTopRow() const;
  int MaxScrollX() const;
  // Top row and ScrollX within their ranges (TopItem follows the top row).
  void ClampScroll() const;
  void SetTopRow(int Row);
  void ScrollIntoView(TTreeNode* Node);
  // After the user opened Node: its branch shown as far as it fits.
  void ShowBranch(TTreeNode* Node);
  void SyncBars();
  TCanvas& Measure() const;
  TRect LabelRect(const TTreeNode* Node, int Row) const;
  TRect ButtonRect(const TTreeNode* Node, int Row) const;
  int ImageWidth() const;
  // ---- painting (TreePaint.cpp)
  void PaintRow(TCanvas& C, TTreeNode* Node, int Row);
  void PaintLines(TCanvas& C, TTreeNode* Node, const TRect& RowRect);
  void PaintButton(TCanvas& C, TTreeNode* Node, const TRect& RowRect);
  void PaintLabel(TCanvas& C, TTreeNode* Node, int Row);
  // ---- input (TreeInput.cpp)
  bool NavigationKey(std::uint16_t Key, TShiftState Shift);
  // Opens or closes a node as the user does (an opened branch shows).
  void UserExpand(TTreeNode* Node, bool Recurse);
  void UserToggle(TTreeNode* Node);
  void SearchNode(Char Ch);
  void ArmSlowClick();
  void CancelSlowClick();
  // ---- label editing (TreeEdit.cpp)
  bool StartEdit(TTreeNode* Node);
  void EndEdit(bool Cancel);
  void PlaceEditor();

  std::unique_ptr<TTreeNodes> FNodes;
  TTreeNode* FSelected = nullptr;
  TCustomImageList* FImages = nullptr;
  bool FShowLines = true;
  bool FShowButtons = true;
  bool FShowRoot = true;
  int FIndent = 19;
  bool FHideSelection = true;
  bool FReadOnly = false;
  bool FRowSelect = false;
  bool FMultiSelect = false;
  bool FHotTrack = false;
  bool FAutoExpand = false;
  TSortType FSortType = stNone;
  TBorderStyle FBorderStyle = bsSingle;
  // The top row is kept as a node: FTopRow is its row once the rows are
  // built (BuildRows resolves it).
  mutable TTreeNode* FTopNode = nullptr;
  mutable int FTopRow = 0;
  mutable int FScrollX = 0;
  mutable std::vector<TTreeNode*> FRows;
  mutable int FRowsWidth = 0;  // the widest row's extent
  mutable bool FRowsValid = true;
  mutable int FTextHeight = 0;  // of the font, 0 until measured
  unsigned FMeasureStamp = 1;   // changes with the font: text widths measured before are stale
  mutable unsigned FMeasureFontStamp = 0;  // the stamp FMeasure's font was taken at
  TWindowScrollBars FBars{this};
  bool FPaintPending = false;
  bool FDestroying = false;
  TTreeNode* FEditNode = nullptr;
  std::unique_ptr<TTreeEdit> FEdit;
  TTreeNode* FPressedSelected = nullptr;  // selected before the last press on its label
  bool FSlowClickArmed = false;
  bool FSkipChar = false;  // the character of a key already acted on
  TCanvas FCanvas;
  mutable TCanvas FMeasure;  // measures text outside painting
  TTVChangingEvent FOnChanging;
  TTVChangedEvent FOnChange;
  TTVExpandingEvent FOnExpanding;
  TTVExpandedEvent FOnExpanded, FOnCollapsed, FOnDeletion;
  TTVCollapsingEvent FOnCollapsing;
  TTVEditingEvent FOnEditing;
  TTVEditedEvent FOnEdited;
  TTVCompareEvent FOnCompare;
};

// Raised for a node moved into its own branch or an index outside the nodes.
class ETreeViewError : public Exception {
 public:
  using Exception::Exception;
};

class TTreeView : public TCustomTreeView {
 public:
  explicit TTreeView(TComponent* AOwner) : TCustomTreeView(AOwner) {}
};

// ================================================================ page control

enum TTabPosition : std::uint8_t { tpTop, tpBottom, tpLeft, tpRight };
enum TTabStyle : std::uint8_t { tsTabs, tsButtons, tsFlatButtons };
using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TPageControl;
namespace scrollbar {
class TRepeatTimer;
}  // namespace scrollbar

// The tabs of a page control in a row: Widths from Left, Height high at
// Top; the Active tab (-1: none) is 2 pixels larger on its sides and on the
// side away from the pages, so that it overlaps its neighbours and stands
// out. Pure geometry, shared by painting and hit testing.
std::vector<TRect> LayoutTabs(const std::vector<int>& Widths, int Left, int Top, int Height,
                              int Active, bool Bottom);

// A page of a TPageControl: placing it on a page control (Parent or
// PageControl) adds it as the last page; the page control sizes it to its
// display area and shows it while it is the active page. Its Caption is
// the tab's text. Form files store no bounds or visibility for it (the
// page control decides them).
class TTabSheet : public TCustomControl {
 public:
  explicit TTabSheet(TComponent* AOwner);
  ~TTabSheet() override;

  TPageControl* PageControl() const { return FPageControl; }
  void SetPageControl(TPageControl* Value);
  // Position among the pages (-1 without a page control); setting it moves the page.
  int PageIndex() const;
  void SetPageIndex(int Value);
  // Position among the visible tabs (-1 when the tab is hidden).
  int TabIndex() const;
  bool TabVisible() const { return FTabVisible; }
  void SetTabVisible(bool Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  void SetParent(TWinControl* AParent) override;

  TNotifyEvent OnShow() const { return FOnShow; }
  void SetOnShow(TNotifyEvent Value) { FOnShow = std::move(Value); }
  TNotifyEvent OnHide() const { return FOnHide; }
  void SetOnHide(TNotifyEvent Value) { FOnHide = std::move(Value); }

 protected:
  void Paint() override;
  void CMTextChanged(TMessage& Message) override;
  void CMVisibleChanged(TMessage& Message) override;

 private:
  friend class TPageControl;
  TPageControl* FPageControl = nullptr;
  bool FTabVisible = true;
  int FImageIndex = -1;
  TNotifyEvent FOnShow, FOnHide;
};

// Pages on top of each other with a tab for each (TTabSheet children), 289
// × 193: the tabs along the top edge (tpBottom: the bottom edge; tpLeft and
// tpRight are kept for form files and shown at the top), the active page
// inside a raised frame. Clicking a tab, Left/Right/Home/End while the
// page control has the focus, and Ctrl+Tab / Ctrl+Shift+Tab (or
// Ctrl+PageDown / Ctrl+PageUp) anywhere inside it change the page: first
// OnChanging (which may refuse), then the change, then OnChange. Setting
// ActivePage or ActivePageIndex by code fires neither. Tab widths follow
// the captions (plus an image from Images) unless TabWidth is set; the
// tabs' height follows the font unless TabHeight is set.
class TPageControl : public TCustomControl {
 public:
  explicit TPageControl(TComponent* AOwner);
  ~TPageControl() override;

  int PageCount() const { return static_cast<int>(FPages.size()); }
  TTabSheet* Pages(int Index) const;
  TTabSheet* ActivePage() const { return FActivePage; }
  // A page of another page control raises EInvalidOperation.
  void SetActivePage(TTabSheet* Value);
  int ActivePageIndex() const;
  void SetActivePageIndex(int Value);
  // The active page's position among the visible tabs (-1: none).
  int TabIndex() const;
  void SetTabIndex(int Value);
  TTabPosition TabPosition() const { return FTabPosition; }
  void SetTabPosition(TTabPosition Value);
  TTabStyle Style() const { return FStyle; }
  void SetStyle(TTabStyle Value);
  int TabHeight() const { return FTabHeight; }
  void SetTabHeight(int Value);
  int TabWidth() const { return FTabWidth; }
  void SetTabWidth(int Value);
  bool HotTrack() const { return FHotTrack; }
  void SetHotTrack(bool Value) { FHotTrack = Value; }
  bool MultiLine() const { return FMultiLine; }
  void SetMultiLine(bool Value) { FMultiLine = Value; }
  bool RaggedRight() const { return FRaggedRight; }
  void SetRaggedRight(bool Value) { FRaggedRight = Value; }
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);

  // The next (previous) page after Current, wrapping; with CheckTabVisible
  // pages with hidden tabs are passed over. nullptr when there is none.
  TTabSheet* FindNextPage(TTabSheet* Current, bool GoForward, bool CheckTabVisible) const;
  // Moves to the next page as the user does (OnChanging, OnChange).
  void SelectNextPage(bool GoForward, bool CheckTabVisible = true);

  // ---- geometry
  // The visible tabs' rectangles, in tab order (TabIndex).
  std::vector<TRect> TabRects() const;
  // The visible tab at a client point, or -1.
  int IndexOfTabAt(int X, int Y) const;
  // The raised frame around the pages, and the area a page fills.
  TRect FrameRect() const;
  TRect DisplayRect() const;

  TNotifyEvent OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
  TTabChangingEvent OnChanging() const { return FOnChanging; }
  void SetOnChanging(TTabChangingEvent Value) { FOnChanging = std::move(Value); }

  void Loaded() override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
  void WMGetDlgCode(TMessage& Message) override;
  void CMDialogKey(TWMKey& Message) override;
  void SizeChanged(int DeltaWidth, int DeltaHeight) override;
  void CMFontChanged(TMessage& Message) override;
  void WMSetFocus(TMessage& Message) override;
  void WMKillFocus(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* Page);
  void RemovePage(TTabSheet* Page);
  void MovePage(TTabSheet* Page, int Index);
  // The user's change: OnChanging may refuse; true when the page changed.
  bool ChangeActivePage(TTabSheet* Page);
  void ShowPage(TTabSheet* Page);
  void PlacePages();
  std::vector<TTabSheet*> VisibleTabs() const;
  int TabRowHeight() const;
  void PaintTab(TCanvas& C, TTabSheet* Page, const TRect& R, bool Active);

  std::vector<TTabSheet*> FPages;
  TTabSheet* FActivePage = nullptr;
  TTabPosition FTabPosition = tpTop;
  TTabStyle FStyle = tsTabs;
  int FTabHeight = 0;
  int FTabWidth = 0;
  bool FHotTrack = false;
  bool FMultiLine = false;
  bool FRaggedRight = false;
  TCustomImageList* FImages = nullptr;
  TNotifyEvent FOnChange;
  TTabChangingEvent FOnChanging;
};

// ================================================================ status bar

enum TStatusPanelStyle : std::uint8_t { psText, psOwnerDraw };
enum TStatusPanelBevel : std::uint8_t { pbNone, pbLowered, pbRaised };

class TStatusBar;

// One panel of a status bar: its text, width (50), alignment and bevel.
class TStatusPanel : public TCollectionItem {
 public:
  TStatusPanel() = default;
  const String& Text() const { return FText; }
  void SetText(const String& Value);
  int Width() const { return FWidth; }
  void SetWidth(int Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TStatusPanelBevel Bevel() const { return FBevel; }
  void SetBevel(TStatusPanelBevel Value);
  TStatusPanelStyle Style() const { return FStyle; }
  void SetStyle(TStatusPanelStyle Value);
  void Assign(TPersistent* Source) override;
  String DisplayName() const override { return FText.empty() ? TCollectionItem::DisplayName() : FText; }

 private:
  String FText;
  int FWidth = 50;
  TAlignment FAlignment = taLeftJustify;
  TStatusPanelBevel FBevel = pbLowered;
  TStatusPanelStyle FStyle = psText;
};

class TStatusPanels : public TCollection {
 public:
  explicit TStatusPanels(TStatusBar* StatusBar);
  TStatusPanel* Items(int Index) const { return static_cast<TStatusPanel*>(TCollection::Items(Index)); }
  TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }
  TStatusBar* StatusBar() const { return FStatusBar; }

 protected:
  void Update(TCollectionItem* Item) override;

 private:
  TStatusBar* FStatusBar;
};

// Where the panels of a status bar go: panel i starts where the one before
// it ended (the first at 0) and is Widths[i] wide less a 2-pixel gap, from
// y = 2 to the bottom; the last one reaches to BarWidth - GripWidth.
std::vector<TRect> StatusPanelRects(const std::vector<int>& Widths, int BarWidth, int BarHeight,
                                    int GripWidth);

using TDrawPanelEvent =
    std::function<void(TStatusBar* StatusBar, TStatusPanel* Panel, const TRect& Rect)>;

// A bar of panels along the bottom of a form (aligned alBottom, 19 high,
// clBtnFace): each panel's text in its bevel (StatusPanelRects), owner-
// drawn panels through OnDrawPanel, or one SimpleText across the bar while
// SimplePanel; the size grip in the corner with SizeGrip when the form can
// be resized.
class TStatusBar : public TCustomControl {
 public:
  explicit TStatusBar(TComponent* AOwner);
  ~TStatusBar() override;

  TStatusPanels* Panels() { return FPanels.get(); }
  void SetPanels(TStatusPanels* Value) { FPanels->Assign(Value); }
  bool SimplePanel() const { return FSimplePanel; }
  void SetSimplePanel(bool Value);
  const String& SimpleText() const { return FSimpleText; }
  void SetSimpleText(const String& Value);
  bool SizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool Value);
  bool AutoHint() const { return FAutoHint; }
  void SetAutoHint(bool Value) { FAutoHint = Value; }
  // Whether the grip shows now: SizeGrip, and the form can be resized.
  bool GripShown() const;
  // Panel Index's rectangle (empty outside the panels).
  TRect PanelRect(int Index) const;

  TDrawPanelEvent OnDrawPanel() const { return FOnDrawPanel; }
  void SetOnDrawPanel(TDrawPanelEvent Value) { FOnDrawPanel = std::move(Value); }
  TNotifyEvent OnHint() const { return FOnHint; }
  void SetOnHint(TNotifyEvent Value) { FOnHint = std::move(Value); }

 protected:
  void Paint() override;
  virtual void DrawPanel(TStatusPanel* Panel, const TRect& Rect);

 private:
  std::unique_ptr<TStatusPanels> FPanels;
  bool FSimplePanel = false;
  String FSimpleText;
  bool FSizeGrip = true;
  bool FAutoHint = false;
  TDrawPanelEvent FOnDrawPanel;
  TNotifyEvent FOnHint;
};

// ================================================================ track bar

enum TTrackBarOrientation : std::uint8_t { trHorizontal, trVertical };
enum TTickMark : std::uint8_t { tmBottomRight, tmTopLeft, tmBoth };
enum TTickStyle : std::uint8_t { tsNone, tsAuto, tsManual };

// The parts of a track bar, from its size and settings; pure, shared by
// painting, hit testing and dragging. Along is the axis of the values
// (x for a horizontal bar), Across the other. The values Min..Max map
// linearly (rounded to the nearest) onto First..Last along the bar; First
// and Last lie 8 pixels plus half a thumb inside the ends. The thumb is
// ThumbLength across and ThumbLength / 2 + 1 along, centred on its value,
// 8 pixels from the edge the tick marks leave free (centred with tmBoth);
// the channel runs from 8 to the far end less 8, 4 pixels thick through
// the middle of the thumb.
struct TTrackBarLayout {
  int First = 0;
  int Last = 0;
  TRect Channel;
  TRect Thumb;
  int ThumbAcross = 0;   // where the thumb starts across the bar
  int ThumbAlong = 0;    // the thumb's extent along the bar
};
TTrackBarLayout LayoutTrackBar(int Width, int Height, TTrackBarOrientation Orientation,
                               TTickMark TickMarks, int ThumbLength, int Min, int Max,
                               int Position);
// The pixel along the bar of a value, and the value nearest to a pixel
// (clamped to Min..Max).
int TrackBarPixelOf(const TTrackBarLayout& Layout, int Min, int Max, int Value);
int TrackBarValueAt(const TTrackBarLayout& Layout, int Min, int Max, int Along);

// A slider, 150 × 45: a thumb on a sunken channel with tick marks. The
// thumb follows a drag; a press on the channel pages towards the mouse
// (PageSize) at once and again while held (the scroll bar's rhythm), until
// the thumb reaches it; arrows move by LineSize, PageUp/PageDown by
// PageSize, Home/End to Min/Max; the wheel moves by LineSize per line.
// Every change of Position, by the user or by code (not while loading),
// fires OnChange. Min and Max keep Min <= Max (while loading they wait for
// each other); Position stays within them.
class TTrackBar : public TWinControl {
 public:
  explicit TTrackBar(TComponent* AOwner);
  ~TTrackBar() override;

  int Min() const { return FMin; }
  void SetMin(int Value);
  int Max() const { return FMax; }
  void SetMax(int Value);
  int Position() const { return FPosition; }
  void SetPosition(int Value);
  int Frequency() const { return FFrequency; }
  void SetFrequency(int Value);
  int LineSize() const { return FLineSize; }
  void SetLineSize(int Value) { FLineSize = std::max(1, Value); }
  int PageSize() const { return FPageSize; }
  void SetPageSize(int Value) { FPageSize = std::max(1, Value); }
  // Changing the orientation swaps Width and Height (not while loading).
  TTrackBarOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TTrackBarOrientation Value);
  TTickMark TickMarks() const { return FTickMarks; }
  void SetTickMarks(TTickMark Value);
  TTickStyle TickStyle() const { return FTickStyle; }
  void SetTickStyle(TTickStyle Value);
  int ThumbLength() const { return FThumbLength; }
  void SetThumbLength(int Value);
  int SelStart() const { return FSelStart; }
  void SetSelStart(int Value);
  int SelEnd() const { return FSelEnd; }
  void SetSelEnd(int Value);
  bool ShowSelRange() const { return FShowSelRange; }
  void SetShowSelRange(bool Value);
  bool SliderVisible() const { return FSliderVisible; }
  void SetSliderVisible(bool Value);
  // Ticks of tsManual (Min and Max always have one).
  void SetTick(int Value);
  void ClearTicks();

  TTrackBarLayout Layout() const;
  TNotifyEvent OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
  void Loaded() override;

 protected:
  virtual void Changed();
  void PaintWindow(TCanvas* DC) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
  void WMGetDlgCode(TMessage& Message) override;
  void WMSetFocus(TMessage& Message) override;
  void WMKillFocus(TMessage& Message) override;
  void CMEnabledChanged(TMessage& Message) override;

 private:
  int Along(int X, int Y) const { return FOrientation == trHorizontal ? X : Y; }
  std::vector<int> TickValues() const;
  void PaintTicks(TCanvas& C, const TTrackBarLayout& L);
  void PageTowardsMouse();
  void StopPaging();

  int FMin = 0;
  int FMax = 10;
  int FPosition = 0;
  int FFrequency = 1;
  int FLineSize = 1;
  int FPageSize = 2;
  TTrackBarOrientation FOrientation = trHorizontal;
  TTickMark FTickMarks = tmBottomRight;
  TTickStyle FTickStyle = tsAuto;
  int FThumbLength = 20;
  int FSelStart = 0;
  int FSelEnd = 0;
  bool FShowSelRange = true;
  bool FSliderVisible = true;
  std::vector<int> FTicks;
  bool FDragging = false;
  int FDragOffset = 0;
  int FPageTarget = 0;  // where the held mouse is, along the bar
  std::unique_ptr<scrollbar::TRepeatTimer> FRepeat;  // paging while the channel is held
  TCanvas FCanvas;
  TNotifyEvent FOnChange;
};

}  // namespace vcl
