// One run of a popup menu on the X11 host (internal): the levels shown
// (the menu and the open sub-menus, each an override-redirect window), the
// highlighted items, and the item chosen.
//
//   pointer   moving highlights the item under it and opens its sub-menu;
//             releasing on an enabled item chooses it (once the pointer has
//             moved or pressed inside, so the release of the press that
//             opened the menu does not choose); a press outside closes.
//   keys      Up/Down/Home/End move, Right/Enter open a sub-menu, Left or
//             Escape close one level (Escape on the first closes all),
//             Enter or Space choose, a letter marked with '&' chooses its item.
#pragma once

#include <memory>
#include <vector>

#include "platform/Menus.h"
#include "platform/hosts/x11/X11Host.h"

namespace vcl::x11 {

// The caption as shown: "&&" is '&', a single '&' marks the next letter
// as the item's key (returned in Key, lower case; 0 when none).
String MenuCaptionText(const String& Caption, char16_t* Key = nullptr);

class TX11Popups::MenuRun {
 public:
  // The sub-items of Root, the first level placed at At by Alignment.
  MenuRun(TX11Host& Host, TMenuItem* Root, TPopupAlignment Alignment, TPoint At);
  ~MenuRun();
  MenuRun(const MenuRun&) = delete;
  MenuRun& operator=(const MenuRun&) = delete;

  // Opens the first level and grabs the pointer and keyboard; false when
  // the menu has no visible item.
  bool Start();
  bool IsOpen() const { return FOpen; }
  TMenuItem* Chosen() const { return FChosen; }
  // Takes every pointer and key event while open; true when taken.
  bool Handle(XEvent& E);
  ::Window Innermost() const;
  void CursorChanged(::Cursor C);

 private:
  struct Level;

  bool OpenLevel(TMenuItem* Parent, TPoint At, const TRect* Beside);
  void CloseLevelsAfter(std::size_t Index);
  void Layout(Level& L);
  void Paint(Level& L);
  void Show(Level& L);
  int ItemAt(const Level& L, TPoint Screen) const;
  Level* LevelOf(::Window W);
  void SetHighlight(std::size_t Index, int Item);
  void OpenSubmenu(std::size_t Index, bool SelectFirst);
  void Activate(std::size_t Index, int Item);
  void Step(int Direction);
  void OnMove(TPoint Screen);
  void OnPress(TPoint Screen);
  void OnRelease(TPoint Screen);
  void OnKey(XKeyEvent& E);
  void Finish(TMenuItem* Item);

  TX11Host& FHost;
  TMenuItem* FRoot;
  TPopupAlignment FAlignment;
  TPoint FAt;
  std::vector<std::unique_ptr<Level>> FLevels;
  bool FOpen = false;
  bool FArmed = false;
  bool FGrabbed = false;
  TMenuItem* FChosen = nullptr;
};

}  // namespace vcl::x11
