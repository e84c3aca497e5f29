#include "ui/form.h"

#include <shellapi.h>

#include "ui/application.h"

namespace kerovia::ui {

Form::Form(Application& app, const Options& options) : app_(app) {
  // Borderless: the window rectangle is the client area.
  Create({.style = WS_POPUP | WS_CLIPCHILDREN,
          .exStyle = options.alwaysOnTop ? static_cast<DWORD>(WS_EX_TOPMOST) : 0u,
          .parent = app.OwnerWindow(),
          .x = options.left,
          .y = options.top,
          .width = options.clientWidth,
          .height = options.clientHeight,
          .title = options.caption});
  app_.AddForm(this);
}

Form::~Form() {
  app_.RemoveForm(this);
}

int Form::Left() const {
  RECT r{};
  GetWindowRect(hwnd(), &r);
  return r.left;
}

int Form::Top() const {
  RECT r{};
  GetWindowRect(hwnd(), &r);
  return r.top;
}

int Form::Width() const {
  RECT r{};
  GetWindowRect(hwnd(), &r);
  return r.right - r.left;
}

int Form::Height() const {
  RECT r{};
  GetWindowRect(hwnd(), &r);
  return r.bottom - r.top;
}

void Form::SetPosition(int left, int top) {
  SetWindowPos(hwnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Form::IsVisible() const {
  return IsWindowVisible(hwnd()) != FALSE;
}

void Form::Show() {
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
}

void Form::Hide() {
  ShowWindow(hwnd(), SW_HIDE);
}

void Form::Close() {
  SendMessageW(hwnd(), WM_CLOSE, 0, 0);
}

void Form::Repaint() {
  RedrawWindow(hwnd(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_ERASE);
}

void Form::AcceptDroppedFiles() {
  DragAcceptFiles(hwnd(), TRUE);
}

LRESULT Form::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NCHITTEST:
      // Every point of the surface drags the window; controls that must take the pointer
      // sit on panels, which are windows of their own.
      return HTCAPTION;
    case WM_DROPFILES:
      DragFinish(reinterpret_cast<HDROP>(wp));
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wp) != WA_INACTIVE && OnActivate) OnActivate();
      break;
    case WM_CLOSE:
      // A failing close handler is shown, and the form still closes: otherwise a main form
      // whose handler always fails could never be closed.
      try {
        if (OnClose) OnClose();
      } catch (...) {
        Application::HandleException(std::current_exception());
      }
      Hide();
      if (app_.MainForm() == this) app_.Terminate();
      return 0;
  }
  return Container::WndProc(msg, wp, lp);
}

}  // namespace kerovia::ui
