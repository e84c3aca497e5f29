#pragma once

#include <cstdint>

namespace kerovia::ui {

// An opaque colour as three 8-bit channels.
struct Rgb {
  int r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// 0xRRGGBB as the program writes its colours.
constexpr Rgb FromHex(std::uint32_t rgb) {
  return Rgb{static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
             static_cast<int>(rgb & 0xFF)};
}
constexpr std::uint32_t ToHex(Rgb c) {
  return (static_cast<std::uint32_t>(c.r) << 16) | (static_cast<std::uint32_t>(c.g) << 8) |
         static_cast<std::uint32_t>(c.b);
}

}  // namespace kerovia::ui
