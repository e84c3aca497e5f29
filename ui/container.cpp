#include "ui/container.h"

#include <windowsx.h>

#include <algorithm>

#include "ui/control.h"
#include "ui/gdi.h"
#include "ui/hint.h"
#include "ui/windowed_control.h"

namespace kerovia::ui {

void Container::SetColor(Rgb color) {
  color_ = color;
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

int Container::ClientWidth() const {
  RECT r{};
  GetClientRect(hwnd(), &r);
  return r.right;
}

int Container::ClientHeight() const {
  RECT r{};
  GetClientRect(hwnd(), &r);
  return r.bottom;
}

void Container::PaintSurface(HDC dc, const RECT& client) {
  FillSolid(dc, client, color_);
}

void Container::PaintTo(HDC dc) {
  RECT client{};
  GetClientRect(hwnd(), &client);
  PaintSurface(dc, client);
  for (Control* control : controls_) {
    if (!control->Visible()) continue;
    const int saved = SaveDC(dc);
    const RECT r = control->Bounds();
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    control->Paint(dc);
    RestoreDC(dc, saved);
  }
}

void Container::RenderTo(HDC dc) {
  PaintTo(dc);
  for (HWND child = GetWindow(hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    // The window's own style: a hidden form still renders its children.
    if (!(GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE)) continue;
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, hwnd(), reinterpret_cast<POINT*>(&r), 2);
    POINT previous{};
    OffsetViewportOrgEx(dc, r.left, r.top, &previous);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, 0, 0, r.right - r.left, r.bottom - r.top);
    if (auto* container = dynamic_cast<Container*>(Window::FromHandle(child))) {
      container->RenderTo(dc);
    } else {
      SendMessageW(child, WM_PRINT, reinterpret_cast<WPARAM>(dc),
                   PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
    }
    RestoreDC(dc, saved);
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
  }
}

Control* Container::ControlAt(POINT point) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    const RECT r = (*it)->Bounds();
    if ((*it)->Visible() && PtInRect(&r, point)) return *it;
  }
  return nullptr;
}

UINT_PTR Container::TimerIdOf(const Control* control) const {
  auto it = std::find(timers_.begin(), timers_.end(), control);
  return it == timers_.end() ? 0 : static_cast<UINT_PTR>(it - timers_.begin()) + 1;
}

void Container::StartTimer(Control* control, UINT milliseconds) {
  UINT_PTR id = TimerIdOf(control);
  if (id == 0) {
    timers_.push_back(control);
    id = timers_.size();
  }
  SetTimer(hwnd(), id, milliseconds, nullptr);
}

void Container::StopTimer(Control* control) {
  if (UINT_PTR id = TimerIdOf(control)) KillTimer(hwnd(), id);
}

void Container::AddControl(Control* control) {
  controls_.push_back(control);
}

void Container::RemoveControl(Control* control) {
  std::erase(controls_, control);
  if (UINT_PTR id = TimerIdOf(control)) {
    if (hwnd()) KillTimer(hwnd(), id);
    timers_[id - 1] = nullptr;
  }
  if (hovered_ == control) {
    hovered_ = nullptr;
    Hints().Leave();
  }
  if (pressed_ == control) pressed_ = nullptr;
}

void Container::ForgetPointer(Control* control) {
  if (pressed_ == control) pressed_ = nullptr;
  if (hovered_ == control) control->MouseLeave();  // back to its resting look
}

void Container::PointerAt(POINT point) {
  if (!tracking_) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd(), 0};
    tracking_ = TrackMouseEvent(&track) != FALSE;
  }
  Control* control = ControlAt(point);
  if (control != hovered_) {
    if (hovered_ && hovered_->TakesPointer()) hovered_->MouseLeave();
    hovered_ = control;
    if (control && control->TakesPointer() && control->Enabled()) control->MouseEnter();
  } else if (control && control->TakesPointer() && control->Enabled()) {
    control->MouseMove();
  }
  // A disabled button still shows its hint.
  if (control && !control->Hint().empty()) {
    Hints().Hover(control, control->Hint());
  } else {
    Hints().Leave();
  }
}

void Container::PointerGone() {
  if (hovered_ && hovered_->TakesPointer()) hovered_->MouseLeave();
  hovered_ = nullptr;
  Hints().Leave();
}

LRESULT Container::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      return TRUE;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd(), &ps);
      RECT client{};
      GetClientRect(hwnd(), &client);
      {
        MemoryCanvas canvas(dc, client.right, client.bottom);
        PaintTo(canvas.dc());
        BitBlt(dc, 0, 0, client.right, client.bottom, canvas.dc(), 0, 0, SRCCOPY);
      }
      EndPaint(hwnd(), &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      PaintTo(reinterpret_cast<HDC>(wp));
      return 0;
    case WM_MOUSEMOVE:
      PointerAt(POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
      return 0;
    case WM_MOUSELEAVE:
      tracking_ = false;
      PointerGone();
      return 0;
    case WM_LBUTTONDOWN: {
      Hints().Press();
      Control* control = ControlAt(POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
      if (control && control->TakesPointer() && control->Enabled()) {
        pressed_ = control;
        SetCapture(hwnd());
      }
      return 0;
    }
    case WM_LBUTTONDBLCLK:
      // The second press of a double-click: the first one has already clicked.
      Hints().Press();
      return 0;
    case WM_LBUTTONUP: {
      Control* control = pressed_;
      pressed_ = nullptr;
      if (GetCapture() == hwnd()) ReleaseCapture();
      const POINT point{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      const RECT r = control ? control->Bounds() : RECT{};
      if (control && control->Enabled() && control->Visible() && PtInRect(&r, point))
        control->Click();
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lp) != hwnd()) pressed_ = nullptr;
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lp) == HTCLIENT && reinterpret_cast<HWND>(wp) == hwnd()) {
        Control* control = hovered_;
        SetCursor(control && control->Enabled() ? control->Cursor()
                                                : LoadCursorW(nullptr, IDC_ARROW));
        return TRUE;
      }
      break;
    case WM_TIMER:
      if (wp >= 1 && wp <= timers_.size()) {
        if (Control* control = timers_[wp - 1]) control->Timer();
        return 0;
      }
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      if (auto* child = WindowedControl::FromHandle(reinterpret_cast<HWND>(lp)))
        return reinterpret_cast<LRESULT>(child->CtlColor(reinterpret_cast<HDC>(wp)));
      break;
    case WM_COMMAND:
      if (auto* child = WindowedControl::FromHandle(reinterpret_cast<HWND>(lp))) {
        child->Command(HIWORD(wp));
        return 0;
      }
      break;
  }
  return Default(msg, wp, lp);
}

}  // namespace kerovia::ui
