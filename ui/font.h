#pragma once

#include <windows.h>

#include <string>

namespace kerovia::ui {

inline constexpr const char* kGothic = "ＭＳ Ｐゴシック";
inline constexpr const char* kTahoma = "Tahoma";

// A font as the layout names it: face, height in pixels, weight, underline.
struct FontSpec {
  std::string face = kGothic;
  int pixelHeight = 12;
  bool bold = false;
  bool underline = false;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// The font's handle, made once for each distinct FontSpec and shared by every control.
HFONT GetFont(const FontSpec& spec);

// Size of one line (or of a word-wrapped block `wrapWidth` wide when wrapWidth > 0).
SIZE MeasureText(const FontSpec& spec, const std::string& text, int wrapWidth = 0);

}  // namespace kerovia::ui
