// What the showcase form file cannot hold, keyed by component name (see
// ShowcaseForm.h), and the walks over the form the gallery and the tests use.
#include "showcase_form/ShowcaseForm.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "VYR_FolderTree/VYR_FolderTree.h"
#include "VYR_Meter/VYR_Meter.h"
#include "VYR_ntabed/VYR_ntabed.h"
#include "VYR_replist/VYR_replist.h"
#include "VYR_repsbut/VYR_repsbut.h"
#include "VYR_Thumbnails/VYR_Thumbnails.h"
#include "platform/Classes.h"
#include "platform/ComCtrls.h"
#include "platform/Dirs.h"
#include "platform/StdCtrls.h"
#include "platform/Streaming.h"
#include "platform/SysUtils.h"

using namespace vcl;

namespace showcase {

std::string DefaultFormFile() { return std::string(VYR_SOURCE_DIR) + "/examples/showcase/showcase.form"; }
std::string ResourcesFolder() { return std::string(VYR_SOURCE_DIR) + "/resources/"; }

const std::vector<String>& ComponentClasses() {
  static const std::vector<String> classes = {
      u"TReportListView", u"TRLData",  u"TNTabEd",     u"TNumIO",          u"TNumIO2",
      u"TRepSpeedButton", u"TMeter",   u"TMiniCal",    u"TProgBar",        u"TNumLab",
      u"TSevenSeg",       u"TRasterLab", u"TRotLab",   u"TGradFill",       u"TOnOffBut",
      u"TMarkSel",        u"TColSel",  u"TColorButton", u"TThumbnails",    u"TFolderTree"};
  return classes;
}

namespace {

template <class T>
T* Named(TComponent& Form, const char16_t* Name) {
  return dynamic_cast<T*>(Form.FindComponent(Name));
}

// ---------------------------------------------------------------- report store and list

struct TStation {
  const char16_t* Name;
  const char16_t* Altitude;
  const char16_t* Temperature;
  bool Reporting;
};

const TStation kStations[] = {
    {u"Harbour Point", u"4", u"14.2", true},     {u"Mill Ridge", u"612", u"9.8", true},
    {u"Lake Orme", u"233", u"12.5", false},      {u"Summit Hut", u"2410", u"-3.1", true},
    {u"Old Airfield", u"87", u"13.9", true},     {u"Forest Gate", u"380", u"11.0", false},
    {u"North Quay", u"2", u"13.6", true},        {u"Valley Farm", u"145", u"12.9", true},
    {u"Pass Road", u"1720", u"1.4", false},      {u"Town Hall", u"56", u"14.8", true},
};

const char16_t* const kStationHeads[] = {u"Station", u"Altitude", u"Temp.", u"Reporting"};
const char16_t* const kStationFormats[] = {u"[s][140]", u"[i][70]", u"[f:1][70]", u"[#s][80]"};

void FillStore(vyr::TRLData& Store) {
  const int rows = static_cast<int>(std::size(kStations));
  Store.SetNrOfColumns(4);
  Store.SetNrOfRows(rows);
  for (int c = 1; c <= 4; ++c) {
    Store.SetHeader(c, kStationHeads[c - 1]);
    Store.SetColumnFormat(c, kStationFormats[c - 1]);
  }
  Store.SetColumnCheckMode(4, vyr::cmBox);
  for (int r = 1; r <= rows; ++r) {
    const TStation& s = kStations[r - 1];
    Store.SetElem(1, r, s.Name);
    Store.SetElem(2, r, s.Altitude);
    Store.SetElem(3, r, s.Temperature);
    Store.SetElemChecked(4, r, s.Reporting);
  }
}

// The view keeps a store of its own: the rows are copied over cell by cell.
void ShowStore(const vyr::TRLData& Store, vyr::TReportListView& List) {
  List.SetSuppressPaint(true);
  List.SetNrOfColumns(Store.NrOfColumns());
  List.SetNrOfRows(Store.NrOfRows());
  for (int c = 1; c <= Store.NrOfColumns(); ++c) {
    List.SetHeader(c, Store.Header(c));
    List.SetColumnFormat(c, Store.ColumnFormat(c));
    List.SetColumnCheckMode(c, Store.ColumnCheckMode(c));
    for (int r = 1; r <= Store.NrOfRows(); ++r) {
      List.SetElem(c, r, Store.Elem(c, r));
      if (Store.IsCheckedColumn(c)) List.SetElemChecked(c, r, Store.ElemChecked(c, r));
    }
  }
  List.SetColumnAlignment(2, taRightJustify);
  List.SetColumnAlignment(3, taRightJustify);
  List.FitAllColWidths(1, true, 12, 200, 24);
  List.SetSuppressPaint(false);
}

void FillStations(TComponent& Form) {
  auto* store = Named<vyr::TRLData>(Form, u"StationData");
  if (store == nullptr) return;
  FillStore(*store);
  if (auto* list = Named<vyr::TReportListView>(Form, u"StationList")) ShowStore(*store, *list);
  if (auto* view = Named<TMemo>(Form, u"StationDataView")) {
    TStringStream xml;
    store->WriteToXMLStream(&xml, false, u"stations");
    view->SetText(xml.DataString());
  }
}

// ---------------------------------------------------------------- table editor

// Hourly samples of a day: temperature, humidity, wind, rain, pressure.
double Sample(int Col, int Row) {
  const double t = (Row - 1) / 9.0;
  switch (Col) {
    case 1: return 11.0 + 7.0 * std::sin(t * 3.14159);
    case 2: return 82.0 - 30.0 * t;
    case 3: return 3.5 + 2.5 * std::cos(Row * 1.3);
    case 4: return Row % 4 == 0 ? 1.2 * Row / 4.0 : 0.0;
    default: return 1013.25 - 0.8 * Row;
  }
}

void FillMeasurements(TComponent& Form) {
  auto* table = Named<vyr::TNTabEd>(Form, u"Measurements");
  if (table == nullptr) return;
  const char16_t* const heads[] = {u"Temp", u"Humidity", u"Wind", u"Rain", u"Pressure"};
  const int decimals[] = {1, 0, 2, 1, -1};
  table->SetSuppressPaint(true);
  table->Redimension(5, 10);
  for (int c = 1; c <= 5; ++c) {
    table->SetColName(c, heads[c - 1]);
    table->SetColAttrib(c, static_cast<std::uint8_t>(c));
    table->SetPrecision(c, decimals[c - 1]);
  }
  for (int r = 1; r <= 10; ++r) {
    table->SetRowName(r, FormatFloat(u"00", 7 + r) + u":00");
    table->SetRowAttrib(r, static_cast<std::uint8_t>(r % 3));
    for (int c = 1; c <= 5; ++c) table->SetElem(c, r, Sample(c, r));
  }
  for (int r = 4; r <= 7; ++r) table->SetElemMarkedA(1, r, true);  // the warm hours
  for (int r = 1; r <= 3; ++r) table->SetElemMarkedB(2, r, true);  // the damp ones
  table->SetElemMarkedA(3, 5, true);
  table->SetElemMarkedB(3, 5, true);
  table->SetIsEmpty(4, 6, true);
  table->SetCellState(5, 1, static_cast<std::uint8_t>(table->CellState(5, 1) | vyr::csLocked));
  table->SetSuppressPaint(false);
}

// ---------------------------------------------------------------- step buttons

void WireStepButtons(TComponent& Form) {
  auto* meter = Named<vyr::TMeter>(Form, u"SpeedMeter");
  if (meter == nullptr) return;
  auto wire = [meter](vyr::TRepSpeedButton* Button, double Step) {
    if (Button == nullptr) return;
    auto step = [meter, Step](TObject*) { meter->SetValue(meter->Value() + Step); };
    Button->SetOnClick(step);
    Button->SetOnRepeatClick(step);
  };
  wire(Named<vyr::TRepSpeedButton>(Form, u"SlowerButton"), -2.0);
  wire(Named<vyr::TRepSpeedButton>(Form, u"FasterButton"), 2.0);
}

// ---------------------------------------------------------------- folder and thumbnails

bool IsPictureFile(const String& Name) {
  const String ext = LowerCase(ExtractFileExt(Name));
  return ext == u".bmp" || ext == u".png";
}

// The pictures of the folder the tree selects, lent to the thumbnails while
// they paint; owned (and freed) by the form.
class TPictureFolder : public TComponent {
 public:
  TPictureFolder(TComponent* Owner, vyr::TThumbnails* Thumbs) : TComponent(Owner), FThumbs(Thumbs) {
    FThumbs->SetOnImageRequest(
        [this](TObject*, int Id, vyr::TImageRequestProcessing& How, int& Mark, TBitmap*& Buffer) {
          if (TBitmap* picture = Picture(Id)) {
            How = vyr::irpShowSlide;
            Buffer = picture;
          }
          if (FThumbs->SlideSelected(Id)) Mark = 11;
        });
  }

  void Show(const String& Folder) {
    std::vector<TDirEntry> entries;
    ListDirectory(Folder, entries);
    FFiles.clear();
    FPictures.clear();
    for (const TDirEntry& e : entries) {
      if (e.Kind == dekFile && IsPictureFile(e.Name)) FFiles.push_back(e.Name);
    }
    std::sort(FFiles.begin(), FFiles.end());
    FFolder = Folder;
    FThumbs->ResetAllSelections();
    FThumbs->SetMax(std::max(1, static_cast<int>(FFiles.size())));
    FThumbs->SetFirstThumbIdx(1);
    FThumbs->Invalidate();
  }

 private:
  // Slide Id's picture, read once; nullptr beyond the files.
  TBitmap* Picture(int Id) {
    if (Id < 1 || Id > static_cast<int>(FFiles.size())) return nullptr;
    std::unique_ptr<TBitmap>& slot = FPictures[Id];
    if (!slot) {
      slot = std::make_unique<TBitmap>();
      try {
        slot->LoadFromFile(FFolder + FFiles[static_cast<std::size_t>(Id - 1)]);
      } catch (const Exception&) {
        slot->SetSize(0, 0);  // an unreadable file shows as an empty cover
      }
    }
    return slot.get();
  }

  vyr::TThumbnails* FThumbs;
  String FFolder;
  std::vector<String> FFiles;
  std::map<int, std::unique_ptr<TBitmap>> FPictures;
};

void FillBrowsing(TComponent& Form, const std::string& Resources) {
  auto* thumbs = Named<vyr::TThumbnails>(Form, u"Pictures");
  auto* tree = Named<vyr::TFolderTree>(Form, u"Folders");
  TPictureFolder* pictures = thumbs != nullptr ? new TPictureFolder(&Form, thumbs) : nullptr;
  if (tree == nullptr) {
    if (pictures != nullptr) pictures->Show(FromUTF8(Resources));
    return;
  }
  if (pictures != nullptr) {
    tree->SetOnDirChanged([tree, pictures](TObject*) { pictures->Show(tree->Directory()); });
  }
  if (tree->SelectPath(FromUTF8(Resources)) && tree->Selected() != nullptr) {
    tree->SetTopItem(tree->Selected());
  }
  if (pictures != nullptr) pictures->Show(tree->Directory());
}

void CollectOwned(TComponent& Owner, std::vector<TComponent*>& Out) {
  for (int i = 0; i < Owner.ComponentCount(); ++i) {
    TComponent* c = Owner.Components(i);
    Out.push_back(c);
    CollectOwned(*c, Out);
  }
}

}  // namespace

void FillShowcaseForm(TComponent& Form, const std::string& Resources) {
  FillStations(Form);
  FillMeasurements(Form);
  WireStepButtons(Form);
  FillBrowsing(Form, Resources);
}

std::unique_ptr<TForm> LoadShowcaseForm(const std::string& FormFile, const std::string& Resources) {
  std::unique_ptr<TComponent> root = LoadFormFile(FromUTF8(FormFile));
  auto* form = dynamic_cast<TForm*>(root.get());
  if (form == nullptr) {
    throw Exception(FromUTF8(FormFile) + u" holds a " + root->ClassName() + u", not a form");
  }
  root.release();
  std::unique_ptr<TForm> owned(form);
  FillShowcaseForm(*owned, Resources);
  return owned;
}

std::vector<TComponent*> AllComponents(TComponent& Root) {
  std::vector<TComponent*> all;
  CollectOwned(Root, all);
  return all;
}

TComponent* FirstOfClass(TComponent& Root, const String& ClassName) {
  for (TComponent* c : AllComponents(Root)) {
    if (c->ClassName() == ClassName) return c;
  }
  return nullptr;
}

TControl* ShownControl(TComponent& Root, TComponent& C) {
  if (auto* control = dynamic_cast<TControl*>(&C)) return control;
  if (C.Name().empty()) return nullptr;
  for (TComponent* c : AllComponents(Root)) {
    if (c->Name() == C.Name() + u"View") return dynamic_cast<TControl*>(c);
  }
  return nullptr;
}

std::vector<TGalleryItem> GalleryItems(TComponent& Root) {
  std::vector<TGalleryItem> items;
  for (const String& cls : ComponentClasses()) {
    TComponent* c = FirstOfClass(Root, cls);
    items.push_back({cls, c != nullptr ? ShownControl(Root, *c) : nullptr});
  }
  return items;
}

}  // namespace showcase
