#pragma once

#include <string>

#include "ui/windowed_control.h"

namespace kerovia::ui {

// A read-only single-line edit outside the tab order. Its hint is a stored string only: it
// shows no tooltip.
class Edit : public WindowedControl {
 public:
  Edit(Container& parent, int left, int top, int width, int height, const FontSpec& font,
       Rgb textColor);

  const std::string& Hint() const { return hint_; }
  void SetHint(std::string hint) { hint_ = std::move(hint); }

 private:
  std::string hint_;
};

}  // namespace kerovia::ui
