#include "platform/streaming/Hierarchy.h"

namespace vcl::streaming {

void SetParentOf(TComponent&, TComponent&) {}

std::vector<TComponent*> WrittenChildren(TComponent& Object, TComponent& Root) {
  std::vector<TComponent*> children;
  if (&Object != &Root) return children;
  for (int i = 0; i < Root.ComponentCount(); ++i) children.push_back(Root.Components(i));
  return children;
}

}  // namespace vcl::streaming
