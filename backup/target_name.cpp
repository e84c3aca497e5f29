#include "backup/target_name.h"

#include "platform/path.h"

namespace kerovia {

std::string TargetName(const std::string& name, int attempt) {
  if (attempt <= 0) return name;
  if (attempt == 1) return "コピー - " + name;
  return "コピー (" + std::to_string(attempt) + ") - " + name;
}

std::string FreeTargetPath(const std::string& folder, const std::string& name, int& attempt,
                           const std::function<bool(const std::string&)>& taken) {
  for (; attempt < kMaxTargetAttempts; ++attempt) {
    std::string path = JoinPath(folder, TargetName(name, attempt));
    if (!taken(path)) return path;
  }
  return {};
}

}  // namespace kerovia
