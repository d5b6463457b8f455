// TReportListView: the edit-row dialog, one labelled input control per
// column made from the column's format, shown modally.
//
// Layout (pixels; offset = (0, 0) and band = 45 on the dialog's own form,
// offset = (PosLeft, PosTop) and band = 0 on a container form):
//
//   label k     "runtime_rlre_Label" k, Left offset.x + 8, Top y + 3,
//               Width L (right-justified), caption: column name + ":"
//   control k   prefix + k, Tag k, Left L + offset.x + 12, Top y, Width W
//   y           band + (k - 1) * 25 + offset.y
//   L           the widest column name on the form's canvas + 8
//   own form    Width F + 28, Height columns * 25 + 45 + 38 (F = max W + L),
//               OK at (F - 154, 4), Cancel at (F - 69, 4), 81 x 29 each
//
// Controls by type letter: "c" and "l" a combo box ("runtime_rlre_CBox",
// free text or list only), "d" a date/time picker ("runtime_rlre_DtPick"),
// "e" "f" "h" "i" a numeric field ("runtime_rlre_NumIO"), "s" (and an empty
// type) an edit ("runtime_rlre_Edit"); other letters only a label. Only OK
// (a button, or Enter in any enabled field) writes the fields back, with
// painting suppressed; the run-time controls are freed in any case.
//
// A "d" cell whose text does not read with the pattern leaves the picker
// at 0; such a field is written back only when the user changed it, so
// that OK alone never replaces an unreadable date with 1899-12-30. Pickers
// write their value as they show it (their own format), which the reader
// reads back. Likewise an "l" box whose cell holds no item of its list
// (nothing selected) leaves the cell as it is.
#include <algorithm>

#include "VYR_NumIO/VYR_NumIO.h"
#include "VYR_replist/VYR_rldatetext.h"
#include "VYR_replist/VYR_rlview.h"
#include "companion/basepack/VYR_stringl.h"
#include "platform/Buttons.h"
#include "platform/ComCtrls.h"
#include "platform/Forms.h"
#include "platform/Guards.h"
#include "platform/StdCtrls.h"

namespace vyr {

namespace {

constexpr int kButtonBand = 45;
constexpr int kRowPitch = 25;
constexpr vcl::TColor kReadOnlyColor = 0xE0E0E0;
constexpr vcl::TColor kReadOnlyText = 0x808080;

// Items of a combo box: the pieces of Tail before each "|" (one is
// appended when it does not end with one).
void FillItems(vcl::TStrings& Items, vcl::String Tail) {
  if (Tail.empty() || Tail.back() != u'|') Tail += u'|';
  std::size_t start = 0;
  for (std::size_t at = Tail.find(u'|'); at != vcl::String::npos; at = Tail.find(u'|', start)) {
    Items.Add(Tail.substr(start, at - start));
    start = at + 1;
  }
}

// The item equal to Text (letter case counts), -1 when none is.
int ExactIndex(vcl::TStrings& Items, const vcl::String& Text) {
  for (int i = 0; i < Items.Count(); ++i) {
    if (Items.Strings(i) == Text) return i;
  }
  return -1;
}

// A list-only combo box with nothing selected (its cell holds no item of
// the list) keeps the cell: OK alone must not empty it.
bool KeepsCell(vcl::TComponent& C) {
  auto* box = dynamic_cast<vcl::TComboBox*>(&C);
  return box != nullptr && box->Style() == vcl::csDropDownList && box->ItemIndex() < 0;
}

bool NameHas(const vcl::TComponent& C, std::u16string_view Part) {
  return C.Name().find(Part) != vcl::String::npos;
}

}  // namespace

int TReportListView::EditRowEntries(int Row, int PosLeft, int PosTop) {
  return EditRowEntriesIntern(Row, nullptr, PosLeft, PosTop, u"Editing Row " + vcl::IntToStr(Row),
                              u"OK", u"Cancel");
}

int TReportListView::EditRowEntries(int Row, int PosLeft, int PosTop, const vcl::String& FormCaption,
                                    const vcl::String& ButOKCaption,
                                    const vcl::String& ButCancelCaption) {
  return EditRowEntriesIntern(Row, nullptr, PosLeft, PosTop, FormCaption, ButOKCaption,
                              ButCancelCaption);
}

int TReportListView::EditRowEntries(int Row, vcl::TForm* ContainerForm, int PosLeft, int PosTop) {
  return EditRowEntriesIntern(Row, ContainerForm, PosLeft, PosTop, u"", u"OK", u"Cancel");
}

int TReportListView::EditRowEntriesIntern(int Row, vcl::TForm* ContainerForm, int PosLeft,
                                          int PosTop, const vcl::String& FormCaption,
                                          const vcl::String& ButOKCaption,
                                          const vcl::String& ButCancelCaption) {
  if (!ValidRow(Row)) return vcl::mrNone;
  SetEditorMode(false);
  std::unique_ptr<vcl::TForm> own;
  vcl::TForm* form = ContainerForm;
  if (form == nullptr) {
    own = std::make_unique<vcl::TForm>(this);
    form = own.get();
    form->SetLeft(PosLeft);
    form->SetTop(PosTop);
  }
  const vcl::TPoint offset = own ? vcl::TPoint{0, 0} : vcl::TPoint{PosLeft, PosTop};
  const int band = own ? kButtonBand : 0;
  FContainerForm = form;
  FUnreadDatePickers.clear();
  vcl::TScopeGuard done([&] {
    FreeRuntimeControls(*form);
    FContainerForm = nullptr;
    FSBERCancel = nullptr;
    FUnreadDatePickers.clear();
  });

  const int labelWidth = EditLabelWidth(*form);
  int widest = 0;
  for (int k = 1; k <= NrOfColumns(); ++k) {
    const int y = band + (k - 1) * kRowPitch + offset.Y;
    widest = std::max(widest, AddEditField(*form, k, Row, offset.X, y, labelWidth) + labelWidth);
  }
  const int rowsHeight = NrOfColumns() * kRowPitch;
  if (own) {
    form->SetBorderStyle(vcl::bsDialog);
    form->SetWidth(widest + 28);
    form->SetHeight(rowsHeight + kButtonBand + 38);
    AddEditButtons(*form, widest, ButOKCaption, ButCancelCaption);
  } else {
    form->SetWidth(std::max(form->Width(), widest + 28 + offset.X));
    form->SetHeight(std::max(form->Height(), rowsHeight + 38 + offset.Y));
  }
  form->SetCaption(FormCaption);

  const int result = form->ShowModal();
  if (result == vcl::mrOk) WriteBackEditFields(*form, Row);
  return result;
}

int TReportListView::EditLabelWidth(vcl::TForm& Form) {
  vcl::TCanvas& c = *Form.Canvas();
  c.Font()->Assign(Form.Font());
  int widest = 0;
  for (int k = 1; k <= NrOfColumns(); ++k) widest = std::max(widest, c.TextWidth(Header(k)));
  return widest + 8;
}

// The label and the input control of column k; returns the control's width.
int TReportListView::AddEditField(vcl::TForm& Form, int k, int Row, int X, int Y, int LabelWidth) {
  vcl::String format = ColumnFormat(k);
  if (FOnRequestEdFmt) FOnRequestEdFmt(this, k, Row, format);
  TColFormatParts parts = SplitColumnFormat(format);
  if (parts.TypeLetter == u'\0') parts.TypeLetter = u's';  // "[]": a plain edit

  auto* label = new vcl::TLabel(&Form);
  label->SetName(u"runtime_rlre_Label" + vcl::IntToStr(k));
  label->SetParent(&Form);
  label->SetAutoSize(false);
  label->SetAlignment(vcl::taRightJustify);
  label->SetCaption(Header(k) + u":");
  label->SetBounds(X + 8, Y + 3, LabelWidth, label->Height());

  vcl::TWinControl* field = MakeEditControl(Form, parts, k, Row);
  if (field == nullptr) return parts.Width;
  field->SetTag(k);
  field->SetParent(&Form);
  field->SetBounds(LabelWidth + X + 12, Y, parts.Width, field->Height());
  if (parts.ReadOnly) {
    field->SetEnabled(false);
    field->SetColor(kReadOnlyColor);
    field->Font()->SetColor(kReadOnlyText);
  } else {
    field->SetOnKeyPress([&Form](vcl::TObject*, char16_t& Key) {
      if (Key == u'\r') Form.SetModalResult(vcl::mrOk);
    });
  }
  return parts.Width;
}

// The input control for a format taken apart, filled from the cell; null
// for a type letter without a control.
vcl::TWinControl* TReportListView::MakeEditControl(vcl::TForm& Form, const TColFormatParts& Parts,
                                                   int k, int Row) {
  const vcl::String number = vcl::IntToStr(k);
  const vcl::String cell = Elem(k, Row);
  switch (Parts.TypeLetter) {
    case u'c':
    case u'l': {
      auto* box = new vcl::TComboBox(&Form);
      box->SetName(u"runtime_rlre_CBox" + number);
      box->SetStyle(Parts.TypeLetter == u'c' ? vcl::csDropDown : vcl::csDropDownList);
      FillItems(*box->Items(), Parts.Tail);
      if (!Parts.Options.empty() && Parts.Options[0] == u':')
        box->SetDropDownCount(ReadIntFromText(Parts.Options, 2));
      if (Parts.TypeLetter == u'c') box->SetText(cell);
      else box->SetItemIndex(ExactIndex(*box->Items(), cell));
      return box;
    }
    case u'd': return MakeDatePicker(Form, Parts, number, cell);
    case u'e':
    case u'f':
    case u'h':
    case u'i': {
      auto* num = new TNumIO(&Form);
      num->SetName(u"runtime_rlre_NumIO" + number);
      num->SetRangeLow(-1.7e308);
      num->SetRangeHigh(1.7e308);
      num->SetInputFormat(Parts.TypeLetter == u'e'   ? itDynamic
                          : Parts.TypeLetter == u'f' ? itFloat
                          : Parts.TypeLetter == u'h' ? itHex
                                                     : itInt);
      num->SetText(cell.empty() ? FormatDefaultValue(Parts, Row) : cell);
      return num;
    }
    case u's': {
      auto* edit = new vcl::TEdit(&Form);
      edit->SetName(u"runtime_rlre_Edit" + number);
      if (ColumnIsPwd(k)) edit->SetPasswordChar(u'*');
      edit->SetText(cell.empty() ? FormatDefaultValue(Parts, Row) : cell);
      return edit;
    }
    default: return nullptr;
  }
}

vcl::TWinControl* TReportListView::MakeDatePicker(vcl::TForm& Form, const TColFormatParts& Parts,
                                                  const vcl::String& Number,
                                                  const vcl::String& Cell) {
  auto* picker = new vcl::TDateTimePicker(&Form);
  picker->SetName(u"runtime_rlre_DtPick" + Number);
  picker->SetFormat(Parts.Options);
  const vcl::String& text = Cell.empty() ? Parts.Tail : Cell;
  vcl::TDateTime value = 0;
  const int code = ParseDateTimeText(text, Parts.Options, value);
  picker->SetDateTime(value);
  if (code != dtParsed && !text.empty()) {
    FUnreadDatePickers.push_back(picker);
    picker->SetOnChange([this, picker](vcl::TObject*) { std::erase(FUnreadDatePickers, picker); });
  }
  return picker;
}

void TReportListView::AddEditButtons(vcl::TForm& Form, int Widest, const vcl::String& OkCaption,
                                     const vcl::String& CancelCaption) {
  auto button = [&Form](const vcl::String& Caption, int Left, vcl::TModalResult Result) {
    auto* b = new vcl::TSpeedButton(&Form);
    b->SetParent(&Form);
    b->SetCaption(Caption);
    b->SetBounds(Left, 4, 81, 29);
    b->SetOnClick([&Form, Result](vcl::TObject*) { Form.SetModalResult(Result); });
    return b;
  };
  FSBERCancel = button(CancelCaption, Widest - 69, vcl::mrCancel);
  button(OkCaption, Widest - 154, vcl::mrOk);
}

void TReportListView::WriteBackEditFields(vcl::TForm& Form, int Row) {
  vcl::TPaintSuppressGuard quiet(*this);
  for (int i = 0; i < Form.ComponentCount(); ++i) {
    vcl::TComponent* c = Form.Components(i);
    const int col = static_cast<int>(c->Tag());
    if (NameHas(*c, u"runtime_rlre_Edit") || NameHas(*c, u"runtime_rlre_NumIO") ||
        (NameHas(*c, u"runtime_rlre_CBox") && !KeepsCell(*c))) {
      SetElem(col, Row, static_cast<vcl::TControl*>(c)->Text());
    } else if (NameHas(*c, u"runtime_rlre_DtPick")) {
      auto* picker = static_cast<vcl::TDateTimePicker*>(c);
      if (std::ranges::find(FUnreadDatePickers, picker) == FUnreadDatePickers.end())
        SetElem(col, Row, picker->DisplayText());
    }
  }
}

void TReportListView::FreeRuntimeControls(vcl::TForm& Form) {
  for (int i = Form.ComponentCount() - 1; i >= 0; --i) {
    vcl::TComponent* c = Form.Components(i);
    if (NameHas(*c, u"runtime_rlre_")) delete c;
  }
}

}  // namespace vyr
