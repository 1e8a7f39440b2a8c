// Behaviour of the controls: list selection, option groups, tabs, drawing.
#include "forms/control.h"

#include "forms/form.h"
#include "forms/menu.h"

namespace qd470::forms {

std::string Control::FullName() const {
  return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

bool Control::ShownInForm() const {
  for (const Control* c = this; c; c = c->Parent) {
    if (!c->Visible) return false;
  }
  return true;
}

bool Control::EnabledInForm() const {
  for (const Control* c = this; c; c = c->Parent) {
    if (!c->Enabled) return false;
  }
  return true;
}

void Control::MarkChanged() {
  if (changed_) return;
  changed_ = true;
  if (form_) form_->changed_controls_.push_back(this);
}

void ComboBox::RemoveItem(int i) {
  if (i < 0 || i >= ListCount()) return;
  MarkChanged();
  items_.erase(items_.begin() + i);
  if (list_index_ == i) {
    list_index_ = -1;
  } else if (list_index_ > i) {
    --list_index_;
  }
}

void ComboBox::Clear() {
  if (items_.empty() && list_index_ < 0) return;
  items_.clear();
  list_index_ = -1;
  MarkChanged();
}

void ComboBox::SetListIndex(int i) {
  if (i < -1 || i >= ListCount()) i = -1;
  if (list_index_ != i) MarkChanged();
  list_index_ = i;
  if (i >= 0 && Click) Click();
}

void TextBox::SetText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  MarkChanged();
  if (Change) Change();
}

void OptionButton::SetValue(bool v) {
  if (!v) {
    if (value_) MarkChanged();
    value_ = false;
    return;
  }
  if (group_) {
    for (OptionButton* other : *group_) {
      if (other != this && other->value_) other->SetValue(false);
    }
  }
  if (!value_) MarkChanged();
  value_ = true;
  if (Click) Click();
}

void TabControl::SetTabs(int count) {
  captions_.assign(static_cast<size_t>(count), "");
  enabled_.assign(static_cast<size_t>(count), true);
  tab_ = 0;
  MarkChanged();
}

TabControl::CaptionRef& TabControl::CaptionRef::operator=(std::string text) {
  std::string& caption = tab_.captions_.at(static_cast<size_t>(i_));
  if (caption != text) {
    caption = std::move(text);
    tab_.MarkChanged();
  }
  return *this;
}

void TabControl::SetTabEnabled(int i, bool on) {
  if (enabled_.at(static_cast<size_t>(i)) != on) MarkChanged();
  enabled_.at(static_cast<size_t>(i)) = on;
  if (!on && tab_ == i) tab_ = 0;
}

bool TabControl::SetTab(int i) {
  if (i < 0 || i >= Tabs() || !TabEnabled(i)) return false;
  if (tab_ != i) MarkChanged();
  tab_ = i;
  if (Click) Click();
  return true;
}

void PictureBox::Scale(double x1, double y1, double x2, double y2) {
  ScaleLeft = x1;
  ScaleTop = y1;
  ScaleWidth = x2 - x1;
  ScaleHeight = y2 - y1;
  Revise();
}

void PictureBox::Line(double x1, double y1, double x2, double y2, uint32_t color) {
  commands_.push_back({DrawCommand::Type::kLine, x1, y1, x2, y2, color});
  Revise();
}

void PictureBox::PSet(double x, double y, uint32_t color) {
  commands_.push_back({DrawCommand::Type::kPoint, x, y, x, y, color});
  Revise();
}

void UpDown::SetValue(int v) {
  if (v == value_) return;
  value_ = v;
  MarkChanged();
  if (Change) Change();
}

void MenuItem::MarkChanged() {
  if (changed_) return;
  changed_ = true;
  if (form_) form_->changed_menus_.push_back(this);
}

void MenuItem::RaiseClick() {
  for (const MenuItem* m = this; m; m = m->parent_) {
    if (!m->Enabled || !m->Visible) return;
  }
  if (Click) Click();
}

}  // namespace qd470::forms
