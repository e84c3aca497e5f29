#include "ui/logic/hint_timing.h"

#include <gtest/gtest.h>

namespace kerovia::ui {
namespace {

using Action = HintTiming::Action;

const int a = 0, b = 0;  // two controls with hints
const void* const kA = &a;
const void* const kB = &b;

TEST(HintTiming, AppearsAfterThePauseAndGoesAfterItsTime) {
  HintTiming hints;
  EXPECT_EQ(hints.Hover(kA), Action::Wait);
  EXPECT_EQ(hints.Hover(kA), Action::None) << "moving within the control restarts nothing";
  EXPECT_EQ(hints.PauseElapsed(), Action::Show);
  EXPECT_TRUE(hints.Showing());
  EXPECT_EQ(hints.ShowElapsed(), Action::Hide);
  EXPECT_EQ(hints.Hover(kA), Action::None) << "no second showing on the same control";
  EXPECT_EQ(hints.PauseElapsed(), Action::None);
}

TEST(HintTiming, NextControlWhileShowingAppearsAtOnce) {
  HintTiming hints;
  hints.Hover(kA);
  hints.PauseElapsed();
  EXPECT_EQ(hints.Hover(kB), Action::Show);
  EXPECT_EQ(hints.Current(), kB);
}

TEST(HintTiming, NextControlWhileWaitingWaitsAgain) {
  HintTiming hints;
  hints.Hover(kA);
  EXPECT_EQ(hints.Hover(kB), Action::Wait);
  EXPECT_EQ(hints.PauseElapsed(), Action::Show);
  EXPECT_EQ(hints.Current(), kB);
}

TEST(HintTiming, LeavingOrPressingHides) {
  struct Case {
    bool showFirst;
    bool press;
  } cases[] = {{false, false}, {true, false}, {false, true}, {true, true}};
  for (const auto& c : cases) {
    HintTiming hints;
    hints.Hover(kA);
    if (c.showFirst) hints.PauseElapsed();
    EXPECT_EQ(c.press ? hints.Press() : hints.Leave(), Action::Hide);
    EXPECT_FALSE(hints.Showing());
    EXPECT_EQ(hints.PauseElapsed(), Action::None);
  }
  HintTiming idle;
  EXPECT_EQ(idle.Leave(), Action::None);
  EXPECT_EQ(idle.Hover(nullptr), Action::None);
}

TEST(HintTiming, AfterLeavingTheSameControlWaitsAgain) {
  HintTiming hints;
  hints.Hover(kA);
  hints.PauseElapsed();
  hints.ShowElapsed();
  hints.Leave();
  EXPECT_EQ(hints.Hover(kA), Action::Wait);
}

}  // namespace
}  // namespace kerovia::ui
