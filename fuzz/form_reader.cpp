// Fuzz target: the text form reader fed with mutated form files (seeds in
// fuzz/corpus/form_reader/, keywords in form_reader.dict; binary property
// data through a picture and a raw blob). Every input must
// either load or raise a vcl::Exception, leaking nothing. A form of the
// target's own component class that loads must also survive a round trip:
// writing it, reading that and writing again gives the same text. The same
// input read into an existing component either loads or leaves that
// component's written form and owned components exactly as they were.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/Classes.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/Streaming.h"

namespace {

using vcl::String;

enum TFuzzMode : std::uint8_t { fmOff, fmSlow, fmFast };
using TFuzzModes = vcl::Set<TFuzzMode>;

class TFuzzDetail : public vcl::TPersistent {
 public:
  int Size() const { return FSize; }
  void SetSize(int V) { FSize = V; }
  double Scale() const { return FScale; }
  void SetScale(double V) { FScale = V; }

 private:
  int FSize = 3;
  double FScale = 0;
};

// One property of every kind the registry stores.
class TFuzzThing : public vcl::TComponent {
 public:
  using TComponent::TComponent;
  int Count() const { return FCount; }
  void SetCount(int V) { FCount = V; }
  bool Flag() const { return FFlag; }
  void SetFlag(bool V) { FFlag = V; }
  double Ratio() const { return FRatio; }
  void SetRatio(double V) { FRatio = V; }
  const String& Text() const { return FText; }
  void SetText(const String& V) { FText = V; }
  char16_t Letter() const { return FLetter; }
  void SetLetter(char16_t V) { FLetter = V; }
  TFuzzMode Mode() const { return FMode; }
  void SetMode(TFuzzMode V) { FMode = V; }
  TFuzzModes Modes() const { return FModes; }
  void SetModes(TFuzzModes V) { FModes = V; }
  vcl::TColor Tint() const { return FTint; }
  void SetTint(vcl::TColor V) { FTint = V; }
  TFuzzDetail* Detail() { return &FDetail; }
  vcl::TStringList* Lines() { return &FLines; }
  TFuzzThing* Link() const { return FLink; }
  void SetLink(TFuzzThing* V) { FLink = V; }
  vcl::TPicture* Picture() { return &FPicture; }
  std::vector<std::uint8_t>& Blob() { return FBlob; }

 private:
  int FCount = 0;
  bool FFlag = false;
  double FRatio = 0;
  String FText;
  char16_t FLetter = u'x';
  TFuzzMode FMode = fmOff;
  TFuzzModes FModes;
  vcl::TColor FTint = vcl::clBlack;
  TFuzzDetail FDetail;
  vcl::TStringList FLines;
  TFuzzThing* FLink = nullptr;
  vcl::TPicture FPicture;
  std::vector<std::uint8_t> FBlob;
};

// Raw bytes, all that the data holds.
void ReadBlob(TFuzzThing& T, vcl::TStream& S) {
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(S.Size() - S.Position()));
  if (!bytes.empty()) S.ReadBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  T.Blob() = std::move(bytes);
}

void WriteBlob(TFuzzThing& T, vcl::TStream& S) {
  if (!T.Blob().empty()) S.WriteBuffer(T.Blob().data(), static_cast<std::int64_t>(T.Blob().size()));
}

const bool registered =
    vcl::RegisterEnum<TFuzzMode>({u"fmOff", u"fmSlow", u"fmFast"}) &&
    vcl::RegisterClass<TFuzzDetail, vcl::TPersistent>(u"TFuzzDetail")
        .Property(u"Size", &TFuzzDetail::Size, &TFuzzDetail::SetSize, 3)
        .Property(u"Scale", &TFuzzDetail::Scale, &TFuzzDetail::SetScale) &&
    vcl::RegisterClass<TFuzzThing, vcl::TComponent>(u"TFuzzThing")
        .Property(u"Count", &TFuzzThing::Count, &TFuzzThing::SetCount, 0)
        .Property(u"Flag", &TFuzzThing::Flag, &TFuzzThing::SetFlag, false)
        .Property(u"Ratio", &TFuzzThing::Ratio, &TFuzzThing::SetRatio)
        .Property(u"Text", &TFuzzThing::Text, &TFuzzThing::SetText)
        .Property(u"Letter", &TFuzzThing::Letter, &TFuzzThing::SetLetter, u'x')
        .Property(u"Mode", &TFuzzThing::Mode, &TFuzzThing::SetMode, fmOff)
        .Property(u"Modes", &TFuzzThing::Modes, &TFuzzThing::SetModes, {})
        .Color(u"Tint", &TFuzzThing::Tint, &TFuzzThing::SetTint, vcl::clBlack)
        .Nested(u"Detail", &TFuzzThing::Detail)
        .Strings(u"Lines", &TFuzzThing::Lines)
        .Reference(u"Link", &TFuzzThing::Link, &TFuzzThing::SetLink)
        .Nested(u"Picture", &TFuzzThing::Picture)
        .Binary(u"Blob", &ReadBlob, &WriteBlob, [](TFuzzThing& t) { return !t.Blob().empty(); })
        .Event(u"OnPoke");

void CheckRoundTrip(TFuzzThing& root) {
  String first = vcl::WriteComponentToText(&root);
  std::unique_ptr<vcl::TComponent> copy(vcl::ReadComponentFromText(first));
  if (vcl::WriteComponentToText(copy.get()) != first) std::abort();
}

// Reads the input into a component holding values of its own; a failed
// read must leave it as it was.
void CheckReadInto(const std::uint8_t* Data, std::size_t Size) {
  TFuzzThing root(nullptr);
  auto* held = new TFuzzThing(&root);
  root.SetName(u"Keep");
  held->SetName(u"Held");
  root.SetCount(4);
  root.SetText(u"kept");
  root.Lines()->Add(u"line");
  root.Detail()->SetSize(8);
  root.SetLink(held);
  vcl::SetHandlerName(root, u"OnPoke", u"OldPoke");
  const String before = vcl::WriteComponentToText(&root);
  vcl::TStringStream stream(std::string_view(reinterpret_cast<const char*>(Data), Size));
  try {
    vcl::ReadComponentFromStream(stream, &root);
  } catch (const vcl::Exception&) {
    if (vcl::WriteComponentToText(&root) != before) std::abort();
    if (root.ComponentCount() != 1 || root.Components(0) != held || root.Link() != held) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (!registered) std::abort();
  // Read as a file is, so that invalid UTF-8 is refused too.
  vcl::TStringStream stream(std::string_view(reinterpret_cast<const char*>(Data), Size));
  try {
    std::unique_ptr<vcl::TComponent> root(vcl::ReadComponentFromStream(stream));
    if (auto* thing = dynamic_cast<TFuzzThing*>(root.get())) CheckRoundTrip(*thing);
  } catch (const vcl::Exception&) {
    // Refusing bad input with an error is the expected outcome.
  }
  CheckReadInto(Data, Size);
  return 0;
}
