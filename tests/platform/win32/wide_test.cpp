#include "platform/win32/wide.h"

#include <gtest/gtest.h>

namespace kerovia::win32 {
namespace {

TEST(WideTest, RoundTripsTextOutsideTheAnsiCodePage) {
  // Japanese, Korean (not in Shift-JIS) and an emoji (a surrogate pair in UTF-16).
  for (std::string text : {"", "IMG_0001.jpg", "ミュージック", "노래.mp3", "\xF0\x9F\x8E\xB5.mp3"})
    EXPECT_EQ(Narrow(Widen(text)), text);
  EXPECT_EQ(Widen("\xF0\x9F\x8E\xB5").size(), 2u);
}

TEST(WideTest, LongPathsGetTheExtendedLengthPrefix) {
  std::string longName(300, 'a');
  EXPECT_EQ(FileApiPath("C:\\short.txt"), L"C:\\short.txt");
  EXPECT_EQ(FileApiPath("C:\\" + longName), L"\\\\?\\C:\\" + Widen(longName));
  EXPECT_EQ(FileApiPath("\\\\server\\share\\" + longName),
            L"\\\\?\\UNC\\server\\share\\" + Widen(longName));
}

}  // namespace
}  // namespace kerovia::win32
