// The published properties of the platform's own classes.
#include "platform/Streaming.h"
#include "platform/streaming/Registry.h"

namespace vcl::streaming {

namespace {

void RegisterComponentClasses() {
  RegisterClass<TPersistent, void>(u"TPersistent");
  // The name is written in the object line, so as a property it is only read.
  RegisterClass<TComponent, TPersistent>(u"TComponent")
      .Property(u"Name", &TComponent::Name, &TComponent::SetName).Stored(false)
      .Property(u"Tag", &TComponent::Tag, &TComponent::SetTag, 0);
}

}  // namespace

void RegisterPlatformClasses() {
  RegisterComponentClasses();
}

}  // namespace vcl::streaming
