// The framework's file services: safe writing (nothing half written, no
// temporary file left), buffered UTF-8 output, the line reader over sources
// that deliver bytes in any portions, and whole-file reading.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "platform/Graphics.h"

namespace {

using namespace vcl;
namespace fs = std::filesystem;

fs::path Scratch(const std::string& Name) {
  fs::path dir = fs::path(VYR_TEST_TMP) / "files" / Name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

String Text(const fs::path& P) { return FromUTF8(P.string()); }

std::string Bytes(const fs::path& P) {
  std::ifstream in(P, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Write(const fs::path& P, const std::string& B) { std::ofstream(P, std::ios::binary) << B; }

// The names in a folder (temporary files included).
std::vector<std::string> Names(const fs::path& Dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(Dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

template <class E>
String MessageOf(auto&& Call) {
  try {
    Call();
  } catch (const E& e) {
    return e.Message();
  }
  ADD_FAILURE() << "no exception";
  return String();
}

// ---------------------------------------------------------------- safe files

TEST(SafeFile, ReplacesTheTargetOnlyOnCommit) {
  const fs::path dir = Scratch("safe");
  const fs::path target = dir / "doc.txt";
  Write(target, "old");
  {
    TSafeFile file(Text(target));
    file.Put("new!", 4);
    EXPECT_EQ(Bytes(target), "old");  // untouched until the commit
    EXPECT_EQ(Names(dir).size(), 2u);
    file.Commit();
  }
  EXPECT_EQ(Bytes(target), "new!");
  EXPECT_EQ(Names(dir), std::vector<std::string>{"doc.txt"});
  {
    TSafeFile file(Text(target));
    file.Put("lost", 4);
  }  // never committed: the target stays, the temporary file goes
  EXPECT_EQ(Bytes(target), "new!");
  EXPECT_EQ(Names(dir), std::vector<std::string>{"doc.txt"});
}

TEST(SafeFile, NewFilesGetTheUsualRights) {
  const fs::path target = Scratch("rights") / "new.txt";
  const mode_t mask = ::umask(022);
  {
    TSafeFile file(Text(target));
    file.Commit();
  }
  ::umask(mask);
  struct stat st {};
  ASSERT_EQ(::stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0644u);
}

TEST(SafeFile, FailuresNameTheFileAndLeaveNothing) {
  const fs::path dir = Scratch("fail");
  const String missing = Text(dir / "no" / "such.txt");
  EXPECT_NE(MessageOf<EFCreateError>([&] { TSafeFile f(missing); }).find(u"cannot create \"" + missing + u"\": "),
            String::npos);
  EXPECT_THROW({ TSafeFile f{String()}; }, EFCreateError);
  // A folder in the target's place: the rename fails, the folder stays.
  fs::create_directories(dir / "taken");
  EXPECT_NE(MessageOf<EWriteError>([&] {
              TSafeFile f(Text(dir / "taken"));
              f.Put("x", 1);
              f.Commit();
            }).find(u"cannot replace"),
            String::npos);
  EXPECT_TRUE(fs::is_directory(dir / "taken"));
  EXPECT_EQ(Names(dir), std::vector<std::string>{"taken"});
}

TEST(SafeFile, BitmapsAreSavedWholeOrNotAtAll) {
  const fs::path dir = Scratch("bitmap");
  const fs::path target = dir / "b.bmp";
  Write(target, "old picture");
  TBitmap b;
  b.SetSize(3, 2);
  b.SaveToFile(Text(target));
  EXPECT_EQ(Bytes(target).substr(0, 2), "BM");
  EXPECT_EQ(Names(dir), std::vector<std::string>{"b.bmp"});
  EXPECT_THROW(b.SaveToFile(Text(dir / "no" / "b.bmp")), EFCreateError);
  EXPECT_EQ(Names(dir), std::vector<std::string>{"b.bmp"});
}

// ---------------------------------------------------------------- text writer

// Collects what reaches it, in the portions it arrives in.
struct Collector : TByteSink {
  std::vector<std::string> Puts;
  void Put(const char* Data, std::size_t N) override { Puts.emplace_back(Data, N); }
  std::string All() const {
    std::string s;
    for (const auto& p : Puts) s += p;
    return s;
  }
};

TEST(TextWriter, EncodesAndBuffersUntilFullOrFlushed) {
  Collector sink;
  TTextWriter out(sink);
  out.Ascii("n=");
  out.Int(-1234567890123);
  out.Utf8(u" \u00e9\u20ac\U0001F600");
  out.Utf8(std::u16string(1, char16_t(0xD800)) + u"x");  // a lone surrogate
  EXPECT_TRUE(sink.Puts.empty());
  out.Flush();
  const std::string head = "n=-1234567890123 \xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xEF\xBF\xBDx";
  EXPECT_EQ(sink.All(), head);
  // More than the buffer holds in one piece: it arrives whole.
  const std::string big(TTextWriter::BufferSize + 10, 'a');
  char* p = out.Room(big.size());
  std::copy(big.begin(), big.end(), p);
  out.Advance(p + big.size());
  out.Flush();
  EXPECT_EQ(sink.All(), head + big);
}

TEST(TextWriter, StreamSinkWritesAtThePositionAndReportsFailures) {
  TMemoryStream stream;
  stream.WriteBuffer("head:", 5);
  TStreamSink sink(&stream);
  TTextWriter out(sink);
  out.Ascii("body");
  out.Flush();
  EXPECT_EQ(std::string(static_cast<const char*>(stream.Memory()), 9), "head:body");
  TStreamSink none(nullptr);
  EXPECT_THROW(none.Put("x", 1), EWriteError);
}

// ---------------------------------------------------------------- line reader

// Delivers its bytes in portions of Step bytes.
struct Trickle : TByteSource {
  std::string Data;
  std::size_t Step, Pos = 0;
  Trickle(std::string D, std::size_t S) : Data(std::move(D)), Step(S) {}
  std::size_t Read(char* Buffer, std::size_t N) override {
    const std::size_t n = std::min({N, Step, Data.size() - Pos});
    std::copy_n(Data.data() + Pos, n, Buffer);
    Pos += n;
    return n;
  }
  void Reposition(std::int64_t Offset) override { Pos = static_cast<std::size_t>(Offset); }
};

std::vector<std::string> ReadLines(TByteSource& Source) {
  TLineReader lines(Source);
  std::vector<std::string> out;
  for (std::string_view line; lines.Next(line);) out.emplace_back(line);
  return out;
}

TEST(LineReader, EveryLineEndInAnyPortions) {
  const std::string text = "one\r\ntwo\rthree\n\nfour\r\r\nfive\r";
  const std::vector<std::string> want = {"one", "two", "three", "", "four", "", "five"};
  for (std::size_t step : {1u, 2u, 3u, 5u, 1000u}) {
    Trickle source(text, step);
    EXPECT_EQ(ReadLines(source), want) << "portions of " << step;
  }
  Trickle none("", 4);
  EXPECT_TRUE(ReadLines(none).empty());
  Trickle last("end", 2);  // no final line end
  EXPECT_EQ(ReadLines(last), std::vector<std::string>{"end"});
}

TEST(LineReader, LongLinesAreCutAndOffsetsCountFromTheStart) {
  // The lines behind a long one come through whether the long line's end
  // is already buffered with it or arrives in a later read.
  for (std::size_t length : {TLineReader::MaxLine + 100, 3 * TLineReader::MaxLine}) {
    SCOPED_TRACE(length);
    Trickle source("ab\n" + std::string(length, 'x') + "\r\nz", 4096);
    TLineReader lines(source);
    std::string_view line;
    ASSERT_TRUE(lines.Next(line));
    EXPECT_EQ(lines.AfterLine(), 3);
    ASSERT_TRUE(lines.Next(line));
    EXPECT_EQ(line.size(), TLineReader::MaxLine);
    EXPECT_EQ(lines.LineOffset(), 3);
    EXPECT_EQ(lines.AfterLine(), static_cast<std::int64_t>(3 + length + 2));
    ASSERT_TRUE(lines.Next(line));
    EXPECT_EQ(line, "z");
    EXPECT_EQ(lines.LineNumber(), 3);
    EXPECT_FALSE(lines.Next(line));
  }
}

TEST(LineReader, AFailedReadLeavesNoStrayBytes) {
  // Delivers "a\n", fails once, then delivers "b\n".
  struct Flaky : TByteSource {
    int Calls = 0;
    std::size_t Read(char* Buffer, std::size_t) override {
      ++Calls;
      if (Calls == 2) throw EReadError(u"cannot read");
      if (Calls > 3) return 0;
      Buffer[0] = Calls == 1 ? 'a' : 'b';
      Buffer[1] = '\n';
      return 2;
    }
    void Reposition(std::int64_t) override {}
  } source;
  TLineReader lines(source);
  std::string_view line;
  ASSERT_TRUE(lines.Next(line));
  EXPECT_EQ(line, "a");
  EXPECT_THROW(lines.Next(line), EReadError);
  ASSERT_TRUE(lines.Next(line));
  EXPECT_EQ(line, "b");
  EXPECT_FALSE(lines.Next(line));
}

// ---------------------------------------------------------------- whole files and text

TEST(ReadFileBytes, ReadsWholeFilesAndNamesTheFileOnFailure) {
  const fs::path dir = Scratch("read");
  Write(dir / "f.bin", std::string("a\0b", 3));
  EXPECT_EQ(ReadFileBytes(Text(dir / "f.bin")), std::string("a\0b", 3));
  const String absent = Text(dir / "absent");
  EXPECT_EQ(MessageOf<EFOpenError>([&] { ReadFileBytes(absent); }).rfind(u"cannot open \"" + absent + u"\": ", 0),
            0u);
  EXPECT_NE(MessageOf<EFOpenError>([&] { ReadFileBytes(Text(dir)); }).find(u"Is a directory"), String::npos);
  EXPECT_THROW(OpenForReading(String()), EFOpenError);
}

TEST(DecodeUtf8, ReplacesBadSequencesAndNeverSplitsAPair) {
  struct Case {
    std::string In;
    std::size_t Max;
    std::u16string Want;
  };
  const Case cases[] = {
      {"abc", 10, u"abc"},
      {"\xC3\xA9\xE2\x82\xAC", 10, u"\u00e9\u20ac"},
      {"\xF0\x9F\x98\x80", 10, u"\U0001F600"},
      {"a\xF0\x9F\x98\x80", 2, u"a"},         // the pair does not fit: left out whole
      {"\xC0\xAF", 10, u"\uFFFD\uFFFD"},      // overlong
      {"\xED\xA0\x80", 10, u"\uFFFD\uFFFD\uFFFD"},  // an encoded surrogate
      {"\xE2\x82", 10, u"\uFFFD\uFFFD"},      // cut short
      {"abc", 2, u"ab"},
  };
  for (const Case& c : cases) {
    char16_t buf[16];
    const std::size_t n = DecodeUtf8(c.In, buf, c.Max);
    EXPECT_EQ(std::u16string(buf, n), c.Want) << c.In;
  }
}

TEST(SplitLines, LineEndsAndTheByteOrderMark) {
  EXPECT_EQ(SplitLines("a\r\nb\rc\n"), (std::vector<std::string_view>{"a", "b", "c"}));
  EXPECT_EQ(SplitLines("\n\nx"), (std::vector<std::string_view>{"", "", "x"}));
  EXPECT_TRUE(SplitLines("").empty());
  EXPECT_EQ(StripBom("\xEF\xBB\xBFhi"), "hi");
  EXPECT_EQ(StripBom("\xEF\xBBhi"), "\xEF\xBBhi");
}

}  // namespace
