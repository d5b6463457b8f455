// The font engine behind TFont and the canvas text calls: fontconfig picks
// files, FreeType renders them, and everything measured or rendered is
// cached so that measuring a short string costs a few table look-ups.
//
// All use goes through a FontAccess, which holds the engine's lock; the
// pointers it hands out stay valid while it lives.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/Font.h"
#include "platform/text/FontMatch.h"

namespace vcl::text {

class FontEngine;
class SizedFace;

// Cell metrics in pixels. The cell of a line is Ascent + Descent high, the
// baseline lies Ascent pixels below its top. Line offsets count pixel rows
// from the baseline: the underline starts UnderlineOffset rows below it (0 =
// the first row under the baseline), the strike-out line StrikeOffset rows
// above it (its top row is baseline - StrikeOffset).
struct FontMetrics {
  int Ascent = 0;
  int Descent = 0;
  int EmHeight = 0;
  int UnderlineOffset = 1;
  int UnderlineThickness = 1;
  int StrikeOffset = 3;
  int StrikeThickness = 1;
  int Height() const { return Ascent + Descent; }
};

// A rendered glyph: Width × Height coverage values (0..255; aliased glyphs
// hold only 0 and 255). The mask's top-left lies Left pixels right of the pen
// and Top pixels above the baseline point the pen stands on.
struct GlyphMask {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Coverage;
};

// Where a character's glyph comes from: the font itself, or a fallback font
// for characters it lacks.
struct GlyphRef {
  SizedFace* Face = nullptr;
  std::uint32_t Index = 0;
};

// One logical font resolved against the installed fonts: face, pixel size,
// style, quality and angle. Made and owned by the engine.
class FontInstance {
 public:
  // Face may be null (no usable font installed): the instance then measures
  // with estimates from EmPixels and draws nothing.
  FontInstance(FontEngine& Engine, const LOGFONTW& Font, SizedFace* Face,
               const FontRequest& Request, int EmPixels);

  const FontMetrics& Metrics() const { return FMetrics; }
  // Advance width of one character in whole pixels.
  int Advance(char32_t Ch);
  // Sum of the advances (no kerning, as the system's TextOut).
  int TextWidth(std::u16string_view Text);
  // The character's glyph, rendered at this font's quality and angle; an
  // empty mask for characters no installed font has.
  const GlyphMask& Glyph(char32_t Ch);

  bool Antialiased() const { return FAntialiased; }
  int Escapement() const { return FEscapement; }  // tenths of a degree, 0..3599
  bool Underline() const { return FUnderline; }
  bool StrikeOut() const { return FStrikeOut; }
  // The family and file fontconfig chose ("" when no font is installed).
  std::string FamilyName() const;
  std::string FilePath() const;

 private:
  GlyphRef Ref(char32_t Ch);
  int LookUpAdvance(char32_t Ch);
  const GlyphMask& LookUpGlyph(char32_t Ch);

  FontEngine& FEngine;
  SizedFace* FFace;
  FontRequest FRequest;
  FontMetrics FMetrics;
  bool FAntialiased;
  int FEscapement;
  bool FUnderline;
  bool FStrikeOut;
  std::array<std::int32_t, 128> FAsciiAdvance;
  std::array<const GlyphMask*, 128> FAsciiGlyph{};
  std::unordered_map<char32_t, std::int32_t> FAdvances;
  std::unordered_map<char32_t, const GlyphMask*> FGlyphs;
  std::unordered_map<char32_t, GlyphRef> FRefs;
};

struct FontCacheStats {
  std::size_t Instances = 0;
  std::size_t Faces = 0;
  std::size_t Glyphs = 0;
  std::size_t GlyphBytes = 0;
  std::uint64_t Generation = 0;
};

// Exclusive use of the process's font engine.
class FontAccess {
 public:
  FontAccess();
  ~FontAccess();
  FontAccess(const FontAccess&) = delete;
  FontAccess& operator=(const FontAccess&) = delete;

  FontInstance& Resolve(const LOGFONTW& Font);
  // The font's resolved instance, remembered in the font until it changes.
  FontInstance& Resolve(TFont& Font);
  // Drops every cached face, glyph and instance (they are rebuilt on demand).
  void ClearCaches();
  FontCacheStats Stats() const;

 private:
  std::unique_lock<std::mutex> FLock;
  FontEngine& FEngine;
};

}  // namespace vcl::text
