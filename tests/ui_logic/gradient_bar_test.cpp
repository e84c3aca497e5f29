#include "ui/logic/gradient_bar.h"

#include <gtest/gtest.h>

namespace kerovia::ui {
namespace {

TEST(BarFillWidth, TruncatedShareOfTheAreaNeverClampedBelow) {
  struct Case {
    long long position, range;
    int expected;
  } cases[] = {
      {0, 4000, 0},      {-1, 4000, 0},       {-5000, 4000, 0},     {15, 4000, 0},
      {16, 4000, 1},     {17, 4000, 1},       {2000, 4000, 128},    {3999, 4000, 255},
      {4000, 4000, 256}, {4001, 4000, 256},   {1000000, 4000, 256}, {156, 40000, 0},
      {157, 40000, 1},   {40000, 40000, 256}, {5, 0, 256},          {0, 0, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(BarFillWidth(c.position, c.range, 256), c.expected)
        << c.position << " of " << c.range;
}

TEST(BarRampColour, FromStartTowardsAlmostWhite) {
  struct Case {
    Rgb start;
    int x;
    Rgb expected;
  } cases[] = {
      {FromHex(0xA4C639), 0, {164, 198, 57}},
      {FromHex(0xA4C639), 128, {164 + 45, 198 + 28, 57 + 99}},
      {FromHex(0xA4C639), 255, {254, 254, 254}},
      {FromHex(0xFFFF00), 0, {255, 255, 0}},
      {FromHex(0xFFFF00), 1, {255, 255, 0}},
      {FromHex(0xFFFF00), 2, {255, 255, 1}},
      {FromHex(0xFFFF00), 255, {255, 255, 254}},
      {FromHex(0x000000), 100, {99, 99, 99}},
  };
  for (const auto& c : cases) {
    const Rgb got = BarRampColour(c.start, c.x);
    EXPECT_EQ(got, c.expected) << "x " << c.x << " got " << got.r << "," << got.g << "," << got.b;
  }
}

TEST(BarText, PlainDecimal) {
  EXPECT_EQ(BarText(0), "0");
  EXPECT_EQ(BarText(17), "17");
  EXPECT_EQ(BarText(-1), "-1");
  EXPECT_EQ(BarText(4001), "4001");
}

}  // namespace
}  // namespace kerovia::ui
