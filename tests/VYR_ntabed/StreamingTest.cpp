// The table editor in form files: a fresh editor writes none of its own
// properties, changed ones come back, and what the editor owns (popups,
// head editor, memo) is never written.
#include <gtest/gtest.h>

#include "NTabEdSupport.h"
#include "platform/Streaming.h"

namespace ntabedtest {
namespace {

// The names of the properties written for the object in a form text
// (the lines of the form "Name = ..." one level in).
std::vector<String> WrittenNames(const String& Text) {
  std::vector<String> names;
  std::size_t start = 0;
  while (start < Text.size()) {
    std::size_t end = Text.find(u'\n', start);
    if (end == String::npos) end = Text.size();
    String line = Text.substr(start, end - start);
    start = end + 1;
    const std::size_t eq = line.find(u" = ");
    if (eq == String::npos || line.rfind(u"  ", 0) != 0) continue;
    names.push_back(Trim(line.substr(0, eq)));
  }
  return names;
}

TEST_F(NTabEdTest, AFreshEditorWritesNoPropertyOfItsOwn) {
  const String text = WriteComponentToText(Ed);
  for (const String& name : WrittenNames(text)) {
    EXPECT_TRUE(name == u"Left" || name == u"Top" || name == u"Width" || name == u"Height" ||
                name == u"TabOrder")
        << ToUTF8(name);
  }
  EXPECT_EQ(text.find(u"PopupDTAction"), String::npos);
  EXPECT_EQ(text.find(u"object"), 0u);
  EXPECT_EQ(text.find(u"object", 1), String::npos);  // nothing owned is written
}

// On a form: the editor's object holds no property line beyond its bounds.
TEST_F(NTabEdTest, OnAFormTheEditorIsOneObject) {
  const String text = WriteComponentToText(Form.get());
  const std::size_t at = text.find(u"object Ed1: TNTabEd");
  ASSERT_NE(at, String::npos);
  const String object = text.substr(at);
  EXPECT_EQ(object.find(u"object", 1), String::npos);
  for (const char16_t* name : {u"NrOfColumns", u"Options", u"Color", u"AutoAdvance"}) {
    EXPECT_EQ(object.find(name), String::npos) << ToUTF8(name);
  }
}

TEST_F(NTabEdTest, ChangedPropertiesComeBack) {
  Ed->Redimension(7, 12);
  Ed->SetAttribRowVisible(false);
  Ed->SetAttribColVisible(true);
  Ed->SetColorMarkedA(clLime);
  Ed->SetNumWidth(6);
  Ed->SetAutoAdvanceDir(vyr::orHorizontal);
  Ed->SetComment(u"measured");
  Ed->SetDataReadOnly(true);
  Ed->SetShowCellCursor(false);
  Ed->SetTopRow(5);
  const String text = WriteComponentToText(Ed);
  std::unique_ptr<TComponent> read(ReadComponentFromText(text));
  auto* copy = dynamic_cast<TNTabEd*>(read.get());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->NrOfColumns(), 7);
  EXPECT_EQ(copy->NrOfRows(), 12);
  EXPECT_EQ(copy->ColCount(), 8);
  EXPECT_EQ(copy->RowCount(), 14);
  EXPECT_FALSE(copy->AttribRowVisible());
  EXPECT_TRUE(copy->AttribColVisible());
  EXPECT_EQ(copy->ColorMarkedA(), clLime);
  EXPECT_EQ(copy->NumWidth(), 6);
  EXPECT_EQ(copy->AutoAdvanceDir(), vyr::orHorizontal);
  EXPECT_EQ(copy->Comment(), u"measured");
  EXPECT_TRUE(copy->DataReadOnly());
  EXPECT_FALSE(copy->Options().Contains(goEditing));
  EXPECT_FALSE(copy->ShowCellCursor());
  EXPECT_EQ(copy->TopRow(), 5);
  // The same text again, but for the tab order of a control with a parent.
  String again = text;
  again.erase(again.find(u"  TabOrder = 0\n"), 15);
  EXPECT_EQ(WriteComponentToText(copy), again);
}

}  // namespace
}  // namespace ntabedtest
