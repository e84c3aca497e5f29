#include "ui/hint.h"

#include "platform/win32/wide.h"
#include "ui/font.h"
#include "ui/gdi.h"
#include "ui/logic/hint_geometry.h"

namespace kerovia::ui {

namespace {

const FontSpec& HintFont() {
  static const FontSpec font{kGothic, 16, true, false};
  return font;
}

constexpr Rgb kHintFill{0xA4, 0xC6, 0x39};
constexpr Rgb kHintShade{0x80, 0x80, 0x80};
constexpr Rgb kHintText{0xFF, 0xFF, 0xFF};

}  // namespace

HintWindow& Hints() {
  static HintWindow window;
  return window;
}

HintWindow::HintWindow() {
  Create({.style = WS_POPUP,
          .exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT,
          .title = ""});
}

bool HintWindow::Showing() const {
  return IsWindowVisible(hwnd()) != FALSE;
}

void HintWindow::Hover(const void* key, const std::string& text) {
  if (key != timing_.Current()) pendingText_ = text;
  Apply(timing_.Hover(key));
}

void HintWindow::Leave() {
  Apply(timing_.Leave());
}

void HintWindow::Press() {
  Apply(timing_.Press());
}

void HintWindow::Apply(HintTiming::Action action) {
  switch (action) {
    case HintTiming::Action::None:
      break;
    case HintTiming::Action::Wait:
      KillTimer(hwnd(), kShowTimer);
      SetTimer(hwnd(), kPauseTimer, kHintPauseMs, nullptr);
      break;
    case HintTiming::Action::Show:
      KillTimer(hwnd(), kPauseTimer);
      text_ = pendingText_;
      ShowAtPointer();
      SetTimer(hwnd(), kShowTimer, kHintShowMs, nullptr);
      break;
    case HintTiming::Action::Hide:
      KillTimer(hwnd(), kPauseTimer);
      KillTimer(hwnd(), kShowTimer);
      ShowWindow(hwnd(), SW_HIDE);
      break;
  }
}

void HintWindow::ShowAtPointer() {
  POINT cursor{};
  GetCursorPos(&cursor);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const SIZE text = MeasureText(HintFont(), text_, screenWidth);
  const Box box = HintBox(Point{cursor.x, cursor.y}, GetSystemMetrics(SM_CYCURSOR), text.cx,
                          text.cy, Box{0, 0, screenWidth, GetSystemMetrics(SM_CYSCREEN)});
  SetWindowPos(hwnd(), HWND_TOPMOST, box.left, box.top, box.width, box.height,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetWindowRgn(hwnd(), CreateRoundRectRgn(0, 0, box.width, box.height, kHintCorner, kHintCorner),
               TRUE);
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void HintWindow::Paint(HDC dc, int width, int height) {
  FillSolid(dc, RECT{0, 0, width, height}, kHintFill);
  const std::wstring text = win32::Widen(text_);
  ScopedSelect font(dc, GetFont(HintFont()));
  SetBkMode(dc, TRANSPARENT);
  const UINT flags = DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX;
  RECT shade{2, 2, width, height};
  SetTextColor(dc, ToColorRef(kHintShade));
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &shade, flags);
  RECT face{1, 1, width, height};
  SetTextColor(dc, ToColorRef(kHintText));
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &face, flags);
  ScopedSelect pen(dc, GetStockObject(BLACK_PEN));
  ScopedSelect brush(dc, GetStockObject(NULL_BRUSH));
  RoundRect(dc, 0, 0, width - 1, height - 1, kHintCorner, kHintCorner);
}

LRESULT HintWindow::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_ERASEBKGND:
      return TRUE;
    case WM_TIMER:
      if (wp == kPauseTimer) Apply(timing_.PauseElapsed());
      if (wp == kShowTimer) Apply(timing_.ShowElapsed());
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd(), &ps);
      RECT client{};
      GetClientRect(hwnd(), &client);
      {
        MemoryCanvas canvas(dc, client.right, client.bottom);
        Paint(canvas.dc(), client.right, client.bottom);
        BitBlt(dc, 0, 0, client.right, client.bottom, canvas.dc(), 0, 0, SRCCOPY);
      }
      EndPaint(hwnd(), &ps);
      return 0;
    }
    case WM_PRINTCLIENT: {
      RECT client{};
      GetClientRect(hwnd(), &client);
      Paint(reinterpret_cast<HDC>(wp), client.right, client.bottom);
      return 0;
    }
  }
  return Default(msg, wp, lp);
}

}  // namespace kerovia::ui
