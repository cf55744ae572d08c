// main() for widget tests: a QApplication on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

// A thread that looked up a host name keeps glibc's resolver state until it
// ends; when the process ends first, the leak checker counts that state as
// lost. Only the tests of an unknown host look a name up, and the state is
// the system library's, never ours.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_suppressions() { return "leak:__res_context_send\n"; }

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
