// Components for the form-file tests: one property of every stored kind,
// a live-instance counter to prove that failed reads free what they built,
// and a journal of what happened while loading.
#pragma once

#include <string>
#include <vector>

#include "platform/Streaming.h"

namespace probes {

using vcl::String;

enum TShape : std::uint8_t { shCircle, shSquare, shTriangle, shHexagon };
using TShapes = vcl::Set<TShape>;

// Sparse values, registered with explicit values.
enum TLevel : std::int16_t { lvLow = -1, lvMid = 10, lvHigh = 300 };

// A minimal string list with the members the registry uses.
class TTextList {
 public:
  void Clear() { FItems.clear(); }
  void Add(const String& S) { FItems.push_back(S); }
  int Count() const { return static_cast<int>(FItems.size()); }
  const String& Strings(int I) const { return FItems.at(static_cast<std::size_t>(I)); }
  std::vector<String> FItems;
};

class TProbeTip : public vcl::TPersistent {
 public:
  int Width() const { return FWidth; }
  void SetWidth(int V) { FWidth = V; }

 private:
  int FWidth = 2;
};

// A nested persistent object, itself holding one.
class TProbeLayout : public vcl::TPersistent {
 public:
  int HeadSize() const { return FHeadSize; }
  void SetHeadSize(int V) { FHeadSize = V; }
  double Angle() const { return FAngle; }
  void SetAngle(double V) { FAngle = V; }
  TProbeTip* Tip() { return &FTip; }

 private:
  int FHeadSize = 5;
  double FAngle = 0;
  TProbeTip FTip;
};

class TProbe : public vcl::TComponent {
 public:
  explicit TProbe(vcl::TComponent* AOwner);
  ~TProbe() override;

  static int Live;                  // instances alive
  static std::vector<std::string> Journal;  // "loaded A", "set Count 3 loading"...

  int Count() const { return FCount; }
  void SetCount(int V);
  bool Flag() const { return FFlag; }
  void SetFlag(bool V) { FFlag = V; }
  double Ratio() const { return FRatio; }
  void SetRatio(double V) { FRatio = V; }
  long double Precise() const { return FPrecise; }
  void SetPrecise(long double V) { FPrecise = V; }
  const String& Title() const { return FTitle; }
  void SetTitle(const String& V) { FTitle = V; }
  char16_t Letter() const { return FLetter; }
  void SetLetter(char16_t V) { FLetter = V; }
  TShape Shape() const { return FShape; }
  void SetShape(TShape V) { FShape = V; }
  TShapes Shapes() const { return FShapes; }
  void SetShapes(TShapes V) { FShapes = V; }
  TLevel Level() const { return FLevel; }
  void SetLevel(TLevel V) { FLevel = V; }
  vcl::TColor Tint() const { return FTint; }
  void SetTint(vcl::TColor V) { FTint = V; }
  std::uint8_t Small() const { return FSmall; }
  void SetSmall(std::uint8_t V) { FSmall = V; }
  std::int64_t Big() const { return FBig; }
  void SetBig(std::int64_t V) { FBig = V; }
  TProbeLayout* Layout() { return &FLayout; }
  TTextList& Lines() { return FLines; }
  TProbe* Partner() const { return FPartner; }
  void SetPartner(TProbe* V) { FPartner = V; }
  // Stored only when Flag is set.
  int Extra() const { return FExtra; }
  void SetExtra(int V) { FExtra = V; }
  // Refuses negative values, as a control's setter might.
  int Positive() const { return FPositive; }
  void SetPositive(int V);

  void Loaded() override;

 private:
  int FCount = 0;
  bool FFlag = false;
  double FRatio = 0;
  long double FPrecise = 0;
  String FTitle;
  char16_t FLetter = u'a';
  TShape FShape = shCircle;
  TShapes FShapes;
  TLevel FLevel = lvMid;
  vcl::TColor FTint = 0;
  std::uint8_t FSmall = 0;
  std::int64_t FBig = 0;
  TProbeLayout FLayout;
  TTextList FLines;
  TProbe* FPartner = nullptr;
  int FExtra = 0;
  int FPositive = 1;
};

// Registers Count again with another default.
class TBigProbe : public TProbe {
 public:
  explicit TBigProbe(vcl::TComponent* AOwner) : TProbe(AOwner) { SetCount(7); }
};

// Not registered: the registry treats it as its registered base.
class TUnregisteredProbe : public TProbe {
 public:
  using TProbe::TProbe;
};

// A plain component whose constructor always fails.
class TBrokenProbe : public vcl::TComponent {
 public:
  explicit TBrokenProbe(vcl::TComponent* AOwner);
};

// Clears the journal and remembers the live count, for leak checks.
struct TProbeScope {
  int LiveBefore;
  TProbeScope() : LiveBefore(TProbe::Live) { TProbe::Journal.clear(); }
  int Leaked() const { return TProbe::Live - LiveBefore; }
};

}  // namespace probes
