// Shared fixture of the common-control tests: a clean headless host, a
// form to put controls on, and date helpers.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/ComCtrls.h"
#include "platform/Forms.h"
#include "platform/hosts/headless/Headless.h"

namespace comctltest {

using namespace vcl;

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    FormatSettings = TFormatSettings::Create();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 400, 300);
  }
  void TearDown() override {
    form.reset();
    FormatSettings = TFormatSettings::Create();
    headless::Reset();
  }
  template <class T>
  T* Make(int Left, int Top) {
    auto* c = new T(form.get());
    c->SetParent(form.get());
    c->SetLeft(Left);
    c->SetTop(Top);
    return c;
  }
  std::unique_ptr<TForm> form;
};

inline TDateTime At(int Y, int M, int D, int H = 0, int N = 0, int S = 0) {
  return EncodeDateTime(Y, M, D, H, N, S, 0);
}

// The value as "yyyy-mm-dd hh:nn:ss", for readable failures.
inline std::string Stamp(TDateTime V) { return ToUTF8(FormatDateTime(u"yyyy-mm-dd hh:nn:ss", V)); }

inline TColor PixelAt(const std::unique_ptr<TBitmap>& Bmp, int X, int Y) { return Bmp->Canvas()->Pixels(X, Y); }

inline std::string U8(const String& S) { return ToUTF8(S); }

}  // namespace comctltest
