#include "ui/control.h"

#include "ui/container.h"

namespace kerovia::ui {

Control::Control(Container& parent, int left, int top, int width, int height)
    : parent_(parent), left_(left), top_(top), width_(width), height_(height) {
  parent_.AddControl(this);
}

Control::~Control() {
  parent_.RemoveControl(this);
}

void Control::SetBounds(int left, int top, int width, int height) {
  Invalidate();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Invalidate();
}

void Control::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Invalidate();
}

void Control::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  if (!enabled) parent_.ForgetPointer(this);
  Invalidate();
}

void Control::Invalidate() const {
  if (HWND hwnd = parent_.hwnd()) {
    const RECT r = Bounds();
    InvalidateRect(hwnd, &r, FALSE);
  }
}

void Control::RedrawNow() const {
  if (HWND hwnd = parent_.hwnd()) {
    const RECT r = Bounds();
    RedrawWindow(hwnd, &r, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
}

}  // namespace kerovia::ui
