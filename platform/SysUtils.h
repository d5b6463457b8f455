// Run-time library: exceptions, and (below) text and number conversion.
#pragma once

#include <exception>
#include <string>

#include "platform/Types.h"

namespace vcl {

// Root of every error the framework and the components raise. The message
// is UTF-16 text; what() gives it in UTF-8.
class Exception : public std::exception {
 public:
  explicit Exception(String Msg);
  explicit Exception(std::string_view Utf8Msg);
  const String& Message() const { return FMessage; }
  void SetMessage(const String& Value);
  const char* what() const noexcept override { return FUtf8.c_str(); }

 private:
  String FMessage;
  std::string FUtf8;
};

#define VCL_DECLARE_EXCEPTION(Name, Base) \
  class Name : public Base {              \
   public:                                \
    using Base::Base;                     \
  }

VCL_DECLARE_EXCEPTION(EAbort, Exception);
VCL_DECLARE_EXCEPTION(EConvertError, Exception);
VCL_DECLARE_EXCEPTION(EInOutError, Exception);
VCL_DECLARE_EXCEPTION(EOutOfMemory, Exception);
VCL_DECLARE_EXCEPTION(EInvalidOperation, Exception);
VCL_DECLARE_EXCEPTION(EInvalidPointer, Exception);
VCL_DECLARE_EXCEPTION(EArgumentException, Exception);
VCL_DECLARE_EXCEPTION(EListError, Exception);
VCL_DECLARE_EXCEPTION(EComponentError, Exception);
VCL_DECLARE_EXCEPTION(EStreamError, Exception);
VCL_DECLARE_EXCEPTION(EReadError, EStreamError);
VCL_DECLARE_EXCEPTION(EWriteError, EStreamError);
VCL_DECLARE_EXCEPTION(EFOpenError, EStreamError);
VCL_DECLARE_EXCEPTION(EFCreateError, EStreamError);

// UTF-16 literal helper for messages built from narrow literals.
inline String Str(std::string_view Utf8) { return FromUTF8(Utf8); }

}  // namespace vcl
