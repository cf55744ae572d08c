#pragma once
// A work tree for one test: the eleven sub-folders and "upd" under a
// temporary folder, with the path globals and file-type table pointing at it.

#include <filesystem>
#include <string>

#include "TempDir.h"
#include "core/basMockItUp.h"

class WorkTree {
 public:
  WorkTree() {
    std::filesystem::create_directories(Work());
    basMockItUp::CreateWorkSubFolders(dir_.Path() + "work");
    basMockItUp::MakeSubFolder(dir_.Path() + "work", "upd");
    basMockItUp::InitFileTypeTable(Work());
  }
  std::string Root() const { return dir_.Path(); }
  std::string Work() const { return dir_.Path() + "work/"; }
  std::string Sub(const std::string& name) const { return Work() + name + "/"; }

 private:
  kdtest::TempDir dir_;
};

// Number of entries (files and folders) directly in a folder.
inline long EntryCount(const std::string& folder) {
  return std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator());
}
