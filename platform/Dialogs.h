// Dialogs: the color dialog and message boxes. Showing them is the host's
// job (the headless host calls the handlers a program installs).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Forms.h"

namespace vcl {

class TCommonDialog : public TComponent {
 public:
  explicit TCommonDialog(TComponent* AOwner) : TComponent(AOwner) {}
  virtual bool Execute() = 0;
  bool Execute(HWND ParentWnd) { (void)ParentWnd; return Execute(); }
  TNotifyEvent OnShow() const { return FOnShow; }
  void SetOnShow(TNotifyEvent Value) { FOnShow = std::move(Value); }
  TNotifyEvent OnClose() const { return FOnClose; }
  void SetOnClose(TNotifyEvent Value) { FOnClose = std::move(Value); }

 protected:
  void DoShow() { if (FOnShow) FOnShow(this); }
  void DoClose() { if (FOnClose) FOnClose(this); }

 private:
  TNotifyEvent FOnShow, FOnClose;
};

enum TColorDialogOption : std::uint8_t {
  cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor
};
using TColorDialogOptions = Set<TColorDialogOption>;

class TColorDialog : public TCommonDialog {
 public:
  explicit TColorDialog(TComponent* AOwner);
  ~TColorDialog() override;
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  TColorDialogOptions Options() const { return FOptions; }
  void SetOptions(TColorDialogOptions Value) { FOptions = Value; }
  // The custom colors as "ColorA=RRGGBB" lines (kept for form files and
  // the application; the dialogs here offer their own palette).
  TStrings* CustomColors() { return FCustomColors.get(); }
  void SetCustomColors(TStrings* Value) { FCustomColors->Assign(Value); }
  // Shows the dialog starting at Color; true when the user accepted a
  // color (then in Color), false when cancelled (Color unchanged).
  bool Execute() override;
  using TCommonDialog::Execute;

 private:
  TColor FColor = clBlack;
  TColorDialogOptions FOptions;
  std::unique_ptr<TStringList> FCustomColors;
};

// ---------------------------------------------------------------- file dialogs

enum TOpenOption : std::uint8_t {
  ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate,
  ofAllowMultiSelect, ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt,
  ofShareAware, ofNoReadOnlyReturn, ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames,
  ofOldStyleDialog, ofNoDereferenceLinks, ofEnableIncludeNotify, ofEnableSizing,
  ofDontAddToRecent, ofForceShowHidden
};
using TOpenOptions = Set<TOpenOption>;

// One entry of a filter: "Text files (*.txt)|*.txt;*.text" gives the
// description and the patterns.
struct TFileFilter {
  String Description;
  std::vector<String> Patterns;
};
// The entries of a filter text ("description|patterns|description|...").
std::vector<TFileFilter> ParseFileFilter(const String& Filter);
// Whether a file name (without folder) matches a pattern of '*' (any run)
// and '?' (any one character), ignoring case.
bool MatchesFileMask(const String& Name, const String& Mask);

// The file dialog for opening: shows the folder InitialDir (the current
// folder when empty), the files matching the filter entry FilterIndex
// (from 1), and gives FileName (a full path) and Files (every chosen file,
// several with ofAllowMultiSelect). On acceptance a name without an
// extension gets DefaultExt, and OnCanClose may still refuse (Execute then
// returns false). Cancelling leaves FileName and Files as they were.
class TOpenDialog : public TCommonDialog {
 public:
  explicit TOpenDialog(TComponent* AOwner);
  ~TOpenDialog() override;

  const String& FileName() const { return FFileName; }
  void SetFileName(const String& Value) { FFileName = Value; }
  TStrings* Files() { return FFiles.get(); }
  const String& Filter() const { return FFilter; }
  void SetFilter(const String& Value) { FFilter = Value; }
  int FilterIndex() const { return FFilterIndex; }
  void SetFilterIndex(int Value) { FFilterIndex = Value; }
  const String& InitialDir() const { return FInitialDir; }
  void SetInitialDir(const String& Value) { FInitialDir = Value; }
  // Without a leading dot ("txt").
  const String& DefaultExt() const { return FDefaultExt; }
  void SetDefaultExt(const String& Value) { FDefaultExt = Value; }
  // The window's caption; "Open" (or "Save As") when empty.
  const String& Title() const { return FTitle; }
  void SetTitle(const String& Value) { FTitle = Value; }
  TOpenOptions Options() const { return FOptions; }
  void SetOptions(TOpenOptions Value) { FOptions = Value; }
  // A save dialog (TSaveDialog) asks for a name that need not exist.
  virtual bool IsSave() const { return false; }
  // The caption shown: Title, or the dialog's own.
  String ShownTitle() const;

  bool Execute() override;
  using TCommonDialog::Execute;

  TCloseQueryEvent OnCanClose() const { return FOnCanClose; }
  void SetOnCanClose(TCloseQueryEvent Value) { FOnCanClose = std::move(Value); }
  TNotifyEvent OnTypeChange() const { return FOnTypeChange; }
  void SetOnTypeChange(TNotifyEvent Value) { FOnTypeChange = std::move(Value); }
  // Fires OnTypeChange (the dialogs call it when the filter entry changes).
  void DoTypeChange() { if (FOnTypeChange) FOnTypeChange(this); }

 private:
  String FFileName;
  std::unique_ptr<TStringList> FFiles;
  String FFilter;
  int FFilterIndex = 1;
  String FInitialDir;
  String FDefaultExt;
  String FTitle;
  TOpenOptions FOptions{ofHideReadOnly, ofEnableSizing};
  TCloseQueryEvent FOnCanClose;
  TNotifyEvent FOnTypeChange;
};

// The file dialog made of the platform's own controls, shown modally: a
// list of the folder's sub-folders ("../" goes up) and of the files the
// chosen filter entry matches, a name field (controls named FileList,
// FileNameEdit, FilterCombo, OkButton, CancelButton). Clicking a file
// names it; double-clicking a folder enters it, a file accepts it; a
// folder typed is entered. Sets FileName on acceptance; true then. Hosts
// with a screen show it from TOpenDialog::Execute.
bool RunFileDialogForm(TOpenDialog& Dialog);

// The file dialog for saving: a name typed that does not exist is fine.
class TSaveDialog : public TOpenDialog {
 public:
  explicit TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) {}
  bool IsSave() const override { return true; }
};

enum TMsgDlgType : std::uint8_t { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn : std::uint8_t {
  mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll,
  mbHelp, mbClose
};
using TMsgDlgButtons = Set<TMsgDlgBtn>;
inline const TMsgDlgButtons mbYesNo{mbYes, mbNo};
inline const TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline const TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline const TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};

// A modal message form: caption by type ("Warning", "Error", "Information",
// "Confirm", or the application title), the text in a child named
// "Message", and one button per requested kind, named "Yes", "No", "OK",
// "Cancel", ... whose click sets the matching modal result. The caller owns it.
TForm* CreateMessageDialog(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons);
// Shows a message dialog modally and returns the modal result.
int MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx);
// Shows Msg with an OK button, titled with the application title.
void ShowMessage(const String& Msg);

}  // namespace vcl
