#include "app/progress_form.h"

#include <gtest/gtest.h>

#include "app/colours.h"
#include "tests/ui/win_test_support.h"
#include "ui/application.h"
#include "ui/logic/gradient_bar.h"

namespace kerovia {
namespace {

using namespace ui::test;
using namespace app;
using ui::Rgb;

class ProgressFormTest : public ::testing::Test {
 protected:
  ProgressFormTest() { ShowWindow(owner.hwnd(), SW_SHOWNOACTIVATE); }

  ui::Application app;
  ui::Form owner{
      app, {.caption = "Kerovia", .left = 20, .top = 20, .clientWidth = 326, .clientHeight = 346}};
  TProgressForm1 card{app, owner};
  ProgressView& view = card;
};

TEST_F(ProgressFormTest, CreatedHiddenOnTopWithItsLayout) {
  EXPECT_FALSE(card.IsVisible());
  EXPECT_TRUE(GetWindowLongPtrW(card.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(card.ClientWidth(), 401);
  EXPECT_EQ(card.ClientHeight(), 90);
  EXPECT_EQ(card.Label0.Text(), "Android本体解析中です...");
  EXPECT_EQ(card.Button1.Hint(), " 閉じる");
  EXPECT_EQ(card.ProgressBar1.Range(), 40000);
  EXPECT_EQ(card.ProgressBar2.Range(), 4000);
  EXPECT_EQ(card.ProgressBar3.Range(), 4000);
  EXPECT_EQ(HitTest(card.hwnd(), 200, 80), HTCAPTION);
  EXPECT_EQ(HitTest(card.hwnd(), 5, 5), HTCAPTION);
}

TEST_F(ProgressFormTest, FirstShowCentredOverTheMainWindowLaterWhereLeft) {
  view.Show();
  EXPECT_TRUE(card.IsVisible());
  EXPECT_EQ(card.Left(), 0) << "20 + (326 - 401) / 2 is left of the screen: kept at 0";
  EXPECT_EQ(card.Top(), 20 + (346 - 90) / 2);
  card.ui::Form::SetPosition(300, 400);  // the user drags it away
  view.Close();
  EXPECT_FALSE(card.IsVisible());
  owner.SetPosition(500, 500);
  view.Show();
  EXPECT_EQ(card.Left(), 300);
  EXPECT_EQ(card.Top(), 400);
}

TEST_F(ProgressFormTest, CentredWhenTheMainWindowHasMoved) {
  owner.SetPosition(300, 200);
  view.Show();
  EXPECT_EQ(card.Left(), 300 + (326 - 401) / 2);
  EXPECT_EQ(card.Top(), 200 + (346 - 90) / 2);
}

TEST_F(ProgressFormTest, CloseButtonClearsTheCancelFlagAndHides) {
  view.Show();
  view.SetTag(1);
  ClickAt(card.Panel1.hwnd(), 10, 10);
  EXPECT_EQ(view.Tag(), 0);
  EXPECT_FALSE(card.IsVisible());
}

TEST_F(ProgressFormTest, BarsThroughTheView) {
  struct Case {
    Bar bar;
    int position;
    int filled;
    const char* text;
  } cases[] = {
      {Bar::Photo, 17, 1, "17"},      {Bar::Photo, 4001, 256, "4001"},   {Bar::Movie, -1, 0, "-1"},
      {Bar::Music, 4000, 25, "4000"}, {Bar::Music, 40001, 256, "40001"},
  };
  for (const auto& c : cases) {
    view.SetBarStartColour(0xA4C639);
    view.SetPosition(c.bar, c.position);
    EXPECT_EQ(view.Position(c.bar), c.position);
    ui::GradientProgressBar& bar = card.BarOf(c.bar);
    EXPECT_EQ(bar.Text(), c.text);
    Rendering r(card);
    const int fx = bar.Left() + 2, y = bar.Top() + 3;
    for (int x : {0, 1, 24, 25, 60, 200, 255}) {
      const Rgb expected = x < c.filled ? ui::BarRampColour(kGreen, x) : kWhite;
      EXPECT_EQ(r.At(fx + x, y), expected) << c.text << " column " << x;
    }
  }
  view.SetBarStartColour(0xFFFF00);
  Rendering r(card);
  EXPECT_EQ(r.At(card.ProgressBar3.Left() + 2, card.ProgressBar3.Top() + 3), kYellow);
}

TEST_F(ProgressFormTest, CardPixels) {
  Rendering r(card);
  struct Probe {
    const char* what;
    int x, y;
    Rgb colour;
  } probes[] = {
      {"outline", 0, 45, kBlack},
      {"outline right", 399, 45, kBlack},
      {"cream", 5, 45, kCream},
      {"right of the shape", 400, 45, kWhite},
      {"× frame", 376, 4, kGrey},
      {"× face", 378, 6, kGreen},
      {"bar frame", 132, 28, SysColour(COLOR_BTNSHADOW)},
  };
  for (const auto& p : probes) EXPECT_EQ(r.At(p.x, p.y), p.colour) << p.what;
}

TEST_F(ProgressFormTest, StatusText) {
  view.SetStatus("iTunes 起動中です...");
  EXPECT_EQ(card.Label0.Text(), "iTunes 起動中です...");
}

}  // namespace
}  // namespace kerovia
