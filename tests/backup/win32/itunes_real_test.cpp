// The backup to iTunes through the real services, with the stand-in add-file program copied
// as addfile.exe beside this test program, where the program search looks first.

#include <gtest/gtest.h>

#include "../recorders.h"
#include "../test_files.h"
#include "backup/itunes_backup.h"
#include "backup/messages.h"
#include "backup/progress_counts.h"
#include "platform/win32/services.h"
#include "win32_helpers.h"

namespace kerovia {
namespace {

using testing::Log;

// Real programs and events; recorded beeps, messages and picker.
class RealProcessServices : public testing::RecordingServices {
 public:
  using RecordingServices::RecordingServices;
  win32::Win32Services real{nullptr};
  std::function<void()> afterEvents;
  int starts = 0;

  std::unique_ptr<Process> StartHidden(const std::string& commandLine) override {
    commandLines.push_back(commandLine);
    ++starts;
    return real.StartHidden(commandLine);
  }
  void ProcessMessages() override {
    real.ProcessMessages();
    if (afterEvents) afterEvents();
  }
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

class ITunesBackupForReal : public ::testing::Test {
 protected:
  testing::TempFolder temp;
  std::string addFile = testing::ProgramFolder() + "\\addfile.exe";
  std::string log = temp / "log.txt";
  Log events;
  testing::RecordingMainView main{events};
  testing::RecordingProgressView progress{events};
  RealProcessServices services{events};
  FileList list;

  void SetUp() override {
    ASSERT_TRUE(CopyFileW(win32::Widen(testing::StandInPath()).c_str(),
                          win32::Widen(addFile).c_str(), FALSE));
    testing::SetEnv(L"KEROVIA_STAND_IN_LOG", log);
  }
  void TearDown() override {
    DeleteFileW(win32::Widen(addFile).c_str());
    testing::SetEnv(L"KEROVIA_STAND_IN_LOG", "");
    testing::SetEnv(L"KEROVIA_STAND_IN_EXIT", "");
    testing::SetEnv(L"KEROVIA_STAND_IN_GATE", "");
  }
  void Add(const std::string& path, const char* kind) { list.Append(path, kind); }
  void Backup() { BackupToITunes(list, main, progress, services, "Kerovia"); }
};

TEST_F(ITunesBackupForReal, EachPathReachesTheAddFileProgramAsOneQuotedArgument) {
  const char* paths[] = {
      "F:\\Music\\My Artist\\Song 1.mp3",
      "F:\\音楽\\夜明け 前.mp3",
      "F:\\Music\\𠮷野 한국어.m4a",
  };
  for (const char* p : paths) Add(p, "m");
  Backup();
  std::vector<std::string> want;
  for (const char* p : paths) want.push_back(std::string("addfile.exe \"") + p + "\"");
  EXPECT_EQ(Lines(testing::ReadFile(log)), want);
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(progress.positions[0], 0);
  EXPECT_TRUE(main.visible);
  EXPECT_FALSE(progress.visible);
}

TEST_F(ITunesBackupForReal, AnAddFileProgramThatExitsOneIsReported) {
  testing::SetEnv(L"KEROVIA_STAND_IN_EXIT", "1");
  Add("F:\\Music\\a.mp3", "m");
  Add("F:\\DCIM\\b.jpg", "p");
  Backup();
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text, FailureReport(AddFailedHeadline(2), {"a.mp3", "b.jpg"}));
  EXPECT_EQ(services.messages[0].caption, "Kerovia");
  EXPECT_EQ(Lines(testing::ReadFile(log)).size(), 2u);
}

TEST_F(ITunesBackupForReal, MissingAddFileProgramIsReportedAndBothWindowsComeBack) {
  ASSERT_TRUE(DeleteFileW(win32::Widen(addFile).c_str()));
  Add("F:\\Music\\a.mp3", "m");
  Add("F:\\Music\\b.mp3", "m");
  Backup();
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text, kAddFileNotStartedMessage);
  EXPECT_EQ(services.commandLines.size(), 1u);
  EXPECT_EQ(progress.positions[0], 2);
  EXPECT_TRUE(main.visible);
  EXPECT_FALSE(progress.visible);
  EXPECT_EQ(std::count(events.begin(), events.end(), "beep"), 1);
}

TEST_F(ITunesBackupForReal, CancelDuringTheThirdFile) {
  // Each stand-in waits for its gate; the events between the waits open it, after "×" was
  // pressed while the third runs.
  std::string gate = temp / "gate";
  testing::SetEnv(L"KEROVIA_STAND_IN_GATE", gate);
  for (int i = 1; i <= 5; ++i) Add("F:\\Music\\" + std::to_string(i) + ".mp3", "m");
  services.afterEvents = [&] {
    if (services.starts == 3 && progress.tag == 1) progress.PressClose();
    testing::Win32WriteFile(gate + std::to_string(services.starts), "");
  };
  Backup();
  EXPECT_EQ(Lines(testing::ReadFile(log)).size(), 3u) << "the fourth must never start";
  EXPECT_EQ(progress.positions[0], 3);
  EXPECT_TRUE(main.visible);
  EXPECT_FALSE(progress.visible);
  Log tail(events.end() - 2, events.end());
  EXPECT_EQ(tail, (Log{"beep", "main.Show"}));
}

}  // namespace
}  // namespace kerovia
