// The style services of a platform that draws the classic system look only.
#include <gtest/gtest.h>

#include "platform/Themes.h"

using namespace vcl;

TEST(StyleServices, NoVisualStyleIsEverActive) {
  EXPECT_FALSE(StyleServices()->Enabled());
  EXPECT_FALSE(StyleServices()->Available());
  EXPECT_TRUE(StyleServices()->IsSystemStyle());
  EXPECT_FALSE(TStyleManager::IsCustomStyleActive());
  EXPECT_EQ(StyleServices(), StyleServices());  // one object for the process
}

TEST(StyleServices, SystemColorsKeepTheirValue) {
  for (TColor c : {clBtnFace, clWindow, clHighlight, clRed, TColor{0x00123456}}) {
    EXPECT_EQ(StyleServices()->GetSystemColor(c), c);
  }
}

TEST(StyleServices, ElementColorsAreTheClassicSystemColors) {
  // Surfaces that hold text or data are window-colored, the rest of the
  // chrome is button-face colored.
  for (TStyleColor c : {scWindow, scEdit, scListBox, scListView, scTreeView, scGrid, scComboBox}) {
    EXPECT_EQ(StyleServices()->GetStyleColor(c), clWindow) << int(c);
  }
  for (TStyleColor c : {scPanel, scButtonNormal, scButtonPressed, scGenericBackground, scSplitter,
                        scEditDisabled, scPanelDisabled}) {
    EXPECT_EQ(StyleServices()->GetStyleColor(c), clBtnFace) << int(c);
  }
  EXPECT_EQ(StyleServices()->GetStyleColor(scHintGradientBase), clInfoBk);
  EXPECT_EQ(StyleServices()->GetStyleColor(scBorder), clWindowFrame);
}

TEST(StyleServices, TextColorsFollowStateThenElement) {
  for (TStyleFont f : {sfPanelTextDisabled, sfButtonTextDisabled, sfEditBoxTextDisabled,
                       sfTreeItemTextDisabled, sfWindowTextDisabled, sfTextLabelDisabled}) {
    EXPECT_EQ(StyleServices()->GetStyleFontColor(f), clGrayText) << int(f);
  }
  for (TStyleFont f : {sfListItemTextSelected, sfGridItemSelected, sfTreeItemTextSelected,
                       sfPopupMenuItemTextHot}) {
    EXPECT_EQ(StyleServices()->GetStyleFontColor(f), clHighlightText) << int(f);
  }
  for (TStyleFont f : {sfPanelTextNormal, sfButtonTextNormal, sfCheckBoxTextNormal,
                       sfGridItemFixedNormal, sfToolItemTextNormal, sfTabTextActiveNormal}) {
    EXPECT_EQ(StyleServices()->GetStyleFontColor(f), clBtnText) << int(f);
  }
  for (TStyleFont f : {sfWindowTextNormal, sfEditBoxTextNormal, sfGridItemNormal,
                       sfListItemTextNormal, sfTreeItemTextNormal, sfTextLabelNormal}) {
    EXPECT_EQ(StyleServices()->GetStyleFontColor(f), clWindowText) << int(f);
  }
  EXPECT_EQ(StyleServices()->GetStyleFontColor(sfPopupMenuItemTextNormal), clMenuText);
  EXPECT_EQ(StyleServices()->GetStyleFontColor(sfCaptionTextInactive), clInactiveCaptionText);
}
