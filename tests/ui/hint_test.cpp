#include "ui/hint.h"

#include <gtest/gtest.h>

#include "tests/ui/win_test_support.h"
#include "ui/application.h"
#include "ui/fade_button.h"
#include "ui/font.h"
#include "ui/form.h"
#include "ui/panel.h"

namespace kerovia::ui {
namespace {

using namespace test;

constexpr Rgb kHintGreen{0xA4, 0xC6, 0x39};

class HintTest : public ::testing::Test {
 protected:
  HintTest() {
    a.SetHint(" 閉じる");
    b.SetHint(" ユーザーズガイド");
    SetWindowPos(form.hwnd(), HWND_TOP, 200, 200, 0, 0,
                 SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
  }
  ~HintTest() override { Hints().Leave(); }
  HWND P() const { return panel.hwnd(); }
  HWND H() const { return Hints().hwnd(); }

  Application app;
  Form form{app, {.caption = "T", .left = 200, .top = 200, .clientWidth = 200, .clientHeight = 60}};
  Panel panel{form, 0, 0, 200, 60, Rgb{255, 255, 255}};
  FadeButton a{panel, 0, 0, 40, 20, "a", FadeButton::Style{}};
  FadeButton b{panel, 50, 0, 40, 20, "b", FadeButton::Style{}};
};

TEST_F(HintTest, AppearsAfterThePauseStaysItsTimeAndHides) {
  MoveTo(P(), 5, 5);
  EXPECT_FALSE(Hints().Showing()) << "not before the pause";
  Tick(H(), HintWindow::kPauseTimer);
  ASSERT_TRUE(Hints().Showing());
  EXPECT_EQ(Hints().Text(), " 閉じる");
  Tick(H(), HintWindow::kShowTimer);
  EXPECT_FALSE(Hints().Showing());
  MoveTo(P(), 6, 6);
  Tick(H(), HintWindow::kPauseTimer);
  EXPECT_FALSE(Hints().Showing()) << "not again while the pointer stays on the control";
}

TEST_F(HintTest, NextControlWhileOneShowsAppearsAtOnce) {
  MoveTo(P(), 5, 5);
  Tick(H(), HintWindow::kPauseTimer);
  ASSERT_TRUE(Hints().Showing());
  MoveTo(P(), 55, 5);
  EXPECT_TRUE(Hints().Showing());
  EXPECT_EQ(Hints().Text(), " ユーザーズガイド");
}

TEST_F(HintTest, LeavingOrPressingHides) {
  for (bool press : {false, true}) {
    MoveTo(P(), 150, 50);
    MoveTo(P(), 5, 5);
    Tick(H(), HintWindow::kPauseTimer);
    ASSERT_TRUE(Hints().Showing());
    if (press) {
      Press(P(), 5, 5);
      Release(P(), 5, 5);
    } else {
      MoveTo(P(), 150, 50);
    }
    EXPECT_FALSE(Hints().Showing()) << (press ? "press" : "leave");
  }
}

TEST_F(HintTest, GeometryShapeAndLook) {
  MoveTo(P(), 5, 5);
  Tick(H(), HintWindow::kPauseTimer);
  ASSERT_TRUE(Hints().Showing());
  const SIZE text =
      MeasureText(FontSpec{kGothic, 16, true, false}, " 閉じる", GetSystemMetrics(SM_CXSCREEN));
  RECT r{};
  GetWindowRect(H(), &r);
  EXPECT_EQ(r.right - r.left, text.cx + 6);
  EXPECT_EQ(r.bottom - r.top, text.cy + 2);
  POINT cursor{};
  GetCursorPos(&cursor);
  EXPECT_EQ(r.left, cursor.x);
  EXPECT_EQ(r.top, cursor.y + GetSystemMetrics(SM_CYCURSOR) - 8);

  const LONG_PTR ex = GetWindowLongPtrW(H(), GWL_EXSTYLE);
  EXPECT_TRUE(ex & WS_EX_TRANSPARENT);
  EXPECT_TRUE(ex & WS_EX_NOACTIVATE);
  EXPECT_EQ(SendMessageW(H(), WM_NCHITTEST, 0, MAKELPARAM(r.left + 5, r.top + 5)), HTTRANSPARENT);

  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(H(), region), ERROR) << "cut to a rounded rectangle";
  EXPECT_FALSE(PtInRegion(region, 0, 0)) << "corner cut off";
  EXPECT_TRUE(PtInRegion(region, 4, 0)) << "edge kept past the 8x8 corner";
  EXPECT_TRUE(PtInRegion(region, (r.right - r.left) / 2, (r.bottom - r.top) / 2));
  DeleteObject(region);

  // The look, painted into a bitmap: green fill right of the text, black outline.
  const int w = r.right - r.left, h = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  {
    MemoryCanvas canvas(screen, w, h);
    SendMessageW(H(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    EXPECT_EQ(FromColorRef(GetPixel(canvas.dc(), w - 3, h / 2)), kHintGreen);
    EXPECT_EQ(FromColorRef(GetPixel(canvas.dc(), w - 2, h / 2)), (Rgb{0, 0, 0}));
    EXPECT_EQ(FromColorRef(GetPixel(canvas.dc(), w / 2, 0)), (Rgb{0, 0, 0}));
  }
  ReleaseDC(nullptr, screen);
}

}  // namespace
}  // namespace kerovia::ui
