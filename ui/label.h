#pragma once

#include <string>

#include "ui/control.h"
#include "ui/font.h"
#include "ui/logic/colour.h"

namespace kerovia::ui {

// A text label: word wrap, alignment, an own background or none, auto size (a right-aligned
// auto-sized label keeps its right edge when its text changes). A shadow label draws its
// text first in silver one pixel right and down, then in its colour.
class Label : public Control {
 public:
  enum class Align { Left, Right, Center };
  struct Style {
    FontSpec font;
    Rgb color{0x46, 0x46, 0x46};
    Align align = Align::Left;
    bool wordWrap = false;
    bool autoSize = false;
    bool transparent = true;
    Rgb background{255, 255, 255};
    bool shadow = false;
  };
  Label(Container& parent, int left, int top, int width, int height, std::string text,
        const Style& style);

  const std::string& Text() const { return text_; }
  void SetText(std::string text);
  void Paint(HDC dc) override;

 private:
  void FitToText();

  std::string text_;
  Style style_;
};

inline constexpr Rgb kShadowSilver{0xC0, 0xC0, 0xC0};

}  // namespace kerovia::ui
