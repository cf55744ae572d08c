#pragma once
// The sample projected-stats database of the bundled tree
// (pro/<name>.pro), built by the program's own CreateProjectedFile from the
// template and the season's master files, exactly as a user's new database
// is: every master file of the season in the master folder is imported in
// version order, the season rows (week 250) with them.

#include <cstdint>
#include <string>

namespace bundle {

// `defFolder` holds Default.pro, `masterFolder` the "<year> Master NNNN.kwr"
// files (both with a trailing '/'). False with `error` set when there is no
// master file of the season or the build fails; an existing database is
// then left as it was.
bool WriteSampleDatabase(const std::string& defFolder, const std::string& masterFolder, int16_t year,
                         const std::string& outPath, std::string* error);

}  // namespace bundle
