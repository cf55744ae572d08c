#pragma once
// The application's own file dialog: it lists the documents of one type in
// one work sub-folder (never browsing folders), lets the user pick one or
// type a name, and hands back the name as typed or picked. The wrappers of
// basFileDialog choose folder and type and check the answer afterwards.
//
// Modes: 0 Save, 1 Open, 2 New, 3 Select. A double-click on a listed name
// chooses it in Open and Select; Enter in the name box confirms. From the
// keyboard: Return in the list takes the chosen name (as a double-click in
// Open and Select, as typed in and confirmed in Save and New), the first Up
// or Down in the list selects the file its frame is on, Tab reaches the two
// buttons, and Return or Space on a button presses it.

#include <QDialog>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class PictureBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTimer;
class clsButton;

class frmFile : public QDialog {
  Q_OBJECT

 public:
  explicit frmFile(QWidget* owner = nullptr);
  ~frmFile() override;

  // Prepares the dialog before it is shown. folder ends with '/';
  // extension comes without the dot. With prefixFilter only the names that
  // begin with `name` are listed and the name box starts empty; otherwise
  // the box shows `name` and seriesOnly lists only the first files of
  // numbered series ("...0001.ext").
  void InitializeDialog(const std::string& folder, const std::string& extension, const std::string& description,
                        int32_t mode, const std::string& name, int32_t pageCode, bool seriesOnly, bool prefixFilter);

  // The answer: cancelled from the moment the dialog loads until a name is
  // confirmed.
  bool Cancelled() const { return cancelled_; }
  const std::string& ChosenName() const { return chosenName_; }

  // The listing rules, for the dialog and its tests.
  static std::vector<std::string> FolderListing(const std::string& folder, const std::string& extension);
  static std::vector<std::string> SeriesFirstFiles(const std::vector<std::string>& names, const std::string& extension);
  static std::vector<std::string> FilesWithPrefix(const std::vector<std::string>& names, const std::string& prefix);

  // The controls, for the windows' tests.
  PictureBox* picProperty() const { return picProperty_; }
  QListWidget* lstFile() const { return lstFile_; }
  QLineEdit* txtFileName() const { return txtFileName_; }
  QLineEdit* txtFileType() const { return txtFileType_; }
  PictureBox* picOS() const { return picOS_; }
  PictureBox* picCancel() const { return picCancel_; }
  clsButton* mOS() const { return mOS_.get(); }
  clsButton* mCancel() const { return mCancel_.get(); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void lstFile_Click();
  void lstFile_DblClick(QListWidgetItem* item);
  void mOS_Click(int32_t index);
  void mCancel_Click(int32_t index);

 private:
  void CreateOkButton(int32_t mode);
  void CreateCancelButton();
  void FillFileList(const std::vector<std::string>& names);
  void Confirm(const std::string& name);

  PictureBox* picProperty_;
  QListWidget* lstFile_;
  QLabel* label1_;
  QLineEdit* txtFileName_;
  QLabel* label2_;
  QLineEdit* txtFileType_;
  PictureBox* picOS_;
  QTimer* timOS_;
  PictureBox* picCancel_;
  QTimer* timCancel_;
  std::unique_ptr<clsButton> mOS_;
  std::unique_ptr<clsButton> mCancel_;

  std::string folder_;
  std::string extension_;
  std::string description_;
  int32_t mode_ = 0;
  bool cancelled_ = true;
  std::string chosenName_;
};
