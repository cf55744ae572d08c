#pragma once
// The document of an editor page and what the File menu and the close
// question do with it, the same on every page: the bare file name, the
// changed flag, New, Open, Save, Save As and the save question. A page
// controller derives from it, says how its document is made, read and
// written (NewDocument, ReadDocument, WriteDocument) and overrides only what
// its own page does differently. See docs/pages.md.
//
// What every page gets:
// - New and Open ask about unsaved changes first; Cancel stops them.
// - A document that does not read leaves the page as it was (its document,
//   name and flag), after one message.
// - Edits the user chose not to save are gone also when the New or Open
//   does not go through: the page reads its document again (or starts an
//   empty, unnamed one).
// - No exception from the libraries below leaves a command or the close
//   question: it is shown once and the page stays.
// - Save of an unnamed document, or of the type's default document, is
//   Save As; Save As asks before overwriting (the file dialog does).
// - A write that fails keeps the name and the changed flag; a Save As that
//   is cancelled or fails keeps the page when it came from the question.
// - After a write, and after Open unless the page says otherwise, the
//   project names the document (when the page has a project key).

#include <cstdint>
#include <functional>
#include <string>

#include "shell/PageWindow.h"

class clsEditFlexGrid;
class clsKickwellDB;

class clsUIDocumentPage : public PageCommands {
 public:
  struct DocumentType {
    // The page code: the file-type table's row, the file dialog's type and
    // the description the save question shows for an unnamed document.
    int32_t fileType = -1;
    // The project entry (ProjectProperty) that names the document; -1 none.
    int32_t projectKey = -1;
    // Open names the opened document in the project as well.
    bool keyFollowsOpen = true;
    // New writes the empty document at once; otherwise NewDocument decides
    // the changed flag.
    bool newIsWritten = false;
    // The main bar shows this before the name.
    const char* nameLead = " ";
  };

  explicit clsUIDocumentPage(DocumentType type) : type_(type) {}
  clsUIDocumentPage(const clsUIDocumentPage&) = delete;
  clsUIDocumentPage& operator=(const clsUIDocumentPage&) = delete;

  // Commits a pending grid edit, then the close question. A failure keeps
  // the page after its message.
  bool QueryUnload() override;
  // Commits a pending grid edit, then 6 New, 7 Open, 9 Save, 10 Save As.
  void FileCommand(int32_t index) override;

  // The bare file name; "" for a document not yet named.
  const std::string& FileName() const { return fileName_; }
  virtual bool ChangesMade() const { return changesMade_; }
  virtual void SetChangesMade(bool changed) { changesMade_ = changed; }
  void ClearChanges() { SetChangesMade(false); }

  // The save question when there are unsaved changes: True to go on (Don't
  // Save, or Save that wrote), False to stay.
  bool CloseQuestion();
  virtual void New();
  virtual void Open();
  virtual bool Save();
  virtual bool SaveAs();
  // New without the question: the dialog, then the new document. True when
  // the page holds a new document.
  bool NewWithoutAsking();
  // The document the project names, when the page opens. True when it read;
  // otherwise the page keeps its empty document, unnamed, so that no Save
  // writes it over the file that did not read.
  bool OpenAtStart(const std::string& name);

 protected:
  // The document the project names for the page; "" for a page without a
  // project key or before start-up opened the project.
  std::string ProjectDocument() const;
  // Opens the work folder's default projected-stats database, where the
  // page's lists come from, and runs `fill`. False after one message when
  // the database does not open or `fill` fails: the page does not open.
  static bool WithDefaultDatabase(clsKickwellDB& db, const std::function<void()>& fill);
  // Names the document and shows the name on the main bar.
  void SetFileName(const std::string& name);
  // A written or opened document: its name, the project (inProject), the
  // File menu.
  void Named(const std::string& name, bool inProject);
  // The grid editor whose pending edit each command commits first.
  void SetGridEditor(clsEditFlexGrid* editor) { gridEditor_ = editor; }
  void CommitEdit();
  // One message for a document that does not read: " name: reason" under
  // the file type's description.
  void ReportUnreadable(const std::string& name, const std::string& reason) const;
  // Runs one of the page's handlers (basPageGuard::Run) with the file type's
  // description as the caption; False after the message of a failure.
  bool Guarded(const std::function<void()>& handler) const;

  // A new, empty document named `name`. False (after its message) when none
  // could be made; the page then keeps the document it had.
  virtual bool NewDocument(const std::string& name) = 0;
  // Reads the file `name` of the type's folder and shows it. False (after
  // one message) when it does not read; the page then keeps everything.
  virtual bool ReadDocument(const std::string& name) = 0;
  // Writes the document as the file `name`; False after the writer's
  // message. Called with FileName() by Save, with a new name by Save As.
  virtual bool WriteDocument(const std::string& name) = 0;

  // The save question, answering "save", "nosave" or anything else for
  // Cancel. By default " Would you like to save changes to " the name.
  virtual std::string AskToSave();
  // After "Don't Save": what the page must undo itself. Nothing by default.
  virtual void DropChanges() {}

 private:
  // The Open dialog and the read; True when the page holds the new document.
  bool OpenChosen();
  // After "Don't Save" and a New or Open that did not go through: the
  // document as last read or written, so that the dropped edits are gone.
  void RevertDropped();

  DocumentType type_;
  std::string fileName_;
  bool changesMade_ = false;
  clsEditFlexGrid* gridEditor_ = nullptr;
};
