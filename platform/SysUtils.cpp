#include "platform/SysUtils.h"

#include <utility>

namespace vcl {

TFormatSettings FormatSettings;

Exception::Exception(String Msg) : FMessage(std::move(Msg)), FUtf8(ToUTF8(FMessage)) {}

Exception::Exception(std::string_view Utf8Msg) : FMessage(FromUTF8(Utf8Msg)), FUtf8(Utf8Msg) {}

void Exception::SetMessage(const String& Value) {
  FMessage = Value;
  FUtf8 = ToUTF8(Value);
}

}  // namespace vcl
