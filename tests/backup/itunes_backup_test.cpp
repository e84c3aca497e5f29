#include "backup/itunes_backup.h"

#include <gtest/gtest.h>

#include "backup/messages.h"
#include "backup/progress_counts.h"
#include "recorders.h"

namespace kerovia {
namespace {

using testing::Log;
using testing::ScriptedProcess;

const std::string kTitle = "Kerovia";

struct Entry {
  std::string folder, name, kind;
};

// Programs of a script: for each start, how many slices it runs and its exit code.
struct Step {
  int timeouts;
  std::optional<int> exitCode;
};

class ITunesBackup : public ::testing::Test {
 protected:
  Log log;
  testing::RecordingMainView main{log};
  testing::RecordingProgressView progress{log};
  testing::RecordingServices services{log};
  FileList list;
  std::vector<Step> script;
  std::size_t started = 0;

  void SetUp() override {
    services.start = [this](const std::string&) -> std::unique_ptr<Process> {
      Step run = started < script.size() ? script[started] : Step{0, 0};
      ++started;
      return std::make_unique<ScriptedProcess>(log, run.timeouts, run.exitCode);
    };
  }

  // Cells set directly: the command line takes the two columns as they are.
  void Add(const Entry& e) {
    ++list.FileCount;
    list.StringGrid1.SetCell(FileList::kFolder, list.FileCount, e.folder);
    list.StringGrid1.SetCell(FileList::kName, list.FileCount, e.name);
    list.StringGrid1.SetCell(FileList::kKind, list.FileCount, e.kind);
  }

  void Backup() { BackupToITunes(list, main, progress, services, kTitle); }
};

TEST_F(ITunesBackup, CommandLineQuotesTheFullPathAsOneArgument) {
  struct Case {
    Entry entry;
    const char* want;
  } cases[] = {
      {{"F:\\Music\\Artist\\", "Song.mp3", "m"}, "addfile.exe \"F:\\Music\\Artist\\Song.mp3\""},
      {{"F:\\Music\\My Artist\\", "Song 1.mp3", "m"},
       "addfile.exe \"F:\\Music\\My Artist\\Song 1.mp3\""},
      {{"F:\\音楽\\", "夜明け前.mp3", "m"}, "addfile.exe \"F:\\音楽\\夜明け前.mp3\""},
      {{"F:\\Music\\", "𠮷野 한국.m4a", "m"}, "addfile.exe \"F:\\Music\\𠮷野 한국.m4a\""},
  };
  for (const auto& c : cases) Add(c.entry);
  Backup();
  ASSERT_EQ(services.commandLines.size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(services.commandLines[i], cases[i].want);
  EXPECT_TRUE(services.messages.empty());
}

TEST_F(ITunesBackup, OneBackupWaitsInSlicesAndHandlesEventsBetweenThem) {
  Add({"F:\\M\\", "a.mp3", "m"});
  Add({"F:\\V\\", "b.mp4", "v"});
  script = {{2, 0}, {0, 0}};
  progress.positions[0] = 5;  // stale counts are replaced by the list's
  Backup();
  Log expected = {"status iTunes 起動中です...",
                  "colour " + std::to_string(0xFFFF00),
                  "bar0 1",
                  "bar1 1",
                  "bar2 0",
                  "tag 1",
                  "progress.Show",
                  "main.Hide",
                  "start addfile.exe \"F:\\M\\a.mp3\"",
                  "wait 60",
                  "events",
                  "wait 60",
                  "events",
                  "wait 60",
                  "bar0 0",
                  "status iTunesへバックアップ中です...",
                  "start addfile.exe \"F:\\V\\b.mp4\"",
                  "wait 60",
                  "bar1 0",
                  "status iTunesへバックアップ中です...",
                  "beep",
                  "progress.Close",
                  "main.Show"};
  EXPECT_EQ(log, expected);
}

TEST_F(ITunesBackup, EmptyListDoesNothing) {
  Backup();
  EXPECT_TRUE(log.empty());
}

TEST_F(ITunesBackup, CancelDuringTheThirdFileStopsWhenItHasEnded) {
  for (const char* name : {"1.mp3", "2.mp3", "3.mp3", "4.mp3", "5.mp3"}) Add({"F:\\", name, "m"});
  // The second was not taken: a cancelled backup still tells so.
  script = {{1, 0}, {1, 1}, {3, 0}, {1, 0}, {1, 0}};
  int events = 0;
  services.onProcessMessages = [&] {
    // "×" pressed while the third program runs.
    if (started == 3 && ++events == 2) progress.PressClose();
  };
  Backup();
  EXPECT_EQ(services.commandLines.size(), 3u) << "the fourth file must never be started";
  EXPECT_EQ(progress.positions[0], 5 - 2) << "the third file is not counted down";
  EXPECT_TRUE(main.visible);
  EXPECT_FALSE(progress.visible);
  EXPECT_EQ(std::count(log.begin(), log.end(), "progress.Close"), 1);
  Log tail(log.end() - 3, log.end());
  EXPECT_EQ(tail, (Log{"beep", "message", "main.Show"}));
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text, FailureReport(AddFailedHeadline(1), {"2.mp3"}));
  // The third program ran to its end first.
  auto close = std::find(log.begin(), log.end(), "progress.Close");
  EXPECT_EQ(std::count(close, log.end(), "wait 60"), 2);
}

TEST_F(ITunesBackup, AddFileProgramThatCannotStartIsReported) {
  for (std::size_t failAt : {0u, 1u}) {
    SCOPED_TRACE(failAt);
    log.clear();
    services.messages.clear();
    list = FileList();
    Add({"F:\\", "a.mp3", "m"});
    Add({"F:\\", "b.mp3", "m"});
    std::size_t starts = 0;
    services.start = [&](const std::string&) -> std::unique_ptr<Process> {
      if (starts++ == failAt) return nullptr;
      return std::make_unique<ScriptedProcess>(log, 0, 0);
    };
    Backup();
    EXPECT_EQ(starts, failAt + 1);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, kAddFileNotStartedMessage);
    EXPECT_EQ(services.messages[0].caption, kTitle);
    EXPECT_EQ(services.messages[0].icon, MessageIcon::None);
    Log tail(log.end() - 4, log.end());
    EXPECT_EQ(tail, (Log{"beep", "message", "progress.Close", "main.Show"}));
    EXPECT_EQ(progress.positions[0], 2 - static_cast<int>(failAt));
    EXPECT_TRUE(main.visible);
    EXPECT_FALSE(progress.visible);
  }
}

TEST_F(ITunesBackup, FilesTheAddFileProgramDidNotTakeAreReported) {
  struct Case {
    const char* what;
    std::vector<std::optional<int>> exitCodes;
    std::vector<std::string> failed;
  } cases[] = {
      {"all added", {0, 0, 0}, {}},
      {"exit 1", {0, 1, 0}, {"2.mp3"}},
      {"exit 3 and an unknown code", {3, 0, std::nullopt}, {"1.mp3", "3.mp3"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    log.clear();
    services.messages.clear();
    list = FileList();
    script.clear();
    started = 0;
    for (std::size_t i = 0; i < c.exitCodes.size(); ++i) {
      Add({"F:\\", std::to_string(i + 1) + ".mp3", "m"});
      script.push_back({0, c.exitCodes[i]});
    }
    Backup();
    EXPECT_EQ(progress.positions[0], 0) << "every file handed over is counted down";
    if (c.failed.empty()) {
      EXPECT_TRUE(services.messages.empty());
      continue;
    }
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text,
              FailureReport(AddFailedHeadline(c.failed.size()), c.failed));
    EXPECT_EQ(services.messages[0].caption, kTitle);
    Log tail(log.end() - 4, log.end());
    EXPECT_EQ(tail, (Log{"beep", "message", "progress.Close", "main.Show"}));
  }
}

TEST_F(ITunesBackup, AFailedWaitCountsAsTheEndOfTheProgram) {
  Add({"F:\\", "a.mp3", "m"});
  services.start = [&](const std::string&) -> std::unique_ptr<Process> {
    return std::make_unique<ScriptedProcess>(log, 0, 0, Process::WaitResult::Failed);
  };
  Backup();
  EXPECT_EQ(std::count(log.begin(), log.end(), "wait 60"), 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), "events"), 0);
  EXPECT_EQ(progress.positions[0], 0);
}

TEST_F(ITunesBackup, AnExceptionStopsTheBackupWithTheFixedMessage) {
  Add({"F:\\", "a.mp3", "m"});
  Add({"F:\\", "b.mp3", "m"});
  services.start = [&](const std::string& line) -> std::unique_ptr<Process> {
    if (line.find("b.mp3") != std::string::npos) throw std::runtime_error("gone");
    return std::make_unique<ScriptedProcess>(log, 0, 0);
  };
  Backup();
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text, kReadFailedMessage);
  EXPECT_EQ(services.messages[0].icon, MessageIcon::None);
  Log tail(log.end() - 4, log.end());
  EXPECT_EQ(tail, (Log{"beep", "message", "progress.Close", "main.Show"}));
  EXPECT_EQ(progress.positions[0], 1);
}

}  // namespace
}  // namespace kerovia
