#pragma once

#include <functional>
#include <string>

namespace kerovia {

// The name tried at each attempt of placing `name` in the backup folder: the name itself,
// then "コピー - " + name, then "コピー (2) - " + name, "コピー (3) - " + name, ...
std::string TargetName(const std::string& name, int attempt);

// The first free path for `name` in `folder`, starting at `attempt` (which is left at the
// attempt that gave the path); "" when none of the many tries is free. `taken` says whether
// a path is in use; a folder of that name counts as in use.
std::string FreeTargetPath(const std::string& folder, const std::string& name, int& attempt,
                           const std::function<bool(const std::string&)>& taken);

// More tries than this and the name is given up.
inline constexpr int kMaxTargetAttempts = 10000;

}  // namespace kerovia
