// The file dialogs' model: filters, masks, what Execute does around the
// host's window, and the dialogs' form-file registration.
#include <algorithm>

#include "platform/Dialogs.h"
#include "platform/Streaming.h"
#include "platform/hosts/Host.h"

namespace vcl {

namespace {

char16_t Lower(char16_t C) { return (C >= u'A' && C <= u'Z') ? static_cast<char16_t>(C + 32) : C; }

String Trimmed(const String& S) {
  std::size_t b = S.find_first_not_of(u' ');
  if (b == String::npos) return String();
  std::size_t e = S.find_last_not_of(u' ');
  return S.substr(b, e - b + 1);
}

std::vector<String> Split(const String& S, char16_t Sep) {
  std::vector<String> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = S.find(Sep, start)) != String::npos; start = at + 1) {
    parts.push_back(S.substr(start, at - start));
  }
  parts.push_back(S.substr(start));
  return parts;
}

// The last path part ("a/b.txt" gives "b.txt").
String BaseName(const String& Path) {
  std::size_t slash = Path.find_last_of(u'/');
  return slash == String::npos ? Path : Path.substr(slash + 1);
}

}  // namespace

std::vector<TFileFilter> ParseFileFilter(const String& Filter) {
  std::vector<TFileFilter> out;
  if (Filter.empty()) return out;
  std::vector<String> parts = Split(Filter, u'|');
  for (std::size_t i = 0; i < parts.size(); i += 2) {
    TFileFilter f;
    f.Description = parts[i];
    String patterns = i + 1 < parts.size() ? parts[i + 1] : parts[i];
    for (const String& p : Split(patterns, u';')) {
      String t = Trimmed(p);
      if (!t.empty()) f.Patterns.push_back(t);
    }
    out.push_back(std::move(f));
  }
  return out;
}

// Iterative with one remembered star: linear in practice, never exponential.
bool MatchesFileMask(const String& Name, const String& Mask) {
  std::size_t n = 0, m = 0, star = String::npos, mark = 0;
  while (n < Name.size()) {
    if (m < Mask.size() && (Mask[m] == u'?' || Lower(Mask[m]) == Lower(Name[n]))) {
      ++n;
      ++m;
    } else if (m < Mask.size() && Mask[m] == u'*') {
      star = m++;
      mark = n;
    } else if (star != String::npos) {
      m = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (m < Mask.size() && Mask[m] == u'*') ++m;
  // "*.*" matches names without a dot too, as the file dialogs take it.
  return m == Mask.size() || Mask.substr(m) == u".*";
}

// ---------------------------------------------------------------- TOpenDialog

TOpenDialog::TOpenDialog(TComponent* AOwner)
    : TCommonDialog(AOwner), FFiles(std::make_unique<TStringList>()) {}

TOpenDialog::~TOpenDialog() = default;

String TOpenDialog::ShownTitle() const {
  if (!FTitle.empty()) return FTitle;
  return IsSave() ? u"Save As" : u"Open";
}

bool TOpenDialog::Execute() {
  String name = FFileName;
  std::vector<String> files;
  for (int i = 0; i < FFiles->Count(); ++i) files.push_back(FFiles->Strings(i));
  DoShow();
  bool accepted = Host().ExecuteFileDialog(*this);
  if (accepted && !FFileName.empty() && !FDefaultExt.empty() &&
      BaseName(FFileName).find(u'.') == String::npos) {
    FFileName += u"." + FDefaultExt;
  }
  if (accepted && FFiles->Count() == 0 && !FFileName.empty()) FFiles->Add(FFileName);
  if (accepted && FOnCanClose) FOnCanClose(this, accepted);
  DoClose();
  if (!accepted) {
    FFileName = name;
    FFiles->Clear();
    for (const String& f : files) FFiles->Add(f);
  }
  return accepted;
}

// ---------------------------------------------------------------- form files

namespace {

bool RegisterDialogs() {
  RegisterEnum<TColorDialogOption>({u"cdFullOpen", u"cdPreventFullOpen", u"cdShowHelp",
                                    u"cdSolidColor", u"cdAnyColor"});
  RegisterEnum<TOpenOption>({u"ofReadOnly", u"ofOverwritePrompt", u"ofHideReadOnly",
                             u"ofNoChangeDir", u"ofShowHelp", u"ofNoValidate",
                             u"ofAllowMultiSelect", u"ofExtensionDifferent", u"ofPathMustExist",
                             u"ofFileMustExist", u"ofCreatePrompt", u"ofShareAware",
                             u"ofNoReadOnlyReturn", u"ofNoTestFileCreate", u"ofNoNetworkButton",
                             u"ofNoLongNames", u"ofOldStyleDialog", u"ofNoDereferenceLinks",
                             u"ofEnableIncludeNotify", u"ofEnableSizing", u"ofDontAddToRecent",
                             u"ofForceShowHidden"});
  // Options only another dialect's dialogs know.
  RegisterEnumAliases<TOpenOption>({{u"ofViewDetail", std::nullopt}, {u"ofAutoPreview", std::nullopt}});
  RegisterClass<TCommonDialog, TComponent>(u"TCommonDialog")
      .Event(u"OnShow", &TCommonDialog::OnShow, &TCommonDialog::SetOnShow)
      .Event(u"OnClose", &TCommonDialog::OnClose, &TCommonDialog::SetOnClose);
  RegisterClass<TColorDialog, TCommonDialog>(u"TColorDialog")
      .Color(u"Color", &TColorDialog::Color, &TColorDialog::SetColor, clBlack)
      .Property(u"Options", &TColorDialog::Options, &TColorDialog::SetOptions, {})
      .Strings(u"CustomColors", [](TColorDialog& d) { return d.CustomColors(); });
  using O = TOpenDialog;
  const TOpenOptions options{ofHideReadOnly, ofEnableSizing};
  RegisterClass<O, TCommonDialog>(u"TOpenDialog")
      .Property(u"DefaultExt", &O::DefaultExt, &O::SetDefaultExt)
      .Property(u"FileName", &O::FileName, &O::SetFileName)
      .Property(u"Filter", &O::Filter, &O::SetFilter)
      .Property(u"FilterIndex", &O::FilterIndex, &O::SetFilterIndex, 1)
      .Property(u"InitialDir", &O::InitialDir, &O::SetInitialDir)
      .Property(u"Options", &O::Options, &O::SetOptions, options)
      .Property(u"Title", &O::Title, &O::SetTitle)
      .Event(u"OnCanClose", &O::OnCanClose, &O::SetOnCanClose)
      .Event(u"OnTypeChange", &O::OnTypeChange, &O::SetOnTypeChange);
  RegisterClass<TSaveDialog, TOpenDialog>(u"TSaveDialog");
  return true;
}

const bool registered = RegisterDialogs();

}  // namespace

}  // namespace vcl
