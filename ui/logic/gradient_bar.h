#pragma once

#include <string>

#include "ui/logic/colour.h"

namespace kerovia::ui {

// The gradient progress bar: a 1 px sunken frame, the fill area 2 px in from each edge.
inline constexpr int kBarFrameInset = 2;

// Filled columns of a fill area `areaWidth` wide: Trunc(position * 256 / range), at most the
// whole area; nothing at 0 or below (the position itself is never clamped).
int BarFillWidth(long long position, long long range, int areaWidth);

// Colour of fill column x (0..255): each channel Trunc(start + x * (255 - start) / 256).
Rgb BarRampColour(Rgb start, int x);

// The number drawn on the bar.
std::string BarText(long long position);

}  // namespace kerovia::ui
