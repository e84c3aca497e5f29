#include "ui/edit.h"

namespace kerovia::ui {

Edit::Edit(Container& parent, int left, int top, int width, int height, const FontSpec& font,
           Rgb textColor)
    : WindowedControl(parent, L"EDIT", ES_READONLY | ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE,
                      left, top, width, height, "") {
  SetFont(font);
  SetTextColor(textColor);
  SetBackground(Rgb{255, 255, 255});
}

}  // namespace kerovia::ui
