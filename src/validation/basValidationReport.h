#pragma once
// The validation report: the plain-text file the validation window exports,
// and the export itself (save dialog, writing, the offer to view the file),
// which runs entirely through the seams.

#include <array>
#include <string>
#include <vector>

class clsProjectValidation;

namespace basValidationReport {

// The captions above the window's three lists: valid, warning, error.
inline constexpr std::array<const char*, 3> kListCaptions = {
    " Validation Messages",
    " Warning Messages   (* Mock - Required for Mock Draft)",
    " Error Messages",
};

// The lines of the three lists, index 0 valid, 1 warnings, 2 errors, each
// from top to bottom.
using ListLines = std::array<std::vector<std::string>, 3>;

// The project file name without its last four characters, then
// " Validate"; "" for a name of four characters or fewer.
std::string DefaultReportName(const std::string& projectFileName);

// The report: heading, the project's files and strategy files, then the
// error, warning and valid sections, every line ending in CR LF.
std::string ReportText(const clsProjectValidation& validation, const ListLines& lists);

// Asks for a target (".txt" appended when missing), writes the report and
// offers to open it. False when the dialog was cancelled or the export
// failed on the way (the failure is reported and the window stays open);
// True once a target was chosen,
// whether or not it could be written (the window closes).
bool ExportReport(const clsProjectValidation& validation, const ListLines& lists);

}  // namespace basValidationReport
