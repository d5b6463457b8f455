#include "platform/Dialogs.h"

#include <algorithm>
#include <memory>

#include "platform/Look.h"
#include "platform/Streaming.h"
#include "platform/hosts/Host.h"

namespace vcl {

// ---------------------------------------------------------------- TColorDialog

TColorDialog::TColorDialog(TComponent* AOwner)
    : TCommonDialog(AOwner), FCustomColors(std::make_unique<TStringList>()) {}

TColorDialog::~TColorDialog() = default;

bool TColorDialog::Execute() {
  TColor before = FColor;
  DoShow();
  bool accepted = Host().ExecuteColorDialog(*this);
  DoClose();
  if (!accepted) FColor = before;
  return accepted;
}

// ---------------------------------------------------------------- message dialogs

namespace {

// The text of a message dialog, drawn left-aligned, one line per line break.
class TMessageText : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;

 protected:
  void Paint() override {
    TCanvas* c = Canvas();
    c->Brush()->SetStyle(bsClear);
    c->Font()->Assign(Font());
    int y = 0;
    std::size_t start = 0;
    const String& text = Caption();
    while (start <= text.size()) {
      std::size_t end = text.find(u'\n', start);
      if (end == String::npos) end = text.size();
      String line = text.substr(start, end - start);
      if (!line.empty() && line.back() == u'\r') line.pop_back();
      c->TextOut(0, y, line);
      y += c->TextHeight(u"Ag");
      start = end + 1;
    }
  }
};

// A push button of a message dialog: a click sets the form's modal result.
// Enter clicks the default button, Escape the cancel button.
class TDialogButton : public TCustomControl {
 public:
  TDialogButton(TComponent* AOwner, TModalResult Result, bool IsDefault, bool IsCancel)
      : TCustomControl(AOwner), FResult(Result), FDefault(IsDefault), FCancel(IsCancel) {
    SetTabStop(true);
    SetControlStyle(ControlStyle() << csOpaque);
  }

 protected:
  void Click() override {
    TCustomControl::Click();
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FResult);
  }
  void KeyPress(char16_t& Key) override {
    TCustomControl::KeyPress(Key);
    if (Key == u' ' || Key == u'\r') Click();
  }
  void CMDialogKey(TWMKey& Message) override {
    bool mine = (Message.CharCode == VK_RETURN && (FDefault || Focused())) ||
                (Message.CharCode == VK_ESCAPE && FCancel);
    if (mine && Enabled() && Visible()) {
      Click();
      Message.Result = 1;
    }
  }
  void WMGetDlgCode(TMessage& Message) override { Message.Result = DLGC_BUTTON; }
  void Paint() override {
    TCanvas* c = Canvas();
    look::TFaceOptions options;
    if (Focused() || FDefault) options << look::foDefault;
    if (Focused()) options << look::foFocused;
    TRect r = look::DrawButtonFace(*c, ClientRect(), look::bfUp, options);
    c->Brush()->SetStyle(bsClear);
    c->Font()->Assign(Font());
    String text;
    for (char16_t ch : Caption()) {
      if (ch != u'&') text += ch;
    }
    TSize size = c->TextExtent(text);
    c->TextOut(r.Left + (r.Width() - size.cx) / 2, r.Top + (r.Height() - size.cy) / 2, text);
  }

 private:
  TModalResult FResult;
  bool FDefault;
  bool FCancel;
};

struct ButtonInfo {
  TMsgDlgBtn Button;
  const char16_t* Name;
  const char16_t* Caption;
  TModalResult Result;
};

constexpr ButtonInfo kButtons[] = {
    {mbYes, u"Yes", u"&Yes", mrYes},          {mbNo, u"No", u"&No", mrNo},
    {mbOK, u"OK", u"OK", mrOk},               {mbCancel, u"Cancel", u"Cancel", mrCancel},
    {mbAbort, u"Abort", u"&Abort", mrAbort},  {mbRetry, u"Retry", u"&Retry", mrRetry},
    {mbIgnore, u"Ignore", u"&Ignore", mrIgnore}, {mbAll, u"All", u"&All", mrAll},
    {mbNoToAll, u"NoToAll", u"N&o to All", mrNoToAll},
    {mbYesToAll, u"YesToAll", u"Yes to &All", mrYesToAll},
    {mbHelp, u"Help", u"&Help", mrHelp},      {mbClose, u"Close", u"&Close", mrClose}};

String DialogCaption(TMsgDlgType DlgType) {
  switch (DlgType) {
    case mtWarning: return u"Warning";
    case mtError: return u"Error";
    case mtInformation: return u"Information";
    case mtConfirmation: return u"Confirm";
    default: return TApplication::Instance().Title();
  }
}

// The cancel button: Cancel, else No, else the only button (as for OK alone).
TMsgDlgBtn CancelButton(TMsgDlgButtons Buttons) {
  if (Buttons.Contains(mbCancel)) return mbCancel;
  if (Buttons.Contains(mbNo)) return mbNo;
  return mbOK;
}

// Lines and the widest line, in characters, to size the dialog without
// needing the font engine.
TSize TextCells(const String& Msg) {
  int lines = 1, widest = 0, current = 0;
  for (char16_t c : Msg) {
    if (c == u'\n') {
      ++lines;
      current = 0;
    } else {
      widest = std::max(widest, ++current);
    }
  }
  return {widest, lines};
}

}  // namespace

TForm* CreateMessageDialog(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons) {
  if (Buttons.Empty()) Buttons = TMsgDlgButtons{mbOK};
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBorderStyle(bsDialog);
  form->SetPosition(poScreenCenter);
  form->SetCaption(DialogCaption(DlgType));
  constexpr int kMargin = 12, kButtonWidth = 75, kButtonHeight = 25, kGap = 8, kCharWidth = 6,
                kLineHeight = 14;
  TSize cells = TextCells(Msg);
  int count = 0;
  for (const ButtonInfo& b : kButtons) count += Buttons.Contains(b.Button) ? 1 : 0;
  int buttonsWidth = count * kButtonWidth + (count - 1) * kGap;
  int width = std::max(cells.cx * kCharWidth, buttonsWidth) + 2 * kMargin;
  int textHeight = cells.cy * kLineHeight;
  form->SetBounds(0, 0, width, kMargin + textHeight + kMargin + kButtonHeight + kMargin);

  auto* text = new TMessageText(form.get());
  text->SetName(u"Message");
  text->SetParent(form.get());
  text->SetBounds(kMargin, kMargin, width - 2 * kMargin, textHeight);
  text->SetCaption(Msg);

  TMsgDlgBtn cancel = CancelButton(Buttons);
  int x = (width - buttonsWidth) / 2;
  bool first = true;
  for (const ButtonInfo& b : kButtons) {
    if (!Buttons.Contains(b.Button)) continue;
    auto* button = new TDialogButton(form.get(), b.Result, first, b.Button == cancel);
    button->SetName(b.Name);
    button->SetCaption(b.Caption);
    button->SetParent(form.get());
    button->SetBounds(x, kMargin + textHeight + kMargin, kButtonWidth, kButtonHeight);
    if (first) form->SetActiveControl(button);
    x += kButtonWidth + kGap;
    first = false;
  }
  return form.release();
}

int MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx) {
  std::unique_ptr<TForm> form(CreateMessageDialog(Msg, DlgType, Buttons));
  form->SetHelpContext(HelpCtx);
  return form->ShowModal();
}

void ShowMessage(const String& Msg) { MessageDlg(Msg, mtCustom, {mbOK}, 0); }

// ---------------------------------------------------------------- form files

namespace {

// The color dialog is placed on forms like any component, so that controls
// can refer to it by name (a color button's ColorDialog).
bool RegisterDialogs() {
  RegisterEnum<TColorDialogOption>(
      {u"cdFullOpen", u"cdPreventFullOpen", u"cdShowHelp", u"cdSolidColor", u"cdAnyColor"});
  RegisterClass<TCommonDialog, TComponent>(u"TCommonDialog").Event(u"OnShow").Event(u"OnClose");
  RegisterClass<TColorDialog, TCommonDialog>(u"TColorDialog")
      .Color(u"Color", &TColorDialog::Color, &TColorDialog::SetColor, clBlack)
      .Property(u"Options", &TColorDialog::Options, &TColorDialog::SetOptions,
                TColorDialogOptions{});
  return true;
}

const bool registered = RegisterDialogs();

}  // namespace

}  // namespace vcl
