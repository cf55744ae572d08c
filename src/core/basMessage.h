#pragma once
// Questions and notices through the application's message box. The box
// answers by button position: "save" for the first button of the set,
// "nosave" for the second, "cancel" for the third, "" when it was closed
// without a button. In the Yes / No set "Yes" answers "save".

#include <cstdint>
#include <string>

#include "core/Seams.h"

// The caption, text and answer of the last box, shared by the whole
// program. The export dialog reports through MessageAnswer as well.
inline std::string MessageCaption;
inline std::string MessageText;
inline std::string MessageAnswer;

namespace basMessage {

// Shows the box with the given button set (seams::MessageButtonSet) and
// returns its answer, which also stays in MessageAnswer.
std::string ShowMessage(const std::string& caption, const std::string& text, int32_t buttonSet, bool modal);

// Yes / No; True only for "Yes".
bool AskYesNo(const std::string& caption, const std::string& text);

// Before a file is overwritten: True when the file does not exist (existed
// False, nothing shown) or the user answered "Yes".
bool ConfirmOverwrite(const std::string& path, bool& existed);

// Before a document or export is written: " Do you wish to overwrite " the
// target under "File Already Exists"; True when the target does not exist
// or the user answered "Yes".
bool ConfirmDocumentOverwrite(const std::string& target);

// After a document was written: " Would you like to view " it under
// `caption`; on "Yes" it is opened with its associated program.
void OfferToView(const std::string& caption, const std::string& target);

// A document name read from a settings or project file must stay in the
// work sub-folder it is joined to: one that is not a bare file name (a path,
// "..") gives way to `fallback`, and its "key=value" line joins `refused`.
void KeepDocumentInFolder(std::string& value, const std::string& fallback, const std::string& key,
                          std::string& refused);
// One message under `caption` naming every document name of `file` that
// KeepDocumentInFolder refused; nothing when it refused none.
void ReportRefusedDocuments(const std::string& caption, const std::string& file, const std::string& refused);

// Opens a file or web page the user asked to see with its associated
// program; when no program could be started, says so with the path.
bool OpenInViewer(const std::string& pathOrUrl);

// Save / Don't Save / Cancel for a document of the page's type. True for
// Save and Don't Save (read MessageAnswer to tell them apart), False for
// Cancel or a box closed without a button. An empty name stands as the
// type's description; a page code outside the file-type table has none.
bool AskSaveChanges(int32_t pageCode, const std::string& name);

}  // namespace basMessage
