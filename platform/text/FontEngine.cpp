#include "platform/text/FontEngine.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <limits>
#include <map>
#include <tuple>

#include "platform/text/FontFace.h"
#include "platform/text/Utf16.h"

namespace vcl::text {
namespace {

// Sizes beyond this are drawn at this em height; a glyph of it already
// covers a megapixel.
constexpr int kMaxEmPixels = 1024;
// The em height a logical font of height 0 ("any size") gets.
constexpr int kDefaultEmPixels = 11;
// Cache budget: past any of these the caches are dropped and rebuilt.
constexpr std::size_t kMaxGlyphBytes = 64u << 20;
constexpr std::size_t kMaxInstances = 1024;
constexpr std::size_t kMaxSizedFaces = 256;

std::string FaceNameOf(const LOGFONTW& f) {
  std::size_t n = 0;
  while (n < std::size(f.lfFaceName) && f.lfFaceName[n] != 0) ++n;
  return ToUTF8(std::u16string_view(f.lfFaceName, n));
}

// Sub-pixel (ClearType) qualities are drawn smoothed in gray.
bool IsSmoothed(std::uint8_t quality) {
  return quality == ANTIALIASED_QUALITY || quality == CLEARTYPE_QUALITY ||
         quality == CLEARTYPE_NATURAL_QUALITY;
}

int NormalAngle(std::int32_t tenths) { return static_cast<int>((tenths % 3600 + 3600) % 3600); }

// Em height in pixels for a logical height: negative is the em itself,
// positive the whole cell, zero the default.
int EmPixelsFor(const LOGFONTW& f, const FaceFile* file) {
  const long long h = f.lfHeight;
  long long em = kDefaultEmPixels;
  if (h < 0)
    em = -h;
  else if (h > 0)
    em = file != nullptr ? file->EmForCellHeight(static_cast<int>(std::min(h, 100000LL)))
                         : h * 4 / 5;
  return static_cast<int>(std::clamp(em, 1LL, static_cast<long long>(kMaxEmPixels)));
}

FontMetrics EstimatedMetrics(int em) {
  FontMetrics m;
  m.EmHeight = em;
  m.Ascent = std::max(1, (em * 4 + 2) / 5);
  m.Descent = std::max(1, em - m.Ascent);
  m.UnderlineOffset = m.Descent > 1 ? 1 : 0;
  m.StrikeOffset = std::max(1, em * 3 / 10);
  return m;
}

struct InstanceKey {
  std::u16string Name;
  std::int32_t Height, Weight, Escapement;
  std::uint8_t Italic, Underline, StrikeOut, Quality, Pitch;
  auto Tie() const {
    return std::tie(Name, Height, Weight, Escapement, Italic, Underline, StrikeOut, Quality, Pitch);
  }
  bool operator==(const InstanceKey& o) const { return Tie() == o.Tie(); }
};

struct InstanceKeyHash {
  std::size_t operator()(const InstanceKey& k) const {
    std::size_t h = std::hash<std::u16string>()(k.Name);
    for (long long v : {static_cast<long long>(k.Height), static_cast<long long>(k.Weight),
                        static_cast<long long>(k.Escapement),
                        static_cast<long long>(k.Italic | k.Underline << 1 | k.StrikeOut << 2 |
                                               k.Quality << 3 | k.Pitch << 11)})
      h = h * 1000003u ^ std::hash<long long>()(v);
    return h;
  }
};

InstanceKey KeyOf(const LOGFONTW& f) {
  std::size_t n = 0;
  while (n < std::size(f.lfFaceName) && f.lfFaceName[n] != 0) ++n;
  return {std::u16string(f.lfFaceName, n),
          f.lfHeight,
          f.lfWeight,
          NormalAngle(f.lfEscapement),
          static_cast<std::uint8_t>(f.lfItalic != 0),
          static_cast<std::uint8_t>(f.lfUnderline != 0),
          static_cast<std::uint8_t>(f.lfStrikeOut != 0),
          f.lfQuality,
          static_cast<std::uint8_t>(f.lfPitchAndFamily & 3)};
}

FontRequest RequestOf(const LOGFONTW& f) {
  FontRequest r;
  r.Family = FaceNameOf(f);
  r.Weight = f.lfWeight <= 0 ? 400 : std::clamp(f.lfWeight, 1, 1000);
  r.Italic = f.lfItalic != 0;
  r.FixedPitch = (f.lfPitchAndFamily & 3) == 1;
  return r;
}

const GlyphMask& EmptyMask() {
  static const GlyphMask empty;
  return empty;
}

}  // namespace

// ---------------------------------------------------------------- FontEngine

// The process's fonts: files, sized faces, glyph masks by face, quality and
// angle, and resolved logical fonts. Guarded by Mutex (see FontAccess).
class FontEngine {
 public:
  static FontEngine& Get() {
    // Never destroyed, since fonts may still be measured while statics
    // unwind; the libraries' resources are handed back at exit instead
    // (fontconfig keeps its data behind offsets that leak checkers cannot follow).
    static FontEngine* engine = [] {
      auto* e = new FontEngine;
      std::atexit([] { Get().ReleaseLibraries(); });
      return e;
    }();
    return *engine;
  }

  FontInstance& Resolve(const LOGFONTW& Font);
  SizedFace* Face(const FontFileRef& Ref, int EmPixels);
  const GlyphMask& Glyph(const GlyphRef& Ref, bool Antialiased, int Angle);
  FontMatcher& Matcher() { return FMatcher; }
  void TrimIfNeeded();
  void Clear();
  FontCacheStats Stats() const;
  // Closes every face and both libraries; fonts resolved later measure by
  // estimate and draw nothing.
  void ReleaseLibraries();

  std::mutex Mutex;
  std::uint64_t Generation = 1;

 private:
  FontEngine() {
    if (FT_Init_FreeType(&FLibrary) != 0) FLibrary = nullptr;
  }
  FaceFile* File(const std::string& Path, int Index);

  struct StrikeKey {
    SizedFace* Face;
    bool Antialiased;
    int Angle;
    auto operator<=>(const StrikeKey&) const = default;
  };
  using FaceKey = std::tuple<FaceFile*, int, bool, bool>;

  FT_Library FLibrary = nullptr;
  FontMatcher FMatcher;
  std::map<std::pair<std::string, int>, std::unique_ptr<FaceFile>> FFiles;
  std::map<FaceKey, std::unique_ptr<SizedFace>> FFaces;
  std::map<StrikeKey, std::unordered_map<std::uint32_t, GlyphMask>> FStrikes;
  std::unordered_map<InstanceKey, std::unique_ptr<FontInstance>, InstanceKeyHash> FInstances;
  std::size_t FGlyphBytes = 0;
  std::size_t FGlyphCount = 0;
};

FaceFile* FontEngine::File(const std::string& Path, int Index) {
  const auto key = std::make_pair(Path, Index);
  auto it = FFiles.find(key);
  if (it == FFiles.end())
    it = FFiles.emplace(key, FLibrary ? FaceFile::Open(FLibrary, Path, Index) : nullptr).first;
  return it->second.get();  // null for a file FreeType cannot read (remembered)
}

SizedFace* FontEngine::Face(const FontFileRef& Ref, int EmPixels) {
  FaceFile* file = File(Ref.Path, Ref.Index);
  if (file == nullptr) return nullptr;
  const FaceKey key{file, EmPixels, Ref.SynthBold, Ref.SynthItalic};
  auto it = FFaces.find(key);
  if (it == FFaces.end())
    it = FFaces
             .emplace(key,
                      SizedFace::Open(FLibrary, *file, EmPixels, Ref.SynthBold, Ref.SynthItalic))
             .first;
  return it->second.get();
}

FontInstance& FontEngine::Resolve(const LOGFONTW& Font) {
  InstanceKey key = KeyOf(Font);
  auto it = FInstances.find(key);
  if (it != FInstances.end()) return *it->second;
  const FontRequest request = RequestOf(Font);
  std::optional<FontFileRef> ref = FMatcher.Match(request);
  FaceFile* file = ref ? File(ref->Path, ref->Index) : nullptr;
  const int em = EmPixelsFor(Font, file);
  SizedFace* face = file != nullptr ? Face(*ref, em) : nullptr;
  auto instance = std::make_unique<FontInstance>(*this, Font, face, request, em);
  return *FInstances.emplace(std::move(key), std::move(instance)).first->second;
}

const GlyphMask& FontEngine::Glyph(const GlyphRef& Ref, bool Antialiased, int Angle) {
  if (Ref.Face == nullptr) return EmptyMask();
  auto& strike = FStrikes[StrikeKey{Ref.Face, Antialiased, Angle}];
  auto it = strike.find(Ref.Index);
  if (it != strike.end()) return it->second;
  GlyphMask& mask = strike[Ref.Index];
  Ref.Face->Render(Ref.Index, Antialiased, Angle, mask);  // a failure leaves it empty
  FGlyphBytes += mask.Coverage.size() + sizeof(GlyphMask);
  ++FGlyphCount;
  return mask;
}

void FontEngine::TrimIfNeeded() {
  if (FGlyphBytes > kMaxGlyphBytes || FInstances.size() > kMaxInstances ||
      FFaces.size() > kMaxSizedFaces)
    Clear();
}

void FontEngine::Clear() {
  FInstances.clear();  // first: instances point into the faces and strikes
  FStrikes.clear();
  FFaces.clear();
  FFiles.clear();
  FGlyphBytes = 0;
  FGlyphCount = 0;
  ++Generation;
}

void FontEngine::ReleaseLibraries() {
  std::lock_guard lock(Mutex);
  Clear();
  FMatcher.Release();
  if (FLibrary != nullptr) FT_Done_FreeType(FLibrary);
  FLibrary = nullptr;
}

FontCacheStats FontEngine::Stats() const {
  return {FInstances.size(), FFaces.size(), FGlyphCount, FGlyphBytes, Generation};
}

// ---------------------------------------------------------------- FontInstance

FontInstance::FontInstance(FontEngine& Engine, const LOGFONTW& Font, SizedFace* Face,
                           const FontRequest& Request, int EmPixels)
    : FEngine(Engine),
      FFace(Face),
      FRequest(Request),
      FMetrics(Face != nullptr ? Face->Metrics() : EstimatedMetrics(EmPixels)),
      FAntialiased(IsSmoothed(Font.lfQuality)),
      FEscapement(NormalAngle(Font.lfEscapement)),
      FUnderline(Font.lfUnderline != 0),
      FStrikeOut(Font.lfStrikeOut != 0) {
  FAsciiAdvance.fill(-1);
}

std::string FontInstance::FamilyName() const {
  auto ref = FEngine.Matcher().Match(FRequest);
  return FFace != nullptr && ref ? ref->Family : std::string();
}

std::string FontInstance::FilePath() const { return FFace != nullptr ? FFace->File().Path : ""; }

// The glyph for Ch: from the font when it has one, else from the first
// installed font that covers Ch, else the font's missing-glyph box.
GlyphRef FontInstance::Ref(char32_t Ch) {
  if (FFace == nullptr) return {};
  const std::uint32_t index = FFace->GlyphIndex(Ch);
  if (index != 0 || Ch < 0x20) return {FFace, index};
  auto it = FRefs.find(Ch);
  if (it != FRefs.end()) return it->second;
  GlyphRef ref{FFace, 0};
  if (auto other = FEngine.Matcher().MatchChar(FRequest, Ch)) {
    if (SizedFace* face = FEngine.Face(*other, FMetrics.EmHeight)) {
      if (const std::uint32_t i = face->GlyphIndex(Ch); i != 0) ref = {face, i};
    }
  }
  FRefs.emplace(Ch, ref);
  return ref;
}

int FontInstance::LookUpAdvance(char32_t Ch) {
  const GlyphRef ref = Ref(Ch);
  if (ref.Face == nullptr) return (FMetrics.EmHeight + 1) / 2;
  return ref.Face->Advance(ref.Index);
}

int FontInstance::Advance(char32_t Ch) {
  if (Ch < 128) {
    std::int32_t& cached = FAsciiAdvance[Ch];
    if (cached < 0) cached = LookUpAdvance(Ch);
    return cached;
  }
  auto it = FAdvances.find(Ch);
  if (it != FAdvances.end()) return it->second;
  const int advance = LookUpAdvance(Ch);
  FAdvances.emplace(Ch, advance);
  return advance;
}

int FontInstance::TextWidth(std::u16string_view Text) {
  long long width = 0;
  for (std::size_t i = 0; i < Text.size();) {
    const char16_t unit = Text[i];
    if (unit < 128 && FAsciiAdvance[unit] >= 0) {
      width += FAsciiAdvance[unit];
      ++i;
    } else {
      width += Advance(NextCodePoint(Text, i));
    }
  }
  return static_cast<int>(std::min<long long>(width, std::numeric_limits<int>::max()));
}

const GlyphMask& FontInstance::LookUpGlyph(char32_t Ch) {
  return FEngine.Glyph(Ref(Ch), FAntialiased, FEscapement);
}

const GlyphMask& FontInstance::Glyph(char32_t Ch) {
  if (Ch < 128) {
    const GlyphMask*& cached = FAsciiGlyph[Ch];
    if (cached == nullptr) cached = &LookUpGlyph(Ch);
    return *cached;
  }
  auto it = FGlyphs.find(Ch);
  if (it != FGlyphs.end()) return *it->second;
  const GlyphMask& mask = LookUpGlyph(Ch);
  FGlyphs.emplace(Ch, &mask);
  return mask;
}

// ---------------------------------------------------------------- FontAccess

FontAccess::FontAccess() : FLock(FontEngine::Get().Mutex), FEngine(FontEngine::Get()) {
  FEngine.TrimIfNeeded();  // only here, before any pointer is handed out
}

FontAccess::~FontAccess() = default;

FontInstance& FontAccess::Resolve(const LOGFONTW& Font) { return FEngine.Resolve(Font); }

FontInstance& FontAccess::Resolve(TFont& Font) {
  if (Font.FInstance != nullptr && Font.FGeneration == FEngine.Generation) return *Font.FInstance;
  LOGFONTW lf;
  GetObject(Font.Handle(), sizeof(lf), &lf);
  FontInstance& instance = FEngine.Resolve(lf);
  Font.FInstance = &instance;
  Font.FGeneration = FEngine.Generation;
  return instance;
}

void FontAccess::ClearCaches() { FEngine.Clear(); }

FontCacheStats FontAccess::Stats() const { return FEngine.Stats(); }

}  // namespace vcl::text
