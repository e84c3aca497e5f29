#pragma once

// What the Windows tests of the backups share: the test program's folder, the stand-in
// add-file program, files by long path, and a watcher for the dialogs this thread opens.

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <map>
#include <string>
#include <thread>

#include "../test_files.h"
#include "platform/win32/wide.h"

namespace kerovia::testing {

inline std::string ProgramFolder() {
  std::wstring path(32768, L'\0');
  DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(n);
  return win32::Narrow(path.substr(0, path.find_last_of(L'\\')));
}

inline std::string StandInPath() {
  return ProgramFolder() + "\\stand_in_addfile.exe";
}

inline void SetEnv(const wchar_t* name, const std::string& value) {
  SetEnvironmentVariableW(name, value.empty() ? nullptr : win32::Widen(value).c_str());
}

// name -> content of the files of a folder, by the file API (long paths too).
inline std::map<std::string, std::string> Win32FolderContents(const std::string& folder) {
  std::map<std::string, std::string> contents;
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileW(win32::FileApiPath(folder + "\\*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return contents;
  do {
    std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    std::string utf8 = win32::Narrow(name);
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      contents[utf8] = "<folder>";
      continue;
    }
    HANDLE file = CreateFileW(win32::FileApiPath(folder + "\\" + utf8).c_str(), GENERIC_READ,
                              FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (file != INVALID_HANDLE_VALUE && ::ReadFile(file, buffer, sizeof buffer, &got, nullptr) &&
           got > 0)
      bytes.append(buffer, got);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    contents[utf8] = Digest(bytes);
  } while (FindNextFileW(find, &found));
  FindClose(find);
  return contents;
}

inline bool Win32WriteFile(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileW(win32::FileApiPath(path).c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == bytes.size();
  CloseHandle(file);
  return ok;
}

// Deletes the files of a folder (not its sub-folders).
inline void EmptyFolder(const std::string& folder) {
  for (const auto& [name, content] : Win32FolderContents(folder))
    if (content != "<folder>") DeleteFileW(win32::FileApiPath(folder + "\\" + name).c_str());
}

// A dialog box of this thread, found by another thread and handed to `act` there.
class DialogWatcher {
 public:
  explicit DialogWatcher(std::function<void(HWND)> act)
      : thread_(GetCurrentThreadId()), worker_([this, act] {
          for (int i = 0; i < 2000 && !stop_; ++i) {
            HWND dialog = Find();
            if (dialog) {
              Sleep(200);  // let it finish its set-up
              act(dialog);
              found_ = true;
              return;
            }
            Sleep(10);
          }
        }) {}
  ~DialogWatcher() {
    stop_ = true;
    worker_.join();
  }
  bool found() const { return found_; }

 private:
  HWND Find() {
    HWND result = nullptr;
    EnumThreadWindows(
        thread_,
        [](HWND w, LPARAM p) -> BOOL {
          wchar_t name[16];
          if (IsWindowVisible(w) && GetClassNameW(w, name, 16) && std::wstring(name) == L"#32770") {
            *reinterpret_cast<HWND*>(p) = w;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&result));
    return result;
  }

  DWORD thread_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> found_{false};
  std::thread worker_;
};

inline std::string WindowText(HWND w) {
  int n = GetWindowTextLengthW(w);
  std::wstring text(n + 1, L'\0');
  n = GetWindowTextW(w, text.data(), n + 1);
  text.resize(n);
  return win32::Narrow(text);
}

// The texts of all child windows of a dialog.
inline std::vector<std::string> ChildTexts(HWND dialog) {
  std::vector<std::string> texts;
  EnumChildWindows(
      dialog,
      [](HWND w, LPARAM p) -> BOOL {
        reinterpret_cast<std::vector<std::string>*>(p)->push_back(WindowText(w));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&texts));
  return texts;
}

}  // namespace kerovia::testing
