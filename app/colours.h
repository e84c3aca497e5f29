#pragma once

#include "ui/fade_button.h"
#include "ui/font.h"
#include "ui/logic/colour.h"

namespace kerovia::app {

// The colours and fonts of both windows.
inline constexpr ui::Rgb kGreen = ui::FromHex(0xA4C639);
inline constexpr ui::Rgb kBrightGreen = ui::FromHex(0x80FF00);
inline constexpr ui::Rgb kDarkGrey = ui::FromHex(0x464646);
inline constexpr ui::Rgb kCream = ui::FromHex(0xFFFFE6);
inline constexpr ui::Rgb kSilver = ui::FromHex(0xC0C0C0);
inline constexpr ui::Rgb kPeach = ui::FromHex(0xFFCAB0);
inline constexpr ui::Rgb kWhite = ui::FromHex(0xFFFFFF);
inline constexpr ui::Rgb kBlack = ui::FromHex(0x000000);
inline constexpr ui::Rgb kGrey = ui::FromHex(0x808080);
inline constexpr ui::Rgb kYellow = ui::FromHex(0xFFFF00);
inline constexpr ui::Rgb kBlue = ui::FromHex(0x0000FF);

inline const ui::FontSpec kTitleFont{ui::kTahoma, 12, true, false};
inline const ui::FontSpec kBody11{ui::kGothic, 11, false, false};
inline const ui::FontSpec kBody11Bold{ui::kGothic, 11, true, false};
inline const ui::FontSpec kBody12Bold{ui::kGothic, 12, true, false};
inline const ui::FontSpec kLinkFont{ui::kGothic, 11, false, true};

// A button that switches at once: green face, grey frame, white caption; yellow, black and
// black under the pointer.
inline ui::FadeButton::Style InstantButton(const ui::FontSpec& font, int borderHeight = 1) {
  ui::FadeButton::Style s;
  s.color = kGreen;
  s.destColor = kYellow;
  s.borderColor = kGrey;
  s.borderDestColor = kBlack;
  s.captionOverColor = kBlack;
  s.borderHeight = borderHeight;
  s.font = font;
  s.fontColor = kWhite;
  return s;
}

}  // namespace kerovia::app
