// kd_make_template <output.pro> <script folder>: builds the template
// projected-stats database from the folder's SQL scripts.

#include <cstdio>
#include <string>

#include "tools/TemplateDatabase.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: kd_make_template <output.pro> <script folder>\n");
    return 2;
  }
  std::string error;
  if (!templatedb::Build(argv[1], templatedb::ScriptPaths(argv[2]), &error)) {
    std::fprintf(stderr, "kd_make_template: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
