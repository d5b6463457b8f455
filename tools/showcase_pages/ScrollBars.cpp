// The one scroll bar: two TScrollBar controls (one with a page, one grayed)
// reporting their scrolls, and the controls that embed the same bars: a
// list box, a memo with both bars and a grid.
#include "Pages.h"
#include "platform/Grids.h"
#include "platform/ScrollBar.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

using namespace vcl;

namespace {

const char16_t* const kCodeNames[] = {u"scLineUp", u"scLineDown", u"scPageUp", u"scPageDown",
                                      u"scPosition", u"scTrack", u"scTop", u"scBottom",
                                      u"scEndScroll"};

template <class T>
T* Make(showcase::TPageContext& P, int X, int Y, int W, int H) {
  auto* c = new T(P.Owner);
  c->SetParent(P.Page);
  c->SetBounds(X, Y, W, H);
  return c;
}

void Caption(showcase::TPageContext& P, const String& Text, int X, int Y) {
  auto* label = new TLabel(P.Owner);
  label->SetParent(P.Page);
  label->SetLeft(X);
  label->SetTop(Y);
  label->SetCaption(Text);
}

void BuildBars(showcase::TPageContext& P) {
  Caption(P, u"TScrollBar, a page of 20:", 12, 12);
  auto* h = Make<TScrollBar>(P, 12, 30, 240, ScrollBarThickness);
  h->SetPageSize(20);
  h->SetLargeChange(20);
  h->SetPosition(30);
  auto say = [&P](TObject* Sender, TScrollCode Code, int& Pos) {
    P.Say(static_cast<TControl*>(Sender)->Name() + u" " + kCodeNames[Code] + u" " + IntToStr(Pos));
  };
  h->SetName(u"Horizontal");
  h->SetOnScroll(say);
  Caption(P, u"Vertical:", 270, 12);
  auto* v = Make<TScrollBar>(P, 270, 30, ScrollBarThickness, 180);
  v->SetKind(sbVertical);
  v->SetBounds(270, 30, ScrollBarThickness, 180);
  v->SetPosition(60);
  v->SetName(u"Vertical");
  v->SetOnScroll(say);
  Caption(P, u"Disabled:", 12, 60);
  auto* off = Make<TScrollBar>(P, 12, 78, 240, ScrollBarThickness);
  off->SetEnabled(false);
  Caption(P, u"Short bar:", 12, 108);
  Make<TScrollBar>(P, 12, 126, 30, ScrollBarThickness);
}

void BuildHosts(showcase::TPageContext& P) {
  Caption(P, u"List box:", 320, 12);
  auto* list = Make<TListBox>(P, 320, 30, 150, 180);
  for (int i = 1; i <= 60; ++i) list->Items()->Add(u"Item " + IntToStr(i));
  list->SetTopIndex(12);
  Caption(P, u"Memo, both bars:", 490, 12);
  auto* memo = Make<TMemo>(P, 490, 30, 220, 180);
  memo->SetWordWrap(false);
  memo->SetScrollBars(ssBoth);
  String text;
  for (int i = 1; i <= 40; ++i) text += u"Line " + IntToStr(i) + u": the quick brown fox jumps over the lazy dog\n";
  memo->SetText(text);
  Caption(P, u"Grid:", 730, 12);
  auto* grid = Make<TDrawGrid>(P, 730, 30, 330, 180);
  grid->SetColCount(12);
  grid->SetRowCount(40);
  grid->SetTopRow(10);
}

void BuildScrollBars(showcase::TPageContext& P) {
  BuildBars(P);
  BuildHosts(P);
}

}  // namespace

SHOWCASE_PAGE(15, u"Scroll bars", "scrollbars", BuildScrollBars)
