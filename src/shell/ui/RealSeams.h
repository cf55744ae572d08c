#pragma once
// The real windows behind the seams of core/Seams.h: the message box, the
// yield, the progress window, the logic trace list, opening files and web
// pages, the file dialogs and the pointer. The shell installs them once at
// start-up, after the QApplication exists.

class QWidget;

namespace shell_ui {

void InstallRealSeams();

// The window a dialog is shown over: the open modal window, else the
// active window, else the first visible main window; nullptr when there
// is none.
QWidget* OwnerWindow();

}  // namespace shell_ui
