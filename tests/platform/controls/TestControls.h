// Small controls and helpers shared by the control tests.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/hosts/headless/Headless.h"

namespace vcltest {

using namespace vcl;

// An ordered record of what happened, as short strings ("a:down").
struct EventLog {
  std::vector<std::string> Entries;
  void Add(const std::string& S) { Entries.push_back(S); }
  void Clear() { Entries.clear(); }
  std::string Joined() const {
    std::string out;
    for (const auto& e : Entries) out += (out.empty() ? "" : " ") + e;
    return out;
  }
  int Count(const std::string& S) const {
    int n = 0;
    for (const auto& e : Entries) n += e == S ? 1 : 0;
    return n;
  }
};

inline std::string ButtonName(TMouseButton B) {
  return B == mbLeft ? "L" : B == mbRight ? "R" : "M";
}

// Routes every mouse event of a control into the log under its tag.
inline void WireMouse(TControl* C, EventLog& Log, const std::string& Tag) {
  C->SetOnMouseDown([&Log, Tag](TObject*, TMouseButton b, TShiftState s, int x, int y) {
    Log.Add(Tag + ":down" + ButtonName(b) + (s.Contains(ssDouble) ? "2" : "") + "(" +
            std::to_string(x) + "," + std::to_string(y) + ")");
  });
  C->SetOnMouseUp([&Log, Tag](TObject*, TMouseButton b, TShiftState, int x, int y) {
    Log.Add(Tag + ":up" + ButtonName(b) + "(" + std::to_string(x) + "," + std::to_string(y) + ")");
  });
  C->SetOnMouseMove([&Log, Tag](TObject*, TShiftState, int x, int y) {
    Log.Add(Tag + ":move(" + std::to_string(x) + "," + std::to_string(y) + ")");
  });
  C->SetOnClick([&Log, Tag](TObject*) { Log.Add(Tag + ":click"); });
  C->SetOnDblClick([&Log, Tag](TObject*) { Log.Add(Tag + ":dblclick"); });
  C->SetOnMouseEnter([&Log, Tag](TObject*) { Log.Add(Tag + ":enter"); });
  C->SetOnMouseLeave([&Log, Tag](TObject*) { Log.Add(Tag + ":leave"); });
}

// Routes the key and focus events of a windowed control into the log.
inline void WireKeys(TWinControl* C, EventLog& Log, const std::string& Tag) {
  C->SetOnKeyDown([&Log, Tag](TObject*, std::uint16_t& k, TShiftState) {
    Log.Add(Tag + ":keydown" + std::to_string(k));
  });
  C->SetOnKeyUp([&Log, Tag](TObject*, std::uint16_t& k, TShiftState) {
    Log.Add(Tag + ":keyup" + std::to_string(k));
  });
  C->SetOnKeyPress([&Log, Tag](TObject*, char16_t& ch) {
    Log.Add(Tag + ":press" + std::string(1, static_cast<char>(ch)));
  });
  C->SetOnEnter([&Log, Tag](TObject*) { Log.Add(Tag + ":enter"); });
  C->SetOnExit([&Log, Tag](TObject*) { Log.Add(Tag + ":exit"); });
}

// A control that paints its area in one color, reaching Reach pixels beyond
// its bounds on every side (the clip must stop that).
template <class Base, int Reach>
class TFiller : public Base {
 public:
  TFiller(TComponent* AOwner, TColor AFill) : Base(AOwner), Fill(AFill) {}
  TColor Fill;
  int PaintCount = 0;

 protected:
  void Paint() override {
    ++PaintCount;
    this->Canvas()->Brush()->SetColor(Fill);
    this->Canvas()->FillRect(Rect(-Reach, -Reach, this->Width() + Reach, this->Height() + Reach));
  }
};
using TFillControl = TFiller<TCustomControl, 0>;
using TFillGraphic = TFiller<TGraphicControl, 10>;

// A focusable windowed control that asks for every key (as edits and grids do).
class TKeyControl : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;

 protected:
  void WMGetDlgCode(TMessage& Message) override {
    Message.Result = DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
  }
};

// The pixel of a snapshot as a 0x00BBGGRR color.
inline TColor PixelAt(const std::unique_ptr<TBitmap>& Bmp, int X, int Y) {
  return Bmp->Canvas()->Pixels(X, Y);
}

// Every test starts and ends with a clean headless host and application.
class HeadlessTest : public ::testing::Test {
 protected:
  void SetUp() override { Clean(); }
  void TearDown() override { Clean(); }
  static void Clean() {
    headless::Reset();
    Application->SetOnException(nullptr);
    Screen->SetCursor(crDefault);
  }
};

}  // namespace vcltest
