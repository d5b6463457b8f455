// Shared fixture of the standard-control tests: a clean headless host and
// a form to put controls on.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/Clipbrd.h"
#include "platform/Forms.h"
#include "platform/Streaming.h"
#include "platform/hosts/headless/Headless.h"

namespace stdtest {

using namespace vcl;

class HeadlessFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 400, 300);
  }
  void TearDown() override {
    form.reset();
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

// A color of the system palette as a snapshot shows it.
inline TColor Shown(TColor C) { return ColorToRGB(C); }

inline TColor PixelAt(const std::unique_ptr<TBitmap>& Bmp, int X, int Y) {
  return Bmp->Canvas()->Pixels(X, Y);
}

inline std::string U8(const String& S) { return ToUTF8(S); }

}  // namespace stdtest
