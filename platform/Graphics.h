// Colors, pens, brushes, fonts, the canvas with the GDI raster rules, and
// bitmaps. A bitmap is a 32-bit pixel buffer (0x00RRGGBB per pixel); a
// canvas draws on a bitmap, or on a window's back buffer through an origin
// and a clip rectangle.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <span>
#include <vector>

#include "platform/Classes.h"
#include "platform/Types.h"
#include "platform/Color.h"
#include "platform/Font.h"

namespace vcl {

class TCanvas;
class TBitmap;

class EInvalidGraphic : public Exception {
 public:
  using Exception::Exception;
};
class EInvalidGraphicOperation : public Exception {
 public:
  using Exception::Exception;
};

// ---------------------------------------------------------------- pen, brush

enum TPenStyle : std::uint8_t {
  psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame, psUserStyle, psAlternate
};
// Binary raster operations of the pen, in the framework's order.
enum TPenMode : std::uint8_t {
  pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
  pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};
enum TBrushStyle : std::uint8_t {
  bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross
};
enum TFillStyle : std::uint8_t { fsSurface, fsBorder };
enum TPixelFormat : std::uint8_t {
  pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom
};
using TCopyMode = std::int32_t;

class TPen : public TGraphicsObject {
 public:
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  int Width() const { return FWidth; }
  void SetWidth(int Value);  // values below 1 become 1
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle Value);
  TPenMode Mode() const { return FMode; }
  void SetMode(TPenMode Value);
  void Assign(TPersistent* Source) override;

 private:
  TColor FColor = clBlack;
  int FWidth = 1;
  TPenStyle FStyle = psSolid;
  TPenMode FMode = pmCopy;
};

class TBrush : public TGraphicsObject {
 public:
  TColor Color() const { return FColor; }
  // Setting a color makes a clear brush solid, as the framework does.
  void SetColor(TColor Value);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle Value);
  void Assign(TPersistent* Source) override;

 private:
  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
};

// ---------------------------------------------------------------- surface

// The pixels a canvas draws on: Width × Height pixels of 0x00RRGGBB, rows
// Stride pixels apart. Owned by a bitmap or a window's back buffer.
struct TSurface {
  std::uint32_t* Pixels = nullptr;
  int Width = 0;
  int Height = 0;
  int Stride = 0;
};

// ---------------------------------------------------------------- canvas

class TGraphic;

class TCanvas : public TPersistent {
 public:
  TCanvas();
  ~TCanvas() override;

  TPen* Pen() { return &FPen; }
  TBrush* Brush() { return &FBrush; }
  TFont* Font() { return &FFont; }
  void SetPen(TPen* Value) { FPen.Assign(Value); }
  void SetBrush(TBrush* Value) { FBrush.Assign(Value); }
  void SetFont(TFont* Value) { FFont.Assign(Value); }
  TPoint PenPos() const { return FPenPos; }
  void SetPenPos(TPoint Value) { FPenPos = Value; }
  TCopyMode CopyMode() const { return FCopyMode; }
  void SetCopyMode(TCopyMode Value) { FCopyMode = Value; }
  // Stretch mode of StretchDraw and StretchBlt (COLORONCOLOR by default).
  int StretchBltMode() const { return FStretchMode; }
  void SetStretchBltMode(int Mode) { FStretchMode = Mode; }

  // Lines: from the pen position to (X, Y), the end point left out.
  void MoveTo(int X, int Y);
  void LineTo(int X, int Y);
  void Polyline(std::span<const TPoint> Points);
  void Polyline(std::initializer_list<TPoint> Points) { Polyline(std::span(Points.begin(), Points.size())); }
  void Polygon(std::span<const TPoint> Points);
  void Polygon(std::initializer_list<TPoint> Points) { Polygon(std::span(Points.begin(), Points.size())); }

  // Shapes: outline with the pen, interior with the brush; Right and Bottom exclusive.
  void Rectangle(int X1, int Y1, int X2, int Y2);
  void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
  void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
  void Ellipse(int X1, int Y1, int X2, int Y2);
  void Ellipse(const TRect& R) { Ellipse(R.Left, R.Top, R.Right, R.Bottom); }
  // Counter-clockwise from the radial through (X3, Y3) to the radial through (X4, Y4).
  void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  void Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  void FillRect(const TRect& R);          // brush only, never the pen
  void FrameRect(const TRect& R);         // one-pixel outline in the brush color
  void DrawFocusRect(const TRect& R);     // dotted XOR outline
  void FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle);

  // Text: the top-left of the text cell at (X, Y); an opaque (solid) brush
  // fills the cell first, a clear brush draws only the glyphs. The pen
  // position moves past the text.
  void TextOut(int X, int Y, const String& Text);
  // As TextOut, clipped to R; a solid brush fills R first.
  void TextRect(const TRect& R, int X, int Y, const String& Text);
  int TextWidth(const String& Text);
  int TextHeight(const String& Text);
  TSize TextExtent(const String& Text);

  // Copies with CopyMode.
  void Draw(int X, int Y, TGraphic* Graphic);
  void StretchDraw(const TRect& R, TGraphic* Graphic);
  void CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source);

  // Single pixels in canvas coordinates; reading outside the clip gives
  // 0xFFFFFFFF (-1).
  TColor Pixels(int X, int Y) const;
  void SetPixels(int X, int Y, TColor Color);

  // The visible part of the canvas in its own coordinates.
  TRect ClipRect() const;

  // The device context handle for the Winapi-style calls (StretchBlt).
  TCanvas* Handle() { return this; }
  bool HandleAllocated() const { return FSurface.Pixels != nullptr; }
  void Refresh() {}
  void Lock() {}
  void Unlock() {}

  // Attaching to pixels. Origin is the device position of canvas (0, 0);
  // Clip is in device coordinates. Bitmaps and windows set these; painting
  // code normally never does.
  void Attach(const TSurface& Surface, TPoint Origin, const TRect& DeviceClip);
  void Detach();
  const TSurface& Surface() const { return FSurface; }
  TPoint Origin() const { return FOrigin; }
  void SetOrigin(TPoint Value) { FOrigin = Value; }
  const TRect& DeviceClip() const { return FClip; }
  // Narrows the clip (canvas coordinates) and returns the previous device clip.
  TRect IntersectClip(const TRect& R);
  void SetDeviceClip(const TRect& DeviceClip);
  // Called before pixels change; a bitmap uses it to mark itself modified.
  std::function<void()> OnChanging;

 private:
  friend class TBitmap;
  friend struct CanvasAccess;  // the painting internals (platform/graphics)
  void Changing();

  TPen FPen;
  TBrush FBrush;
  TFont FFont;
  TPoint FPenPos;
  TCopyMode FCopyMode;
  int FStretchMode;
  TSurface FSurface;
  TPoint FOrigin;
  TRect FClip;
  std::int64_t FPenPhase = 0;  // position in a styled pen's cycle, reset by MoveTo
};

// ---------------------------------------------------------------- graphics

class TGraphic : public TPersistent {
 public:
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetWidth(int Value) = 0;
  virtual void SetHeight(int Value) = 0;
  virtual bool Empty() const { return Width() == 0 || Height() == 0; }
  bool Transparent() const { return FTransparent; }
  virtual void SetTransparent(bool Value) { FTransparent = Value; }
  virtual void LoadFromFile(const String& FileName) = 0;
  virtual void SaveToFile(const String& FileName) = 0;
  virtual void LoadFromStream(TStream* Stream) = 0;
  virtual void SaveToStream(TStream* Stream) = 0;
  TNotifyEvent OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

 protected:
  void Changed() { if (FOnChange) FOnChange(this); }

 private:
  bool FTransparent = false;
  TNotifyEvent FOnChange;
};

// A 32-bit bitmap. Loading reads BMP (1, 4, 8, 24, 32 bits), PNG and JPEG;
// saving chooses the format by extension (.bmp, .png, .jpg/.jpeg). A load
// that fails raises EInvalidGraphic naming the file and the problem and
// leaves the bitmap as it was.
class TBitmap : public TGraphic {
 public:
  TBitmap();
  TBitmap(int AWidth, int AHeight);
  ~TBitmap() override;

  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  void SetWidth(int Value) override { SetSize(Value, FHeight); }
  void SetHeight(int Value) override { SetSize(FWidth, Value); }
  // Keeps the pixels that still fit; new pixels are white.
  void SetSize(int AWidth, int AHeight);
  TPixelFormat PixelFormat() const { return FPixelFormat; }
  void SetPixelFormat(TPixelFormat Value) { FPixelFormat = Value; }
  TColor TransparentColor() const { return FTransparentColor; }
  void SetTransparentColor(TColor Value) { FTransparentColor = Value; }

  TCanvas* Canvas() { return &FCanvas; }
  // Row Y as Width pixels of 0x00RRGGBB.
  std::uint32_t* ScanLine(int Row);
  const std::uint32_t* ScanLine(int Row) const;
  TSurface Surface() { return {FPixels.data(), FWidth, FHeight, FWidth}; }

  void Assign(TPersistent* Source) override;
  void LoadFromFile(const String& FileName) override;
  void SaveToFile(const String& FileName) override;
  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) override;  // as BMP
  // Loads a named bitmap embedded in the library; EResNotFound for an unknown name.
  void LoadFromResourceName(const String& ResName);
  void LoadFromResourceName(std::uintptr_t Instance, const String& ResName) {
    (void)Instance;
    LoadFromResourceName(ResName);
  }

 private:
  void AttachCanvas();
  // Decodes into a fresh buffer and only then replaces the pixels, so a
  // failed load leaves the bitmap as it was.
  void LoadFromBytes(std::span<const std::uint8_t> Data, const String& FileName);
  void TakeImage(std::vector<std::uint32_t>&& Pixels, int AWidth, int AHeight,
                 TPixelFormat Format);
  // The file's bytes in the format its extension names (BMP otherwise).
  std::vector<std::uint8_t> Encode(const String& FileName) const;
  // Whether any pixel carries alpha in its top byte (pixels drawn by the
  // canvas never do, so a drawn 32-bit bitmap is saved opaque).
  bool HasAlpha() const;

  int FWidth = 0;
  int FHeight = 0;
  TPixelFormat FPixelFormat = pfDevice;
  TColor FTransparentColor = clDefault;
  std::vector<std::uint32_t> FPixels;
  TCanvas FCanvas;
};

class EResNotFound : public Exception {
 public:
  using Exception::Exception;
};

// A holder of one graphic (here always a bitmap), as image properties use it.
class TPicture : public TPersistent {
 public:
  TPicture();
  ~TPicture() override;
  TBitmap* Bitmap();
  TGraphic* Graphic() { return FBitmap.get(); }
  int Width() const;
  int Height() const;
  void LoadFromFile(const String& FileName);
  void SaveToFile(const String& FileName);
  void Assign(TPersistent* Source) override;

 private:
  std::unique_ptr<TBitmap> FBitmap;
};

}  // namespace vcl
