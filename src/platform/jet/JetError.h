#pragma once
// The one error type of the database layer. Every failure of SQLite, of a
// cursor operation used out of turn, or of a value that does not fit its
// field is raised as a JetError; callers that must not throw catch it at
// their boundary.

#include <stdexcept>
#include <string>

namespace jet {

class JetError : public std::runtime_error {
 public:
  // `code` is the SQLite result code, or 0 for errors the layer detects itself.
  explicit JetError(const std::string& message, int code = 0) : std::runtime_error(message), code_(code) {}
  int Code() const { return code_; }

 private:
  int code_;
};

}  // namespace jet
