#pragma once
// The one error type of the database layer. Every failure of SQLite, of a
// cursor operation used out of turn, or of a value that does not fit its
// field is raised as a JetError; callers that must not throw catch it at
// their boundary.

#include <new>
#include <stdexcept>
#include <string>

namespace jet {

class JetError : public std::runtime_error {
 public:
  // `code` is the SQLite result code, or 0 for errors the layer detects
  // itself. SQLite's own texts ("no such table: tblStat2") name no file, so
  // the database file they come from is given as `file` and named in what().
  explicit JetError(const std::string& message, int code = 0, const std::string& file = {})
      : std::runtime_error(file.empty() ? message : message + " in '" + file + "'"), code_(code), reason_(message) {}
  int Code() const { return code_; }
  // The message without the file.
  const std::string& Reason() const { return reason_; }

 private:
  int code_;
  std::string reason_;
};

// Runs `work`; an allocation that fails inside it (a file whose rows need
// more memory than there is) becomes a JetError naming what `describe`
// answers, so that callers see the layer's one error type.
template <typename Describe, typename Work>
auto WithMemoryErrors(Describe&& describe, Work&& work) -> decltype(work()) {
  constexpr int kNoMemory = 7;  // SQLITE_NOMEM
  try {
    return work();
  } catch (const std::bad_alloc&) {
    throw JetError("Not enough memory to read " + describe() + ".", kNoMemory);
  } catch (const std::length_error&) {
    throw JetError("Not enough memory to read " + describe() + ".", kNoMemory);
  }
}

}  // namespace jet
