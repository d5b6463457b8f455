// Panels, shapes, paint boxes, images, radio groups, bevels, splitters and
// timers.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/StdCtrls.h"

namespace vcl {

enum TPanelBevel : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
using TBevelWidth = int;
enum TVerticalAlignment : std::uint8_t { taAlignTop, taAlignBottom, taVerticalCenter };

// Draws Width rings inside Rect (which shrinks by Width on every side):
// TopColor on the top and left edges, BottomColor on the bottom and right.
void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width);

// ---------------------------------------------------------------- TCustomPanel

// A container with bevels: from the outside in, the outer bevel
// (BevelWidth pixels, raised: clBtnHighlight top-left and clBtnShadow
// bottom-right; lowered: the other way round), BorderWidth pixels of Color,
// the inner bevel; the rest is filled with Color and shows the Caption as
// one line placed by Alignment and VerticalAlignment. Children are laid out
// inside the bevels and border.
class TCustomPanel : public TCustomControl {
 public:
  explicit TCustomPanel(TComponent* AOwner);
  ~TCustomPanel() override;

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TVerticalAlignment VerticalAlignment() const { return FVerticalAlignment; }
  void SetVerticalAlignment(TVerticalAlignment Value);
  TPanelBevel BevelInner() const { return FBevelInner; }
  void SetBevelInner(TPanelBevel Value);
  TPanelBevel BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TPanelBevel Value);
  TBevelWidth BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(TBevelWidth Value);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int Value);
  // bsSingle adds a one-pixel clWindowFrame line outside the bevels.
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  bool ShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool Value);
  bool FullRepaint() const { return FFullRepaint; }
  void SetFullRepaint(bool Value) { FFullRepaint = Value; }

  // The client area of the children: inside border line, bevels and border.
  TRect InnerRect() const;

 protected:
  void Paint() override;
  void AdjustClientRect(TRect& Rect) override;

 private:
  void Changed();

  TAlignment FAlignment = taCenter;
  TVerticalAlignment FVerticalAlignment = taVerticalCenter;
  TPanelBevel FBevelInner = bvNone;
  TPanelBevel FBevelOuter = bvRaised;
  TBevelWidth FBevelWidth = 1;
  int FBorderWidth = 0;
  TBorderStyle FBorderStyle = bsNone;
  bool FShowCaption = true;
  bool FFullRepaint = true;
};

class TPanel : public TCustomPanel {
 public:
  explicit TPanel(TComponent* AOwner) : TCustomPanel(AOwner) {}
};

// ---------------------------------------------------------------- TShape

enum TShapeType : std::uint8_t {
  stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle
};

// A figure drawn with Pen and Brush, inset by half the pen width; the
// square and circle forms use the shorter side, centred.
class TShape : public TGraphicControl {
 public:
  explicit TShape(TComponent* AOwner);
  ~TShape() override;
  TShapeType Shape() const { return FShape; }
  void SetShape(TShapeType Value);
  TPen* Pen() { return &FPen; }
  void SetPen(TPen* Value) { FPen.Assign(Value); }
  TBrush* Brush() { return &FBrush; }
  void SetBrush(TBrush* Value) { FBrush.Assign(Value); }

 protected:
  void Paint() override;

 private:
  TShapeType FShape = stRectangle;
  TPen FPen;
  TBrush FBrush;
};

// ---------------------------------------------------------------- TPaintBox

// An area that OnPaint draws on through Canvas.
class TPaintBox : public TGraphicControl {
 public:
  explicit TPaintBox(TComponent* AOwner);
  TNotifyEvent OnPaint() const { return FOnPaint; }
  void SetOnPaint(TNotifyEvent Value) { FOnPaint = std::move(Value); }
  using TGraphicControl::Canvas;

 protected:
  void Paint() override;

 private:
  TNotifyEvent FOnPaint;
};

// ---------------------------------------------------------------- TImage

// Shows its Picture: at the top-left corner (or centred with Center),
// stretched to the control (Stretch; keeping the aspect ratio with
// Proportional, which also shrinks only), with the picture's bottom-left
// color see-through when Transparent. AutoSize takes the picture's size.
class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* AOwner);
  ~TImage() override;
  TPicture* Picture() { return &FPicture; }
  void SetPicture(TPicture* Value);
  // The picture's bitmap canvas (a new picture gets the control's size).
  TCanvas* ImageCanvas();
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  bool Center() const { return FCenter; }
  void SetCenter(bool Value);
  bool Stretch() const { return FStretch; }
  void SetStretch(bool Value);
  bool Proportional() const { return FProportional; }
  void SetProportional(bool Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  // Where the picture is drawn.
  TRect DestRect();

 protected:
  void Paint() override;

 private:
  void PictureChanged();

  TPicture FPicture;
  bool FAutoSize = false;
  bool FCenter = false;
  bool FStretch = false;
  bool FProportional = false;
  bool FTransparent = false;
};

// ---------------------------------------------------------------- TCustomRadioGroup

// Where the button of item Index goes in a radio group of the given size
// whose caption is TextHeight high: Count buttons in Columns columns, filled
// top to bottom, then the next column; each column (Width - 10) / Columns
// wide from x = 8, rows sharing the height below the caption
// (Height - TextHeight - 5) evenly, the remainder split above and below.
TRect RadioGroupButtonRect(int Width, int Height, int TextHeight, int Count, int Columns,
                           int Index);

// A group box holding a radio button for each line of Items, laid out by
// RadioGroupButtonRect. ItemIndex is the checked one (-1: none). A change
// of ItemIndex, by a click, a key or code, fires OnClick (not while
// loading). The buttons belong to the group: form files store only Items,
// ItemIndex and Columns.
class TCustomRadioGroup : public TCustomGroupBox {
 public:
  explicit TCustomRadioGroup(TComponent* AOwner);
  ~TCustomRadioGroup() override;

  TStrings* Items() { return FItems.get(); }
  void SetItems(TStrings* Value) { FItems->Assign(Value); }
  int ItemIndex() const { return FItemIndex; }
  // Outside -1..Count-1 the value is clamped (while loading it waits for
  // the items, which a form file stores after it).
  void SetItemIndex(int Value);
  // 1..16.
  int Columns() const { return FColumns; }
  void SetColumns(int Value);
  // The button of item Index (nullptr outside the items).
  TRadioButton* Buttons(int Index) const;
  int ButtonCount() const { return static_cast<int>(FButtons.size()); }
  void Loaded() override;

 protected:
  void SizeChanged(int DeltaWidth, int DeltaHeight) override;
  void CMFontChanged(TMessage& Message) override;
  void CMEnabledChanged(TMessage& Message) override;

 private:
  void ItemsChanged();
  void UpdateButtons();
  void ArrangeButtons();
  void ButtonClicked(int Index);

  std::unique_ptr<TStringList> FItems;
  std::vector<TRadioButton*> FButtons;  // owned by the group
  int FItemIndex = -1;
  int FColumns = 1;
  bool FUpdating = false;
};

class TRadioGroup : public TCustomRadioGroup {
 public:
  explicit TRadioGroup(TComponent* AOwner) : TCustomRadioGroup(AOwner) {}
};

// ---------------------------------------------------------------- TBevel

enum TBevelShape : std::uint8_t {
  bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer
};
enum TBevelStyle : std::uint8_t { bsLowered, bsRaised };

// A bevel, 50 × 50, drawn with the look module: a box (one ring), a frame
// (etched groove when lowered, ridge when raised), a two-pixel line along
// one edge, or nothing (bsSpacer). Lowered: clBtnShadow above or left of
// clBtnHighlight; raised the other way round.
class TBevel : public TGraphicControl {
 public:
  explicit TBevel(TComponent* AOwner);
  ~TBevel() override;
  TBevelShape Shape() const { return FShape; }
  void SetShape(TBevelShape Value);
  TBevelStyle Style() const { return FStyle; }
  void SetStyle(TBevelStyle Value);

 protected:
  void Paint() override;

 private:
  TBevelShape FShape = bsBox;
  TBevelStyle FStyle = bsLowered;
};

// ---------------------------------------------------------------- TSplitter

enum TResizeStyle : std::uint8_t { rsNone, rsLine, rsUpdate, rsPattern };
using TCanResizeEvent = std::function<void(TObject* Sender, int& NewSize, bool& Accept)>;

// A bar between aligned controls, 3 pixels across, that the mouse drags to
// size the control it is aligned against (the sibling with the same Align
// whose edge touches it). Aligned alLeft by default (crHSplit cursor;
// alTop and alBottom take crVSplit). The size stays at least MinSize, and
// so does what is left on the other side. The size follows the mouse
// (every ResizeStyle but rsNone, which changes nothing until the release);
// OnCanResize may change or refuse a size, OnMoved fires on the release
// after a change.
class TSplitter : public TGraphicControl {
 public:
  explicit TSplitter(TComponent* AOwner);
  ~TSplitter() override;
  int MinSize() const { return FMinSize; }
  void SetMinSize(int Value) { FMinSize = std::max(1, Value); }
  bool Beveled() const { return FBeveled; }
  void SetBeveled(bool Value);
  TResizeStyle ResizeStyle() const { return FResizeStyle; }
  void SetResizeStyle(TResizeStyle Value) { FResizeStyle = Value; }
  bool AutoSnap() const { return FAutoSnap; }
  void SetAutoSnap(bool Value) { FAutoSnap = Value; }
  // The control the splitter sizes now (nullptr when none touches it).
  TControl* FindControl() const;

  TNotifyEvent OnMoved() const { return FOnMoved; }
  void SetOnMoved(TNotifyEvent Value) { FOnMoved = std::move(Value); }
  TCanResizeEvent OnCanResize() const { return FOnCanResize; }
  void SetOnCanResize(TCanResizeEvent Value) { FOnCanResize = std::move(Value); }

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Loaded() override;

 private:
  bool Horizontal() const { return Align() == alLeft || Align() == alRight; }
  int NewSize(int X, int Y) const;
  void ApplySize(int Size);
  void UpdateCursor();

  int FMinSize = 30;
  bool FBeveled = false;
  TResizeStyle FResizeStyle = rsPattern;
  bool FAutoSnap = true;
  TControl* FControl = nullptr;  // being sized
  TPoint FDownPos;
  int FStartSize = 0;
  int FPendingSize = -1;
  TNotifyEvent FOnMoved;
  TCanResizeEvent FOnCanResize;
};

// ---------------------------------------------------------------- TTimer

// Fires OnTimer every Interval milliseconds while Enabled, Interval is
// above 0 and OnTimer is assigned, on a hidden window of its own. Not
// while loading: the timer starts once the form is read.
class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  unsigned Interval() const { return FInterval; }
  void SetInterval(unsigned Value);
  TNotifyEvent OnTimer() const { return FOnTimer; }
  void SetOnTimer(TNotifyEvent Value);
  // Whether the system timer runs now.
  bool Running() const { return FRunning; }
  void Loaded() override;

 protected:
  virtual void Timer();

 private:
  void UpdateTimer();
  void WndProc(TMessage& Message);

  bool FEnabled = true;
  unsigned FInterval = 1000;
  TNotifyEvent FOnTimer;
  HWND FHandle = nullptr;
  bool FRunning = false;
};

}  // namespace vcl
