// FreeType faces: a font file opened once, and faces set to one pixel size
// that measure and render glyphs.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/text/FontEngine.h"

namespace vcl::text {

// A font file's bytes and the size-independent facts the engine needs, all
// in font units.
class FaceFile {
 public:
  // nullptr when FreeType cannot read the file.
  static std::unique_ptr<FaceFile> Open(FT_Library Library, const std::string& Path, int Index);
  ~FaceFile();
  FaceFile(const FaceFile&) = delete;
  FaceFile& operator=(const FaceFile&) = delete;

  // The em height in pixels whose cell (ascent + descent) is CellHeight.
  int EmForCellHeight(int CellHeight) const;

  std::string Path;
  int Index = 0;
  std::vector<unsigned char> Data;
  bool Scalable = true;
  int UnitsPerEm = 2048;
  int Ascent = 0;             // the cell above the baseline
  int Descent = 0;            // the cell below the baseline
  int UnderlinePosition = 0;  // centre of the line, negative below the baseline
  int UnderlineThickness = 0;
  int StrikePosition = 0;  // top of the line above the baseline
  int StrikeThickness = 0;

 private:
  FaceFile() = default;
  void ReadMetrics(FT_Face Face);
};

// A face at one pixel size with optional synthetic bold and italic.
class SizedFace {
 public:
  static std::unique_ptr<SizedFace> Open(FT_Library Library, const FaceFile& File, int EmPixels,
                                         bool SynthBold, bool SynthItalic);
  ~SizedFace();
  SizedFace(const SizedFace&) = delete;
  SizedFace& operator=(const SizedFace&) = delete;

  const FontMetrics& Metrics() const { return FMetrics; }
  const FaceFile& File() const { return FFile; }
  std::uint32_t GlyphIndex(char32_t Ch) const;
  // Hinted advance in whole pixels (plus the widening of synthetic bold).
  int Advance(std::uint32_t Index);
  // Renders glyph Index, aliased or smoothed, rotated counter-clockwise by
  // Angle tenths of a degree. False when FreeType fails; Mask is then empty.
  bool Render(std::uint32_t Index, bool Antialiased, int Angle, GlyphMask& Mask);

 private:
  SizedFace(const FaceFile& File, FT_Face Face, int EmPixels, bool SynthBold, bool SynthItalic);
  void ComputeMetrics();
  void ComputeLines(double Scale);
  bool Load(std::uint32_t Index, FT_Int32 Flags);
  void Synthesise();

  const FaceFile& FFile;
  FT_Face FFace;
  int FEm;
  bool FSynthBold;
  bool FSynthItalic;
  int FBoldPixels;
  FontMetrics FMetrics;
};

}  // namespace vcl::text
