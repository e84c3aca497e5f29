#include "app/app_paths.h"

namespace kerovia {

namespace {
constexpr char kSeparator = '\\';

std::string::size_type LastSeparator(const std::string& path) {
  return path.find_last_of("\\/");
}
}  // namespace

std::string AppDirOf(const std::string& exePath) {
  const auto cut = LastSeparator(exePath);
  if (cut == std::string::npos) return std::string();
  std::string dir = exePath.substr(0, cut);
  // "C:" alone would name the drive's current folder, not its root.
  if (dir.size() == 2 && dir[1] == ':') dir += kSeparator;
  return dir;
}

std::string UserGuidePath(const std::string& appDir) {
  std::string path = appDir;
  if (path.empty() || (path.back() != kSeparator && path.back() != '/')) path += kSeparator;
  return path + "Readme.txt";
}

std::string ExeBaseName(const std::string& exePath) {
  const auto cut = LastSeparator(exePath);
  std::string name = cut == std::string::npos ? exePath : exePath.substr(cut + 1);
  const auto dot = name.find_last_of('.');
  if (dot != std::string::npos) name.resize(dot);
  return name;
}

std::string InfoPageAddress(const std::string& host, const std::string& exePath) {
  return "http://" + host + "/info.php?pf=w&sn=" + ExeBaseName(exePath);
}

}  // namespace kerovia
