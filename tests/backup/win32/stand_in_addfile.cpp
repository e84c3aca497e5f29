// A stand-in of addfile.exe for the tests: appends its command line (UTF-8, one a line) to
// the file named by KEROVIA_STAND_IN_LOG and exits with KEROVIA_STAND_IN_EXIT (0 if unset).
// With KEROVIA_STAND_IN_GATE set, the n-th start waits until the file <gate><n> exists, so
// that a test decides when each one ends.

#include <windows.h>

#include <string>

namespace {

std::wstring Env(const wchar_t* name) {
  DWORD n = GetEnvironmentVariableW(name, nullptr, 0);
  if (n == 0) return {};
  std::wstring value(n, L'\0');
  n = GetEnvironmentVariableW(name, value.data(), n);
  value.resize(n);
  return value;
}

std::string Utf8(const std::wstring& text) {
  int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string out(n, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

// Appends the line and answers how many lines the log now has.
int AppendLine(const std::wstring& log, const std::string& line) {
  HANDLE file = INVALID_HANDLE_VALUE;
  for (int i = 0; i < 500 && file == INVALID_HANDLE_VALUE; ++i) {
    file = CreateFileW(log.c_str(), GENERIC_READ | FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) Sleep(10);
  }
  if (file == INVALID_HANDLE_VALUE) return 0;
  std::string text;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  std::string record = line + "\n";
  DWORD written = 0;
  WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
  CloseHandle(file);
  int lines = 1;
  for (char c : text)
    if (c == '\n') ++lines;
  return lines;
}

}  // namespace

int wmain() {
  std::wstring log = Env(L"KEROVIA_STAND_IN_LOG");
  int n = log.empty() ? 0 : AppendLine(log, Utf8(GetCommandLineW()));
  std::wstring gate = Env(L"KEROVIA_STAND_IN_GATE");
  if (!gate.empty()) {
    std::wstring file = gate + std::to_wstring(n);
    for (int i = 0; i < 6000 && GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES; ++i)
      Sleep(10);
  }
  std::wstring code = Env(L"KEROVIA_STAND_IN_EXIT");
  return code.empty() ? 0 : _wtoi(code.c_str());
}
