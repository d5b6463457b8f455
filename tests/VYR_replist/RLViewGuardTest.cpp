// Handlers that throw: whichever handler of the report list view fails
// (filter, sort hook, cell rendering and drawing, keys, mouse, check
// clicks), the view paints again, the screen cursor is the default one and
// the data is as it was.
#include <stdexcept>

#include "RLViewTestUtil.h"
#include "platform/Winapi.h"

namespace rlviewtest {
namespace {

const vcl::TColor kBackground = 0x00FFFF;  // yellow rows, told apart from the window

class GuardTest : public RLViewTest {
 protected:
  void SetUp() override {
    RLViewTest::SetUp();
    View->SetNrOfColumns(3);
    View->SetNrOfRows(6);
    View->SetHeight(300);
    View->SetColorBkgdNormal(kBackground);
    View->SetColorBkgdShaded(kBackground);
    const char16_t* names[] = {u"fig", u"apple", u"kiwi", u"date", u"lime", u"pear"};
    for (int r = 1; r <= 6; ++r) {
      View->SetElem(1, r, names[r - 1]);
      View->SetElem(2, r, vcl::IntToStr(r));
    }
    Form->Show();
  }

  // Column 1 as shown, with the enabled state of each row.
  std::vector<String> Data() const {
    std::vector<String> rows;
    for (int r = 1; r <= View->NrOfRows(); ++r)
      rows.push_back((View->RowEnabled(r) ? u"+" : u"-") + View->Elem(1, r));
    return rows;
  }

  // The view paints (a data cell shows its row color) and nothing is left
  // switched: painting on, the default cursor.
  void ExpectRecovered() {
    EXPECT_FALSE(View->SuppressPaint());
    EXPECT_EQ(Screen.Cursor(), crDefault);
    EXPECT_EQ(headless::CurrentCursor(), crDefault);
    View->SetOnBeforeRenderCell(nullptr);
    View->SetOnDrawCell(nullptr);
    auto shot = Shot();
    EXPECT_EQ(Background(shot, 3, 3), kBackground);
  }

  static void Throw(const char* What) { throw std::runtime_error(What); }
};

TEST_F(GuardTest, AFilterHandlerThatThrowsChangesNoRow) {
  View->FilterAndSort(u"i", {1}, false, vyr::fmSimple, 1, true);  // some rows disabled
  const std::vector<String> before = Data();
  View->SetOnBeforeFilter([](TObject*, int Row, bool&, vyr::TLogicOp&) {
    if (Row == 4) Throw("filter");
  });
  EXPECT_THROW(View->FilterAndSort(u"e", {1}, false, vyr::fmSimple, 2, false), std::runtime_error);
  EXPECT_EQ(Data(), before);
  View->SetOnBeforeFilter(nullptr);
  ExpectRecovered();
}

TEST_F(GuardTest, ASortHookThatThrowsKeepsTheOrder) {
  const std::vector<String> before = Data();
  View->SetOnBeforeSortExchange([](TObject*, const String& In, String&) {
    if (In == u"kiwi") Throw("sort");
  });
  // By code: the exception reaches the caller.
  EXPECT_THROW(View->Sort(1, -1, true), std::runtime_error);
  EXPECT_EQ(Data(), before);
  ExpectRecovered();
  // By a header click (hourglass while sorting): the application gets it.
  const std::size_t handled = headless::HandledExceptions().size();
  TRect header = View->CellRect(0, View->FixedRows() - 1);
  headless::Click(View, header.Left + 30, header.Top + 5);
  EXPECT_EQ(headless::HandledExceptions().size(), handled + 1);
  EXPECT_EQ(Data(), before);
  ExpectRecovered();
}

TEST_F(GuardTest, PaintingHandlersThatThrowLeaveTheViewPainting) {
  struct Case {
    const char* Name;
    std::function<void()> Install;
  };
  const Case cases[] = {
      {"OnBeforeRenderCell",
       [&] {
         View->SetOnBeforeRenderCell([](TObject*, int, int Row, TColor&, TColor&, TColor&, TFontStyles&,
                                        String&) {
           if (Row == 2) Throw("render");
         });
       }},
      {"OnDrawCell",
       [&] {
         View->SetOnDrawCell([](TObject*, int, int ARow, const TRect&, TGridDrawState) {
           if (ARow == 3) Throw("draw");
         });
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    const std::size_t handled = headless::HandledExceptions().size();
    c.Install();
    Shot();
    EXPECT_GT(headless::HandledExceptions().size(), handled);
    ExpectRecovered();
  }
}

TEST_F(GuardTest, InputHandlersThatThrowLeaveTheViewAsItWas) {
  View->SetColumnCheckMode(3, vyr::cmBox);
  View->SetShowEmptyCheckBoxes(true);
  const std::vector<String> before = Data();
  struct Case {
    const char* Name;
    std::function<void()> Install;
    std::function<void()> Act;
  };
  auto clickCell = [&](int Col, int Row, int Dx) {
    headless::Advance(1000);
    TRect r = Cell(Col, Row);
    headless::Click(View, r.Left + Dx, r.Top + 5);
  };
  const Case cases[] = {
      {"OnKeyDown", [&] { View->SetOnKeyDown([](TObject*, std::uint16_t&, TShiftState) { Throw("key"); }); },
       [&] { headless::KeyDown(View, VK_DOWN, {}); }},
      {"OnMouseDown",
       [&] {
         View->SetOnMouseDown([](TObject*, TMouseButton, TShiftState, int, int) { Throw("mouse"); });
       },
       [&] { clickCell(2, 4, 30); }},
      {"OnBeforeCheckedChange",
       [&] { View->SetOnBeforeCheckedChange([](TObject*, bool&, int, int) { Throw("check"); }); },
       [&] { clickCell(3, 2, 8); }},
      {"OnChange during a click",
       [&] { View->SetOnChange([](TObject*) { Throw("change"); }); },
       [&] { clickCell(3, 5, 8); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    const std::size_t handled = headless::HandledExceptions().size();
    c.Install();
    c.Act();
    EXPECT_EQ(headless::HandledExceptions().size(), handled + 1);
    View->SetOnKeyDown(nullptr);
    View->SetOnMouseDown(nullptr);
    View->SetOnBeforeCheckedChange(nullptr);
    View->SetOnChange(nullptr);
    EXPECT_EQ(Data(), before);
    EXPECT_FALSE(View->ElemChecked(3, 2));
    ExpectRecovered();
  }
}

}  // namespace
}  // namespace rlviewtest
