// Bitmaps: a 32-bit pixel buffer with a canvas, loading and saving.
#include <algorithm>
#include <cstring>

#include "platform/Files.h"
#include "platform/Graphics.h"
#include "platform/image/Codecs.h"

namespace vcl::detail {
struct EmbeddedResource {
  const char* name;
  const std::uint8_t* data;
  std::size_t size;
};
extern const EmbeddedResource kEmbeddedResources[];
extern const std::size_t kEmbeddedResourceCount;
}  // namespace vcl::detail

namespace vcl {

namespace {

constexpr std::uint32_t kWhitePixel = 0x00FFFFFF;

String Lowered(String S) {
  for (char16_t& c : S) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
  }
  return S;
}

bool EndsWith(const String& S, std::u16string_view Tail) {
  return S.size() >= Tail.size() && S.compare(S.size() - Tail.size(), Tail.size(), Tail) == 0;
}

// "Cannot load image "name": problem" (the name left out when there is none).
[[noreturn]] void LoadFailed(const String& FileName, const std::string& Problem) {
  std::string msg = "Cannot load image";
  if (!FileName.empty()) msg += " \"" + ToUTF8(FileName) + "\"";
  throw EInvalidGraphic(msg + ": " + Problem);
}

std::vector<std::uint8_t> ReadAll(TStream* Stream) {
  const std::int64_t left = Stream->Size() - Stream->Position();
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(std::max<std::int64_t>(left, 0)));
  if (!bytes.empty()) Stream->ReadBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  return bytes;
}

}  // namespace

TBitmap::TBitmap() {
  FCanvas.OnChanging = [] {};
  AttachCanvas();
}

TBitmap::TBitmap(int AWidth, int AHeight) : TBitmap() { SetSize(AWidth, AHeight); }

TBitmap::~TBitmap() = default;

void TBitmap::AttachCanvas() {
  const TSurface s = Surface();
  FCanvas.Attach(s, {0, 0}, TRect(0, 0, FWidth, FHeight));
}

void TBitmap::SetSize(int AWidth, int AHeight) {
  AWidth = std::max(AWidth, 0);
  AHeight = std::max(AHeight, 0);
  if (AWidth == FWidth && AHeight == FHeight) return;
  if (std::int64_t{AWidth} * AHeight > image::kMaxPixels) {
    throw EInvalidGraphicOperation("Bitmap too large (" + std::to_string(AWidth) + " x " +
                                   std::to_string(AHeight) + " pixels)");
  }
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(AWidth) * AHeight, kWhitePixel);
  const int keepW = std::min(FWidth, AWidth), keepH = keepW > 0 ? std::min(FHeight, AHeight) : 0;
  for (int y = 0; y < keepH; ++y) {
    std::memcpy(&pixels[static_cast<std::size_t>(y) * AWidth],
                &FPixels[static_cast<std::size_t>(y) * FWidth], sizeof(std::uint32_t) * keepW);
  }
  FPixels.swap(pixels);
  FWidth = AWidth;
  FHeight = AHeight;
  AttachCanvas();
  Changed();
}

std::uint32_t* TBitmap::ScanLine(int Row) {
  if (Row < 0 || Row >= FHeight) throw EInvalidGraphicOperation("Scan line index out of range");
  return &FPixels[static_cast<std::size_t>(Row) * FWidth];
}

const std::uint32_t* TBitmap::ScanLine(int Row) const {
  if (Row < 0 || Row >= FHeight) throw EInvalidGraphicOperation("Scan line index out of range");
  return &FPixels[static_cast<std::size_t>(Row) * FWidth];
}

void TBitmap::Assign(TPersistent* Source) {
  if (Source == this) return;
  if (Source == nullptr) {
    FPixels.clear();
    FWidth = FHeight = 0;
    AttachCanvas();
    Changed();
    return;
  }
  if (auto* b = dynamic_cast<TBitmap*>(Source)) {
    FPixels = b->FPixels;
    FWidth = b->FWidth;
    FHeight = b->FHeight;
    FPixelFormat = b->FPixelFormat;
    FTransparentColor = b->FTransparentColor;
    SetTransparent(b->Transparent());
    AttachCanvas();
    Changed();
    return;
  }
  TGraphic::Assign(Source);
}

void TBitmap::TakeImage(std::vector<std::uint32_t>&& Pixels, int AWidth, int AHeight,
                        TPixelFormat Format) {
  FPixels.swap(Pixels);
  FWidth = AWidth;
  FHeight = AHeight;
  FPixelFormat = Format;
  AttachCanvas();
  Changed();
}

void TBitmap::LoadFromBytes(std::span<const std::uint8_t> Data, const String& FileName) {
  image::Image img;
  try {
    img = image::Decode(Data);
  } catch (const image::DecodeError& e) {
    LoadFailed(FileName, e.what());
  } catch (const std::bad_alloc&) {
    LoadFailed(FileName, "not enough memory");
  }
  TakeImage(std::move(img.Pixels), img.Width, img.Height, img.Format);
}

void TBitmap::LoadFromStream(TStream* Stream) {
  if (Stream == nullptr) LoadFailed(String(), "no stream");
  const std::vector<std::uint8_t> bytes = ReadAll(Stream);
  LoadFromBytes(bytes, String());
}

void TBitmap::LoadFromFile(const String& FileName) {
  TMemoryStream stream;
  stream.LoadFromFile(FileName);
  LoadFromBytes({static_cast<const std::uint8_t*>(stream.Memory()),
                 static_cast<std::size_t>(stream.Size())},
                FileName);
}

bool TBitmap::HasAlpha() const {
  return std::any_of(FPixels.begin(), FPixels.end(), [](std::uint32_t p) { return (p >> 24) != 0; });
}

std::vector<std::uint8_t> TBitmap::Encode(const String& FileName) const {
  const image::View view{FPixels.data(), FWidth, FHeight, FWidth};
  const String name = Lowered(FileName);
  if (FWidth == 0 || FHeight == 0) throw EInvalidGraphicOperation("Cannot save an empty bitmap");
  try {
    if (EndsWith(name, u".png")) return image::EncodePng(view, FPixelFormat == pf32bit && HasAlpha());
    if (EndsWith(name, u".jpg") || EndsWith(name, u".jpeg")) return image::EncodeJpeg(view, 90);
  } catch (const image::DecodeError& e) {
    throw EInvalidGraphicOperation("Cannot save image \"" + ToUTF8(FileName) + "\": " + e.what());
  }
  return image::EncodeBmp(view, FPixelFormat == pf32bit);
}

// The file is replaced whole or not at all (platform/Files.h), so a failed
// save keeps the old picture and a reader never sees half a file.
void TBitmap::SaveToFile(const String& FileName) {
  const std::vector<std::uint8_t> bytes = Encode(FileName);
  TSafeFile file(FileName);
  file.Put(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  file.Commit();
}

void TBitmap::SaveToStream(TStream* Stream) {
  if (Stream == nullptr) return;
  const std::vector<std::uint8_t> bytes = Encode(u".bmp");
  Stream->WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

void TBitmap::LoadFromResourceName(const String& ResName) {
  const std::string wanted = ToUTF8(Lowered(ResName));
  for (std::size_t i = 0; i < detail::kEmbeddedResourceCount; ++i) {
    const detail::EmbeddedResource& r = detail::kEmbeddedResources[i];
    if (ToUTF8(Lowered(Str(r.name))) == wanted) {
      LoadFromBytes({r.data, r.size}, Str(r.name));
      return;
    }
  }
  throw EResNotFound("Resource " + ToUTF8(ResName) + " not found");
}

}  // namespace vcl
