#pragma once

#include <optional>
#include <string_view>

namespace kerovia {

// An integer as a hand-edited settings value may spell it: decimal with an optional sign,
// or hexadecimal after "0x", "x" or "$" (the sign, if any, before the prefix). Nothing when
// the text is anything else or lies outside the 32-bit signed range.
std::optional<int> ParseIniInteger(std::string_view text);

}  // namespace kerovia
