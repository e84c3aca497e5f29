#pragma once

// Helpers for the Windows tests of the forms: real messages to real windows, and the form
// rendered into a memory bitmap whose pixels the tests read.

#include <windows.h>

#include <ostream>
#include <vector>

#include "ui/container.h"
#include "ui/gdi.h"
#include "ui/logic/colour.h"

namespace kerovia::ui {

inline std::ostream& operator<<(std::ostream& out, const Rgb& c) {
  return out << "rgb(" << c.r << "," << c.g << "," << c.b << ")";
}

namespace test {

// The whole window with its children, painted into a 32-bit bitmap.
class Rendering {
 public:
  explicit Rendering(Container& window) {
    RECT client{};
    GetClientRect(window.hwnd(), &client);
    width_ = client.right;
    height_ = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    {
      ScopedSelect select(dc, bitmap);
      window.RenderTo(dc);
      GdiFlush();
      const auto* pixels = static_cast<const std::uint32_t*>(bits);
      pixels_.assign(pixels, pixels + static_cast<size_t>(width_) * height_);
    }
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
  Rgb At(int x, int y) const {
    const std::uint32_t p = pixels_.at(static_cast<size_t>(y) * width_ + x);
    return Rgb{static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
               static_cast<int>(p & 0xFF)};
  }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // How many pixels of `colour` lie inside the rectangle.
  int Count(const RECT& r, Rgb colour) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += At(x, y) == colour;
    return n;
  }

 private:
  int width_ = 0, height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

inline Rgb SysColour(int index) {
  return FromColorRef(GetSysColor(index));
}

inline LPARAM ClientPoint(int x, int y) {
  return MAKELPARAM(x, y);
}

// Puts the real pointer over a client point of `window` (so the system's own tracking
// agrees), then sends the move.
inline void MoveTo(HWND window, int x, int y) {
  POINT p{x, y};
  ClientToScreen(window, &p);
  SetCursorPos(p.x, p.y);
  SendMessageW(window, WM_MOUSEMOVE, 0, ClientPoint(x, y));
}

inline void Press(HWND window, int x, int y) {
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(x, y));
}
inline void Release(HWND window, int x, int y) {
  SendMessageW(window, WM_LBUTTONUP, 0, ClientPoint(x, y));
}
inline void ClickAt(HWND window, int x, int y) {
  MoveTo(window, x, y);
  Press(window, x, y);
  Release(window, x, y);
}

inline void Tick(HWND window, UINT_PTR timer, int times = 1) {
  for (int i = 0; i < times; ++i) SendMessageW(window, WM_TIMER, timer, 0);
}

// The hit code the window answers for a client point.
inline LRESULT HitTest(HWND window, int x, int y) {
  POINT p{x, y};
  ClientToScreen(window, &p);
  return SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
}

inline HCURSOR CursorAfterSetCursor(HWND window) {
  SetCursor(nullptr);
  SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  return GetCursor();
}

}  // namespace test
}  // namespace kerovia::ui
