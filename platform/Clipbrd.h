// The clipboard, backed by the host (the CLIPBOARD selection under X11, a
// process-wide store on the headless host). Only text is exchanged.
#pragma once

#include <cstdint>

#include "platform/Classes.h"

namespace vcl {

constexpr std::uint16_t CF_TEXT = 1;
constexpr std::uint16_t CF_BITMAP = 2;
constexpr std::uint16_t CF_OEMTEXT = 7;
constexpr std::uint16_t CF_UNICODETEXT = 13;

class TClipboard : public TPersistent {
 public:
  // Lets both `Clipboard().X` and `Clipboard()->X` be written.
  TClipboard* operator->() { return this; }
  // The text on the clipboard; empty when it holds none.
  String AsText() const;
  void SetAsText(const String& Value);
  // True when the clipboard holds data of the format (the text formats
  // CF_TEXT, CF_OEMTEXT and CF_UNICODETEXT all name the same text).
  bool HasFormat(std::uint16_t Format) const;
  void Clear();
  // The clipboard needs no opening here; these keep callers' pairs balanced.
  void Open() {}
  void Close() {}
};

// The process's clipboard.
TClipboard& Clipboard();

}  // namespace vcl
