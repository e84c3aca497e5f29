#include "ui/logic/gradient_bar.h"

#include <algorithm>

namespace kerovia::ui {

int BarFillWidth(long long position, long long range, int areaWidth) {
  if (position <= 0 || areaWidth <= 0) return 0;
  if (range <= 0) return areaWidth;  // a bar without a range is full once it counts
  const long long width = position * 256 / range;
  return static_cast<int>(std::min<long long>(width, areaWidth));
}

Rgb BarRampColour(Rgb start, int x) {
  auto channel = [x](int s) { return s + x * (255 - s) / 256; };
  return Rgb{channel(start.r), channel(start.g), channel(start.b)};
}

std::string BarText(long long position) {
  return std::to_string(position);
}

}  // namespace kerovia::ui
