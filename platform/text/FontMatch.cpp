#include "platform/text/FontMatch.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace vcl::text {
namespace {

struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

struct CharSetDeleter {
  void operator()(FcCharSet* c) const { FcCharSetDestroy(c); }
};

const FcChar8* Utf8(const std::string& s) { return reinterpret_cast<const FcChar8*>(s.c_str()); }

std::string GetString(FcPattern* p, const char* object) {
  FcChar8* value = nullptr;
  if (FcPatternGetString(p, object, 0, &value) != FcResultMatch || value == nullptr) return {};
  return reinterpret_cast<const char*>(value);
}

int GetInt(FcPattern* p, const char* object, int fallback) {
  int value = fallback;
  return FcPatternGetInteger(p, object, 0, &value) == FcResultMatch ? value : fallback;
}

PatternPtr MakePattern(const FontRequest& r) {
  PatternPtr p(FcPatternCreate());
  FcPatternAddString(p.get(), FC_FAMILY, Utf8(r.Family.empty() ? "sans-serif" : r.Family));
  // A fixed-pitch request for a family that is not installed should land on
  // a monospaced font rather than on the proportional default.
  if (r.FixedPitch) FcPatternAddString(p.get(), FC_FAMILY, Utf8("monospace"));
  const int weight = r.Weight <= 0 ? 400 : r.Weight;
  FcPatternAddInteger(p.get(), FC_WEIGHT, FcWeightFromOpenType(weight));
  FcPatternAddInteger(p.get(), FC_SLANT, r.Italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  return p;
}

bool GetBool(FcPattern* p, const char* object) {
  FcBool value = FcFalse;
  return FcPatternGetBool(p, object, 0, &value) == FcResultMatch && value != FcFalse;
}

// Fontconfig's own rules may already have marked the match for synthesis
// (embolden, a shearing matrix) and then report the asked-for weight and
// slant; without those rules the file's weight and slant tell.
bool NeedsBold(FcPattern* match) {
  return GetBool(match, FC_EMBOLDEN) ||
         GetInt(match, FC_WEIGHT, FC_WEIGHT_REGULAR) < FC_WEIGHT_DEMIBOLD;
}

bool NeedsItalic(FcPattern* match) {
  FcMatrix* m = nullptr;
  if (FcPatternGetMatrix(match, FC_MATRIX, 0, &m) == FcResultMatch && m != nullptr && m->xy != 0)
    return true;
  return GetInt(match, FC_SLANT, FC_SLANT_ROMAN) == FC_SLANT_ROMAN;
}

FontFileRef Describe(FcPattern* match, const FontRequest& r) {
  FontFileRef ref;
  ref.Path = GetString(match, FC_FILE);
  ref.Index = GetInt(match, FC_INDEX, 0);
  ref.Family = GetString(match, FC_FAMILY);
  ref.SynthBold = r.Weight >= 600 && NeedsBold(match);
  ref.SynthItalic = r.Italic && NeedsItalic(match);
  return ref;
}

bool Scalable(FcPattern* match) {
  FcBool scalable = FcTrue;
  FcPatternGetBool(match, FC_SCALABLE, 0, &scalable);
  return scalable != FcFalse;
}

bool Covers(FcPattern* match, char32_t ch) {
  FcCharSet* set = nullptr;
  return FcPatternGetCharSet(match, FC_CHARSET, 0, &set) == FcResultMatch && set != nullptr &&
         FcCharSetHasChar(set, ch);
}

}  // namespace

FontMatcher::FontMatcher() : FConfig(FcInitLoadConfigAndFonts()) {}

FontMatcher::~FontMatcher() { Release(); }

void FontMatcher::Release() {
  if (FConfig != nullptr) FcConfigDestroy(FConfig);
  FConfig = nullptr;
  FCache.clear();
  FCharCache.clear();
}

std::optional<FontFileRef> FontMatcher::Match(const FontRequest& Request) {
  auto it = FCache.find(Request);
  if (it != FCache.end()) return it->second;
  std::optional<FontFileRef> found = Query(Request, 0);
  FCache.emplace(Request, found);
  return found;
}

std::optional<FontFileRef> FontMatcher::MatchChar(const FontRequest& Request, char32_t Ch) {
  const auto key = std::make_pair(Request, Ch);
  auto it = FCharCache.find(key);
  if (it != FCharCache.end()) return it->second;
  std::optional<FontFileRef> found = Query(Request, Ch);
  FCharCache.emplace(key, found);
  return found;
}

// One fontconfig query; Ch = 0 asks for the family, otherwise for a font
// covering Ch. Bitmap-only fonts are passed over for the default sans font.
std::optional<FontFileRef> FontMatcher::Query(const FontRequest& Request, char32_t Ch) {
  if (FConfig == nullptr) return std::nullopt;
  PatternPtr pattern = MakePattern(Request);
  if (Ch != 0) {
    std::unique_ptr<FcCharSet, CharSetDeleter> set(FcCharSetCreate());
    FcCharSetAddChar(set.get(), Ch);
    FcPatternAddCharSet(pattern.get(), FC_CHARSET, set.get());
  }
  FcConfigSubstitute(FConfig, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  PatternPtr match(FcFontMatch(FConfig, pattern.get(), &result));
  if (!match) return std::nullopt;
  if (Ch != 0 && !Covers(match.get(), Ch)) return std::nullopt;
  if (Ch == 0 && !Scalable(match.get()) && Request.Family != "sans-serif") {
    FontRequest sans = Request;
    sans.Family = "sans-serif";
    return Query(sans, 0);
  }
  FontFileRef ref = Describe(match.get(), Request);
  if (ref.Path.empty()) return std::nullopt;
  return ref;
}

}  // namespace vcl::text
