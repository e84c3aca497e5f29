#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "inventory/mask_match.h"

namespace kerovia {

// Finds the files below `root` that match any of `masks`, listing every folder once, and
// reports them in the order one complete search per mask would: mask by mask, folders
// breadth-first from the root (hidden and system folders too, no depth limit), and within
// a folder in the file system's own order. A file that two masks match is reported twice.
// Folders are never reported, even when their name matches. The path given to `onFind` is
// the folder, one separator and the long name. An error of the file system ends the search
// with that error, before anything is reported.
void SearchFiles(const std::string& root, const std::vector<FileMask>& masks,
                 const std::function<void(const std::string& path, std::size_t mask)>& onFind);

}  // namespace kerovia
