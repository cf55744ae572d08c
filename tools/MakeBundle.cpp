// kd_make_bundle: writes the documents of the bundled all-users tree.
//
//   kd_make_bundle masters  <template.pro> <nfl data folder> <year> <out.kwr>
//   kd_make_bundle maps     <nfl data folder> <def folder> <CatID>...
//   kd_make_bundle scoring  <template.pro> <recipe.txt> <out.sco>
//   kd_make_bundle strategy <template.pro> <recipe.txt> <out.stg>
//   kd_make_bundle league   <template.pro> <recipe.txt> <out.lgp>
//   kd_make_bundle grid     <template.pro> <recipe.txt> <out.dis>...
//   kd_make_bundle project  <recipe.txt> <out.kdp>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/runtime/Text.h"
#include "tools/DistributionMaps.h"
#include "tools/DocumentRecipes.h"
#include "tools/MasterFile.h"
#include "tools/TemplateLookups.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: kd_make_bundle masters <template.pro> <nfl data folder> <year> <out.kwr>\n"
               "       kd_make_bundle maps <nfl data folder> <def folder> <CatID>...\n"
               "       kd_make_bundle scoring <template.pro> <recipe.txt> <out.sco>\n"
               "       kd_make_bundle strategy <template.pro> <recipe.txt> <out.stg>\n"
               "       kd_make_bundle league <template.pro> <recipe.txt> <out.lgp>\n"
               "       kd_make_bundle grid <template.pro> <recipe.txt> <out.dis>...\n"
               "       kd_make_bundle project <recipe.txt> <out.kdp>\n");
  return 2;
}

void MakeParent(const std::string& path) {
  std::error_code ec;
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  if (!parent.empty()) std::filesystem::create_directories(parent, ec);
}

bool WholeNumber(const char* text, int32_t& value) {
  if (!runtime::IsNumeric(text)) return false;
  const double number = runtime::Val(text);
  if (number != static_cast<double>(static_cast<int32_t>(number))) return false;
  value = static_cast<int32_t>(number);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string command = argv[1];
  std::string error;
  bool ok = false;

  if (command == "masters" && argc == 6) {
    int32_t year = 0;
    bundle::TemplateLookups lookups;
    if (!WholeNumber(argv[4], year) || year < 1900 || year > 9999) {
      error = std::string("bad year ") + argv[4];
    } else if (bundle::LoadTemplateLookups(argv[2], year, lookups, &error)) {
      MakeParent(argv[5]);
      ok = bundle::WriteMasterFile(argv[3], lookups, static_cast<int16_t>(year), argv[5], &error);
    }
  } else if (command == "maps" && argc >= 5) {
    std::vector<int32_t> catIDs;
    for (int i = 4; i < argc; ++i) {
      int32_t id = 0;
      if (!WholeNumber(argv[i], id)) return Usage();
      catIDs.push_back(id);
    }
    std::error_code ec;
    std::filesystem::create_directories(argv[3], ec);
    ok = bundle::WriteDistributionMaps(argv[2], argv[3], catIDs, &error);
  } else if ((command == "scoring" || command == "strategy" || command == "league") && argc == 5) {
    bundle::TemplateLookups lookups;
    if (bundle::LoadTemplateLookups(argv[2], 0, lookups, &error)) {
      if (command == "scoring") {
        ok = bundle::WriteScoringSystem(argv[3], lookups, argv[4], &error);
      } else if (command == "strategy") {
        ok = bundle::WriteDraftStrategy(argv[3], lookups, argv[4], &error);
      } else {
        ok = bundle::WriteLeagueProperties(argv[3], lookups, argv[4], &error);
      }
    }
  } else if (command == "grid" && argc >= 5) {
    bundle::TemplateLookups lookups;
    if (bundle::LoadTemplateLookups(argv[2], 0, lookups, &error)) {
      ok =
          bundle::WriteDisplayGrid(argv[3], lookups, std::vector<std::string>(argv + 4, argv + argc), &error);
    }
  } else if (command == "project" && argc == 4) {
    ok = bundle::WriteProjectFile(argv[2], argv[3], &error);
  } else {
    return Usage();
  }

  if (!ok) {
    std::fprintf(stderr, "kd_make_bundle %s: %s\n", command.c_str(), error.c_str());
    return 1;
  }
  return 0;
}
