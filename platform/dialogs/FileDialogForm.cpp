// The file dialog made of the platform's own controls, shown as a modal
// form: the folder, its sub-folders and the files the chosen filter
// matches, a name field, the filter list, and the accept and cancel
// buttons. Hosts with a screen (X11) show it for TOpenDialog/TSaveDialog.
#include <algorithm>

#include "platform/Dialogs.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

namespace vcl {

namespace {

constexpr char16_t kUp[] = u"../";

// The form and what it works on; the form owns the controls.
class TFileDialogForm {
 public:
  explicit TFileDialogForm(TOpenDialog& Dialog) : FDialog(Dialog), FForm(new TForm(nullptr)) {
    FFilters = ParseFileFilter(Dialog.Filter());
    String start = Dialog.InitialDir().empty() ? ExtractFileDir(Dialog.FileName()) : Dialog.InitialDir();
    FFolder = IncludeTrailingPathDelimiter(DirectoryExists(start) ? start : GetCurrentDir());
    Build();
    Fill();
  }
  ~TFileDialogForm() { delete FForm; }

  bool Run() { return FForm->ShowModal() == mrOk; }

 private:
  template <class T>
  T* Make(const char16_t* Name, int X, int Y, int W, int H) {
    auto* c = new T(FForm);
    c->SetName(Name);
    c->SetParent(FForm);
    c->SetBounds(X, Y, W, H);
    return c;
  }
  void Build();
  void Fill();
  void ItemClicked();
  void ItemChosen();
  void Accept();
  void EnterFolder(const String& Folder);
  const TFileFilter* Filter() const;

  TOpenDialog& FDialog;
  TForm* FForm;
  std::vector<TFileFilter> FFilters;
  String FFolder;
  TEdit* FFolderEdit = nullptr;
  TListBox* FList = nullptr;
  TEdit* FName = nullptr;
  TComboBox* FTypes = nullptr;
};

void TFileDialogForm::Build() {
  FForm->SetCaption(FDialog.ShownTitle());
  FForm->SetBorderStyle(bsDialog);
  FForm->SetClientWidth(460);
  FForm->SetClientHeight(330);
  FFolderEdit = Make<TEdit>(u"FolderEdit", 10, 10, 440, 21);
  FFolderEdit->SetReadOnly(true);
  FList = Make<TListBox>(u"FileList", 10, 40, 440, 200);
  FList->SetOnClick([this](TObject*) { ItemClicked(); });
  FList->SetOnDblClick([this](TObject*) { ItemChosen(); });
  FName = Make<TEdit>(u"FileNameEdit", 90, 250, 270, 21);
  FName->SetText(ExtractFileName(FDialog.FileName()));
  auto* nameLabel = Make<TLabel>(u"FileNameLabel", 10, 253, 76, 13);
  nameLabel->SetCaption(u"File &name:");
  FTypes = Make<TComboBox>(u"FilterCombo", 90, 280, 270, 21);
  FTypes->SetStyle(csDropDownList);
  for (const TFileFilter& f : FFilters) FTypes->Items()->Add(f.Description);
  if (!FFilters.empty()) {
    FDialog.SetFilterIndex(std::clamp(FDialog.FilterIndex(), 1, static_cast<int>(FFilters.size())));
    FTypes->SetItemIndex(FDialog.FilterIndex() - 1);
  }
  FTypes->SetOnChange([this](TObject*) {
    FDialog.SetFilterIndex(FTypes->ItemIndex() + 1);
    FDialog.DoTypeChange();
    Fill();
  });
  auto* ok = Make<TButton>(u"OkButton", 375, 248, 75, 25);
  ok->SetCaption(FDialog.IsSave() ? u"&Save" : u"&Open");
  ok->SetDefault(true);
  ok->SetOnClick([this](TObject*) { Accept(); });
  auto* cancel = Make<TButton>(u"CancelButton", 375, 278, 75, 25);
  cancel->SetCaption(u"Cancel");
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
  FForm->SetActiveControl(FName);
}

const TFileFilter* TFileDialogForm::Filter() const {
  int i = FDialog.FilterIndex() - 1;
  return i >= 0 && i < static_cast<int>(FFilters.size()) ? &FFilters[static_cast<std::size_t>(i)] : nullptr;
}

// Folders first (with a trailing '/', "../" above all but the root), then
// the files the filter matches, each group sorted.
void TFileDialogForm::Fill() {
  FFolderEdit->SetText(FFolder);
  std::vector<String> folders, files;
  TSearchRec r;
  for (int rc = FindFirst(FFolder + u"*", faDirectory, r); rc == 0; rc = FindNext(r)) {
    if (r.Name == u"." || r.Name == u"..") continue;
    if (r.Attr & faDirectory) {
      folders.push_back(r.Name + u"/");
      continue;
    }
    const TFileFilter* f = Filter();
    bool shown = f == nullptr || std::any_of(f->Patterns.begin(), f->Patterns.end(),
                                             [&](const String& P) { return MatchesFileMask(r.Name, P); });
    if (shown) files.push_back(r.Name);
  }
  FindClose(r);
  std::sort(folders.begin(), folders.end());
  std::sort(files.begin(), files.end());
  TStrings* items = FList->Items();
  items->BeginUpdate();
  items->Clear();
  if (FFolder != u"/") items->Add(kUp);
  for (const String& s : folders) items->Add(s);
  for (const String& s : files) items->Add(s);
  items->EndUpdate();
}

void TFileDialogForm::EnterFolder(const String& Folder) {
  if (Folder == kUp) {
    String dir = ExcludeTrailingPathDelimiter(FFolder);
    FFolder = IncludeTrailingPathDelimiter(ExtractFileDir(dir));
  } else {
    FFolder = IncludeTrailingPathDelimiter(Folder.front() == u'/' ? Folder : FFolder + Folder);
  }
  if (FFolder.empty()) FFolder.assign(1, u'/');
  FName->SetText(String());
  Fill();
}

void TFileDialogForm::ItemClicked() {
  int i = FList->ItemIndex();
  if (i < 0) return;
  String item = FList->Items()->Strings(i);
  if (item.back() != u'/') FName->SetText(item);
}

void TFileDialogForm::ItemChosen() {
  int i = FList->ItemIndex();
  if (i < 0) return;
  String item = FList->Items()->Strings(i);
  if (item.back() == u'/') {
    EnterFolder(item);
  } else {
    FName->SetText(item);
    Accept();
  }
}

// A folder typed (or chosen) is entered; a file name is the answer, unless
// an open dialog with ofFileMustExist names a file that is not there.
void TFileDialogForm::Accept() {
  String name = FName->Text();
  if (name.empty()) return;
  String path = name.front() == u'/' ? name : FFolder + name;
  if (name == u".." || name == kUp) {
    EnterFolder(kUp);
    return;
  }
  if (DirectoryExists(path)) {
    EnterFolder(path);
    return;
  }
  if (!FDialog.IsSave() && FDialog.Options().Contains(ofFileMustExist) && !FileExists(path)) {
    MessageBeep(0);
    return;
  }
  FDialog.SetFileName(path);
  FDialog.Files()->Clear();
  FForm->SetModalResult(mrOk);
}

}  // namespace

bool RunFileDialogForm(TOpenDialog& Dialog) {
  TFileDialogForm form(Dialog);
  return form.Run();
}

}  // namespace vcl
