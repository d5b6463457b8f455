// Menus in form files: a menu's items are objects nested in the menu's
// object, sub-items in their item's (platform/streaming/Hierarchy.cpp
// places them). ShortCut is stored as its number (Ctrl+S: 16467).
#include "platform/ImgList.h"
#include "platform/Menus.h"
#include "platform/Streaming.h"

namespace vcl {

namespace {

bool RegisterMenus() {
  RegisterEnum<TPopupAlignment>({u"paLeft", u"paRight", u"paCenter"});
  RegisterClass<TMenuItem, TComponent>(u"TMenuItem")
      .Property(u"Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
      .Property(u"Checked", &TMenuItem::Checked, &TMenuItem::SetChecked, false)
      .Property(u"Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled, true)
      .Property(u"Visible", &TMenuItem::Visible, &TMenuItem::SetVisible, true)
      .Property(u"RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem, false)
      .Property(u"GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex, std::uint8_t{0})
      .Property(u"AutoCheck", &TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck, false)
      .Property(u"Default", &TMenuItem::Default, &TMenuItem::SetDefault, false)
      .Property(u"ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut, TShortCut{0})
      .Property(u"Hint", &TMenuItem::Hint, &TMenuItem::SetHint)
      .Property(u"ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex, -1)
      .Nested(u"Bitmap", [](TMenuItem& m) { return m.Bitmap(); })
      .Event(u"OnClick", &TMenuItem::OnClick, &TMenuItem::SetOnClick);
  RegisterClass<TMenu, TComponent>(u"TMenu")
      .Reference(u"Images", &TMenu::Images, &TMenu::SetImages);
  RegisterClass<TMainMenu, TMenu>(u"TMainMenu")
      .Property(u"AutoMerge", &TMainMenu::AutoMerge, &TMainMenu::SetAutoMerge, false);
  RegisterClass<TPopupMenu, TMenu>(u"TPopupMenu")
      .Property(u"Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment, paLeft)
      .Property(u"AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup, true)
      .Event(u"OnPopup", &TPopupMenu::OnPopup, &TPopupMenu::SetOnPopup);
  return true;
}

const bool registered = RegisterMenus();

}  // namespace

}  // namespace vcl
