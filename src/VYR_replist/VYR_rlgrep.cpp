// The regular-expression filter on the 16-bit PCRE2 library: cells are
// matched as the UTF-16 they are stored in, without a UTF-8 copy.
#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include "VYR_replist/VYR_rlfilter.h"

namespace vyr {

namespace {

struct TCodeFree {
  void operator()(pcre2_code* p) const { pcre2_code_free(p); }
};
struct TMatchDataFree {
  void operator()(pcre2_match_data* p) const { pcre2_match_data_free(p); }
};
struct TContextFree {
  void operator()(pcre2_match_context* p) const { pcre2_match_context_free(p); }
};
struct TJitStackFree {
  void operator()(pcre2_jit_stack* p) const { pcre2_jit_stack_free(p); }
};

// The JIT stack grows up to this size; a match that needs more counts as
// reaching a limit.
constexpr PCRE2_SIZE kJitStackMax = 1024 * 1024;

vcl::String PcreMessage(int Code) {
  PCRE2_UCHAR buffer[256];
  const int n = pcre2_get_error_message(Code, buffer, sizeof buffer / sizeof buffer[0]);
  return n > 0 ? vcl::String(reinterpret_cast<const char16_t*>(buffer), static_cast<std::size_t>(n))
               : vcl::String(u"error ") + vcl::IntToStr(Code);
}

bool IsLimitCode(int Code) {
  return Code == PCRE2_ERROR_MATCHLIMIT || Code == PCRE2_ERROR_DEPTHLIMIT ||
         Code == PCRE2_ERROR_HEAPLIMIT || Code == PCRE2_ERROR_JIT_STACKLIMIT ||
         Code == PCRE2_ERROR_NOMEMORY;
}

}  // namespace

struct TGrepFilter::TImpl {
  std::unique_ptr<pcre2_code, TCodeFree> Code;
  std::unique_ptr<pcre2_match_data, TMatchDataFree> Data;
  std::unique_ptr<pcre2_match_context, TContextFree> Context;
  std::unique_ptr<pcre2_jit_stack, TJitStackFree> JitStack;
  bool Jitted = false;
};

TGrepFilter::TGrepFilter(const vcl::String& Pattern, bool IgnoreCase, bool StartOptimize)
    : FImpl(std::make_unique<TImpl>()) {
  std::uint32_t options = PCRE2_UTF | PCRE2_UCP | PCRE2_MATCH_INVALID_UTF;
  if (IgnoreCase) options |= PCRE2_CASELESS;
  if (!StartOptimize) options |= PCRE2_NO_START_OPTIMIZE;
  int error = 0;
  PCRE2_SIZE offset = 0;
  FImpl->Code.reset(pcre2_compile(reinterpret_cast<PCRE2_SPTR>(Pattern.data()), Pattern.size(),
                                  options, &error, &offset, nullptr));
  if (!FImpl->Code) {
    const int pos = static_cast<int>(offset) + 1;
    throw EVYRFilterSyntaxError(u"invalid filter expression at position " + vcl::IntToStr(pos) +
                                    u": " + PcreMessage(error),
                                pos);
  }
  FImpl->Jitted = pcre2_jit_compile(FImpl->Code.get(), PCRE2_JIT_COMPLETE) == 0;
  FImpl->Data.reset(pcre2_match_data_create_from_pattern(FImpl->Code.get(), nullptr));
  FImpl->Context.reset(pcre2_match_context_create(nullptr));
  if (!FImpl->Data || !FImpl->Context) throw EVYRRepListError(u"not enough memory for a filter");
  pcre2_set_match_limit(FImpl->Context.get(), GrepMatchLimit);
  pcre2_set_depth_limit(FImpl->Context.get(), GrepDepthLimit);
  pcre2_set_heap_limit(FImpl->Context.get(), GrepHeapLimitKiB);
  if (FImpl->Jitted) {
    FImpl->JitStack.reset(pcre2_jit_stack_create(32 * 1024, kJitStackMax, nullptr));
    if (FImpl->JitStack) pcre2_jit_stack_assign(FImpl->Context.get(), nullptr, FImpl->JitStack.get());
  }
}

TGrepFilter::~TGrepFilter() = default;

TGrepResult TGrepFilter::Match(std::u16string_view Text) {
  // An empty view may carry no pointer, which the library refuses.
  static constexpr char16_t kEmpty[1] = {0};
  const char16_t* subject = Text.empty() ? kEmpty : Text.data();
  const int rc = pcre2_match(FImpl->Code.get(), reinterpret_cast<PCRE2_SPTR>(subject),
                             Text.size(), 0, 0, FImpl->Data.get(), FImpl->Context.get());
  if (rc >= 0) return grMatch;
  return IsLimitCode(rc) ? grLimit : grNoMatch;
}

bool TGrepFilter::MatchesAny(std::span<const std::u16string_view> Texts, bool& LimitHit) {
  for (std::u16string_view t : Texts) {
    const TGrepResult r = Match(t);
    if (r == grMatch) return true;
    if (r == grLimit) LimitHit = true;
  }
  return false;
}

bool TGrepFilter::Jitted() const { return FImpl->Jitted; }

}  // namespace vyr
