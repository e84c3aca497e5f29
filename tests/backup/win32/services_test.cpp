#include "platform/win32/services.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include "../test_files.h"
#include "win32_helpers.h"

namespace kerovia {
namespace {

using testing::DialogWatcher;
using win32::Win32Services;

class RealServices : public ::testing::Test {
 protected:
  testing::TempFolder temp;
  Win32Services services{nullptr};
  std::string log = temp / "log.txt";

  void SetUp() override { testing::SetEnv(L"KEROVIA_STAND_IN_LOG", log); }
  void TearDown() override {
    testing::SetEnv(L"KEROVIA_STAND_IN_LOG", "");
    testing::SetEnv(L"KEROVIA_STAND_IN_EXIT", "");
    testing::SetEnv(L"KEROVIA_STAND_IN_GATE", "");
  }
};

TEST_F(RealServices, StartedProgramEndsWithItsExitCode) {
  // 259 is STILL_ACTIVE: an ended program may exit with it too.
  for (int code : {0, 1, 7, 259}) {
    testing::SetEnv(L"KEROVIA_STAND_IN_EXIT", std::to_string(code));
    auto process = services.StartHidden("\"" + testing::StandInPath() + "\" x");
    ASSERT_NE(process, nullptr) << code;
    Process::WaitResult result;
    while ((result = process->Wait(60)) == Process::WaitResult::TimedOut) {
    }
    EXPECT_EQ(result, Process::WaitResult::Ended) << code;
    EXPECT_EQ(process->ExitCode(), std::optional<int>(code));
  }
}

TEST_F(RealServices, ARunningProgramHasNoExitCodeYet) {
  std::string gate = temp / "gate";
  testing::SetEnv(L"KEROVIA_STAND_IN_GATE", gate);
  auto process = services.StartHidden("\"" + testing::StandInPath() + "\"");
  ASSERT_NE(process, nullptr);
  EXPECT_EQ(process->Wait(60), Process::WaitResult::TimedOut);
  EXPECT_EQ(process->ExitCode(), std::nullopt);
  ASSERT_TRUE(testing::Win32WriteFile(gate + "1", ""));
  EXPECT_EQ(process->Wait(30000), Process::WaitResult::Ended);
  EXPECT_EQ(process->ExitCode(), std::optional<int>(0));
}

TEST_F(RealServices, AProgramThatIsNotThereCannotBeStarted) {
  EXPECT_EQ(services.StartHidden("kerovia-no-such-program.exe \"a b\""), nullptr);
  EXPECT_EQ(services.StartHidden("\"" + (temp / "missing.exe") + "\""), nullptr);
}

TEST_F(RealServices, MessageBoxShowsTextAndCaptionWithOneButtonCentredOnTheScreen) {
  std::string text, caption;
  bool hasOk = false, hasCancel = true;
  RECT box{};
  DialogWatcher watcher([&](HWND dialog) {
    caption = testing::WindowText(dialog);
    text = testing::WindowText(GetDlgItem(dialog, 0xFFFF));
    hasOk = GetDlgItem(dialog, IDOK) != nullptr;
    hasCancel = GetDlgItem(dialog, IDCANCEL) != nullptr;
    GetWindowRect(dialog, &box);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  });
  services.ShowMessage("Android本体からデータを読み取れませんでした。", "Kerovia 𠮷",
                       MessageIcon::None);
  ASSERT_TRUE(watcher.found());
  EXPECT_EQ(caption, "Kerovia 𠮷");
  EXPECT_EQ(text, "Android本体からデータを読み取れませんでした。");
  EXPECT_TRUE(hasOk);
  EXPECT_FALSE(hasCancel);
  int screenX = GetSystemMetrics(SM_CXSCREEN), screenY = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_NEAR((box.left + box.right) / 2, screenX / 2, 20);
  EXPECT_NEAR((box.top + box.bottom) / 2, screenY / 2, 60);
}

TEST_F(RealServices, FolderPickerShowsTheTitleAndAnswersThePickedFolder) {
  struct Case {
    bool choose;
  } cases[] = {{false}, {true}};
  std::string folder = "C:\\users";
  for (const auto& c : cases) {
    std::vector<std::string> texts;
    DialogWatcher watcher([&](HWND dialog) {
      texts = testing::ChildTexts(dialog);
      if (c.choose) {
        std::wstring wide = win32::Widen(folder);
        SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
      } else {
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      }
    });
    std::optional<std::string> picked = services.PickFolder("バックアップ先の選択");
    ASSERT_TRUE(watcher.found());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "バックアップ先の選択"), texts.end());
    if (c.choose) {
      EXPECT_EQ(picked, std::optional<std::string>(folder));
    } else {
      EXPECT_EQ(picked, std::nullopt);
    }
  }
}

TEST_F(RealServices, ShellOpenStartsAProgram) {
  services.ShellOpen(testing::StandInPath());
  // Started apart from us: wait for its record.
  for (int i = 0; i < 1000 && testing::ReadFile(log).empty(); ++i) Sleep(20);
  EXPECT_NE(testing::ReadFile(log).find("stand_in_addfile.exe"), std::string::npos);
}

}  // namespace
}  // namespace kerovia
