// File services: safe file writing, buffered UTF-8 output, byte sources
// and the line reader (platform/Files.h).
#include "platform/Files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <new>

#include "platform/Guards.h"

namespace vcl {

namespace {

String Quoted(const String& Name) { return u"\"" + Name + u"\""; }

// "cannot <What> "<Name>": <reason>" ("the file" for a file without a name).
String CannotMessage(const char* What, const String& Name, int Err) {
  const String file = Name.empty() ? String(u"the file") : Quoted(Name);
  return u"cannot " + FromUTF8(What) + u" " + file + u": " + SysErrorMessage(Err);
}

}  // namespace

String SysErrorMessage(int ErrorCode) { return FromUTF8(std::strerror(ErrorCode)); }

// ---------------------------------------------------------------- sinks

void TFileSink::Put(const char* Data, std::size_t N) {
  if (N == 0) return;
  if (FFile == nullptr) throw EWriteError(u"no file to write to");
  if (std::fwrite(Data, 1, N, FFile) != N) throw EWriteError(CannotMessage("write", FName, errno));
}

void TStreamSink::Put(const char* Data, std::size_t N) {
  if (N == 0) return;
  if (FStream == nullptr) throw EWriteError(u"no stream to write to");
  try {
    FStream->WriteBuffer(Data, static_cast<std::int64_t>(N));
  } catch (const Exception& e) {
    throw EWriteError(u"cannot write to the stream: " + e.Message());
  }
}

namespace {

// The folder part of a file name ("." when there is none) and the name.
std::pair<std::string, std::string> SplitPath(const std::string& Path) {
  std::size_t slash = Path.rfind('/');
  if (slash == std::string::npos) return {".", Path};
  return {slash == 0 ? "/" : Path.substr(0, slash), Path.substr(slash + 1)};
}

}  // namespace

TSafeFile::TSafeFile(const String& FileName) : FName(FileName) {
  std::string path = ToUTF8(FName);
  if (path.empty()) throw EFCreateError(u"no file name given");
  auto [dir, base] = SplitPath(path);
  FTempName = dir + "/." + base + ".XXXXXX";
  int fd = ::mkstemp(FTempName.data());
  if (fd < 0) {
    int err = errno;
    FTempName.clear();
    throw EFCreateError(CannotMessage("create", FName, err));
  }
  // mkstemp makes the file private; a saved document gets the usual rights.
  mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  FFile = ::fdopen(fd, "wb");
  if (FFile == nullptr) {
    int err = errno;
    ::close(fd);
    Fail("create", err);
  }
}

TSafeFile::~TSafeFile() {
  if (FFile != nullptr) std::fclose(FFile);
  if (!FTempName.empty()) std::remove(FTempName.c_str());
}

void TSafeFile::Fail(const char* What, int Err) {
  if (FFile != nullptr) std::fclose(FFile);
  FFile = nullptr;
  if (!FTempName.empty()) std::remove(FTempName.c_str());
  FTempName.clear();
  const String message = CannotMessage(What, FName, Err);
  if (std::strcmp(What, "create") == 0) throw EFCreateError(message);
  throw EWriteError(message);
}

void TSafeFile::Put(const char* Data, std::size_t N) {
  if (N == 0) return;
  if (FFile == nullptr || std::fwrite(Data, 1, N, FFile) != N) Fail("write", errno);
}

void TSafeFile::Commit() {
  if (FFile == nullptr) Fail("write", EBADF);
  if (std::fflush(FFile) != 0 || std::ferror(FFile) != 0) Fail("write", errno);
  std::FILE* f = FFile;
  FFile = nullptr;
  if (std::fclose(f) != 0) Fail("write", errno);
  if (std::rename(FTempName.c_str(), ToUTF8(FName).c_str()) != 0) Fail("replace", errno);
  FTempName.clear();
}

// ---------------------------------------------------------------- text out

TTextWriter::TTextWriter(TByteSink& Sink)
    : FSink(Sink), FData(new char[BufferSize]), FCapacity(BufferSize) {
  FPos = FData.get();
  FEnd = FPos + FCapacity;
}

void TTextWriter::Flush() {
  FSink.Put(FData.get(), static_cast<std::size_t>(FPos - FData.get()));
  FPos = FData.get();
}

void TTextWriter::MakeRoom(std::size_t N) {
  Flush();
  if (N > FCapacity) {
    FData.reset(new char[N]);
    FCapacity = N;
    FPos = FData.get();
    FEnd = FPos + FCapacity;
  }
}

void TTextWriter::Ascii(std::string_view S) {
  char* p = Room(S.size());
  std::memcpy(p, S.data(), S.size());
  Advance(p + S.size());
}

void TTextWriter::Utf8(std::u16string_view S) {
  char* p = Room(S.size() * 3);
  Advance(EncodeUtf8(p, S));
}

void TTextWriter::Int(std::int64_t Value) {
  char* p = Room(24);
  Advance(std::to_chars(p, p + 24, Value).ptr);
}

char* EncodeUtf8(char* Out, std::u16string_view S) {
  const char16_t* p = S.data();
  const char16_t* end = p + S.size();
  while (p != end) {
    char32_t c = *p++;
    if (c < 0x80) {
      *Out++ = static_cast<char>(c);
      continue;
    }
    if (c < 0x800) {
      *Out++ = static_cast<char>(0xC0 | (c >> 6));
      *Out++ = static_cast<char>(0x80 | (c & 0x3F));
      continue;
    }
    if (c >= 0xD800 && c <= 0xDFFF) {
      if (c <= 0xDBFF && p != end && *p >= 0xDC00 && *p <= 0xDFFF) {
        c = 0x10000 + ((c - 0xD800) << 10) + (*p++ - 0xDC00);
        *Out++ = static_cast<char>(0xF0 | (c >> 18));
        *Out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *Out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *Out++ = static_cast<char>(0x80 | (c & 0x3F));
        continue;
      }
      c = 0xFFFD;
    }
    *Out++ = static_cast<char>(0xE0 | (c >> 12));
    *Out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *Out++ = static_cast<char>(0x80 | (c & 0x3F));
  }
  return Out;
}

// ---------------------------------------------------------------- sources

TFileSource::TFileSource(std::FILE* File, String Name) : FFile(File), FName(std::move(Name)) {
  FStart = File != nullptr ? ::ftello(File) : -1;
}

std::size_t TFileSource::Read(char* Buffer, std::size_t N) {
  if (FFile == nullptr) throw EReadError(u"no file to read from");
  std::size_t got = std::fread(Buffer, 1, N, FFile);
  if (got < N && std::ferror(FFile) != 0)
    throw EReadError(CannotMessage("read", FName, errno));
  return got;
}

void TFileSource::Reposition(std::int64_t Offset) {
  if (FFile == nullptr || FStart < 0) return;
  std::clearerr(FFile);
  ::fseeko(FFile, static_cast<off_t>(FStart + Offset), SEEK_SET);
}

TStreamSource::TStreamSource(TStream* Stream) : FStream(Stream) {
  if (FStream == nullptr) throw EReadError(u"no stream to read from");
  FStart = FStream->Position();
}

std::size_t TStreamSource::Read(char* Buffer, std::size_t N) {
  try {
    std::int64_t got = FStream->Read(Buffer, static_cast<std::int64_t>(N));
    return got > 0 ? static_cast<std::size_t>(got) : 0;
  } catch (const Exception& e) {
    throw EReadError(u"cannot read the stream: " + e.Message());
  }
}

void TStreamSource::Reposition(std::int64_t Offset) { FStream->SetPosition(FStart + Offset); }

std::size_t TMemorySource::Read(char* Buffer, std::size_t N) {
  std::size_t n = std::min(N, FBytes.size() - FPos);
  std::memcpy(Buffer, FBytes.data() + FPos, n);
  FPos += n;
  return n;
}

void TMemorySource::Reposition(std::int64_t Offset) {
  FPos = std::min(FBytes.size(), static_cast<std::size_t>(std::max<std::int64_t>(Offset, 0)));
}

// ---------------------------------------------------------------- lines

namespace {
constexpr std::size_t kReadChunk = 64 * 1024;
}

bool TLineReader::Fill() {
  if (FEof) return false;
  std::size_t old = FBuf.size();
  FBuf.resize(old + kReadChunk);
  std::size_t got = 0;
  {
    TScopeGuard trim([&] { FBuf.resize(old + got); });  // also when reading fails
    got = FSource.Read(FBuf.data() + old, kReadChunk);
  }
  if (got == 0) FEof = true;
  return got != 0;
}

// Finds the end of the line starting at FBegin: End is where its text
// stops, Next where the following line starts. False when the buffer holds
// no complete line yet.
bool TLineReader::FindEnd(std::size_t& End, std::size_t& Next) {
  std::size_t limit = std::min(FBuf.size(), FBegin + MaxLine + 1);
  for (std::size_t i = FBegin; i < limit; ++i) {
    char c = FBuf[i];
    if (c != '\n' && c != '\r') continue;
    if (c == '\r' && i + 1 == FBuf.size() && !FEof) return false;  // CR LF split by a read
    End = i;
    Next = (c == '\r' && i + 1 < FBuf.size() && FBuf[i + 1] == '\n') ? i + 2 : i + 1;
    return true;
  }
  return false;
}

void TLineReader::SkipLongLine() {
  // Drops bytes up to and including the next line end.
  while (true) {
    std::size_t i = FBuf.find_first_of("\r\n", FNext);
    if (i != std::string::npos) {
      if (FBuf[i] == '\r' && i + 1 == FBuf.size() && Fill()) continue;
      FNext = (FBuf[i] == '\r' && i + 1 < FBuf.size() && FBuf[i + 1] == '\n') ? i + 2 : i + 1;
      break;
    }
    FBase += static_cast<std::int64_t>(FBuf.size());
    FBuf.clear();
    FBegin = FNext = 0;
    if (!Fill()) break;
  }
  FTruncated = false;
}

bool TLineReader::Next(std::string_view& Line) {
  if (FTruncated) SkipLongLine();
  // Drop the previous line from the buffer.
  FBuf.erase(0, FNext);
  FBase += static_cast<std::int64_t>(FNext);
  FBegin = FNext = 0;
  std::size_t end = 0, next = 0;
  while (!FindEnd(end, next)) {
    if (FBuf.size() > MaxLine) {
      // Too long: the first MaxLine bytes stand for the line. The search
      // for its end goes on from there (SkipLongLine), since the buffer may
      // already hold the end and the lines after it.
      end = next = MaxLine;
      FTruncated = true;
      break;
    }
    if (!Fill()) {
      // At the end: a CR that ended the buffer is a line end after all.
      if (FindEnd(end, next)) break;
      if (FBuf.empty()) return false;
      end = next = FBuf.size();
      break;
    }
  }
  FNext = next;
  ++FLineNo;
  Line = std::string_view(FBuf).substr(0, end);
  return true;
}

std::int64_t TLineReader::AfterLine() {
  if (FTruncated) SkipLongLine();
  return FBase + static_cast<std::int64_t>(FNext);
}

// ---------------------------------------------------------------- whole files

TFilePtr OpenForReading(const String& FileName) {
  std::string path = ToUTF8(FileName);
  TFilePtr f(path.empty() ? nullptr : std::fopen(path.c_str(), "rb"));
  if (!f) throw EFOpenError(CannotMessage("open", FileName, path.empty() ? ENOENT : errno));
  struct stat st {};
  if (::fstat(::fileno(f.get()), &st) == 0 && S_ISDIR(st.st_mode))
    throw EFOpenError(CannotMessage("open", FileName, EISDIR));
  return f;
}

std::string ReadFileBytes(const String& FileName) {
  TFilePtr f = OpenForReading(FileName);
  std::string bytes;
  try {
    std::array<char, kReadChunk> chunk;
    std::size_t got = 0;
    while ((got = std::fread(chunk.data(), 1, chunk.size(), f.get())) > 0) bytes.append(chunk.data(), got);
  } catch (const std::bad_alloc&) {
    throw EOutOfMemory(u"not enough memory to read " + Quoted(FileName));
  }
  if (std::ferror(f.get()) != 0) throw EReadError(CannotMessage("read", FileName, errno));
  return bytes;
}

// ---------------------------------------------------------------- UTF-8

namespace {

// Length of the valid UTF-8 sequence at P (1..4), or 0 when it is invalid.
std::size_t SequenceLength(const unsigned char* P, std::size_t Avail, char32_t& C) {
  unsigned char b = P[0];
  std::size_t n = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 0;
  if (n == 0 || b > 0xF4 || Avail < n) return 0;
  C = b & (0x7F >> n);
  for (std::size_t i = 1; i < n; ++i) {
    if ((P[i] & 0xC0) != 0x80) return 0;
    C = (C << 6) | (P[i] & 0x3F);
  }
  static constexpr char32_t kMin[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (C < kMin[n] || C > 0x10FFFF || (C >= 0xD800 && C <= 0xDFFF)) return 0;
  return n;
}

}  // namespace

std::size_t DecodeUtf8(std::string_view In, char16_t* Out, std::size_t MaxUnits) {
  const auto* p = reinterpret_cast<const unsigned char*>(In.data());
  const unsigned char* end = p + In.size();
  std::size_t n = 0;
  while (p != end && n < MaxUnits) {
    if (*p < 0x80) {
      Out[n++] = *p++;
      continue;
    }
    char32_t c = 0;
    std::size_t len = SequenceLength(p, static_cast<std::size_t>(end - p), c);
    if (len == 0) {
      c = 0xFFFD;
      len = 1;
    }
    if (c >= 0x10000) {
      if (n + 2 > MaxUnits) break;
      c -= 0x10000;
      Out[n++] = static_cast<char16_t>(0xD800 + (c >> 10));
      Out[n++] = static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    } else {
      Out[n++] = static_cast<char16_t>(c);
    }
    p += len;
  }
  return n;
}

std::vector<std::string_view> SplitLines(std::string_view Text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < Text.size()) {
    const std::size_t end = Text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(Text.substr(start));
      break;
    }
    lines.push_back(Text.substr(start, end - start));
    start = end + ((Text[end] == '\r' && end + 1 < Text.size() && Text[end + 1] == '\n') ? 2 : 1);
  }
  return lines;
}

std::string_view StripBom(std::string_view Bytes) {
  if (Bytes.size() >= 3 && Bytes.substr(0, 3) == "\xEF\xBB\xBF") Bytes.remove_prefix(3);
  return Bytes;
}

}  // namespace vcl
