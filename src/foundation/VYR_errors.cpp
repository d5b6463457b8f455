#include "foundation/VYR_errors.h"

#include <string>

namespace vyr {

namespace {
vcl::String Num(int Value) { return vcl::FromUTF8(std::to_string(Value)); }
}  // namespace

vcl::String ComponentMessage(const vcl::String& Name, const vcl::String& Reason) {
  return u"Component \"" + Name + u"\": " + Reason;
}

vcl::String ComponentMessage(const vcl::TComponent& Component, const vcl::String& Reason) {
  return ComponentMessage(Component.Name(), Reason);
}

vcl::String NotEnoughMemoryMessage(const vcl::TComponent& Component) {
  return ComponentMessage(Component, u"not enough memory on heap");
}

vcl::String InitFailedMessage(const vcl::TComponent& Component) {
  return ComponentMessage(Component, u"failed to initialize (out of memory)");
}

vcl::String TableEditorInitFailedMessage(const vcl::TComponent& Component) {
  return ComponentMessage(Component, u"failed to initialize table editor (out of memory)");
}

vcl::String NoTimerMessage(const vcl::TComponent& Component) {
  return ComponentMessage(Component, u"no timer available");
}

vcl::String InvalidNumericStringMessage(const vcl::String& ClassName, int Col, int Row,
                                        const vcl::String& Text) {
  return u"Class " + ClassName + u": invalid numeric string: [" + Num(Col) + u"," + Num(Row) +
         u"]: " + Text;
}

}  // namespace vyr
