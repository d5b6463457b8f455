// Loads a form file into the application's own form class and wires its
// buttons to the form's member functions by the handler names the file
// gives (OnClick = AddButtonClick), then works the form on the headless
// host the way a person would and prints what happened.
//
//   formfile_example orders.form
//
// Exit status 0 when every handler ran as the file asked.
#include <cstdio>

#include "platform/Buttons.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/Streaming.h"
#include "platform/hosts/headless/Headless.h"

using namespace vcl;

// The application's form: its controls are found by name after reading,
// its handlers are registered by name before.
class TOrderForm : public TForm {
 public:
  using TForm::TForm;

  // Reads the file into this form, binding every handler it names.
  void Load(const String& FileName) {
    TFormReader reader;
    reader.Handlers()
        .Add(u"FormCreate", this, &TOrderForm::FormCreate)
        .Add(u"FormKeyDown", this, &TOrderForm::FormKeyDown)
        .Add(u"AddButtonClick", this, &TOrderForm::AddButtonClick)
        .Add(u"ExpressBoxClick", this, &TOrderForm::ExpressBoxClick)
        .Add(u"OkButtonClick", this, &TOrderForm::OkButtonClick);
    reader.ReadFile(FileName, this);
  }

  TEdit* QuantityEdit() { return dynamic_cast<TEdit*>(FindComponent(u"QuantityEdit")); }
  TControl* Control(const String& Name) { return dynamic_cast<TControl*>(FindComponent(Name)); }

  int Created = 0;
  int Quantity = 0;
  bool Express = false;
  bool Confirmed = false;
  int KeysSeen = 0;

 private:
  void FormCreate(TObject*) { ++Created; }
  // The form sees keys before its controls (KeyPreview): F9 anywhere adds
  // one, as the + button does, and the control never sees the key.
  void FormKeyDown(TObject* Sender, std::uint16_t& Key, TShiftState) {
    if (Key != VK_F9) return;
    ++KeysSeen;
    AddButtonClick(Sender);
    Key = 0;
  }
  void AddButtonClick(TObject*) {
    Quantity = StrToInt(QuantityEdit()->Text()) + 1;
    QuantityEdit()->SetText(IntToStr(Quantity));
  }
  void ExpressBoxClick(TObject* Sender) { Express = dynamic_cast<TCheckBox*>(Sender)->Checked(); }
  void OkButtonClick(TObject*) { Confirmed = true; }
};

const bool registered = RegisterClass<TOrderForm, TForm>(u"TOrderForm");

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: formfile_example FORM\n");
    return 2;
  }
  try {
    TOrderForm form(nullptr);
    form.Load(FromUTF8(argv[1]));
    auto click = [&](const char16_t* Name) {
      TControl* c = form.Control(Name);
      headless::Click(c, c->Width() / 2, c->Height() / 2);
    };
    click(u"AddButton");
    click(u"AddButton");
    click(u"ExpressBox");
    headless::KeyDown(form.QuantityEdit(), VK_F9);
    click(u"OkButton");
    std::printf("created %d, quantity %d, express %s, F9 seen by the form %d, confirmed %s, modal result %d\n",
                form.Created, form.Quantity, form.Express ? "yes" : "no", form.KeysSeen,
                form.Confirmed ? "yes" : "no", form.ModalResult());
    bool ok = form.Created == 1 && form.Quantity == 4 && form.Express && form.KeysSeen == 1 &&
              form.Confirmed && form.ModalResult() == mrOk;
    return ok ? 0 : 1;
  } catch (const Exception& e) {
    std::fprintf(stderr, "formfile_example: %s\n", ToUTF8(e.Message()).c_str());
    return 1;
  }
}
