// TCustomMemo and its lines.
#include <algorithm>

#include "platform/StdCtrls.h"
#include "platform/Streaming.h"

namespace vcl {

// ---------------------------------------------------------------- TMemoStrings

int TMemoStrings::LineStart(int Index) const {
  const String& t = FMemo->Text();
  if (Index < 0) return -1;
  std::size_t pos = 0;
  for (int i = 0; i < Index; ++i) {
    pos = t.find(u'\n', pos);
    if (pos == String::npos) return -1;
    ++pos;
  }
  return static_cast<int>(pos);
}

int TMemoStrings::LineEnd(int Start) const {
  std::size_t end = FMemo->Text().find(u'\n', static_cast<std::size_t>(Start));
  return end == String::npos ? FMemo->GetTextLen() : static_cast<int>(end);
}

int TMemoStrings::Count() const {
  const String& t = FMemo->Text();
  if (t.empty()) return 0;
  int breaks = static_cast<int>(std::count(t.begin(), t.end(), u'\n'));
  return t.back() == u'\n' ? breaks : breaks + 1;
}

String TMemoStrings::Strings(int Index) const {
  if (Index < 0 || Index >= Count()) IndexError(Index);
  int start = LineStart(Index);
  return FMemo->Text().substr(start, LineEnd(start) - start);
}

void TMemoStrings::SetStrings(int Index, const String& S) {
  if (Index < 0 || Index >= Count()) IndexError(Index);
  int start = LineStart(Index);
  String t = FMemo->Text();
  t.replace(start, LineEnd(start) - start, FMemo->NormalizeLine(S));
  FMemo->SetText(t);
}

// A line inserted where a line starts goes in front of it with a line
// break; past the last line it follows a new line break.
void TMemoStrings::Insert(int Index, const String& S) {
  if (Index < 0 || Index > Count()) IndexError(Index);
  String t = FMemo->Text();
  String line = FMemo->NormalizeLine(S);
  int start = LineStart(Index);
  if (start >= 0) {
    t.insert(start, line + u"\n");
  } else {
    t += u"\n" + line;
  }
  FMemo->SetText(t);
}

void TMemoStrings::Delete(int Index) {
  if (Index < 0 || Index >= Count()) IndexError(Index);
  String t = FMemo->Text();
  int start = LineStart(Index);
  int next = LineStart(Index + 1);
  int end = next >= 0 ? next : static_cast<int>(t.size());
  t.erase(start, end - start);
  FMemo->SetText(t);
}

void TMemoStrings::Clear() { FMemo->SetText(String()); }

void TMemoStrings::SetText(const String& Value) { FMemo->SetText(Value); }

// ---------------------------------------------------------------- TCustomMemo

TCustomMemo::TCustomMemo(TComponent* AOwner)
    : TCustomEdit(AOwner), FLines(std::make_unique<TMemoStrings>(this)) {
  SetMultiLine(true);
  SetWordWrapCore(true);
  SetAutoSize(false);
  SetAutoSelect(false);
  SetBounds(Left(), Top(), 185, 89);
}

TCustomMemo::~TCustomMemo() = default;

String TCustomMemo::NormalizeLine(const String& S) const {
  String line = NormalizeText(S);
  std::replace(line.begin(), line.end(), u'\n', u' ');
  return line;
}

TPoint TCustomMemo::CaretPos() const {
  const String& t = Text();
  int caret = CaretIndex();
  int line = static_cast<int>(std::count(t.begin(), t.begin() + caret, u'\n'));
  std::size_t lastBreak = caret == 0 ? String::npos : t.rfind(u'\n', caret - 1);
  int column = lastBreak == String::npos ? caret : caret - static_cast<int>(lastBreak) - 1;
  return {column, line};
}

void TCustomMemo::SetCaretPos(TPoint Value) {
  const String& t = Text();
  std::size_t start = 0;
  for (int i = 0; i < Value.Y; ++i) {
    std::size_t next = t.find(u'\n', start);
    if (next == String::npos) break;
    start = next + 1;
  }
  std::size_t end = t.find(u'\n', start);
  if (end == String::npos) end = t.size();
  int column = std::clamp(Value.X, 0, static_cast<int>(end - start));
  SetSelStart(static_cast<int>(start) + column);
}

}  // namespace vcl

// ---------------------------------------------------------------- form files

namespace vcl {
namespace {

// A memo stores its lines, not its text.
bool RegisterMemos() {
  RegisterEnum<TScrollStyle>({u"ssNone", u"ssHorizontal", u"ssVertical", u"ssBoth"});
  RegisterClass<TCustomMemo, TCustomEdit>(u"TCustomMemo")
      .Property(u"Text", &TControl::Text, &TCustomEdit::SetText).Stored(false)
      .Strings(u"Lines", [](TCustomMemo& m) { return m.Lines(); })
      .Property(u"ScrollBars", &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars, ssNone)
      .Property(u"WantReturns", &TCustomMemo::WantReturns, &TCustomMemo::SetWantReturns, true)
      .Property(u"WantTabs", &TCustomMemo::WantTabs, &TCustomMemo::SetWantTabs, false)
      .Property(u"WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap, true);
  RegisterClass<TMemo, TCustomMemo>(u"TMemo");
  return true;
}

const bool registered = RegisterMemos();

}  // namespace
}  // namespace vcl
