#include "inventory/device_detection.h"

#include <exception>

#include "platform/file_attributes.h"
#include "platform/path.h"

namespace kerovia {

namespace {

constexpr std::uint32_t kBlackCaption = 0x000000;

// Drive letters, labels and share paths are upper-cased as the drive list shows them;
// only ASCII letters, so that Japanese labels stay intact.
std::string UpperAscii(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

}  // namespace

std::vector<std::string> DriveListItems(const std::vector<Volume>& volumes) {
  std::vector<std::string> items;
  for (const Volume& volume : volumes) {
    std::string item = volume.name;
    if (volume.type == VolumeType::Network && volume.networkPath)
      item += " " + *volume.networkPath;
    else if (volume.type != VolumeType::Removable)
      item += " [" + volume.label + "]";
    items.push_back(UpperAscii(std::move(item)));
  }
  return items;
}

std::optional<std::string> DetectDevice(MainView& main, Services& services,
                                        const std::vector<Volume>& volumes) {
  return DetectDevice(main, services, volumes, IsFolder);
}

std::optional<std::string> DetectDevice(MainView& main, Services& services,
                                        const std::vector<Volume>& volumes,
                                        const FolderTest& isFolder) {
  main.SetDeviceText("");
  std::optional<std::string> found;
  for (const Volume& volume : volumes) {
    try {
      if (isFolder(JoinPath(volume.root, "Android"))) {
        main.SetDeviceText("ドライブ " + volume.name);
        main.SetDeviceRoot(volume.root);
        found = volume.root;
        break;
      }
    } catch (const std::exception&) {
      // A drive without its medium, or one that cannot be read: try the next.
    }
  }
  main.Repaint();
  if (!found) {
    services.Beep();
    main.SetDeviceText("接続されていません");
    main.SetCountText("");
    main.SetBackupButtons(false, kBlackCaption);
  }
  return found;
}

}  // namespace kerovia
