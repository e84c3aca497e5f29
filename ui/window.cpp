#include "ui/window.h"

#include "platform/win32/wide.h"
#include "ui/application.h"

namespace kerovia::ui {

namespace {
constexpr wchar_t kClassName[] = L"KeroviaWindow";
constexpr wchar_t kPropName[] = L"KeroviaWindowObject";
}  // namespace

// One class for every window of ours: double-clicks reported (a double-click on a button
// must not count as a second press), no background brush (every paint covers it all).
const wchar_t* Window::ClassName() {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = StaticWndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0;
  }();
  (void)registered;
  return kClassName;
}

Window::~Window() {
  Destroy();
}

void Window::Destroy() {
  if (hwnd_) {
    HWND hwnd = hwnd_;
    RemovePropW(hwnd, kPropName);
    hwnd_ = nullptr;
    DestroyWindow(hwnd);
  }
}

Window* Window::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<Window*>(GetPropW(hwnd, kPropName)) : nullptr;
}

void Window::Create(const CreateArgs& args) {
  const std::wstring title = win32::Widen(args.title);
  CreateWindowExW(args.exStyle, ClassName(), title.c_str(), args.style, args.x, args.y, args.width,
                  args.height, args.parent, nullptr, GetModuleHandleW(nullptr), this);
}

LRESULT Window::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  return Default(msg, wp, lp);
}

LRESULT CALLBACK Window::StaticWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    SetPropW(hwnd, kPropName, self);
    self->hwnd_ = hwnd;
  }
  Window* self = FromHandle(hwnd);
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    RemovePropW(hwnd, kPropName);
    self->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  try {
    return self->WndProc(msg, wp, lp);
  } catch (...) {
    Application::HandleException(std::current_exception());
    return 0;
  }
}

}  // namespace kerovia::ui
