#include "ui/logic/caption.h"

namespace kerovia::ui {

Point CaptionOrigin(int width, int height, int textWidth, int textHeight) {
  return Point{width / 2 - textWidth / 2, height / 2 - textHeight / 2};
}

}  // namespace kerovia::ui
