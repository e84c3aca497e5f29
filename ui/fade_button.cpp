#include "ui/fade_button.h"

#include "platform/win32/wide.h"
#include "ui/container.h"
#include "ui/gdi.h"
#include "ui/logic/caption.h"

namespace kerovia::ui {

namespace {

FadeBehavior::Settings FadeSettings(const FadeButton::Style& s) {
  return {s.color,      s.destColor,   s.borderColor, s.borderDestColor,
          s.fadeOnOver, s.fadeOnLeave, s.step};
}

}  // namespace

FadeButton::FadeButton(Container& parent, int left, int top, int width, int height,
                       std::string caption, const Style& style)
    : Control(parent, left, top, width, height),
      caption_(std::move(caption)),
      style_(style),
      fade_(FadeSettings(style)) {}

void FadeButton::SetCaptionColor(Rgb colour) {
  style_.fontColor = colour;
  Invalidate();
}

void FadeButton::SetEnabled(bool enabled) {
  Control::SetEnabled(enabled);
  Invalidate();
}

void FadeButton::RunTimer(bool run) {
  if (run == timerRunning_) return;
  timerRunning_ = run;
  if (run) {
    Parent().StartTimer(this, static_cast<UINT>(style_.speed));
  } else {
    Parent().StopTimer(this);
  }
}

void FadeButton::MouseEnter() {
  RunTimer(fade_.Enter());
  RedrawNow();
}

void FadeButton::MouseLeave() {
  RunTimer(fade_.Leave());
  RedrawNow();
}

void FadeButton::MouseMove() {
  if (fade_.Move()) RunTimer(true);
}

void FadeButton::Click() {
  if (OnClick) OnClick();
}

void FadeButton::Timer() {
  RunTimer(fade_.Tick());
  RedrawNow();
}

HCURSOR FadeButton::Cursor() const {
  return LoadCursorW(nullptr, style_.handCursor && Enabled() ? IDC_HAND : IDC_ARROW);
}

void FadeButton::Paint(HDC dc) {
  const RECT bounds = Bounds();
  FramedRect(dc, bounds, fade_.Face(), fade_.Frame(), style_.showBorder ? style_.borderHeight : 0);
  const std::wstring text = win32::Widen(caption_);
  ScopedSelect font(dc, GetFont(style_.font));
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  const Point at = CaptionOrigin(Width(), Height(), size.cx, size.cy);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(CaptionColor()));
  TextOutW(dc, bounds.left + at.x, bounds.top + at.y, text.c_str(), static_cast<int>(text.size()));
}

}  // namespace kerovia::ui
