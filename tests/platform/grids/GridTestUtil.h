// A grid that records what it is asked to draw and store, on a form of
// the headless host, for the grid tests.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/Forms.h"
#include "platform/Grids.h"
#include "platform/hosts/headless/Headless.h"

namespace gridtest {

using namespace vcl;

struct TDrawn {
  int Col = 0;
  int Row = 0;
  TRect Rect;
  TGridDrawState State;
};

class TProbeGrid : public TDrawGrid {
 public:
  using TDrawGrid::TDrawGrid;
  using TCustomGrid::ClampInView;
  using TCustomGrid::MaxTopLeft;

  std::vector<TDrawn> Drawn;
  std::vector<std::pair<TGridCoord, String>> Stored;  // SetEditText calls
  TEditStyle Style = esSimple;
  bool ListEditor = false;
  bool Editable = true;  // CanEditModify

  const TDrawn* DrawnCell(int ACol, int ARow) const {
    for (const TDrawn& d : Drawn) {
      if (d.Col == ACol && d.Row == ARow) return &d;
    }
    return nullptr;
  }
  // Paints now and returns the picture.
  std::unique_ptr<TBitmap> Shot() {
    Drawn.clear();
    Invalidate();
    return headless::Snapshot(this);
  }

 protected:
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override {
    Drawn.push_back({ACol, ARow, ARect, AState});
    TDrawGrid::DrawCell(ACol, ARow, ARect, AState);
  }
  String GetEditText(int ACol, int ARow) override {
    return u"c" + FromUTF8(std::to_string(ACol)) + u"r" + FromUTF8(std::to_string(ARow));
  }
  void SetEditText(int ACol, int ARow, const String& Value) override {
    Stored.push_back({{ACol, ARow}, Value});
    TDrawGrid::SetEditText(ACol, ARow, Value);
  }
  TEditStyle GetEditStyle(int, int) override { return Style; }
  bool CanEditModify() override { return Editable; }
  TInplaceEdit* CreateEditor() override {
    if (ListEditor) return new TInplaceEditList(this);
    return TDrawGrid::CreateEditor();
  }
};

// A form with one grid on it, wide enough to show the whole grid.
class GridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    Form = std::make_unique<TForm>(nullptr);
    Form->SetClientWidth(600);
    Form->SetClientHeight(400);
    Grid = new TProbeGrid(Form.get());
    Grid->SetParent(Form.get());
  }
  void TearDown() override {
    Form.reset();
    headless::Reset();
  }
  std::unique_ptr<TForm> Form;
  TProbeGrid* Grid = nullptr;
};

inline TColor RGBOf(TColor C) { return ColorToRGB(C); }

}  // namespace gridtest
