// Visual style services. Controls ask whether a visual style is active and,
// when one is, take its colors instead of their own. This platform draws
// every control in the classic system look: no custom style is ever
// active, so StyleServices()->Enabled() is false and the colors it answers
// are the system colors the classic look uses (clWindow for scWindow,
// clWindowText for sfPanelTextNormal, ...), which keeps code written for
// styled and unstyled paths correct on both.
#pragma once

#include <cstdint>

#include "platform/Graphics.h"

namespace vcl {

// Element colors of a style, in the framework's order.
enum TStyleColor : std::uint8_t {
  scBorder, scButtonDisabled, scButtonFocused, scButtonHot, scButtonNormal, scButtonPressed,
  scCategoryButtons, scCategoryButtonsGradientBase, scCategoryButtonsGradientEnd,
  scCategoryPanelGroup, scComboBox, scComboBoxDisabled, scEdit, scEditDisabled, scGrid,
  scGenericBackground, scGenericGradientBase, scGenericGradientEnd, scHintGradientBase,
  scHintGradientEnd, scListBox, scListBoxDisabled, scListView, scPanel, scPanelDisabled,
  scSplitter, scToolBarGradientBase, scToolBarGradientEnd, scTreeView, scWindow
};

// Text colors of a style's elements and states.
enum TStyleFont : std::uint8_t {
  sfButtonTextDisabled, sfButtonTextFocused, sfButtonTextHot, sfButtonTextNormal,
  sfButtonTextPressed, sfCaptionTextInactive, sfCaptionTextNormal,
  sfCategoryPanelGroupHeaderHot, sfCategoryPanelGroupHeaderNormal,
  sfCategoryButtonsCategoryNormal, sfCategoryButtonsCategorySelected, sfCategoryButtonsHot,
  sfCategoryButtonsNormal, sfCategoryButtonsSelected, sfCheckBoxTextDisabled,
  sfCheckBoxTextFocused, sfCheckBoxTextHot, sfCheckBoxTextNormal, sfCheckBoxTextPressed,
  sfComboBoxItemDisabled, sfComboBoxItemFocused, sfComboBoxItemHot, sfComboBoxItemNormal,
  sfComboBoxItemSelected, sfEditBoxTextDisabled, sfEditBoxTextFocused, sfEditBoxTextHot,
  sfEditBoxTextNormal, sfEditBoxTextSelected, sfGridItemFixedHot, sfGridItemFixedNormal,
  sfGridItemFixedPressed, sfGridItemNormal, sfGridItemSelected, sfGroupBoxTextDisabled,
  sfGroupBoxTextNormal, sfHeaderSectionTextDisabled, sfHeaderSectionTextHot,
  sfHeaderSectionTextNormal, sfHeaderSectionTextPressed, sfListItemTextDisabled,
  sfListItemTextFocused, sfListItemTextHot, sfListItemTextNormal, sfListItemTextSelected,
  sfMenuItemTextDisabled, sfMenuItemTextHot, sfMenuItemTextNormal, sfMenuItemTextSelected,
  sfPanelTextDisabled, sfPanelTextNormal, sfPopupMenuItemTextDisabled,
  sfPopupMenuItemTextHot, sfPopupMenuItemTextNormal, sfPopupMenuItemTextSelected,
  sfRadioButtonTextDisabled, sfRadioButtonTextFocused, sfRadioButtonTextHot,
  sfRadioButtonTextNormal, sfRadioButtonTextPressed, sfSmCaptionTextInactive,
  sfSmCaptionTextNormal, sfStatusPanelTextDisabled, sfStatusPanelTextNormal,
  sfTabTextActiveDisabled, sfTabTextActiveHot, sfTabTextActiveNormal,
  sfTabTextInactiveDisabled, sfTabTextInactiveHot, sfTabTextInactiveNormal,
  sfTextLabelDisabled, sfTextLabelFocused, sfTextLabelHot, sfTextLabelNormal,
  sfToolItemTextDisabled, sfToolItemTextHot, sfToolItemTextNormal, sfToolItemTextSelected,
  sfTreeItemTextDisabled, sfTreeItemTextFocused, sfTreeItemTextHot, sfTreeItemTextNormal,
  sfTreeItemTextSelected, sfWindowTextDisabled, sfWindowTextNormal
};

class TCustomStyleServices {
 public:
  // Lets `StyleServices()->Enabled()` be written as the framework's calls are.
  TCustomStyleServices* operator->() { return this; }
  // Whether a visual style draws the controls; never here.
  bool Enabled() const { return false; }
  bool Available() const { return false; }
  // The classic system look is the only style.
  bool IsSystemStyle() const { return true; }
  const String& Name() const { return FName; }
  // The color a system color has under the style: the color itself.
  TColor GetSystemColor(TColor Color) const { return Color; }
  // The system color the classic look uses for the element.
  TColor GetStyleColor(TStyleColor Color) const;
  TColor GetStyleFontColor(TStyleFont Font) const;

 private:
  String FName = u"Windows";
};

// The process's style services.
TCustomStyleServices* StyleServices();

class TStyleManager {
 public:
  // Whether a style other than the system look is active; never here.
  static bool IsCustomStyleActive() { return false; }
  static bool Enabled() { return false; }
};

}  // namespace vcl
