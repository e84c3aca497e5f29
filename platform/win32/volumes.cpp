#include "platform/volumes.h"

#include <windows.h>
#include <winnetwk.h>

#include "platform/win32/wide.h"

namespace kerovia {

namespace {

// While a label is read, a drive without its medium must not bring up a system dialog.
class CriticalErrorsSuppressed {
 public:
  CriticalErrorsSuppressed() {
    set_ = SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous_);
  }
  ~CriticalErrorsSuppressed() {
    if (set_) SetThreadErrorMode(previous_, nullptr);
  }

 private:
  DWORD previous_ = 0;
  BOOL set_ = FALSE;
};

std::string VolumeLabel(const std::wstring& root) {
  CriticalErrorsSuppressed quiet;
  std::wstring label(MAX_PATH + 1, L'\0');
  if (!GetVolumeInformationW(root.c_str(), label.data(), static_cast<DWORD>(label.size()), nullptr,
                             nullptr, nullptr, nullptr, 0))
    return {};
  label.resize(wcslen(label.c_str()));
  return win32::Narrow(label);
}

std::optional<std::string> NetworkPath(const std::wstring& drive) {
  std::wstring path(256, L'\0');
  for (;;) {
    DWORD length = static_cast<DWORD>(path.size());
    DWORD result = WNetGetConnectionW(drive.c_str(), path.data(), &length);
    if (result == NO_ERROR) {
      path.resize(wcslen(path.c_str()));
      return win32::Narrow(path);
    }
    if (result != ERROR_MORE_DATA || length <= path.size()) return std::nullopt;
    path.assign(length, L'\0');
  }
}

}  // namespace

std::vector<Volume> ListVolumes() {
  std::vector<Volume> volumes;
  DWORD present = GetLogicalDrives();
  for (int i = 0; i < 26; ++i) {
    if ((present & (1u << i)) == 0) continue;
    std::wstring drive{static_cast<wchar_t>(L'A' + i), L':'};
    std::wstring root = drive + L'\\';
    Volume volume;
    switch (GetDriveTypeW(root.c_str())) {
      case DRIVE_REMOVABLE:
        volume.type = VolumeType::Removable;
        break;
      case DRIVE_FIXED:
        volume.type = VolumeType::Fixed;
        break;
      case DRIVE_CDROM:
        volume.type = VolumeType::CdRom;
        break;
      case DRIVE_RAMDISK:
        volume.type = VolumeType::RamDisk;
        break;
      case DRIVE_REMOTE:
        volume.type = VolumeType::Network;
        break;
      default:
        continue;  // unknown type or no root folder
    }
    volume.root = win32::Narrow(root);
    volume.name = win32::Narrow(drive);
    if (volume.type != VolumeType::Removable) volume.label = VolumeLabel(root);
    if (volume.type == VolumeType::Network) volume.networkPath = NetworkPath(drive);
    volumes.push_back(std::move(volume));
  }
  return volumes;
}

}  // namespace kerovia
