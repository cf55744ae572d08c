#pragma once
// A value held through a shared pointer: a copy of the holder gets a copy of
// the value, unless holders are linked on purpose (Link), after which they
// read and change one value. Own gives a linked holder its own copy again.
// The teams of a draft mark every pick in each other's stacks alike, so their
// drafted marks and league counts are linked while they agree.

#include <memory>

template <typename T>
class Linked {
 public:
  Linked() : value_(std::make_shared<T>()) {}
  // A move copies too, so that no holder is ever left without a value.
  Linked(const Linked& other) : value_(std::make_shared<T>(*other.value_)) {}
  Linked& operator=(const Linked& other) {
    if (this != &other) value_ = std::make_shared<T>(*other.value_);
    return *this;
  }
  ~Linked() = default;

  T& operator*() const { return *value_; }
  T* operator->() const { return value_.get(); }

  void Link(const Linked& other) { value_ = other.value_; }
  bool LinkedTo(const Linked& other) const { return value_ == other.value_; }
  void Own() {
    if (value_.use_count() > 1) value_ = std::make_shared<T>(*value_);
  }

 private:
  std::shared_ptr<T> value_;
};
