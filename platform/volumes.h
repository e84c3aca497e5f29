#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kerovia {

enum class VolumeType { Removable, Fixed, CdRom, RamDisk, Network };

// One drive present now: on Windows a drive letter, elsewhere a mounted volume.
struct Volume {
  std::string root;  // "F:\" or "/media/phone": where the device's folders start
  std::string name;  // "F:" or "phone": the short name shown after "ドライブ "
  VolumeType type = VolumeType::Fixed;
  // The volume label; never read for removable drives (their medium is not touched).
  std::string label;
  // A network drive's share path (\\SERVER\SHARE) when it could be read.
  std::optional<std::string> networkPath;
};

// The drives present: on Windows the letters A to Z in letter order whose type is
// removable, fixed, CD-ROM, RAM disk or network; elsewhere the mounted volumes ordered by
// their mount point. Labels are read without critical-error dialogs.
std::vector<Volume> ListVolumes();

}  // namespace kerovia
