// Menus of a form: a tree of items with caption, state and a click handler.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qd470::forms {

class MenuItem {
 public:
  MenuItem(std::string name, int index) : name_(std::move(name)), index_(index) {}
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const std::string& Name() const { return name_; }
  int Index() const { return index_; }
  std::string Caption;  // "-" makes a separator; "&" marks the access key
  bool Enabled = true;
  bool Visible = true;
  bool Checked = false;
  std::function<void()> Click;

  bool IsSeparator() const { return Caption == "-"; }
  const std::vector<MenuItem*>& Items() const { return items_; }
  // Runs Click when the item and every menu above it are enabled and visible.
  void RaiseClick();

 private:
  friend class Form;
  std::string name_;
  int index_;
  MenuItem* parent_ = nullptr;
  std::vector<MenuItem*> items_;
};

}  // namespace qd470::forms
