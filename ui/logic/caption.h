#pragma once

namespace kerovia::ui {

struct Point {
  int x = 0, y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// Where a button draws its one-line caption: each half truncated on its own, so a caption
// wider than the button starts left of it.
Point CaptionOrigin(int width, int height, int textWidth, int textHeight);

}  // namespace kerovia::ui
