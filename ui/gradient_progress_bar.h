#pragma once

#include <string>

#include "ui/control.h"
#include "ui/logic/colour.h"

namespace kerovia::ui {

// The gradient progress bar: a sunken 1 px frame, a fill area 2 px in from each edge filled
// from the left with a ramp from the start colour to almost white, and the position as a
// number centred on the whole bar. The position is never clamped.
class GradientProgressBar : public Control {
 public:
  GradientProgressBar(Container& parent, int left, int top, int width, int height, int range,
                      Rgb startColor);

  int Position() const { return position_; }
  // Redraws the bar at once.
  void SetPosition(int position);
  int Range() const { return range_; }
  Rgb StartColor() const { return startColor_; }
  void SetStartColor(Rgb colour);
  // The text drawn on the bar.
  std::string Text() const;
  // Width of the filled part in pixels.
  int FillWidth() const;

  void Paint(HDC dc) override;

 private:
  int range_;
  int position_ = 0;
  Rgb startColor_;
};

}  // namespace kerovia::ui
