#include "platform/file_copy.h"

#include <windows.h>

#include <atomic>

#include "platform/path.h"
#include "platform/win32/wide.h"

namespace kerovia {

namespace {

std::atomic<unsigned> temporaryCounter{0};

CopyResult Failure(DWORD error) {
  return {CopyStatus::Failed, win32::LastErrorText(error)};
}

bool IsNameTaken(DWORD error) {
  return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
}

}  // namespace

CopyResult CopyToNewFile(const std::string& source, const std::string& target) {
  std::wstring from = win32::FileApiPath(source);
  std::string folder = FolderPart(target);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string temporary = folder + "~kerovia-" + std::to_string(GetCurrentProcessId()) + "-" +
                            std::to_string(temporaryCounter.fetch_add(1)) + ".tmp";
    std::wstring temp = win32::FileApiPath(temporary);
    if (!CopyFileExW(from.c_str(), temp.c_str(), nullptr, nullptr, nullptr,
                     COPY_FILE_FAIL_IF_EXISTS)) {
      DWORD error = GetLastError();
      // Somebody else's file of that name: leave it and try the next name.
      if (IsNameTaken(error)) continue;
      DeleteFileW(temp.c_str());
      return Failure(error);
    }
    // A copy of a read-only source is read-only too, and would refuse to be deleted below.
    DWORD attributes = GetFileAttributesW(temp.c_str());
    if (!MoveFileExW(temp.c_str(), win32::FileApiPath(target).c_str(), 0)) {
      DWORD error = GetLastError();
      if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        SetFileAttributesW(temp.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
      DeleteFileW(temp.c_str());
      if (IsNameTaken(error)) return {CopyStatus::TargetTaken, {}};
      return Failure(error);
    }
    return {CopyStatus::Copied, {}};
  }
  return Failure(ERROR_FILE_EXISTS);
}

}  // namespace kerovia
