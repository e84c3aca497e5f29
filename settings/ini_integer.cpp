#include "settings/ini_integer.h"

#include <cstdint>

namespace kerovia {

namespace {

int DigitValue(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9')
    value = c - '0';
  else if (c >= 'a' && c <= 'f')
    value = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F')
    value = c - 'A' + 10;
  return value < base ? value : -1;
}

}  // namespace

std::optional<int> ParseIniInteger(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  } else if (!text.empty() && (text[0] == 'x' || text[0] == 'X' || text[0] == '$')) {
    base = 16;
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;

  // The magnitude may reach 2^31 for the most negative value; stop before it can overflow.
  const std::int64_t limit = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
  std::int64_t magnitude = 0;
  for (char c : text) {
    int digit = DigitValue(c, base);
    if (digit < 0) return std::nullopt;
    magnitude = magnitude * base + digit;
    if (magnitude > limit) return std::nullopt;
  }
  return static_cast<int>(negative ? -magnitude : magnitude);
}

}  // namespace kerovia
