#include "ui/logic/fade.h"

#include <gtest/gtest.h>

namespace kerovia::ui {
namespace {

// The four title buttons: bright green to yellow, grey frame to black.
FadeBehavior::Settings TitleButton() {
  return {
      FromHex(0x80FF00), FromHex(0xFFFF00), FromHex(0x808080), FromHex(0x000000), true, true, 2};
}

FadeBehavior::Settings InstantButton() {
  return {
      FromHex(0xA4C639), FromHex(0xFFFF00), FromHex(0x808080), FromHex(0x000000), false, false, 2};
}

int TicksUntilStill(FadeBehavior& fade) {
  int ticks = 0;
  while (fade.Fading() != FadeBehavior::Direction::None && ticks < 1000) {
    fade.Tick();
    ++ticks;
  }
  return ticks;
}

TEST(StepChannel, MovesByStepWithinTheRange) {
  struct Case {
    int value, from, to, step, expected;
  } cases[] = {
      {128, 128, 255, 2, 130}, {254, 128, 255, 2, 255}, {255, 128, 255, 2, 255},
      {128, 128, 0, 2, 126},   {1, 128, 0, 2, 0},       {0, 255, 0, 2, 0},
      {255, 255, 255, 2, 255}, {57, 57, 0, 2, 55},      {0, 0, 57, 2, 2},
  };
  for (const auto& c : cases)
    EXPECT_EQ(StepChannel(c.value, c.from, c.to, c.step), c.expected)
        << c.value << " from " << c.from << " to " << c.to;
}

TEST(FadeBehavior, TitleButtonFadesInAndOutIn64TicksEach) {
  FadeBehavior fade(TitleButton());
  EXPECT_TRUE(fade.Enter());
  EXPECT_TRUE(fade.Hot());
  EXPECT_EQ(TicksUntilStill(fade), 64);
  EXPECT_EQ(fade.Face(), FromHex(0xFFFF00));
  EXPECT_EQ(fade.Frame(), FromHex(0x000000));

  EXPECT_TRUE(fade.Leave());
  EXPECT_FALSE(fade.Hot());
  EXPECT_EQ(TicksUntilStill(fade), 64);
  EXPECT_EQ(fade.Face(), FromHex(0x80FF00));
  EXPECT_EQ(fade.Frame(), FromHex(0x808080));
}

TEST(FadeBehavior, ColoursPartWayThrough) {
  struct Case {
    int ticks;
    Rgb face, frame;
  } cases[] = {
      {1, {130, 255, 0}, {126, 126, 126}},
      {10, {148, 255, 0}, {108, 108, 108}},
      {32, {192, 255, 0}, {64, 64, 64}},
      {63, {254, 255, 0}, {2, 2, 2}},
  };
  for (const auto& c : cases) {
    FadeBehavior fade(TitleButton());
    fade.Enter();
    for (int i = 0; i < c.ticks; ++i) fade.Tick();
    EXPECT_EQ(fade.Face(), c.face) << c.ticks << " ticks";
    EXPECT_EQ(fade.Frame(), c.frame) << c.ticks << " ticks";
    EXPECT_EQ(fade.Fading(), FadeBehavior::Direction::In);
  }
}

TEST(FadeBehavior, LeavingDuringFadeInReversesFromTheColourReached) {
  FadeBehavior fade(TitleButton());
  fade.Enter();
  for (int i = 0; i < 20; ++i) fade.Tick();
  ASSERT_EQ(fade.Face().r, 168);
  fade.Leave();
  EXPECT_EQ(fade.Fading(), FadeBehavior::Direction::Out);
  fade.Tick();
  EXPECT_EQ(fade.Face().r, 166);
  EXPECT_EQ(fade.Frame().r, 90);
  EXPECT_EQ(TicksUntilStill(fade), 19);
  EXPECT_EQ(fade.Face(), FromHex(0x80FF00));
  EXPECT_EQ(fade.Frame(), FromHex(0x808080));
}

TEST(FadeBehavior, ComingBackDuringFadeOutFinishesItThenMovementFadesIn) {
  FadeBehavior fade(TitleButton());
  fade.Enter();
  TicksUntilStill(fade);
  fade.Leave();
  for (int i = 0; i < 10; ++i) fade.Tick();
  fade.Enter();
  EXPECT_TRUE(fade.Hot()) << "the caption switches at once";
  EXPECT_EQ(fade.Fading(), FadeBehavior::Direction::Out);
  EXPECT_EQ(TicksUntilStill(fade), 54);
  EXPECT_EQ(fade.Face(), FromHex(0x80FF00));
  EXPECT_TRUE(fade.Move());
  EXPECT_EQ(fade.Fading(), FadeBehavior::Direction::In);
}

TEST(FadeBehavior, MoveWithoutPointerOverStartsNothing) {
  FadeBehavior fade(TitleButton());
  EXPECT_FALSE(fade.Move());
  EXPECT_FALSE(fade.Leave());
  EXPECT_EQ(fade.Fading(), FadeBehavior::Direction::None);
}

TEST(FadeBehavior, WithoutFadingColoursSwitchAtOnce) {
  FadeBehavior fade(InstantButton());
  EXPECT_FALSE(fade.Enter());
  EXPECT_EQ(fade.Face(), FromHex(0xFFFF00));
  EXPECT_EQ(fade.Frame(), FromHex(0x000000));
  EXPECT_FALSE(fade.Tick());
  EXPECT_FALSE(fade.Leave());
  EXPECT_EQ(fade.Face(), FromHex(0xA4C639));
  EXPECT_EQ(fade.Frame(), FromHex(0x808080));
}

}  // namespace
}  // namespace kerovia::ui
