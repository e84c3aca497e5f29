#include "backup/folder_backup.h"

#include <gtest/gtest.h>

#include "backup/messages.h"
#include "backup/progress_counts.h"
#include "recorders.h"
#include "test_files.h"

namespace kerovia {
namespace {

using testing::FolderContents;
using testing::Log;
using testing::ReadFile;
using testing::WriteFile;

const std::string kTitle = "Kerovia";

struct Source {
  std::string folder;  // below the phone's root
  std::string name;
  std::string kind;
};

// A phone folder and a target folder of the test's own, and the recorders.
class FolderBackup : public ::testing::Test {
 protected:
  testing::TempFolder temp;
  std::string phone = temp / "phone";
  std::string target = temp / "target";
  Log log;
  testing::RecordingMainView main{log};
  testing::RecordingProgressView progress{log};
  testing::RecordingServices services{log};
  FileList list;

  void SetUp() override {
    std::filesystem::create_directories(testing::FsPath(target));
    services.folder = target;
  }

  // Each source gets bytes of its own: the content is the source's full path.
  std::string Add(const Source& source) {
    std::string path = JoinPath(JoinPath(phone, source.folder), source.name);
    WriteFile(path, testing::Bytes(path));
    list.Append(path, source.kind);
    return path;
  }

  void Backup() { BackupToFolder(list, main, progress, services, kTitle); }
};

struct ClashCase {
  const char* what;
  std::vector<Source> sources;
  std::vector<std::string> present;  // names already in the target, with bytes of their own
  int runs;
  // target name -> index of the source whose bytes it holds, or -1 - i for present[i]
  std::map<std::string, int> expected;
};

class NameClash : public FolderBackup, public ::testing::WithParamInterface<ClashCase> {};

TEST_P(NameClash, EverySourceLandsUnderAFreeNameAndNothingIsOverwritten) {
  const ClashCase& c = GetParam();
  std::vector<std::string> sourcePaths;
  for (const auto& s : c.sources) sourcePaths.push_back(Add(s));
  for (const auto& name : c.present) {
    if (name.back() == '/') {
      std::filesystem::create_directories(
          testing::FsPath(JoinPath(target, name.substr(0, name.size() - 1))));
    } else {
      WriteFile(JoinPath(target, name), "present " + name);
    }
  }
  for (int run = 0; run < c.runs; ++run) Backup();

  std::map<std::string, std::string> want;
  for (const auto& [name, index] : c.expected) {
    if (index >= 0) {
      want[name] = testing::Digest(testing::Bytes(sourcePaths[index]));
    } else {
      const std::string& p = c.present[-1 - index];
      want[name] = p.back() == '/' ? "<folder>" : testing::Digest("present " + p);
    }
  }
  EXPECT_EQ(FolderContents(target), want) << c.what;
  EXPECT_TRUE(services.messages.empty()) << c.what << ": " << services.messages[0].text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NameClash,
    ::testing::Values(
        ClashCase{"two of the same name from different folders",
                  {{"DCIM/Camera", "IMG_0001.jpg", "p"}, {"DCIM/Other", "IMG_0001.jpg", "p"}},
                  {},
                  1,
                  {{"IMG_0001.jpg", 0}, {"コピー - IMG_0001.jpg", 1}}},
        ClashCase{"twice into the same folder",
                  {{"Music", "a.mp3", "m"}, {"Movies", "b.mp4", "v"}},
                  {},
                  2,
                  {{"a.mp3", 0}, {"b.mp4", 1}, {"コピー - a.mp3", 0}, {"コピー - b.mp4", 1}}},
        ClashCase{
            "a third file of the same name",
            {{"A", "IMG_0001.jpg", "p"}, {"B", "IMG_0001.jpg", "p"}, {"C", "IMG_0001.jpg", "p"}},
            {},
            1,
            {{"IMG_0001.jpg", 0}, {"コピー - IMG_0001.jpg", 1}, {"コピー (2) - IMG_0001.jpg", 2}}},
        ClashCase{"a copy left by an earlier run",
                  {{"DCIM", "IMG_0001.jpg", "p"}},
                  {"IMG_0001.jpg", "コピー - IMG_0001.jpg"},
                  1,
                  {{"IMG_0001.jpg", -1},
                   {"コピー - IMG_0001.jpg", -2},
                   {"コピー (2) - IMG_0001.jpg", 0}}},
        ClashCase{"only the copy name is taken",
                  {{"DCIM", "IMG_0001.jpg", "p"}},
                  {"コピー - IMG_0001.jpg"},
                  1,
                  {{"IMG_0001.jpg", 0}, {"コピー - IMG_0001.jpg", -1}}},
        ClashCase{"a folder of the name",
                  {{"DCIM", "IMG_0001.jpg", "p"}},
                  {"IMG_0001.jpg/"},
                  1,
                  {{"IMG_0001.jpg", -1}, {"コピー - IMG_0001.jpg", 0}}},
        ClashCase{"Japanese names",
                  {{"音楽", "夜明け 前.mp3", "m"}, {"音楽/別", "夜明け 前.mp3", "m"}},
                  {},
                  1,
                  {{"夜明け 前.mp3", 0}, {"コピー - 夜明け 前.mp3", 1}}}));

TEST_F(FolderBackup, OneBackupDrivesTheWindowsInOrder) {
  Add({"Music", "a.mp3", "m"});
  Add({"DCIM", "b.jpg", "p"});
  Backup();
  Log expected = {"pick バックアップ先の選択",
                  "status バックアップ準備中です...",
                  "colour " + std::to_string(0xFFFF00),
                  "bar0 1",
                  "bar1 0",
                  "bar2 1",
                  "tag 1",
                  "progress.Show",
                  "main.Hide",
                  "bar0 0",
                  "status フォルダへバックアップ中です...",
                  "progress.Repaint",
                  "bar2 0",
                  "status フォルダへバックアップ中です...",
                  "progress.Repaint",
                  "beep",
                  "progress.Close",
                  "main.Show"};
  EXPECT_EQ(log, expected);
}

TEST_F(FolderBackup, EveryRunCountsDownFromTheListedNumbersOfEachKind) {
  for (const char* kind : {"m", "m", "v", "p", "p", "p"})
    Add({"F", std::string(kind) + std::to_string(list.FileCount) + ".dat", kind});
  // Stale counts of an earlier scan or backup.
  progress.positions[0] = 17;
  progress.positions[1] = -3;
  progress.positions[2] = 0;
  for (int run = 0; run < 2; ++run) {
    log.clear();
    Backup();
    auto start = std::find(log.begin(), log.end(), "bar0 2");
    ASSERT_NE(start, log.end()) << "run " << run;
    EXPECT_EQ(*(start + 1), "bar1 1") << "run " << run;
    EXPECT_EQ(*(start + 2), "bar2 3") << "run " << run;
    EXPECT_EQ(progress.positions[0], 0) << "run " << run;
    EXPECT_EQ(progress.positions[1], 0) << "run " << run;
    EXPECT_EQ(progress.positions[2], 0) << "run " << run;
  }
}

struct NoTargetCase {
  const char* what;
  int files;
  std::optional<std::string> picked;
};

class NothingToDo : public FolderBackup, public ::testing::WithParamInterface<NoTargetCase> {};

TEST_P(NothingToDo, LeavesBothWindowsAndTheFolderAsTheyWere) {
  const NoTargetCase& c = GetParam();
  for (int i = 0; i < c.files; ++i) Add({"DCIM", "IMG_" + std::to_string(i) + ".jpg", "p"});
  services.folder = c.picked;
  Backup();
  Log expected;
  if (c.files > 0) expected.push_back("pick バックアップ先の選択");
  EXPECT_EQ(log, expected) << c.what;
  EXPECT_TRUE(main.visible);
  EXPECT_FALSE(progress.visible);
  EXPECT_TRUE(FolderContents(target).empty()) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, NothingToDo,
                         ::testing::Values(NoTargetCase{"an empty list", 0, "unused"},
                                           NoTargetCase{"the picker cancelled", 2, std::nullopt},
                                           NoTargetCase{"an empty path chosen", 2, ""}));

TEST_F(FolderBackup, ASourceThatDisappearsIsSkippedAndReported) {
  Add({"DCIM", "first.jpg", "p"});
  std::string second = Add({"DCIM", "gone.jpg", "p"});
  Add({"DCIM", "third.jpg", "p"});
  bool removed = false;
  progress.onRepaint = [&] {
    if (!removed) removed = std::filesystem::remove(testing::FsPath(second));
  };
  Backup();
  ASSERT_TRUE(removed);
  auto contents = FolderContents(target);
  EXPECT_EQ(contents.size(), 2u);
  EXPECT_EQ(contents["first.jpg"],
            testing::Digest(testing::Bytes(JoinPath(JoinPath(phone, "DCIM"), "first.jpg"))));
  EXPECT_EQ(contents["third.jpg"],
            testing::Digest(testing::Bytes(JoinPath(JoinPath(phone, "DCIM"), "third.jpg"))));
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text.rfind(CopyFailedHeadline(1) + "\ngone.jpg\n", 0), 0u)
      << services.messages[0].text;
  EXPECT_EQ(services.messages[0].caption, kTitle);
  EXPECT_EQ(services.messages[0].icon, MessageIcon::None);
  // Every file is counted down, the failed one too; the card goes and the main window returns.
  EXPECT_EQ(progress.positions[2], 0);
  Log tail(log.end() - 4, log.end());
  EXPECT_EQ(tail, (Log{"beep", "message", "progress.Close", "main.Show"}));
}

TEST_F(FolderBackup, AMissingTargetFolderReportsEveryFile) {
  for (int i = 0; i < 7; ++i) Add({"DCIM", "IMG_" + std::to_string(i) + ".jpg", "p"});
  services.folder = temp / "no such folder";
  Backup();
  ASSERT_EQ(services.messages.size(), 1u);
  std::string want =
      CopyFailedHeadline(7) + "\nIMG_0.jpg\nIMG_1.jpg\nIMG_2.jpg\nIMG_3.jpg\nIMG_4.jpg\nほか2個\n(";
  EXPECT_EQ(services.messages[0].text.substr(0, want.size()), want);
  EXPECT_FALSE(std::filesystem::exists(testing::FsPath(temp / "no such folder")));
  EXPECT_TRUE(main.visible);
  EXPECT_FALSE(progress.visible);
}

TEST_F(FolderBackup, AnExceptionStopsTheBackupWithTheFixedMessage) {
  Add({"A", "one.mp3", "m"});
  Add({"A", "two.mp3", "m"});
  Add({"A", "three.mp3", "m"});
  int setPositions = 0;
  // The three start counts, then the first countdown; the second countdown throws.
  progress.onSetPosition = [&](Bar) {
    if (++setPositions == 5) throw std::runtime_error("card gone");
  };
  Backup();
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text, kReadFailedMessage);
  EXPECT_EQ(services.messages[0].caption, kTitle);
  EXPECT_EQ(services.messages[0].icon, MessageIcon::None);
  Log tail(log.end() - 4, log.end());
  EXPECT_EQ(tail, (Log{"beep", "message", "progress.Close", "main.Show"}));
  auto contents = FolderContents(target);
  EXPECT_EQ(contents.size(), 2u) << "the third file must not be copied";
  EXPECT_EQ(contents.count("three.mp3"), 0u);
}

}  // namespace
}  // namespace kerovia
