// addfile.exe "<path>": adds one media file to the iTunes library. No window; the exit code
// says what happened (see add_file.h) and a failure leaves one line on standard error.

#include <windows.h>

#include <string>

#include "platform/win32/wide.h"
#include "tools/addfile/add_file.h"

namespace {

using namespace kerovia::addfile;

void WriteReason(const std::string& reason) {
  HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
  if (err == nullptr || err == INVALID_HANDLE_VALUE) return;
  std::string line = "addfile: " + reason + "\n";
  DWORD written = 0;
  WriteFile(err, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

Outcome Run(int argc, wchar_t** argv) {
  if (argc != 2 || argv[1][0] == L'\0')
    return {kBadArguments, "使い方: addfile.exe \"<ファイルのパス>\""};
  std::wstring path = argv[1];
  // iTunes needs the full path.
  DWORD n = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (n > 0) {
    std::wstring full(n, L'\0');
    n = GetFullPathNameW(path.c_str(), n, full.data(), nullptr);
    if (n > 0 && n < full.size()) path = full.substr(0, n);
  }
  if (GetFileAttributesW(kerovia::win32::FileApiPath(kerovia::win32::Narrow(path)).c_str()) ==
      INVALID_FILE_ATTRIBUTES)
    return {kNotAdded, "ファイルがありません: " + kerovia::win32::Narrow(path)};
  HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  if (FAILED(hr)) return {kITunesUnavailable, "COM を初期化できません"};
  WaitPolicy wait;
  wait.sleep = PumpingSleep;
  Outcome outcome = AddFileToITunes(path, wait);
  CoUninitialize();
  return outcome;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  Outcome outcome = Run(argc, argv);
  if (outcome.exitCode != kAdded) WriteReason(outcome.reason);
  return outcome.exitCode;
}
