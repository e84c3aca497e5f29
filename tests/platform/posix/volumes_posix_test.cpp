#include <gtest/gtest.h>

#include <algorithm>

#include "platform/volumes.h"

namespace kerovia {
namespace {

TEST(VolumesPosixTest, TheRootFileSystemIsListedAndNoSystemMounts) {
  std::vector<Volume> volumes = ListVolumes();
  auto root =
      std::find_if(volumes.begin(), volumes.end(), [](const Volume& v) { return v.root == "/"; });
  ASSERT_NE(root, volumes.end());
  EXPECT_EQ(root->name, "/");
  for (const Volume& volume : volumes)
    for (const char* system : {"/proc", "/sys", "/dev"})
      EXPECT_NE(volume.root.rfind(system, 0), 0u) << volume.root;
}

}  // namespace
}  // namespace kerovia
