// The color selector: palette and loaders, names through their event,
// SelColor's rules, the drawn item, the color dialog on the bar of an
// editable entry (answered by the headless handler) and form files.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "VYR_Colsel/VYR_Colsel.h"
#include "VYR_Colsel/VYR_ColselItem.h"
#include "companion/basepack/VYR_vyrcolors.h"
#include "platform/Forms.h"
#include "platform/Menus.h"
#include "platform/Streaming.h"
#include "platform/hosts/headless/Headless.h"

namespace colseltest {
namespace {

using namespace vcl;
using namespace vyr;

std::string U8(const String& S) { return ToUTF8(S); }

class ColSelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 300, 200);
    sel = new TColSel(form.get());
    sel->SetParent(form.get());
    sel->SetBounds(10, 10, 160, sel->Height());
    sel->Font()->SetQuality(fqNonAntialiased);
  }
  void TearDown() override {
    form.reset();
    headless::Reset();
  }
  TColor At(int X, int Y) { return headless::Snapshot(sel)->Canvas()->Pixels(X, Y); }
  // Counts a dropped-down list and closes it, as a press elsewhere would.
  void CountShownList() {
    if (headless::ShownDropDown() == nullptr) return;
    ++listsShown;
    headless::PressOutsideDropDown();
  }
  // Counts the renaming calls and, when Rename is set, renames.
  void WatchNames(String Rename = String()) {
    sel->SetOnColorNameChange([this, Rename](TObject* s, String& name) {
      EXPECT_EQ(s, sel);
      names.push_back(U8(name));
      if (!Rename.empty()) name = Rename;
    });
  }

  std::unique_ptr<TForm> form;
  TColSel* sel = nullptr;
  std::vector<std::string> names;
  int listsShown = 0;
};

TEST_F(ColSelTest, Defaults) {
  TColSel fresh(nullptr);
  EXPECT_EQ(fresh.NumColors(), 20);
  EXPECT_EQ(fresh.ColorBarWidth(), 30);
  EXPECT_EQ(fresh.Style(), csOwnerDrawFixed);
  EXPECT_FALSE(fresh.Sorted());
  EXPECT_EQ(fresh.SelColorIx(), 1);
  EXPECT_EQ(fresh.ItemIndex(), 0);
  EXPECT_EQ(fresh.SelColor(), PredefinedColors[1]);
  EXPECT_EQ(fresh.DropDownCount(), 8);
  ASSERT_EQ(fresh.Items()->Count(), 20);
  for (int i = 1; i <= 20; ++i) {
    EXPECT_EQ(fresh.Colors(i), PredefinedColors[i]);
    EXPECT_EQ(U8(fresh.ColorNames(i)), U8(ColorToString(PredefinedColors[i])));
    EXPECT_EQ(U8(fresh.Items()->Strings(i - 1)), U8(fresh.ColorNames(i)));
    EXPECT_FALSE(fresh.ColorEditAllowed(i));
  }
  EXPECT_EQ(U8(fresh.SelColorID()), "clBlack");
}

TEST_F(ColSelTest, NumColorsTakesOneTo47) {
  sel->SetSelColor(clRed);
  sel->SetNumColors(48);
  EXPECT_EQ(sel->NumColors(), 20);
  sel->SetNumColors(0);
  EXPECT_EQ(sel->NumColors(), 20);
  EXPECT_EQ(sel->SelColorIx(), 10);  // ignored values leave the selection
  sel->SetNumColors(47);
  EXPECT_EQ(sel->NumColors(), 47);
  EXPECT_EQ(sel->SelColorIx(), 1);
  EXPECT_EQ(sel->ItemIndex(), 0);
  EXPECT_EQ(sel->Items()->Count(), 47);
  EXPECT_EQ(sel->Colors(47), PredefinedColors[47]);
}

TEST_F(ColSelTest, EntriesOutsideTheRangeReadEmptyAndIgnoreWrites) {
  WatchNames();
  for (int i : {0, -1, 21, 47}) {
    EXPECT_EQ(sel->Colors(i), 0u) << i;
    EXPECT_TRUE(sel->ColorNames(i).empty()) << i;
    EXPECT_FALSE(sel->ColorEditAllowed(i)) << i;
    sel->SetColors(i, clRed);
    sel->SetColorNames(i, u"x");
    sel->SetColorEditAllowed(i, true);
  }
  EXPECT_TRUE(names.empty());
  sel->SetNumColors(47);
  EXPECT_EQ(sel->Colors(47), PredefinedColors[47]);  // the write to 47 did not land
  EXPECT_FALSE(sel->ColorEditAllowed(47));
}

TEST_F(ColSelTest, LoadersFillTheirPaletteAndAnnounceEveryName) {
  struct Case {
    void (TColSel::*Load)();
    int Count, First;
  } cases[] = {
      {&TColSel::LoadBasicVGAPalette, 16, 1},
      {&TColSel::LoadExtendedPalette, 20, 1},
      {&TColSel::LoadStandardPalette, 47, 1},
      {&TColSel::LoadWindowsSystemPalette, 27, 21},
  };
  sel->SetColorEditAllowed(2, true);
  for (const Case& c : cases) {
    sel->SetNumColors(5);
    sel->SetSelColor(PredefinedColors[3]);
    WatchNames(u"renamed");
    names.clear();
    std::invoke(c.Load, *sel);
    EXPECT_EQ(sel->NumColors(), c.Count);
    EXPECT_EQ(sel->SelColorIx(), 1);
    EXPECT_EQ(sel->Items()->Count(), c.Count);
    EXPECT_EQ(names.size(), static_cast<std::size_t>(c.Count));
    for (int i = 1; i <= c.Count; ++i) {
      EXPECT_EQ(sel->Colors(i), PredefinedColors[c.First + i - 1]) << i;
      EXPECT_EQ(U8(sel->ColorNames(i)), "renamed");
      EXPECT_EQ(names[i - 1], U8(ColorToString(PredefinedColors[c.First + i - 1])));
    }
    EXPECT_TRUE(sel->ColorEditAllowed(2));  // flags stay
    sel->SetOnColorNameChange(nullptr);
  }
}

TEST_F(ColSelTest, SelColorSelectsTheFirstEntryOfTheSameRGB) {
  sel->LoadStandardPalette();
  sel->SetSelColor(clRed);
  EXPECT_EQ(sel->SelColorIx(), 10);
  EXPECT_EQ(sel->ItemIndex(), 9);
  // clWindow shows as white: the white VGA entry comes first.
  sel->SetSelColor(clWindow);
  EXPECT_EQ(sel->SelColorIx(), 16);
  EXPECT_EQ(sel->SelColor(), clWhite);
  EXPECT_EQ(sel->Colors(26), clWindow);
}

TEST_F(ColSelTest, SelColorOutsideThePaletteOverwritesTheSelectedEntry) {
  sel->SetSelColor(clGreen);  // entry 3
  WatchNames();
  sel->SetSelColor(0x123456);
  EXPECT_EQ(sel->NumColors(), 20);
  EXPECT_EQ(sel->SelColorIx(), 3);
  EXPECT_EQ(sel->Colors(3), 0x123456u);
  EXPECT_EQ(U8(sel->ColorNames(3)), "$00123456");
  EXPECT_EQ(U8(sel->Items()->Strings(2)), "$00123456");
  EXPECT_EQ(names, (std::vector<std::string>{"$00123456"}));
  // A system color is named by its RGB value.
  sel->SetSelColor(clInfoBk);
  EXPECT_EQ(U8(sel->ColorNames(3)), U8(ColorToString(ColorToRGB(clInfoBk))));
}

TEST_F(ColSelTest, TheNameHandlerDecidesTheStoredName) {
  WatchNames(u"Sunset");
  sel->SetColors(4, 0x3366FF);
  EXPECT_EQ(names, (std::vector<std::string>{"$003366FF"}));
  EXPECT_EQ(U8(sel->ColorNames(4)), "Sunset");
  sel->SetColorNames(5, u"Deep sea");
  EXPECT_EQ(U8(sel->ColorNames(5)), "Sunset");
  EXPECT_EQ(names.back(), "Deep sea");
  sel->SetOnColorNameChange(nullptr);
  sel->SetColorNames(5, u"Deep sea");
  EXPECT_EQ(U8(sel->ColorNames(5)), "Deep sea");
  EXPECT_EQ(U8(sel->Items()->Strings(4)), "Deep sea");
  sel->SetSelColor(sel->Colors(5));
  EXPECT_EQ(U8(sel->SelColorID()), "Deep sea");
  sel->SetItemIndex(-1);
  EXPECT_TRUE(sel->SelColorID().empty());
}

TEST_F(ColSelTest, AThrowingNameHandlerChangesNothing) {
  sel->SetOnColorNameChange([](TObject*, String& name) {
    if (name == u"clLime" || name == u"$00ABCDEF") throw EConvertError("no such color here");
  });
  EXPECT_THROW(sel->LoadBasicVGAPalette(), EConvertError);  // clLime is entry 11
  EXPECT_EQ(sel->NumColors(), 20);
  EXPECT_EQ(sel->Items()->Count(), 20);
  EXPECT_THROW(sel->SetColors(2, clLime), EConvertError);
  EXPECT_EQ(sel->Colors(2), clMaroon);
  EXPECT_THROW(sel->SetSelColor(0xABCDEF), EConvertError);
  EXPECT_EQ(sel->SelColor(), clBlack);
  EXPECT_EQ(U8(sel->ColorNames(1)), "clBlack");
}

TEST_F(ColSelTest, UserSelectionMovesTheSelectedEntry) {
  int changes = 0;
  sel->SetOnChange([&](TObject*) { ++changes; });
  headless::KeyDown(sel, VK_DOWN);
  headless::KeyDown(sel, VK_DOWN);
  EXPECT_EQ(sel->SelColorIx(), 3);
  EXPECT_EQ(sel->SelColor(), PredefinedColors[3]);
  EXPECT_EQ(changes, 2);
  sel->SetItemIndex(6);
  EXPECT_EQ(sel->SelColor(), PredefinedColors[7]);
}

// ---------------------------------------------------------------- drawing

class ColSelDrawTest : public ColSelTest {
 protected:
  TRect Item() { return sel->ItemRect(); }
};

TEST_F(ColSelDrawTest, TheBarShowsTheEntryColorInAnOutline) {
  sel->SetSelColor(clTeal);
  const TRect r = Item(), bar = colsel::ColorBarRect(r, 30);
  EXPECT_EQ(At(bar.Left + 2, bar.Top + 2), clTeal);
  EXPECT_EQ(At(bar.Right - 2, bar.Bottom - 2), clTeal);
  EXPECT_EQ(At(bar.Left, bar.Top + 3), clBlack);  // outline
  EXPECT_EQ(At(bar.Right - 1, bar.Top + 3), clBlack);
  EXPECT_EQ(At(bar.Right, bar.Top + 3), ColorToRGB(sel->Color()));
  // The name's cell starts three pixels after the bar; its first three
  // columns stay empty.
  const int left = colsel::NameLeft(r, 30);
  std::unique_ptr<TBitmap> shot = headless::Snapshot(sel);
  int ink = 0;
  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = left; x < left + 3; ++x) {
      EXPECT_EQ(shot->Canvas()->Pixels(x, y), ColorToRGB(sel->Color())) << x;
    }
    for (int x = left + 3; x < r.Right; ++x) ink += shot->Canvas()->Pixels(x, y) == clBlack;
  }
  EXPECT_GT(ink, 10);
}

TEST_F(ColSelDrawTest, EditMarksContrastWithTheirBar) {
  struct Case {
    TColor Color;
    TColor Mark;
  } cases[] = {{clWhite, clBlack}, {clYellow, clBlack}, {clNavy, clWhite},
               {clGray, clWhite},  {clSilver, clBlack}, {RGB(200, 100, 150), clWhite}};
  for (const Case& c : cases) EXPECT_EQ(colsel::EditMarkColor(c.Color), c.Mark) << c.Color;
  sel->SetColorEditAllowed(1, true);
  for (TColor color : {clWhite, clNavy}) {
    sel->SetColors(1, color);
    const TRect r = Item();
    for (const TPoint& p : colsel::EditMarkPoints(r)) {
      EXPECT_EQ(At(p.X, p.Y), colsel::EditMarkColor(color)) << p.X << "," << p.Y;
    }
    EXPECT_EQ(At(r.Left + 5, r.Top + 6), colsel::EditMarkColor(color));
  }
  sel->SetColorBarWidth(11);  // too narrow for the mark
  const TRect r = Item();
  EXPECT_EQ(At(r.Left + 5, r.Top + 6), clNavy);
}

TEST_F(ColSelDrawTest, WithoutABarTheNameCellStartsAtThreePixels) {
  sel->SetColorBarWidth(0);
  sel->SetEnabled(false);  // the name's cell is silver then, the rest window colored
  const TRect r = Item();
  EXPECT_EQ(At(r.Left + 2, r.Top + 1), ColorToRGB(sel->Color()));
  EXPECT_EQ(At(r.Left + 3, r.Top + 1), clSilver);
}

TEST_F(ColSelDrawTest, DisabledItemsAreGray) {
  sel->SetSelColor(clRed);
  sel->SetColorEditAllowed(10, true);
  sel->SetEnabled(false);
  EXPECT_FALSE(sel->Enabled());
  const TRect r = Item(), bar = colsel::ColorBarRect(r, 30);
  EXPECT_EQ(At(bar.Left + 2, bar.Top + 2), clSilver);
  EXPECT_EQ(At(bar.Left, bar.Top + 3), clGray);
  EXPECT_EQ(At(r.Left, r.Top), clSilver);
  EXPECT_NE(At(r.Left + 5, r.Top + 6), clBlack);  // no edit mark
  std::unique_ptr<TBitmap> shot = headless::Snapshot(sel);
  int gray = 0, black = 0;
  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = colsel::NameLeft(r, 30); x < r.Right; ++x) {
      gray += shot->Canvas()->Pixels(x, y) == clGray;
      black += shot->Canvas()->Pixels(x, y) == clBlack;
    }
  }
  EXPECT_GT(gray, 10);
  EXPECT_EQ(black, 0);
}

TEST_F(ColSelDrawTest, TheDroppedListShowsEveryEntryDrawn) {
  sel->LoadStandardPalette();
  sel->SetDropDownCount(12);
  sel->SetDroppedDown(true);
  auto* list = dynamic_cast<TComboListBox*>(headless::ShownDropDown());
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->Count(), 47);
  // Page through the list: every entry's color bar is drawn in its row.
  int seen = 0;
  for (int top = 0; top < 47; top += list->RowCount()) {
    list->SetTopIndex(top);
    std::unique_ptr<TBitmap> shot = headless::Snapshot(list);
    for (int k = list->TopIndex(); k < 47 && k < list->TopIndex() + list->RowCount(); ++k) {
      const TRect bar = colsel::ColorBarRect(list->ItemRect(k), 30);
      EXPECT_EQ(shot->Canvas()->Pixels(bar.Left + 3, bar.Top + 3), ColorToRGB(sel->Colors(k + 1)))
          << k;
      seen += k >= top;
    }
  }
  EXPECT_EQ(seen, 47);
}

// ---------------------------------------------------------------- the dialog

class ColSelDialogTest : public ColSelTest {
 protected:
  void SetUp() override {
    ColSelTest::SetUp();
    sel->SetSelColor(clOlive);  // entry 4
    sel->SetColorEditAllowed(4, true);
    sel->SetOnChange([this](TObject*) { log.push_back("change " + U8(sel->ColorNames(4))); });
    sel->SetOnDropDown([this](TObject*) { log.push_back("dropdown"); });
    sel->SetOnColorNameChange(
        [this](TObject*, String& name) { log.push_back("name " + U8(name)); });
    headless::SetColorDialogHandler([this](TColorDialog& d) {
      log.push_back("dialog");
      preset = d.Color();
      d.SetColor(answer);
      return accept;
    });
  }
  std::vector<std::string> log;
  TColor preset = 0, answer = 0x00C0FFEE & 0xFFFFFF;
  bool accept = true;
};

TEST_F(ColSelDialogTest, APressOnTheBarOfAnEditableEntryEditsItsColor) {
  headless::MouseMove(sel, {}, 10, 8);
  EXPECT_EQ(sel->MouseAreaCode(), 1);
  headless::Click(sel, 10, 8);
  CountShownList();
  EXPECT_EQ(preset, clOlive);
  EXPECT_EQ(sel->Colors(4), answer);
  EXPECT_EQ(sel->SelColor(), answer);
  const std::string name = U8(ColorToString(answer));
  EXPECT_EQ(log,
            (std::vector<std::string>{"dialog", "change clOlive", "name " + name, "dropdown"}));
  EXPECT_EQ(U8(sel->ColorNames(4)), name);
  EXPECT_EQ(U8(sel->Items()->Strings(3)), name);
  EXPECT_EQ(listsShown, 1);  // the list drops down afterwards
  EXPECT_EQ(At(sel->ItemRect().Left + 8, sel->ItemRect().Top + 12), answer);
}

TEST_F(ColSelDialogTest, CancellingChangesNothing) {
  accept = false;
  headless::Click(sel, 10, 8);
  EXPECT_EQ(sel->Colors(4), clOlive);
  EXPECT_EQ(log, (std::vector<std::string>{"dialog", "dropdown"}));
}

TEST_F(ColSelDialogTest, OnlyTheBarOfAnEditableEntryOpensTheDialog) {
  headless::MouseMove(sel, {}, 60, 8);
  EXPECT_EQ(sel->MouseAreaCode(), 0);
  headless::Click(sel, 60, 8);
  CountShownList();
  EXPECT_EQ(log, (std::vector<std::string>{"dropdown"}));
  log.clear();
  sel->SetColorEditAllowed(4, false);
  headless::Click(sel, 10, 8);
  CountShownList();
  EXPECT_EQ(log, (std::vector<std::string>{"dropdown"}));
  EXPECT_EQ(listsShown, 2);
}

// ---------------------------------------------------------------- form files

TEST_F(ColSelTest, FormFilesStoreOnlyWhatWasSet) {
  TColSel fresh(nullptr);
  String text = WriteComponentToText(&fresh);
  for (const char16_t* name : {u"Items", u"ItemIndex", u"Style", u"Text", u"NumColors", u"SelColor",
                               u"ColorBarWidth", u"Enabled"}) {
    EXPECT_EQ(text.find(String(name)), String::npos) << U8(name) << "\n" << U8(text);
  }
  sel->SetName(u"Colors1");
  sel->LoadBasicVGAPalette();
  sel->SetSelColor(clRed);
  sel->SetColorBarWidth(18);
  std::unique_ptr<TComponent> back(ReadComponentFromText(WriteComponentToText(sel)));
  auto* copy = dynamic_cast<TColSel*>(back.get());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->NumColors(), 16);
  EXPECT_EQ(copy->SelColor(), clRed);
  EXPECT_EQ(copy->SelColorIx(), 10);
  EXPECT_EQ(copy->ItemIndex(), 9);
  EXPECT_EQ(copy->ColorBarWidth(), 18);
  EXPECT_EQ(copy->Items()->Count(), 16);
}

}  // namespace
}  // namespace colseltest
