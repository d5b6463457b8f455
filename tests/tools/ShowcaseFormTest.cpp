// The showcase form file and what the showcase program puts into it: the
// file holds every component class of the package, its layout fits one
// window with nothing cut off or covered, the data keyed by component name
// arrives where it belongs, and the gallery pictures each class as the form
// shows it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "showcase_form/ShowcaseForm.h"
#include "VYR_FolderTree/VYR_FolderTree.h"
#include "VYR_Meter/VYR_Meter.h"
#include "VYR_ntabed/VYR_ntabed.h"
#include "VYR_replist/VYR_replist.h"
#include "VYR_repsbut/VYR_repsbut.h"
#include "VYR_Thumbnails/VYR_Thumbnails.h"
#include "platform/Graphics.h"
#include "platform/StdCtrls.h"
#include "platform/Streaming.h"
#include "platform/hosts/headless/Headless.h"

using namespace vcl;
namespace fs = std::filesystem;

namespace {

const fs::path kSource(VYR_SOURCE_DIR);

// The package's twenty component classes: the form must never lose one.
const std::set<std::string> kTwenty = {
    "TReportListView", "TRLData",   "TNTabEd",   "TNumIO",    "TNumIO2",      "TRepSpeedButton",
    "TMeter",          "TMiniCal",  "TProgBar",  "TNumLab",   "TSevenSeg",    "TRasterLab",
    "TRotLab",         "TGradFill", "TOnOffBut", "TMarkSel",  "TColSel",      "TColorButton",
    "TThumbnails",     "TFolderTree"};

std::string U8(const String& s) { return ToUTF8(s); }

std::string ReadAll(const fs::path& File) {
  std::ifstream in(File);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::map<std::string, int> ClassCounts(TComponent& Root) {
  std::map<std::string, int> counts;
  for (TComponent* c : showcase::AllComponents(Root)) ++counts[U8(c->ClassName())];
  return counts;
}

class ShowcaseFormTest : public testing::Test {
 protected:
  void SetUp() override { form = showcase::LoadShowcaseForm(showcase::DefaultFormFile()); }
  void TearDown() override {
    form.reset();
    headless::Reset();
  }
  template <class T>
  T* Named(const char16_t* Name) {
    auto* c = dynamic_cast<T*>(form->FindComponent(Name));
    EXPECT_NE(c, nullptr) << U8(Name) << " is missing or of another class";
    return c;
  }
  std::unique_ptr<TForm> form;
};

// ---------------------------------------------------------------- the file

TEST(ShowcaseFormFile, HoldsEachOfTheTwentyClasses) {
  // Read as any program would, without the showcase's filling.
  std::unique_ptr<TComponent> root = LoadFormFile(FromUTF8(showcase::DefaultFormFile()));
  std::map<std::string, int> counts = ClassCounts(*root);
  for (const std::string& cls : kTwenty) {
    EXPECT_GE(counts[cls], 1) << "the showcase form holds no " << cls;
  }
  // The showcase's own list (which the gallery follows) is the same twenty.
  std::set<std::string> listed;
  for (const String& cls : showcase::ComponentClasses()) listed.insert(U8(cls));
  EXPECT_EQ(listed, kTwenty);
  EXPECT_EQ(showcase::ComponentClasses().size(), kTwenty.size()) << "a class is listed twice";
}

TEST(ShowcaseFormFile, WritesBackWhatItReads) {
  // Every component name survives a write and a second read.
  std::unique_ptr<TComponent> root = LoadFormFile(FromUTF8(showcase::DefaultFormFile()));
  std::unique_ptr<TComponent> again(ReadComponentFromText(WriteComponentToText(root.get())));
  std::vector<std::string> first, second;
  for (TComponent* c : showcase::AllComponents(*root)) first.push_back(U8(c->Name()));
  for (TComponent* c : showcase::AllComponents(*again)) second.push_back(U8(c->Name()));
  std::sort(first.begin(), first.end());
  std::sort(second.begin(), second.end());
  EXPECT_EQ(first, second);
}

// ---------------------------------------------------------------- layout

TEST_F(ShowcaseFormTest, FitsOneWindowWithNothingCutOffOrCovered) {
  EXPECT_LE(form->Width(), 1280);
  EXPECT_LE(form->Height(), 900);
  std::vector<TControl*> controls;
  for (TComponent* c : showcase::AllComponents(*form)) {
    auto* control = dynamic_cast<TControl*>(c);
    if (control != nullptr && control->Parent() != nullptr && control->Visible()) controls.push_back(control);
  }
  ASSERT_GE(controls.size(), kTwenty.size());
  for (TControl* c : controls) {
    const TRect client = c->Parent()->ClientRect();
    const TRect bounds = c->BoundsRect();
    EXPECT_EQ(bounds.Intersect(client), bounds) << U8(c->Name()) << " is cut off by " << U8(c->Parent()->Name());
  }
  for (std::size_t i = 0; i < controls.size(); ++i) {
    for (std::size_t j = i + 1; j < controls.size(); ++j) {
      if (controls[i]->Parent() != controls[j]->Parent()) continue;
      EXPECT_TRUE(controls[i]->BoundsRect().Intersect(controls[j]->BoundsRect()).IsEmpty())
          << U8(controls[i]->Name()) << " and " << U8(controls[j]->Name()) << " overlap";
    }
  }
}

// ---------------------------------------------------------------- the filling

TEST_F(ShowcaseFormTest, ReportListShowsTheStoresRowsAndTheMemoItsXml) {
  auto* store = Named<vyr::TRLData>(u"StationData");
  auto* list = Named<vyr::TReportListView>(u"StationList");
  auto* xml = Named<TMemo>(u"StationDataView");
  ASSERT_TRUE(store && list && xml);
  ASSERT_GT(store->NrOfRows(), 1);
  ASSERT_EQ(list->NrOfRows(), store->NrOfRows());
  ASSERT_EQ(list->NrOfColumns(), store->NrOfColumns());
  const String text = xml->Text();
  for (int r = 1; r <= store->NrOfRows(); ++r) {
    for (int c = 1; c <= store->NrOfColumns(); ++c) {
      EXPECT_EQ(U8(list->Elem(c, r)), U8(store->Elem(c, r))) << "cell " << c << "," << r;
      EXPECT_EQ(list->ElemChecked(c, r), store->ElemChecked(c, r)) << "cell " << c << "," << r;
    }
    EXPECT_NE(text.find(store->Elem(1, r)), String::npos) << U8(store->Elem(1, r)) << " is not in the XML";
  }
  // The memo holds the store's report: reading it back gives the same rows.
  vyr::TRLData back(nullptr);
  ASSERT_TRUE(back.ReadFromXMLString(text, u""));
  EXPECT_EQ(back.NrOfRows(), store->NrOfRows());
  EXPECT_EQ(U8(back.Elem(3, store->NrOfRows())), U8(store->Elem(3, store->NrOfRows())));
}

TEST_F(ShowcaseFormTest, TableEditorHoldsNumbersNamesAndEachKindOfCell) {
  auto* table = Named<vyr::TNTabEd>(u"Measurements");
  ASSERT_NE(table, nullptr);
  int numbers = 0, empty = 0, locked = 0, both = 0;
  std::set<std::string> names;
  for (int c = 1; c <= table->NrOfColumns(); ++c) {
    names.insert(U8(table->ColName(c)));
    for (int r = 1; r <= table->NrOfRows(); ++r) {
      numbers += table->IsNumber(c, r) ? 1 : 0;
      empty += table->IsEmpty(c, r) ? 1 : 0;
      locked += (table->CellState(c, r) & vyr::csLocked) != 0 ? 1 : 0;
      both += table->ElemMarkedA(c, r) && table->ElemMarkedB(c, r) ? 1 : 0;
    }
  }
  const int cells = table->NrOfColumns() * table->NrOfRows();
  EXPECT_GE(cells, 20);
  EXPECT_EQ(numbers + empty, cells) << "every cell is a number or empty";
  EXPECT_GE(empty, 1);
  EXPECT_GE(locked, 1);
  EXPECT_GE(both, 1);
  EXPECT_GT(table->NrOfMarkedDataA(), both);
  EXPECT_GT(table->NrOfMarkedDataB(), both);
  EXPECT_EQ(names.size(), static_cast<std::size_t>(table->NrOfColumns())) << "column names differ";
  EXPECT_EQ(names.count("C-1"), 0u) << "columns keep their default names";
  // Columns show with differing decimals, the last in exponent form.
  EXPECT_NE(table->Precision(1), table->Precision(2));
  EXPECT_EQ(table->Precision(table->NrOfColumns()), -1);
}

TEST_F(ShowcaseFormTest, RepeatButtonsStepTheSpeedMeterWhileHeld) {
  auto* meter = Named<vyr::TMeter>(u"SpeedMeter");
  auto* faster = Named<vyr::TRepSpeedButton>(u"FasterButton");
  auto* slower = Named<vyr::TRepSpeedButton>(u"SlowerButton");
  ASSERT_TRUE(meter && faster && slower);
  form->Show();
  const double start = meter->Value();
  headless::Click(faster, 5, 5);
  const double step = meter->Value() - start;
  EXPECT_GT(step, 0.0);
  headless::Click(slower, 5, 5);
  EXPECT_DOUBLE_EQ(meter->Value(), start);
  // Held: the first repeat after the start delay, then one per interval.
  headless::MouseDown(faster, mbLeft, {}, 5, 5);
  headless::Advance(faster->StartClickInterval() + 3 * faster->RepeatClickInterval());
  headless::MouseUp(faster, mbLeft, {}, 5, 5);
  EXPECT_GE(meter->Value(), start + 4 * step);
  // Held long enough, the needle stops at the end of the scale.
  headless::MouseDown(faster, mbLeft, {}, 5, 5);
  headless::Advance(faster->StartClickInterval() + 400 * faster->RepeatClickInterval());
  headless::MouseUp(faster, mbLeft, {}, 5, 5);
  EXPECT_DOUBLE_EQ(meter->Value(), meter->MeterMaxValue());
}

TEST_F(ShowcaseFormTest, FolderTreeOpensOnTheResourcesAndThumbnailsShowTheirPictures) {
  auto* tree = Named<vyr::TFolderTree>(u"Folders");
  auto* thumbs = Named<vyr::TThumbnails>(u"Pictures");
  ASSERT_TRUE(tree && thumbs);
  const fs::path resources = fs::canonical(kSource / "resources");
  EXPECT_EQ(fs::canonical(fs::path(U8(tree->Directory()))), resources);
  int pictures = 0;
  for (const auto& e : fs::directory_iterator(resources)) {
    const std::string ext = e.path().extension().string();
    pictures += e.is_regular_file() && (ext == ".bmp" || ext == ".png") ? 1 : 0;
  }
  ASSERT_GT(pictures, 1);
  EXPECT_EQ(thumbs->Max(), pictures);
  // Every visible slide is asked for and given a picture.
  int shown = 0;
  auto request = thumbs->OnImageRequest();
  thumbs->SetOnImageRequest(
      [&](TObject* S, int Id, vyr::TImageRequestProcessing& How, int& Mark, TBitmap*& Buffer) {
        request(S, Id, How, Mark, Buffer);
        if (How == vyr::irpShowSlide && Buffer != nullptr && Buffer->Width() > 0) ++shown;
      });
  headless::Snapshot(thumbs);
  EXPECT_EQ(shown, std::min(pictures, thumbs->NumSlidesHoriz() * thumbs->NumSlidesVert()));
}

TEST(ShowcaseFill, LeavesOutComponentsTheFormLacks) {
  // A form with only the report store: the store is filled, nothing else is needed.
  TForm form(nullptr);
  auto* store = new vyr::TRLData(&form);
  store->SetName(u"StationData");
  auto* stray = new vyr::TMeter(&form);
  stray->SetName(u"Meter1");
  stray->SetParent(&form);
  stray->SetValue(0.25);
  ASSERT_NO_THROW(showcase::FillShowcaseForm(form, showcase::ResourcesFolder()));
  EXPECT_GT(store->NrOfRows(), 0);
  EXPECT_DOUBLE_EQ(stray->Value(), 0.25);
  EXPECT_EQ(form.ComponentCount(), 2) << "nothing is added for the components that are missing";
}

// ---------------------------------------------------------------- gallery

TEST_F(ShowcaseFormTest, ShownControlIsTheControlOrItsView) {
  auto* store = Named<vyr::TRLData>(u"StationData");
  auto* meter = Named<vyr::TMeter>(u"SpeedMeter");
  ASSERT_TRUE(store && meter);
  EXPECT_EQ(showcase::ShownControl(*form, *meter), meter);
  EXPECT_EQ(showcase::ShownControl(*form, *store), form->FindComponent(u"StationDataView"));
  vyr::TRLData unnamed(nullptr);
  EXPECT_EQ(showcase::ShownControl(*form, unnamed), nullptr);
  vyr::TRLData lonely(form.get());
  lonely.SetName(u"Lonely");
  EXPECT_EQ(showcase::ShownControl(*form, lonely), nullptr);
}

TEST_F(ShowcaseFormTest, GalleryPicturesEachClassAsTheFormShowsIt) {
  form->Show();
  std::unique_ptr<TBitmap> whole = headless::Snapshot(form.get());
  const TPoint formOrigin = form->ClientToScreen({0, 0});
  std::vector<showcase::TGalleryItem> items = showcase::GalleryItems(*form);
  ASSERT_EQ(items.size(), kTwenty.size());
  for (const showcase::TGalleryItem& item : items) {
    SCOPED_TRACE(U8(item.ClassName));
    ASSERT_NE(item.Control, nullptr);
    TComponent* first = showcase::FirstOfClass(*form, item.ClassName);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(U8(first->ClassName()), U8(item.ClassName));
    std::unique_ptr<TBitmap> picture = headless::Snapshot(item.Control);
    ASSERT_EQ(picture->Width(), item.Control->Width());
    ASSERT_EQ(picture->Height(), item.Control->Height());
    // The picture is the control's part of the form, pixel for pixel at
    // the corners and the middle.
    const TPoint at = item.Control->Parent()->ClientToScreen(item.Control->BoundsRect().TopLeft());
    const int dx = at.X - formOrigin.X, dy = at.Y - formOrigin.Y;
    const int w = picture->Width(), h = picture->Height();
    for (TPoint p : {TPoint{0, 0}, TPoint{w - 1, 0}, TPoint{w / 2, h / 2}, TPoint{0, h - 1}, TPoint{w - 1, h - 1}}) {
      EXPECT_EQ(picture->Canvas()->Pixels(p.X, p.Y), whole->Canvas()->Pixels(p.X + dx, p.Y + dy))
          << "at " << p.X << "," << p.Y;
    }
  }
}

TEST(ShowcaseGallery, EveryClassHasAPageAPictureAndAReadmeEntry) {
  const std::string readme = ReadAll(kSource / "README.md");
  const std::string index = ReadAll(kSource / "docs" / "components" / "README.md");
  for (const String& cls : showcase::ComponentClasses()) {
    const std::string name = U8(cls);
    EXPECT_TRUE(fs::exists(kSource / "docs" / "components" / (name + ".md"))) << name << " has no page";
    EXPECT_NE(index.find("[" + name + "](" + name + ".md)"), std::string::npos) << name << " not in the index";
    EXPECT_TRUE(fs::exists(kSource / "docs" / "gallery" / (name + ".png"))) << name << " has no picture";
    EXPECT_NE(readme.find("docs/gallery/" + name + ".png"), std::string::npos) << name << " picture not shown";
    EXPECT_NE(readme.find("(docs/components/" + name + ".md)"), std::string::npos) << name << " page not linked";
  }
}

}  // namespace
