#include "platform/streaming/Hierarchy.h"

#include "platform/Controls.h"

namespace vcl::streaming {

void SetParentOf(TComponent& Child, TComponent& Parent) {
  auto* control = dynamic_cast<TControl*>(&Child);
  auto* parent = dynamic_cast<TWinControl*>(&Parent);
  if (control != nullptr && parent != nullptr) control->SetParent(parent);
}

// Controls without a parent are not written: they are not part of what the
// form shows.
std::vector<TComponent*> WrittenChildren(TComponent& Object, TComponent& Root) {
  std::vector<TComponent*> children;
  if (&Object == &Root) {
    for (int i = 0; i < Root.ComponentCount(); ++i) {
      TComponent* c = Root.Components(i);
      if (dynamic_cast<TControl*>(c) == nullptr) children.push_back(c);
    }
  }
  if (auto* parent = dynamic_cast<TWinControl*>(&Object)) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
      TControl* c = parent->Controls(i);
      if (c->Owner() == &Root) children.push_back(c);
    }
  }
  return children;
}

}  // namespace vcl::streaming
