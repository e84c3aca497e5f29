#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "inventory/mask_match.h"

namespace kerovia {

// Called for each match as the walk comes upon it: breadth-first folder order, then the
// folder's own order, all masks of one entry together in mask order. `folder` is as the
// walk holds it (only the root may end in a separator).
using FoundDuringWalk =
    std::function<void(std::string_view folder, std::string_view name, std::size_t mask)>;
// Called for each match once the walk is over, in list order; `path` is the folder, one
// separator and the long name.
using FoundInListOrder = std::function<void(const std::string& path, std::size_t mask)>;

// Finds the files below `root` that match any of `masks`, listing every folder once, and
// reports them to `onFind` in the order one complete search per mask would: mask by mask,
// folders breadth-first from the root (hidden and system folders too, no depth limit), and
// within a folder in the file system's own order. A file that two masks match is reported
// twice. Folders are never reported, even when their name matches. `onFound` (may be
// empty) sees every match already during the walk, so a caller can show progress; every
// `onFound` call comes before the first `onFind` call. An error of the file system ends
// the search with that error, before anything is reported to `onFind`.
void SearchFiles(const std::string& root, const std::vector<FileMask>& masks,
                 const FoundDuringWalk& onFound, const FoundInListOrder& onFind);

// The same without the reports during the walk.
void SearchFiles(const std::string& root, const std::vector<FileMask>& masks,
                 const FoundInListOrder& onFind);

}  // namespace kerovia
