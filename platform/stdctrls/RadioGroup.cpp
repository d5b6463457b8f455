// TCustomRadioGroup: a group box of radio buttons made from its Items.
#include <algorithm>

#include "platform/ExtCtrls.h"
#include "platform/Streaming.h"
#include "platform/controls/Internal.h"
#include "platform/stdctrls/Measure.h"

namespace vcl {

TRect RadioGroupButtonRect(int Width, int Height, int TextHeight, int Count, int Columns,
                           int Index) {
  if (Count <= 0 || Index < 0 || Index >= Count) return TRect();
  Columns = std::clamp(Columns, 1, 16);
  int perColumn = (Count + Columns - 1) / Columns;
  int buttonWidth = std::max(0, (Width - 10) / Columns);
  int rows = std::max(0, Height - TextHeight - 5);
  int buttonHeight = rows / perColumn;
  int topMargin = TextHeight + 1 + (rows % perColumn) / 2;
  int left = (Index / perColumn) * buttonWidth + 8;
  int top = (Index % perColumn) * buttonHeight + topMargin;
  return Bounds(left, top, buttonWidth, buttonHeight);
}

TCustomRadioGroup::TCustomRadioGroup(TComponent* AOwner)
    : TCustomGroupBox(AOwner), FItems(std::make_unique<TStringList>()) {
  FItems->SetOnChange([this](TObject*) { ItemsChanged(); });
}

TCustomRadioGroup::~TCustomRadioGroup() {
  FItems->SetOnChange(nullptr);
  FButtons.clear();  // the buttons are owned, and freed, by the group
}

TRadioButton* TCustomRadioGroup::Buttons(int Index) const {
  if (Index < 0 || Index >= ButtonCount()) return nullptr;
  return FButtons[static_cast<std::size_t>(Index)];
}

void TCustomRadioGroup::SetItemIndex(int Value) {
  if (ComponentState().Contains(csLoading)) {
    FItemIndex = Value;
    return;
  }
  Value = std::clamp(Value, -1, FItems->Count() - 1);
  if (FItemIndex == Value) return;
  FItemIndex = Value;
  UpdateButtons();
  Click();
}

void TCustomRadioGroup::SetColumns(int Value) {
  Value = std::clamp(Value, 1, 16);
  if (FColumns == Value) return;
  FColumns = Value;
  ArrangeButtons();
  Invalidate();
}

void TCustomRadioGroup::Loaded() {
  TCustomGroupBox::Loaded();
  FItemIndex = std::clamp(FItemIndex, -1, FItems->Count() - 1);
  ItemsChanged();
}

// One button per item, made or freed to match; captions, checks and places
// follow. The item index stays on its item when it still exists.
void TCustomRadioGroup::ItemsChanged() {
  int count = FItems->Count();
  while (ButtonCount() > count) {
    TRadioButton* last = FButtons.back();
    FButtons.pop_back();
    delete last;
  }
  while (ButtonCount() < count) {
    auto* button = new TRadioButton(this);
    int index = ButtonCount();
    button->SetOnClick([this, index](TObject*) { ButtonClicked(index); });
    button->SetParent(this);
    FButtons.push_back(button);
  }
  for (int i = 0; i < count; ++i) FButtons[static_cast<std::size_t>(i)]->SetCaption(FItems->Strings(i));
  if (!ComponentState().Contains(csLoading)) FItemIndex = std::min(FItemIndex, count - 1);
  UpdateButtons();
  ArrangeButtons();
}

void TCustomRadioGroup::UpdateButtons() {
  FUpdating = true;
  for (int i = 0; i < ButtonCount(); ++i) {
    TRadioButton* b = FButtons[static_cast<std::size_t>(i)];
    b->SetEnabled(Enabled());
    b->SetChecked(i == FItemIndex);
  }
  FUpdating = false;
}

void TCustomRadioGroup::ArrangeButtons() {
  int text = stdctrls::FontTextHeight(*Font());
  for (int i = 0; i < ButtonCount(); ++i) {
    FButtons[static_cast<std::size_t>(i)]->SetBoundsRect(
        RadioGroupButtonRect(Width(), Height(), text, ButtonCount(), FColumns, i));
  }
}

// A button checked by the user (click, space, arrows) moves the index.
void TCustomRadioGroup::ButtonClicked(int Index) {
  if (FUpdating || FItemIndex == Index) return;
  FItemIndex = Index;
  Click();
}

void TCustomRadioGroup::SizeChanged(int DeltaWidth, int DeltaHeight) {
  TCustomGroupBox::SizeChanged(DeltaWidth, DeltaHeight);
  ArrangeButtons();
}

void TCustomRadioGroup::CMFontChanged(TMessage& Message) {
  TCustomGroupBox::CMFontChanged(Message);
  ArrangeButtons();
}

void TCustomRadioGroup::CMEnabledChanged(TMessage& Message) {
  TCustomGroupBox::CMEnabledChanged(Message);
  UpdateButtons();
}

namespace {

bool RegisterRadioGroup() {
  using R = TCustomRadioGroup;
  RegisterClass<R, TCustomGroupBox>(u"TCustomRadioGroup")
      .Property(u"Columns", &R::Columns, &R::SetColumns, 1)
      .Property(u"ItemIndex", &R::ItemIndex, &R::SetItemIndex, -1)
      .Sample([](R& g, int Attempt) {  // an index needs an item
        if (Attempt > 0) return false;
        g.Items()->Add(u"x");
        g.SetItemIndex(g.Items()->Count() - 1);
        return true;
      })
      .Strings(u"Items", [](R& g) { return g.Items(); });
  RegisterClass<TRadioGroup, TCustomRadioGroup>(u"TRadioGroup");
  return true;
}

const bool registered = RegisterRadioGroup();

}  // namespace

}  // namespace vcl
