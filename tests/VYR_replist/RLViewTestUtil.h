// A report list view on a form of the headless host, with helpers to read
// pixels of its cells, for the view tests.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "VYR_replist/VYR_replist.h"
#include "platform/Forms.h"
#include "platform/hosts/headless/Headless.h"

namespace rlviewtest {

using namespace vcl;
using vyr::TReportListView;

class RLViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    Form = std::make_unique<TForm>(nullptr);
    Form->SetClientWidth(700);
    Form->SetClientHeight(500);
    View = new TReportListView(Form.get());
    View->SetName(u"View1");
    View->SetParent(Form.get());
  }
  void TearDown() override {
    Form.reset();
    headless::Reset();
  }
  // The view as shown now.
  std::unique_ptr<TBitmap> Shot() {
    View->Invalidate();
    return headless::Snapshot(View);
  }
  static TColor At(const std::unique_ptr<TBitmap>& B, int X, int Y) {
    return B->Canvas()->Pixels(X, Y);
  }
  // The rectangle of data cell (column, row), both 1-based.
  TRect Cell(int Col, int Row) const {
    return View->CellRect(Col - 1, Row + View->FixedRows() - 1);
  }
  // A pixel in the lower right part of a data cell, away from its text.
  TColor Background(const std::unique_ptr<TBitmap>& B, int Col, int Row) const {
    TRect r = Cell(Col, Row);
    return At(B, r.Right - 3, r.Bottom - 2);
  }
  // The data rows whose selection bit is set, in order.
  std::vector<int> SelectedRows() const {
    std::vector<int> rows;
    for (int r = 1; r <= View->NrOfRows(); ++r) {
      if (View->RowSelected(r)) rows.push_back(r);
    }
    return rows;
  }
  int TextWidth(const String& S) {
    TCanvas* c = View->Canvas();
    c->Font()->Assign(View->Font());
    return c->TextWidth(S);
  }
  int TextHeight(const String& S) {
    TCanvas* c = View->Canvas();
    c->Font()->Assign(View->Font());
    return c->TextHeight(S);
  }

  std::unique_ptr<TForm> Form;
  TReportListView* View = nullptr;
};

}  // namespace rlviewtest
