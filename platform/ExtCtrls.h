// Panels, shapes, paint boxes and images.
#pragma once

#include <cstdint>
#include <memory>

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

}  // namespace vcl
