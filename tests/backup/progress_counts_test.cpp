#include "backup/progress_counts.h"

#include <gtest/gtest.h>

#include "recorders.h"

namespace kerovia {
namespace {

TEST(FailureReport, ListsTheFirstFiveNamesAndCountsTheRest) {
  struct Case {
    std::vector<std::string> names;
    const char* want;
  } cases[] = {
      {{"a.jpg"}, "H\na.jpg"},
      {{"a", "b", "c", "d", "e"}, "H\na\nb\nc\nd\ne"},
      {{"a", "b", "c", "d", "e", "f"}, "H\na\nb\nc\nd\ne\nほか1個"},
      {{"a", "b", "c", "d", "e", "f", "g", "h"}, "H\na\nb\nc\nd\ne\nほか3個"},
  };
  for (const auto& c : cases) EXPECT_EQ(FailureReport("H", c.names), c.want);
}

TEST(CountDown, StepsTheBarOfTheKindOnly) {
  struct Case {
    const char* kind;
    int want[3];
  } cases[] = {
      {"m", {9, 20, 30}}, {"v", {10, 19, 30}}, {"p", {10, 20, 29}},
      {"", {10, 20, 30}}, {"x", {10, 20, 30}},
  };
  for (const auto& c : cases) {
    testing::Log log;
    testing::RecordingProgressView progress(log);
    progress.positions[0] = 10;
    progress.positions[1] = 20;
    progress.positions[2] = 30;
    CountDown(c.kind, progress);
    for (int bar = 0; bar < 3; ++bar)
      EXPECT_EQ(progress.positions[bar], c.want[bar]) << c.kind << " bar " << bar;
  }
}

TEST(SetBarsToListCounts, CountsEachKindOfTheListedRows) {
  FileList list;
  for (const char* kind : {"p", "m", "p", "v", "p", "x"}) list.Append("F/a", kind);
  // Rows beyond FileCount are not part of the list.
  list.StringGrid1.SetCell(FileList::kKind, 7, "m");
  testing::Log log;
  testing::RecordingProgressView progress(log);
  SetBarsToListCounts(list, progress);
  EXPECT_EQ(progress.positions[0], 1);
  EXPECT_EQ(progress.positions[1], 1);
  EXPECT_EQ(progress.positions[2], 3);
}

}  // namespace
}  // namespace kerovia
