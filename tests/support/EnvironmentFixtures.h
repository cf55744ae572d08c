#pragma once
// Environment variables set for one test and restored afterwards, and a
// temporary home with the XDG folders pointed into it.

#include <string>

#include "TempDir.h"

namespace kdtest {

class ScopedEnv {
 public:
  // A null value unsets the variable.
  ScopedEnv(const char* name, const char* value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  std::string old_;
  bool had_ = false;
};

// HOME = <temp>/home/, the documents, data-home and config-home variables
// unset (so the program falls back to HOME), and XDG_DATA_DIRS = <temp>/allusers/, which
// is where the all-users tree goes. Nothing is created but the temp folder.
class TempHome {
 public:
  TempHome();
  const std::string& Root() const { return dir_.Path(); }
  std::string Home() const { return dir_.Path() + "home/"; }
  std::string AllUsers() const { return dir_.Path() + "allusers/"; }
  // <allusers>/Vellacorn/Kickwell Draftyard/dat/
  std::string SourceTree() const { return AllUsers() + "Vellacorn/Kickwell Draftyard/dat/"; }
  // <home>/.local/share/Vellacorn/Kickwell Draftyard/dat/
  std::string WorkFolder() const { return Home() + ".local/share/Vellacorn/Kickwell Draftyard/dat/"; }

 private:
  TempDir dir_;
  std::string homeValue_;
  std::string dataDirsValue_;
  ScopedEnv home_;
  ScopedEnv documents_;
  ScopedEnv dataHome_;
  ScopedEnv configHome_;
  ScopedEnv dataDirs_;
};

}  // namespace kdtest
