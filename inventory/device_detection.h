#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "inventory/main_view.h"
#include "platform/services.h"
#include "platform/volumes.h"

namespace kerovia {

// The items of the hidden drive list DriveComboBox1, upper-cased: "F:" for a removable
// drive, "C: [SYSTEM]" for fixed, CD-ROM and RAM disk drives, "Z: \\SERVER\SHARE" for a
// network drive (its bracketed label when the share's path could not be read).
std::vector<std::string> DriveListItems(const std::vector<Volume>& volumes);

// Tells whether a path is a folder; may throw for a drive that cannot be read.
using FolderTest = std::function<bool(const std::string& path)>;

// The first half of a refresh: the first volume whose root holds a folder "Android" is the
// phone. Shows "ドライブ " + its name in C0_01 and keeps its root in C0_01's hint, and
// returns that root. When none has one: the beep, "接続されていません", C0_02 emptied and
// both backup buttons disabled with black captions; nothing is returned. An error while
// looking at one volume skips that volume.
std::optional<std::string> DetectDevice(MainView& main, Services& services,
                                        const std::vector<Volume>& volumes);
std::optional<std::string> DetectDevice(MainView& main, Services& services,
                                        const std::vector<Volume>& volumes,
                                        const FolderTest& isFolder);

}  // namespace kerovia
