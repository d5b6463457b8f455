// Font matching, metrics and glyph rendering of the font engine.
#include <gtest/gtest.h>

#include <random>

#include "TextTestSupport.h"

using namespace vcl;
using namespace vcl::text;
using texttest::Logical;

// Families to style: where the extra DejaVu fonts are missing there is no
// italic file, and the math family never has bold or italic files, so both
// real and synthesised styles are exercised.
constexpr const char16_t* kStyleFamilies[] = {u"DejaVu Sans", u"DejaVu Sans Mono", u"DejaVu Serif",
                                              u"DejaVu Math TeX Gyre"};

TEST(FontEngine, CellHeightIsAscentPlusDescentAndWidthsAddUp) {
  FontAccess fonts;
  FontInstance& f = fonts.Resolve(Logical(u"Tahoma", -11));
  const FontMetrics& m = f.Metrics();
  EXPECT_GT(m.Ascent, m.Descent);
  EXPECT_GT(m.Descent, 0);
  EXPECT_EQ(m.Height(), m.Ascent + m.Descent);
  EXPECT_GE(m.Height(), 11);  // the cell holds at least the em
  EXPECT_EQ(f.TextWidth(u""), 0);
  EXPECT_EQ(f.TextWidth(u"Hello") + f.TextWidth(u", World"), f.TextWidth(u"Hello, World"));
  EXPECT_EQ(f.TextWidth(u"iii"), 3 * f.TextWidth(u"i"));
  EXPECT_LT(f.TextWidth(u"iiii"), f.TextWidth(u"MMMM"));
}

TEST(FontEngine, BiggerSizesMeasureBigger) {
  FontAccess fonts;
  int lastHeight = 0, lastWidth = 0;
  for (int em : {8, 11, 15, 24, 40, 96}) {
    FontInstance& f = fonts.Resolve(Logical(u"DejaVu Sans", -em));
    EXPECT_GT(f.Metrics().Height(), lastHeight) << em;
    EXPECT_GT(f.TextWidth(u"Sample text"), lastWidth) << em;
    lastHeight = f.Metrics().Height();
    lastWidth = f.TextWidth(u"Sample text");
  }
}

TEST(FontEngine, PositiveHeightAsksForTheWholeCell) {
  FontAccess fonts;
  for (int cell : {12, 16, 23, 40}) {
    const int height = fonts.Resolve(Logical(u"DejaVu Sans", cell)).Metrics().Height();
    EXPECT_NEAR(height, cell, 1) << cell;
    EXPECT_LT(fonts.Resolve(Logical(u"DejaVu Sans", cell)).Metrics().EmHeight, cell);
  }
}

TEST(FontEngine, BoldIsNotNarrowerAndStylesKeepTheCell) {
  FontAccess fonts;
  LOGFONTW lf = Logical(u"DejaVu Sans", -13);
  FontInstance& regular = fonts.Resolve(lf);
  lf.lfWeight = FW_BOLD;
  FontInstance& bold = fonts.Resolve(lf);
  lf.lfItalic = 1;
  FontInstance& boldItalic = fonts.Resolve(lf);
  const std::u16string_view text = u"The quick brown fox";
  EXPECT_GE(bold.TextWidth(text), regular.TextWidth(text));
  EXPECT_GE(boldItalic.TextWidth(text), regular.TextWidth(text));
  EXPECT_EQ(bold.Metrics().Height(), regular.Metrics().Height());
}

// Whether the bold comes from a bold file or is synthesised (widened
// strokes), its glyphs carry more ink and never advance less.
TEST(FontEngine, BoldGlyphsCarryMoreInk) {
  FontAccess fonts;
  auto ink = [](const GlyphMask& m) {
    long sum = 0;
    for (std::uint8_t v : m.Coverage) sum += v;
    return sum;
  };
  for (std::int32_t weight : {FW_BOLD, 900}) {
    for (std::uint8_t italic : {0, 1}) {
      for (const char16_t* family : kStyleFamilies) {
        LOGFONTW lf = Logical(family, -15);
        lf.lfItalic = italic;
        FontInstance& regular = fonts.Resolve(lf);
        lf.lfWeight = weight;
        FontInstance& bold = fonts.Resolve(lf);
        for (char32_t ch : {U'l', U'o', U'W'}) {
          EXPECT_GT(ink(bold.Glyph(ch)), ink(regular.Glyph(ch))) << weight << " " << int(italic);
          EXPECT_GE(bold.Advance(ch), regular.Advance(ch));
        }
      }
    }
  }
}

// Whether from an italic file or sheared by the engine, italic glyphs lean
// right: the ink of the top rows lies right of the ink of the bottom rows.
TEST(FontEngine, ItalicGlyphsLeanRight) {
  FontAccess fonts;
  auto centre = [](const GlyphMask& m, int y0, int y1) {
    double sum = 0, weight = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = 0; x < m.Width; ++x) {
        sum += (x + 0.5) * m.Coverage[static_cast<std::size_t>(y) * m.Width + x];
        weight += m.Coverage[static_cast<std::size_t>(y) * m.Width + x];
      }
    return weight > 0 ? sum / weight : 0.0;
  };
  for (const char16_t* family : kStyleFamilies) {
    LOGFONTW lf = Logical(family, -40, ANTIALIASED_QUALITY);
    const GlyphMask upright = fonts.Resolve(lf).Glyph(U'I');
    lf.lfItalic = 1;
    const GlyphMask& italic = fonts.Resolve(lf).Glyph(U'I');
    const int h = italic.Height;
    ASSERT_GT(h, 8);
    EXPECT_GT(centre(italic, 0, h / 4) - centre(italic, h - h / 4, h), 2.0) << ToUTF8(family);
    EXPECT_NEAR(centre(upright, 0, upright.Height / 4),
                centre(upright, upright.Height - upright.Height / 4, upright.Height), 2.0);
  }
}

TEST(FontEngine, UnknownFamilyFallsBackToTheDefaultSansFont) {
  FontAccess fonts;
  FontInstance& unknown = fonts.Resolve(Logical(u"No Such Font Family 42", -11));
  FontInstance& sans = fonts.Resolve(Logical(u"sans-serif", -11));
  EXPECT_FALSE(unknown.FamilyName().empty());
  EXPECT_EQ(unknown.FamilyName(), sans.FamilyName());
  EXPECT_EQ(unknown.TextWidth(u"Hello"), sans.TextWidth(u"Hello"));
  EXPECT_GT(unknown.Glyph(U'H').Width, 0);
  // An empty face name is the default sans font too.
  EXPECT_EQ(fonts.Resolve(Logical(u"", -11)).FamilyName(), sans.FamilyName());
}

TEST(FontEngine, FixedPitchRequestForAnUnknownFamilyGetsEqualAdvances) {
  FontAccess fonts;
  LOGFONTW lf = Logical(u"No Such Mono Font", -12);
  lf.lfPitchAndFamily = 1;  // FIXED_PITCH
  FontInstance& f = fonts.Resolve(lf);
  EXPECT_EQ(f.Advance(U'i'), f.Advance(U'M'));
  EXPECT_EQ(f.Advance(U'.'), f.Advance(U'W'));
}

TEST(FontEngine, CyrillicAndOtherNonLatinTextHaveGlyphs) {
  FontAccess fonts;
  FontInstance& f = fonts.Resolve(Logical(u"DejaVu Sans", -14));
  for (char32_t ch : {U'Ж', U'я', U'Ω', U'ß'}) {
    EXPECT_GT(f.Advance(ch), 0);
    EXPECT_GT(f.Glyph(ch).Width, 0);
  }
  EXPECT_EQ(f.TextWidth(u"Привет"), f.TextWidth(u"При") + f.TextWidth(u"вет"));
}

TEST(FontEngine, SurrogatePairsMeasureAsOneCharacterAndBrokenOnesAsReplacement) {
  FontAccess fonts;
  FontInstance& f = fonts.Resolve(Logical(u"DejaVu Sans", -14));
  EXPECT_EQ(f.TextWidth(u"\U0001D400"), f.Advance(U'\U0001D400'));
  const char16_t lone[] = {0xD800, u'a', 0};
  EXPECT_EQ(f.TextWidth(lone), f.Advance(0xFFFD) + f.Advance(U'a'));
  const char16_t trailing[] = {u'a', 0xDC00, 0};
  EXPECT_EQ(f.TextWidth(trailing), f.Advance(U'a') + f.Advance(0xFFFD));
}

TEST(FontEngine, AliasedGlyphsAreMonochromeAndSmoothedOnesAreNot) {
  FontAccess fonts;
  for (std::uint8_t q : {DEFAULT_QUALITY, NONANTIALIASED_QUALITY, DRAFT_QUALITY}) {
    FontInstance& aliased = fonts.Resolve(Logical(u"DejaVu Sans", -13, q));
    EXPECT_FALSE(aliased.Antialiased());
    for (char32_t ch : {U'a', U'g', U'W', U'@'}) {
      for (std::uint8_t v : aliased.Glyph(ch).Coverage) ASSERT_TRUE(v == 0 || v == 255);
    }
  }
  for (std::uint8_t q : {CLEARTYPE_QUALITY, CLEARTYPE_NATURAL_QUALITY})
    EXPECT_TRUE(fonts.Resolve(Logical(u"DejaVu Sans", -13, q)).Antialiased());
  FontInstance& smooth = fonts.Resolve(Logical(u"DejaVu Sans", -13, ANTIALIASED_QUALITY));
  EXPECT_TRUE(smooth.Antialiased());
  int partial = 0;
  for (std::uint8_t v : smooth.Glyph(U'@').Coverage) partial += v > 0 && v < 255;
  EXPECT_GT(partial, 0);
}

TEST(FontEngine, QualityAndAngleDoNotChangeMetrics) {
  FontAccess fonts;
  LOGFONTW lf = Logical(u"DejaVu Sans", -12);
  FontInstance& plain = fonts.Resolve(lf);
  lf.lfQuality = ANTIALIASED_QUALITY;
  lf.lfEscapement = 900;
  FontInstance& turned = fonts.Resolve(lf);
  EXPECT_EQ(turned.Escapement(), 900);
  EXPECT_EQ(turned.TextWidth(u"Rotated 90"), plain.TextWidth(u"Rotated 90"));
  EXPECT_EQ(turned.Metrics().Height(), plain.Metrics().Height());
}

TEST(FontEngine, EscapementIsNormalisedToOneTurn) {
  FontAccess fonts;
  LOGFONTW lf = Logical(u"DejaVu Sans", -12);
  lf.lfEscapement = -900;
  EXPECT_EQ(fonts.Resolve(lf).Escapement(), 2700);
  lf.lfEscapement = 3600 + 450;
  EXPECT_EQ(fonts.Resolve(lf).Escapement(), 450);
}

// A glyph turned by 90° is the upright glyph's coverage turned: its mask
// swaps width and height.
TEST(FontEngine, RightAngleGlyphsSwapTheirMaskSides) {
  FontAccess fonts;
  LOGFONTW lf = Logical(u"DejaVu Sans", -20);
  lf.lfEscapement = 0;
  lf.lfQuality = ANTIALIASED_QUALITY;
  const GlyphMask upright = fonts.Resolve(lf).Glyph(U'L');
  lf.lfEscapement = 900;
  const GlyphMask& turned = fonts.Resolve(lf).Glyph(U'L');
  EXPECT_NEAR(turned.Width, upright.Height, 2);
  EXPECT_NEAR(turned.Height, upright.Width, 2);
}

TEST(FontEngine, SameLogicalFontResolvesToTheSameInstanceUntilCachesAreCleared) {
  FontAccess fonts;
  const LOGFONTW lf = Logical(u"DejaVu Sans", -17);
  FontInstance* first = &fonts.Resolve(lf);
  EXPECT_EQ(&fonts.Resolve(lf), first);
  const int width = first->TextWidth(u"cache");
  const std::uint64_t generation = fonts.Stats().Generation;
  EXPECT_GT(fonts.Stats().Instances, 0u);
  fonts.ClearCaches();
  EXPECT_EQ(fonts.Stats().Instances, 0u);
  EXPECT_EQ(fonts.Stats().Glyphs, 0u);
  EXPECT_GT(fonts.Stats().Generation, generation);
  EXPECT_EQ(fonts.Resolve(lf).TextWidth(u"cache"), width);
}

TEST(FontEngine, FontsResolveAgainAfterTheyChangeOrTheCachesAreCleared) {
  TFont font;
  font.SetName(u"DejaVu Sans");
  int height8 = 0;
  {
    FontAccess fonts;
    height8 = fonts.Resolve(font).Metrics().Height();
  }
  font.SetSize(20);
  FontAccess fonts;
  const int height20 = fonts.Resolve(font).Metrics().Height();
  EXPECT_GT(height20, height8);
  fonts.ClearCaches();
  EXPECT_EQ(fonts.Resolve(font).Metrics().Height(), height20);
  EXPECT_EQ(fonts.Stats().Instances, 1u);
}

TEST(FontEngine, UnderlineAndStrikeOutLieInsideTheCell) {
  FontAccess fonts;
  for (int em : {3, 6, 9, 11, 16, 30, 72}) {
    const FontMetrics& m = fonts.Resolve(Logical(u"DejaVu Sans", -em)).Metrics();
    EXPECT_GE(m.UnderlineOffset, 0) << em;
    EXPECT_LE(m.UnderlineOffset + m.UnderlineThickness, m.Descent) << em;
    EXPECT_GE(m.StrikeOffset, m.StrikeThickness) << em;  // above the baseline
    EXPECT_LT(m.StrikeOffset, m.Ascent) << em;
  }
}

// Whatever a logical font or a string holds, measuring and drawing neither
// crash nor write outside the clip.
TEST(FontEngine, ArbitraryLogicalFontsAndTextsAreSafe) {
  std::mt19937 rng(1234);
  FontAccess fonts;
  texttest::Pixels px(64, 48);
  const TRect clip(8, 8, 56, 40);
  for (int round = 0; round < 200; ++round) {
    LOGFONTW lf;
    const int heights[] = {0, 1, -1, 7, -7, 300, -300, 100000, -100000, INT32_MAX, INT32_MIN};
    lf.lfHeight = heights[rng() % std::size(heights)];
    lf.lfWeight = static_cast<std::int32_t>(rng());
    lf.lfEscapement = static_cast<std::int32_t>(rng());
    lf.lfItalic = static_cast<std::uint8_t>(rng());
    lf.lfUnderline = static_cast<std::uint8_t>(rng());
    lf.lfStrikeOut = static_cast<std::uint8_t>(rng());
    lf.lfQuality = static_cast<std::uint8_t>(rng());
    lf.lfPitchAndFamily = static_cast<std::uint8_t>(rng());
    for (char16_t& c : lf.lfFaceName)
      c = static_cast<char16_t>(rng() % 3 ? 'A' + rng() % 26 : rng());
    std::u16string text(rng() % 12, u' ');
    for (char16_t& c : text) c = static_cast<char16_t>(rng() % 2 ? rng() % 0x80 : rng());
    FontInstance& f = fonts.Resolve(lf);
    EXPECT_GE(f.TextWidth(text), 0);
    EXPECT_GT(f.Metrics().Height(), 0);
    DrawTextLine(px.Surface(), clip, static_cast<int>(rng() % 64) - 8,
                 static_cast<int>(rng() % 48) - 8, f, text, {0, (rng() & 1) != 0, 0x123456});
  }
  for (int y = 0; y < px.Height; ++y) {
    for (int x = 0; x < px.Width; ++x) {
      if (!clip.Contains({x, y})) {
        ASSERT_EQ(px.At(x, y), texttest::kPaper) << x << "," << y;
      }
    }
  }
}
