#include "Pages.h"

#include <algorithm>

namespace showcase {

namespace {
// A function-local list, so pages registering from other files' static
// initialisers find it constructed whatever the order of initialisation.
std::vector<TPageEntry>& Registry() {
  static std::vector<TPageEntry> pages;
  return pages;
}
}  // namespace

bool RegisterPage(int Order, const char16_t* Title, const char* Slug, TBuildPage Build) {
  Registry().push_back({Order, Title, Slug, Build});
  return true;
}

std::vector<TPageEntry> Pages() {
  std::vector<TPageEntry> pages = Registry();
  std::stable_sort(pages.begin(), pages.end(),
                   [](const TPageEntry& A, const TPageEntry& B) { return A.Order < B.Order; });
  return pages;
}

}  // namespace showcase
