// Binary property data ({hex digits}): glyphs and pictures as the framework
// lays them out, the generic hook, the written layout, and bad data refused
// with the line named and nothing half-built.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Probes.h"
#include "platform/Buttons.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/image/Codecs.h"

using namespace vcl;

namespace {

using TBytes = std::vector<std::uint8_t>;

// A component with raw bytes behind a 2-byte count, so that the hook's
// own checks (data left over) can be seen apart from any picture format.
class TBlobProbe : public TComponent {
 public:
  using TComponent::TComponent;
  TBytes Blob;
};

void ReadBlob(TBlobProbe& P, TStream& S) {
  std::uint8_t count[2] = {};
  S.ReadBuffer(count, 2);
  TBytes bytes(count[0] | count[1] << 8);
  if (!bytes.empty()) S.ReadBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  P.Blob = std::move(bytes);
}

void WriteBlob(TBlobProbe& P, TStream& S) {
  const std::uint8_t count[2] = {static_cast<std::uint8_t>(P.Blob.size()),
                                 static_cast<std::uint8_t>(P.Blob.size() >> 8)};
  S.WriteBuffer(count, 2);
  if (!P.Blob.empty()) S.WriteBuffer(P.Blob.data(), static_cast<std::int64_t>(P.Blob.size()));
}

const bool registered = RegisterClass<TBlobProbe, TComponent>(u"TBlobProbe")
                            .Binary(u"Blob", &ReadBlob, &WriteBlob,
                                    [](TBlobProbe& p) { return !p.Blob.empty(); })
                            .Sample([](TBlobProbe& p, int Attempt) {
                              p.Blob.push_back(static_cast<std::uint8_t>(Attempt));
                              return true;
                            });

// Hex digits of Bytes, Width digits to a line, each line indented.
std::string Hex(const TBytes& Bytes, std::size_t Width = 64) {
  static const char digits[] = "0123456789abcdef";
  std::string out;
  for (std::size_t i = 0; i < Bytes.size(); ++i) {
    if ((2 * i) % Width == 0) out += "\n    ";
    out += digits[Bytes[i] >> 4];
    out += digits[Bytes[i] & 15];
  }
  return out;
}

TBytes LittleEndian(std::uint32_t v) {
  return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
          static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
}

TBytes Concat(std::initializer_list<TBytes> parts) {
  TBytes out;
  for (const TBytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

// A 3 x 2 picture with distinct pixels, and its BMP file bytes.
constexpr TColor kPixels[2][3] = {{0x0000FF, 0x00FF00, 0xFF0000}, {0x123456, 0xFFFFFF, 0x000000}};

std::unique_ptr<TBitmap> SmallBitmap() {
  auto b = std::make_unique<TBitmap>(3, 2);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) b->Canvas()->SetPixels(x, y, kPixels[y][x]);
  }
  return b;
}

TBytes BmpFile() {
  TMemoryStream s;
  SmallBitmap()->SaveToStream(&s);
  const auto* p = static_cast<const std::uint8_t*>(s.Memory());
  return TBytes(p, p + s.Size());
}

TBytes GlyphData() {
  TBytes bmp = BmpFile();
  return Concat({LittleEndian(static_cast<std::uint32_t>(bmp.size())), bmp});
}

TBytes PictureData(const std::string& ClassName, const TBytes& Rest) {
  TBytes name(ClassName.begin(), ClassName.end());
  return Concat({{static_cast<std::uint8_t>(name.size())}, name, Rest});
}

std::string ButtonForm(const std::string& Data) {
  return "object Form1: TForm\n"
         "  object Probe1: TProbe\n"
         "  end\n"
         "  object Button1: TSpeedButton\n"
         "    Glyph.Data = {" + Data + "}\n"
         "  end\n"
         "end\n";
}

std::string ImageForm(const std::string& Data) {
  return "object Form1: TForm\n"
         "  object Image1: TImage\n"
         "    Picture.Data = {" + Data + "}\n"
         "  end\n"
         "end\n";
}

std::unique_ptr<TComponent> Read(const std::string& Text) {
  return std::unique_ptr<TComponent>(ReadComponentFromText(FromUTF8(Text)));
}

void ExpectSmallPicture(TBitmap* B) {
  ASSERT_NE(B, nullptr);
  ASSERT_EQ(B->Width(), 3);
  ASSERT_EQ(B->Height(), 2);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_EQ(B->Canvas()->Pixels(x, y), kPixels[y][x]) << x << "," << y;
  }
}

}  // namespace

TEST(BinaryData, GlyphDataLoadsOverSeveralLinesInEitherCase) {
  ASSERT_TRUE(registered);
  for (std::size_t width : {64u, 10u, 2u}) {  // the framework's lines, and others
    std::unique_ptr<TComponent> form = Read(ButtonForm(Hex(GlyphData(), width) + "\n  "));
    auto* button = dynamic_cast<TSpeedButton*>(form->FindComponent(u"Button1"));
    ASSERT_NE(button, nullptr);
    ExpectSmallPicture(button->Glyph());
  }
}

TEST(BinaryData, PictureDataNamesItsGraphicClass) {
  std::unique_ptr<TComponent> form = Read(ImageForm(Hex(PictureData("TBitmap", GlyphData()))));
  auto* image = dynamic_cast<TImage*>(form->FindComponent(u"Image1"));
  ASSERT_NE(image, nullptr);
  ExpectSmallPicture(image->Picture()->Bitmap());
  // A PNG picture is kept as the rest of the data, without a size.
  std::unique_ptr<TBitmap> small = SmallBitmap();
  const image::View view{small->ScanLine(0), 3, 2, 3};
  form = Read(ImageForm(Hex(PictureData("TPngImage", image::EncodePng(view, false)))));
  ExpectSmallPicture(dynamic_cast<TImage*>(form->FindComponent(u"Image1"))->Picture()->Bitmap());
  // An empty class name is an empty picture.
  form = Read(ImageForm(Hex(PictureData("", {}))));
  EXPECT_EQ(dynamic_cast<TImage*>(form->FindComponent(u"Image1"))->Picture()->Width(), 0);
}

TEST(BinaryData, WrittenInLinesOf64DigitsClosedAfterTheLastOne) {
  TForm form(nullptr);
  form.SetName(u"Form1");
  auto* button = new TSpeedButton(&form);
  button->SetName(u"Button1");
  button->SetParent(&form);
  button->SetGlyph(SmallBitmap().get());
  const std::string text = ToUTF8(WriteComponentToText(&form));
  const TBytes data = GlyphData();
  const std::string head = "    Glyph.Data = {\n";
  auto at = text.find(head);
  ASSERT_NE(at, std::string::npos) << text;
  std::size_t lines = 0, digits = 0;
  for (std::size_t pos = at + head.size();; ++lines) {
    std::size_t end = text.find('\n', pos);
    std::string line = text.substr(pos, end - pos);
    ASSERT_EQ(line.rfind("      ", 0), 0u) << line;  // one step deeper than the property
    std::string hex = line.substr(6);
    bool last = !hex.empty() && hex.back() == '}';
    if (last) hex.pop_back();
    ASSERT_EQ(hex.find_first_not_of("0123456789ABCDEF"), std::string::npos) << line;
    digits += hex.size();
    if (last) {
      ++lines;
      break;
    }
    ASSERT_EQ(hex.size(), 64u) << line;
    pos = end + 1;
  }
  EXPECT_EQ(digits, 2 * data.size());
  EXPECT_EQ(lines, (data.size() + 31) / 32);
  // What was written reads back to the same picture and the same text.
  std::unique_ptr<TComponent> again(ReadComponentFromText(FromUTF8(text)));
  ExpectSmallPicture(dynamic_cast<TSpeedButton*>(again->FindComponent(u"Button1"))->Glyph());
  EXPECT_EQ(ToUTF8(WriteComponentToText(again.get())), text);
}

TEST(BinaryData, EmptyPicturesAreNotWritten) {
  TForm form(nullptr);
  auto* image = new TImage(&form);
  image->SetParent(&form);
  auto* button = new TSpeedButton(&form);
  button->SetParent(&form);
  button->Glyph();  // made, but empty
  EXPECT_EQ(WriteComponentToText(&form).find(u".Data"), String::npos);
}

TEST(BinaryData, TheHookRoundTripsAnyBytes) {
  for (std::size_t n : {0u, 1u, 31u, 32u, 33u, 300u}) {
    TBlobProbe blob(nullptr);
    for (std::size_t i = 0; i < n; ++i) blob.Blob.push_back(static_cast<std::uint8_t>(i * 37 + 11));
    String text = WriteComponentToText(&blob);
    std::unique_ptr<TComponent> copy(ReadComponentFromText(text));
    EXPECT_EQ(dynamic_cast<TBlobProbe*>(copy.get())->Blob, blob.Blob) << n;
    EXPECT_EQ(text.find(u"Blob = ") == String::npos, n == 0) << n;  // nothing stored when empty
  }
  TBlobProbe blob(nullptr);
  SetPropText(blob, u"Blob", u"{0300 41 42 43}");  // blanks between pairs
  EXPECT_EQ(blob.Blob, (TBytes{0x41, 0x42, 0x43}));
  EXPECT_EQ(GetPropText(blob, u"Blob"), u"{\n0300414243}");
}

namespace {

struct TBadBinary {
  const char* what;
  std::string text;
  const char* message;  // the message starts with it
};

std::vector<TBadBinary> BadCases() {
  const TBytes bmp = BmpFile();
  TBytes notBmp = bmp;
  notBmp[0] = 'X';
  const auto size = static_cast<std::uint32_t>(bmp.size());
  return {
      {"odd digit count", ButtonForm("\n    0A0B0C\n    0D0\n    "),
       "Line 7: odd number of hex digits in binary data"},
      {"letter that is no digit", ButtonForm("\n    0A0B\n    0G\n    "),
       "Line 7: hex digit or '}' expected in binary data but 'G' found"},
      {"quote inside", ButtonForm("0A'0B"), "Line 5: hex digit or '}' expected"},
      {"never closed", "object Form1: TForm\n object B: TSpeedButton\n  Glyph.Data = {0A0B\n",
       "Line 4: '}' expected to close the binary data opened on line 3"},
      {"size beyond the data", ButtonForm(Hex(Concat({LittleEndian(size + 1), bmp}))),
       "Line 5: property Glyph.Data: Bitmap data declares"},
      {"huge size", ButtonForm(Hex(Concat({LittleEndian(0xFFFFFFFF), bmp}))),
       "Line 5: property Glyph.Data: Bitmap data declares 4294967295 bytes"},
      {"size short of the data", ButtonForm(Hex(Concat({LittleEndian(size - 1), bmp}))),
       "Line 5: property Glyph.Data: "},
      {"no size", ButtonForm("0102"), "Line 5: property Glyph.Data: Bitmap data too short"},
      {"not a picture", ButtonForm(Hex(Concat({LittleEndian(size), notBmp}))),
       "Line 5: property Glyph.Data: Bitmap data does not decode"},
      {"unknown graphic class", ImageForm(Hex(PictureData("TMetafile", GlyphData()))),
       "Line 3: property Picture.Data: Picture data: graphic class TMetafile is not supported"},
      {"class name beyond the data", ImageForm("09544269"),
       "Line 3: property Picture.Data: Picture data too short"},
      {"picture without data", ImageForm(""), "Line 3: property Picture.Data: Picture data too short"},
      {"binary for a number", "object P: TProbe\n  Count = {00}\nend",
       "Line 2: property Count: Integer expected but binary data (1 bytes) found"},
      {"number for binary", "object P: TBlobProbe\n  Blob = 12\nend",
       "Line 2: property Blob: Binary data ({hex digits}) expected"},
      {"bytes left over", "object P: TBlobProbe\n  Blob = {\n 0100 41 42}\nend",
       "Line 2: property Blob: 1 bytes of binary data left over"},
  };
}

}  // namespace

TEST(BinaryData, BadDataNamesTheLineAndBuildsNothing) {
  for (const TBadBinary& bad : BadCases()) {
    probes::TProbeScope scope;
    std::string message;
    try {
      Read(bad.text);
      ADD_FAILURE() << bad.what << ": read without error";
    } catch (const EReadError& e) {
      message = e.what();
    }
    EXPECT_EQ(message.rfind(bad.message, 0), 0u) << bad.what << ": " << message;
    EXPECT_EQ(scope.Leaked(), 0) << bad.what;
  }
}

TEST(BinaryData, AFailedReadLeavesThePictureAsItWas) {
  TBitmap bitmap;
  bitmap.Assign(SmallBitmap().get());
  const TBytes bmp = BmpFile();
  TBytes broken = Concat({LittleEndian(static_cast<std::uint32_t>(bmp.size())), bmp});
  broken[4 + 10] = 0xFF;  // pixel data offset far beyond the file
  for (const std::string& data : {Hex(broken), Hex(Concat({LittleEndian(999999), bmp})),
                                  std::string("00")}) {
    EXPECT_THROW(SetPropText(bitmap, u"Data", FromUTF8("{" + data + "}")), EReadError);
    ExpectSmallPicture(&bitmap);
  }
  TPicture picture;
  picture.Assign(SmallBitmap().get());
  EXPECT_THROW(SetPropText(picture, u"Data", FromUTF8("{" + Hex(PictureData("TIcon", {})) + "}")),
               EReadError);
  ExpectSmallPicture(picture.Bitmap());
}
