#include "platform/dir_listing.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "platform/error.h"
#include "platform/path.h"

namespace kerovia {

namespace {

struct DirCloser {
  DIR* dir;
  ~DirCloser() { ::closedir(dir); }
};

[[noreturn]] void FailOn(const std::string& folder, int error) {
  throw Error("フォルダ " + folder + " を読み込めません。(" + std::strerror(error) + ")");
}

enum class Kind { File, Folder, Other };

// Links count as what they point to, except links to folders, which are never entered.
Kind KindByStat(const std::string& folder, const char* name) {
  std::string path = JoinPath(folder, name);
  struct stat info;
  if (::lstat(path.c_str(), &info) != 0) return Kind::Other;
  if (S_ISDIR(info.st_mode)) return Kind::Folder;
  if (S_ISLNK(info.st_mode) && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode))
    return Kind::File;
  return S_ISREG(info.st_mode) ? Kind::File : Kind::Other;
}

}  // namespace

void ForEachEntry(const std::string& folder,
                  const std::function<void(std::string_view name, bool isFolder)>& onEntry) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) FailOn(folder, errno);
  DirCloser closer{dir};
  for (;;) {
    errno = 0;
    const dirent* entry = ::readdir(dir);
    if (entry == nullptr) {
      if (errno != 0) FailOn(folder, errno);
      return;
    }
    const char* name = entry->d_name;
    if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'))) continue;
    Kind kind;
    switch (entry->d_type) {
      case DT_DIR:
        kind = Kind::Folder;
        break;
      case DT_REG:
        kind = Kind::File;
        break;
      case DT_LNK:
      case DT_UNKNOWN:
        kind = KindByStat(folder, name);
        break;
      default:
        kind = Kind::Other;
        break;
    }
    if (kind != Kind::Other) onEntry(name, kind == Kind::Folder);
  }
}

std::vector<DirEntry> ListFolder(const std::string& folder) {
  std::vector<DirEntry> entries;
  ForEachEntry(folder, [&](std::string_view name, bool isFolder) {
    entries.push_back({std::string(name), isFolder});
  });
  return entries;
}

}  // namespace kerovia
