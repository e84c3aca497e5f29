#include <gtest/gtest.h>
#include <shlobj.h>

#include "tests/ui/win_test_support.h"
#include "ui/application.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/gradient_progress_bar.h"
#include "ui/label.h"
#include "ui/logic/gradient_bar.h"
#include "ui/panel.h"
#include "ui/radio_button.h"

namespace kerovia::ui {
namespace {

using namespace test;

constexpr Rgb kGreen{0xA4, 0xC6, 0x39};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kCream{0xFF, 0xFF, 0xE6};

class ControlsTest : public ::testing::Test {
 protected:
  ControlsTest() {
    SetWindowPos(form.hwnd(), HWND_TOP, 50, 50, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
  }
  Application app;
  Form form{app, {.caption = "T", .left = 50, .top = 50, .clientWidth = 300, .clientHeight = 200}};
  GradientProgressBar bar{form, 20, 10, 260, 15, 4000, kGreen};
  Panel flat{form, 0, 40, 100, 60, kCream};
  Panel bevelled{form, 150, 40, 100, 60, kCream, Panel::Bevel::RaisedLowered};
};

TEST_F(ControlsTest, ProgressBarFillFrameAndNumber) {
  struct Case {
    int position;
    int filled;
    const char* text;
  } cases[] = {{17, 1, "17"}, {4001, 256, "4001"}, {-1, 0, "-1"}, {0, 0, "0"}, {2000, 128, "2000"}};
  const int fx = bar.Left() + 2, y = bar.Top() + 3;
  for (const auto& c : cases) {
    bar.SetPosition(c.position);
    EXPECT_EQ(bar.Position(), c.position) << "never clamped";
    EXPECT_EQ(bar.Text(), c.text);
    EXPECT_EQ(bar.FillWidth(), c.filled);
    Rendering r(form);
    EXPECT_EQ(r.At(bar.Left(), bar.Top()), SysColour(COLOR_BTNSHADOW)) << "sunken frame";
    EXPECT_EQ(r.At(bar.Left() + 259, bar.Top() + 14), SysColour(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(r.At(bar.Left() + 1, bar.Top() + 7), kWhite) << "1 px gap inside the frame";
    // Columns away from the centred number.
    for (int x : {0, 1, 10, 60, 200, 254, 255}) {
      const Rgb expected = x < c.filled ? BarRampColour(kGreen, x) : kWhite;
      EXPECT_EQ(r.At(fx + x, y), expected) << c.position << " column " << x;
    }
    EXPECT_EQ(r.At(fx + 256, y), kWhite) << "nothing past the fill area";
    EXPECT_EQ(r.At(fx + 10, bar.Top() + 1), kWhite) << "fill area starts 2 px in";
    EXPECT_EQ(r.At(fx + 10, bar.Top() + 13), kWhite) << "fill area ends 2 px in";
  }
}

TEST_F(ControlsTest, ProgressBarRedrawsAtOnce) {
  UpdateWindow(form.hwnd());
  ValidateRect(form.hwnd(), nullptr);
  bar.SetPosition(33);
  RECT pending{};
  EXPECT_FALSE(GetUpdateRect(form.hwnd(), &pending, FALSE))
      << "the new position is painted before SetPosition returns";
}

TEST_F(ControlsTest, ProgressBarStartColour) {
  bar.SetStartColor(Rgb{255, 255, 0});
  bar.SetPosition(4000);
  Rendering r(form);
  EXPECT_EQ(r.At(bar.Left() + 2, bar.Top() + 3), (Rgb{255, 255, 0}));
  EXPECT_EQ(r.At(bar.Left() + 2 + 200, bar.Top() + 3), BarRampColour(Rgb{255, 255, 0}, 200));
}

TEST_F(ControlsTest, PanelBevels) {
  Rendering r(form);
  const Rgb light = SysColour(COLOR_BTNHIGHLIGHT), shadow = SysColour(COLOR_BTNSHADOW);
  struct Probe {
    int x, y;
    Rgb colour;
  } probes[] = {
      {150, 70, light},  {151, 70, shadow}, {152, 70, kCream},  // left: raised, then lowered
      {249, 70, shadow}, {248, 70, light},  {247, 70, kCream},  // right
      {200, 40, light},  {200, 41, shadow}, {200, 99, shadow},
      {200, 98, light},  {0, 70, kCream},   {99, 99, kCream},  // no bevel
  };
  for (const auto& p : probes) EXPECT_EQ(r.At(p.x, p.y), p.colour) << p.x << "," << p.y;
}

TEST_F(ControlsTest, RadioGroupIsExclusiveAndOnlyUserChoicesClick) {
  RadioGroup group;
  FontSpec font{kGothic, 11, false, false};
  RadioButton r1{bevelled, group, 5, 5, 90, 16, "one", font, Rgb{}, kCream};
  RadioButton r2{bevelled, group, 5, 22, 90, 16, "two", font, Rgb{}, kCream};
  RadioButton r3{bevelled, group, 5, 39, 90, 16, "three", font, Rgb{}, kCream};
  int clicks = 0;
  for (RadioButton* r : {&r1, &r2, &r3}) r->OnClick = [&] { ++clicks; };
  auto state = [&] {
    std::string s;
    for (RadioButton* r : {&r1, &r2, &r3}) {
      const bool shown = SendMessageW(r->hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
      EXPECT_EQ(shown, r->Checked()) << "the window shows the state";
      s += r->Checked() ? '1' : '0';
    }
    return s;
  };
  struct Step {
    RadioButton* button;
    bool check;
    const char* expected;
  } steps[] = {
      {&r1, true, "100"},  {&r3, true, "001"}, {&r2, false, "001"},
      {&r3, false, "000"}, {&r2, true, "010"}, {&r1, true, "100"},
  };
  for (const auto& s : steps) {
    s.button->SetChecked(s.check);
    EXPECT_EQ(state(), s.expected);
  }
  EXPECT_EQ(clicks, 0) << "setting from code fires nothing";

  SendMessageW(r3.hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(state(), "001");
  EXPECT_EQ(clicks, 1);
  SendMessageW(r3.hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1) << "clicking the chosen button again changes nothing";
  SendMessageW(r2.hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(state(), "010");
  EXPECT_EQ(clicks, 2);
}

TEST_F(ControlsTest, ReadOnlyEditOutsideTheTabOrderWithAStoredHint) {
  Edit edit{bevelled, 5, 5, 90, 19, FontSpec{kGothic, 11, false, false}, Rgb{0x46, 0x46, 0x46}};
  const LONG_PTR style = GetWindowLongPtrW(edit.hwnd(), GWL_STYLE);
  EXPECT_TRUE(style & ES_READONLY);
  EXPECT_FALSE(style & WS_TABSTOP);
  edit.SetText("ドライブ F:");
  wchar_t buffer[32]{};
  SendMessageW(edit.hwnd(), WM_GETTEXT, 32, reinterpret_cast<LPARAM>(buffer));
  EXPECT_STREQ(buffer, L"ドライブ F:");
  EXPECT_EQ(edit.Text(), "ドライブ F:");
  edit.SetHint("F:\\");
  EXPECT_EQ(edit.Hint(), "F:\\");
}

TEST_F(ControlsTest, RightAlignedAutoSizedLabelKeepsItsRightEdge) {
  Label::Style style;
  style.align = Label::Align::Right;
  style.autoSize = true;
  style.shadow = true;
  Label label{flat, 15, 12, 97, 11, "ab", style};
  EXPECT_EQ(label.Left() + label.Width(), 112);
  label.SetText("a much longer caption");
  EXPECT_EQ(label.Left() + label.Width(), 112);
  const int longWidth = label.Width();
  label.SetText("x");
  EXPECT_EQ(label.Left() + label.Width(), 112);
  EXPECT_LT(label.Width(), longWidth);
}

TEST_F(ControlsTest, DroppedFilesAreAcceptedAndReleased) {
  form.AcceptDroppedFiles();
  EXPECT_TRUE(GetWindowLongPtrW(form.hwnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  const wchar_t file[] = L"C:\\a.txt\0";
  HGLOBAL drop = GlobalAlloc(GHND, sizeof(DROPFILES) + sizeof file + sizeof(wchar_t));
  auto* header = static_cast<DROPFILES*>(GlobalLock(drop));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  memcpy(header + 1, file, sizeof file);
  GlobalUnlock(drop);
  EXPECT_EQ(SendMessageW(form.hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0), 0);
  EXPECT_EQ(GlobalSize(drop), 0u) << "the drop's memory was handed back (DragFinish)";
}

TEST(ApplicationTest, MinimizeHidesEveryFormAndRestoreBringsBackTheVisibleOnes) {
  Application app;
  app.SetTitle("Kerovia");
  Form main{app, {.caption = "M", .left = 10, .top = 10, .clientWidth = 50, .clientHeight = 50}};
  Form card{app, {.caption = "C", .left = 70, .top = 10, .clientWidth = 50, .clientHeight = 50}};
  Form hidden{app, {.caption = "H", .left = 130, .top = 10, .clientWidth = 50, .clientHeight = 50}};
  wchar_t title[16]{};
  GetWindowTextW(app.OwnerWindow(), title, 16);
  EXPECT_STREQ(title, L"Kerovia") << "the taskbar button's text";
  EXPECT_EQ(GetWindow(main.hwnd(), GW_OWNER), app.OwnerWindow());
  ShowWindow(main.hwnd(), SW_SHOWNOACTIVATE);
  ShowWindow(card.hwnd(), SW_SHOWNOACTIVATE);

  app.Minimize();
  EXPECT_FALSE(main.IsVisible());
  EXPECT_FALSE(card.IsVisible());
  EXPECT_TRUE(IsIconic(app.OwnerWindow()));

  ShowWindow(app.OwnerWindow(), SW_RESTORE);  // as a click on the taskbar button does
  EXPECT_FALSE(app.Minimized());
  EXPECT_TRUE(main.IsVisible());
  EXPECT_TRUE(card.IsVisible());
  EXPECT_FALSE(hidden.IsVisible()) << "a form hidden before stays hidden";
}

TEST(ApplicationTest, ClosingTheMainFormRunsOnCloseAndEndsTheRun) {
  Application app;
  Form main{app, {.caption = "M", .left = 10, .top = 10, .clientWidth = 50, .clientHeight = 50}};
  Form other{app, {.caption = "O", .left = 70, .top = 10, .clientWidth = 50, .clientHeight = 50}};
  int closes = 0;
  other.OnClose = [&] { ++closes; };
  ShowWindow(other.hwnd(), SW_SHOWNOACTIVATE);
  other.Close();
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(other.IsVisible());
  EXPECT_FALSE(app.Terminated()) << "only the main form ends the run";

  std::vector<std::string> shown;
  app.OnException = [&](const std::string& m) { shown.push_back(m); };
  main.OnClose = [] { throw std::runtime_error("write failed"); };
  main.Close();
  EXPECT_EQ(shown, std::vector<std::string>{"write failed"});
  EXPECT_TRUE(app.Terminated()) << "a failing close handler still ends the run";
  MSG msg;
  PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // the run's quit message
}

}  // namespace
}  // namespace kerovia::ui
