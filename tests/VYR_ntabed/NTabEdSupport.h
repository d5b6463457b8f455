// A table editor on a form of the headless host, with helpers to reach its
// cells by data coordinates, read pixels, count events and work its popup
// menus, for the table editor tests.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "VYR_ntabed/VYR_ntabed.h"
#include "platform/Clipbrd.h"
#include "platform/Forms.h"
#include "platform/hosts/headless/Headless.h"

namespace ntabedtest {

using namespace vcl;
using vyr::TNTabEd;

class NTabEdTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    Form = std::make_unique<TForm>(nullptr);
    Form->SetClientWidth(640);
    Form->SetClientHeight(400);
    Ed = new TNTabEd(Form.get());
    Ed->SetName(u"Ed1");
    Ed->SetParent(Form.get());
    Ed->SetBounds(0, 0, 600, 360);
  }
  void TearDown() override {
    Form.reset();
    headless::Reset();
  }

  // The grid cell of data cell (c, r), both 1-based.
  TGridCoord GridOf(int C, int R) const {
    return {C + (Ed->AttribRowVisible() ? 1 : 0), R + (Ed->AttribColVisible() ? 1 : 0)};
  }
  TRect CellOf(int C, int R) const {
    TGridCoord g = GridOf(C, R);
    return Ed->CellRect(g.X, g.Y);
  }
  // A point inside data cell (c, r), away from its text.
  TPoint Inside(int C, int R) const {
    TRect r = CellOf(C, R);
    return {r.Right - 4, r.Bottom - 4};
  }
  void ClickCell(int C, int R) {
    TPoint p = Inside(C, R);
    headless::Click(Ed, p.X, p.Y);
  }
  void RightPress(int X, int Y) {
    headless::MouseDown(Ed, mbRight, {}, X, Y);
    headless::MouseUp(Ed, mbRight, {}, X, Y);
  }
  void RightPressCell(int C, int R) {
    TPoint p = Inside(C, R);
    RightPress(p.X, p.Y);
  }
  // Selects data cells L..R x T..B.
  void Select(int L, int T, int R, int B) {
    TGridCoord a = GridOf(L, T), b = GridOf(R, B);
    Ed->SetSelection({a.X, a.Y, b.X, b.Y});
  }
  std::unique_ptr<TBitmap> Shot() {
    Ed->Invalidate();
    return headless::Snapshot(Ed);
  }
  static TColor At(const std::unique_ptr<TBitmap>& B, int X, int Y) {
    return B->Canvas()->Pixels(X, Y);
  }
  // Clicks the item with the given name whenever a popup of the editor opens.
  void ClickOnPopup(const String& ItemName) {
    headless::SetPopupHandler([this, ItemName](TPopupMenu& Menu, int, int) {
      Popups.push_back(&Menu);
      if (TMenuItem* item = Item(ItemName)) item->Click();
    });
  }
  // Records the popups shown without clicking anything.
  void RecordPopups() {
    headless::SetPopupHandler([this](TPopupMenu& Menu, int X, int Y) {
      Popups.push_back(&Menu);
      PopupPoints.push_back({X, Y});
    });
  }
  // A popup item by name, from either menu.
  TMenuItem* Item(const String& Name) const {
    for (TPopupMenu* menu : {Ed->PopupD(), Ed->PopupH()}) {
      if (auto* item = dynamic_cast<TMenuItem*>(menu->FindComponent(Name))) return item;
    }
    return nullptr;
  }
  // Counts calls of a notify event.
  static TNotifyEvent Counter(int& N) {
    return [&N](TObject*) { ++N; };
  }

  std::unique_ptr<TForm> Form;
  TNTabEd* Ed = nullptr;
  std::vector<TPopupMenu*> Popups;
  std::vector<TPoint> PopupPoints;
};

}  // namespace ntabedtest
