// Forms (showing, modal loops, closing), the application, dialogs, menus
// and the clipboard on the headless host.
#include "TestControls.h"
#include "platform/Clipbrd.h"
#include "platform/Dialogs.h"
#include "platform/Menus.h"
#include "platform/Streaming.h"

namespace vcltest {
namespace {

using FormsTest = HeadlessTest;

TEST_F(FormsTest, ANewFormIsAnEmptyHiddenWindow) {
  auto form = std::unique_ptr<TForm>(TForm::CreateNew(nullptr));
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(form->ControlCount(), 0);
  EXPECT_EQ(form->Color(), clBtnFace);
  EXPECT_EQ(form->BorderStyle(), bsSizeable);
  EXPECT_EQ(form->ModalResult(), mrNone);
  EXPECT_EQ(form->Width(), 320);
  EXPECT_EQ(form->Height(), 240);
  EXPECT_FALSE(form->HandleAllocated());
  bool listed = false;
  for (int i = 0; i < Screen->FormCount(); ++i) listed |= Screen->Forms(i) == form.get();
  EXPECT_TRUE(listed);
}

TEST_F(FormsTest, ShowModalReturnsWhatTheHandlerAnswers) {
  TForm form(nullptr);
  TForm* seen = nullptr;
  bool visibleInside = false;
  headless::SetModalHandler([&](TForm& f) {
    seen = &f;
    visibleInside = f.Visible();
    return mrYes;
  });
  EXPECT_EQ(form.ShowModal(), mrYes);
  EXPECT_EQ(seen, &form);
  EXPECT_TRUE(visibleInside);
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(form.ModalResult(), mrYes);
  EXPECT_FALSE(form.FormState().Contains(fsModal));
}

TEST_F(FormsTest, SettingModalResultInsideTheLoopEndsIt) {
  TForm form(nullptr);
  headless::SetModalHandler([](TForm& f) {
    f.SetModalResult(mrOk);
    return mrNone;
  });
  EXPECT_EQ(form.ShowModal(), mrOk);
  headless::SetModalHandler(nullptr);
  EXPECT_EQ(form.ShowModal(), mrCancel);  // nobody answers: cancelled
}

TEST_F(FormsTest, WhileAFormIsModalOtherFormsTakeNoMouseInput) {
  TForm main(nullptr), dialog(nullptr);
  auto* behind = new TFillGraphic(&main, clRed);
  behind->SetParent(&main);
  behind->SetBounds(0, 0, 20, 20);
  auto* front = new TFillGraphic(&dialog, clRed);
  front->SetParent(&dialog);
  front->SetBounds(0, 0, 20, 20);
  EventLog log;
  WireMouse(behind, log, "behind");
  WireMouse(front, log, "front");
  main.Show();
  headless::SetModalHandler([&](TForm&) {
    headless::Click(behind, 5, 5);
    headless::Click(front, 5, 5);
    return mrOk;
  });
  dialog.ShowModal();
  EXPECT_EQ(log.Count("behind:click"), 0);
  EXPECT_EQ(log.Count("front:click"), 1);
  headless::Click(behind, 5, 5);  // the loop is over
  EXPECT_EQ(log.Count("behind:click"), 1);
  main.Hide();
}

TEST_F(FormsTest, AVisibleFormCannotBeMadeModal) {
  TForm form(nullptr);
  form.Show();
  EXPECT_THROW(form.ShowModal(), EInvalidOperation);
  form.Hide();
  form.SetEnabled(false);
  EXPECT_THROW(form.ShowModal(), EInvalidOperation);
}

TEST_F(FormsTest, CloseAsksOnCloseQueryAndOnCloseDecides) {
  TForm main(nullptr), other(nullptr);
  Application->SetMainForm(&main);
  EventLog log;
  bool allow = false;
  other.SetOnCloseQuery([&](TObject*, bool& can) {
    log.Add("query");
    can = allow;
  });
  other.SetOnClose([&](TObject*, TCloseAction& a) {
    log.Add("close");
    EXPECT_EQ(a, caHide);
  });
  other.SetOnHide([&](TObject*) { log.Add("hide"); });
  other.Show();
  other.Close();
  EXPECT_TRUE(other.Visible());
  allow = true;
  other.Close();
  EXPECT_FALSE(other.Visible());
  EXPECT_EQ(log.Joined(), "query query close hide");
  // Closing the main form ends the application.
  main.Close();
  EXPECT_TRUE(Application->Terminated());
  Application->ResetTerminated();
  Application->SetMainForm(nullptr);
}

TEST_F(FormsTest, CloseWithCaFreeReleasesTheFormAfterPendingMessages) {
  auto* form = new TForm(nullptr);
  form->SetOnClose([](TObject*, TCloseAction& a) { a = caFree; });
  int formsBefore = Screen->FormCount();
  form->Show();
  form->Close();
  EXPECT_EQ(Screen->FormCount(), formsBefore);  // still there
  Application->ProcessMessages();
  EXPECT_EQ(Screen->FormCount(), formsBefore - 1);
}

TEST_F(FormsTest, AModalCloseRefusedByOnCloseQueryStillEndsWithTheHandlersAnswer) {
  TForm form(nullptr);
  form.SetOnCloseQuery([](TObject*, bool& can) { can = false; });
  headless::SetModalHandler([](TForm&) { return mrOk; });
  EXPECT_EQ(form.ShowModal(), mrOk);
}

TEST_F(FormsTest, ShowingAndHidingActivateForms) {
  TForm a(nullptr), b(nullptr);
  EventLog log;
  a.SetOnActivate([&](TObject*) { log.Add("a+"); });
  a.SetOnDeactivate([&](TObject*) { log.Add("a-"); });
  b.SetOnActivate([&](TObject*) { log.Add("b+"); });
  b.SetOnDeactivate([&](TObject*) { log.Add("b-"); });
  a.Show();
  b.Show();
  EXPECT_EQ(Screen->ActiveForm(), &b);
  b.Hide();
  EXPECT_EQ(Screen->ActiveForm(), &a);
  EXPECT_EQ(log.Joined(), "a+ a- b+ b- a+");
  EXPECT_TRUE(a.Active());
  a.Hide();
}

TEST_F(FormsTest, PositionScreenCenterCentersTheFormWhenShown) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 200, 100);
  form.SetPosition(poScreenCenter);
  form.Show();
  EXPECT_EQ(form.Left(), (Screen->Width() - 200) / 2);
  EXPECT_EQ(form.Top(), (Screen->Height() - 100) / 2);
  form.Hide();
}

TEST_F(FormsTest, HandleExceptionRecordsReportsAndNeverThrows) {
  try {
    throw EConvertError(u"not a number");
  } catch (...) {
    EXPECT_NO_THROW(Application->HandleException(nullptr));
  }
  Application->SetOnException([](TObject*, Exception*) { throw std::runtime_error("worse"); });
  try {
    throw EAbort(u"quiet");
  } catch (...) {
    EXPECT_NO_THROW(Application.HandleException(nullptr));
  }
  try {
    throw 42;
  } catch (...) {
    EXPECT_NO_THROW(Application.HandleException(nullptr));
  }
  Application.HandleException(nullptr);  // outside a handler: nothing to do
  auto seen = headless::HandledExceptions();
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_EQ(seen[0], u"not a number");
  EXPECT_EQ(seen[1], u"quiet");
  EXPECT_EQ(seen[2], u"Unknown exception");
  EXPECT_EQ(seen[3], u"Exception in the application's exception handler");
}

TEST_F(FormsTest, ExceptionsFromInputHandlersStayInsideTheLoop) {
  TForm form(nullptr);
  auto* c = new TFillGraphic(&form, clRed);
  c->SetParent(&form);
  c->SetBounds(0, 0, 10, 10);
  c->SetOnClick([](TObject*) { throw EInvalidOperation(u"click failed"); });
  EXPECT_NO_THROW(headless::Click(c, 1, 1));
  ASSERT_EQ(headless::HandledExceptions().size(), 1u);
  EXPECT_EQ(headless::HandledExceptions()[0], u"click failed");
}

TEST_F(FormsTest, RunEndsAtOnceWhenNoInputCanCome) {
  TForm form(nullptr);
  Application->SetMainForm(&form);
  Application->Run();
  EXPECT_TRUE(form.Visible());
  form.Hide();
  Application->SetMainForm(nullptr);
}

TEST_F(FormsTest, MessageDlgShowsAFormWithNamedButtons) {
  String caption, text;
  std::vector<String> buttons;
  headless::SetModalHandler([&](TForm& f) {
    caption = f.Caption();
    if (auto* m = dynamic_cast<TControl*>(f.FindComponent(u"Message"))) text = m->Caption();
    for (int i = 0; i < f.ControlCount(); ++i) {
      if (f.Controls(i)->Name() != u"Message") buttons.push_back(f.Controls(i)->Name());
    }
    auto* no = dynamic_cast<TControl*>(f.FindComponent(u"No"));
    headless::Click(no, 5, 5);  // the user presses "No"
    return mrNone;
  });
  int r = MessageDlg(u"Save changes?", mtConfirmation, mbYesNoCancel, 0);
  EXPECT_EQ(r, mrNo);
  EXPECT_EQ(caption, u"Confirm");
  EXPECT_EQ(text, u"Save changes?");
  EXPECT_EQ(buttons, (std::vector<String>{u"Yes", u"No", u"Cancel"}));
}

TEST_F(FormsTest, MessageDialogKeysPressTheDefaultAndCancelButtons) {
  headless::SetModalHandler([](TForm& f) {
    headless::KeyDown(f.ActiveControl(), VK_ESCAPE);
    return mrNone;
  });
  EXPECT_EQ(MessageDlg(u"Go on?", mtWarning, mbYesNoCancel, 0), mrCancel);
  headless::SetModalHandler([](TForm& f) {
    headless::KeyDown(f.ActiveControl(), VK_RETURN);
    return mrNone;
  });
  EXPECT_EQ(MessageDlg(u"Go on?", mtWarning, mbYesNo, 0), mrYes);
  int shown = 0;
  headless::SetModalHandler([&](TForm& f) {
    ++shown;
    EXPECT_NE(f.FindComponent(u"OK"), nullptr);
    return mrOk;
  });
  ShowMessage(u"Done");
  EXPECT_EQ(shown, 1);
}

TEST_F(FormsTest, TheColorDialogTakesTheHandlersColorOnlyWhenAccepted) {
  TColorDialog dialog(nullptr);
  dialog.SetColor(clRed);
  EXPECT_FALSE(dialog.Execute());  // no handler: cancelled
  EXPECT_EQ(dialog.Color(), clRed);
  headless::SetColorDialogHandler([](TColorDialog& d) {
    EXPECT_EQ(d.Color(), clRed);  // starts at the current color
    d.SetColor(clBlue);
    return false;
  });
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.Color(), clRed);
  headless::SetColorDialogHandler([](TColorDialog& d) {
    d.SetColor(clGreen);
    return true;
  });
  EXPECT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.Color(), clGreen);
}

TEST_F(FormsTest, ColorDialogsAreReadAndWrittenWithTheirForm) {
  TForm form(nullptr);
  form.SetName(u"Form1");
  auto* dialog = new TColorDialog(&form);
  dialog->SetName(u"ColorDialog1");
  String fresh = WriteComponentToText(dialog);
  EXPECT_EQ(fresh.find(u"Color ="), String::npos);
  EXPECT_EQ(fresh.find(u"Options ="), String::npos);
  dialog->SetColor(clTeal);
  dialog->SetOptions({cdFullOpen, cdAnyColor});
  std::unique_ptr<TComponent> back(ReadComponentFromText(WriteComponentToText(&form)));
  auto* copy = dynamic_cast<TColorDialog*>(back->FindComponent(u"ColorDialog1"));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->Color(), clTeal);
  EXPECT_TRUE(copy->Options().Contains(cdAnyColor));
  EXPECT_FALSE(copy->Options().Contains(cdSolidColor));
}

TEST_F(FormsTest, APopupHandlerMayClickAnItem) {
  TForm form(nullptr);
  auto* menu = new TPopupMenu(&form);
  auto* copy = new TMenuItem(&form);
  copy->SetCaption(u"&Copy");
  auto* paste = new TMenuItem(&form);
  paste->SetCaption(u"Paste");
  paste->SetEnabled(false);
  menu->Items()->Add(copy);
  menu->Items()->Add(paste);
  EventLog log;
  copy->SetOnClick([&](TObject*) { log.Add("copy"); });
  paste->SetOnClick([&](TObject*) { log.Add("paste"); });
  headless::SetPopupHandler([&](TPopupMenu& m, int x, int y) {
    log.Add("at" + std::to_string(x) + "," + std::to_string(y));
    m.Items()->Find(u"copy")->Click();
    m.Items()->Items(1)->Click();  // disabled: nothing
  });
  menu->Popup(12, 34);
  EXPECT_EQ(log.Joined(), "at12,34 copy");
  EXPECT_EQ(menu->PopupPoint(), (TPoint{12, 34}));
}

TEST_F(FormsTest, MenuItemsKeepTheirTreeAndChecks) {
  TPopupMenu menu(nullptr);
  auto* root = menu.Items();
  auto* a = new TMenuItem(nullptr);
  auto* b = new TMenuItem(nullptr);
  auto* c = new TMenuItem(nullptr);
  root->Add(a);
  root->Add(c);
  root->Insert(1, b);
  EXPECT_EQ(root->Count(), 3);
  EXPECT_EQ(root->Items(1), b);
  EXPECT_EQ(b->MenuIndex(), 1);
  EXPECT_EQ(b->Parent(), root);
  EXPECT_THROW(root->Add(b), EInvalidOperation);
  EXPECT_THROW(root->Items(3), EListError);
  for (TMenuItem* i : {a, b}) i->SetRadioItem(true);
  a->SetChecked(true);
  b->SetChecked(true);
  EXPECT_FALSE(a->Checked());
  c->SetAutoCheck(true);
  c->Click();
  EXPECT_TRUE(c->Checked());
  root->Delete(2);
  EXPECT_EQ(c->Parent(), nullptr);
  delete c;
  delete a;  // leaves the menu
  EXPECT_EQ(root->Count(), 1);
  EXPECT_EQ(ShortCutToText(ShortCut('C', {ssCtrl})), u"Ctrl+C");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_F10, {ssShift})), u"Shift+F10");
}

TEST_F(FormsTest, TheClipboardHoldsTextUntilCleared) {
  TClipboard& cb = Clipboard();
  cb.Clear();
  EXPECT_FALSE(cb.HasFormat(CF_TEXT));
  EXPECT_EQ(cb.AsText(), u"");
  cb.SetAsText(u"1\t2\r\n3\t4 \u00e9");
  EXPECT_TRUE(cb.HasFormat(CF_TEXT));
  EXPECT_TRUE(cb.HasFormat(CF_UNICODETEXT));
  EXPECT_FALSE(cb.HasFormat(CF_BITMAP));
  EXPECT_EQ(Clipboard()->AsText(), u"1\t2\r\n3\t4 \u00e9");
  cb.SetAsText(u"");
  EXPECT_TRUE(cb.HasFormat(CF_TEXT));  // empty text is still text
  cb.Clear();
  EXPECT_FALSE(cb.HasFormat(CF_TEXT));
  // The host keeps the text: a reset clears it.
  cb.SetAsText(u"kept");
  headless::Reset();
  EXPECT_FALSE(Clipboard().HasFormat(CF_TEXT));
}

TEST_F(FormsTest, ResetClearsHandlersAndRecordsButKeepsTheClock) {
  headless::SetTimersRefused(true);
  headless::SetModalHandler([](TForm&) { return mrYes; });
  MessageBeep(MB_OK);
  std::int64_t before = headless::Now();
  headless::Advance(5);
  headless::Reset();
  EXPECT_EQ(headless::Now(), before + 5);
  EXPECT_EQ(headless::BeepCount(), 0);
  HWND w = AllocateHWnd([](TMessage&) {});
  EXPECT_NE(SetTimer(w, 1, 10), 0u);
  DeallocateHWnd(w);
  TForm form(nullptr);
  EXPECT_EQ(form.ShowModal(), mrCancel);
}

}  // namespace
}  // namespace vcltest
