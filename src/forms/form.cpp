// Forms: control registry, option groups, menus.
#include "forms/form.h"

#include <stdexcept>

namespace qd470::forms {

void Form::Register(std::unique_ptr<Control> control) {
  auto key = std::make_pair(control->Name(), control->Index());
  if (by_name_.count(key)) throw std::logic_error("duplicate control " + control->FullName());
  by_name_[key] = control.get();
  control->form_ = this;
  control->order_ = static_cast<int>(controls_.size());
  if (control->changed_) changed_controls_.push_back(control.get());
  if (auto* option = dynamic_cast<OptionButton*>(control.get())) {
    auto& group = option_groups_[option->Parent];
    group.push_back(option);
    option->group_ = &group;
  }
  if (auto* timer = dynamic_cast<Timer*>(control.get())) timers_.push_back(timer);
  controls_.push_back(std::move(control));
}

MenuItem& Form::AddMenu(const std::string& name, MenuItem* parent, int index) {
  menus_.push_back(std::make_unique<MenuItem>(name, index));
  MenuItem& item = *menus_.back();
  item.parent_ = parent;
  item.form_ = this;
  if (parent) {
    parent->items_.push_back(&item);
  } else {
    menu_bar_.push_back(&item);
  }
  return item;
}

Control* Form::Find(const std::string& name, int index) const {
  auto it = by_name_.find({name, index});
  return it == by_name_.end() ? nullptr : it->second;
}

MenuItem* Form::FindMenu(const std::string& name) const {
  for (const auto& m : menus_) {
    if (m->Name() == name) return m.get();
  }
  return nullptr;
}

void Form::TakeChanged(std::vector<Control*>& controls, std::vector<MenuItem*>& menus) {
  controls.clear();
  menus.clear();
  controls.swap(changed_controls_);
  menus.swap(changed_menus_);
  for (Control* c : controls) c->changed_ = false;
  for (MenuItem* m : menus) m->changed_ = false;
}

std::vector<Control*> Form::Children(const Control* parent, int tab) const {
  std::vector<Control*> out;
  for (const auto& c : controls_) {
    if (c->Parent == parent && (tab < 0 || c->ParentTab == tab)) out.push_back(c.get());
  }
  return out;
}

}  // namespace qd470::forms
