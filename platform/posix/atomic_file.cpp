#include "platform/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/error.h"
#include "platform/path.h"

namespace kerovia {

namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path, int error) {
  throw Error(what + " " + path + ": " + std::strerror(error));
}

// Closes the descriptor and removes the temporary file unless the rename has taken it.
class TempFile {
 public:
  explicit TempFile(std::string path, int fd) : path_(std::move(path)), fd_(fd) {}
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!path_.empty()) ::unlink(path_.c_str());
  }
  int fd() const { return fd_; }
  const std::string& path() const { return path_; }
  int Close() {
    int result = ::close(fd_);
    fd_ = -1;
    return result;
  }
  void Release() { path_.clear(); }

 private:
  std::string path_;
  int fd_;
};

TempFile CreateBeside(const std::string& path) {
  // Our own name beside the file, so that two programs saving at once never share one.
  std::string base = path + ".~" + std::to_string(::getpid()) + "-";
  for (int attempt = 0;; ++attempt) {
    std::string name = base + std::to_string(attempt) + ".tmp";
    int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return TempFile(name, fd);
    if (errno != EEXIST || attempt >= 100) Fail("cannot create", name, errno);
  }
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
    Fail("cannot open", path, errno);
  }
  std::string bytes;
  char buffer[64 * 1024];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      int error = errno;
      ::close(fd);
      Fail("cannot read", path, error);
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return bytes;
}

void WriteWholeFileAtomically(const std::string& path, std::string_view bytes) {
  TempFile temp = CreateBeside(path);
  while (!bytes.empty()) {
    ssize_t n = ::write(temp.fd(), bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) Fail("cannot write", temp.path(), errno);
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  if (::fsync(temp.fd()) != 0) Fail("cannot flush", temp.path(), errno);
  if (temp.Close() != 0) Fail("cannot close", temp.path(), errno);
  if (::rename(temp.path().c_str(), path.c_str()) != 0) Fail("cannot replace", path, errno);
  temp.Release();

  // The rename itself reaches the disk with the folder's entry.
  std::string folder = FolderPart(path);
  int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

}  // namespace kerovia
