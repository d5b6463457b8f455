#include "Probes.h"

namespace probes {

int TProbe::Live = 0;
std::vector<std::string> TProbe::Journal;

TProbe::TProbe(vcl::TComponent* AOwner) : TComponent(AOwner) { ++Live; }

TProbe::~TProbe() { --Live; }

void TProbe::SetCount(int V) {
  FCount = V;
  bool loading = ComponentState().Contains(vcl::csLoading);
  Journal.push_back("count " + std::to_string(V) + (loading ? " loading" : " running"));
}

void TProbe::SetPositive(int V) {
  if (V < 0) throw vcl::EConvertError(u"Positive must not be negative");
  FPositive = V;
}

void TProbe::Loaded() {
  TComponent::Loaded();
  std::string partner = FPartner ? vcl::ToUTF8(FPartner->Name()) : "nil";
  Journal.push_back("loaded " + vcl::ToUTF8(Name()) + " partner " + partner);
}

TBrokenProbe::TBrokenProbe(vcl::TComponent* AOwner) : TComponent(AOwner) {
  throw vcl::EOutOfMemory(u"no room for a broken probe");
}

// Registered as a component class would be, from a static initializer.
static const bool registered =
    vcl::RegisterEnum<TLevel>({{lvLow, u"lvLow"}, {lvMid, u"lvMid"}, {lvHigh, u"lvHigh"}}) &&
    vcl::RegisterClass<TProbeTip, vcl::TPersistent>(u"TProbeTip")
        .Property(u"Width", &TProbeTip::Width, &TProbeTip::SetWidth, 2) &&
    vcl::RegisterClass<TProbeLayout, vcl::TPersistent>(u"TProbeLayout")
        .Property(u"HeadSize", &TProbeLayout::HeadSize, &TProbeLayout::SetHeadSize, 5)
        .Property(u"Angle", &TProbeLayout::Angle, &TProbeLayout::SetAngle)
        .Nested(u"Tip", &TProbeLayout::Tip) &&
    vcl::RegisterClass<TProbe, vcl::TComponent>(u"TProbe")
        .Property(u"Count", &TProbe::Count, &TProbe::SetCount, 0)
        .Property(u"Flag", &TProbe::Flag, &TProbe::SetFlag, false)
        .Property(u"Ratio", &TProbe::Ratio, &TProbe::SetRatio)
        .Property(u"Precise", &TProbe::Precise, &TProbe::SetPrecise)
        .Property(u"Title", &TProbe::Title, &TProbe::SetTitle)
        .Property(u"Letter", &TProbe::Letter, &TProbe::SetLetter, u'a')
        .Enum(u"Shape", &TProbe::Shape, &TProbe::SetShape, shCircle,
              {u"shCircle", u"shSquare", u"shTriangle", u"shHexagon"})
        .Property(u"Shapes", &TProbe::Shapes, &TProbe::SetShapes, {})
        .Property(u"Level", &TProbe::Level, &TProbe::SetLevel, lvMid)
        .Color(u"Tint", &TProbe::Tint, &TProbe::SetTint, vcl::clBlack)
        .Property(u"Small", &TProbe::Small, &TProbe::SetSmall, 0)
        .Property(u"Big", &TProbe::Big, &TProbe::SetBig, 0)
        .Nested(u"Layout", &TProbe::Layout)
        .Strings(u"Lines", &TProbe::Lines)
        .Reference(u"Partner", &TProbe::Partner, &TProbe::SetPartner)
        .Property(u"Extra", &TProbe::Extra, &TProbe::SetExtra, 0)
        .Stored(&TProbe::Flag)
        .Property(u"Positive", &TProbe::Positive, &TProbe::SetPositive, 1)
        .Event(u"OnPing") &&
    vcl::RegisterClass<TBigProbe, TProbe>(u"TBigProbe")
        .Property(u"Count", &TProbe::Count, &TProbe::SetCount, 7) &&
    vcl::RegisterClass<TBrokenProbe, vcl::TComponent>(u"TBrokenProbe");

}  // namespace probes
