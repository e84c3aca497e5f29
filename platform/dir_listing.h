#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kerovia {

// One entry of a folder: its long name (never an 8.3 alias) and whether it is a folder.
struct DirEntry {
  std::string name;
  bool isFolder = false;
};

// Calls `onEntry` for every entry of `folder` in the file system's own order, without "."
// and "..". Only plain files and folders are reported: links to folders (which could make
// a walk go round in circles) and devices are left out. An error of the file system
// raises kerovia::Error.
void ForEachEntry(const std::string& folder,
                  const std::function<void(std::string_view name, bool isFolder)>& onEntry);

// The same entries, collected.
std::vector<DirEntry> ListFolder(const std::string& folder);

}  // namespace kerovia
