#include <gtest/gtest.h>

#include "SavedForm.h"
#include "platform/Forms.h"
#include "platform/Streaming.h"

using namespace vcl;
class TMainForm : public TForm {
 public:
  using TForm::TForm;
};
const bool reg = RegisterClass<TMainForm, TForm>(u"TMainForm");

TEST(SavedForm, Probe) {
  TFormReader reader;
  reader.SetIgnoreUnboundHandlers(true);
  TMainForm form(nullptr);
  try {
    reader.ReadText(kSavedForm, &form);
  } catch (const Exception& e) {
    FAIL() << ToUTF8(e.Message());
  }
  printf("%s\n", ToUTF8(WriteComponentToText(&form)).c_str());
}
