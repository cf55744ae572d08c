#include "core/basMessage.h"

#include "core/basMockItUp.h"
#include "platform/runtime/FileIO.h"
#include "platform/runtime/Text.h"
#include "platform/win32/FileSystem.h"

namespace basMessage {

namespace {

std::string Describe(int32_t pageCode) {
  if (pageCode < 0 || pageCode >= kPageCodeCount) return "";
  return FileTypeDescription[static_cast<std::size_t>(pageCode)];
}

}  // namespace

std::string ShowMessage(const std::string& caption, const std::string& text, int32_t buttonSet, bool modal) {
  MessageCaption = caption;
  MessageText = text;
  MessageAnswer.clear();
  MessageAnswer = seams::MessageBox().ShowMessage(MessageCaption, MessageText, buttonSet, modal);
  return MessageAnswer;
}

bool AskYesNo(const std::string& caption, const std::string& text) {
  return ShowMessage(caption, text, seams::kYesNo, true) == seams::kAnswerSave;
}

bool ConfirmOverwrite(const std::string& path, bool& existed) {
  existed = false;
  if (!win32::EntryExists(path)) return true;
  existed = true;
  return AskYesNo("File Already Exists", " Would you like to overwrite " + std::string(runtime::kCrLf) + "  " + path + "?");
}

bool ConfirmDocumentOverwrite(const std::string& target) {
  if (!win32::EntryExists(target)) return true;
  return AskYesNo("File Already Exists", " Do you wish to overwrite " + std::string(runtime::kCrLf) + "  " + target + "?");
}

void OfferToView(const std::string& caption, const std::string& target) {
  if (AskYesNo(caption, " Would you like to view " + std::string(runtime::kCrLf) + "  " + target + "?")) {
    OpenInViewer(target);
  }
}

void KeepDocumentInFolder(std::string& value, const std::string& fallback, const std::string& key,
                          std::string& refused) {
  if (value.empty() || runtime::IsBareFileName(value)) return;
  refused += std::string(runtime::kCrLf) + "  " + key + "=" + value;
  value = fallback;
}

void ReportRefusedDocuments(const std::string& caption, const std::string& file, const std::string& refused) {
  if (refused.empty()) return;
  ShowMessage(caption, " " + file + " names documents outside their folders; they are not used:" + refused,
              seams::kOk, true);
}

bool OpenInViewer(const std::string& pathOrUrl) {
  if (seams::ShellOpen().Open(pathOrUrl)) return true;
  const std::string crlf(runtime::kCrLf);
  ShowMessage("Open File Error",
              " Unable to open " + crlf + "  " + pathOrUrl + crlf + " No program to view it is available.",
              seams::kOk, true);
  return false;
}

bool AskSaveChanges(int32_t pageCode, const std::string& name) {
  const std::string description = Describe(pageCode);
  const std::string text = " Would you like to save changes to " + (name.empty() ? description : name) + "?";
  const std::string answer = ShowMessage(description, text, seams::kSaveDontSaveCancel, true);
  return answer == seams::kAnswerSave || answer == seams::kAnswerNoSave;
}

}  // namespace basMessage
