// Loading and saving string lists: UTF-8 out, UTF-8 or UTF-16 (by byte
// order mark) in.
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/Classes.h"

namespace vcl {

namespace {

String DecodeUtf16(std::string_view Bytes, bool BigEndian) {
  String r;
  r.reserve(Bytes.size() / 2 + 1);
  for (std::size_t i = 0; i + 1 < Bytes.size(); i += 2) {
    auto b0 = static_cast<std::uint8_t>(Bytes[i]), b1 = static_cast<std::uint8_t>(Bytes[i + 1]);
    r += static_cast<Char>(BigEndian ? (b0 << 8) | b1 : (b1 << 8) | b0);
  }
  if (Bytes.size() % 2 != 0) r += u'\uFFFD';  // a dangling half unit
  return r;
}

String DecodeText(std::string_view Bytes) {
  if (Bytes.size() >= 3 && Bytes.substr(0, 3) == "\xEF\xBB\xBF") return FromUTF8(Bytes.substr(3));
  if (Bytes.size() >= 2 && Bytes.substr(0, 2) == "\xFF\xFE")
    return DecodeUtf16(Bytes.substr(2), false);
  if (Bytes.size() >= 2 && Bytes.substr(0, 2) == "\xFE\xFF")
    return DecodeUtf16(Bytes.substr(2), true);
  return FromUTF8(Bytes);
}

}  // namespace

void TStrings::LoadFromStream(TStream* Stream) {
  std::int64_t left = Stream->Size() - Stream->Position();
  std::vector<char> bytes(static_cast<std::size_t>(left > 0 ? left : 0));
  Stream->ReadBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  SetText(DecodeText(std::string_view(bytes.data(), bytes.size())));
}

void TStrings::SaveToStream(TStream* Stream) const {
  std::string bytes = FWriteBOM ? "\xEF\xBB\xBF" : "";
  bytes += ToUTF8(Text());
  Stream->WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

void TStrings::LoadFromFile(const String& FileName) {
  TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&file);
}

void TStrings::SaveToFile(const String& FileName) const {
  TFileStream file(FileName, fmCreate);
  SaveToStream(&file);
}

}  // namespace vcl
