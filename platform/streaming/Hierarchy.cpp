#include "platform/streaming/Hierarchy.h"

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/Menus.h"

namespace vcl::streaming {

// Controls go on windowed controls; menu items into the menu or item
// whose object holds theirs.
void SetParentOf(TComponent& Child, TComponent& Parent) {
  if (auto* item = dynamic_cast<TMenuItem*>(&Child)) {
    if (auto* menu = dynamic_cast<TMenu*>(&Parent)) {
      menu->Items()->Add(item);
    } else if (auto* parentItem = dynamic_cast<TMenuItem*>(&Parent)) {
      parentItem->Add(item);
    }
    return;
  }
  auto* control = dynamic_cast<TControl*>(&Child);
  auto* parent = dynamic_cast<TWinControl*>(&Parent);
  if (control != nullptr && parent != nullptr) control->SetParent(parent);
}

namespace {

// Menu items placed in a menu are written inside it, not at the top.
bool WrittenAtTop(TComponent* C) {
  if (dynamic_cast<TControl*>(C) != nullptr) return false;
  auto* item = dynamic_cast<TMenuItem*>(C);
  return item == nullptr || item->Parent() == nullptr;
}

void AddSubItems(TMenuItem* Item, TComponent& Root, std::vector<TComponent*>& Children) {
  for (int i = 0; i < Item->Count(); ++i) {
    TMenuItem* sub = Item->Items(i);
    if (sub->Owner() == &Root) Children.push_back(sub);
  }
}

}  // namespace

// Controls without a parent are not written: they are not part of what the
// form shows.
std::vector<TComponent*> WrittenChildren(TComponent& Object, TComponent& Root) {
  std::vector<TComponent*> children;
  if (&Object == &Root) {
    for (int i = 0; i < Root.ComponentCount(); ++i) {
      TComponent* c = Root.Components(i);
      if (WrittenAtTop(c)) children.push_back(c);
    }
  }
  if (auto* menu = dynamic_cast<TMenu*>(&Object)) AddSubItems(menu->Items(), Root, children);
  if (auto* item = dynamic_cast<TMenuItem*>(&Object)) AddSubItems(item, Root, children);
  if (auto* parent = dynamic_cast<TWinControl*>(&Object)) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
      TControl* c = parent->Controls(i);
      if (c->Owner() == &Root) children.push_back(c);
    }
  }
  return children;
}

void FinishReading(TComponent& Root) {
  if (auto* form = dynamic_cast<TCustomForm*>(&Root)) form->DoCreate();
}

}  // namespace vcl::streaming
