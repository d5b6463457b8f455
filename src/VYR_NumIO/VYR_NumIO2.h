// The compound numeric input/output control: a caption, its own entry box
// with a blinking caret and selection, optional up/down buttons, a second
// caption and an optional gauge below, all painted off screen in one step.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "VYR_NumIO/VYR_NumIO2Layout.h"
#include "VYR_NumIO/VYR_NumIOFormats.h"
#include "companion/basepack/VYR_vyrbase.h"
#include "foundation/VYR_timerwnd.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/StdCtrls.h"

namespace vyr {

// Errors of TNumIO2: no timer for the caret, IntegerValue out of range.
class EVYRNumIO2Error : public EVYRError {
 public:
  using EVYRError::EVYRError;
};

// The value a drag on the gauge sets, at every move with the left button.
using TOnGaugeChangeEvent =
    std::function<void(vcl::TObject* Sender, vcl::TShiftState Shift, double GaugeValue)>;

// The user types into the box (each keystroke is checked against the input
// format and refused when the text would stop being a number of it), steps
// the value with the buttons, or sets it by pressing or dragging on the
// gauge. A value outside RangeLow..RangeHigh shows in the warning colors.
//
// Setters store, clamp where their comment says so and repaint at once;
// unless their comment says otherwise they ignore an unchanged value.
// Assign copies the entry, its texts, colors and settings; the buttons and
// the gauge (their visibility, geometry, colors and pivots), Enabled and the
// events belong to each control's own layout and are left as they are.
class TNumIO2 : public vcl::TCustomControl {
 public:
  explicit TNumIO2(vcl::TComponent* AOwner);
  ~TNumIO2() override;

  // ---- value and text
  // The text read in the current format (0 for an empty or partial text).
  double Value() const;
  // Rewrites the text from the value in the current format; no equality
  // test, caret and selection stay (within the new text), no OnChange.
  void SetValue(double Value);
  // Value rounded (halves to even); EVYRNumIO2Error "integer overflow"
  // when Value lies outside -2147483648..2147483647.
  int IntegerValue() const;
  // The text being edited.
  const vcl::String& Text() const { return FInBuffer; }
  // Taken only when empty or valid in the current format (else ignored);
  // caret and selection go to 0. No equality test, no OnChange.
  void SetText(const vcl::String& Value) override;
  bool OutOfRange() const;
  // The format check of typed text for the current format and separator mode.
  bool CheckValidity(const vcl::String& Instring) const;
  // Fires OnChange.
  void Changed();

  // ---- format
  TInFormat InputFormat() const { return FInFormat; }
  // The value is read in the old format and written back in the new one.
  void SetInputFormat(TInFormat Value);
  // Decimals of itFloat and itFixPoint, 1..15 (other values ignored above
  // 0, 15 for more); the value is written again.
  int FixPointDecPlaces() const { return FFixPDecPl; }
  void SetFixPointDecPlaces(int Value);
  // Significant digits of itExp, 1..15 as FixPointDecPlaces.
  int SignificantDigits() const { return FSignifDigits; }
  void SetSignificantDigits(int Value);
  // Changing the mode puts the new separator into the text (see
  // VYR_NumIO2Entry.cpp); in itFixPoint the point stays, as only the point
  // serves there.
  TDecPSep DecPlaceSep() const { return FDecPSep; }
  void SetDecPlaceSep(TDecPSep Value);
  // No equality test. A low limit above the high one raises the high one
  // to it, a high limit below the low one lowers the low one.
  double RangeLow() const { return FRangeLow; }
  void SetRangeLow(double Value);
  double RangeHigh() const { return FRangeHigh; }
  void SetRangeHigh(double Value);

  // ---- layout of the strip
  // x of the entry box; negative values are ignored, above Width is Width.
  int LeftSpace() const { return FLayout.LeftSpace; }
  void SetLeftSpace(int Value);
  // Width of the entry box (a negative width counts as 0).
  int TextBoxWidth() const { return FLayout.TextBoxWidth; }
  void SetTextBoxWidth(int Value);
  const vcl::String& LeftText() const { return FLeftText; }
  void SetLeftText(const vcl::String& Value);
  const vcl::String& RightText() const { return FRightText; }
  void SetRightText(const vcl::String& Value);
  vcl::TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(vcl::TAlignment Value);
  vcl::TAlignment LeftTextAlignment() const { return FLeftTextAlignment; }
  void SetLeftTextAlignment(vcl::TAlignment Value);
  vcl::TAlignment RightTextAlignment() const { return FRightTextAlignment; }
  void SetRightTextAlignment(vcl::TAlignment Value);
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  void SetFrameStyle(TFrameStyle Value);
  // At each repaint the height becomes the text height of "E0" + 6.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);

  // ---- buttons
  bool ButVisible() const { return FLayout.ButVisible; }
  void SetButVisible(bool Value);
  bool But3D() const { return FBut3D; }
  void SetBut3D(bool Value);
  // 8..50.
  int ButWidth() const { return FLayout.ButWidth; }
  void SetButWidth(int Value);
  // 18..Height.
  int ButHeight() const { return FLayout.ButHeight; }
  void SetButHeight(int Value);
  // Gap between box and buttons, 0..50.
  int ButSpace() const { return FLayout.ButSpace; }
  void SetButSpace(int Value);
  double ButIncrem() const { return FButIncrem; }
  void SetButIncrem(double Value);
  vcl::TColor ButColor() const { return FButColor; }
  void SetButColor(vcl::TColor Value);
  // Snap values in ascending order for the buttons and the gauge; empty by
  // default.
  const std::vector<double>& ButtonPivots() const { return FButtonPivots; }
  void SetButtonPivots(std::vector<double> Value);

  // ---- gauge (while a form file is read the values are kept as they
  // come: they were limited when they were set, against each other)
  bool GaugeVisible() const { return FLayout.GaugeVisible; }
  void SetGaugeVisible(bool Value);
  // At most Height - GaugeTopMargin - 18, then at least 3.
  int GaugeHeight() const { return FLayout.GaugeHeight; }
  void SetGaugeHeight(int Value);
  // At least 10, then at most Width - GaugeLeftMargin.
  int GaugeWidth() const { return FLayout.GaugeWidth; }
  void SetGaugeWidth(int Value);
  // At most Width - GaugeWidth, then at least 0.
  int GaugeLeftMargin() const { return FLayout.GaugeLeftMargin; }
  void SetGaugeLeftMargin(int Value);
  // Gap between box and gauge: at most Height - GaugeHeight - 18, then at
  // least 0.
  int GaugeTopMargin() const { return FLayout.GaugeTopMargin; }
  void SetGaugeTopMargin(int Value);
  vcl::TColor GaugeColor() const { return FGaugeColor; }
  void SetGaugeColor(vcl::TColor Value);
  vcl::TColor GaugeColorBg() const { return FGaugeColorBg; }
  void SetGaugeColorBg(vcl::TColor Value);
  vcl::TColor GaugeColorFrame() const { return FGaugeColorFrame; }
  void SetGaugeColorFrame(vcl::TColor Value);
  TFrameStyle GaugeFrameStyle() const { return FGaugeFrameStyle; }
  void SetGaugeFrameStyle(TFrameStyle Value);

  // ---- colors
  vcl::TColor ColorBoxBG() const { return FColorBoxBG; }
  void SetColorBoxBG(vcl::TColor Value);
  vcl::TColor ColorBoxText() const { return FColorBoxText; }
  void SetColorBoxText(vcl::TColor Value);
  vcl::TColor ColorOutBG() const { return FColorOutBG; }
  void SetColorOutBG(vcl::TColor Value);
  vcl::TColor ColorOutText() const { return FColorOutText; }
  void SetColorOutText(vcl::TColor Value);
  // The box when the value is out of range; no equality test.
  vcl::TColor ColorWarnBG() const { return FColorWarnBG; }
  void SetColorWarnBG(vcl::TColor Value);
  vcl::TColor ColorWarnText() const { return FColorWarnText; }
  void SetColorWarnText(vcl::TColor Value);
  // csBWG: frame lines gray 808080 and white; otherwise clBtnShadow and
  // clBtnHighlight. The dark line is always black.
  TColorScheme ColorScheme() const { return FColorScheme; }
  void SetColorScheme(TColorScheme Value);

  // ---- behaviour
  // Refused keys and edits sound MessageBeep(0xFFFF).
  bool Beep() const { return FBeep; }
  void SetBeep(bool Value);
  // Keys change nothing (Ctrl+C still copies); the caret stops and hides.
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  // The selection shows only while the control has the focus.
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  // No equality test; repaints.
  void SetEnabled(bool Value) override;
  // A height below 18 becomes 18; ButHeight follows a lower height.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  // ---- selection and caret (character offsets, 0 = before the first)
  // Writing clamps to the text, moves the caret there and pushes the other
  // end so that SelBegin <= SelEnd.
  int SelBegin() const { return FSelBegin; }
  void SetSelBegin(int Value);
  int SelEnd() const { return FSelEnd; }
  void SetSelEnd(int Value);
  int CaretPos() const { return FCaretPos; }
  // The blink phase: the caret shows while this is on.
  bool CaretVisible() const { return FCaretVisib; }
  // The zone under the mouse at the last move: 0 left of or at LeftSpace,
  // 1 in the box, 2 right of it.
  int MouseAreaCode() const { return FMouseAreaCode; }
  // Character offset <-> x on the control, as painting places the text.
  int CharPosToXCoords(int Pos);
  int XCoordsToCharPos(int X);
  // The geometry the control paints and hit-tests with.
  numio2::TLayout Layout() const;
  // The hidden window of the caret timer (timer 1, 500 ms).
  vcl::HWND TimerHandle() const { return FTimer.Handle(); }

  // ---- events
  // A keystroke changed the text, a button changed the value, or the mouse
  // was released after the gauge set it.
  vcl::TNotifyEvent OnChange() const { return FOnChange; }
  void SetOnChange(vcl::TNotifyEvent Value) { FOnChange = std::move(Value); }
  TOnGaugeChangeEvent OnGaugeChange() const { return FOnGaugeChange; }
  void SetOnGaugeChange(TOnGaugeChangeEvent Value) { FOnGaugeChange = std::move(Value); }

  // ---- focus and assignment
  // Takes the focus and restarts the caret (unless ReadOnly).
  void SetFocus() override;
  // Takes the focus when it can, restarts the caret, then OnClick.
  void Click() override;
  void Assign(vcl::TPersistent* Source) override;
  void AssignTo(vcl::TPersistent* Dest) override;

 protected:
  void Paint() override;
  void CreateWnd() override;
  void Loaded() override;
  void KeyDown(std::uint16_t& Key, vcl::TShiftState Shift) override;
  void KeyUp(std::uint16_t& Key, vcl::TShiftState Shift) override;
  void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
  void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  void WMGetDlgCode(vcl::TMessage& Message) override;
  void WMSetFocus(vcl::TMessage& Message) override;
  void WMKillFocus(vcl::TMessage& Message) override;
  void CMFontChanged(vcl::TMessage& Message) override;

 private:
  // What a keystroke may change, kept to put it back when refused.
  struct TEditState {
    vcl::String Text;
    int Caret = 0;
    int SelBegin = 0;
    int SelEnd = 0;
  };
  enum TDrag : std::uint8_t { drNone, drText, drGauge };
  static constexpr std::uintptr_t CaretTimerID = 1;

  // ---- entry (VYR_NumIO2Entry.cpp)
  bool HandleKey(std::uint16_t Key, bool Ctrl, bool Shifted);
  bool HandleCtrlKey(std::uint16_t Key);
  bool HandleEditKey(std::uint16_t Key, bool Shifted);
  char16_t CharOfKey(std::uint16_t Key, bool Shifted) const;
  void MoveCaret(int Pos);
  void InsertText(const vcl::String& S);
  bool DeleteSelection(bool ZeroWhenEmpty);
  void CopySelection() const;
  bool AcceptsTyped(const vcl::String& S) const;
  void SelectFixedDecimal();
  void RefuseKey();
  TEditState SaveEdit() const;
  void RestoreEdit(const TEditState& S);
  void ClampSelection();
  vcl::String LocalizedText(vcl::String Text) const;
  void ReplaceSeparator(TDecPSep Old, TDecPSep New);

  // ---- caret timer (VYR_NumIO2.cpp)
  void UpdateTimer();
  void CaretTick();

  // ---- mouse (VYR_NumIO2Mouse.cpp)
  void PressText(int X);
  void DragText(int X);
  void SetGaugeValueAt(int X);
  void StepButton(bool Up);

  // ---- painting (VYR_NumIO2Paint.cpp)
  void Redraw();
  vcl::TCanvas& MeasureCanvas();
  void AdjustAutoHeight();
  void PaintCaption(vcl::TCanvas& C, int X, int Y, const vcl::String& S);
  void PaintButtons(vcl::TCanvas& C);
  void PaintArrows(vcl::TCanvas& C, int Xb, int Hb);
  void PaintGauge(vcl::TCanvas& C, double V);
  void PaintGaugeFrame(vcl::TCanvas& C);
  void PaintBox(vcl::TCanvas& C, bool Out);
  void PaintBoxEdges(vcl::TCanvas& C, int Sb);
  void PaintNumber(vcl::TCanvas& C, bool Out, int Ty);
  void PaintCaret(vcl::TCanvas& C);
  void PaintSelection(vcl::TCanvas& C);

  // ---- limits (VYR_NumIO2.cpp)
  bool Loading() const { return ComponentState().Contains(vcl::csLoading); }
  void RewriteValue(double V);
  template <class T>
  void Store(T& Field, const T& Value);

  TTimerWindow FTimer;
  std::unique_ptr<vcl::TBitmap> FBuffer;
  numio2::TLayout FLayout;

  vcl::String FInBuffer;
  int FCaretPos = 0;
  int FSelBegin = 0;
  int FSelEnd = 0;
  int FSelAnchor = 0;
  bool FCaretVisib = false;
  bool FKeyShifted = false;
  bool FKeyCntrl = false;
  bool FValueChanged = false;
  bool FOnlineCheck = true;
  bool FSuppressPaint = true;
  bool FFontDirty = true;  // the bitmap's font must follow the control's
  int FMouseAreaCode = 0;
  TDrag FDrag = drNone;

  TInFormat FInFormat = itFloat;
  int FFixPDecPl = 2;
  int FSignifDigits = 6;
  TDecPSep FDecPSep = dsBoth;
  double FRangeLow = 0.0;
  double FRangeHigh = 1000.0;
  vcl::String FLeftText;
  vcl::String FRightText;
  vcl::TAlignment FAlignment = vcl::taCenter;
  vcl::TAlignment FLeftTextAlignment = vcl::taRightJustify;
  vcl::TAlignment FRightTextAlignment = vcl::taLeftJustify;
  TFrameStyle FFrameStyle = fsLowered;
  bool FAutoSize = false;
  bool FBut3D = true;
  double FButIncrem = 1.0;
  vcl::TColor FButColor = vcl::clSilver;
  std::vector<double> FButtonPivots;
  vcl::TColor FGaugeColor = vcl::clNavy;
  vcl::TColor FGaugeColorBg = vcl::clSilver;
  vcl::TColor FGaugeColorFrame = vcl::clGray;
  TFrameStyle FGaugeFrameStyle = fsLowered;
  vcl::TColor FColorBoxBG = vcl::clWhite;
  vcl::TColor FColorBoxText = vcl::clBlack;
  vcl::TColor FColorOutBG = vcl::clBtnFace;
  vcl::TColor FColorOutText = vcl::clBlack;
  vcl::TColor FColorWarnBG = 0x6088FFF0;
  vcl::TColor FColorWarnText = vcl::clRed;
  TColorScheme FColorScheme = csBWG;
  vcl::TColor FColBlackLine = vcl::clBlack;
  vcl::TColor FColGrayLine = vcl::clGray;
  vcl::TColor FColWhiteLine = vcl::clWhite;
  bool FBeep = false;
  bool FReadOnly = false;
  bool FHideSelection = true;

  vcl::TNotifyEvent FOnChange;
  TOnGaugeChangeEvent FOnGaugeChange;
};

}  // namespace vyr
