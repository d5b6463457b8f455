// Dialogs: the color dialog and message boxes. Showing them is the host's
// job (the headless host calls the handlers a program installs).
#pragma once

#include <cstdint>

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
  explicit TColorDialog(TComponent* AOwner) : TCommonDialog(AOwner) {}
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  TColorDialogOptions Options() const { return FOptions; }
  void SetOptions(TColorDialogOptions Value) { FOptions = Value; }
  // Shows the dialog starting at Color; true when the user accepted a
  // color (then in Color), false when cancelled (Color unchanged).
  bool Execute() override;
  using TCommonDialog::Execute;

 private:
  TColor FColor = clBlack;
  TColorDialogOptions FOptions;
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
