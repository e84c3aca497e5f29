#include "platform/atomic_file.h"

#include <windows.h>

#include <string>

#include "platform/error.h"
#include "platform/win32/wide.h"

namespace kerovia {

namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path, DWORD error) {
  throw Error(what + " " + path + ": " + win32::LastErrorText(error));
}

// Closes the handle and deletes the temporary file unless the rename has taken it.
class TempFile {
 public:
  TempFile(std::string path, HANDLE handle) : path_(std::move(path)), handle_(handle) {}
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    if (!path_.empty()) DeleteFileW(win32::FileApiPath(path_).c_str());
  }
  HANDLE handle() const { return handle_; }
  const std::string& path() const { return path_; }
  bool Close() {
    bool closed = CloseHandle(handle_) != 0;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }
  void Release() { path_.clear(); }

 private:
  std::string path_;
  HANDLE handle_;
};

TempFile CreateBeside(const std::string& path) {
  // Our own name beside the file, so that two programs saving at once never share one.
  std::string base = path + ".~" + std::to_string(GetCurrentProcessId()) + "-";
  for (int attempt = 0;; ++attempt) {
    std::string name = base + std::to_string(attempt) + ".tmp";
    HANDLE handle = CreateFileW(win32::FileApiPath(name).c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) return TempFile(name, handle);
    DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS || attempt >= 100) Fail("cannot create", name, error);
  }
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
  HANDLE handle = CreateFileW(win32::FileApiPath(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return std::nullopt;
    Fail("cannot open", path, error);
  }
  std::string bytes;
  char buffer[64 * 1024];
  for (;;) {
    DWORD n = 0;
    if (!ReadFile(handle, buffer, sizeof buffer, &n, nullptr)) {
      DWORD error = GetLastError();
      CloseHandle(handle);
      Fail("cannot read", path, error);
    }
    if (n == 0) break;
    bytes.append(buffer, n);
  }
  CloseHandle(handle);
  return bytes;
}

void WriteWholeFileAtomically(const std::string& path, std::string_view bytes) {
  TempFile temp = CreateBeside(path);
  while (!bytes.empty()) {
    DWORD chunk = bytes.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!WriteFile(temp.handle(), bytes.data(), chunk, &written, nullptr) || written == 0)
      Fail("cannot write", temp.path(), GetLastError());
    bytes.remove_prefix(written);
  }
  if (!FlushFileBuffers(temp.handle())) Fail("cannot flush", temp.path(), GetLastError());
  if (!temp.Close()) Fail("cannot close", temp.path(), GetLastError());
  // A read-only settings file is one the user wants left alone; not every file system
  // makes the rename refuse it.
  DWORD attributes = GetFileAttributesW(win32::FileApiPath(path).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
    Fail("cannot replace", path, ERROR_ACCESS_DENIED);
  if (!MoveFileExW(win32::FileApiPath(temp.path()).c_str(), win32::FileApiPath(path).c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    Fail("cannot replace", path, GetLastError());
  temp.Release();
}

}  // namespace kerovia
