// Font file selection through fontconfig: a family name and a style become a
// font file, with notes on which styles must be synthesised.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <tuple>

typedef struct _FcConfig FcConfig;

namespace vcl::text {

struct FontRequest {
  std::string Family;  // UTF-8; empty means the default sans font
  int Weight = 400;    // 100..900 as the logical font gives it (0 = normal)
  bool Italic = false;
  bool FixedPitch = false;
  friend bool operator<(const FontRequest& a, const FontRequest& b) {
    return std::tie(a.Family, a.Weight, a.Italic, a.FixedPitch) <
           std::tie(b.Family, b.Weight, b.Italic, b.FixedPitch);
  }
};

struct FontFileRef {
  std::string Path;
  int Index = 0;
  std::string Family;        // the family fontconfig chose
  bool SynthBold = false;    // bold asked for, the file is not bold
  bool SynthItalic = false;  // italic asked for, the file is upright
};

// Answers are cached: fontconfig calls cost tens of microseconds.
class FontMatcher {
 public:
  FontMatcher();
  ~FontMatcher();
  FontMatcher(const FontMatcher&) = delete;
  FontMatcher& operator=(const FontMatcher&) = delete;

  // The best file for the request: the named family when installed, else
  // fontconfig's substitute or the default sans font. Empty when the
  // machine has no usable font at all.
  std::optional<FontFileRef> Match(const FontRequest& Request);
  // A file that has a glyph for Ch, preferring the request's family and
  // style; empty when no installed font covers it.
  std::optional<FontFileRef> MatchChar(const FontRequest& Request, char32_t Ch);
  // Frees fontconfig's configuration; later requests find no font.
  void Release();

 private:
  std::optional<FontFileRef> Query(const FontRequest& Request, char32_t Ch);

  FcConfig* FConfig = nullptr;
  std::map<FontRequest, std::optional<FontFileRef>> FCache;
  std::map<std::pair<FontRequest, char32_t>, std::optional<FontFileRef>> FCharCache;
};

}  // namespace vcl::text
