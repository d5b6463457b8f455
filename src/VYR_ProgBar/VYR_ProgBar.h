// The progress bar: a Double value between Min and Max shown as a bar
// inside margins and two frames, optionally coloured from a 1024-step color
// table, with a grid, a background picture and a rotatable value text. It
// can advance its value by itself on a timer. The value and color mapping is
// in VYR_ProgBarGeometry.h.
//
// Painting, composed in a bitmap of the control's size and copied once:
//   1. the whole control in ColorMargin, the inner area in ColorBackGnd
//   2. the background picture stretched onto the inner area
//   3. the bar (ColorMin, or the color table by ColorMapMode)
//   4. the grid every GridDist pixels along the bar (GridDist > 1)
//   5. the inner frame around the inner area, the outer frame around all
//   6. the value text at (TextPosX, TextPosY), turned by TextAngle
//
// Automatic increment, with AutoInc (outside the designer):
//   start ── StartInterval ──▶ tick ── RepeatInterval ──▶ tick ── ... ──▶
// each tick adds AutoIncStep to Value (without limit) and fires OnAutoInc.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "VYR_ProgBar/VYR_ProgBarGeometry.h"
#include "companion/basepack/VYR_vyrbase.h"
#include "foundation/VYR_timerwnd.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/StdCtrls.h"

namespace vyr {

// The system refused the increment timer.
class EVYRProgBar : public EVYRError {
 public:
  using EVYRError::EVYRError;
};

// Lets the application replace the value text before it is drawn.
using TBeforeShowValueEvent = std::function<void(vcl::TObject* Sender, vcl::String& ValueText)>;

class TProgBar : public vcl::TGraphicControl {
 public:
  explicit TProgBar(vcl::TComponent* AOwner);
  ~TProgBar() override;

  // ---- value and range (each repaints only when changed)
  double Value() const { return FValue; }
  void SetValue(double Value);
  double Min() const { return FMin; }
  void SetMin(double Value);
  double Max() const { return FMax; }
  void SetMax(double Value);
  // Min := the smaller, Max := the larger; repaint.
  void SetRange(double A, double B);
  // Upward, downward, to the left or to the right.
  TDirection Direction() const { return FDirection; }
  void SetDirection(TDirection Value);

  // ---- automatic increment
  bool AutoInc() const { return FAutoInc; }
  // A change outside the designer starts the timer in its start phase
  // (True) or stops it (False). A refused timer raises EVYRProgBar and
  // leaves AutoInc False.
  void SetAutoInc(bool Value);
  double AutoIncStep() const { return FAutoIncStep; }
  // 0 is ignored.
  void SetAutoIncStep(double Value);
  // Milliseconds; values below 10 become 10. A change restarts the timer in
  // its start phase (StartInterval) or its repeat phase (RepeatInterval).
  int StartInterval() const { return FStartInterval; }
  void SetStartInterval(int Value);
  int RepeatInterval() const { return FRepeatInterval; }
  void SetRepeatInterval(int Value);
  vcl::TNotifyEvent OnAutoInc() const { return FOnAutoInc; }
  // Also restarts the timer in its repeat phase (outside the designer).
  void SetOnAutoInc(vcl::TNotifyEvent Value);

  // ---- colors
  vcl::TColor ColorMin() const { return FBarColors.front(); }
  // Sets table entry 0 (1023) and recomputes entries 1..1022; repaint.
  void SetColorMin(vcl::TColor Value);
  vcl::TColor ColorMax() const { return FBarColors.back(); }
  void SetColorMax(vcl::TColor Value);
  // Table entry Ix (0..1023; others read clBlack and are not written),
  // written without a repaint.
  vcl::TColor BarColors(int Ix) const;
  void SetBarColors(int Ix, vcl::TColor Value);
  TColorMapping ColorMapMode() const { return FColorMapMode; }
  void SetColorMapMode(TColorMapping Value);
  bool ShowColorGradient() const { return FShowColorGradient; }
  void SetShowColorGradient(bool Value);
  vcl::TColor ColorBackGnd() const { return FColorBackGnd; }
  void SetColorBackGnd(vcl::TColor Value);
  vcl::TColor ColorMargin() const { return FColorMargin; }
  void SetColorMargin(vcl::TColor Value);
  vcl::TColor ColorGrid() const { return FColorGrid; }
  void SetColorGrid(vcl::TColor Value);
  // A grid is drawn only when above 1.
  int GridDist() const { return FGridDist; }
  void SetGridDist(int Value);
  // Ordinal 0: frame lines gray $808080 and white; others clBtnShadow and
  // clBtnHighlight.
  TColorScheme ColorScheme() const { return FColorScheme; }
  void SetColorScheme(TColorScheme Value);

  // ---- frames and margins (each repaints only when changed)
  TFrameStyle FrameStyleOuter() const { return FFrameStyleOuter; }
  void SetFrameStyleOuter(TFrameStyle Value);
  TFrameStyle FrameStyleInner() const { return FFrameStyleInner; }
  void SetFrameStyleInner(TFrameStyle Value);
  int MarginLeft() const { return FMargins.Left; }
  void SetMarginLeft(int Value) { SetMargin(FMargins.Left, Value); }
  int MarginRight() const { return FMargins.Right; }
  void SetMarginRight(int Value) { SetMargin(FMargins.Right, Value); }
  int MarginTop() const { return FMargins.Top; }
  void SetMarginTop(int Value) { SetMargin(FMargins.Top, Value); }
  int MarginBottom() const { return FMargins.Bottom; }
  void SetMarginBottom(int Value) { SetMargin(FMargins.Bottom, Value); }

  // ---- background picture
  const vcl::String& BackGroundImg() const { return FBackGroundImg; }
  // Loads the named file; the name is stored only when that succeeds (a
  // failure is ignored and the old name and picture stay). An empty name
  // clears the name. Either way the control repaints.
  void SetBackGroundImg(const vcl::String& Value);
  // The picture loaded (10 × 10 white until one is).
  vcl::TBitmap* BackGroundBitmap() const { return FBackGround.get(); }

  // ---- value text
  bool TextVisible() const { return FTextVisible; }
  void SetTextVisible(bool Value);
  // Limited to 0..Width (0..Height).
  int TextPosX() const { return FTextPosX; }
  void SetTextPosX(int Value);
  int TextPosY() const { return FTextPosY; }
  void SetTextPosY(int Value);
  // Limited to -2..10; see progbar::BarValueText.
  int TextDecPlaces() const { return FTextDecPlaces; }
  void SetTextDecPlaces(int Value);
  // Degrees counter-clockwise, limited to 0..360.
  int TextAngle() const { return FTextAngle; }
  void SetTextAngle(int Value);
  vcl::TAlignment TextAlignment() const { return FTextAlignment; }
  void SetTextAlignment(vcl::TAlignment Value);
  TBeforeShowValueEvent OnShowValue() const { return FOnShowValue; }
  void SetOnShowValue(TBeforeShowValueEvent Value) { FOnShowValue = std::move(Value); }

  // Copies the look and value of another progress bar (frames, value and
  // range, colors and the whole color table, a copy of the background
  // picture, grid, mapping, margins, text settings and OnShowValue); the
  // timer settings, the font and the size stay. Other sources go to the
  // framework's Assign.
  void Assign(vcl::TPersistent* Source) override;
  // Hands this bar to Dest's Assign when this bar is an instance of Dest's
  // class; otherwise the framework's AssignTo.
  void AssignTo(vcl::TPersistent* Dest) override;

  // The hidden window of the increment timer.
  vcl::HWND TimerHandle() const { return FTimer.Handle(); }
  // True while the next tick is the first after a start.
  bool IsStartPhase() const { return FFirstTick; }
  // One tick of the timer: leaves the start phase on the first one, then
  // adds AutoIncStep to Value and fires OnAutoInc.
  void DoTimer();

  // The bar as it is laid out now: its length in pixels along the
  // direction (see progbar::BarLength).
  int BarLength() const;

 protected:
  void Paint() override;
  void CMFontChanged(vcl::TMessage& Message) override;
  void SizeChanged(int DeltaWidth, int DeltaHeight) override;

 private:
  static constexpr std::uintptr_t TimerID = 1;
  bool Designing() const { return ComponentState().Contains(vcl::csDesigning); }
  void SetMargin(int& Field, int Value);
  // Repaints now (not while loading or hidden); a repaint asked for while
  // painting (by OnShowValue) follows the paint in progress.
  void PaintNow();
  // Timer phases: kill timer 1, then start it with StartInterval (the next
  // tick being the first) or with RepeatInterval, while AutoInc is on.
  void StartTimer();
  void RestartRepeat();
  void Arm(int Interval);
  void SetLineColors();

  // Painting (VYR_ProgBarPaint.cpp).
  void Compose(vcl::TBitmap& B);
  void DrawBackground(vcl::TCanvas& C, const vcl::TRect& Inner);
  void DrawBar(vcl::TBitmap& B, const vcl::TRect& Inner);
  void DrawGradient(vcl::TBitmap& B, const vcl::TRect& Inner, int N);
  void DrawGrid(vcl::TCanvas& C, const vcl::TRect& Inner, int N);
  void DrawBarFrame(vcl::TCanvas& C, TFrameStyle Style, const vcl::TRect& R);
  void DrawValueText(vcl::TCanvas& C);
  // The table in pixel form (0x00RRGGBB), rebuilt after table changes.
  const std::array<std::uint32_t, progbar::BarColorCount>& PixelTable();

  double FValue = 10;
  double FMin = 0;
  double FMax = 100;
  TDirection FDirection = dirRight;
  bool FAutoInc = false;
  double FAutoIncStep = 1;
  int FStartInterval = 1500;
  int FRepeatInterval = 700;
  bool FFirstTick = true;
  vcl::TNotifyEvent FOnAutoInc;
  progbar::TBarColorTable FBarColors{};
  std::array<std::uint32_t, progbar::BarColorCount> FPixelTable{};
  bool FPixelTableValid = false;
  TColorMapping FColorMapMode = cgmStretch;
  bool FShowColorGradient = false;
  vcl::TColor FColorBackGnd = 0xC0C0C0;
  vcl::TColor FColorMargin = 0xC0C0C0;
  vcl::TColor FColorGrid = 0x000000;
  int FGridDist = 0;
  TColorScheme FColorScheme = csBWG;
  vcl::TColor FColorBlack = 0x000000;
  vcl::TColor FColorGray = 0x808080;
  vcl::TColor FColorWhite = 0xFFFFFF;
  TFrameStyle FFrameStyleOuter = fsRaised;
  TFrameStyle FFrameStyleInner = fsLowered;
  progbar::TBarMargins FMargins;
  vcl::String FBackGroundImg;
  std::unique_ptr<vcl::TBitmap> FBackGround;
  bool FTextVisible = true;
  int FTextPosX = 14;
  int FTextPosY = 14;
  int FTextDecPlaces = 0;
  int FTextAngle = 0;
  vcl::TAlignment FTextAlignment = vcl::taCenter;
  TBeforeShowValueEvent FOnShowValue;

  std::unique_ptr<vcl::TBitmap> FBuffer;  // the off-screen picture
  bool FTextFontValid = false;            // the buffer's font matches Font and TextAngle
  bool FPainting = false;
  bool FRepaintPending = false;
  TTimerWindow FTimer;
};

}  // namespace vyr
