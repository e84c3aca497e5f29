#include "ui/fade_button.h"

#include <gtest/gtest.h>

#include "platform/error.h"
#include "tests/ui/win_test_support.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/hint.h"
#include "ui/panel.h"
#include "ui/shape.h"

namespace kerovia::ui {
namespace {

using namespace test;

constexpr Rgb kGreen{0xA4, 0xC6, 0x39};
constexpr Rgb kBright{0x80, 0xFF, 0x00};
constexpr Rgb kYellow{0xFF, 0xFF, 0x00};
constexpr Rgb kGrey{0x80, 0x80, 0x80};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

FadeButton::Style Fading() {
  FadeButton::Style s;
  s.color = kBright;
  s.destColor = kYellow;
  s.fadeOnOver = s.fadeOnLeave = true;
  s.font = FontSpec{kTahoma, 12, true, false};
  return s;
}

FadeButton::Style Instant(int border = 1) {
  FadeButton::Style s;
  s.color = kGreen;
  s.destColor = kYellow;
  s.borderHeight = border;
  s.font = FontSpec{kTahoma, 12, true, false};
  return s;
}

// A borderless form with a shape on its own surface and a panel holding three buttons.
class FadeButtonTest : public ::testing::Test {
 protected:
  FadeButtonTest() {
    for (FadeButton* b : {&fading, &instant, &wide})
      b->OnClick = [this, b] { clicks.push_back(b); };
    SetWindowPos(form.hwnd(), HWND_TOP, 100, 100, 0, 0,
                 SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
  }
  ~FadeButtonTest() override { Hints().Leave(); }

  HWND P() const { return panel.hwnd(); }
  UINT_PTR FadeTimer() const { return panel.TimerIdOf(&fading); }
  // Rendered pixel of the panel at a point of a button.
  Rgb PanelPixel(const FadeButton& b, int x, int y) {
    return Rendering(panel).At(b.Left() + x, b.Top() + y);
  }

  Application app;
  Form form{app,
            {.caption = "T", .left = 100, .top = 100, .clientWidth = 220, .clientHeight = 120}};
  Shape strip{form, 0, 0, 220, 8, kGreen, kBlack, 1};
  Panel panel{form, 10, 20, 200, 80, kWhite};
  FadeButton fading{panel, 0, 0, 20, 20, "×", Fading()};
  FadeButton instant{panel, 40, 0, 40, 20, "ab", Instant()};
  FadeButton wide{panel, 100, 10, 60, 40, "Go", Instant(2)};
  std::vector<FadeButton*> clicks;
};

TEST_F(FadeButtonTest, FadesIn64TicksAndBackWithTheFrame) {
  MoveTo(P(), 5, 5);
  EXPECT_EQ(fading.CaptionColor(), kBlack) << "caption switches at once on entry";
  EXPECT_EQ(fading.FaceColor(), kBright) << "face still at rest before the first tick";
  ASSERT_TRUE(fading.Fading());
  ASSERT_NE(FadeTimer(), 0u);

  struct Probe {
    int ticks;
    Rgb face, frame;
  } in[] = {{1, {130, 255, 0}, {126, 126, 126}},
            {31, {192, 255, 0}, {64, 64, 64}},
            {32, {255, 255, 0}, {0, 0, 0}}};
  for (const auto& p : in) {
    Tick(P(), FadeTimer(), p.ticks);
    EXPECT_EQ(PanelPixel(fading, 10, 2), p.face) << "face after more " << p.ticks;
    EXPECT_EQ(PanelPixel(fading, 0, 0), p.frame) << "frame after more " << p.ticks;
  }
  EXPECT_FALSE(fading.Fading()) << "the fade stops at the destination after 64 ticks";

  SendMessageW(P(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(fading.CaptionColor(), kWhite);
  int ticks = 0;
  while (fading.Fading() && ticks < 200) {
    Tick(P(), FadeTimer());
    ++ticks;
  }
  EXPECT_EQ(ticks, 64);
  EXPECT_EQ(PanelPixel(fading, 10, 2), kBright);
  EXPECT_EQ(PanelPixel(fading, 19, 19), kGrey);
}

TEST_F(FadeButtonTest, LeavingMidFadeReversesFromTheColourReached) {
  MoveTo(P(), 5, 5);
  Tick(P(), FadeTimer(), 20);
  ASSERT_EQ(fading.FaceColor(), (Rgb{168, 255, 0}));
  MoveTo(P(), 60, 60);  // onto the panel's bare surface
  Tick(P(), FadeTimer());
  EXPECT_EQ(PanelPixel(fading, 10, 2), (Rgb{166, 255, 0}));
  EXPECT_EQ(PanelPixel(fading, 0, 0), (Rgb{90, 90, 90}));
  int ticks = 1;
  while (fading.Fading() && ticks < 200) {
    Tick(P(), FadeTimer());
    ++ticks;
  }
  EXPECT_EQ(ticks, 20);
  EXPECT_EQ(fading.FaceColor(), kBright);
}

TEST_F(FadeButtonTest, InstantButtonSwitchesFaceFrameAndCaptionAtOnce) {
  const RECT face{instant.Left() + 1, instant.Top() + 1, instant.Left() + 39, instant.Top() + 19};
  EXPECT_GT(Rendering(panel).Count(face, kWhite), 0) << "white caption at rest";
  MoveTo(P(), 45, 5);
  Rendering hot(panel);
  EXPECT_EQ(hot.At(instant.Left() + 1, instant.Top() + 1), kYellow);
  EXPECT_EQ(hot.At(instant.Left(), instant.Top()), kBlack);
  EXPECT_EQ(hot.Count(face, kWhite), 0) << "no white caption pixel left under the pointer";
  EXPECT_FALSE(instant.Fading());
  SendMessageW(P(), WM_MOUSELEAVE, 0, 0);
  Rendering rest(panel);
  EXPECT_EQ(rest.At(instant.Left() + 1, instant.Top() + 1), kGreen);
  EXPECT_EQ(rest.At(instant.Left(), instant.Top()), kGrey);
}

TEST_F(FadeButtonTest, BorderHeightFramesInsideTheButton) {
  Rendering r(panel);
  struct Probe {
    int x, y;
    Rgb colour;
  } probes[] = {{0, 0, kGrey},   {1, 1, kGrey},    {2, 2, kGreen}, {59, 39, kGrey},
                {58, 38, kGrey}, {57, 37, kGreen}, {30, 1, kGrey}, {30, 2, kGreen}};
  for (const auto& p : probes)
    EXPECT_EQ(r.At(wide.Left() + p.x, wide.Top() + p.y), p.colour) << p.x << "," << p.y;
}

TEST_F(FadeButtonTest, CaptionInkLiesInTheCentredTextCell) {
  HDC dc = GetDC(nullptr);
  SIZE size{};
  {
    ScopedSelect font(dc, GetFont(wide.GetStyle().font));
    GetTextExtentPoint32W(dc, L"Go", 2, &size);
  }
  ReleaseDC(nullptr, dc);
  const int cellLeft = wide.Width() / 2 - size.cx / 2;
  const int cellTop = wide.Height() / 2 - size.cy / 2;
  Rendering r(panel);
  int minX = 1000, maxX = -1, minY = 1000, maxY = -1;
  for (int y = 2; y < wide.Height() - 2; ++y)
    for (int x = 2; x < wide.Width() - 2; ++x)
      if (r.At(wide.Left() + x, wide.Top() + y) != kGreen) {
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
      }
  ASSERT_GE(maxX, 0) << "the caption is drawn";
  EXPECT_GE(minX, cellLeft);
  EXPECT_LT(maxX, cellLeft + size.cx);
  EXPECT_GE(minY, cellTop);
  EXPECT_LT(maxY, cellTop + size.cy);
  // Centred: the ink's middle within a few pixels of the button's.
  EXPECT_NEAR((minX + maxX) / 2.0, wide.Width() / 2.0, 3.0);
}

TEST_F(FadeButtonTest, FormSurfaceDragsWhileButtonsOnPanelsTakeClicks) {
  EXPECT_EQ(HitTest(form.hwnd(), 5, 3), HTCAPTION) << "over the shape";
  EXPECT_EQ(HitTest(form.hwnd(), 215, 115), HTCAPTION) << "over bare surface";
  EXPECT_EQ(HitTest(form.hwnd(), 15, 25), HTCAPTION) << "the form answers for itself";
  POINT overButton{10 + 45, 20 + 5};
  EXPECT_EQ(ChildWindowFromPoint(form.hwnd(), overButton), panel.hwnd());
  EXPECT_EQ(HitTest(P(), 45, 5), HTCLIENT);
  ClickAt(P(), 45, 5);
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0], &instant);
}

TEST_F(FadeButtonTest, ClickOnlyOnReleaseOverThePressedButton) {
  struct Case {
    POINT press, release;
    FadeButton* expected;
  } cases[] = {
      {{45, 5}, {45, 5}, &instant},  {{45, 5}, {45, 30}, nullptr},  // released outside
      {{45, 5}, {5, 5}, nullptr},                                   // released over another button
      {{45, 30}, {45, 5}, nullptr},                                 // pressed outside
      {{79, 19}, {40, 0}, &instant},                                // corners
  };
  for (const auto& c : cases) {
    clicks.clear();
    MoveTo(P(), c.press.x, c.press.y);
    Press(P(), c.press.x, c.press.y);
    MoveTo(P(), c.release.x, c.release.y);
    Release(P(), c.release.x, c.release.y);
    if (c.expected) {
      ASSERT_EQ(clicks.size(), 1u) << c.press.x << "," << c.press.y;
      EXPECT_EQ(clicks[0], c.expected);
    } else {
      EXPECT_TRUE(clicks.empty()) << c.press.x << "," << c.press.y << " -> " << c.release.x << ","
                                  << c.release.y;
    }
  }
}

TEST_F(FadeButtonTest, DoubleClickClicksOnce) {
  MoveTo(P(), 45, 5);
  Press(P(), 45, 5);
  Release(P(), 45, 5);
  SendMessageW(P(), WM_LBUTTONDBLCLK, MK_LBUTTON, ClientPoint(45, 5));
  Release(P(), 45, 5);
  EXPECT_EQ(clicks.size(), 1u);
  EXPECT_TRUE(GetClassLongW(P(), GCL_STYLE) & CS_DBLCLKS)
      << "without CS_DBLCLKS the second press would click again";
}

TEST_F(FadeButtonTest, DisabledButtonIgnoresPointerAndClicksButShowsItsHint) {
  instant.SetEnabled(false);
  instant.SetHint(" バックアップ開始");
  ClickAt(P(), 45, 5);
  EXPECT_TRUE(clicks.empty());
  EXPECT_EQ(instant.CaptionColor(), kWhite);
  EXPECT_EQ(instant.FaceColor(), kGreen);
  EXPECT_EQ(Rendering(panel).At(instant.Left() + 1, instant.Top() + 1), kGreen)
      << "drawn like a resting enabled button";
  EXPECT_EQ(CursorAfterSetCursor(P()), LoadCursorW(nullptr, IDC_ARROW));

  MoveTo(P(), 150, 70);  // a press ends a control's hint until the pointer comes back
  MoveTo(P(), 46, 6);
  Tick(Hints().hwnd(), HintWindow::kPauseTimer);
  EXPECT_TRUE(Hints().Showing());
  EXPECT_EQ(Hints().Text(), " バックアップ開始");

  instant.SetEnabled(true);
  MoveTo(P(), 60, 60);
  MoveTo(P(), 45, 5);
  EXPECT_EQ(CursorAfterSetCursor(P()), LoadCursorW(nullptr, IDC_HAND));
}

TEST_F(FadeButtonTest, ExceptionInAHandlerGoesToTheApplication) {
  std::vector<std::string> shown;
  app.OnException = [&](const std::string& message) { shown.push_back(message); };
  instant.OnClick = [] { throw Error("失敗しました"); };
  ClickAt(P(), 45, 5);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], "失敗しました");
  instant.OnClick = [] { throw 42; };
  ClickAt(P(), 45, 5);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[1], "") << "a foreign exception is shown with an empty message";
}

}  // namespace
}  // namespace kerovia::ui
