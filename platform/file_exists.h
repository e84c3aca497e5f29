#pragma once

#include <string>

namespace kerovia {

// Whether anything (a file, a folder, a link) answers to this path. An entry that cannot be
// looked at counts as present, so that a backup never writes over what it cannot see.
bool PathExists(const std::string& path);

}  // namespace kerovia
