#include "platform/win32/services.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <vector>

#include "platform/win32/wide.h"

namespace kerovia::win32 {

namespace {

// A started program; the handle is closed with the object.
class Win32Process : public Process {
 public:
  explicit Win32Process(HANDLE process) : process_(process) {}
  ~Win32Process() override { CloseHandle(process_); }
  Win32Process(const Win32Process&) = delete;
  Win32Process& operator=(const Win32Process&) = delete;

  WaitResult Wait(int milliseconds) override {
    switch (WaitForSingleObject(process_, static_cast<DWORD>(milliseconds))) {
      case WAIT_OBJECT_0:
        return WaitResult::Ended;
      case WAIT_TIMEOUT:
        return WaitResult::TimedOut;
      default:
        return WaitResult::Failed;
    }
  }

  std::optional<int> ExitCode() override {
    // STILL_ACTIVE is also a possible exit code: ask whether it has ended first.
    if (WaitForSingleObject(process_, 0) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    if (!GetExitCodeProcess(process_, &code)) return std::nullopt;
    return static_cast<int>(code);
  }

 private:
  HANDLE process_;
};

// COM for the picker, released again only if this call started it.
class ComScope {
 public:
  ComScope() : started_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComScope() {
    if (started_) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool started_;
};

// The file-system path of a picked item, of any length.
std::optional<std::string> PathOfItem(PCIDLIST_ABSOLUTE item) {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    if (SHGetPathFromIDListEx(item, buffer.data(), static_cast<DWORD>(buffer.size()),
                              GPFIDL_DEFAULT))
      return Narrow(buffer.data());
    // Too small a buffer and a path that is not on the file system fail alike.
    if (buffer.size() >= 32768) return std::nullopt;
    buffer.resize(buffer.size() * 4 > 32768 ? 32768 : buffer.size() * 4);
  }
}

}  // namespace

void Win32Services::Beep() {
  MessageBeep(0);
}

std::optional<std::string> Win32Services::PickFolder(const std::string& title) {
  ComScope com;
  std::wstring wideTitle = Widen(title);
  BROWSEINFOW info{};
  info.hwndOwner = owner_;
  info.lpszTitle = wideTitle.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&info);
  if (!item) return std::nullopt;
  std::optional<std::string> path = PathOfItem(item);
  CoTaskMemFree(item);
  if (path && path->empty()) return std::nullopt;
  return path;
}

void Win32Services::ShowMessage(const std::string& text, const std::string& caption,
                                MessageIcon icon) {
  // No owner window: the box is centred on the screen; task-modal keeps the program's
  // windows from being used meanwhile, and it stays above the always-on-top progress card.
  UINT style = MB_OK | MB_TASKMODAL | MB_TOPMOST | MB_SETFOREGROUND;
  if (icon == MessageIcon::Stop) style |= MB_ICONSTOP;
  MessageBoxW(nullptr, Widen(text).c_str(), Widen(caption).c_str(), style);
}

std::unique_ptr<Process> Win32Services::StartHidden(const std::string& commandLine) {
  // CreateProcessW may write into the command line: it gets a buffer of its own.
  std::wstring wide = Widen(commandLine);
  std::vector<wchar_t> buffer(wide.begin(), wide.end());
  buffer.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info))
    return nullptr;
  CloseHandle(info.hThread);
  return std::make_unique<Win32Process>(info.hProcess);
}

void Win32Services::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // The event loop ends the program; leave the request for it.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void Win32Services::ShellOpen(const std::string& target) {
  std::wstring file = Widen(target);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_FLAG_NO_UI;
  info.hwnd = owner_;
  info.lpVerb = L"OPEN";
  info.lpFile = file.c_str();
  info.nShow = SW_SHOW;
  ShellExecuteExW(&info);
}

}  // namespace kerovia::win32
