// A shown property of a control or menu item: assigning a different value marks its owner as
// changed, so that a renderer visits only what changed; reading gives the value itself.
#pragma once

#include <concepts>
#include <ostream>
#include <type_traits>
#include <utility>

namespace qd470::forms {

// What owns shown properties: told when one of them takes a new value.
class ChangeSink {
 public:
  virtual void MarkChanged() = 0;

 protected:
  ~ChangeSink() = default;
};

template <class T>
class Property {
 public:
  explicit Property(ChangeSink* owner, T value = T()) : owner_(owner), value_(std::move(value)) {}
  Property(const Property&) = delete;
  Property& operator=(const Property& other) { return *this = other.value_; }

  template <class U>
  requires std::assignable_from<T&, U&&> Property& operator=(U&& value) {
    if constexpr (std::same_as<std::remove_cvref_t<U>, T>) {
      if (value_ == value) return *this;
      value_ = std::forward<U>(value);
    } else {
      T v(std::forward<U>(value));
      if (value_ == v) return *this;
      value_ = std::move(v);
    }
    owner_->MarkChanged();
    return *this;
  }

  operator const T&() const { return value_; }  // NOLINT: reads as the value
  const T& get() const { return value_; }
  const T* operator->() const { return &value_; }

  template <class U>
  Property& operator+=(const U& d) {
    return *this = value_ + d;
  }
  template <class U>
  Property& operator-=(const U& d) {
    return *this = value_ - d;
  }

  friend bool operator==(const Property& a, const Property& b) { return a.value_ == b.value_; }
  friend bool operator==(const Property& a, const T& b) { return a.value_ == b; }
  friend std::ostream& operator<<(std::ostream& os, const Property& p) requires requires {
    os << p.value_;
  }
  { return os << p.value_; }

 private:
  ChangeSink* owner_;
  T value_;
};

}  // namespace qd470::forms
