#include "platform/Themes.h"

#include <array>

namespace vcl {

namespace {

// Element colors of the classic look, indexed by TStyleColor.
constexpr std::array<TColor, scWindow + 1> kStyleColors{
    clWindowFrame, clBtnFace, clBtnFace, clBtnFace, clBtnFace, clBtnFace,  // scBorder .. scButtonPressed
    clBtnFace, clBtnFace, clBtnFace,                                       // scCategoryButtons ..
    clBtnFace, clWindow, clBtnFace, clWindow, clBtnFace, clWindow,         // scCategoryPanelGroup .. scGrid
    clBtnFace, clBtnFace, clBtnFace, clInfoBk,                             // scGenericBackground .. scHintGradientBase
    clInfoBk, clWindow, clBtnFace, clWindow, clBtnFace, clBtnFace,         // scHintGradientEnd .. scPanelDisabled
    clBtnFace, clBtnFace, clBtnFace, clWindow, clWindow};                  // scSplitter .. scWindow

// The text color of an enabled element of the classic look, by the kind of
// element; disabled and selected states are decided before.
TColor NormalTextColor(TStyleFont Font) {
  if (Font <= sfButtonTextPressed) return clBtnText;
  if (Font == sfCaptionTextInactive || Font == sfSmCaptionTextInactive) return clInactiveCaptionText;
  if (Font == sfCaptionTextNormal || Font == sfSmCaptionTextNormal) return clCaptionText;
  if (Font >= sfMenuItemTextDisabled && Font <= sfMenuItemTextSelected) return clMenuText;
  if (Font >= sfPopupMenuItemTextDisabled && Font <= sfPopupMenuItemTextSelected) return clMenuText;
  if (Font >= sfComboBoxItemDisabled && Font <= sfEditBoxTextSelected) return clWindowText;
  if (Font == sfGridItemNormal) return clWindowText;
  if (Font >= sfListItemTextDisabled && Font <= sfListItemTextSelected) return clWindowText;
  if (Font >= sfTextLabelDisabled && Font <= sfTextLabelNormal) return clWindowText;
  if (Font >= sfTreeItemTextDisabled) return clWindowText;  // tree items and windows
  return clBtnText;  // check boxes, radio buttons, panels, tabs, headers, tools, ...
}

bool IsDisabledFont(TStyleFont Font) {
  switch (Font) {
    case sfButtonTextDisabled: case sfCheckBoxTextDisabled: case sfComboBoxItemDisabled:
    case sfEditBoxTextDisabled: case sfGroupBoxTextDisabled: case sfHeaderSectionTextDisabled:
    case sfListItemTextDisabled: case sfMenuItemTextDisabled: case sfPanelTextDisabled:
    case sfPopupMenuItemTextDisabled: case sfRadioButtonTextDisabled:
    case sfStatusPanelTextDisabled: case sfTabTextActiveDisabled: case sfTabTextInactiveDisabled:
    case sfTextLabelDisabled: case sfToolItemTextDisabled: case sfTreeItemTextDisabled:
    case sfWindowTextDisabled:
      return true;
    default:
      return false;
  }
}

bool IsSelectedFont(TStyleFont Font) {
  switch (Font) {
    case sfComboBoxItemSelected: case sfEditBoxTextSelected: case sfGridItemSelected:
    case sfListItemTextSelected: case sfMenuItemTextSelected: case sfMenuItemTextHot:
    case sfPopupMenuItemTextSelected: case sfPopupMenuItemTextHot: case sfTreeItemTextSelected:
    case sfCategoryButtonsSelected: case sfCategoryButtonsCategorySelected:
      return true;
    default:
      return false;
  }
}

}  // namespace

TColor TCustomStyleServices::GetStyleColor(TStyleColor Color) const {
  return Color < kStyleColors.size() ? kStyleColors[Color] : clWindow;
}

TColor TCustomStyleServices::GetStyleFontColor(TStyleFont Font) const {
  if (IsDisabledFont(Font)) return clGrayText;
  if (IsSelectedFont(Font)) return clHighlightText;
  return NormalTextColor(Font);
}

TCustomStyleServices* StyleServices() {
  static TCustomStyleServices services;
  return &services;
}

}  // namespace vcl
