#include "ui/panel.h"

#include "ui/gdi.h"

namespace kerovia::ui {

Panel::Panel(Container& parent, int left, int top, int width, int height, Rgb color, Bevel bevel)
    : bevel_(bevel) {
  SetColor(color);
  Create({.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
          .parent = parent.hwnd(),
          .x = left,
          .y = top,
          .width = width,
          .height = height,
          .title = ""});
}

void Panel::PaintSurface(HDC dc, const RECT& client) {
  Container::PaintSurface(dc, client);
  if (bevel_ == Bevel::RaisedLowered) {
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    ui::Bevel(dc, client, light, shadow);
    const RECT inner{client.left + 1, client.top + 1, client.right - 1, client.bottom - 1};
    ui::Bevel(dc, inner, shadow, light);
  }
}

}  // namespace kerovia::ui
