#include "platform/file_attributes.h"

#include <sys/stat.h>

namespace kerovia {

bool IsFolder(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace kerovia
