// The raster label: a dot-matrix display. Its Text is drawn as square dots
// of DotSize pixels, DotSpacing pixels apart (pitch p = DotSize +
// DotSpacing), from a bit-pattern font: the built-in 7 × 12 font (font name
// "default") or one sampled from any font (CreateBitFont). It can scroll
// its text in four directions, driven by a timer.
//
// Geometry (x to the right; y likewise, row by row):
//   a character's dots    column c of the glyph (counted from its first
//                         drawn column) at x + c·p, row r at y + r·p
//   advance               proportional: (RightMostBit - LeftMostBit + 2)·p,
//                         fixed: (FontWidth + 1)·p
//   CalcTextBitLength     the sum of the advances
//   the text starts at    (PosX + scroll x, PosY + scroll y)
//   raster gaps           DotSpacing lines of ColorLabBakG between the dot
//                         rows and columns, aligned with the text's dots
//                         (rdbmOn and rdbmRaster); unlit dots are ColorDotOff
//   rdbmOn                a blank column of p pixels before the text and
//                         after every character, so characters stand apart
//   frame width w         1 for FrameStyle 1 .. 3, 2 for 4 and 5, else 0
//   AutoHeight            Height = w + p · FontHeight
//   AutoCenter            PosX = (Width - CalcTextBitLength(Text)) div 2 + w + 1
//
// Scrolling: every ScrollInterval milliseconds the text moves by
// ScrollIncrement pixels, the control paints and OnScrollTimer fires. With
// ScrollLoop a text that has left the label starts over from the other side
// and OnScrollLoopRestart fires:
//   rdsmRight  scroll x grows; beyond Width it restarts at -TextBitLength
//   rdsmLeft   scroll x shrinks; below -TextBitLength it restarts at Width
//   rdsmDown   scroll y grows; beyond Height it restarts at -p·FontHeight
//   rdsmUp     scroll y shrinks; below -p·FontHeight it restarts at Height
// Characters above code 255 are drawn and measured as code 127 (the
// built-in font shows an empty box there).
#pragma once

#include <array>
#include <cstdint>

#include "companion/basepack/VYR_vyrbase.h"
#include "foundation/VYR_timerwnd.h"
#include "platform/Controls.h"

namespace vyr {

class EVYRRasterLabError : public EVYRError {
 public:
  using EVYRError::EVYRError;
};

enum TRDBlockMode : std::uint8_t { rdbmOff, rdbmOn, rdbmRaster };
enum TRDScrollMode : std::uint8_t { rdsmOff, rdsmLeft, rdsmRight, rdsmDown, rdsmUp };

// A dot font: per character code 32 rows of 32 columns (bit j of a row is
// column j, bit 0 leftmost) and the first and last used column.
struct TRDCharMatrix {
  int FontWidth = 0;   // dots of the widest glyph
  int FontHeight = 0;  // dot rows used
  std::array<std::uint8_t, 256> LeftMostBit{};
  std::array<std::uint8_t, 256> RightMostBit{};
  std::array<std::array<std::uint32_t, 32>, 256> BitData{};
};

// The built-in font as a dot font.
TRDCharMatrix BuiltInCharMatrix();
// The font code a character is drawn with.
inline std::uint8_t RDCharCode(char16_t Ch) { return Ch > 255 ? 127 : static_cast<std::uint8_t>(Ch); }

class TRasterLab : public vcl::TGraphicControl {
 public:
  explicit TRasterLab(vcl::TComponent* AOwner);
  ~TRasterLab() override;

  const vcl::String& Text() const { return FLabText; }
  void SetText(const vcl::String& Value) override;
  // 1 .. 32 pixels.
  int DotSize() const { return FDotSize; }
  void SetDotSize(int Value);
  // 0 .. 3 pixels.
  int DotSpacing() const { return FDotSpacing; }
  void SetDotSpacing(int Value);
  int PosX() const { return FXPos; }
  void SetPosX(int Value);
  int PosY() const { return FYPos; }
  void SetPosY(int Value);
  bool Proportional() const { return FProportional; }
  void SetProportional(bool Value);
  TRDBlockMode CharBlockMode() const { return FCharBlockMode; }
  void SetCharBlockMode(TRDBlockMode Value);
  bool AutoHeight() const { return FAutoHeight; }
  void SetAutoHeight(bool Value);
  bool AutoCenter() const { return FAutoCenter; }
  void SetAutoCenter(bool Value);
  vcl::TColor ColorDotOn() const { return FColorDotOn; }
  void SetColorDotOn(vcl::TColor Value);
  vcl::TColor ColorDotOff() const { return FColorDotOff; }
  void SetColorDotOff(vcl::TColor Value);
  vcl::TColor ColorLabBakG() const { return FColorLabBakG; }
  void SetColorLabBakG(vcl::TColor Value);
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  void SetFrameStyle(TFrameStyle Value);
  TColorScheme ColorScheme() const { return FColorScheme; }
  void SetColorScheme(TColorScheme Value);
  TRDScrollMode ScrollMode() const { return FScrollMode; }
  void SetScrollMode(TRDScrollMode Value);
  // Milliseconds between scroll steps; below 10 becomes 10.
  int ScrollInterval() const { return FScrollIv; }
  void SetScrollInterval(int Value);
  // Pixels per step; 0 becomes 1, negative values their magnitude.
  int ScrollIncrement() const { return FScrollInc; }
  void SetScrollIncrement(int Value);
  bool ScrollLoop() const { return FScrollLoop; }
  void SetScrollLoop(bool Value);
  vcl::TNotifyEvent OnScrollTimer() const { return FOnScrollTimer; }
  void SetOnScrollTimer(vcl::TNotifyEvent Value);
  vcl::TNotifyEvent OnScrollLoopRestart() const { return FOnScrLoopRestart; }
  void SetOnScrollLoopRestart(vcl::TNotifyEvent Value) { FOnScrLoopRestart = std::move(Value); }

  const TRDCharMatrix& CharMatrix() const { return FCMat; }
  void SetCharMatrix(const TRDCharMatrix& Value);
  // Samples Font into a dot font (the built-in one for "default").
  TRDCharMatrix CreateBitFont(vcl::TFont* Font);
  int CalcTextBitLength(const vcl::String& Text) const;

  // The scroll offsets, the text's length at the last paint, whether the
  // scroll timer is meant to run, and the hidden window it runs on (its
  // WM_TIMER runs DoTimer; an exception goes to Application.HandleException).
  int ScrollPosX() const { return FScrollPosX; }
  int ScrollPosY() const { return FScrollPosY; }
  int TextBitLength() const { return FTextBitLength; }
  bool ScrollTimerEnabled() const { return FScrTimerEnabled; }
  vcl::HWND TimerHandle() const { return FTimer.Handle(); }

  void AdjustAutoHeight();
  void AdjustAutoCenter();
  // Restarts timer 1 with ScrollInterval when scrolling is on; raises
  // EVYRRasterLabError "Component \"Name\": no timer available" when the
  // system refuses it.
  void UpdateTimer();
  // One scroll step (see above), then a paint.
  void ScrollTimerEvent();
  // A tick of the timer: the step, then OnScrollTimer.
  virtual void DoTimer();
  virtual void DoScrLoopRestart();

  void Assign(vcl::TPersistent* Source) override;
  void AssignTo(vcl::TPersistent* Dest) override;
  void Paint() override;

 protected:
  // Draws one character's lit dots at (X, Y); returns the width it covers.
  int PaintChar(vcl::TCanvas& Canvas, const TRDCharMatrix& CMat, int X, int Y, char16_t Ch,
                int DotSize, int DotSpacing, vcl::TColor ColorOn, vcl::TColor ColorOff,
                vcl::TColor ColorBack, bool FixedWidth) const;
  void PaintString(vcl::TCanvas& Canvas, const TRDCharMatrix& CMat, int X, int Y,
                   const vcl::String& Text, int DotSize, int DotSpacing, vcl::TColor ColorOn,
                   vcl::TColor ColorOff, vcl::TColor ColorBack, TRDBlockMode BlockMode,
                   bool Proportional, int& TextLength) const;
  // A new font: a new dot font, then height and centring again.
  void FontChanged();
  void CMFontChanged(vcl::TMessage& Message) override;
  void MouseMove(vcl::TShiftState Shift, int X, int Y) override;

 private:
  static constexpr std::uintptr_t TimerID = 1;
  bool Designing() const { return ComponentState().Contains(vcl::csDesigning); }
  void PaintNow();
  int Pitch() const { return FDotSize + FDotSpacing; }
  int FrameWidth() const;
  // Height and centring after a change of dots or font.
  void Relayout();
  void PaintRasterGaps(vcl::TCanvas& C) const;
  void PaintFrame(vcl::TCanvas& C) const;
  void StepRight();
  void StepLeft();
  void StepDown();
  void StepUp();

  TTimerWindow FTimer;
  TRDCharMatrix FCMat;
  vcl::String FLabText = u"Text";
  int FDotSize = 3;
  int FDotSpacing = 1;
  int FXPos = 1;
  int FYPos = 1;
  bool FProportional = true;
  TRDBlockMode FCharBlockMode = rdbmOn;
  bool FAutoHeight = false;
  bool FAutoCenter = false;
  vcl::TColor FColorDotOn = 0x00FF00;
  vcl::TColor FColorDotOff = 0x404040;
  vcl::TColor FColorLabBakG = vcl::clBlack;
  TFrameStyle FFrameStyle = fsLowered;
  TColorScheme FColorScheme = csBWG;
  TRDScrollMode FScrollMode = rdsmOff;
  int FScrollIv = 100;
  int FScrollInc = 1;
  bool FScrollLoop = true;
  vcl::TNotifyEvent FOnScrollTimer;
  vcl::TNotifyEvent FOnScrLoopRestart;
  int FScrollPosX = 0;
  int FScrollPosY = 0;
  bool FScrTimerEnabled = false;
  int FTextBitLength = 0;
  vcl::TColor FColBlackLine = vcl::clBlack;
  vcl::TColor FColGrayLine = vcl::clGray;
  vcl::TColor FColWhiteLine = vcl::clWhite;
  // The picture of the last paint, kept so that a paint allocates nothing.
  vcl::TBitmap FPicture;
};

}  // namespace vyr
