#include <gtest/gtest.h>

#include "platform/volumes.h"

namespace kerovia {
namespace {

TEST(VolumesWin32Test, DrivesAreLettersInOrderWithTheSystemDriveFixed) {
  std::vector<Volume> volumes = ListVolumes();
  bool sawC = false;
  for (const Volume& volume : volumes) {
    ASSERT_EQ(volume.root.size(), 3u) << volume.root;
    EXPECT_TRUE(volume.root[0] >= 'A' && volume.root[0] <= 'Z') << volume.root;
    EXPECT_EQ(volume.root.substr(1), ":\\");
    EXPECT_EQ(volume.name, volume.root.substr(0, 2));
    if (volume.name == "C:") {
      sawC = true;
      EXPECT_EQ(volume.type, VolumeType::Fixed);
    }
  }
  EXPECT_TRUE(sawC);
}

}  // namespace
}  // namespace kerovia
