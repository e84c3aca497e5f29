#include "platform/file_attributes.h"

#include <windows.h>

#include "platform/win32/wide.h"

namespace kerovia {

bool IsFolder(const std::string& path) {
  // A drive without its medium must not bring up the system's "insert a disk" dialog.
  DWORD previousMode = 0;
  BOOL modeSet = SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previousMode);
  DWORD attributes = GetFileAttributesW(win32::FileApiPath(path).c_str());
  if (modeSet) SetThreadErrorMode(previousMode, nullptr);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace kerovia
