#include "controls/KvRadioGroup.h"

#include <algorithm>

#include "platform/classes/ClassDecl.h"
#include "platform/controls/Application.h"
#include "platform/graphics/Fonts.h"

const TClassInfo& TKvGroupButton::StaticClass() {
  static const TClassInfo info = DescribeClass<TKvGroupButton>("TKvGroupButton");
  return info;
}

TKvGroupButton::TKvGroupButton(TComponent* owner, TKvRadioGroup& group) : TKvRadioButton(owner), group_(group) {
  InitVisible(false);
  SetEnabled(group.Enabled());
  SetParentShowHint(false);
  OnClick = Bind<&TKvRadioGroup::ButtonClick>(&group);
  SetParent(&group);
}

void TKvGroupButton::WndProc(TMessage& message) {
  if (message.Msg != CN_COMMAND) return TKvRadioButton::WndProc(message);
  if (inClick_) return;
  inClick_ = true;
  try {
    if (group_.AllowsChange()) TKvRadioButton::WndProc(message);
  } catch (const std::exception& e) {
    Application->HandleException(this, e);
  }
  inClick_ = false;
}

void TKvGroupButton::KeyDown(WORD& key, TShiftState shift) {
  TKvRadioButton::KeyDown(key, shift);
  group_.KeyDown(key, shift);
}

void TKvGroupButton::KeyPress(char& key) {
  TKvRadioButton::KeyPress(key);
  group_.KeyPress(key);
  if ((key == ' ' || key == VK_BACK) && !group_.AllowsChange()) key = 0;
}

const TClassInfo& TKvRadioGroup::StaticClass() {
  static const TClassInfo info = DescribeClass<TKvRadioGroup>(
      "TKvRadioGroup", {Prop("Caption", &TKvRadioGroup::Caption, &TKvRadioGroup::SetCaption),
                        Prop("Items", &TKvRadioGroup::Items, &TKvRadioGroup::SetItems),
                        Prop("ItemIndex", &TKvRadioGroup::ItemIndex, &TKvRadioGroup::SetItemIndex),
                        Prop("Columns", &TKvRadioGroup::Columns, &TKvRadioGroup::SetColumns)});
  return info;
}

TKvRadioGroup::TKvRadioGroup(TComponent* owner) : TCustomGroupBox(owner), items_(std::make_unique<TStrings>()) {
  items_->OnChange = [this] { ItemsChanged(); };
}

void TKvRadioGroup::SetItems(TStrings* items) {
  if (items) items_->Assign(*items);
}

void TKvRadioGroup::SetItemIndex(int index) {
  if (IsLoading()) {
    itemIndex_ = index;
    return;
  }
  index = std::clamp(index, -1, ButtonCount() - 1);
  if (index == itemIndex_) return;
  if (itemIndex_ >= 0) Buttons(itemIndex_)->SetChecked(false);
  itemIndex_ = index;
  if (itemIndex_ >= 0) Buttons(itemIndex_)->SetChecked(true);
}

void TKvRadioGroup::SetColumns(int columns) {
  columns = std::clamp(columns, 1, 16);
  if (columns == columns_) return;
  columns_ = columns;
  ArrangeButtons();
  Invalidate();
}

void TKvRadioGroup::ItemsChanged() {
  if (IsLoading()) return;
  if (itemIndex_ >= items_->Count()) itemIndex_ = items_->Count() - 1;
  UpdateButtons();
}

void TKvRadioGroup::ButtonClick(TObject* sender) {
  if (updating_) return;
  auto found = std::find(buttons_.begin(), buttons_.end(), sender);
  itemIndex_ = static_cast<int>(found - buttons_.begin());
  Click();
}

void TKvRadioGroup::UpdateButtons() {
  while (ButtonCount() > items_->Count()) {
    buttons_.back()->Free();
    buttons_.pop_back();
  }
  while (ButtonCount() < items_->Count()) buttons_.push_back(New<TKvGroupButton>(this, *this));
  for (int i = 0; i < ButtonCount(); ++i) Buttons(i)->SetCaption(items_->Strings(i));
  if (itemIndex_ >= 0) {
    updating_ = true;
    Buttons(itemIndex_)->SetChecked(true);
    updating_ = false;
  }
  ArrangeButtons();
  Invalidate();
}

void TKvRadioGroup::ArrangeButtons() {
  if (IsLoading() || buttons_.empty()) return;
  int textHeight = TextHeightIn(*Font());
  int count = ButtonCount();
  int rows = (count + columns_ - 1) / columns_;
  int buttonWidth = (Width() - 10) / columns_;
  int rest = Height() - textHeight - 5;
  int buttonHeight = rest / rows;
  int topMargin = textHeight + 1 + (rest % rows) / 2;
  for (int k = 0; k < count; ++k) {
    TKvGroupButton* button = Buttons(k);
    button->SetBounds((k / rows) * buttonWidth + 8, (k % rows) * buttonHeight + topMargin, buttonWidth, buttonHeight);
    button->Show();
  }
}

void TKvRadioGroup::Loaded() {
  TCustomGroupBox::Loaded();
  // A stored index beyond the stored items names no button.
  itemIndex_ = std::clamp(itemIndex_, -1, items_->Count() - 1);
  UpdateButtons();
}

void TKvRadioGroup::FontChanged() {
  TCustomGroupBox::FontChanged();
  ArrangeButtons();
}

void TKvRadioGroup::EnabledChanged() {
  TCustomGroupBox::EnabledChanged();
  for (TKvGroupButton* button : buttons_) button->SetEnabled(Enabled());
}

void RegisterKvRadioGroupClass() { RegisterClass(TKvRadioGroup::StaticClass()); }
