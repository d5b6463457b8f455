#include "platform/text/FontFace.h"

#include "platform/text/Turn.h"

#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <fstream>

namespace vcl::text {
namespace {

// Font files beyond this size are refused rather than read into memory.
constexpr std::streamoff kMaxFontFileBytes = 256LL * 1024 * 1024;

int RoundPixels(double v) { return static_cast<int>(std::floor(v + 0.5)); }

bool ReadFile(const std::string& path, std::vector<unsigned char>& data) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return false;
  const std::streamoff size = in.tellg();
  if (size <= 0 || size > kMaxFontFileBytes) return false;
  data.resize(static_cast<std::size_t>(size));
  in.seekg(0);
  return static_cast<bool>(in.read(reinterpret_cast<char*>(data.data()), size));
}

FT_Fixed Fixed(double v) { return static_cast<FT_Fixed>(std::lround(v * 65536.0)); }

const unsigned char* Row(const FT_Bitmap& bm, unsigned y) {
  // A negative pitch stores the bottom row first.
  if (bm.pitch >= 0) return bm.buffer + static_cast<std::size_t>(y) * bm.pitch;
  return bm.buffer + static_cast<std::size_t>(bm.rows - 1 - y) * static_cast<unsigned>(-bm.pitch);
}

std::uint8_t Coverage(const FT_Bitmap& bm, const unsigned char* row, unsigned x) {
  switch (bm.pixel_mode) {
    case FT_PIXEL_MODE_MONO:
      return (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
    case FT_PIXEL_MODE_GRAY:
      if (bm.num_grays == 256 || bm.num_grays < 2) return row[x];
      return static_cast<std::uint8_t>(std::min(255u, row[x] * 255u / (bm.num_grays - 1u)));
    case FT_PIXEL_MODE_BGRA:
      return row[x * 4 + 3];
    default:
      return 0;
  }
}

}  // namespace

// ---------------------------------------------------------------- FaceFile

std::unique_ptr<FaceFile> FaceFile::Open(FT_Library Library, const std::string& Path, int Index) {
  std::unique_ptr<FaceFile> file(new FaceFile);
  if (!ReadFile(Path, file->Data)) return nullptr;
  FT_Face face = nullptr;
  if (FT_New_Memory_Face(Library, file->Data.data(), static_cast<FT_Long>(file->Data.size()), Index,
                         &face) != 0)
    return nullptr;
  file->Path = Path;
  file->Index = Index;
  file->ReadMetrics(face);
  FT_Done_Face(face);
  return file;
}

FaceFile::~FaceFile() = default;

// The cell comes from the OS/2 table's Windows ascent and descent when the
// font has them (that is what the system's text metrics report), otherwise
// from the horizontal header.
void FaceFile::ReadMetrics(FT_Face Face) {
  Scalable = FT_IS_SCALABLE(Face);
  if (Face->units_per_EM > 0) UnitsPerEm = Face->units_per_EM;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(Face, FT_SFNT_OS2));
  if (os2 != nullptr && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
    Ascent = os2->usWinAscent;
    Descent = os2->usWinDescent;
    StrikePosition = os2->yStrikeoutPosition;
    StrikeThickness = os2->yStrikeoutSize;
  } else {
    Ascent = Face->ascender;
    Descent = -Face->descender;
  }
  if (Ascent + Descent <= 0) {
    Ascent = UnitsPerEm * 4 / 5;
    Descent = UnitsPerEm - Ascent;
  }
  UnderlinePosition = Face->underline_position;
  UnderlineThickness = Face->underline_thickness;
}

int FaceFile::EmForCellHeight(int CellHeight) const {
  const double em = static_cast<double>(CellHeight) * UnitsPerEm / (Ascent + Descent);
  return std::max(1, RoundPixels(em));
}

// ---------------------------------------------------------------- SizedFace

std::unique_ptr<SizedFace> SizedFace::Open(FT_Library Library, const FaceFile& File, int EmPixels,
                                           bool SynthBold, bool SynthItalic) {
  FT_Face face = nullptr;
  if (FT_New_Memory_Face(Library, File.Data.data(), static_cast<FT_Long>(File.Data.size()),
                         File.Index, &face) != 0)
    return nullptr;
  FT_Error error = 0;
  if (FT_IS_SCALABLE(face)) {
    error = FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(EmPixels));
  } else if (face->num_fixed_sizes > 0) {
    // A bitmap font: the strike nearest to the asked size.
    int best = 0;
    for (int i = 1; i < face->num_fixed_sizes; ++i)
      if (std::abs(face->available_sizes[i].height - EmPixels) <
          std::abs(face->available_sizes[best].height - EmPixels))
        best = i;
    error = FT_Select_Size(face, best);
  } else {
    error = 1;
  }
  if (error != 0) {
    FT_Done_Face(face);
    return nullptr;
  }
  return std::unique_ptr<SizedFace>(new SizedFace(File, face, EmPixels, SynthBold, SynthItalic));
}

SizedFace::SizedFace(const FaceFile& File, FT_Face Face, int EmPixels, bool SynthBold,
                     bool SynthItalic)
    : FFile(File),
      FFace(Face),
      FEm(EmPixels),
      FSynthBold(SynthBold),
      FSynthItalic(SynthItalic),
      FBoldPixels(SynthBold ? std::max(1, RoundPixels(EmPixels / 24.0)) : 0) {
  ComputeMetrics();
}

SizedFace::~SizedFace() { FT_Done_Face(FFace); }

void SizedFace::ComputeMetrics() {
  FontMetrics& m = FMetrics;
  m.EmHeight = FEm;
  const double scale = static_cast<double>(FEm) / FFile.UnitsPerEm;
  if (FFile.Scalable) {
    m.Ascent = RoundPixels(FFile.Ascent * scale);
    m.Descent = RoundPixels(FFile.Descent * scale);
  } else {
    m.Ascent = static_cast<int>((FFace->size->metrics.ascender + 63) >> 6);
    m.Descent = static_cast<int>((-FFace->size->metrics.descender + 63) >> 6);
  }
  m.Ascent = std::max(m.Ascent, 1);
  m.Descent = std::max(m.Descent, 0);
  ComputeLines(scale);
}

// The underline keeps a row of space under the baseline when the descent
// allows it, and stays inside the cell. Without a strike-out position in the
// font, the line goes three tenths of the em above the baseline (about half
// the x-height); it stays below the top of the cell.
void SizedFace::ComputeLines(double Scale) {
  FontMetrics& m = FMetrics;
  const int ulThickness = FFile.UnderlineThickness > 0
                              ? RoundPixels(FFile.UnderlineThickness * Scale)
                              : RoundPixels(FEm / 14.0);
  m.UnderlineThickness = std::max(1, ulThickness);
  const double ulCentre = -FFile.UnderlinePosition * Scale;
  int ulOffset = std::max(RoundPixels(ulCentre - m.UnderlineThickness / 2.0), 1);
  ulOffset = std::min(ulOffset, m.Descent - m.UnderlineThickness);
  m.UnderlineOffset = std::max(ulOffset, 0);

  const int stThickness =
      FFile.StrikeThickness > 0 ? RoundPixels(FFile.StrikeThickness * Scale) : ulThickness;
  m.StrikeThickness = std::max(1, stThickness);
  const int stPos =
      FFile.StrikePosition > 0 ? RoundPixels(FFile.StrikePosition * Scale) : RoundPixels(FEm * 0.3);
  m.StrikeOffset = std::max(std::min(stPos, m.Ascent - 1), m.StrikeThickness);
}

std::uint32_t SizedFace::GlyphIndex(char32_t Ch) const { return FT_Get_Char_Index(FFace, Ch); }

bool SizedFace::Load(std::uint32_t Index, FT_Int32 Flags) {
  if (FT_Load_Glyph(FFace, Index, Flags | FT_LOAD_NO_BITMAP) == 0) return true;
  return FT_Load_Glyph(FFace, Index, Flags) == 0;  // fonts that only have bitmaps
}

int SizedFace::Advance(std::uint32_t Index) {
  if (!Load(Index, FT_LOAD_DEFAULT)) return 0;
  const FT_Pos advance = FFace->glyph->advance.x;
  if (advance <= 0) return 0;
  return static_cast<int>((advance + 32) >> 6) + FBoldPixels;
}

// Synthetic styles work on the outline in the text's own frame, before any
// rotation: italic shears by about 12°, bold widens the strokes to the right
// by whole pixels (the system overstrikes its synthetic bold the same way).
void SizedFace::Synthesise() {
  FT_Outline* outline = &FFace->glyph->outline;
  if (FSynthItalic) {
    FT_Matrix shear{0x10000, 0x0366A, 0, 0x10000};
    FT_Outline_Transform(outline, &shear);
  }
  if (FSynthBold) {
    FT_Outline_EmboldenXY(outline, FBoldPixels * 64, 0);
    FT_Outline_Translate(outline, FBoldPixels * 32, 0);
  }
}

bool SizedFace::Render(std::uint32_t Index, bool Antialiased, int Angle, GlyphMask& Mask) {
  Mask = GlyphMask();
  // Hinting fits upright glyphs to the pixel grid; rotated ones have no grid.
  const FT_Int32 flags = Angle != 0    ? FT_LOAD_NO_HINTING
                         : Antialiased ? FT_LOAD_TARGET_NORMAL
                                       : FT_LOAD_TARGET_MONO;
  if (!Load(Index, flags)) return false;
  FT_GlyphSlot slot = FFace->glyph;
  if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
    Synthesise();
    if (Angle != 0) {
      const Turn t = TurnOf(Angle);
      FT_Matrix rotation{Fixed(t.Cos), Fixed(-t.Sin), Fixed(t.Sin), Fixed(t.Cos)};
      FT_Outline_Transform(&slot->outline, &rotation);
    }
    if (FT_Render_Glyph(slot, Antialiased ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO) != 0)
      return false;
  }
  const FT_Bitmap& bm = slot->bitmap;
  Mask.Left = slot->bitmap_left;
  Mask.Top = slot->bitmap_top;
  Mask.Width = static_cast<int>(bm.width);
  Mask.Height = static_cast<int>(bm.rows);
  Mask.Coverage.assign(static_cast<std::size_t>(Mask.Width) * Mask.Height, 0);
  for (unsigned y = 0; y < bm.rows; ++y) {
    const unsigned char* row = Row(bm, y);
    std::uint8_t* out = Mask.Coverage.data() + static_cast<std::size_t>(y) * bm.width;
    for (unsigned x = 0; x < bm.width; ++x) {
      const std::uint8_t v = Coverage(bm, row, x);
      out[x] = Antialiased ? v : (v >= 128 ? 255 : 0);
    }
  }
  return true;
}

}  // namespace vcl::text
