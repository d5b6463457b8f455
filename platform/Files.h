// File services shared by everything that reads or writes documents:
// writing a file safely (a temporary file renamed over the target only when
// everything was written), buffered UTF-8 output to files and streams, byte
// sources with a line reader, and whole-file reading.
//
// Recipe: writing a document
//
//   vcl::TSafeFile file(FileName);     // EFCreateError when it cannot start
//   vcl::TTextWriter out(file);        // 1 MiB buffer in front of the file
//   out.Ascii("<doc>");
//   out.Utf8(Text);                    // UTF-16 in, UTF-8 out
//   char* p = out.Room(Max);           // or fill the buffer directly:
//   p = Encode(p, ...);                //   at most Max bytes, then
//   out.Advance(p);                    //   hand the end back
//   out.Flush();
//   file.Commit();                     // renames over FileName; until then an
//                                      // existing file is untouched, and a file
//                                      // never committed is removed
//
// Recipe: reading lines
//
//   vcl::TFileSource source(File, FileName);  // or TStreamSource, TMemorySource
//   vcl::TLineReader lines(source);
//   for (std::string_view line; lines.Next(line);) ...  // LF, CR LF or CR
//
// Failures raise the framework's stream errors with the file named in the
// message as "cannot <do> "<name>": <system reason>": EFCreateError (a file
// cannot be made), EFOpenError (cannot be opened), EWriteError and
// EReadError (a transfer fails). Callers that report errors of their own
// catch EStreamError and put their prefix in front.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Classes.h"
#include "platform/SysUtils.h"

namespace vcl {

// The system's text for an errno value.
String SysErrorMessage(int ErrorCode);

// ---------------------------------------------------------------- output

// Where buffered output goes.
class TByteSink {
 public:
  virtual ~TByteSink() = default;
  // Writes all N bytes or raises EWriteError.
  virtual void Put(const char* Data, std::size_t N) = 0;
};

// An open C file (not closed here); Name is used in messages.
class TFileSink : public TByteSink {
 public:
  TFileSink(std::FILE* File, String Name) : FFile(File), FName(std::move(Name)) {}
  void Put(const char* Data, std::size_t N) override;

 private:
  std::FILE* FFile;
  String FName;
};

// A framework stream, written at its position.
class TStreamSink : public TByteSink {
 public:
  explicit TStreamSink(TStream* Stream) : FStream(Stream) {}
  void Put(const char* Data, std::size_t N) override;

 private:
  TStream* FStream;
};

// A new file that replaces FileName only when Commit succeeds: the bytes go
// to a temporary file beside it (same folder, so the rename is atomic),
// which is renamed over FileName at the end and removed when anything
// fails or Commit is never reached. The new file gets the rights the
// process's umask gives.
class TSafeFile : public TByteSink {
 public:
  explicit TSafeFile(const String& FileName);
  ~TSafeFile() override;
  TSafeFile(const TSafeFile&) = delete;
  TSafeFile& operator=(const TSafeFile&) = delete;
  void Put(const char* Data, std::size_t N) override;
  void Commit();

 private:
  [[noreturn]] void Fail(const char* What, int Err);

  String FName;
  std::string FTempName;
  std::FILE* FFile = nullptr;
};

// Buffered UTF-8 output. Room(n) returns a pointer with n bytes free; the
// caller writes and hands the end back with Advance. Nothing reaches the
// sink before the buffer is full or Flush is called.
class TTextWriter {
 public:
  static constexpr std::size_t BufferSize = 1 << 20;

  explicit TTextWriter(TByteSink& Sink);
  char* Room(std::size_t N) {
    if (static_cast<std::size_t>(FEnd - FPos) < N) MakeRoom(N);
    return FPos;
  }
  void Advance(char* NewPos) { FPos = NewPos; }
  void Ascii(std::string_view S);
  // UTF-16 as UTF-8; an unpaired surrogate becomes U+FFFD.
  void Utf8(std::u16string_view S);
  void Int(std::int64_t Value);
  void Flush();

 private:
  void MakeRoom(std::size_t N);

  TByteSink& FSink;
  std::unique_ptr<char[]> FData;
  std::size_t FCapacity;
  char* FPos;
  char* FEnd;
};

// Writes S as UTF-8 at Out (at most 3 bytes per code unit) and returns the
// end. Unpaired surrogates become U+FFFD.
char* EncodeUtf8(char* Out, std::u16string_view S);

// ---------------------------------------------------------------- input

// Bytes from a file, a stream or memory, read from a starting position.
class TByteSource {
 public:
  virtual ~TByteSource() = default;
  // Up to N bytes; 0 at the end. Raises EReadError when reading fails.
  virtual std::size_t Read(char* Buffer, std::size_t N) = 0;
  // Moves to Offset bytes behind the starting position, where possible.
  virtual void Reposition(std::int64_t Offset) = 0;
};

// An open C file (not closed here), from its current position.
class TFileSource : public TByteSource {
 public:
  TFileSource(std::FILE* File, String Name);
  std::size_t Read(char* Buffer, std::size_t N) override;
  void Reposition(std::int64_t Offset) override;

 private:
  std::FILE* FFile;
  String FName;
  std::int64_t FStart;  // -1 when the file cannot seek
};

// A framework stream, from its current position.
class TStreamSource : public TByteSource {
 public:
  explicit TStreamSource(TStream* Stream);
  std::size_t Read(char* Buffer, std::size_t N) override;
  void Reposition(std::int64_t Offset) override;

 private:
  TStream* FStream;
  std::int64_t FStart;
};

// Bytes in memory (not copied: they must outlive the source).
class TMemorySource : public TByteSource {
 public:
  explicit TMemorySource(std::string_view Bytes) : FBytes(Bytes) {}
  std::size_t Read(char* Buffer, std::size_t N) override;
  void Reposition(std::int64_t Offset) override;

 private:
  std::string_view FBytes;
  std::size_t FPos = 0;
};

// Lines of a byte source, ended by LF, CR LF or CR (also when a CR LF is
// split between two reads). A line longer than MaxLine bytes is seen only up
// to that length and the rest of it is skipped; the bytes behind the current
// line's start stay available (From) until the next line is read.
class TLineReader {
 public:
  static constexpr std::size_t MaxLine = 64 * 1024;

  explicit TLineReader(TByteSource& Source) : FSource(Source) {}
  // The next line without its end; false at the end of the input.
  bool Next(std::string_view& Line);
  // 1 for the first line.
  int LineNumber() const { return FLineNo; }
  // Offset of the current line's first byte from where reading started.
  std::int64_t LineOffset() const { return FBase + static_cast<std::int64_t>(FBegin); }
  // The buffered bytes from Index of the current line on; the source
  // continues right behind them.
  std::string_view From(std::size_t Index) const {
    return std::string_view(FBuf).substr(FBegin + Index);
  }
  // Offset right behind the current line and its end (the whole line, when
  // it was longer than MaxLine).
  std::int64_t AfterLine();

 private:
  bool Fill();
  void SkipLongLine();
  bool FindEnd(std::size_t& End, std::size_t& Next);

  TByteSource& FSource;
  std::string FBuf;
  std::size_t FBegin = 0;
  std::size_t FNext = 0;   // where the line after the current one starts
  std::int64_t FBase = 0;  // offset of FBuf[0]
  int FLineNo = 0;
  bool FTruncated = false;
  bool FEof = false;
};

// ---------------------------------------------------------------- whole files and text

// A file opened for reading in binary mode, closed with the pointer.
// EFOpenError when it cannot be opened or is a folder.
struct TFileCloser {
  void operator()(std::FILE* File) const {
    if (File != nullptr) std::fclose(File);
  }
};
using TFilePtr = std::unique_ptr<std::FILE, TFileCloser>;
TFilePtr OpenForReading(const String& FileName);

// The whole content of a file. EFOpenError or EReadError; EOutOfMemory
// when it does not fit in memory.
std::string ReadFileBytes(const String& FileName);

// UTF-8 to UTF-16, at most MaxUnits units written to Out (a surrogate pair
// is never split); invalid sequences become U+FFFD. Returns the count.
std::size_t DecodeUtf8(std::string_view In, char16_t* Out, std::size_t MaxUnits);

// The lines of a text (ended by LF, CR LF or CR; a final line end adds no
// empty line), as views into it.
std::vector<std::string_view> SplitLines(std::string_view Text);

// Bytes without a leading UTF-8 byte order mark.
std::string_view StripBom(std::string_view Bytes);

}  // namespace vcl
