#pragma once
// A page is the boundary for errors: what the libraries below throw while a
// page handles a command (a database that refuses a value, a damaged
// document that got past its reader) must not end the program or leave the
// page half-way. Handlers that reach those libraries run through Run.

#include <functional>
#include <string>

namespace basPageGuard {

// Runs the handler. An exception becomes one message under `caption`
// (" " + what it says) and Run answers False; the page stays as the handler
// left it, usable.
bool Run(const std::string& caption, const std::function<void()>& handler);

}  // namespace basPageGuard
