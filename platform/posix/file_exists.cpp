#include "platform/file_exists.h"

#include <sys/stat.h>

#include <cerrno>

namespace kerovia {

bool PathExists(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) == 0) return true;
  return errno != ENOENT && errno != ENOTDIR;
}

}  // namespace kerovia
