// TCustomImageList: pictures with masks, added from bitmaps and drawn by index.
#include <algorithm>

#include "platform/ImgList.h"
#include "platform/Streaming.h"

namespace vcl {

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomImageList::~TCustomImageList() = default;

void TCustomImageList::Change() {
  if (FOnChange) FOnChange(this);
}

void TCustomImageList::SetWidth(int Value) {
  Value = std::max(1, Value);
  if (Value == FWidth) return;
  FWidth = Value;
  Clear();
}

void TCustomImageList::SetHeight(int Value) {
  Value = std::max(1, Value);
  if (Value == FHeight) return;
  FHeight = Value;
  Clear();
}

// Cuts Image into pictures of the list's size; Opaque(x, y) tells which of
// the image's pixels show.
template <class IsOpaque>
int TCustomImageList::AddPictures(TBitmap* Image, IsOpaque Opaque) {
  if (Image == nullptr || Image->Empty()) return -1;
  int first = Count();
  int pictures = std::max(1, Image->Width() / FWidth);
  TCanvas* source = Image->Canvas();
  for (int k = 0; k < pictures; ++k) {
    TPicture p;
    p.Pixels.assign(static_cast<std::size_t>(FWidth * FHeight), clBlack);
    p.Opaque.assign(static_cast<std::size_t>(FWidth * FHeight), false);
    for (int y = 0; y < std::min(FHeight, Image->Height()); ++y) {
      for (int x = 0; x < FWidth && k * FWidth + x < Image->Width(); ++x) {
        int sx = k * FWidth + x;
        std::size_t at = static_cast<std::size_t>(y * FWidth + x);
        p.Pixels[at] = source->Pixels(sx, y);
        p.Opaque[at] = Opaque(sx, y, p.Pixels[at]);
      }
    }
    FImages.push_back(std::move(p));
  }
  Change();
  return first;
}

int TCustomImageList::Add(TBitmap* Image, TBitmap* Mask) {
  TCanvas* mask = Mask != nullptr && !Mask->Empty() ? Mask->Canvas() : nullptr;
  return AddPictures(Image, [mask](int X, int Y, TColor) {
    if (mask == nullptr) return true;
    TColor m = mask->Pixels(X, Y);
    return m == TColor(-1) || (m & 0xFFFFFF) != 0xFFFFFF;  // outside the mask: shown
  });
}

// clNone masks nothing (as a color it would be white).
int TCustomImageList::AddMasked(TBitmap* Image, TColor MaskColor) {
  bool none = MaskColor == clNone;
  TColor key = ColorToRGB(MaskColor);
  return AddPictures(Image, [none, key](int, int, TColor C) { return none || C != key; });
}

void TCustomImageList::Delete(int Index) {
  if (Index < 0 || Index >= Count()) return;
  FImages.erase(FImages.begin() + Index);
  Change();
}

void TCustomImageList::Clear() {
  if (FImages.empty()) return;
  FImages.clear();
  Change();
}

namespace {

// Disabled pictures: the brightness, lifted into the light grays.
TColor Dimmed(TColor C) {
  int luma = (GetRValue(C) * 30 + GetGValue(C) * 59 + GetBValue(C) * 11) / 100;
  int v = 128 + luma / 2;
  return RGB(v, v, v);
}

}  // namespace

void TCustomImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled) {
  if (Canvas == nullptr || Index < 0 || Index >= Count()) return;
  const TPicture& p = FImages[static_cast<std::size_t>(Index)];
  for (int y = 0; y < FHeight; ++y) {
    for (int x = 0; x < FWidth; ++x) {
      std::size_t at = static_cast<std::size_t>(y * FWidth + x);
      if (!p.Opaque[at]) continue;
      Canvas->SetPixels(X + x, Y + y, Enabled ? p.Pixels[at] : Dimmed(p.Pixels[at]));
    }
  }
}

bool TCustomImageList::GetBitmap(int Index, TBitmap* Image) const {
  if (Image == nullptr || Index < 0 || Index >= Count()) return false;
  const TPicture& p = FImages[static_cast<std::size_t>(Index)];
  Image->SetSize(FWidth, FHeight);
  for (int y = 0; y < FHeight; ++y) {
    for (int x = 0; x < FWidth; ++x) {
      std::size_t at = static_cast<std::size_t>(y * FWidth + x);
      Image->Canvas()->SetPixels(x, y, p.Opaque[at] ? p.Pixels[at] : clFuchsia);
    }
  }
  return true;
}

// ---------------------------------------------------------------- form files

namespace {

bool RegisterImageLists() {
  RegisterClass<TCustomImageList, TComponent>(u"TCustomImageList")
      .Property(u"Width", &TCustomImageList::Width, &TCustomImageList::SetWidth, 16)
      .Property(u"Height", &TCustomImageList::Height, &TCustomImageList::SetHeight, 16)
      .Binary(u"Bitmap", &TCustomImageList::ReadData, &TCustomImageList::WriteData,
              [](TCustomImageList& l) { return l.Count() > 0; })
      .Sample([](TCustomImageList& l, int Attempt) {  // one more picture each time
        if (Attempt > 2) return false;
        TBitmap b;
        b.SetSize(l.Width(), l.Height());
        b.Canvas()->SetPixels(Attempt, 0, RGB(200, 10, static_cast<std::uint8_t>(Attempt)));
        return l.Add(&b, nullptr) >= 0;
      })
      .Event(u"OnChange", &TCustomImageList::OnChange, &TCustomImageList::SetOnChange);
  RegisterClass<TImageList, TCustomImageList>(u"TImageList");
  return true;
}

const bool registered = RegisterImageLists();

}  // namespace

}  // namespace vcl
