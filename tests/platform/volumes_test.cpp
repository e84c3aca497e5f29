#include "platform/volumes.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/file_attributes.h"

namespace kerovia {
namespace {

// The drives present differ per machine; what holds on every one is checked here, the
// mapped test drives in the inventory suite.
TEST(VolumesTest, EveryFixedVolumeHasAnExistingRootAndAllAShortNameInAStableOrder) {
  std::vector<Volume> volumes = ListVolumes();
  ASSERT_FALSE(volumes.empty());
  for (const Volume& volume : volumes) {
    // A removable drive is listed without touching its medium, so an empty card reader (or
    // a phone unplugged from its letter) is there without a readable root.
    if (volume.type != VolumeType::Removable) {
      EXPECT_TRUE(IsFolder(volume.root)) << volume.root;
    }
    EXPECT_FALSE(volume.name.empty()) << volume.root;
    EXPECT_LE(volume.name.size(), volume.root.size()) << volume.root;
    if (volume.type == VolumeType::Removable) {
      EXPECT_EQ(volume.label, "") << volume.root;
    }
  }
  EXPECT_TRUE(std::is_sorted(volumes.begin(), volumes.end(),
                             [](const Volume& a, const Volume& b) { return a.root < b.root; }));
  std::vector<Volume> again = ListVolumes();
  ASSERT_EQ(again.size(), volumes.size());
  for (std::size_t i = 0; i < volumes.size(); ++i) EXPECT_EQ(again[i].root, volumes[i].root);
}

}  // namespace
}  // namespace kerovia
