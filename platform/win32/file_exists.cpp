#include "platform/file_exists.h"

#include <windows.h>

#include "platform/win32/wide.h"

namespace kerovia {

bool PathExists(const std::string& path) {
  if (GetFileAttributesW(win32::FileApiPath(path).c_str()) != INVALID_FILE_ATTRIBUTES) return true;
  DWORD error = GetLastError();
  return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND &&
         error != ERROR_INVALID_NAME;
}

}  // namespace kerovia
