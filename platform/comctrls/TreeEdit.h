// The tree view's label editor, shared by its implementation files.
#pragma once

#include "platform/ComCtrls.h"
#include "platform/StdCtrls.h"
#include "platform/controls/Internal.h"

namespace vcl {

// The edit field over the label being edited.
class TTreeEdit : public TEdit {
 public:
  explicit TTreeEdit(TCustomTreeView* Tree) : TEdit(nullptr), FTree(Tree) {
    SetAutoSize(false);
    SetAutoSelect(true);
    SetTabStop(false);
    SetParentCtl3D(false);
    SetCtl3D(false);
    SetVisible(false);
  }

 protected:
  void WMGetDlgCode(TMessage& Message) override {
    TEdit::WMGetDlgCode(Message);
    Message.Result |= DLGC_WANTALLKEYS;
  }
  void KeyDown(std::uint16_t& Key, TShiftState Shift) override {
    TEdit::KeyDown(Key, Shift);
    if (Key == VK_RETURN || Key == VK_ESCAPE) {
      bool cancel = Key == VK_ESCAPE;
      Key = 0;
      FTree->EndEdit(cancel);
    }
  }
  void KeyPress(char16_t& Key) override {
    TEdit::KeyPress(Key);
    if (Key == u'\r' || Key == 27) Key = 0;  // the key already ended editing
  }
  void DoExit() override {
    TEdit::DoExit();
    if (detail::IsAlive(FTree) && FTree->IsEditing()) FTree->EndEdit(false);
  }

 private:
  TCustomTreeView* FTree;
};

}  // namespace vcl
