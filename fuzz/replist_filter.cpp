// Arbitrary bytes as a boolean filter expression (the first byte chooses
// letter case, the rest is taken as UTF-8) and as its row: the reader must
// either accept the expression or refuse it with EVYRFilterSyntaxError at a
// position within it (one past the end at most); an accepted expression
// decides the row without failing, and the same answer twice. A second
// reading treats the bytes as a regular expression of the fmGrep mode,
// which must compile or be refused the same way and then match within its
// limits.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "VYR_replist/VYR_rlfilter.h"
#include "platform/SysUtils.h"

namespace {

void Require(bool Condition, const char* What) {
  if (Condition) return;
  std::fprintf(stderr, "replist_filter: %s\n", What);
  std::abort();
}

void CheckRefusal(const vyr::EVYRFilterSyntaxError& E, const vcl::String& Expression) {
  Require(E.Position() >= 1 && E.Position() <= static_cast<int>(Expression.size()) + 1,
          "error position outside the expression");
  Require(E.Message().find(u"position " + vcl::IntToStr(E.Position())) != vcl::String::npos,
          "message does not name the position");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return 0;
  const bool ignoreCase = (Data[0] & 1) != 0;
  const vcl::String text =
      vcl::FromUTF8(std::string_view(reinterpret_cast<const char*>(Data + 1), Size - 1));
  // The row: the expression's own text split in two cells.
  const std::u16string_view all(text);
  const std::u16string_view cells[] = {all.substr(0, all.size() / 2), all.substr(all.size() / 2)};
  try {
    const vyr::TBoolFilter filter(text, ignoreCase);
    const bool first = filter.Matches(cells);
    Require(first == filter.Matches(cells), "two answers for one row");
  } catch (const vyr::EVYRFilterSyntaxError& e) {
    CheckRefusal(e, text);
  }
  if (Size < 200) {
    try {
      vyr::TGrepFilter grep(text, ignoreCase);
      bool limit = false;
      grep.MatchesAny(cells, limit);
    } catch (const vyr::EVYRFilterSyntaxError& e) {
      CheckRefusal(e, text);
    }
  }
  return 0;
}
