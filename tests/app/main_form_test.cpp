#include "app/main_form.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/colours.h"
#include "app/progress_form.h"
#include "platform/win32/wide.h"
#include "tests/app/recording_services.h"
#include "tests/ui/win_test_support.h"
#include "ui/application.h"
#include "ui/hint.h"

namespace kerovia {
namespace {

using namespace ui::test;
using namespace app;
using ui::Rgb;

// The main window with recording services and commands that note down when they ran and
// what the window looked like then.
class MainFormTest : public ::testing::Test {
 protected:
  struct Call {
    std::string what;
    int tag;
    int rows;
    int fixedRows;
  };

  MainFormTest() {
    app.SetTitle("Kerovia");
    progress.emplace(app, *main);
    main->AttachProgress(*progress);
    SetWindowPos(main->hwnd(), HWND_TOP, 20, 20, 0, 0,
                 SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    main->SetTag(1);  // no first activation unless a test asks for it
  }
  ~MainFormTest() override { ui::Hints().Leave(); }

  MainFormEnvironment Environment(const std::string& exePath = "C:\\Tools\\Kerovia.exe") {
    MainFormEnvironment e;
    e.exePath = exePath;
    e.infoHost = "maker.example";
    e.makeServices = [this](HWND owner) {
      EXPECT_NE(owner, nullptr);
      auto s = std::make_unique<test::RecordingServices>();
      services = s.get();
      return s;
    };
    auto note = [this](const char* what) {
      return [this, what](TMainForm1& f) {
        calls.push_back({what, f.ui::Form::Tag(), f.Files.StringGrid1.RowCount(),
                         f.Files.StringGrid1.FixedRows()});
      };
    };
    e.actions.refresh = note("refresh");
    e.actions.loadSettings = note("load");
    e.actions.saveSettings = note("save");
    e.actions.backupToITunes = note("itunes");
    e.actions.backupToFolder = note("folder");
    return e;
  }
  std::vector<std::string> CallNames() const {
    std::vector<std::string> names;
    for (const auto& c : calls) names.push_back(c.what);
    return names;
  }
  // A click on a windowless button, through its panel's window.
  void ClickButton(ui::FadeButton& b) {
    ClickAt(b.Parent().hwnd(), b.Left() + b.Width() / 2, b.Top() + b.Height() / 2);
  }

  ui::Application app;
  test::RecordingServices* services = nullptr;
  std::vector<Call> calls;
  std::unique_ptr<TMainForm1> main = std::make_unique<TMainForm1>(app, Environment());
  std::optional<TProgressForm1> progress;
};

TEST_F(MainFormTest, LayoutAtStart) {
  EXPECT_EQ(main->Left(), 20);
  EXPECT_EQ(main->Top(), 20);
  EXPECT_EQ(main->ClientWidth(), 326);
  EXPECT_EQ(main->ClientHeight(), 346);
  wchar_t caption[16]{};
  GetWindowTextW(main->hwnd(), caption, 16);
  EXPECT_STREQ(caption, L"Kerovia");
  EXPECT_EQ(GetWindowLongPtrW(main->hwnd(), GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0)
      << "no border, no title bar";
  EXPECT_TRUE(GetWindowLongPtrW(main->hwnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  EXPECT_EQ(main->AppDir, "C:\\Tools");
  EXPECT_EQ(main->Files.StringGrid1.Cell(0, 0), " ﾌｫﾙﾀﾞ");
  EXPECT_EQ(main->Files.StringGrid1.Cell(1, 0), " ﾌｧｲﾙ");
  EXPECT_EQ(main->Files.FileCount, 0);

  EXPECT_TRUE(main->RadioChecked(0));
  for (int i = 1; i < 4; ++i) EXPECT_FALSE(main->RadioChecked(i));
  EXPECT_FALSE(main->Button10.Enabled());
  EXPECT_FALSE(main->Button11.Enabled());
  EXPECT_EQ(main->Button10.CaptionColor(), kWhite) << "white until a scan or a failed detection";
  EXPECT_FALSE(main->L0_02_1.Visible());

  struct Row {
    const ui::FadeButton& button;
    const char* caption;
    const char* hint;
    RECT bounds;
  } rows[] = {
      {main->Button4, "info.", " ソフトウェア情報", {0, 0, 40, 20}},
      {main->Button3, "?", " ユーザーズガイド", {44, 0, 64, 20}},
      {main->Button2, "_", " 最小化", {64, 0, 84, 20}},
      {main->Button1, "×", " 閉じる", {84, 0, 104, 20}},
      {main->Button12, "更新", " Android本体接続の更新", {260, 8, 300, 28}},
      {main->Button10, "iTunes へバックアップ", " バックアップ開始", {12, 12, 154, 52}},
      {main->Button11, "フォルダへバックアップ", " バックアップ開始", {160, 12, 302, 52}},
      {main->Button13, "iTunesを開く", " iTunesを開く", {0, 0, 66, 12}},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(r.button.Caption(), r.caption);
    EXPECT_EQ(r.button.Hint(), r.hint) << r.caption;
    const RECT b = r.button.Bounds();
    EXPECT_TRUE(EqualRect(&b, &r.bounds)) << r.caption;
  }
  for (auto* edit : {&main->C0_01, &main->C0_02}) {
    const LONG_PTR style = GetWindowLongPtrW(edit->hwnd(), GWL_STYLE);
    EXPECT_TRUE(style & ES_READONLY);
    EXPECT_FALSE(style & WS_TABSTOP);
  }
}

TEST_F(MainFormTest, RenderedWindowPixels) {
  Rendering r(*main);
  const Rgb light = SysColour(COLOR_BTNHIGHLIGHT), shadow = SysColour(COLOR_BTNSHADOW);
  struct Probe {
    const char* what;
    int x, y;
    Rgb colour;
  } probes[] = {
      {"title strip", 150, 12, kGreen},
      {"title strip outline top", 150, 0, kBlack},
      {"title strip outline left", 0, 12, kBlack},
      {"title strip under the body frame", 150, 22, kGreen},
      {"body frame top", 150, 23, kGrey},
      {"body frame top, 2 px", 150, 24, kGrey},
      {"body frame left", 0, 200, kGrey},
      {"body frame left, 2 px", 1, 200, kGrey},
      {"body inside", 3, 200, kWhite},
      {"body frame right", 325, 200, kGrey},
      {"body frame bottom", 150, 345, kGrey},
      {"Panel0 between info. and ?", 216 + 42, 12, kGreen},
      {"info. frame", 216, 2, kGrey},
      {"info. face", 216 + 2, 2 + 2, kBrightGreen},
      {"× face", 216 + 84 + 2, 2 + 17, kBrightGreen},
      {"Panel1 outer bevel", 6, 168, light},
      {"Panel1 inner bevel", 7, 168, shadow},
      {"Panel1 face", 9, 168, kCream},
      {"Panel1 outer bevel right", 317, 168, shadow},
      {"Panel1 inner bevel right", 316, 168, light},
      {"Panel1 outer bevel bottom", 100, 237, shadow},
      {"Shape1 shadow right", 319, 180, kSilver},
      {"Shape1 shadow bottom", 100, 239, kSilver},
      {"no shadow left of Shape1", 7, 239, kWhite},
      {"Shape3 shadow right", 319, 300, kSilver},
      {"Shape3 shadow bottom", 100, 335, kSilver},
      {"Panel3 face", 9, 320, kCream},
      {"Button12 frame", 6 + 260, 118 + 8, kGrey},
      {"Button12 face", 6 + 261, 118 + 9, kGreen},
      {"Button10 frame", 6 + 12, 246 + 12, kGrey},
      {"Button10 frame 2 px", 6 + 13, 246 + 13, kGrey},
      {"Button10 face", 6 + 14, 246 + 14, kGreen},
      {"Button11 face", 6 + 162, 246 + 48, kGreen},
      {"Button11 frame bottom", 6 + 162, 246 + 50, kGrey},
  };
  for (const auto& p : probes) EXPECT_EQ(r.At(p.x, p.y), p.colour) << p.what;
}

TEST_F(MainFormTest, TitleButtonFadesAndInstantButtonSwitches) {
  HWND panel0 = main->Panel0.hwnd();
  MoveTo(panel0, 90, 10);
  EXPECT_EQ(main->Button1.CaptionColor(), kBlack);
  Tick(panel0, main->Panel0.TimerIdOf(&main->Button1), 64);
  Rendering hot(*main);
  EXPECT_EQ(hot.At(216 + 86, 4), kYellow);
  EXPECT_EQ(hot.At(216 + 84, 2), kBlack);

  HWND panel1 = main->Panel1.hwnd();
  MoveTo(panel1, 270, 12);
  Rendering r(*main);
  EXPECT_EQ(r.At(6 + 261, 118 + 9), kYellow) << "at once, no fading";
  EXPECT_EQ(r.At(6 + 260, 118 + 8), kBlack);
  EXPECT_EQ(main->Button12.CaptionColor(), kBlack);
  EXPECT_FALSE(main->Button12.Fading());

  MoveTo(main->Panel2.hwnd(), 30, 6);
  EXPECT_EQ(main->Button13.CaptionColor(), kBlue);
  EXPECT_EQ(main->Button13.FaceColor(), kWhite) << "the link's face stays white";
}

TEST_F(MainFormTest, DisabledBackupButtonStaysAtRestButShowsItsHint) {
  HWND panel3 = main->Panel3.hwnd();
  MoveTo(panel3, 80, 30);
  ClickAt(panel3, 80, 30);
  MoveTo(panel3, 150, 80);
  MoveTo(panel3, 81, 31);
  EXPECT_TRUE(CallNames().empty());
  EXPECT_EQ(main->Button10.FaceColor(), kGreen);
  EXPECT_EQ(CursorAfterSetCursor(panel3), LoadCursorW(nullptr, IDC_ARROW));
  Tick(ui::Hints().hwnd(), ui::HintWindow::kPauseTimer);
  EXPECT_TRUE(ui::Hints().Showing());
  EXPECT_EQ(ui::Hints().Text(), " バックアップ開始");

  main->SetBackupButtons(true, 0xFFFFFF);
  ClickButton(main->Button10);
  ClickButton(main->Button11);
  EXPECT_EQ(CallNames(), (std::vector<std::string>{"itunes", "folder"}));
  main->SetBackupButtons(false, 0x000000);
  EXPECT_FALSE(main->Button11.Enabled());
  EXPECT_EQ(main->Button11.CaptionColor(), kBlack);
}

TEST_F(MainFormTest, WholeSurfaceDragsButtonsOnPanelsClick) {
  struct Point {
    const char* what;
    int x, y;
  } surface[] = {{"title strip", 100, 10},
                 {"caption text", 20, 12},
                 {"body", 150, 200},
                 {"shape shadow", 319, 180},
                 {"label", 30, 40}};
  for (const auto& p : surface) EXPECT_EQ(HitTest(main->hwnd(), p.x, p.y), HTCAPTION) << p.what;
  POINT overButton{6 + 270, 118 + 12};
  EXPECT_EQ(ChildWindowFromPoint(main->hwnd(), overButton), main->Panel1.hwnd());
  ClickButton(main->Button12);
  EXPECT_EQ(CallNames(), std::vector<std::string>{"refresh"});
}

TEST_F(MainFormTest, PressAndReleaseOutsideDoesNothingDoubleClickRunsOnce) {
  HWND panel1 = main->Panel1.hwnd();
  MoveTo(panel1, 270, 12);
  Press(panel1, 270, 12);
  MoveTo(panel1, 270, 60);
  Release(panel1, 270, 60);
  EXPECT_TRUE(CallNames().empty());

  MoveTo(panel1, 270, 12);
  Press(panel1, 270, 12);
  Release(panel1, 270, 12);
  SendMessageW(panel1, WM_LBUTTONDBLCLK, MK_LBUTTON, ClientPoint(270, 12));
  Release(panel1, 270, 12);
  EXPECT_EQ(CallNames(), std::vector<std::string>{"refresh"});
}

TEST_F(MainFormTest, FirstActivationSequenceRunsOnce) {
  main->SetTag(0);
  main->Files.StringGrid1.SetRowCount(0);
  main->Files.StringGrid1.SetFixedRows(0);
  SendMessageW(main->hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
  ASSERT_EQ(CallNames(), (std::vector<std::string>{"load", "refresh"}));
  EXPECT_EQ(calls[0].tag, 0) << "settings read before the flag is set";
  EXPECT_EQ(calls[1].tag, 1) << "flag set before the refresh";
  EXPECT_EQ(calls[1].rows, 2);
  EXPECT_EQ(calls[1].fixedRows, 1);
  SendMessageW(main->hwnd(), WM_ACTIVATE, WA_INACTIVE, 0);
  SendMessageW(main->hwnd(), WM_ACTIVATE, WA_CLICKACTIVE, 0);
  main->FormActivate();
  EXPECT_EQ(calls.size(), 2u) << "later activations neither read settings nor refresh";
}

TEST_F(MainFormTest, CategoryClicksRefreshSettingFromCodeDoesNot) {
  SendMessageW(main->RadioButton3.hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(CallNames(), std::vector<std::string>{"refresh"});
  EXPECT_FALSE(main->RadioChecked(0));
  EXPECT_TRUE(main->RadioChecked(2));
  SendMessageW(main->RadioButton4.hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(calls.size(), 2u);
  main->SetRadioChecked(1, true);
  EXPECT_EQ(calls.size(), 2u);
  EXPECT_TRUE(main->RadioChecked(1));
  EXPECT_FALSE(main->RadioChecked(3));
  main->SetRadioChecked(1, false);
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(main->RadioChecked(i)) << i;
}

TEST_F(MainFormTest, TitleButtonsAndTheLinkOpenThroughTheShell) {
  ClickButton(main->Button3);
  ClickButton(main->Button4);
  ClickButton(main->Button13);
  EXPECT_EQ(services->opened, (std::vector<std::string>{
                                  "C:\\Tools\\Readme.txt",
                                  "http://maker.example/info.php?pf=w&sn=Kerovia", "iTunes.exe"}));
}

TEST_F(MainFormTest, UserGuideOfAnExecutableInADriveRoot) {
  progress.reset();
  main = std::make_unique<TMainForm1>(app, Environment("C:\\Kerovia.exe"));
  EXPECT_EQ(main->AppDir, "C:\\");
  main->Button3Click();
  EXPECT_EQ(services->opened, std::vector<std::string>{"C:\\Readme.txt"});
}

TEST_F(MainFormTest, MinimizeHidesBothWindowsAndTheTaskbarButtonBringsThemBack) {
  progress->Show();
  ClickButton(main->Button2);
  EXPECT_FALSE(main->IsVisible());
  EXPECT_FALSE(progress->IsVisible());
  ShowWindow(app.OwnerWindow(), SW_RESTORE);
  EXPECT_TRUE(main->IsVisible());
  EXPECT_TRUE(progress->IsVisible());
}

TEST_F(MainFormTest, CloseButtonSavesAndEndsTheRun) {
  app.SetMainForm(main.get());
  ClickButton(main->Button1);
  EXPECT_EQ(CallNames(), std::vector<std::string>{"save"});
  EXPECT_FALSE(main->IsVisible());
  EXPECT_TRUE(app.Terminated());
  MSG msg;
  PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

TEST_F(MainFormTest, MainViewReachesTheControls) {
  main->SetDeviceText("ドライブ F:");
  main->SetDeviceRoot("F:\\");
  main->SetCountText("128 ファイル");
  wchar_t text[32]{};
  SendMessageW(main->C0_01.hwnd(), WM_GETTEXT, 32, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"ドライブ F:");
  EXPECT_EQ(main->DeviceText(), "ドライブ F:");
  EXPECT_EQ(main->DeviceRoot(), "F:\\");
  EXPECT_EQ(main->C0_01.Text(), "ドライブ F:") << "the root lives in the hint, not the text";
  EXPECT_EQ(main->C0_02.Text(), "128 ファイル");
  main->SetBackupButtons(true, 0xFFFFFF);
  EXPECT_TRUE(main->Button10.Enabled());
  EXPECT_EQ(main->Button10.CaptionColor(), kWhite);
  main->Hide();
  EXPECT_FALSE(main->IsVisible());
  main->Show();
  EXPECT_TRUE(main->IsVisible());
}

// The real settings commands against a file beside a made-up executable.
TEST_F(MainFormTest, SettingsLoadAndSaveThroughTheWindow) {
  const auto folder = std::filesystem::temp_directory_path() / "kerovia-app-settings";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  {
    std::ofstream ini(folder / "Kerovia.ini");
    ini << "[SET]\r\nM_LEFT=100\r\nM_TOP=50\r\n[SET1]\r\nC0_R1=1\r\nC0_R3=1\r\n";
  }
  const std::string exe = win32::Narrow((folder / "Kerovia.exe").wstring());
  auto env = Environment(exe);
  const auto real = MainFormActions::Real();
  env.actions.loadSettings = real.loadSettings;
  env.actions.saveSettings = real.saveSettings;
  progress.reset();
  main = std::make_unique<TMainForm1>(app, std::move(env));
  main->FormActivate();
  EXPECT_EQ(main->Left(), 100);
  EXPECT_EQ(main->Top(), 50);
  EXPECT_TRUE(main->RadioChecked(2)) << "the later key wins";
  EXPECT_FALSE(main->RadioChecked(0));
  EXPECT_EQ(CallNames(), std::vector<std::string>{"refresh"});

  main->MoveTo(30, 40);
  main->FormClose();
  std::ifstream ini(folder / "Kerovia.ini");
  const std::string saved((std::istreambuf_iterator<char>(ini)), {});
  EXPECT_NE(saved.find("M_LEFT=30"), std::string::npos) << saved;
  EXPECT_NE(saved.find("M_TOP=40"), std::string::npos) << saved;
  EXPECT_NE(saved.find("C0_R3=1"), std::string::npos) << saved;
  EXPECT_NE(saved.find("C0_R1=0"), std::string::npos) << saved;
  ini.close();
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace kerovia
