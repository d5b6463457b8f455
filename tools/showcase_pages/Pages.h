// The showcase window is a strip of page tabs over one page per subject.
// Each page lives in a file of its own in this folder and registers itself
// with SHOWCASE_PAGE, so adding a page touches no other file:
//
//   void BuildMeters(showcase::TPageContext& P) {
//     auto* m = new vyr::TMeter(P.Owner);
//     m->SetParent(P.Page);
//     ...
//     m->SetOnOverFlow([&P](TObject*) { P.Say(u"overflow"); });
//   }
//   SHOWCASE_PAGE(40, u"Meters", BuildMeters)
//
// Pages are shown in the order of their numbers. Controls are owned by
// P.Owner (the form) and parented to P.Page; the page is PageWidth ×
// PageHeight pixels. P.Say writes to the status line below the pages and
// stays valid for the life of the window.
#pragma once

#include <functional>
#include <vector>

#include "platform/Controls.h"
#include "platform/StdCtrls.h"
#include "platform/Types.h"

namespace showcase {

constexpr int PageWidth = 1080;
constexpr int PageHeight = 420;

struct TPageContext {
  vcl::TComponent* Owner = nullptr;
  vcl::TWinControl* Page = nullptr;
  std::function<void(const vcl::String&)> Say;
};

using TBuildPage = void (*)(TPageContext&);

struct TPageEntry {
  int Order;
  const char16_t* Title;
  const char* Slug;  // file-name part of the page's picture
  TBuildPage Build;
};

// The base of a page that keeps state for its handlers: a component owned
// (and freed) by the form, with the helpers that place controls on the page.
class TPageHolder : public vcl::TComponent {
 public:
  explicit TPageHolder(TPageContext& P)
      : TComponent(P.Owner), FOwner(P.Owner), FPage(P.Page), FSay(P.Say) {}

 protected:
  // A control of class T owned by the form, on Parent (the page by default).
  template <class T>
  T* Make(int X, int Y, int W, int H) {
    return MakeOn<T>(FPage, X, Y, W, H);
  }
  template <class T>
  T* MakeOn(vcl::TWinControl* Parent, int X, int Y, int W, int H) {
    auto* c = new T(FOwner);
    c->SetParent(Parent);
    c->SetBounds(X, Y, W, H);
    return c;
  }
  // A label with Text at X, Y on the page.
  vcl::TLabel* Caption(const vcl::String& Text, int X, int Y) {
    auto* label = new vcl::TLabel(FOwner);
    label->SetParent(FPage);
    label->SetLeft(X);
    label->SetTop(Y);
    label->SetCaption(Text);
    return label;
  }

  vcl::TComponent* FOwner;
  vcl::TWinControl* FPage;
  std::function<void(const vcl::String&)> FSay;
};

// Records a page; the returned value only serves the registration macro.
bool RegisterPage(int Order, const char16_t* Title, const char* Slug, TBuildPage Build);
// Every registered page, sorted by Order.
std::vector<TPageEntry> Pages();

}  // namespace showcase

#define SHOWCASE_PAGE(Order, Title, Slug, Fn)                                     \
  namespace {                                                                     \
  const bool showcase_page_##Fn = showcase::RegisterPage(Order, Title, Slug, Fn); \
  }
