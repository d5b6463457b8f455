// TCustomEdit: text, selection, clipboard, undo, properties and focus.
// Keys and mouse are in EditInput.cpp; layout and painting in EditView.cpp.
#include <algorithm>

#include "platform/Clipbrd.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/Streaming.h"
#include "platform/stdctrls/Shared.h"
#include "platform/SysUtils.h"

namespace vcl {

namespace {

bool IsLowSurrogate(Char C) { return C >= 0xDC00 && C <= 0xDFFF; }
bool IsHighSurrogate(Char C) { return C >= 0xD800 && C <= 0xDBFF; }

// Cuts S to at most Count code units without splitting a surrogate pair.
String CutUnits(const String& S, int Count) {
  if (Count <= 0) return String();
  if (static_cast<int>(S.size()) <= Count) return S;
  if (IsHighSurrogate(S[Count - 1])) --Count;
  return S.substr(0, Count);
}

}  // namespace

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
  SetControlStyle(ControlStyle() << csOpaque << csDoubleClicks);
  SetParentColor(false);
  SetColor(clWindow);
  SetTabStop(true);
  SetCursor(crIBeam);
  SetBounds(Left(), Top(), 121, 21);
  FBars.SetScrollBars(ssNone);
  FBars.SetOnScroll([this](TScrollBarKind Kind, TScrollCode Code, int& Pos) {
    BarScrolled(Kind, Code, Pos);
  });
}

TCustomEdit::~TCustomEdit() = default;

// ---------------------------------------------------------------- text

String TCustomEdit::NormalizeText(const String& Value) const {
  if (!FMultiLine) {
    std::size_t end = Value.find_first_of(u"\r\n");
    return end == String::npos ? Value : Value.substr(0, end);
  }
  String out;
  out.reserve(Value.size());
  for (std::size_t i = 0; i < Value.size(); ++i) {
    if (Value[i] == u'\r') {
      out += u'\n';
      if (i + 1 < Value.size() && Value[i + 1] == u'\n') ++i;
    } else {
      out += Value[i];
    }
  }
  return out;
}

// Text set by code: the caret goes to the start, the edit counts as unmodified.
void TCustomEdit::SetText(const String& Value) {
  String text = FMultiLine ? NormalizeText(Value) : Value;
  FCaret = FAnchor = 0;
  FScrollX = 0;
  FTopLine = 0;
  FModified = false;
  TWinControl::SetText(text);
  Invalidate();
}

void TCustomEdit::ApplyUserText(const String& NewText, int Caret) {
  FCaret = FAnchor = Caret;
  FDesiredX = -1;
  FModified = true;
  TWinControl::SetText(NewText);
  if (FCaret > GetTextLen()) FCaret = FAnchor = GetTextLen();
  ScrollCaretIntoView();
  Invalidate();
}

void TCustomEdit::CMTextChanged(TMessage& Message) {
  InvalidateLayout();
  FCaret = ClampIndex(FCaret);
  FAnchor = ClampIndex(FAnchor);
  TWinControl::CMTextChanged(Message);
  if (!ComponentState().Contains(csLoading)) Change();
}

void TCustomEdit::Change() {
  if (FOnChange) FOnChange(this);
}

void TCustomEdit::Loaded() {
  TWinControl::Loaded();
  FCaret = FAnchor = 0;
  FModified = false;
}

void TCustomEdit::Clear() { SetText(String()); }

// ---------------------------------------------------------------- selection

int TCustomEdit::ClampIndex(int Index) const {
  int n = GetTextLen();
  Index = std::clamp(Index, 0, n);
  // Never inside a surrogate pair.
  if (Index > 0 && Index < n && IsLowSurrogate(Text()[Index])) --Index;
  return Index;
}

int TCustomEdit::SelStart() const { return std::min(FCaret, FAnchor); }

int TCustomEdit::SelLength() const { return std::abs(FCaret - FAnchor); }

void TCustomEdit::SetSelStart(int Value) {
  FCaret = FAnchor = ClampIndex(Value);
  FDesiredX = -1;
  ScrollCaretIntoView();
  Invalidate();
}

void TCustomEdit::SetSelLength(int Value) {
  int start = SelStart();
  FAnchor = start;
  long long end = static_cast<long long>(start) + Value;
  FCaret = ClampIndex(static_cast<int>(std::clamp<long long>(end, 0, GetTextLen())));
  FDesiredX = -1;
  ScrollCaretIntoView();
  Invalidate();
}

String TCustomEdit::SelText() const { return Text().substr(SelStart(), SelLength()); }

void TCustomEdit::SetSelText(const String& Value) {
  String ins = NormalizeText(Value);
  int start = SelStart();
  String text = Text();
  text.replace(start, SelLength(), ins);
  SaveUndo();
  ApplyUserText(text, start + static_cast<int>(ins.size()));
}

void TCustomEdit::SelectAll() {
  FAnchor = 0;
  FCaret = GetTextLen();
  ScrollCaretIntoView();
  Invalidate();
}

void TCustomEdit::ClearSelection() {
  if (SelLength() == 0) return;
  SetSelText(String());
}

void TCustomEdit::MoveCaret(int Index, bool Extend) {
  FCaret = ClampIndex(Index);
  if (!Extend) FAnchor = FCaret;
  ScrollCaretIntoView();
  Invalidate();
}

bool TCustomEdit::UserReplaceSelection(const String& Value) {
  if (FReadOnly) return false;
  String ins = NormalizeText(Value);
  if (FCharCase == ecUpperCase) ins = AnsiUpperCase(ins);
  if (FCharCase == ecLowerCase) ins = AnsiLowerCase(ins);
  int start = SelStart();
  int removed = SelLength();
  if (FMaxLength > 0) {
    int room = std::max(0, FMaxLength - (GetTextLen() - removed));
    ins = CutUnits(ins, room);
  }
  if (ins.empty() && removed == 0) return false;
  String text = Text();
  text.replace(start, removed, ins);
  SaveUndo();
  ApplyUserText(text, start + static_cast<int>(ins.size()));
  return true;
}

// ---------------------------------------------------------------- clipboard, undo

void TCustomEdit::CopyToClipboard() {
  if (FPasswordChar != 0 || SelLength() == 0) return;
  Clipboard()->SetAsText(SelText());
}

void TCustomEdit::CutToClipboard() {
  if (FPasswordChar != 0 || FReadOnly || SelLength() == 0) return;
  CopyToClipboard();
  UserReplaceSelection(String());
}

void TCustomEdit::PasteFromClipboard() {
  if (FReadOnly || !Clipboard()->HasFormat(CF_TEXT)) return;
  UserReplaceSelection(Clipboard()->AsText());
}

void TCustomEdit::SaveUndo() {
  FUndoText = Text();
  FUndoCaret = FCaret;
  FCanUndo = true;
}

void TCustomEdit::Undo() {
  if (!FCanUndo || FReadOnly) return;
  String previous = FUndoText;
  int caret = std::min(FUndoCaret, static_cast<int>(previous.size()));
  SaveUndo();
  ApplyUserText(previous, caret);
}

// ---------------------------------------------------------------- properties

void TCustomEdit::SetMaxLength(int Value) { FMaxLength = std::max(0, Value); }

void TCustomEdit::SetReadOnly(bool Value) {
  if (FReadOnly == Value) return;
  FReadOnly = Value;
  Invalidate();
}

void TCustomEdit::SetAutoSize(bool Value) {
  if (FAutoSize == Value) return;
  FAutoSize = Value;
  AdjustHeight();
}

void TCustomEdit::SetHideSelection(bool Value) {
  if (FHideSelection == Value) return;
  FHideSelection = Value;
  Invalidate();
}

void TCustomEdit::SetPasswordChar(Char Value) {
  if (FPasswordChar == Value) return;
  FPasswordChar = Value;
  InvalidateLayout();
  Invalidate();
}

// Changing the case rewrites the text at once, as typing would have.
void TCustomEdit::SetCharCase(TEditCharCase Value) {
  if (FCharCase == Value) return;
  FCharCase = Value;
  if (Value == ecNormal) return;
  String text = Value == ecUpperCase ? AnsiUpperCase(Text()) : AnsiLowerCase(Text());
  if (text != Text()) {
    int caret = FCaret, anchor = FAnchor;
    TWinControl::SetText(text);
    FCaret = ClampIndex(caret);
    FAnchor = ClampIndex(anchor);
  }
}

void TCustomEdit::SetTextHint(const String& Value) {
  if (FTextHint == Value) return;
  FTextHint = Value;
  Invalidate();
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value) {
  if (Value != bsNone) Value = bsSingle;
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  InvalidateLayout();
  AdjustHeight();
  Invalidate();
}

void TCustomEdit::SetMultiLine(bool Value) {
  if (FMultiLine == Value) return;
  FMultiLine = Value;
  InvalidateLayout();
  Invalidate();
}

void TCustomEdit::SetWordWrapCore(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  FScrollX = 0;
  InvalidateLayout();
  Invalidate();
}

void TCustomEdit::SetScrollBarsCore(TScrollStyle Value) {
  if (FScrollBars == Value) return;
  FScrollBars = Value;
  InvalidateLayout();
  Invalidate();
}

// The height of a single-line edit that shows one line of its font.
void TCustomEdit::AdjustHeight() {
  if (!FAutoSize || FMultiLine || ComponentState().Contains(csLoading)) return;
  int border = FBorderStyle == bsNone ? 0 : (Ctl3D() ? 8 : 6);
  SetHeight(LineHeight() + border);
}

void TCustomEdit::CMFontChanged(TMessage& Message) {
  TWinControl::CMFontChanged(Message);
  InvalidateLayout();
  AdjustHeight();
}

void TCustomEdit::CMEnabledChanged(TMessage& Message) {
  SyncBars();  // a disabled edit's bars end any press
  TWinControl::CMEnabledChanged(Message);
  Invalidate();
}

// ---------------------------------------------------------------- focus

void TCustomEdit::DoEnter() {
  if (FAutoSelect && !FMultiLine && !FClickFocus) SelectAll();
  TWinControl::DoEnter();
}

void TCustomEdit::DoExit() {
  FSelecting = false;
  TWinControl::DoExit();
}

void TCustomEdit::WMSetFocus(TMessage& Message) {
  TWinControl::WMSetFocus(Message);
  Invalidate();
}

void TCustomEdit::WMKillFocus(TMessage& Message) {
  TWinControl::WMKillFocus(Message);
  FSelecting = false;
  Invalidate();
}

// ---------------------------------------------------------------- TEdit

TEdit::TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

}  // namespace vcl

// ---------------------------------------------------------------- form files

namespace vcl {
namespace {

bool RegisterEdits() {
  RegisterEnum<TEditCharCase>({u"ecNormal", u"ecUpperCase", u"ecLowerCase"});
  auto edit = RegisterClass<TCustomEdit, TWinControl>(u"TCustomEdit");
  stdctrls::WindowColored(edit)
      .Named(u"Cursor", &TControl::Cursor, &TControl::SetCursor, crIBeam, formvalue::CursorNames())
      .Property(u"BorderStyle", &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle, bsSingle)
      .Property(u"CharCase", &TCustomEdit::CharCase, &TCustomEdit::SetCharCase, ecNormal)
      .Property(u"HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection,
                true)
      .Property(u"MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength, 0)
      .Property(u"ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly, false)
      .Property(u"Text", &TControl::Text, &TCustomEdit::SetText)
      .Event(u"OnChange", &TCustomEdit::OnChange, &TCustomEdit::SetOnChange);
  RegisterClass<TEdit, TCustomEdit>(u"TEdit")
      .Property(u"AutoSelect", &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect, true)
      .Property(u"AutoSize", &TCustomEdit::AutoSize, &TCustomEdit::SetAutoSize, true)
      .Property(u"NumbersOnly", &TCustomEdit::NumbersOnly, &TCustomEdit::SetNumbersOnly, false)
      .Property(u"PasswordChar", &TCustomEdit::PasswordChar, &TCustomEdit::SetPasswordChar,
                Char(0))
      .Property(u"TextHint", &TCustomEdit::TextHint, &TCustomEdit::SetTextHint);
  return true;
}

const bool registered = RegisterEdits();

}  // namespace
}  // namespace vcl
