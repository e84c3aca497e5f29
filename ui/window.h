#pragma once

#include <windows.h>

#include <string>

namespace kerovia::ui {

// A plain window: one static window procedure finds the object at WM_NCCREATE and hands it
// every message; what a class does not handle goes to DefWindowProcW. An exception out of a
// handler goes to the application's exception dialog, never through the system's frames.
class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND hwnd() const { return hwnd_; }

  // The object behind a window of ours, nullptr for any other window.
  static Window* FromHandle(HWND hwnd);

 protected:
  struct CreateArgs {
    DWORD style = WS_POPUP;
    DWORD exStyle = 0;
    HWND parent = nullptr;  // owner of a popup, parent of a child
    int x = 0, y = 0, width = 0, height = 0;
    std::string title;
  };
  void Create(const CreateArgs& args);
  void Destroy();

  virtual LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd_, msg, wp, lp); }

 private:
  static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  static const wchar_t* ClassName();
  HWND hwnd_ = nullptr;
};

}  // namespace kerovia::ui
