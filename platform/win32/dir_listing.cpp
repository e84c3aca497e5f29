#include "platform/dir_listing.h"

#include <windows.h>

#include "platform/error.h"
#include "platform/path.h"
#include "platform/win32/wide.h"

namespace kerovia {

namespace {

struct FindCloser {
  HANDLE find;
  ~FindCloser() { FindClose(find); }
};

[[noreturn]] void FailOn(const std::string& folder, DWORD error) {
  throw Error("フォルダ " + folder + " を読み込めません。(" + win32::LastErrorText(error) + ")");
}

}  // namespace

void ForEachEntry(const std::string& folder,
                  const std::function<void(std::string_view name, bool isFolder)>& onEntry) {
  // The basic level leaves out the 8.3 aliases, and the large fetch reads many entries per
  // call: the fastest listing the system offers.
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileExW(win32::FileApiPath(JoinPath(folder, "*")).c_str(), FindExInfoBasic,
                                 &data, FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (find == INVALID_HANDLE_VALUE) {
    DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND) return;  // an empty drive root has no "." either
    FailOn(folder, error);
  }
  FindCloser closer{find};
  do {
    const wchar_t* name = data.cFileName;
    if (name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'))) continue;
    bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    // A folder that is a junction or link could lead back up the tree: never entered.
    if (isFolder && (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) continue;
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DEVICE) != 0) continue;
    onEntry(win32::Narrow(name), isFolder);
  } while (FindNextFileW(find, &data));
  DWORD error = GetLastError();
  if (error != ERROR_NO_MORE_FILES) FailOn(folder, error);
}

std::vector<DirEntry> ListFolder(const std::string& folder) {
  std::vector<DirEntry> entries;
  ForEachEntry(folder, [&](std::string_view name, bool isFolder) {
    entries.push_back({std::string(name), isFolder});
  });
  return entries;
}

}  // namespace kerovia
