// Write -> read -> equal, for every kind of stored value.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "Probes.h"

using namespace vcl;
using namespace probes;

namespace {

std::unique_ptr<TProbe> ReadProbe(const String& text) {
  TComponent* c = ReadComponentFromText(text);
  auto* p = dynamic_cast<TProbe*>(c);
  if (p == nullptr) delete c;
  return std::unique_ptr<TProbe>(p);
}

std::unique_ptr<TProbe> ReadProbeWith(TFormReader& Reader, const String& text) {
  TComponent* c = Reader.ReadText(text);
  auto* p = dynamic_cast<TProbe*>(c);
  if (p == nullptr) delete c;
  return std::unique_ptr<TProbe>(p);
}

std::unique_ptr<TProbe> RoundTrip(TProbe& original) {
  return ReadProbe(WriteComponentToText(&original));
}

bool Has(const String& text, const String& part) { return text.find(part) != String::npos; }

}  // namespace

TEST(FormRoundTrip, DefaultsAreSkipped) {
  TProbe p(nullptr);
  p.SetName(u"Probe1");
  EXPECT_EQ(WriteComponentToText(&p), u"object Probe1: TProbe\nend\n");
  p.SetCount(0);
  p.SetLetter(u'a');
  p.SetTint(clBlack);
  EXPECT_EQ(WriteComponentToText(&p), u"object Probe1: TProbe\nend\n");
}

TEST(FormRoundTrip, OrdinalValues) {
  TProbe p(nullptr);
  p.SetName(u"P");
  p.SetCount(-42);
  p.SetFlag(true);
  p.SetShape(shHexagon);
  p.SetShapes({shSquare, shCircle});
  p.SetLevel(lvLow);
  p.SetSmall(255);
  p.SetBig(INT64_MIN);
  p.SetTag(12345);
  String text = WriteComponentToText(&p);
  EXPECT_TRUE(Has(text, u"  Count = -42\n"));
  EXPECT_TRUE(Has(text, u"  Flag = True\n"));
  EXPECT_TRUE(Has(text, u"  Shape = shHexagon\n"));
  EXPECT_TRUE(Has(text, u"  Shapes = [shCircle, shSquare]\n"));
  EXPECT_TRUE(Has(text, u"  Level = lvLow\n"));
  auto q = RoundTrip(p);
  ASSERT_TRUE(q);
  EXPECT_EQ(q->Name(), u"P");
  EXPECT_EQ(q->Count(), -42);
  EXPECT_TRUE(q->Flag());
  EXPECT_EQ(q->Shape(), shHexagon);
  EXPECT_EQ(q->Shapes(), (TShapes{shCircle, shSquare}));
  EXPECT_EQ(q->Level(), lvLow);
  EXPECT_EQ(q->Small(), 255);
  EXPECT_EQ(q->Big(), INT64_MIN);
  EXPECT_EQ(q->Tag(), 12345);
}

TEST(FormRoundTrip, FloatsAreWrittenWithEighteenDecimalsAndReadBackExactly) {
  TProbe p(nullptr);
  p.SetRatio(100);
  EXPECT_TRUE(Has(WriteComponentToText(&p), u"  Ratio = 100.000000000000000000\n"));
  const double values[] = {0.1, 1.0 / 3, -2.5e-7, 6.02214076e23, 1e-300, 1e300,
                           std::numeric_limits<double>::denorm_min(),
                           std::numeric_limits<double>::max(), 123456789012345.678};
  for (double v : values) {
    p.SetRatio(v);
    auto q = RoundTrip(p);
    ASSERT_TRUE(q);
    EXPECT_EQ(q->Ratio(), v) << ToUTF8(WriteComponentToText(&p));
  }
  p.SetRatio(0);
  p.SetPrecise(1.0L / 3);
  auto q = RoundTrip(p);
  EXPECT_EQ(q->Precise(), 1.0L / 3);
}

TEST(FormRoundTrip, NonFiniteFloats) {
  TProbe p(nullptr);
  p.SetRatio(-std::numeric_limits<double>::infinity());
  EXPECT_TRUE(Has(WriteComponentToText(&p), u"Ratio = -INF"));
  EXPECT_EQ(RoundTrip(p)->Ratio(), -std::numeric_limits<double>::infinity());
  p.SetRatio(std::numeric_limits<double>::quiet_NaN());
  EXPECT_TRUE(std::isnan(RoundTrip(p)->Ratio()));
}

TEST(FormRoundTrip, StringsWithQuotesControlsAndUnicode) {
  TProbe p(nullptr);
  const String samples[] = {u"it's", u"line1\r\nline2", u"tab\there", u"\u00e9t\u00e9 \u4e2d",
                            u"\U0001F600 smile", String(1, u'\xD800') + u"lone", u"'", u"#13"};
  for (const String& s : samples) {
    p.SetTitle(s);
    auto q = RoundTrip(p);
    ASSERT_TRUE(q);
    EXPECT_EQ(q->Title(), s) << ToUTF8(WriteComponentToText(&p));
  }
  p.SetTitle(u"it's\r\n");
  EXPECT_TRUE(Has(WriteComponentToText(&p), u"Title = 'it''s'#13#10\n"));
}

TEST(FormRoundTrip, LongStringsAreSplitAcrossLines) {
  TProbe p(nullptr);
  String text;
  for (int i = 0; i < 300; ++i) text += static_cast<char16_t>(u'a' + i % 26);
  p.SetTitle(text);
  String written = WriteComponentToText(&p);
  EXPECT_TRUE(Has(written, u"' +\n    '"));  // continuation, one step deeper
  EXPECT_EQ(RoundTrip(p)->Title(), text);
}

TEST(FormRoundTrip, CharacterColorsAndEmptyText) {
  TProbe p(nullptr);
  p.SetLetter(u'\'');
  p.SetTint(clBtnFace);
  auto q = RoundTrip(p);
  EXPECT_EQ(q->Letter(), u'\'');
  EXPECT_EQ(q->Tint(), clBtnFace);
  EXPECT_TRUE(Has(WriteComponentToText(&p), u"  Tint = clBtnFace\n"));
  p.SetTint(0x00C0FFEE);
  EXPECT_TRUE(Has(WriteComponentToText(&p), u"  Tint = $00C0FFEE\n"));
  EXPECT_EQ(RoundTrip(p)->Tint(), 0x00C0FFEEu);
}

TEST(FormRoundTrip, ColorsReadByNameHexOrDecimal) {
  auto p = ReadProbe(u"object P: TProbe\n  Tint = clRed\nend");
  EXPECT_EQ(p->Tint(), clRed);
  p = ReadProbe(u"object P: TProbe\n  Tint = $00C0FFEE\nend");
  EXPECT_EQ(p->Tint(), 0x00C0FFEEu);
  p = ReadProbe(u"object P: TProbe\n  Tint = 16776176\nend");
  EXPECT_EQ(p->Tint(), 16776176u);
  p = ReadProbe(u"object P: TProbe\n  Tint = -16777201\nend");  // system color as signed
  EXPECT_EQ(p->Tint(), clBtnFace);
}

TEST(FormRoundTrip, NestedPropertiesUseDottedNames) {
  TProbe p(nullptr);
  p.Layout()->SetHeadSize(12);
  p.Layout()->SetAngle(-0.5);
  p.Layout()->Tip()->SetWidth(4);
  String text = WriteComponentToText(&p);
  EXPECT_TRUE(Has(text, u"  Layout.HeadSize = 12\n"));
  EXPECT_TRUE(Has(text, u"  Layout.Tip.Width = 4\n"));
  auto q = RoundTrip(p);
  EXPECT_EQ(q->Layout()->HeadSize(), 12);
  EXPECT_EQ(q->Layout()->Angle(), -0.5);
  EXPECT_EQ(q->Layout()->Tip()->Width(), 4);
}

TEST(FormRoundTrip, StringLists) {
  TProbe p(nullptr);
  p.Lines().Add(u"first");
  p.Lines().Add(u"");
  p.Lines().Add(u"it's");
  String text = WriteComponentToText(&p);
  EXPECT_TRUE(Has(text, u"  Lines.Strings = (\n    'first'\n    ''\n    'it''s')\n"));
  auto q = RoundTrip(p);
  EXPECT_EQ(q->Lines().FItems, p.Lines().FItems);
  // Reading replaces the items rather than adding to them.
  TProbe r(nullptr);
  r.Lines().Add(u"old");
  ReadComponentFromText(u"object TProbe\n Lines.Strings = ('new')\nend", &r);
  EXPECT_EQ(r.Lines().FItems, std::vector<String>{u"new"});
}

TEST(FormRoundTrip, StoredPredicateDecidesWriting) {
  TProbe p(nullptr);
  p.SetExtra(5);
  EXPECT_FALSE(Has(WriteComponentToText(&p), u"Extra"));
  p.SetFlag(true);
  EXPECT_TRUE(Has(WriteComponentToText(&p), u"  Extra = 5\n"));
  EXPECT_EQ(RoundTrip(p)->Extra(), 5);
}

TEST(FormRoundTrip, DerivedDefaultAppliesToWriting) {
  TBigProbe big(nullptr);  // Count starts at its default 7
  EXPECT_FALSE(Has(WriteComponentToText(&big), u"Count"));
  big.SetCount(0);
  EXPECT_TRUE(Has(WriteComponentToText(&big), u"  Count = 0\n"));
}

TEST(FormRoundTrip, OwnedComponentsAndReferences) {
  TProbe root(nullptr);
  root.SetName(u"Form");
  auto* a = new TProbe(&root);
  a->SetName(u"A");
  auto* b = new TBigProbe(&root);
  b->SetName(u"B");
  a->SetPartner(b);
  b->SetPartner(&root);
  root.SetPartner(a);
  String text = WriteComponentToText(&root);
  EXPECT_TRUE(Has(text, u"  object A: TProbe\n    Partner = B\n  end\n"));
  auto q = RoundTrip(root);
  ASSERT_EQ(q->ComponentCount(), 2);
  auto* qa = dynamic_cast<TProbe*>(q->FindComponent(u"A"));
  auto* qb = dynamic_cast<TBigProbe*>(q->FindComponent(u"B"));
  ASSERT_TRUE(qa && qb);
  EXPECT_EQ(qa->Owner(), q.get());
  EXPECT_EQ(q->Partner(), qa);
  EXPECT_EQ(qa->Partner(), qb);
  EXPECT_EQ(qb->Partner(), q.get());
  EXPECT_EQ(WriteComponentToText(q.get()), text);
}

TEST(FormRoundTrip, ReferenceOutsideTheFormIsNotWritten) {
  TProbe stranger(nullptr);
  stranger.SetName(u"Stranger");
  TProbe p(nullptr);
  p.SetPartner(&stranger);
  EXPECT_FALSE(Has(WriteComponentToText(&p), u"Partner"));
}

TEST(FormRoundTrip, UnregisteredSubclassKeepsItsNameAndBaseProperties) {
  TUnregisteredProbe p(nullptr);
  p.SetCount(3);
  EXPECT_EQ(WriteComponentToText(&p), u"object TUnregisteredProbe\n  Count = 3\nend\n");
  // Loading into an existing object of that class works by its name.
  TUnregisteredProbe q(nullptr);
  ReadComponentFromText(WriteComponentToText(&p), &q);
  EXPECT_EQ(q.Count(), 3);
}

TEST(FormText, AcceptsTheFormatsPeopleWrite) {
  TFormReader reader;
  reader.SetIgnoreUnboundHandlers(true);  // OnPing names a handler nobody registered
  auto p = ReadProbeWith(reader, 
      u"\uFEFFOBJECT P: TProbe\r\n"
      u"  count = $1F\r\n"
      u"  Ratio = 2\r\n"
      u"  Precise = -1.5E+3\r\n"
      u"  Title = 'ab' +\r\n"
      u"    'cd'#$41#66\r\n"
      u"  Shapes = [ ]\r\n"
      u"  Letter = #65\r\n"
      u"  Flag = TRUE\r\n"
      u"  OnPing = ProbePing\r\n"
      u"  Layout.Tip.Width = 3\r\n"
      u"  Lines = (\r\n 'x' +\r\n 'y'\r\n 'z')\r\n"
      u"  object TProbe\r\n  end\r\n"
      u"End");
  ASSERT_TRUE(p);
  EXPECT_EQ(p->Count(), 31);
  EXPECT_EQ(p->Ratio(), 2.0);
  EXPECT_EQ(p->Precise(), -1500.0L);
  EXPECT_EQ(p->Title(), u"abcdAB");
  EXPECT_TRUE(p->Shapes().Empty());
  EXPECT_EQ(p->Letter(), u'A');
  EXPECT_TRUE(p->Flag());
  EXPECT_EQ(p->Layout()->Tip()->Width(), 3);
  EXPECT_EQ(p->Lines().FItems, (std::vector<String>{u"xy", u"z"}));
  ASSERT_EQ(p->ComponentCount(), 1);
  EXPECT_EQ(p->Components(0)->Name(), u"");
  EXPECT_EQ(HandlerName(*p, u"OnPing"), u"ProbePing");
}

TEST(FormText, StreamsAndFilesUseUtf8) {
  TProbe p(nullptr);
  p.SetName(u"P");
  p.SetTitle(u"\u00e9t\u00e9");
  TStringStream stream;
  WriteComponentToStream(stream, &p);
  EXPECT_NE(ToUTF8(stream.DataString()).find("Title = '\xc3\xa9t\xc3\xa9'"), std::string::npos);
  stream.SetPosition(0);
  std::unique_ptr<TComponent> q(ReadComponentFromStream(stream));
  EXPECT_EQ(dynamic_cast<TProbe*>(q.get())->Title(), p.Title());

  String dir = FromUTF8(VYR_TEST_TMP);
  std::system(("mkdir -p '" + ToUTF8(dir) + "'").c_str());
  String file = dir + u"/probe.txt";
  WriteComponentResFile(file, &p);
  std::unique_ptr<TComponent> r = LoadFormFile(file);
  EXPECT_EQ(dynamic_cast<TProbe*>(r.get())->Title(), p.Title());
  EXPECT_THROW(LoadFormFile(dir + u"/no-such-form.txt"), EFOpenError);
}
