// The report list, interactive: a header click sorts by that column (again:
// the other way), the "Active" boxes and the "Lead" radio buttons toggle on
// a click, the "Note" and "City" columns edit in place (F2, Enter or a
// typed character), a double click on a row opens the edit-row dialog made
// from the column formats, and the filter box filters as you type in the
// mode chosen beside it (simple, boolean or regular expression).
#include "Pages.h"
#include "VYR_replist/VYR_replist.h"
#include "platform/Grids.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

using namespace vcl;

namespace {

struct TPerson {
  const char16_t* Name;
  const char16_t* City;
  const char16_t* Number;
  const char16_t* Joined;
  const char16_t* Status;
  const char16_t* Note;
};

const TPerson kPeople[] = {
    {u"Martin Holm", u"New York", u"104233", u"12.03.2019", u"open", u"prefers mail"},
    {u"Johan Berg", u"Oslo", u"220871", u"01.07.2020", u"closed", u""},
    {u"Maria Lind", u"New York", u"318002", u"23.11.2018", u"on hold", u"call after 5"},
    {u"Jonathan Reyes", u"Lisbon", u"402215", u"05.05.2021", u"open", u"new York office"},
    {u"Ana Sousa", u"Porto", u"511348", u"17.09.2017", u"open", u""},
    {u"Malin Ek", u"Uppsala", u"600190", u"30.01.2022", u"closed", u"moved"},
    {u"Joanna Kim", u"Seoul", u"713377", u"14.02.2016", u"open", u"VIP"},
    {u"Mads Jensen", u"Aarhus", u"804450", u"09.08.2023", u"on hold", u""},
    {u"Sven Olsen", u"Bergen", u"915002", u"21.06.2015", u"open", u"Bergen branch"},
    {u"Jon Arnason", u"Reykjavik", u"990120", u"03.12.2020", u"open", u""},
};

// Holds the page's controls for its handlers; owned (and freed) by the form.
class TReportListPage : public showcase::TPageHolder {
 public:
  explicit TReportListPage(showcase::TPageContext& P) : TPageHolder(P) {
    BuildList();
    BuildFilterBar();
  }

 private:
  void BuildList() {
    FList = Make<vyr::TReportListView>(12, 44, 1056, 364);
    FList->SetSuppressPaint(true);
    FList->SetNrOfColumns(8);
    struct Column { const char16_t* Head; const char16_t* Format; };
    const Column cols[] = {
        {u"Name", u"[s][160]"},
        {u"City", u"[c:6][140]New York|Oslo|Lisbon|Porto|Seoul|Bergen"},
        {u"Number", u"[i][80]rix6"},
        {u"Joined", u"[ddd.MM.yyyy][110]"},
        {u"Status", u"[l][100]open|closed|on hold"},
        {u"Note", u"[s][220]"},
        {u"Active", u"[#s][60]"},
        {u"Lead", u"[#s][60]"},
    };
    for (int c = 1; c <= 8; ++c) {
      FList->SetHeader(c, cols[c - 1].Head);
      FList->SetColumnFormat(c, cols[c - 1].Format);
    }
    FList->SetColumnCheckMode(7, vyr::cmBox);
    FList->SetColumnCheckMode(8, vyr::cmRadio);
    FList->SetColumnAlignment(3, taRightJustify);
    FList->SetColumnEditable(2, true);
    FList->SetColumnEditable(6, true);
    FList->SetOptions(FList->Options() << goEditing);
    const int n = static_cast<int>(std::size(kPeople));
    FList->SetNrOfRows(n);
    for (int r = 1; r <= n; ++r) {
      const TPerson& p = kPeople[r - 1];
      const char16_t* texts[] = {p.Name, p.City, p.Number, p.Joined, p.Status, p.Note, u"", u""};
      for (int c = 1; c <= 8; ++c) FList->SetElem(c, r, texts[c - 1]);
      FList->SetElemChecked(7, r, r % 3 != 0);
    }
    FList->SetElemChecked(8, 3, true);
    FList->SetRowColPattern(1);
    FList->FitAllColWidths(6, true, 12, 220, 24);
    FList->SetOnCheckedChange([this](TObject*, bool& State, int Col, int Row) {
      FSay(FList->Header(Col) + u" of " + FList->Elem(1, Row) + (State ? u": was on" : u": was off"));
    });
    FList->SetOnDblClick([this](TObject*) { EditCurrentRow(); });
    FList->SetSuppressPaint(false);
  }

  void BuildFilterBar() {
    Caption(u"Filter:", 12, 14);
    FFilter = Make<TEdit>(56, 10, 300, 24);
    FFilter->SetText(u"");
    FMode = Make<TComboBox>(366, 10, 150, 24);
    FMode->SetStyle(csDropDownList);
    for (const char16_t* m : {u"Simple", u"Boolean", u"Regular expression"}) FMode->Items()->Add(m);
    FMode->SetItemIndex(1);
    FCase = Make<TCheckBox>(528, 12, 120, 20);
    FCase->SetCaption(u"Ignore case");
    FCase->SetChecked(true);
    Caption(u"e.g.  \"New York\" && !(closed | \"on hold\")   —   double click: edit row", 660, 14);
    FFilter->SetOnChange([this](TObject*) { Refilter(); });
    FMode->SetOnChange([this](TObject*) { Refilter(); });
    FCase->SetOnClick([this](TObject*) { Refilter(); });
  }

  void Refilter() {
    const auto mode = static_cast<vyr::TFilterMode>(std::max(0, FMode->ItemIndex()));
    try {
      const int found = FList->FilterAndSort(FFilter->Text(), {}, FCase->Checked(), mode,
                                             std::max(1, FList->LastSortColumn()), FList->LastSortOrder());
      String text = IntToStr(found) + u" of " + IntToStr(FList->NrOfRows()) + u" rows match";
      if (FList->FilterLimitHits() > 0)
        text += u" (" + IntToStr(FList->FilterLimitHits()) + u" rows reached the match limit)";
      FSay(text);
    } catch (const vyr::EVYRRepListError& e) {
      FSay(e.Message());
    }
  }

  void EditCurrentRow() {
    const int row = FList->Row() - FList->FixedRows() + 1;
    if (row < 1 || row > FList->NrOfRows()) return;
    const int result = FList->EditRowEntries(row, 120, 120);
    FSay(result == mrOk ? u"Row " + IntToStr(row) + u" saved" : u"Editing cancelled");
  }

  vyr::TReportListView* FList = nullptr;
  TEdit* FFilter = nullptr;
  TComboBox* FMode = nullptr;
  TCheckBox* FCase = nullptr;
};

void BuildReportList(showcase::TPageContext& P) { new TReportListPage(P); }

}  // namespace

SHOWCASE_PAGE(25, u"Report list", "reportlist", BuildReportList)
