// What the table editor's source files share: the table's data-changed
// notification taken away while a block operation writes many cells (it
// comes back when the scope ends, also by an exception), next to the
// framework's guards for the paint suppression (a block operation holds
// vcl::TValueGuard quiet(FInternSuppPaint, true); one that changes the
// structure vcl::TPaintSuppressGuard quiet(*this)), and the text helpers.
#pragma once

#include "VYR_ntabed/VYR_ntabed.h"
#include "platform/Guards.h"

namespace vyr {

class TNTabEd::TDataChangedDetached {
 public:
  explicit TDataChangedDetached(TNTabEd& Ed) : FTable(Ed.Data), FHandler(Ed.Data->OnDataChanged()) {
    FTable->SetOnDataChanged(nullptr);
  }
  ~TDataChangedDetached() { FTable->SetOnDataChanged(std::move(FHandler)); }
  TDataChangedDetached(const TDataChangedDetached&) = delete;
  TDataChangedDetached& operator=(const TDataChangedDetached&) = delete;

 private:
  TDataTable* FTable;
  vcl::TNotifyEvent FHandler;
};

namespace ntabed {

// "C-" or "R-" followed by the number.
vcl::String NumberedName(const char16_t* Prefix, int Number);
// An integer as decimal text (a double already rounded to an integer).
vcl::String IntegerText(double Rounded);
// Reads a decimal number typed by a user: "," as ".", blanks around
// ignored, optional sign and exponent. False for anything else.
bool ReadTypedNumber(const vcl::String& Text, double& Value);

}  // namespace ntabed

}  // namespace vyr
