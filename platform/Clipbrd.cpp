#include "platform/Clipbrd.h"

#include "platform/hosts/Host.h"

namespace vcl {

namespace {

bool IsTextFormat(std::uint16_t Format) {
  return Format == CF_TEXT || Format == CF_OEMTEXT || Format == CF_UNICODETEXT;
}

}  // namespace

String TClipboard::AsText() const { return Host().HasClipboardText() ? Host().ClipboardText() : String(); }

void TClipboard::SetAsText(const String& Value) { Host().SetClipboardText(Value); }

bool TClipboard::HasFormat(std::uint16_t Format) const {
  return IsTextFormat(Format) && Host().HasClipboardText();
}

void TClipboard::Clear() { Host().ClearClipboard(); }

TClipboard& Clipboard() {
  static auto* clipboard = new TClipboard();
  return *clipboard;
}

}  // namespace vcl
