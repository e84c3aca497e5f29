#include "platform/volumes.h"

#include <dirent.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <map>
#include <sstream>
#include <string_view>

namespace kerovia {

namespace {

// mountinfo writes space, tab, newline and backslash as \ooo.
std::string UnescapeOctal(std::string_view text) {
  auto octal = [&](std::size_t k) { return text[k] >= '0' && text[k] <= '7'; };
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 3 < text.size() && octal(i + 1) && octal(i + 2) && octal(i + 3)) {
      plain += static_cast<char>((text[i + 1] - '0') * 64 + (text[i + 2] - '0') * 8 +
                                 (text[i + 3] - '0'));
      i += 3;
      continue;
    }
    plain += text[i];
  }
  return plain;
}

// udev names labels with \xHH escapes.
std::string UnescapeHex(std::string_view text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x' &&
        std::isxdigit(static_cast<unsigned char>(text[i + 2])) &&
        std::isxdigit(static_cast<unsigned char>(text[i + 3]))) {
      plain += static_cast<char>(std::stoi(std::string(text.substr(i + 2, 2)), nullptr, 16));
      i += 3;
      continue;
    }
    plain += text[i];
  }
  return plain;
}

bool IsUnder(std::string_view path, std::string_view folder) {
  return path == folder || (path.size() > folder.size() &&
                            path.substr(0, folder.size()) == folder && path[folder.size()] == '/');
}

bool IsSystemMount(const std::string& fsType, const std::string& mountPoint) {
  static constexpr std::array<std::string_view, 24> kPseudo = {
      "proc",       "sysfs",    "devtmpfs",  "devpts", "cgroup",      "cgroup2",
      "securityfs", "debugfs",  "tracefs",   "pstore", "bpf",         "mqueue",
      "hugetlbfs",  "configfs", "fusectl",   "autofs", "binfmt_misc", "rpc_pipefs",
      "nsfs",       "efivarfs", "selinuxfs", "ramfs",  "squashfs",    "fuse.gvfsd-fuse"};
  if (std::find(kPseudo.begin(), kPseudo.end(), fsType) != kPseudo.end()) return true;
  if (IsUnder(mountPoint, "/run/media")) return false;
  return IsUnder(mountPoint, "/proc") || IsUnder(mountPoint, "/sys") ||
         IsUnder(mountPoint, "/dev") || IsUnder(mountPoint, "/run") || IsUnder(mountPoint, "/snap");
}

bool IsRemovableDevice(const std::string& majorMinor) {
  // A partition's own folder has no "removable"; its disk (the parent folder) has.
  for (const char* file : {"/removable", "/../removable"}) {
    std::ifstream flag("/sys/dev/block/" + majorMinor + file);
    char value = 0;
    if (flag >> value) return value == '1';
  }
  return false;
}

std::string RealPath(const std::string& path) {
  char* resolved = ::realpath(path.c_str(), nullptr);
  if (resolved == nullptr) return path;
  std::string result(resolved);
  ::free(resolved);
  return result;
}

std::string LabelOf(const std::string& device) {
  if (device.empty() || device[0] != '/') return {};
  std::string target = RealPath(device);
  DIR* dir = ::opendir("/dev/disk/by-label");
  if (dir == nullptr) return {};
  std::string label;
  while (const dirent* entry = ::readdir(dir)) {
    if (entry->d_name[0] == '.') continue;
    if (RealPath(std::string("/dev/disk/by-label/") + entry->d_name) == target) {
      label = UnescapeHex(entry->d_name);
      break;
    }
  }
  ::closedir(dir);
  return label;
}

VolumeType TypeOf(const std::string& fsType, const std::string& majorMinor,
                  const std::string& mountPoint) {
  static constexpr std::array<std::string_view, 8> kNetwork = {
      "nfs", "nfs4", "cifs", "smb3", "smbfs", "fuse.sshfs", "afs", "9p"};
  if (std::find(kNetwork.begin(), kNetwork.end(), fsType) != kNetwork.end())
    return VolumeType::Network;
  if (fsType == "iso9660" || fsType == "udf") return VolumeType::CdRom;
  if (fsType == "tmpfs") return VolumeType::RamDisk;
  if (IsRemovableDevice(majorMinor) || IsUnder(mountPoint, "/media") ||
      IsUnder(mountPoint, "/run/media"))
    return VolumeType::Removable;
  return VolumeType::Fixed;
}

}  // namespace

std::vector<Volume> ListVolumes() {
  // A later mount on the same point hides the earlier one: keep the last, ordered by path.
  std::map<std::string, Volume> byMountPoint;
  std::ifstream mounts("/proc/self/mountinfo");
  std::string line;
  while (std::getline(mounts, line)) {
    std::istringstream fields(line);
    std::string id, parent, majorMinor, root, mountPoint, field;
    if (!(fields >> id >> parent >> majorMinor >> root >> mountPoint)) continue;
    while (fields >> field && field != "-") {
    }
    std::string fsType, source;
    if (!(fields >> fsType >> source)) continue;
    mountPoint = UnescapeOctal(mountPoint);
    source = UnescapeOctal(source);
    if (IsSystemMount(fsType, mountPoint)) continue;
    Volume volume;
    volume.root = mountPoint;
    auto slash = mountPoint.find_last_of('/');
    volume.name = mountPoint == "/" ? "/" : mountPoint.substr(slash + 1);
    volume.type = TypeOf(fsType, majorMinor, mountPoint);
    if (volume.type == VolumeType::Network)
      volume.networkPath = source;
    else if (volume.type != VolumeType::Removable)
      volume.label = LabelOf(source);
    byMountPoint[mountPoint] = std::move(volume);
  }
  std::vector<Volume> volumes;
  for (auto& [mountPoint, volume] : byMountPoint) {
    struct stat info;
    if (::stat(mountPoint.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
      volumes.push_back(std::move(volume));
  }
  return volumes;
}

}  // namespace kerovia
