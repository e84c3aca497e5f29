#include "ui/shape.h"

#include "ui/gdi.h"

namespace kerovia::ui {

Shape::Shape(Container& parent, int left, int top, int width, int height, Rgb fill, Rgb outline,
             int outlineWidth)
    : Control(parent, left, top, width, height),
      fill_(fill),
      outline_(outline),
      outlineWidth_(outlineWidth) {}

void Shape::Paint(HDC dc) {
  FramedRect(dc, Bounds(), fill_, outline_, outlineWidth_);
}

}  // namespace kerovia::ui
