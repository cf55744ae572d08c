#pragma once
// The progress window of the long jobs: a current and a total bar with
// their captions and percentages, a text line under the current bar, a
// message list (laid out below the visible area) and one "Cancel" button.
// The window computes nothing: clsStatusPlain drives it. Its one decision
// is the cancel flag: "Cancel", and the title bar's close box, only raise
// CancelFlag; the running job notices, stops and closes the window.
//
// While shown it is application-modal, so a job yielding to the message
// loop can only be cancelled, never re-entered.

#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>

class PictureBox;
class QLabel;
class QListWidget;
class QTimer;
class clsButton;

class frmStatus : public QWidget {
  Q_OBJECT

 public:
  // Load: takes the owner's icon, builds the "Cancel" strip and clears
  // CancelFlag. The window stays hidden until ShowModal.
  explicit frmStatus(QWidget* owner = nullptr);
  // Unload: clears CancelFlag.
  ~frmStatus() override;

  void ShowModal();

  // The procedures the progress reporter calls.
  void pSbPercent(int32_t percent);
  void RefreshWindow();
  void pSbTotalPercent(int32_t percent);
  void ShowList() {}
  void pSbClearTotal();
  void pSbClearCurrent();
  void pSbClearPercent() { pSbClearCurrent(); }

  // The controls the reporter writes.
  void SetTopText(const std::string& text);
  void SetTotalTopText(const std::string& text);
  void SetTotalBottomText(const std::string& text);
  // Clears the text line under the current bar and prints into it.
  void PrintBottom(const std::string& text);
  // Adds a line to the message list, selects it and repaints.
  void AddListItem(const std::string& text);

  // The controls, for the windows' tests.
  QLabel* lblTop() const { return lblTop_; }
  QLabel* lblPercent() const { return lblPercent_; }
  QLabel* lblTotTop() const { return lblTotTop_; }
  QLabel* lblTotPercent() const { return lblTotPercent_; }
  QLabel* lblTotBottom() const { return lblTotBottom_; }
  PictureBox* picCur() const { return picCur_; }
  PictureBox* picTot() const { return picTot_; }
  PictureBox* picBottom() const { return picBottom_; }
  PictureBox* picOK() const { return picOK_; }
  clsButton* mOK() const { return mOK_.get(); }
  QListWidget* lstStatus() const { return lstStatus_; }

 protected:
  // The close box acts as "Cancel" and leaves the window to the job.
  void closeEvent(QCloseEvent* event) override;

 private slots:
  void mOK_Click(int32_t index);

 private:
  void DrawBar(PictureBox* bar, int32_t percent);
  // A percentage label, its right edge under the bars' right end.
  void SetPercentLabel(QLabel* label, int32_t percent);

  QLabel* lblTop_;
  QLabel* lblPercent_;
  PictureBox* picCur_;
  PictureBox* picBottom_;
  QLabel* lblTotTop_;
  QLabel* lblTotPercent_;
  PictureBox* picTot_;
  QLabel* lblTotBottom_;
  PictureBox* picOK_;
  QTimer* timOK_;
  std::unique_ptr<clsButton> mOK_;
  QListWidget* lstStatus_;
  int32_t barHeight_ = 0;
};
