#pragma once

#include "ui/logic/caption.h"

namespace kerovia::ui {

// A window of width x height centred over another window's box, never left of or above the
// screen's origin (halvings truncated towards zero).
Point CentredOver(int ownerLeft, int ownerTop, int ownerWidth, int ownerHeight, int width,
                  int height);

}  // namespace kerovia::ui
