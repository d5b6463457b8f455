// TPicture: the holder of one bitmap behind image properties.
#include "platform/Graphics.h"

namespace vcl {

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

TBitmap* TPicture::Bitmap() {
  if (!FBitmap) FBitmap = std::make_unique<TBitmap>();
  return FBitmap.get();
}

int TPicture::Width() const { return FBitmap ? FBitmap->Width() : 0; }
int TPicture::Height() const { return FBitmap ? FBitmap->Height() : 0; }

void TPicture::LoadFromFile(const String& FileName) {
  // Loaded into a new bitmap first, so a failure keeps the old picture.
  auto loaded = std::make_unique<TBitmap>();
  loaded->LoadFromFile(FileName);
  FBitmap = std::move(loaded);
}

void TPicture::SaveToFile(const String& FileName) {
  if (FBitmap) FBitmap->SaveToFile(FileName);
}

void TPicture::Assign(TPersistent* Source) {
  if (Source == this) return;
  if (Source == nullptr) {
    FBitmap.reset();
    return;
  }
  if (auto* p = dynamic_cast<TPicture*>(Source)) {
    if (p->FBitmap) Bitmap()->Assign(p->FBitmap.get());
    else FBitmap.reset();
    return;
  }
  if (auto* g = dynamic_cast<TBitmap*>(Source)) {
    Bitmap()->Assign(g);
    return;
  }
  TPersistent::Assign(Source);
}

}  // namespace vcl
