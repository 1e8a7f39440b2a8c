// A control array: a sparse map from index to member, written Name(i) as in the screens.
#pragma once

#include <map>
#include <stdexcept>
#include <string>

namespace qd470::forms {

template <class T>
class ControlArray {
 public:
  T& operator()(int i) const {
    auto it = members_.find(i);
    if (it == members_.end()) throw std::out_of_range("no member " + std::to_string(i));
    return *it->second;
  }
  bool Has(int i) const { return members_.count(i) != 0; }
  int Count() const { return static_cast<int>(members_.size()); }
  void Add(int i, T* member) { members_[i] = member; }
  auto begin() const { return members_.begin(); }
  auto end() const { return members_.end(); }

 private:
  std::map<int, T*> members_;
};

}  // namespace qd470::forms
