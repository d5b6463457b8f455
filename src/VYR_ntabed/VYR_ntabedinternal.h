// Scoped helpers the table editor's source files share: the internal paint
// suppression and the table's data-changed notification taken away while
// a block operation writes many cells (both come back when the scope ends,
// also by an exception).
#pragma once

#include "VYR_ntabed/VYR_ntabed.h"

namespace vyr {

class TNTabEd::TInternSuppress {
 public:
  explicit TInternSuppress(TNTabEd& Ed) : FEd(Ed), FWas(Ed.FInternSuppPaint) {
    Ed.FInternSuppPaint = true;
  }
  ~TInternSuppress() { FEd.FInternSuppPaint = FWas; }
  TInternSuppress(const TInternSuppress&) = delete;
  TInternSuppress& operator=(const TInternSuppress&) = delete;

 private:
  TNTabEd& FEd;
  bool FWas;
};

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
