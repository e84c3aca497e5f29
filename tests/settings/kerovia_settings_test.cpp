#include "settings/kerovia_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/error.h"
#include "platform/path.h"
#include "tests/settings/test_folder.h"

namespace kerovia {
namespace {

using testing::ReadFileBytes;
using testing::TestFolder;
using testing::WriteFileBytes;

struct Rect {
  int left, top, right, bottom;
};

// The main window as laid out: at (20, 20), 400 x 300, "ミュージック＋ムービー＋写真" chosen,
// with the radio buttons' exclusive rule; records what the settings did to it.
class RecorderWindow : public SettingsWindow {
 public:
  int left = 20, top = 20;
  bool radio[kRadioCount] = {true, false, false, false};
  std::vector<Rect> monitors = {{0, 0, 1280, 1024}};
  std::vector<std::string> calls;

  int Left() const override { return left; }
  int Top() const override { return top; }
  void MoveTo(int newLeft, int newTop) override {
    calls.push_back("MoveTo(" + std::to_string(newLeft) + "," + std::to_string(newTop) + ")");
    left = newLeft;
    top = newTop;
  }
  bool RadioChecked(int index) const override { return radio[index]; }
  void SetRadioChecked(int index, bool checked) override {
    calls.push_back("SetRadioChecked(" + std::to_string(index) + "," + (checked ? "1" : "0") + ")");
    if (checked)
      for (int i = 0; i < kRadioCount; ++i) radio[i] = i == index;
    else
      radio[index] = false;
  }
  bool IsVisibleOnSomeMonitor(int atLeft, int atTop) const override {
    for (const Rect& m : monitors)
      if (atLeft < m.right && atLeft + 400 > m.left && atTop < m.bottom && atTop + 300 > m.top)
        return true;
    return false;
  }

  // The chosen button's index, -1 when none is chosen.
  int Chosen() const {
    for (int i = 0; i < kRadioCount; ++i)
      if (radio[i]) return i;
    return -1;
  }
};

class SettingsTest : public ::testing::Test {
 protected:
  TestFolder folder;
  std::string ini = folder.File("Kerovia.ini");
};

TEST(SettingsPathTest, IsKeroviaIniInTheExecutablesFolder) {
  const std::string s(1, kPathSeparator);
  struct {
    std::string exe, expected;
  } cases[] = {
      {"C:" + s + "Program Files" + s + "Kerovia" + s + "Kerovia.exe",
       "C:" + s + "Program Files" + s + "Kerovia" + s + "Kerovia.ini"},
      {"C:" + s + "Kerovia.exe", "C:" + s + "Kerovia.ini"},
      {s + "opt" + s + "ケロビア" + s + "Kerovia", s + "opt" + s + "ケロビア" + s + "Kerovia.ini"},
      {"Kerovia.exe", "Kerovia.ini"},
  };
  for (const auto& c : cases) EXPECT_EQ(SettingsPath(c.exe), c.expected) << c.exe;
}

TEST_F(SettingsTest, FirstRunWithoutAFileKeepsTheLayoutAndCreatesTheFile) {
  RecorderWindow window;
  LoadSettings(ini, window);
  EXPECT_EQ(window.left, 20);
  EXPECT_EQ(window.top, 20);
  EXPECT_EQ(window.Chosen(), 0);
  EXPECT_FALSE(std::filesystem::exists(testing::FsPath(ini))) << "loading must not create it";

  SaveSettings(ini, window, {});
  EXPECT_EQ(ReadFileBytes(ini),
            "[SET]\r\nM_LEFT=20\r\nM_TOP=20\r\n"
            "[SET1]\r\nC0_R1=1\r\nC0_R2=0\r\nC0_R3=0\r\nC0_R4=0\r\n");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"Kerovia.ini"}) << "a temporary file left";
}

TEST_F(SettingsTest, RadioKeysAreAppliedInOrderUnderTheExclusiveRule) {
  struct {
    const char* what;
    const char* set1;
    int chosen;
  } cases[] = {
      {"the later non-zero key wins", "C0_R1=1\r\nC0_R3=1\r\n", 2},
      {"all four 0 choose nothing", "C0_R1=0\r\nC0_R2=0\r\nC0_R3=0\r\nC0_R4=0\r\n", -1},
      {"missing keys keep the current state", "C0_R2=1\r\n", 1},
      {"unchecking the layout's choice leaves none", "C0_R1=0\r\n", -1},
      {"the reading order, not the file's, decides", "C0_R4=1\r\nC0_R1=1\r\n", 3},
      {"any non-zero value checks", "C0_R3=-1\r\n", 2},
      {"a value that is no integer keeps the current state", "C0_R1=abc\r\nC0_R2=yes\r\n", 0},
      {"hexadecimal zero unchecks", "C0_R1=0x0\r\nC0_R4=$1\r\n", 3},
  };
  for (const auto& c : cases) {
    WriteFileBytes(ini, std::string("[SET1]\r\n") + c.set1);
    RecorderWindow window;
    LoadSettings(ini, window);
    EXPECT_EQ(window.Chosen(), c.chosen) << c.what;
    std::vector<std::string> radioCalls(window.calls.end() - 4, window.calls.end());
    for (int i = 0; i < SettingsWindow::kRadioCount; ++i)
      EXPECT_EQ(radioCalls[i].substr(0, 18), "SetRadioChecked(" + std::to_string(i) + ",")
          << c.what << ": the buttons are set in the order RadioButton1..RadioButton4";
  }
}

TEST_F(SettingsTest, PositionValuesAsHandEdited) {
  struct {
    const char* left;
    int expected;
  } cases[] = {
      {"abc", 20}, {"0x20", 32},  {"$20", 32},    {"x20", 32},         {"-5", -5},
      {"", 20},    {"12abc", 20}, {" 300 ", 300}, {"99999999999", 20},
  };
  for (const auto& c : cases) {
    WriteFileBytes(ini, std::string("[SET]\nM_LEFT=") + c.left + "\nM_TOP=40\n");
    RecorderWindow window;
    LoadSettings(ini, window);
    EXPECT_EQ(window.left, c.expected) << "M_LEFT=" << c.left;
    EXPECT_EQ(window.top, 40) << "M_LEFT=" << c.left;
  }
}

TEST_F(SettingsTest, LoadMovesAfterEachValueLeftFirst) {
  WriteFileBytes(ini, "[SET]\nM_TOP=200\nM_LEFT=100\n[SET1]\nC0_R2=1\n");
  RecorderWindow window;
  LoadSettings(ini, window);
  EXPECT_EQ(window.calls,
            (std::vector<std::string>{"MoveTo(100,20)", "MoveTo(100,200)", "SetRadioChecked(0,1)",
                                      "SetRadioChecked(1,1)", "SetRadioChecked(2,0)",
                                      "SetRadioChecked(3,0)"}));
}

TEST_F(SettingsTest, APlaceOffEveryMonitorFallsBackToTheLayout) {
  struct {
    int left, top;
    int expectedLeft, expectedTop;
  } cases[] = {
      {-5000, 20, 20, 20},                               // left of the screen
      {5000, 5000, 20, 20},                              // beyond its bottom right
      {-399, 20, -399, 20},                              // one column still on the screen
      {1279, 1023, 1279, 1023}, {2000, 100, 2000, 100},  // on the second monitor
      {100, 1100, 20, 20},                               // below the first, beside nothing
  };
  for (const auto& c : cases) {
    WriteFileBytes(
        ini, "[SET]\nM_LEFT=" + std::to_string(c.left) + "\nM_TOP=" + std::to_string(c.top) + "\n");
    RecorderWindow window;
    window.monitors.push_back({1280, 0, 3200, 1080});
    LoadSettings(ini, window);
    EXPECT_EQ(window.left, c.expectedLeft) << c.left << "," << c.top;
    EXPECT_EQ(window.top, c.expectedTop) << c.left << "," << c.top;
  }
}

TEST_F(SettingsTest, AFileThatCannotBeReadGivesTheDefaults) {
  std::filesystem::create_directory(testing::FsPath(ini));  // a folder in the file's place
  RecorderWindow window;
  LoadSettings(ini, window);
  EXPECT_EQ(window.left, 20);
  EXPECT_EQ(window.top, 20);
  EXPECT_EQ(window.Chosen(), 0);
}

TEST_F(SettingsTest, SaveKeepsOtherKeysAndCommentsByteForByte) {
  for (const std::string eol : {"\r\n", "\n"}) {
    for (bool finalNewline : {true, false}) {
      const std::string before = "; Kerovia" + eol + "[SET]" + eol + "M_LEFT=100" + eol +
                                 "Other=keep me" + eol + eol + "[User]" + eol +
                                 "name = ミュージック" + eol + "[SET1]" + eol + "C0_R1=0" + eol +
                                 "C0_R3=1" + (finalNewline ? eol : "");
      WriteFileBytes(ini, before);
      RecorderWindow window;
      LoadSettings(ini, window);
      ASSERT_EQ(window.Chosen(), 2);
      window.MoveTo(300, 400);
      window.SetRadioChecked(1, true);
      SaveSettings(ini, window, {"/x"});

      const std::string after = "; Kerovia" + eol + "[SET]" + eol + "M_LEFT=300" + eol +
                                "Other=keep me" + eol + "M_TOP=400" + eol + eol + "[User]" + eol +
                                "name = ミュージック" + eol + "[SET1]" + eol + "C0_R1=0" + eol +
                                "C0_R3=0" + eol + "C0_R2=1" + eol + "C0_R4=0" +
                                (finalNewline ? eol : "");
      EXPECT_EQ(ReadFileBytes(ini), after)
          << (eol == "\n" ? "LF" : "CRLF") << (finalNewline ? "" : ", no final newline");
    }
  }
}

TEST_F(SettingsTest, OnlyAFirstArgumentOfExactlyTwoBarsKeepsTheFile) {
  const std::string before = "[SET]\r\nM_LEFT=5\r\n";
  struct {
    std::vector<std::string> args;
    bool written;
  } cases[] = {
      {{"||"}, false}, {{"||", "x"}, false}, {{}, true},      {{"x", "||"}, true},
      {{"|| "}, true}, {{"|"}, true},        {{"|||"}, true},
  };
  for (const auto& c : cases) {
    std::string what = c.args.empty() ? "no arguments" : "first argument '" + c.args[0] + "'";
    WriteFileBytes(ini, before);
    RecorderWindow window;
    window.MoveTo(77, 88);
    SaveSettings(ini, window, c.args);
    EXPECT_EQ(ReadFileBytes(ini) != before, c.written) << what;

    std::filesystem::remove(testing::FsPath(ini));
    SaveSettings(ini, window, c.args);
    EXPECT_EQ(std::filesystem::exists(testing::FsPath(ini)), c.written) << what << ", no file";
  }
}

// A folder that does not exist, a file where the folder should be, and a folder where the
// file should be: writable by nobody, root included.
TEST_F(SettingsTest, AFailedWriteNamesTheFullPathAndLeavesNothingBehind) {
  WriteFileBytes(folder.File("plain.txt"), "x");
  std::filesystem::create_directory(folder.path() / "Kerovia.ini");
  const std::string paths[] = {
      JoinPath(folder.File("無い"), "Kerovia.ini"),
      JoinPath(folder.File("plain.txt"), "Kerovia.ini"),
      folder.File("Kerovia.ini"),
  };
  for (const std::string& path : paths) {
    RecorderWindow window;
    try {
      SaveSettings(path, window, {});
      ADD_FAILURE() << "no error for " << path;
    } catch (const Error& e) {
      EXPECT_EQ(std::string(e.what()), path + " に書き込めません");
    }
  }
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"Kerovia.ini", "plain.txt"}));
  EXPECT_EQ(ReadFileBytes(folder.File("plain.txt")), "x");
}

}  // namespace
}  // namespace kerovia
