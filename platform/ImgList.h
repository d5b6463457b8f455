// Image lists: a row of small pictures of one size, each with a mask, drawn
// by index (tree view node images, toolbar glyphs).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/Classes.h"
#include "platform/Graphics.h"

namespace vcl {

// Pictures of Width × Height pixels (16 × 16 unless set). Adding a bitmap
// wider than Width adds one picture per Width pixels of it (a strip);
// parts beyond the bitmap's height or the last whole picture are left out,
// and a bitmap narrower than Width adds one picture padded with
// transparent pixels. Changing Width or Height clears the list.
class TCustomImageList : public TComponent {
 public:
  explicit TCustomImageList(TComponent* AOwner);
  ~TCustomImageList() override;

  int Width() const { return FWidth; }
  void SetWidth(int Value);
  int Height() const { return FHeight; }
  void SetHeight(int Value);
  int Count() const { return static_cast<int>(FImages.size()); }

  // Adds Image; a pixel is transparent where Mask (when given) is white,
  // drawn where it is black. Returns the index of the first picture added,
  // or -1 when the image is empty.
  int Add(TBitmap* Image, TBitmap* Mask);
  // Adds Image with every pixel of MaskColor transparent (clNone: none).
  int AddMasked(TBitmap* Image, TColor MaskColor);
  void Delete(int Index);
  void Clear();
  // Draws picture Index with its top-left corner at (X, Y); a disabled
  // picture is drawn in light grays. An index outside the list draws nothing.
  void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled = true);
  // Copies picture Index into Image, its transparent pixels in clFuchsia;
  // false for an index outside the list.
  bool GetBitmap(int Index, TBitmap* Image) const;

  TNotifyEvent OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

  // The pictures as form files store them (Bitmap = {...}): the image list
  // stream of the common controls (platform/comctrls/ImageListData.cpp).
  // ReadData takes the size and every picture from the stream and raises
  // EReadError for data it cannot use, leaving the list as it was.
  void ReadData(TStream& Stream);
  void WriteData(TStream& Stream) const;

 protected:
  virtual void Change();

 private:
  struct TPicture {
    std::vector<TColor> Pixels;
    std::vector<bool> Opaque;
  };
  template <class IsOpaque>
  int AddPictures(TBitmap* Image, IsOpaque Opaque);

  int FWidth = 16;
  int FHeight = 16;
  std::vector<TPicture> FImages;
  TNotifyEvent FOnChange;
};

class TImageList : public TCustomImageList {
 public:
  explicit TImageList(TComponent* AOwner) : TCustomImageList(AOwner) {}
};

}  // namespace vcl
