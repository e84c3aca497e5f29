#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/error.h"
#include "settings/kerovia_settings.h"
#include "tests/settings/test_folder.h"

namespace kerovia {
namespace {

using testing::FsPath;
using testing::ReadFileBytes;
using testing::TestFolder;
using testing::WriteFileBytes;

class FixedWindow : public SettingsWindow {
 public:
  int Left() const override { return 20; }
  int Top() const override { return 20; }
  void MoveTo(int, int) override {}
  bool RadioChecked(int index) const override { return index == 0; }
  void SetRadioChecked(int, bool) override {}
  bool IsVisibleOnSomeMonitor(int, int) const override { return true; }
};

TEST(AtomicFileWin32Test, AReadOnlySettingsFileIsNotReplaced) {
  TestFolder folder;
  const std::string ini = folder.File("Kerovia.ini");
  WriteFileBytes(ini, "[SET]\r\nM_LEFT=5\r\n");
  std::filesystem::permissions(FsPath(ini), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  try {
    SaveSettings(ini, FixedWindow(), {});
    ADD_FAILURE() << "a read-only file was replaced";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), ini + " に書き込めません");
  }
  EXPECT_EQ(ReadFileBytes(ini), "[SET]\r\nM_LEFT=5\r\n");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"Kerovia.ini"});
  std::filesystem::permissions(FsPath(ini), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
}

TEST(AtomicFileWin32Test, PathsLongerThanMaxPathWork) {
  TestFolder folder;
  // Made and removed through the extended-length form, which the standard library passes on.
  auto longForm = [](const std::string& path) { return FsPath("\\\\?\\" + path); };
  std::vector<std::string> levels = {testing::Utf8(folder.path())};
  while (levels.back().size() < 300) {
    levels.push_back(levels.back() + "\\" + std::string(60, 'd'));
    std::filesystem::create_directory(longForm(levels.back()));
  }
  const std::string ini = levels.back() + "\\Kerovia.ini";
  SaveSettings(ini, FixedWindow(), {});
  std::optional<std::string> bytes = ReadWholeFile(ini);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_NE(bytes->find("M_LEFT=20"), std::string::npos);
  EXPECT_EQ(std::filesystem::file_size(longForm(ini)), bytes->size());

  std::filesystem::remove(longForm(ini));
  while (levels.size() > 1) {
    std::filesystem::remove(longForm(levels.back()));
    levels.pop_back();
  }
}

}  // namespace
}  // namespace kerovia
