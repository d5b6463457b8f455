// The on/off button's state: defaults and placement, mouse actions,
// groups, the speed-button mode, user pictures, Assign and form files.
#include <filesystem>

#include "OnOffButTestSupport.h"
#include "platform/Buttons.h"
#include "platform/Streaming.h"

namespace onofftest {
namespace {

TEST(OnOffDefaults, ANewButtonKeepsItsSpacesUntilItIsResizedOnAParent) {
  TOnOffBut b(nullptr);
  EXPECT_TRUE(b.OnOff());
  EXPECT_EQ(b.ButtonStyle(), oobsColSlideLR);
  EXPECT_EQ(b.Mode(), oobmNormalBut);
  EXPECT_EQ(b.MouseAction(), oomaFocused);
  EXPECT_EQ(b.Width(), 100);
  EXPECT_EQ(b.Height(), 50);
  EXPECT_EQ(b.GlyphWidth(), 30);
  EXPECT_EQ(b.GlyphHeight(), 18);
  EXPECT_EQ(b.LeftSpace(), 35);
  EXPECT_EQ(b.TopSpace(), 18);
  EXPECT_EQ(b.FrameStyle(), fsLowered);
  EXPECT_EQ(b.LeftTextAlignment(), taRightJustify);
  EXPECT_EQ(b.RightTextAlignment(), taLeftJustify);
  EXPECT_EQ(b.ColorBackgnd(), clBtnFace);
  // The default user pictures: a cross (off) and a circle (on).
  EXPECT_EQ(b.UserPicture(1)->Width(), 20);
  EXPECT_EQ(b.UserPicture(1)->Canvas()->Pixels(10, 10), clBlack);
  EXPECT_EQ(b.UserPicture(3)->Canvas()->Pixels(5, 10), clBlack);
  EXPECT_EQ(b.UserPicture(3)->Canvas()->Pixels(10, 10), clWhite);
  for (int i : {0, 2}) {
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 20; ++x)
        ASSERT_EQ(b.UserPicture(i)->Canvas()->Pixels(x, y), onoff::SeeThrough);
    }
  }
}

TEST_F(OnOffTest, TheFirstResizeOnAParentCentresThePicture) {
  auto* b = new TOnOffBut(form.get());
  b->SetParent(form.get());
  EXPECT_EQ(b->TopSpace(), 18);
  b->SetBounds(8, 8, 100, 50);  // placed: moving counts as resizing
  EXPECT_EQ(b->LeftSpace(), 35);
  EXPECT_EQ(b->TopSpace(), 16);
  b->SetAutoCenter(false);
  b->SetTopSpace(3);
  b->SetBounds(0, 0, 100, 51);
  EXPECT_EQ(b->TopSpace(), 3);
  b->SetAutoCenter(true);
  EXPECT_EQ(b->TopSpace(), 16);
  b->SetButtonStyle(oobsBulb);  // 39 × 49
  EXPECT_EQ(b->LeftSpace(), (100 - 39) / 2);
  EXPECT_EQ(b->TopSpace(), (51 - 49) / 2);
}

TEST_F(OnOffTest, SpacesFollowAutoCenter) {
  button->SetLeftSpace(3);  // centred: the value is discarded
  EXPECT_EQ(button->LeftSpace(), 35);
  button->SetAutoCenter(false);
  button->SetLeftSpace(3);
  EXPECT_EQ(button->LeftSpace(), 3);
  button->SetLeftSpace(-1);
  EXPECT_EQ(button->LeftSpace(), 3);
  button->SetLeftSpace(500);
  EXPECT_EQ(button->LeftSpace(), 100);
  button->SetTopSpace(500);
  EXPECT_EQ(button->TopSpace(), 50);
  button->SetWidth(160);  // no recentring now
  EXPECT_EQ(button->LeftSpace(), 100);
  button->SetAutoCenter(true);
  EXPECT_EQ(button->LeftSpace(), 65);
  EXPECT_EQ(button->TopSpace(), 16);
}

// The hit rule of each mouse action, on a press and the release at the
// same point.
TEST_F(OnOffTest, PressesToggleWhereTheMouseActionAccepts) {
  const int ls = button->LeftSpace(), ts = button->TopSpace();
  struct Case {
    TOOButMouseAction Action;
    int X, Y;
    bool Toggles;
  } cases[] = {
      {oomaFocused, ls, ts + 5, false},
      {oomaFocused, ls + 1, ts + 5, true},
      {oomaFocused, ls + 29, ts + 17, true},
      {oomaFocused, ls + 30, ts + 5, false},
      {oomaFocused, 3, 3, false},
      {oomaPlain, 3, 3, true},
      {oomaPlain, ls + 5, ts + 5, true},
      {oomaNone, ls + 5, ts + 5, false},
  };
  for (const Case& c : cases) {
    button->SetMouseAction(c.Action);
    const bool before = button->OnOff();
    clicks = 0;
    headless::Click(button, c.X, c.Y);
    EXPECT_EQ(button->OnOff() != before, c.Toggles) << int(c.Action) << " " << c.X << "," << c.Y;
    EXPECT_EQ(clicks, c.Toggles ? 1 : 0) << "OnClick only from an accepted release";
  }
}

TEST_F(OnOffTest, OnlyTheLeftButtonCountsAndMouseEventsComeFirst) {
  std::vector<std::string> log;
  button->SetOnMouseDown([&](TObject*, TMouseButton, TShiftState, int, int) {
    log.push_back(button->OnOff() ? "down:on" : "down:off");
  });
  button->SetOnMouseUp([&](TObject*, TMouseButton, TShiftState, int, int) { log.push_back("up"); });
  button->SetOnClick([&](TObject*) { log.push_back("click"); });
  TPoint p = Inside(*button);
  headless::MouseDown(button, mbRight, {}, p.X, p.Y);
  headless::MouseUp(button, mbRight, {}, p.X, p.Y);
  EXPECT_TRUE(button->OnOff());
  log.clear();
  headless::Click(button, p.X, p.Y);
  EXPECT_FALSE(button->OnOff());
  EXPECT_EQ(log, (std::vector<std::string>{"down:on", "up", "click"}));
}

TEST_F(OnOffTest, AGroupKeepsAtMostOneButtonOn) {
  TOnOffBut* b2 = Make(10, 70);
  TOnOffBut* b3 = Make(10, 130);
  for (auto* b : {button, b2, b3}) b->SetGroupIndex(1);
  // Setting the group index broadcast each button's state: the last one set wins.
  EXPECT_FALSE(button->OnOff());
  EXPECT_FALSE(b2->OnOff());
  EXPECT_TRUE(b3->OnOff());
  ClickInside(button);
  EXPECT_TRUE(button->OnOff());
  EXPECT_FALSE(b3->OnOff());
  b2->SetOnOff(true);
  EXPECT_FALSE(button->OnOff());
  EXPECT_TRUE(b2->OnOff());
  ClickInside(b2);  // all off is allowed by default
  EXPECT_FALSE(b2->OnOff());
}

TEST_F(OnOffTest, WithoutAllOffTheButtonThatIsOnStaysOn) {
  TOnOffBut* b2 = Make(10, 70);
  TOnOffBut* b3 = Make(10, 130);
  for (auto* b : {button, b2, b3}) b->SetGroupIndex(1);
  b2->SetOnOff(true);
  button->SetAllowAllOff(false);  // passed on to the group
  EXPECT_FALSE(b2->AllowAllOff());
  EXPECT_FALSE(b3->AllowAllOff());
  clicks = 0;
  ClickInside(b2);
  EXPECT_TRUE(b2->OnOff());
  EXPECT_EQ(clicks, 1);  // the release still counts
  b2->SetOnOff(false);
  EXPECT_TRUE(b2->OnOff());
  ClickInside(b3);
  EXPECT_TRUE(b3->OnOff());
  EXPECT_FALSE(b2->OnOff());
}

TEST_F(OnOffTest, NegativeGroupsNeverMatch) {
  TOnOffBut* b2 = Make(10, 70);
  button->SetGroupIndex(-1);
  b2->SetGroupIndex(-1);
  button->SetOnOff(false);
  button->SetOnOff(true);
  EXPECT_TRUE(b2->OnOff());
}

TEST_F(OnOffTest, SpeedButtonsOfTheSameGroupIndexAreLeftAlone) {
  auto* speed = new TSpeedButton(form.get());
  speed->SetParent(form.get());
  speed->SetBounds(200, 10, 23, 22);
  speed->SetGroupIndex(1);
  speed->SetDown(true);
  button->SetGroupIndex(1);
  button->SetOnOff(false);
  ClickInside(button);
  EXPECT_TRUE(button->OnOff());
  EXPECT_TRUE(speed->Down());
  headless::Click(speed, 5, 5);
  EXPECT_TRUE(button->OnOff());
}

TEST_F(OnOffTest, ASpeedButtonIsOnOnlyWhileHeld) {
  button->SetMode(oobmSpeedBut);
  EXPECT_FALSE(button->OnOff());
  TPoint p = Inside(*button);
  headless::MouseDown(button, mbLeft, {}, p.X, p.Y);
  EXPECT_TRUE(button->OnOff());
  headless::MouseUp(button, mbLeft, {}, p.X, p.Y);
  EXPECT_FALSE(button->OnOff());
  EXPECT_EQ(clicks, 1);
  // A press beside the picture does nothing; the release inside still
  // switches off and clicks.
  headless::MouseDown(button, mbLeft, {}, 2, 2);
  EXPECT_FALSE(button->OnOff());
  headless::MouseUp(button, mbLeft, {}, p.X, p.Y);
  EXPECT_FALSE(button->OnOff());
  EXPECT_EQ(clicks, 2);
}

TEST_F(OnOffTest, UserPicturesSetTheirSize) {
  TBitmap sheet(20, 16);                                       // four pictures of 10 × 8
  const TColor colors[4] = {clRed, clLime, clBlue, clYellow};  // by quadrant index below
  for (int i = 0; i < 4; ++i) {
    TRect q = onoff::QuadrantRect(i, 20, 16);
    sheet.Canvas()->Brush()->SetColor(colors[i]);
    sheet.Canvas()->FillRect(q);
  }
  button->SetUserGlyph(&sheet);
  EXPECT_EQ(button->GlyphWidth(), 30);  // the style shown is unchanged
  button->SetButtonStyle(oobsUser);
  EXPECT_EQ(button->GlyphWidth(), 10);
  EXPECT_EQ(button->GlyphHeight(), 8);
  EXPECT_EQ(button->LeftSpace(), 45);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(button->StatePicture(i)->Canvas()->Pixels(5, 4), colors[i]) << i;
  }
  EXPECT_THROW(button->SetUserGlyph(nullptr), EVYRError);
  TBitmap tiny(1, 5);
  EXPECT_THROW(button->SetUserGlyph(&tiny), EVYRError);
  EXPECT_EQ(button->UserPicture(0)->Width(), 10);
}

TEST_F(OnOffTest, UserPicturesLoadFromAFileOrStayAsTheyWere) {
  std::filesystem::create_directories(VYR_TEST_TMP);
  const std::string path = std::string(VYR_TEST_TMP) + "/onoff_user.bmp";
  TBitmap sheet(24, 24);
  sheet.Canvas()->Brush()->SetColor(clTeal);
  sheet.Canvas()->FillRect(Rect(0, 0, 24, 24));
  sheet.SaveToFile(FromUTF8(path));
  button->SetButtonStyle(oobsUser);
  button->LoadUserGlyph(FromUTF8(path));
  EXPECT_EQ(button->GlyphWidth(), 12);
  EXPECT_EQ(button->StatePicture(3)->Canvas()->Pixels(0, 0), clTeal);
  EXPECT_ANY_THROW(button->LoadUserGlyph(FromUTF8(path + ".missing")));
  EXPECT_EQ(button->GlyphWidth(), 12);
  EXPECT_EQ(button->UserPicture(1)->Canvas()->Pixels(11, 11), clTeal);
}

TEST_F(OnOffTest, AssignCopiesTheLookButNotTheGroup) {
  TOnOffBut* source = Make(200, 10);
  source->SetButtonStyle(oobsBulb);
  source->SetOnOff(false);
  source->SetLeftText(u"left");
  source->SetBottomTextAlignment(taRightJustify);
  source->SetColorScheme(csSystem);
  source->SetTransparent(true);
  source->SetEnabled(false);
  source->SetGroupIndex(4);
  source->SetMode(oobmSpeedBut);
  button->Assign(source);
  EXPECT_EQ(button->ButtonStyle(), oobsBulb);
  EXPECT_EQ(button->GlyphWidth(), 39);
  EXPECT_FALSE(button->OnOff());
  EXPECT_EQ(U8(button->LeftText()), "left");
  EXPECT_EQ(button->BottomTextAlignment(), taRightJustify);
  EXPECT_EQ(button->ColGrayLine(), clBtnShadow);
  EXPECT_TRUE(button->Transparent());
  EXPECT_FALSE(button->Enabled());
  EXPECT_EQ(button->GroupIndex(), 0);
  EXPECT_EQ(button->Mode(), oobmNormalBut);
  EXPECT_EQ(button->StatePicture(1)->Width(), 39);
  TPersistent* other = form.get();
  EXPECT_THROW(button->Assign(other), EConvertError);
}

TEST_F(OnOffTest, FormFilesStoreOnlyWhatWasSet) {
  TOnOffBut fresh(nullptr);
  String text = WriteComponentToText(&fresh);
  for (const char16_t* name :
       {u"OnOff", u"ButtonStyle", u"LeftSpace", u"TopSpace", u"FrameStyle", u"ColorBackgnd",
        u"Enabled", u"AutoCenter", u"LeftTextAlignment", u"ColorScheme", u"Mode"}) {
    EXPECT_EQ(text.find(String(name) + u" ="), String::npos) << U8(name);
  }
  button->SetName(u"Switch1");
  button->SetButtonStyle(oobsLedRedGreen);
  button->SetAutoCenter(false);
  button->SetLeftSpace(7);
  button->SetGroupIndex(2);
  button->SetOnOff(false);
  button->SetAllowAllOff(false);
  button->SetRightText(u"power");
  button->SetColorBackgnd(clAqua);
  String stored = WriteComponentToText(button);
  std::unique_ptr<TComponent> back(ReadComponentFromText(stored));
  auto* copy = dynamic_cast<TOnOffBut*>(back.get());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->ButtonStyle(), oobsLedRedGreen);
  EXPECT_EQ(copy->GlyphWidth(), 14);
  EXPECT_FALSE(copy->AutoCenter());
  EXPECT_EQ(copy->LeftSpace(), 7);
  EXPECT_EQ(copy->GroupIndex(), 2);
  EXPECT_FALSE(copy->OnOff());
  EXPECT_FALSE(copy->AllowAllOff());
  EXPECT_EQ(U8(copy->RightText()), "power");
  EXPECT_EQ(copy->ColorBackgnd(), clAqua);
}

}  // namespace
}  // namespace onofftest
