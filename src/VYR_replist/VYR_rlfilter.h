// The matchers behind TReportListView::FilterAndSort, usable on their own.
// Each decides a row from the views of its cells (std::u16string_view, read
// in place from the store): nothing is copied, lower-cased or allocated per
// row.
//
//   TTextFinder    fmSimple: the expression is a part of a cell text.
//   TBoolFilter    fmBoolean: terms joined by "&" (and), "|" (or) and "!"
//                  (not), with parentheses and quoted phrases; a term holds
//                  when it is a part of one of the row's cells.
//   TGrepFilter    fmGrep: a regular expression (16-bit PCRE2, JIT-compiled
//                  when the library offers it) found in one of the cells.
//
// The syntax of the expressions, with examples, is in docs/filter.md.
//
// Letter case: TTextFinder and TBoolFilter compare through FilterFoldCase,
// the simple lower-case mapping of a UTF-16 code unit, on both sides, in
// place. TGrepFilter uses PCRE2's Unicode case folding.
//
// Limits: a regular expression runs with a match limit and a depth (and
// heap) limit, so that no expression can run away on any text; a text on
// which a limit is reached counts as not matching and is reported as
// mrLimit. TBoolFilter refuses expressions nested deeper than
// BoolFilterMaxDepth.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "VYR_replist/VYR_rldata.h"

namespace vyr {

// An expression of fmBoolean or fmGrep that cannot be read. Position is the
// 1-based position (UTF-16 code units) in the expression where reading
// failed; the message names it too.
class EVYRFilterSyntaxError : public EVYRRepListError {
 public:
  EVYRFilterSyntaxError(const vcl::String& Msg, int Position)
      : EVYRRepListError(Msg), FPosition(Position) {}
  int Position() const { return FPosition; }

 private:
  int FPosition;
};

// The simple lower-case form of a code unit (the mapping of AnsiLowerCase),
// from a table built once.
char16_t FilterFoldCase(char16_t C);

// Finds Needle as a part of texts, ignoring letter case when asked. The
// empty needle is found in every text.
class TTextFinder {
 public:
  TTextFinder(std::u16string_view Needle, bool IgnoreCase);
  bool FoundIn(std::u16string_view Text) const;
  // Found in one of the texts.
  bool FoundInAny(std::span<const std::u16string_view> Texts) const;

 private:
  vcl::String FNeedle;  // folded when case is ignored
  bool FIgnoreCase;
};

inline constexpr int BoolFilterMaxDepth = 200;

// An fmBoolean expression, read once and then applied to rows.
//
//   expression := or
//   or         := and { "|" and }
//   and        := unary { "&" unary }
//   unary      := "!" unary | "(" or ")" | term
//   term       := '"' phrase '"' | word
//
// A word runs up to the next "&", "|", "(", ")" or '"' and loses the
// blanks around it (blanks inside stay: `New York` is one term); a "!"
// negates only where an operand starts, so "Hey!" is a word. In a phrase
// every character counts, and "" stands for one quote. "&" binds tighter
// than "|". An empty expression (or one of blanks only) matches every row.
// Anything else that does not follow the grammar raises
// EVYRFilterSyntaxError naming the position.
class TBoolFilter {
 public:
  TBoolFilter(const vcl::String& Expression, bool IgnoreCase);
  ~TBoolFilter();
  TBoolFilter(TBoolFilter&&) noexcept;
  TBoolFilter& operator=(TBoolFilter&&) noexcept;

  // Whether the row whose cells are Cells satisfies the expression.
  bool Matches(std::span<const std::u16string_view> Cells) const;
  bool MatchesEverything() const { return FRoot < 0; }
  // The terms as read (for tests and tools).
  int TermCount() const { return static_cast<int>(FTerms.size()); }

 private:
  // A term (Left: its finder), a negation (Left: the operand), or an and
  // or or over Right operands listed in FChildren from index Left on.
  struct TNode {
    std::uint8_t Kind;  // 0 term, 1 not, 2 and, 3 or
    int Left = -1, Right = -1;
  };
  class TParser;
  bool Eval(int Node, std::span<const std::u16string_view> Cells) const;

  std::vector<TNode> FNodes;
  std::vector<int> FChildren;
  std::vector<TTextFinder> FTerms;  // node Left of a term node indexes here
  int FRoot = -1;
};

// Outcome of one regular-expression match.
enum TGrepResult : std::uint8_t { grNoMatch, grMatch, grLimit };

// Limits of one match of an fmGrep expression against one text.
inline constexpr std::uint32_t GrepMatchLimit = 1000000;
inline constexpr std::uint32_t GrepDepthLimit = 10000;
inline constexpr std::uint32_t GrepHeapLimitKiB = 20000;

// An fmGrep expression compiled once (UTF mode, invalid UTF-16 in a text
// tolerated; Unicode case folding with IgnoreCase). StartOptimize false
// switches off PCRE2's start-up optimisations (for measuring the limits).
// A pattern that does not compile raises EVYRFilterSyntaxError naming the
// position and PCRE2's reason.
class TGrepFilter {
 public:
  TGrepFilter(const vcl::String& Pattern, bool IgnoreCase, bool StartOptimize = true);
  ~TGrepFilter();
  TGrepFilter(const TGrepFilter&) = delete;
  TGrepFilter& operator=(const TGrepFilter&) = delete;

  TGrepResult Match(std::u16string_view Text);
  // Matched in one of the texts; a limit reached on a text counts as no
  // match there and sets LimitHit.
  bool MatchesAny(std::span<const std::u16string_view> Texts, bool& LimitHit);
  // Whether the expression runs as JIT-compiled code.
  bool Jitted() const;

 private:
  struct TImpl;
  std::unique_ptr<TImpl> FImpl;
};

}  // namespace vyr
