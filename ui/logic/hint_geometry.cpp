#include "ui/logic/hint_geometry.h"

#include <algorithm>

namespace kerovia::ui {

Box HintBox(Point cursor, int cursorHeight, int textWidth, int textHeight, Box screen) {
  Box box{cursor.x, cursor.y + cursorHeight - kHintRaise, textWidth + 6, textHeight + 2};
  const int right = screen.left + screen.width;
  const int bottom = screen.top + screen.height;
  if (box.left + box.width > right) box.left = right - box.width;
  if (box.top + box.height > bottom) box.top = cursor.y - box.height;  // above the pointer
  box.left = std::max(box.left, screen.left);
  box.top = std::max(box.top, screen.top);
  return box;
}

}  // namespace kerovia::ui
