#include "platform/Font.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <unordered_set>

namespace vcl {

struct HFONT__ {
  LOGFONTW Font;
  const TFont* Owner = nullptr;  // the font that frees it, if any
};
namespace {

constexpr std::size_t kFaceNameMax = std::size(LOGFONTW{}.lfFaceName) - 1;
constexpr std::uint8_t FIXED_PITCH = 1, VARIABLE_PITCH = 2;

// Every live handle, so that a stale or foreign pointer is refused instead
// of being read.
struct HandleRegistry {
  std::mutex Mutex;
  std::unordered_set<HFONT> Live;
};

HandleRegistry& Registry() {
  static auto* registry = new HandleRegistry;  // outlives fonts in static objects
  return *registry;
}

HFONT NewHandle(const LOGFONTW& Font, const TFont* Owner) {
  auto* h = new HFONT__{Font, Owner};
  h->Font.lfFaceName[kFaceNameMax] = 0;
  HandleRegistry& r = Registry();
  std::lock_guard lock(r.Mutex);
  r.Live.insert(h);
  return h;
}

void FreeOwnedHandle(HFONT h) {
  HandleRegistry& r = Registry();
  std::lock_guard lock(r.Mutex);
  if (r.Live.erase(h) != 0) delete h;
}

// Makes Font the owner of h and returns it; a handle another font owns is
// copied instead. Null for an unknown handle.
HFONT TakeOver(HFONT h, const TFont* Font, LOGFONTW& Out) {
  HandleRegistry& r = Registry();
  std::unique_lock lock(r.Mutex);
  if (r.Live.count(h) == 0) return nullptr;
  Out = h->Font;
  if (h->Owner == nullptr || h->Owner == Font) {
    h->Owner = Font;
    return h;
  }
  lock.unlock();
  return NewHandle(Out, Font);
}

// a·b/c in 64 bits, halves away from zero (the system's MulDiv).
int MulDivRound(int a, int b, int c) {
  if (c == 0) return -1;
  long long n = static_cast<long long>(a) * b;
  long long d = c;
  if (d < 0) {
    n = -n;
    d = -d;
  }
  const long long q = n >= 0 ? (n + d / 2) / d : -((-n + d / 2) / d);
  return static_cast<int>(q);
}

String CutName(const String& Name) { return Name.substr(0, kFaceNameMax); }

std::uint8_t PitchBits(TFontPitch p) {
  return p == fpFixed ? FIXED_PITCH : p == fpVariable ? VARIABLE_PITCH : DEFAULT_PITCH;
}

TFontPitch PitchOf(std::uint8_t bits) {
  switch (bits & 3) {
    case FIXED_PITCH:
      return fpFixed;
    case VARIABLE_PITCH:
      return fpVariable;
    default:
      return fpDefault;
  }
}

}  // namespace

HFONT CreateFontIndirect(const LOGFONTW* LogFont) {
  return LogFont != nullptr ? NewHandle(*LogFont, nullptr) : nullptr;
}

int GetObject(HFONT Font, int Size, void* Buffer) {
  HandleRegistry& r = Registry();
  std::lock_guard lock(r.Mutex);
  if (r.Live.count(Font) == 0) return 0;
  if (Buffer == nullptr) return static_cast<int>(sizeof(LOGFONTW));
  if (Size <= 0) return 0;
  const std::size_t n = std::min(static_cast<std::size_t>(Size), sizeof(LOGFONTW));
  std::memcpy(Buffer, &Font->Font, n);
  return static_cast<int>(n);
}

bool DeleteObject(HFONT Font) {
  HandleRegistry& r = Registry();
  std::lock_guard lock(r.Mutex);
  if (r.Live.count(Font) == 0 || Font->Owner != nullptr) return false;
  r.Live.erase(Font);
  delete Font;
  return true;
}

// ---------------------------------------------------------------- TFont

TFont::TFont() : FName(u"Tahoma"), FHeight(-MulDivRound(8, 96, 72)), FColor(clWindowText) {}

TFont::~TFont() { ReleaseHandle(); }

int TFont::Size() const { return -MulDivRound(FHeight, 72, PixelsPerInch()); }

void TFont::SetSize(int Value) { SetHeight(-MulDivRound(Value, PixelsPerInch(), 72)); }

void TFont::SetName(const String& Value) {
  const String name = CutName(Value);
  if (name.empty() || name == FName) return;
  FName = name;
  AttributesChanged();
}

void TFont::SetHeight(int Value) {
  if (Value == FHeight) return;
  FHeight = Value;
  AttributesChanged();
}

void TFont::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;  // not part of the logical font: the handle stays
  Changed();
}

void TFont::SetStyle(TFontStyles Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  AttributesChanged();
}

void TFont::SetOrientation(int Value) {
  if (Value == FOrientation && Value == FEscapement) return;
  FOrientation = Value;
  FEscapement = Value;
  AttributesChanged();
}

void TFont::SetEscapement(int Value) {
  if (Value == FEscapement) return;
  FEscapement = Value;
  AttributesChanged();
}

void TFont::SetQuality(TFontQuality Value) {
  if (Value == FQuality) return;
  FQuality = Value;
  AttributesChanged();
}

void TFont::SetPitch(TFontPitch Value) {
  if (Value == FPitch) return;
  FPitch = Value;
  AttributesChanged();
}

void TFont::SetCharset(TFontCharset Value) {
  if (Value == FCharset) return;
  FCharset = Value;
  AttributesChanged();
}

HFONT TFont::Handle() {
  if (FHandle != nullptr) return FHandle;
  LOGFONTW lf;
  lf.lfHeight = FHeight;
  lf.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = FStyle.Contains(fsItalic) ? 1 : 0;
  lf.lfUnderline = FStyle.Contains(fsUnderline) ? 1 : 0;
  lf.lfStrikeOut = FStyle.Contains(fsStrikeOut) ? 1 : 0;
  lf.lfEscapement = FEscapement;
  lf.lfOrientation = FOrientation;
  lf.lfQuality = static_cast<std::uint8_t>(FQuality);
  lf.lfCharSet = FCharset;
  lf.lfPitchAndFamily = PitchBits(FPitch);
  std::copy(FName.begin(), FName.end(), lf.lfFaceName);
  FHandle = NewHandle(lf, this);
  return FHandle;
}

void TFont::SetHandle(HFONT Value) {
  if (Value == nullptr || Value == FHandle) return;
  LOGFONTW lf;
  HFONT taken = TakeOver(Value, this, lf);
  if (taken == nullptr) return;  // not a live font handle: keep the font as it is
  ReleaseHandle();
  FHandle = taken;
  std::size_t n = 0;
  while (n < kFaceNameMax && lf.lfFaceName[n] != 0) ++n;
  if (n > 0) FName.assign(lf.lfFaceName, n);
  FHeight = lf.lfHeight;
  FStyle.Clear();
  if (lf.lfWeight >= FW_BOLD) FStyle << fsBold;
  if (lf.lfItalic) FStyle << fsItalic;
  if (lf.lfUnderline) FStyle << fsUnderline;
  if (lf.lfStrikeOut) FStyle << fsStrikeOut;
  FEscapement = lf.lfEscapement;
  FOrientation = lf.lfOrientation;
  FQuality =
      lf.lfQuality <= fqClearTypeNatural ? static_cast<TFontQuality>(lf.lfQuality) : fqDefault;
  FPitch = PitchOf(lf.lfPitchAndFamily);
  FCharset = lf.lfCharSet;
  Changed();
}

void TFont::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TFont*>(Source);
  if (source == nullptr) {
    TGraphicsObject::Assign(Source);
    return;
  }
  if (source == this) return;
  ReleaseHandle();
  FName = source->FName;
  FHeight = source->FHeight;
  FColor = source->FColor;
  FStyle = source->FStyle;
  FOrientation = source->FOrientation;
  FEscapement = source->FEscapement;
  FQuality = source->FQuality;
  FPitch = source->FPitch;
  FCharset = source->FCharset;
  // A handle may carry more than the attributes (a width, say): keep it.
  if (source->FHandle != nullptr) FHandle = NewHandle(source->FHandle->Font, this);
  Changed();
}

void TFont::ReleaseHandle() {
  if (FHandle != nullptr) FreeOwnedHandle(FHandle);
  FHandle = nullptr;
  FInstance = nullptr;
}

void TFont::AttributesChanged() {
  ReleaseHandle();
  Changed();
}

}  // namespace vcl
