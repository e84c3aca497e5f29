#pragma once

#include "ui/logic/caption.h"

namespace kerovia::ui {

struct Box {
  int left = 0, top = 0, width = 0, height = 0;
  friend bool operator==(const Box&, const Box&) = default;
};

// How much higher than the system's place below the pointer a hint appears.
inline constexpr int kHintRaise = 8;
inline constexpr int kHintCorner = 8;  // the rounded corners' ellipse, 8 x 8

// The hint's window for a text measured textWidth x textHeight: its size is the text plus
// 6 x 2; it sits below the pointer (the cursor's height down) less kHintRaise, kept on the
// screen as far as it fits.
Box HintBox(Point cursor, int cursorHeight, int textWidth, int textHeight, Box screen);

}  // namespace kerovia::ui
