#include "core/IDBAS_CommonDialog.h"

#include "core/Seams.h"
#include "core/basMockItUp.h"
#include "platform/runtime/Text.h"

namespace IDBAS_CommonDialog {

namespace {

struct DialogDescription {
  std::string title;
  std::string extension;
  std::string description;
  std::string initialFolder;
  std::string fileName;
};

DialogDescription& Description() {
  static DialogDescription description;
  return description;
}

FileDialogResult Show(bool save) {
  const DialogDescription& d = Description();
  seams::SystemFileDialogRequest request;
  request.title = d.title;
  request.extension = d.extension;
  request.description = d.description;
  request.initialFolder = d.initialFolder;
  request.fileName = d.fileName;
  request.save = save;
  request.multiSelect = !save;
  seams::SystemFileDialogResult answer = seams::FileDialogs().ShowSystemFileDialog(request);
  FileDialogResult result;
  if (answer.cancelled || answer.files.empty()) return result;
  result.Cancelled = false;
  result.Files = std::move(answer.files);
  result.Count = static_cast<int32_t>(result.Files.size());
  result.Path = std::move(answer.path);
  if (!result.Path.empty() && result.Path.back() != '/') result.Path += '/';
  return result;
}

}  // namespace

void SetDialogFilter(const std::string& title, const std::string& extension, const std::string& description,
                     const std::string& initialFolder, const std::string& fileName) {
  Description() = {title, extension, description, initialFolder, fileName};
}

std::string DialogFilterCaption() {
  return Description().description + " File (*." + Description().extension + ")";
}

FileDialogResult ShowSaveDialog() { return Show(true); }
FileDialogResult ShowOpenDialog() { return Show(false); }

std::string EnsureExtension(const std::string& name, const std::string& ending) {
  return runtime::EndsWithNoCase(name, ending) ? name : name + ending;
}

std::string FileNameWithExtension(const std::string& name, const std::string& ending) {
  std::string full = EnsureExtension(name, ending);
  std::string::size_type slash = full.find_last_of('/');
  return slash == std::string::npos ? full : full.substr(slash + 1);
}

std::string StripExtension(const std::string& name, const std::string& ending) {
  std::string trimmed = runtime::Trim(name);
  if (!runtime::EndsWithNoCase(trimmed, ending)) return "";
  return trimmed.substr(0, trimmed.size() - ending.size());
}

std::string CheckAssociatedExtension(const std::string& name, int32_t exportType) {
  const std::string extension = basMockItUp::ExportFileExtension(exportType);
  std::string::size_type dot = name.find_last_of('.');
  if (dot != std::string::npos) {
    const std::string current = name.substr(dot + 1);
    for (int32_t type = 0; type <= 2; ++type) {
      if (runtime::EqualsNoCase(current, basMockItUp::ExportFileExtension(type))) {
        return name.substr(0, dot + 1) + extension;
      }
    }
  }
  return name + "." + extension;
}

std::string EnsurePrefix(const std::string& text, const std::string& prefix) {
  if (prefix.empty()) return text;
  if (text.size() > prefix.size() && text.compare(0, prefix.size(), prefix) == 0) return text;
  return prefix + text;
}

bool SplitPath(const std::string& path, std::string& folder, std::string& name) {
  std::string::size_type slash = path.find_last_of('/');
  if (slash == std::string::npos || slash == 0 || slash + 1 == path.size()) return false;
  folder = path.substr(0, slash + 1);
  name = path.substr(slash + 1);
  return true;
}

}  // namespace IDBAS_CommonDialog
