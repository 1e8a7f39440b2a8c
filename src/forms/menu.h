// Menus of a form: a tree of items with caption, state and a click handler.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/property.h"

namespace qd470::forms {

class Form;

class MenuItem : public ChangeSink {
 public:
  MenuItem(std::string name, int index) : name_(std::move(name)), index_(index) {}
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const std::string& Name() const { return name_; }
  int Index() const { return index_; }
  Property<std::string> Caption{this};  // "-" makes a separator; "&" marks the access key
  Property<bool> Enabled{this, true};
  Property<bool> Visible{this, true};
  Property<bool> Checked{this};
  std::function<void()> Click;

  bool IsSeparator() const { return Caption == "-"; }
  const std::vector<MenuItem*>& Items() const { return items_; }
  // Runs Click when the item and every menu above it are enabled and visible.
  void RaiseClick();
  // Puts the item on its form's list of changed menu items (once until the list is taken).
  void MarkChanged() override;

 private:
  friend class Form;
  std::string name_;
  int index_;
  MenuItem* parent_ = nullptr;
  Form* form_ = nullptr;
  bool changed_ = false;
  std::vector<MenuItem*> items_;
};

}  // namespace qd470::forms
