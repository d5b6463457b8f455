// Pictures in form files: the binary Data of bitmaps (a glyph's
// "Glyph.Data") and of pictures ("Picture.Data"), as the framework lays
// them out.
//
//   TBitmap.Data   size (4 bytes, little-endian), then that many bytes of a
//                  BMP file; size 0 is an empty bitmap.
//   TPicture.Data  the graphic's class name as a short string (one length
//                  byte, then the characters), then the graphic's own data:
//                  TBitmap and TJPEGImage as a size and that many bytes,
//                  TPngImage as the rest of the data. An empty name is an
//                  empty picture.
//
// A picture holds a bitmap here, so a JPEG or PNG picture is decoded into
// one and written back as TBitmap. Every read decodes into a new bitmap
// first: data that lies about its size or does not decode raises EReadError
// and leaves the picture as it was.
#include <algorithm>
#include <array>
#include <string>

#include "platform/Graphics.h"
#include "platform/streaming/FormLexer.h"
#include "platform/streaming/Registry.h"

namespace vcl::streaming {

namespace {

String Num(std::int64_t v) { return FromUTF8(std::to_string(v)); }

std::int64_t Remaining(TStream& S) { return S.Size() - S.Position(); }

std::uint32_t ReadSize(TStream& S, const String& What) {
  if (Remaining(S) < 4) {
    throw EReadError(What + u" data too short: a 4-byte size expected but " + Num(Remaining(S)) +
                     u" bytes found");
  }
  std::array<std::uint8_t, 4> b{};
  S.ReadBuffer(b.data(), 4);
  return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
         static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

void WriteSize(TStream& S, std::uint64_t Size) {
  if (Size > UINT32_MAX) throw EWriteError("Picture too large for a form file");
  const std::array<std::uint8_t, 4> b{static_cast<std::uint8_t>(Size), static_cast<std::uint8_t>(Size >> 8),
                                      static_cast<std::uint8_t>(Size >> 16),
                                      static_cast<std::uint8_t>(Size >> 24)};
  S.WriteBuffer(b.data(), 4);
}

// Decodes Count bytes of S (all that remain when Count < 0) into Into.
void DecodeInto(TBitmap& Into, TStream& S, std::int64_t Count, const String& What) {
  if (Count < 0) Count = Remaining(S);
  if (Count > Remaining(S)) {
    throw EReadError(What + u" data declares " + Num(Count) + u" bytes but only " +
                     Num(Remaining(S)) + u" follow");
  }
  if (Count == 0) {
    Into.Assign(nullptr);
    return;
  }
  TMemoryStream image;
  image.CopyFrom(&S, Count);
  image.SetPosition(0);
  try {
    Into.LoadFromStream(&image);
  } catch (const EInvalidGraphic& e) {
    throw EReadError(What + u" data does not decode: " + e.Message());
  }
}

// The bitmap as BMP file bytes after their size.
void WriteBitmap(TBitmap& B, TStream& S) {
  TMemoryStream image;
  if (!B.Empty()) B.SaveToStream(&image);
  WriteSize(S, static_cast<std::uint64_t>(image.Size()));
  image.SetPosition(0);
  if (image.Size() > 0) S.CopyFrom(&image, image.Size());
}

void ReadBitmapData(TBitmap& B, TStream& S) {
  TBitmap loaded;
  DecodeInto(loaded, S, ReadSize(S, u"Bitmap"), u"Bitmap");
  B.Assign(&loaded);
}

String ReadClassName(TStream& S) {
  std::uint8_t length = 0;
  if (Remaining(S) < 1) throw EReadError("Picture data too short: a graphic class name expected");
  S.ReadBuffer(&length, 1);
  if (Remaining(S) < length) {
    throw EReadError(u"Picture data too short: a class name of " + Num(length) +
                     u" characters declared but " + Num(Remaining(S)) + u" bytes follow");
  }
  std::string name(length, '\0');
  if (length > 0) S.ReadBuffer(name.data(), length);
  bool plain = std::all_of(name.begin(), name.end(), [](char c) { return c > 32 && c < 127; });
  if (!plain) throw EReadError("Picture data: the graphic class name is not a plain name");
  return FromUTF8(name);
}

void ReadPictureData(TPicture& P, TStream& S) {
  String name = ReadClassName(S);
  TBitmap loaded;
  if (name.empty()) {
    P.Assign(nullptr);
    return;
  }
  if (SameIdent(name, u"TBitmap") || SameIdent(name, u"TJPEGImage")) {
    DecodeInto(loaded, S, ReadSize(S, name), name);
  } else if (SameIdent(name, u"TPngImage") || SameIdent(name, u"TPNGObject")) {
    DecodeInto(loaded, S, -1, name);
  } else {
    throw EReadError(u"Picture data: graphic class " + name +
                     u" is not supported (TBitmap, TJPEGImage or TPngImage expected)");
  }
  P.Assign(&loaded);
}

void WritePictureData(TPicture& P, TStream& S) {
  static constexpr char name[] = "TBitmap";
  const std::uint8_t length = sizeof name - 1;
  S.WriteBuffer(&length, 1);
  S.WriteBuffer(name, length);
  WriteBitmap(*P.Bitmap(), S);
}

bool PictureHasData(TPicture& P) { return P.Graphic() != nullptr && !P.Graphic()->Empty(); }

// A small bitmap that differs with each attempt, for generic tests.
bool SampleBitmap(TBitmap& B, int Attempt) {
  if (Attempt > 2) return false;
  B.SetSize(2 + Attempt, 3);
  B.Canvas()->SetPixels(0, 0, RGB(10, 20, static_cast<std::uint8_t>(30 + Attempt)));
  return true;
}

}  // namespace

void RegisterGraphicClasses() {
  RegisterClass<TGraphic, TPersistent>(u"TGraphic");
  RegisterClass<TBitmap, TGraphic>(u"TBitmap")
      .Binary(u"Data", &ReadBitmapData, &WriteBitmap, [](TBitmap& b) { return !b.Empty(); })
      .Sample(&SampleBitmap);
  RegisterClass<TPicture, TPersistent>(u"TPicture")
      .Binary(u"Data", &ReadPictureData, &WritePictureData, &PictureHasData)
      .Sample([](TPicture& p, int Attempt) { return SampleBitmap(*p.Bitmap(), Attempt); });
}

}  // namespace vcl::streaming
