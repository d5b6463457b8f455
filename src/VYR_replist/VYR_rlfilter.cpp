// Text finding and the boolean filter expressions (see VYR_rlfilter.h).
#include <algorithm>
#include <array>

#include "VYR_replist/VYR_rlfilter.h"

namespace vyr {

// ---------------------------------------------------------------- letter case

namespace {

// The lower-case form of every BMP code unit, taken once from the
// framework's AnsiLowerCase so that filters fold as the rest of the system.
// Surrogate halves map to themselves.
const std::array<char16_t, 65536>& FoldTable() {
  static const auto table = [] {
    auto t = std::make_unique<std::array<char16_t, 65536>>();
    vcl::String one(1, u' ');
    for (std::uint32_t c = 0; c < 65536; ++c) {
      const auto unit = static_cast<char16_t>(c);
      (*t)[c] = unit;
      if (c < 0x80) {
        if (c >= 'A' && c <= 'Z') (*t)[c] = static_cast<char16_t>(c + 32);
      } else if (c < 0xD800 || c > 0xDFFF) {
        one[0] = unit;
        const vcl::String lower = vcl::AnsiLowerCase(one);
        if (lower.size() == 1) (*t)[c] = lower[0];
      }
    }
    return t;
  }();
  return *table;
}

}  // namespace

char16_t FilterFoldCase(char16_t C) { return FoldTable()[C]; }

// ---------------------------------------------------------------- TTextFinder

TTextFinder::TTextFinder(std::u16string_view Needle, bool IgnoreCase)
    : FNeedle(Needle), FIgnoreCase(IgnoreCase) {
  if (FIgnoreCase) {
    const auto& fold = FoldTable();
    for (char16_t& c : FNeedle) c = fold[c];
  }
}

// Scans for the needle's first unit and compares the rest in place, each
// text unit folded through the table.
bool TTextFinder::FoundIn(std::u16string_view Text) const {
  const std::size_t n = FNeedle.size();
  if (n == 0) return true;
  if (Text.size() < n) return false;
  if (!FIgnoreCase) return Text.find(FNeedle) != std::u16string_view::npos;
  const char16_t* fold = FoldTable().data();
  const char16_t* needle = FNeedle.data();
  const char16_t first = needle[0];
  const char16_t* p = Text.data();
  const char16_t* last = p + (Text.size() - n);
  for (; p <= last; ++p) {
    if (fold[*p] != first) continue;
    std::size_t k = 1;
    while (k < n && fold[p[k]] == needle[k]) ++k;
    if (k == n) return true;
  }
  return false;
}

bool TTextFinder::FoundInAny(std::span<const std::u16string_view> Texts) const {
  for (std::u16string_view t : Texts) {
    if (FoundIn(t)) return true;
  }
  return false;
}

// ---------------------------------------------------------------- TBoolFilter

// A recursive-descent reader of the grammar in the header. Positions in
// errors are 1-based.
class TBoolFilter::TParser {
 public:
  TParser(TBoolFilter& Target, std::u16string_view Text, bool IgnoreCase)
      : F(Target), FText(Text), FIgnoreCase(IgnoreCase) {}

  int Run() {
    SkipBlanks();
    if (FPos == FText.size()) return -1;
    const int root = ReadOr(0);
    SkipBlanks();
    if (FPos < FText.size()) {
      Fail(FText[FPos] == u')' ? u"\")\" without \"(\"" : u"an operator \"&\" or \"|\" expected");
    }
    return root;
  }

 private:
  [[noreturn]] void Fail(const vcl::String& Reason) const { FailAt(FPos, Reason); }
  [[noreturn]] static void FailAt(std::size_t At, const vcl::String& Reason) {
    const int pos = static_cast<int>(At) + 1;
    throw EVYRFilterSyntaxError(
        u"invalid filter expression at position " + vcl::IntToStr(pos) + u": " + Reason, pos);
  }
  static bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }
  static bool EndsWord(char16_t c) {
    return c == u'&' || c == u'|' || c == u'(' || c == u')' || c == u'"';
  }
  void SkipBlanks() {
    while (FPos < FText.size() && IsBlank(FText[FPos])) ++FPos;
  }
  bool Take(char16_t c) {
    SkipBlanks();
    if (FPos < FText.size() && FText[FPos] == c) {
      ++FPos;
      return true;
    }
    return false;
  }
  int Add(std::uint8_t Kind, int Left, int Right) {
    F.FNodes.push_back({Kind, Left, Right});
    return static_cast<int>(F.FNodes.size()) - 1;
  }

  // A chain of operands joined by Op becomes one node over all of them, so
  // evaluation recurses only as deep as the parentheses and "!" nest.
  template <class ReadOperand>
  int ReadChain(char16_t Op, std::uint8_t Kind, ReadOperand Read) {
    const int first = Read();
    if (!Take(Op)) return first;
    std::vector<int> operands{first};
    do operands.push_back(Read());
    while (Take(Op));
    const int node = Add(Kind, static_cast<int>(F.FChildren.size()),
                         static_cast<int>(operands.size()));
    F.FChildren.insert(F.FChildren.end(), operands.begin(), operands.end());
    return node;
  }
  int ReadOr(int Depth) {
    return ReadChain(u'|', 3, [&] { return ReadAnd(Depth); });
  }
  int ReadAnd(int Depth) {
    return ReadChain(u'&', 2, [&] { return ReadUnary(Depth); });
  }
  int ReadUnary(int Depth) {
    if (Depth >= BoolFilterMaxDepth) Fail(u"nested too deeply");
    SkipBlanks();
    if (FPos == FText.size()) Fail(u"a term expected at the end");
    const char16_t c = FText[FPos];
    if (c == u'!') {
      ++FPos;
      return Add(1, ReadUnary(Depth + 1), -1);
    }
    if (c == u'(') {
      const std::size_t open = FPos++;
      const int inner = ReadOr(Depth + 1);
      if (!Take(u')')) {
        if (FPos == FText.size()) FailAt(open, u"\"(\" without \")\"");
        Fail(u"\")\" expected");
      }
      return inner;
    }
    if (c == u'"') return AddTerm(ReadPhrase());
    if (EndsWord(c)) Fail(u"a term expected before \"" + vcl::String(1, c) + u"\"");
    return AddTerm(ReadWord());
  }
  vcl::String ReadPhrase() {
    const std::size_t open = FPos++;
    vcl::String phrase;
    for (;;) {
      if (FPos == FText.size()) FailAt(open, u"quote not closed");
      const char16_t c = FText[FPos++];
      if (c != u'"') {
        phrase += c;
      } else if (FPos < FText.size() && FText[FPos] == u'"') {
        phrase += c;
        ++FPos;
      } else {
        return phrase;
      }
    }
  }
  vcl::String ReadWord() {
    const std::size_t start = FPos;
    while (FPos < FText.size() && !EndsWord(FText[FPos])) ++FPos;
    std::size_t end = FPos;
    while (end > start && IsBlank(FText[end - 1])) --end;
    return vcl::String(FText.substr(start, end - start));
  }
  int AddTerm(const vcl::String& Term) {
    F.FTerms.emplace_back(Term, FIgnoreCase);
    return Add(0, static_cast<int>(F.FTerms.size()) - 1, -1);
  }

  TBoolFilter& F;
  std::u16string_view FText;
  bool FIgnoreCase;
  std::size_t FPos = 0;
};

TBoolFilter::TBoolFilter(const vcl::String& Expression, bool IgnoreCase) {
  TParser parser(*this, Expression, IgnoreCase);
  FRoot = parser.Run();
}

TBoolFilter::~TBoolFilter() = default;
TBoolFilter::TBoolFilter(TBoolFilter&&) noexcept = default;
TBoolFilter& TBoolFilter::operator=(TBoolFilter&&) noexcept = default;

bool TBoolFilter::Matches(std::span<const std::u16string_view> Cells) const {
  return FRoot < 0 || Eval(FRoot, Cells);
}

// Depth is bounded by the parser, so the recursion is too. And and or
// nodes hold Right operands from FChildren[Left] on.
bool TBoolFilter::Eval(int Node, std::span<const std::u16string_view> Cells) const {
  const TNode& n = FNodes[static_cast<std::size_t>(Node)];
  if (n.Kind == 0) return FTerms[static_cast<std::size_t>(n.Left)].FoundInAny(Cells);
  if (n.Kind == 1) return !Eval(n.Left, Cells);
  const bool orNode = n.Kind == 3;
  for (int i = 0; i < n.Right; ++i) {
    if (Eval(FChildren[static_cast<std::size_t>(n.Left + i)], Cells) == orNode) return orNode;
  }
  return !orNode;
}

}  // namespace vyr
