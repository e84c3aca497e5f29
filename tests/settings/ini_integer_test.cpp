#include "settings/ini_integer.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace kerovia {
namespace {

struct IntegerCase {
  std::string text;
  std::optional<int> expected;
};

TEST(IniIntegerTest, AcceptsDecimalAndTheThreeHexPrefixesWithASign) {
  const IntegerCase cases[] = {
      {"0", 0},
      {"20", 20},
      {"007", 7},
      {"-5", -5},
      {"+5", 5},
      {"0x20", 32},
      {"0X20", 32},
      {"$20", 32},
      {"x20", 32},
      {"X1f", 31},
      {"$ff", 255},
      {"-0x20", -32},
      {"-$20", -32},
      {"+x20", 32},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"0x7FFFFFFF", 2147483647},
      {"-0x80000000", -2147483647 - 1},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseIniInteger(c.text), c.expected) << c.text;
}

TEST(IniIntegerTest, RejectsEverythingElse) {
  const std::string cases[] = {
      "",
      "abc",
      "12abc",
      "12 ",
      " 12",
      "-",
      "+",
      "--5",
      "+-5",
      "- 5",
      "0x",
      "$",
      "x",
      "0x-5",
      "$+5",
      "1.5",
      "1e3",
      "0xg",
      "20h",
      "0b1",
      "2147483648",
      "-2147483649",
      "0x80000000",
      "$FFFFFFFF",
      "99999999999999999999",
      std::string("1\0", 2),
  };
  for (const auto& text : cases) EXPECT_EQ(ParseIniInteger(text), std::nullopt) << text;
}

}  // namespace
}  // namespace kerovia
