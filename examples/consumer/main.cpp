// Uses the installed package: a component with an owner.
#include <cstdio>
#include <memory>

#include "foundation/VYR_version.h"
#include "platform/Classes.h"

int main() {
  auto owner = std::make_unique<vcl::TComponent>(nullptr);
  auto* child = new vcl::TComponent(owner.get());
  child->SetName(u"Child1");
  bool ok = owner->FindComponent(u"child1") == child;
  std::printf("vyrguipack %s: %s\n", vyr::PackageVersion(), ok ? "ok" : "FAILED");
  return ok ? 0 : 1;
}
