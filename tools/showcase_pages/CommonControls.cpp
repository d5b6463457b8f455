// The common controls: a date picker with its drop-down calendar, a time
// picker, a picker with a check box and limits, and a tree view whose
// branches are filled only when they are first opened.
#include "Pages.h"
#include "platform/ComCtrls.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

using namespace vcl;

namespace {

// Holds the page's controls for its handlers; owned (and freed) by the form.
class TCommonPage : public showcase::TPageHolder {
 public:
  explicit TCommonPage(showcase::TPageContext& P) : TPageHolder(P) {
    BuildPickers();
    BuildTree();
  }

 private:
  // A fixed date keeps the page's picture the same from day to day.
  void BuildPickers() {
    TDateTime when = EncodeDateTime(2024, 8, 28, 14, 30, 0, 0);
    Caption(u"Date (F4 or the button shows the calendar):", 12, 14);
    auto* date = Make<TDateTimePicker>(12, 32, 186, 21);
    date->SetDateTime(when);
    date->SetOnChange([this, date](TObject*) { FSay(u"Date: " + date->DisplayText()); });

    Caption(u"Time (arrows, digits, a/p):", 12, 66);
    auto* time = Make<TDateTimePicker>(12, 84, 186, 21);
    time->SetKind(dtkTime);
    time->SetDateTime(when);
    time->SetOnChange([this, time](TObject*) { FSay(u"Time: " + time->DisplayText()); });

    Caption(u"Own format, check box, this year only:", 12, 118);
    auto* own = Make<TDateTimePicker>(12, 136, 230, 21);
    own->SetFormat(u"dddd, d MMMM yyyy");
    own->SetShowCheckbox(true);
    own->SetMinDate(EncodeDate(2024, 1, 1));
    own->SetMaxDate(EncodeDate(2024, 12, 31));
    own->SetDateTime(when);
    own->SetOnChange([this, own](TObject*) {
      FSay(own->Checked() ? u"Own format: " + own->DisplayText() : String(u"Own format: no date"));
    });

    Caption(u"Long date, up/down arrows:", 12, 170);
    auto* updown = Make<TDateTimePicker>(12, 188, 230, 21);
    updown->SetDateFormat(dfLong);
    updown->SetDateMode(dmUpDown);
    updown->SetDateTime(when);
  }

  // Folders of a small made-up disk: every folder promises children and
  // gets them when it is first opened (its Data marks it loaded).
  void BuildTree() {
    Caption(u"Tree (F2 or a slow click renames; + - * expand):", 300, 14);
    FTree = Make<TTreeView>(300, 32, 300, 360);
    FTree->SetHideSelection(false);
    FTree->SetOnExpanding([this](TObject*, TTreeNode* Node, bool&) { Load(Node); });
    FTree->SetOnChange([this](TObject*, TTreeNode* Node) {
      if (Node != nullptr)
        FSay(u"Selected: " + Node->Text() + u" (level " + IntToStr(Node->Level()) + u")");
    });
    FTree->SetOnEdited([this](TObject*, TTreeNode*, String& S) { FSay(u"Renamed to " + S); });
    FTree->Items()->BeginUpdate();
    for (const char16_t* name : {u"Documents", u"Music", u"Pictures", u"Projects"}) {
      FTree->Items()->Add(nullptr, name)->SetHasChildren(true);
    }
    FTree->Items()->EndUpdate();
    TTreeNode* projects = FTree->Items()->Item(3);
    projects->Expand(false);
    projects->Item(0)->Expand(false);
    FTree->SetSelected(projects->Item(0)->Item(1));
  }

  void Load(TTreeNode* Node) {
    static const char16_t marker = 0;
    if (Node->Data() != nullptr) return;
    Node->SetData(const_cast<char16_t*>(&marker));
    int level = Node->Level();
    String stem = level == 0 ? Node->Text() + u" " : Node->Text() + u".";
    for (int i = 1; i <= 3; ++i) {
      TTreeNode* child = FTree->Items()->AddChild(Node, stem + IntToStr(i));
      child->SetHasChildren(level < 2 && i != 2);
    }
  }

  TTreeView* FTree = nullptr;
};

void BuildCommonControls(showcase::TPageContext& P) { new TCommonPage(P); }

}  // namespace

SHOWCASE_PAGE(20, u"Common controls", "common", BuildCommonControls)
