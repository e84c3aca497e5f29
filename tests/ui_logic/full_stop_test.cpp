#include "ui/logic/full_stop.h"

#include <gtest/gtest.h>

namespace kerovia::ui {
namespace {

TEST(ExceptionDialogText, FullStopUnlessEndingInOrBeforeIt) {
  struct Case {
    const char* message;
    const char* expected;
  } cases[] = {
      {"", ""},
      {"Disk full", "Disk full."},
      {"Done.", "Done."},
      {"Really!", "Really!"},  // '!' sorts before '.'
      {"a,", "a,"},
      {"a-", "a-"},
      {"trailing ", "trailing "},
      {"a/", "a/."},  // '/' sorts after '.'
      {"1", "1."},
      {"C:\\x.ini に書き込めません", "C:\\x.ini に書き込めません."},
      {"終わり。", "終わり。."},  // a Japanese full stop is not "."
  };
  for (const auto& c : cases) EXPECT_EQ(ExceptionDialogText(c.message), c.expected) << c.message;
}

}  // namespace
}  // namespace kerovia::ui
