#include "ui/gradient_progress_bar.h"

#include "platform/win32/wide.h"
#include "ui/font.h"
#include "ui/gdi.h"
#include "ui/logic/gradient_bar.h"

namespace kerovia::ui {

namespace {
const FontSpec kBarFont{kGothic, 11, false, false};
constexpr Rgb kBarText{0x46, 0x46, 0x46};
constexpr Rgb kBarBackground{255, 255, 255};
}  // namespace

GradientProgressBar::GradientProgressBar(Container& parent, int left, int top, int width,
                                         int height, int range, Rgb startColor)
    : Control(parent, left, top, width, height), range_(range), startColor_(startColor) {}

void GradientProgressBar::SetPosition(int position) {
  position_ = position;
  RedrawNow();
}

void GradientProgressBar::SetStartColor(Rgb colour) {
  startColor_ = colour;
  Invalidate();
}

std::string GradientProgressBar::Text() const {
  return BarText(position_);
}

int GradientProgressBar::FillWidth() const {
  return BarFillWidth(position_, range_, Width() - 2 * kBarFrameInset);
}

void GradientProgressBar::Paint(HDC dc) {
  const RECT bounds = Bounds();
  FillSolid(dc, bounds, kBarBackground);
  Bevel(dc, bounds, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
  const int left = bounds.left + kBarFrameInset;
  const int top = bounds.top + kBarFrameInset;
  const int bottom = bounds.bottom - kBarFrameInset;
  const int filled = FillWidth();
  for (int x = 0; x < filled; ++x) {
    FillSolid(dc, RECT{left + x, top, left + x + 1, bottom}, BarRampColour(startColor_, x));
  }
  const std::wstring text = win32::Widen(Text());
  ScopedSelect font(dc, GetFont(kBarFont));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(kBarText));
  RECT r = bounds;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace kerovia::ui
