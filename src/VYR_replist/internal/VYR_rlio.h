// Internal to VYR_replist: what the exchange operations of TRLData share —
// the staging table a reader fills before it replaces the store's content,
// progress reports, buffered UTF-8 output to files and streams, byte
// sources with line reading, and text conversion.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "VYR_replist/VYR_rldata.h"

namespace vyr {

// A table being read. A reader fills it completely and only then hands it
// to the store, so a failed read leaves the store as it was.
struct TRLContent {
  std::unique_ptr<TStringArray> Table;
  int NrCols = 1;
  int NrRows = 0;
  std::vector<TNameStrType> Names;   // one per column, at least one slot
  std::vector<TColFmtString> Formats;
  std::vector<TCheckMode> Modes;
  std::optional<vcl::String> CommonHeader;  // replaced only when set
  std::optional<vcl::String> Comment;

  // Allocates an empty table of that size with default names. Raises
  // EVYRRLDataError (message prefixed by Who) when it is too large.
  void Allocate(int Cols, int Rows, std::int64_t MaxCells, const vcl::String& Who);
};

namespace rlio {

// ---------------------------------------------------------------- progress

// Reports the progress of Total units of work through an OnPercentDone
// handler: at most once per percent, and 100 at the end.
class TProgress {
 public:
  TProgress(vcl::TObject* Sender, TOnPercentDoneEvent Handler, std::int64_t Total);
  void Tick() {
    if (--FCountdown == 0) Step();
  }
  void Done();

 private:
  void Step();

  vcl::TObject* FSender;
  TOnPercentDoneEvent FHandler;
  std::int64_t FTotal;
  std::int64_t FStep;
  std::int64_t FDone = 0;
  std::int64_t FCountdown;
  int FLastPercent = -1;
};

// ---------------------------------------------------------------- bulk changes

// Detaches a table's change hook while a bulk operation runs, so that a
// view repaints once at the end (when NotifyAtEnd) instead of once per cell.
class TBulkChange {
 public:
  TBulkChange(TStringArray& Table, bool NotifyAtEnd)
      : FTable(Table), FHandler(Table.OnChange()), FNotify(NotifyAtEnd) {
    FTable.SetOnChange(nullptr);
  }
  ~TBulkChange() {
    FTable.SetOnChange(FHandler);
    if (FNotify && FHandler) FHandler(&FTable);
  }
  TBulkChange(const TBulkChange&) = delete;
  TBulkChange& operator=(const TBulkChange&) = delete;

 private:
  TStringArray& FTable;
  vcl::TNotifyEvent FHandler;
  bool FNotify;
};

// ---------------------------------------------------------------- output

// Where buffered output goes.
class TByteSink {
 public:
  virtual ~TByteSink() = default;
  // Writes all N bytes or raises EVYRRLDataError.
  virtual void Put(const char* Data, std::size_t N) = 0;
};

// An open C file (not closed here).
class TFileSink : public TByteSink {
 public:
  TFileSink(std::FILE* File, vcl::String Who) : FFile(File), FWho(std::move(Who)) {}
  void Put(const char* Data, std::size_t N) override;

 private:
  std::FILE* FFile;
  vcl::String FWho;
};

// A framework stream, written at its position.
class TStreamSink : public TByteSink {
 public:
  TStreamSink(vcl::TStream* Stream, vcl::String Who) : FStream(Stream), FWho(std::move(Who)) {}
  void Put(const char* Data, std::size_t N) override;

 private:
  vcl::TStream* FStream;
  vcl::String FWho;
};

// A new file that replaces FName only when Commit succeeds: the bytes go
// to a temporary file beside it, which is renamed over FName at the end
// and removed when anything fails, so an existing file is never left half
// written.
class TSafeFile : public TByteSink {
 public:
  TSafeFile(const vcl::String& FName, vcl::String Who);
  ~TSafeFile() override;
  TSafeFile(const TSafeFile&) = delete;
  TSafeFile& operator=(const TSafeFile&) = delete;
  void Put(const char* Data, std::size_t N) override;
  void Commit();

 private:
  [[noreturn]] void Fail(const char* What, int Err);

  vcl::String FName;
  vcl::String FWho;
  std::string FTempName;
  std::FILE* FFile = nullptr;
};

// Buffered UTF-8 output. Room(n) returns a pointer with n bytes free; the
// caller writes and hands the end back with Advance.
class TTextOut {
 public:
  explicit TTextOut(TByteSink& Sink);
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
  // Up to N bytes; 0 at the end. Raises EVYRRLDataError when reading fails.
  virtual std::size_t Read(char* Buffer, std::size_t N) = 0;
  // Moves to Offset bytes behind the starting position, where possible.
  virtual void Reposition(std::int64_t Offset) = 0;
};

class TFileSource : public TByteSource {
 public:
  TFileSource(std::FILE* File, vcl::String Who);
  std::size_t Read(char* Buffer, std::size_t N) override;
  void Reposition(std::int64_t Offset) override;

 private:
  std::FILE* FFile;
  vcl::String FWho;
  std::int64_t FStart;  // -1 when the file cannot seek
};

class TStreamSource : public TByteSource {
 public:
  TStreamSource(vcl::TStream* Stream, vcl::String Who);
  std::size_t Read(char* Buffer, std::size_t N) override;
  void Reposition(std::int64_t Offset) override;

 private:
  vcl::TStream* FStream;
  vcl::String FWho;
  std::int64_t FStart;
};

class TMemorySource : public TByteSource {
 public:
  explicit TMemorySource(std::string_view Bytes) : FBytes(Bytes) {}
  std::size_t Read(char* Buffer, std::size_t N) override;
  void Reposition(std::int64_t Offset) override;

 private:
  std::string_view FBytes;
  std::size_t FPos = 0;
};

// Lines of a byte source, ended by LF, CR LF or CR. A line longer than
// MaxLine bytes is seen only up to that length; the bytes behind the
// current line's start stay available (From) until the next line is read.
class TLineReader {
 public:
  static constexpr std::size_t MaxLine = 64 * 1024;

  explicit TLineReader(TByteSource& Source) : FSource(Source) {}
  // The next line without its end; false at the end of the input.
  bool Next(std::string_view& Line);
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
  std::size_t FNext = 0;  // where the line after the current one starts
  std::int64_t FBase = 0;  // offset of FBuf[0]
  int FLineNo = 0;
  bool FTruncated = false;
  bool FEof = false;
};

// The whole content of a file; EVYRRLDataError (prefixed by Who) when it
// cannot be opened or read.
std::string ReadFileBytes(const vcl::String& FName, const vcl::String& Who);
// Opens a file for reading in binary mode, or raises as above.
std::FILE* OpenForReading(const vcl::String& FName, const vcl::String& Who);

// UTF-8 to UTF-16, at most MaxUnits units written to Out (a surrogate pair
// is never split); invalid sequences become U+FFFD. Returns the count.
std::size_t DecodeUtf8(std::string_view In, char16_t* Out, std::size_t MaxUnits);
// The lines of a text (ended by LF, CR LF or CR; a final line end adds no
// empty line), as views into it.
std::vector<std::string_view> SplitLines(std::string_view Text);
// Skips a UTF-8 byte order mark.
std::string_view StripBom(std::string_view Bytes);

// "Component \"Name\": ", the start of the store's messages.
vcl::String ComponentPrefix(const vcl::TComponent& Component);
// "\"name\"" as used in messages.
vcl::String Quoted(const vcl::String& Name);
// The system's text for an errno value.
vcl::String ErrorText(int Err);

}  // namespace rlio
}  // namespace vyr
