#include "ui/logic/placement.h"

#include <algorithm>

namespace kerovia::ui {

Point CentredOver(int ownerLeft, int ownerTop, int ownerWidth, int ownerHeight, int width,
                  int height) {
  const int left = ownerLeft + (ownerWidth - width) / 2;
  const int top = ownerTop + (ownerHeight - height) / 2;
  return Point{std::max(left, 0), std::max(top, 0)};
}

}  // namespace kerovia::ui
