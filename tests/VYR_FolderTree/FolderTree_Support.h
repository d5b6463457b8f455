// Fixture of the folder tree tests: a scratch folder of this test's own,
// made with std::filesystem, and a folder tree on a form of the headless
// host with its events recorded.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "VYR_FolderTree/VYR_FolderTree.h"
#include "platform/Forms.h"
#include "platform/hosts/headless/Headless.h"

namespace foldertest {

using namespace vcl;
using namespace vyr;
namespace fs = std::filesystem;

// A fresh, empty folder named after the running test.
inline fs::path ScratchFolder() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  fs::path dir = fs::path(VYR_TEST_TMP) / "foldertree" /
                 (std::string(info->test_suite_name()) + "_" + info->name());
  fs::remove_all(dir);
  fs::create_directories(dir);
  return fs::canonical(dir);
}

inline String U(const fs::path& P) { return FromUTF8(P.string()); }
// The folder's path as the tree writes it: with a trailing "/".
inline String Dir(const fs::path& P) { return U(P) + u"/"; }
inline void MakeDirs(const fs::path& Root, std::initializer_list<const char*> Paths) {
  for (const char* p : Paths) fs::create_directories(Root / p);
}
inline void Touch(const fs::path& P) { std::FILE* f = std::fopen(P.c_str(), "w"); if (f) std::fclose(f); }
inline void Link(const fs::path& Target, const fs::path& At) {
  ASSERT_EQ(::symlink(Target.c_str(), At.c_str()), 0) << At;
}
// The names in a folder, sorted, as a check that nothing else changed.
inline std::vector<std::string> Contents(const fs::path& Dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::recursive_directory_iterator(Dir)) names.push_back(e.path().string());
  std::sort(names.begin(), names.end());
  return names;
}

class FolderFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    root = ScratchFolder();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 400, 400);
    tree = new TFolderTree(form.get());
    tree->SetParent(form.get());
    tree->SetBounds(0, 0, 300, 360);
    tree->SetOnDirChanged([this](TObject*) { dirChanges.push_back(ToUTF8(tree->Directory())); });
    headless::Snapshot(form.get());  // the window exists: the tree is reset to "/"
    dirChanges.clear();
  }
  void TearDown() override {
    form.reset();
    headless::Reset();
  }
  // The texts of a node's children, in order.
  static std::vector<std::string> Children(const TTreeNode* Node) {
    std::vector<std::string> out;
    for (int i = 0; i < Node->Count(); ++i) out.push_back(ToUTF8(Node->Item(i)->Text()));
    return out;
  }
  TTreeNode* Sel() const { return tree->Selected(); }
  std::string Directory() const { return ToUTF8(tree->Directory()); }

  fs::path root;
  std::unique_ptr<TForm> form;
  TFolderTree* tree = nullptr;
  std::vector<std::string> dirChanges;
};

}  // namespace foldertest
