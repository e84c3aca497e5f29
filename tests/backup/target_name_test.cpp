#include "backup/target_name.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/path.h"

namespace kerovia {
namespace {

TEST(TargetName, NamesOfTheSuccessiveAttempts) {
  struct Case {
    int attempt;
    const char* want;
  } cases[] = {
      {0, "IMG_0001.jpg"},
      {1, "コピー - IMG_0001.jpg"},
      {2, "コピー (2) - IMG_0001.jpg"},
      {3, "コピー (3) - IMG_0001.jpg"},
      {12, "コピー (12) - IMG_0001.jpg"},
  };
  for (const auto& c : cases) EXPECT_EQ(TargetName("IMG_0001.jpg", c.attempt), c.want) << c.attempt;
}

struct FreeCase {
  const char* what;
  std::string folder;
  std::set<std::string> taken;  // names in the folder
  int startAttempt;
  std::string wantName;
  int wantAttempt;
};

const std::string kSep(1, kPathSeparator);

TEST(FreeTargetPath, FirstFreeNameAfterTheTakenOnes) {
  const FreeCase cases[] = {
      {"free", "T", {}, 0, "a.jpg", 0},
      {"plain taken", "T", {"a.jpg"}, 0, "コピー - a.jpg", 1},
      {"two taken", "T", {"a.jpg", "コピー - a.jpg"}, 0, "コピー (2) - a.jpg", 2},
      {"a gap is used", "T", {"a.jpg", "コピー (2) - a.jpg"}, 0, "コピー - a.jpg", 1},
      {"resumes after a lost race", "T", {"a.jpg"}, 2, "コピー (2) - a.jpg", 2},
      // A drive root ends in its separator already: no doubled separator.
      {"drive root", "D:" + kSep, {}, 0, "a.jpg", 0},
  };
  for (const auto& c : cases) {
    std::vector<std::string> asked;
    auto taken = [&](const std::string& path) {
      asked.push_back(path);
      return c.taken.count(NamePart(path)) > 0;
    };
    int attempt = c.startAttempt;
    std::string folderWithSep = c.folder.back() == kPathSeparator ? c.folder : c.folder + kSep;
    EXPECT_EQ(FreeTargetPath(c.folder, "a.jpg", attempt, taken), folderWithSep + c.wantName)
        << c.what;
    EXPECT_EQ(attempt, c.wantAttempt) << c.what;
    for (const auto& path : asked) EXPECT_EQ(FolderPart(path), folderWithSep) << c.what;
  }
}

TEST(FreeTargetPath, GivesUpWhenEveryNameIsTaken) {
  int attempt = 0;
  int asked = 0;
  auto allTaken = [&](const std::string&) {
    ++asked;
    return true;
  };
  EXPECT_EQ(FreeTargetPath("T", "a.jpg", attempt, allTaken), "");
  EXPECT_EQ(asked, kMaxTargetAttempts);
}

}  // namespace
}  // namespace kerovia
