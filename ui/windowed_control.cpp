#include "ui/windowed_control.h"

#include "platform/win32/wide.h"
#include "ui/container.h"

namespace kerovia::ui {

using win32::Narrow;
using win32::Widen;

namespace {
constexpr wchar_t kPropName[] = L"KeroviaWindowedControl";
}

WindowedControl::WindowedControl(Container& parent, const wchar_t* className, DWORD style,
                                 DWORD exStyle, int left, int top, int width, int height,
                                 const std::string& text)
    : brush_(CreateSolidBrush(ToColorRef(background_))) {
  hwnd_ = CreateWindowExW(exStyle, className, Widen(text).c_str(),
                          WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, left, top, width, height,
                          parent.hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SetPropW(hwnd_, kPropName, this);
}

WindowedControl::~WindowedControl() {
  if (hwnd_) {
    RemovePropW(hwnd_, kPropName);
    DestroyWindow(hwnd_);
  }
}

WindowedControl* WindowedControl::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<WindowedControl*>(GetPropW(hwnd, kPropName)) : nullptr;
}

std::string WindowedControl::Text() const {
  const int length = GetWindowTextLengthW(hwnd_);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(hwnd_, text.data(), length + 1);
  text.resize(static_cast<size_t>(got > 0 ? got : 0));
  return Narrow(text);
}

void WindowedControl::SetText(const std::string& text) {
  SetWindowTextW(hwnd_, Widen(text).c_str());
}

void WindowedControl::SetFont(const FontSpec& font) {
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetFont(font)), TRUE);
}

void WindowedControl::SetTextColor(Rgb colour) {
  textColor_ = colour;
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void WindowedControl::SetBackground(Rgb colour) {
  background_ = colour;
  brush_ = GdiObject<HBRUSH>(CreateSolidBrush(ToColorRef(colour)));
  InvalidateRect(hwnd_, nullptr, TRUE);
}

bool WindowedControl::Visible() const {
  return IsWindowVisible(hwnd_) != FALSE;
}

void WindowedControl::SetVisible(bool visible) {
  ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

HBRUSH WindowedControl::CtlColor(HDC dc) {
  ::SetTextColor(dc, ToColorRef(textColor_));
  SetBkColor(dc, ToColorRef(background_));
  return brush_;
}

}  // namespace kerovia::ui
