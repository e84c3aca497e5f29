#pragma once

#include <string>

namespace kerovia {

// True when the attributes of `path` can be read and say it is a folder; a missing path,
// a file or an unreadable drive gives false.
bool IsFolder(const std::string& path);

}  // namespace kerovia
