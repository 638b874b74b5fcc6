#pragma once
// The result of reading or writing a file: a value, or the reason it failed as
// a short human sentence ("the directory is cut short"). Callers put the file
// name in front: "<file>: <reason>".

#include <optional>
#include <string>
#include <utility>

namespace gs {

template <class T = void>
class Outcome {
 public:
  Outcome(T value) : value_(std::move(value)) {}
  static Outcome Failure(std::string reason) { return Outcome(std::move(reason), 0); }

  explicit operator bool() const { return value_.has_value(); }
  const T& Value() const& { return *value_; }
  T& Value() & { return *value_; }
  T&& Value() && { return std::move(*value_); }
  const T& operator*() const& { return *value_; }
  T& operator*() & { return *value_; }
  const T* operator->() const { return &*value_; }
  T* operator->() { return &*value_; }
  // Empty on success.
  const std::string& Reason() const { return reason_; }

 private:
  Outcome(std::string reason, int) : reason_(std::move(reason)) {}
  std::optional<T> value_;
  std::string reason_;
};

template <>
class Outcome<void> {
 public:
  Outcome() = default;
  static Outcome Failure(std::string reason) {
    Outcome o;
    o.failed_ = true;
    o.reason_ = std::move(reason);
    return o;
  }
  explicit operator bool() const { return !failed_; }
  const std::string& Reason() const { return reason_; }

 private:
  bool failed_ = false;
  std::string reason_;
};

// "<file>: <reason>", the form every message about a file takes.
inline std::string FileMessage(const std::string& path, const std::string& reason) { return path + ": " + reason; }

}  // namespace gs
