#pragma once

#include <windows.h>

#include <string>

#include "ui/font.h"
#include "ui/gdi.h"
#include "ui/logic/colour.h"

namespace kerovia::ui {

class Container;

// A control that is a window of a system class (an edit, a radio button), a child of a form
// or panel; the parent hands it the colour questions and notifications meant for it.
class WindowedControl {
 public:
  virtual ~WindowedControl();
  WindowedControl(const WindowedControl&) = delete;
  WindowedControl& operator=(const WindowedControl&) = delete;

  HWND hwnd() const { return hwnd_; }
  static WindowedControl* FromHandle(HWND hwnd);

  std::string Text() const;
  void SetText(const std::string& text);
  void SetFont(const FontSpec& font);
  void SetTextColor(Rgb colour);
  void SetBackground(Rgb colour);
  bool Visible() const;
  void SetVisible(bool visible);

  // WM_CTLCOLOR* from the parent: text and background of the child.
  virtual HBRUSH CtlColor(HDC dc);
  // WM_COMMAND from the parent, with the notification code.
  virtual void Command(WORD /*code*/) {}

 protected:
  WindowedControl(Container& parent, const wchar_t* className, DWORD style, DWORD exStyle, int left,
                  int top, int width, int height, const std::string& text);

 private:
  HWND hwnd_ = nullptr;
  Rgb textColor_{0, 0, 0};
  Rgb background_{255, 255, 255};
  GdiObject<HBRUSH> brush_;
};

}  // namespace kerovia::ui
