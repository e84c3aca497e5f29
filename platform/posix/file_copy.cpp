#include "platform/file_copy.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/path.h"

namespace kerovia {

namespace {

std::atomic<unsigned> temporaryCounter{0};

CopyResult Failure(int error) {
  return {CopyStatus::Failed, std::strerror(error)};
}

// A new, empty temporary file in the target's folder, created exclusively.
int CreateTemporary(const std::string& target, mode_t mode, std::string& path) {
  std::string folder = FolderPart(target);
  for (int attempt = 0; attempt < 100; ++attempt) {
    path = folder + "~kerovia-" + std::to_string(getpid()) + "-" +
           std::to_string(temporaryCounter.fetch_add(1)) + ".tmp";
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    ssize_t n = write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// Copies to the end of `in`: in the kernel where it can, else through a buffer.
bool CopyData(int in, int out) {
  bool kernelCopy = true;
  while (kernelCopy) {
    ssize_t n = copy_file_range(in, nullptr, out, nullptr, 1 << 30, 0);
    if (n == 0) return true;
    if (n > 0) continue;
    if (errno == EINTR) continue;
    if (errno != ENOSYS && errno != EXDEV && errno != EINVAL && errno != EOPNOTSUPP &&
        errno != ENOTSUP && errno != EBADF && errno != EPERM)
      return false;
    kernelCopy = false;
  }
  std::vector<char> buffer(1 << 20);
  for (;;) {
    ssize_t n = read(in, buffer.data(), buffer.size());
    if (n == 0) return true;
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (!WriteAll(out, buffer.data(), static_cast<std::size_t>(n))) return false;
  }
}

// Gives the finished temporary file its name; never replaces an existing entry.
int RenameNoReplace(const std::string& from, const std::string& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
  // File systems without the flag: a hard link fails on an existing name as well.
  if (link(from.c_str(), to.c_str()) != 0) return errno;
  unlink(from.c_str());
  return 0;
}

// A file without a name in the target's folder: it only appears once linked under its
// final name, so not even a crash can leave a part of it behind. Not every file system
// has them; -1 then.
int CreateUnnamed(const std::string& target, mode_t mode) {
  std::string folder = FolderPart(target);
  return open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
}

// Gives the unnamed file its name; fails with EEXIST on any existing entry.
int LinkUnnamed(int fd, const std::string& target) {
  std::string self = "/proc/self/fd/" + std::to_string(fd);
  if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
  if (errno != ENOENT) return errno;
  if (linkat(fd, "", AT_FDCWD, target.c_str(), AT_EMPTY_PATH) == 0) return 0;
  return errno;
}

}  // namespace

CopyResult CopyToNewFile(const std::string& source, const std::string& target) {
  int in = open(source.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return Failure(errno);
  struct stat st;
  int statError = fstat(in, &st) != 0 ? errno : S_ISREG(st.st_mode) ? 0 : EISDIR;
  if (statError != 0) {
    close(in);
    return Failure(statError);
  }
  posix_fadvise(in, 0, 0, POSIX_FADV_SEQUENTIAL);
  mode_t mode = (st.st_mode & 0777) | S_IWUSR;
  std::string temporary;
  int out = CreateUnnamed(target, mode);
  bool unnamed = out >= 0;
  if (!unnamed) out = CreateTemporary(target, mode, temporary);
  if (out < 0) {
    int error = errno;
    close(in);
    return Failure(error);
  }
  int error = 0;
  if (!CopyData(in, out)) error = errno;
  close(in);
  if (error == 0) {
    // The copy keeps the source's modification time, as on Windows.
    struct timespec times[2] = {st.st_atim, st.st_mtim};
    futimens(out, times);
  }
  if (unnamed) {
    if (error == 0) error = LinkUnnamed(out, target);
    if (close(out) != 0 && error == 0) {
      error = errno;
      unlink(target.c_str());
    }
  } else {
    if (close(out) != 0 && error == 0) error = errno;
    if (error == 0) error = RenameNoReplace(temporary, target);
    if (error != 0) unlink(temporary.c_str());
  }
  if (error == 0) return {CopyStatus::Copied, {}};
  if (error == EEXIST) return {CopyStatus::TargetTaken, {}};
  return Failure(error);
}

}  // namespace kerovia
