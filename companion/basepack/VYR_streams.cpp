#include "companion/basepack/VYR_streams.h"

#include <array>
#include <string>

#include "companion/basepack/VYR_stringl.h"

namespace vyr {

namespace {

// Reads one byte; false at the end of the stream.
bool ReadByte(vcl::TStream* S, char& C) { return S->Read(&C, 1) == 1; }

// True when another byte follows; the position does not change.
bool MoreFollows(vcl::TStream* S) {
  char c;
  if (!ReadByte(S, c)) return false;
  S->Seek(-1, vcl::soCurrent);
  return true;
}

}  // namespace

vcl::String ReadLnStream(vcl::TStream* InStream, bool& EndOfStream, int MaxLength) {
  EndOfStream = true;
  if (InStream == nullptr) return {};
  const bool atStart = InStream->Position() == 0;
  // A UTF-16 unit takes at most three UTF-8 bytes; more are never needed,
  // apart from a byte-order mark that is dropped afterwards.
  const std::size_t keep =
      MaxLength > 0 ? static_cast<std::size_t>(MaxLength) * 3 + (atStart ? 3 : 0) : std::string::npos;
  std::string bytes;
  std::array<char, 4096> chunk;
  bool ended = false;
  while (!ended) {
    const auto got = InStream->Read(chunk.data(), static_cast<std::int64_t>(chunk.size()));
    if (got <= 0) break;
    std::size_t i = 0, n = static_cast<std::size_t>(got);
    while (i < n && chunk[i] != '\n' && chunk[i] != '\r') ++i;
    if (bytes.size() < keep) bytes.append(chunk.data(), std::min(i, keep - bytes.size()));
    if (i == n) continue;
    ended = true;
    std::size_t used = i + 1;
    if (chunk[i] == '\r') {
      char next;
      if (used < n) {
        if (chunk[used] == '\n') ++used;
      } else if (ReadByte(InStream, next) && next != '\n') {
        InStream->Seek(-1, vcl::soCurrent);
      }
    }
    if (used < n) InStream->Seek(static_cast<std::int64_t>(used) - static_cast<std::int64_t>(n), vcl::soCurrent);
  }
  if (atStart && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);
  EndOfStream = !ended || !MoreFollows(InStream);
  vcl::String line = vcl::FromUTF8(bytes);
  if (MaxLength > 0) line = vcl::String(CutToLength(line, static_cast<std::size_t>(MaxLength)));
  return line;
}

}  // namespace vyr
