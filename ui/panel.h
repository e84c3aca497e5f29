#pragma once

#include "ui/container.h"

namespace kerovia::ui {

// A panel: a child window that hosts controls (so buttons on it get normal mouse handling
// while its form answers HTCAPTION), without a bevel or with a raised outer and a lowered
// inner 1 px bevel.
class Panel : public Container {
 public:
  enum class Bevel { None, RaisedLowered };
  Panel(Container& parent, int left, int top, int width, int height, Rgb color,
        Bevel bevel = Bevel::None);

 protected:
  void PaintSurface(HDC dc, const RECT& client) override;

 private:
  Bevel bevel_;
};

}  // namespace kerovia::ui
