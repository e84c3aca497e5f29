#include <gtest/gtest.h>

#include "ui/logic/caption.h"
#include "ui/logic/hint_geometry.h"
#include "ui/logic/placement.h"

namespace kerovia::ui {
namespace {

TEST(CaptionOrigin, HalvesAreTruncatedSeparately) {
  struct Case {
    int w, h, tw, th;
    Point expected;
  } cases[] = {
      {40, 20, 25, 13, {20 - 12, 10 - 6}},
      {20, 20, 7, 13, {10 - 3, 10 - 6}},
      {142, 40, 120, 12, {71 - 60, 20 - 6}},
      {21, 21, 8, 9, {10 - 4, 10 - 4}},     // odd sizes: 10 - 4, not (21 - 8) / 2 = 6
      {20, 20, 31, 13, {10 - 15, 10 - 6}},  // wider than the button
      {66, 12, 0, 0, {33, 6}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CaptionOrigin(c.w, c.h, c.tw, c.th), c.expected)
        << c.w << "x" << c.h << " text " << c.tw << "x" << c.th;
}

TEST(HintBox, SizeAndPlace) {
  const Box screen{0, 0, 1280, 1024};
  struct Case {
    Point cursor;
    int cursorHeight, tw, th;
    Box expected;
  } cases[] = {
      {{100, 100}, 20, 80, 16, {100, 112, 86, 18}},
      {{0, 0}, 32, 10, 16, {0, 24, 16, 18}},
      {{1270, 100}, 20, 80, 16, {1280 - 86, 112, 86, 18}},  // kept inside on the right
      {{500, 1020}, 20, 80, 16, {500, 1020 - 18, 86, 18}},  // above the pointer at the bottom
  };
  for (const auto& c : cases)
    EXPECT_EQ(HintBox(c.cursor, c.cursorHeight, c.tw, c.th, screen), c.expected)
        << c.cursor.x << "," << c.cursor.y;
}

TEST(CentredOver, CentresAndStaysRightOfAndBelowTheOrigin) {
  struct Case {
    int ol, ot, ow, oh, w, h;
    Point expected;
  } cases[] = {
      {20, 20, 326, 346, 401, 90, {0, 148}},  // 20 + (-75 / 2) = -17: kept at 0
      {300, 200, 326, 346, 401, 90, {300 - 37, 200 + 128}},
      {-500, -500, 326, 346, 401, 90, {0, 0}},
      {100, 100, 200, 100, 100, 50, {150, 125}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CentredOver(c.ol, c.ot, c.ow, c.oh, c.w, c.h), c.expected) << c.ol << "," << c.ot;
}

}  // namespace
}  // namespace kerovia::ui
