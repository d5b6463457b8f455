// Fixture of the numeric edit field tests: a form with one field made by
// code, its OnChange counted, on a clean headless host.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "VYR_NumIO/VYR_NumIO.h"
#include "platform/Forms.h"
#include "platform/hosts/headless/Headless.h"

namespace numiotest {

using namespace vcl;
using vyr::TNumIO;
using vyr::dsBoth;
using vyr::dsComma;
using vyr::dsPoint;
using vyr::dsSystem;

class NumIOFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    form = std::make_unique<TForm>(nullptr);
    num = new TNumIO(form.get());
    num->SetParent(form.get());
    num->SetAutoSelect(false);
    num->SetOnChange([this](TObject*) { ++changes; });
  }
  void TearDown() override {
    form.reset();
    headless::Reset();
  }
  std::string Text() const { return ToUTF8(num->Text()); }
  // Types at the end of the text.
  void TypeAtEnd(const String& S) {
    num->SetSelStart(num->GetTextLen());
    headless::Type(num, S);
  }
  void Range(double Low, double High) {
    num->SetRangeHigh(High);
    num->SetRangeLow(Low);
  }

  std::unique_ptr<TForm> form;
  TNumIO* num = nullptr;
  int changes = 0;
};

}  // namespace numiotest
