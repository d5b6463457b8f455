// The store in form files.
#include <gtest/gtest.h>

#include "RLDataTestUtil.h"
#include "platform/Streaming.h"

using namespace vyr;
using namespace rltest;

TEST(RLDataForm, PublishedPropertiesAreReadByName) {
  vcl::TFormReader reader;
  reader.SetIgnoreUnboundHandlers(true);  // the handler belongs to a form not made here
  std::unique_ptr<vcl::TComponent> c(reader.ReadText(
      u"object Data1: TRLData\n"
      u"  NrOfColumns = 3\n"
      u"  NrOfRows = 5\n"
      u"  CommonHeader = 'Monthly \u00dcbersicht'\n"
      u"  OnPercentDone = Form1Progress\n"
      u"end\n"));
  auto* d = dynamic_cast<TRLData*>(c.get());
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->Name(), u"Data1");
  EXPECT_EQ(d->NrOfColumns(), 3);
  EXPECT_EQ(d->NrOfRows(), 5);
  EXPECT_EQ(d->GetColName(3), u"C-3");
  EXPECT_EQ(d->CommonHeader(), u"Monthly \u00dcbersicht");
}

TEST(RLDataForm, OnlyChangedValuesAreWritten) {
  TRLData d(nullptr);
  d.SetName(u"Data2");
  EXPECT_EQ(vcl::WriteComponentToText(&d), u"object Data2: TRLData\nend\n");
  d.SetNrCols(2);
  d.SetNrRows(4);
  d.SetCommonHeader(u"H");
  const String text = vcl::WriteComponentToText(&d);
  EXPECT_NE(text.find(u"  NrOfColumns = 2\n"), String::npos);
  EXPECT_NE(text.find(u"  NrOfRows = 4\n"), String::npos);
  EXPECT_NE(text.find(u"  CommonHeader = 'H'\n"), String::npos);
  std::unique_ptr<vcl::TComponent> back(vcl::ReadComponentFromText(text));
  auto* e = dynamic_cast<TRLData*>(back.get());
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->NrOfColumns(), 2);
  EXPECT_EQ(e->NrOfRows(), 4);
}

TEST(RLDataForm, WrongValueTypeIsAClearError) {
  EXPECT_THROW(vcl::ReadComponentFromText(u"object D: TRLData\n  NrOfRows = 'many'\nend\n"),
               vcl::EReadError);
}
