#pragma once
// The real windows behind the seams of core/Seams.h: the message box, the
// yield, the progress window, the logic trace list, opening files and web
// pages, the file dialogs, the pointer and the downloads. The shell installs them once at
// start-up, after the QApplication exists.

#include <cstdint>
#include <memory>

#include "core/Seams.h"

class QWidget;

namespace shell_ui {

void InstallRealSeams();

// The application's message box and the plain boxes; InstallRealSeams
// installs them (tests wrap them to record what the user is told).
std::unique_ptr<seams::MessageBoxView> MakeMessageBoxWindows();

// The downloads over Qt Network (the control VellacornHTTP), with the
// given idle time-out and overall deadline of a transfer; InstallRealSeams
// installs one with the defaults.
std::unique_ptr<seams::DownloadView> MakeNetworkDownloads(int32_t timeoutMs, int32_t deadlineMs);

// The window a dialog is shown over: the open modal window, else the
// active window, else the first visible main window; nullptr when there
// is none.
QWidget* OwnerWindow();

}  // namespace shell_ui
