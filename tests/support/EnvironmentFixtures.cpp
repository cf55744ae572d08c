#include "EnvironmentFixtures.h"

#include <cstdlib>

namespace kdtest {

ScopedEnv::ScopedEnv(const char* name, const char* value) : name_(name) {
  const char* old = std::getenv(name);
  had_ = old != nullptr;
  if (had_) old_ = old;
  if (value == nullptr) {
    ::unsetenv(name);
  } else {
    ::setenv(name, value, 1);
  }
}

ScopedEnv::~ScopedEnv() {
  if (had_) {
    ::setenv(name_.c_str(), old_.c_str(), 1);
  } else {
    ::unsetenv(name_.c_str());
  }
}

TempHome::TempHome()
    : homeValue_(dir_.Path() + "home"),
      dataDirsValue_(dir_.Path() + "allusers"),
      home_("HOME", homeValue_.c_str()),
      documents_("XDG_DOCUMENTS_DIR", nullptr),
      dataHome_("XDG_DATA_HOME", nullptr),
      configHome_("XDG_CONFIG_HOME", nullptr),
      dataDirs_("XDG_DATA_DIRS", dataDirsValue_.c_str()) {}

}  // namespace kdtest
