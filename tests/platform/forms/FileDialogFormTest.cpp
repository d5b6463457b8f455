// The file dialog of the platform's own controls, worked on the headless
// host through its modal handler: what it lists, entering folders,
// accepting a name, refusing a missing file, cancelling.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/hosts/headless/Headless.h"

using namespace vcl;

namespace {

class FileDialogForm : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    // A folder of each test's own: the tests run side by side.
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    root = std::filesystem::path(VYR_TEST_TMP) / (std::string("file_dialog_") + info->name());
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root / "sub");
    std::filesystem::create_directories(root / "more");
    for (const char* name : {"a.txt", "b.dat", "c.TXT", "sub/d.txt"}) std::ofstream(root / name) << "x";
    dir = FromUTF8(root.string()) + u"/";
  }
  void TearDown() override {
    headless::Reset();
    std::filesystem::remove_all(root);
  }
  // Runs the dialog; Steps work the form one after the other.
  bool Run(TOpenDialog& Dialog, std::vector<std::function<void(TForm&)>> Steps) {
    headless::SetModalHandler([Steps](TForm& F) {
      for (const auto& step : Steps) step(F);
      return mrNone;  // the form's own ModalResult counts
    });
    return RunFileDialogForm(Dialog);
  }
  static std::vector<String> Listed(TForm& F) {
    auto* list = dynamic_cast<TListBox*>(F.FindComponent(u"FileList"));
    std::vector<String> out;
    for (int i = 0; i < list->Count(); ++i) out.push_back(list->Items()->Strings(i));
    return out;
  }
  static std::function<void(TForm&)> Answer(const String& Name) {
    return [Name](TForm& F) {
      dynamic_cast<TEdit*>(F.FindComponent(u"FileNameEdit"))->SetText(Name);
      auto* ok = dynamic_cast<TControl*>(F.FindComponent(u"OkButton"));
      headless::Click(ok, 5, 5);
    };
  }
  std::filesystem::path root;
  String dir;
};

TEST_F(FileDialogForm, ListsFoldersThenTheFilesTheFilterMatches) {
  TOpenDialog dialog(nullptr);
  dialog.SetInitialDir(dir);
  dialog.SetFilter(u"Text (*.txt)|*.txt|Everything|*");
  std::vector<std::vector<String>> seen;
  std::function<void(TForm&)> look = [&](TForm& F) { seen.push_back(Listed(F)); };
  std::function<void(TForm&)> everything = [&](TForm& F) {
    auto* types = dynamic_cast<TComboBox*>(F.FindComponent(u"FilterCombo"));
    types->SetItemIndex(1);
    types->OnChange()(types);
  };
  EXPECT_FALSE(Run(dialog, {look, everything, look}));  // nothing chosen: cancelled
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0], (std::vector<String>{u"../", u"more/", u"sub/", u"a.txt", u"c.TXT"}));
  EXPECT_EQ(seen[1], (std::vector<String>{u"../", u"more/", u"sub/", u"a.txt", u"b.dat", u"c.TXT"}));
  EXPECT_EQ(dialog.FilterIndex(), 2);
}

TEST_F(FileDialogForm, TypedFoldersAreEnteredAndANameAccepted) {
  TOpenDialog dialog(nullptr);
  dialog.SetInitialDir(dir);
  std::vector<String> inSub;
  ASSERT_TRUE(Run(dialog, {Answer(u"sub"), [&](TForm& F) { inSub = Listed(F); }, Answer(u"d.txt")}));
  EXPECT_EQ(inSub, (std::vector<String>{u"../", u"d.txt"}));
  EXPECT_EQ(dialog.FileName(), dir + u"sub/d.txt");
  // Up again with "..", then a name given with its whole path.
  ASSERT_TRUE(Run(dialog, {Answer(u".."), Answer(dir + u"b.dat")}));
  EXPECT_EQ(dialog.FileName(), dir + u"b.dat");
}

TEST_F(FileDialogForm, AMissingFileIsRefusedWhenItMustExist) {
  TOpenDialog dialog(nullptr);
  dialog.SetInitialDir(dir);
  dialog.SetFileName(u"/before");
  dialog.SetOptions(dialog.Options() << ofFileMustExist);
  int beeps = headless::BeepCount();
  auto cancel = [](TForm& F) { headless::Click(dynamic_cast<TControl*>(F.FindComponent(u"CancelButton")), 5, 5); };
  EXPECT_FALSE(Run(dialog, {Answer(u"nothing.txt"), cancel}));
  EXPECT_EQ(headless::BeepCount(), beeps + 1);
  EXPECT_EQ(dialog.FileName(), u"/before");
  TSaveDialog save(nullptr);
  save.SetInitialDir(dir);
  ASSERT_TRUE(Run(save, {Answer(u"new")}));  // a save dialog takes a new name
  EXPECT_EQ(save.FileName(), dir + u"new");
}

}  // namespace
