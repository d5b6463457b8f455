// TFont and the logical font description behind its handle.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/Types.h"
#include "platform/Color.h"

namespace vcl {

namespace text {
class FontInstance;
class FontAccess;
}  // namespace text

enum TFontStyle : std::uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = Set<TFontStyle>;
enum TFontPitch : std::uint8_t { fpDefault, fpVariable, fpFixed };
enum TFontQuality : std::uint8_t {
  fqDefault, fqDraft, fqProof, fqNonAntialiased, fqAntialiased, fqClearType, fqClearTypeNatural
};
using TFontCharset = std::uint8_t;

// Logical font description, as the operating system's font calls take it.
// Heights: negative = character (em) height in pixels, positive = cell height.
struct LOGFONTW {
  std::int32_t lfHeight = 0;
  std::int32_t lfWidth = 0;
  std::int32_t lfEscapement = 0;   // tenths of a degree, counter-clockwise
  std::int32_t lfOrientation = 0;  // tenths of a degree
  std::int32_t lfWeight = 400;     // FW_NORMAL 400, FW_BOLD 700
  std::uint8_t lfItalic = 0;
  std::uint8_t lfUnderline = 0;
  std::uint8_t lfStrikeOut = 0;
  std::uint8_t lfCharSet = 1;      // DEFAULT_CHARSET
  std::uint8_t lfOutPrecision = 0;
  std::uint8_t lfClipPrecision = 0;
  std::uint8_t lfQuality = 0;
  std::uint8_t lfPitchAndFamily = 0;
  char16_t lfFaceName[32] = {};
};
using LOGFONT = LOGFONTW;

constexpr std::uint8_t DEFAULT_CHARSET = 1;
constexpr std::uint8_t OUT_DEFAULT_PRECIS = 0;
constexpr std::uint8_t CLIP_DEFAULT_PRECIS = 0;
constexpr std::uint8_t DEFAULT_QUALITY = 0;
constexpr std::uint8_t DRAFT_QUALITY = 1;
constexpr std::uint8_t PROOF_QUALITY = 2;
constexpr std::uint8_t NONANTIALIASED_QUALITY = 3;
constexpr std::uint8_t ANTIALIASED_QUALITY = 4;
constexpr std::uint8_t CLEARTYPE_QUALITY = 5;
constexpr std::uint8_t CLEARTYPE_NATURAL_QUALITY = 6;
constexpr std::uint8_t DEFAULT_PITCH = 0;
constexpr std::int32_t FW_NORMAL = 400;
constexpr std::int32_t FW_BOLD = 700;

// A font handle: an opaque logical font made by CreateFontIndirect or
// TFont::Handle. Handles made by CreateFontIndirect are freed by DeleteObject
// or by giving them to a TFont (SetHandle), which takes them over.
struct HFONT__;
using HFONT = HFONT__*;

HFONT CreateFontIndirect(const LOGFONTW* LogFont);
inline HFONT CreateFontIndirectW(const LOGFONTW* LogFont) { return CreateFontIndirect(LogFont); }
// Copies the logical font of Font into Buffer (at most Size bytes, normally
// sizeof(LOGFONTW)); returns the bytes copied, 0 for an unknown handle, and
// sizeof(LOGFONTW) when Buffer is null.
int GetObject(HFONT Font, int Size, void* Buffer);
inline int GetObjectW(HFONT Font, int Size, void* Buffer) { return GetObject(Font, Size, Buffer); }
// Frees a handle from CreateFontIndirect. False for an unknown handle and for
// one a TFont owns (the font frees it; freeing it here would leave the font
// with a dangling handle).
bool DeleteObject(HFONT Font);

// Defaults: Name "Tahoma", Size 8, Color clWindowText, no style,
// Height = -MulDiv(Size, 96, 72). Names are matched through fontconfig;
// without a match the default sans font is used. Setters ignore unchanged
// values; every change fires OnChange. SetOrientation turns the text (it sets
// escapement and orientation together, as the framework's Orientation does);
// SetEscapement sets the escapement alone. Names are cut to 31 characters,
// as a logical font holds them; an empty name is ignored.
class TFont : public TGraphicsObject {
 public:
  TFont();
  ~TFont() override;

  const String& Name() const { return FName; }
  void SetName(const String& Value);
  int Size() const;                 // points at 96 DPI
  void SetSize(int Value);
  int Height() const { return FHeight; }
  void SetHeight(int Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles Value);
  int Orientation() const { return FOrientation; }  // tenths of a degree
  void SetOrientation(int Value);
  int Escapement() const { return FEscapement; }    // tenths of a degree
  void SetEscapement(int Value);
  TFontQuality Quality() const { return FQuality; }
  void SetQuality(TFontQuality Value);
  TFontPitch Pitch() const { return FPitch; }
  void SetPitch(TFontPitch Value);
  TFontCharset Charset() const { return FCharset; }
  void SetCharset(TFontCharset Value);
  int PixelsPerInch() const { return 96; }

  // The logical font of the current attributes (owned by the font).
  HFONT Handle();
  // Takes over a handle from CreateFontIndirect and adopts its attributes
  // (name, height, weight, italic, underline, strike-out, escapement,
  // orientation, quality, pitch, charset).
  void SetHandle(HFONT Value);

  // Copies every attribute, including a handle's logical font adopted by
  // Source through SetHandle.
  void Assign(TPersistent* Source) override;

 private:
  friend class text::FontAccess;
  void ReleaseHandle();
  // Drops the handle and the resolved font after an attribute change and
  // fires OnChange.
  void AttributesChanged();

  String FName;
  int FHeight;
  TColor FColor;
  TFontStyles FStyle;
  int FOrientation = 0;
  int FEscapement = 0;
  TFontQuality FQuality = fqDefault;
  TFontPitch FPitch = fpDefault;
  TFontCharset FCharset = DEFAULT_CHARSET;
  HFONT FHandle = nullptr;
  // The font engine's resolution of the handle, valid while FGeneration
  // equals the engine's generation.
  text::FontInstance* FInstance = nullptr;
  std::uint64_t FGeneration = 0;
};

}  // namespace vcl
