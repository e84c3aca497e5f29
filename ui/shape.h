#pragma once

#include "ui/control.h"
#include "ui/logic/colour.h"

namespace kerovia::ui {

// A rectangle: fill, and an outline of its own colour and width inside its bounds.
class Shape : public Control {
 public:
  Shape(Container& parent, int left, int top, int width, int height, Rgb fill, Rgb outline,
        int outlineWidth = 1);
  void Paint(HDC dc) override;

 private:
  Rgb fill_, outline_;
  int outlineWidth_;
};

}  // namespace kerovia::ui
