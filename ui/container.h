#pragma once

#include <windows.h>

#include <vector>

#include "ui/logic/colour.h"
#include "ui/window.h"

namespace kerovia::ui {

class Control;
class WindowedControl;

// A window that hosts windowless controls: it paints them in order into one memory DC per
// WM_PAINT, tracks which of them is under the pointer (enter, leave, hints), delivers
// presses, releases and their timers, and colours its windowed children.
class Container : public Window {
 public:
  Rgb Color() const { return color_; }
  void SetColor(Rgb color);

  // Paints the window's own surface and its windowless controls into `dc`.
  void PaintTo(HDC dc);
  // Paints the whole window with every child window into `dc` at its client origin.
  void RenderTo(HDC dc);
  int ClientWidth() const;
  int ClientHeight() const;

  // The topmost visible windowless control at a client point, nullptr for none.
  Control* ControlAt(POINT point) const;
  Control* Hovered() const { return hovered_; }

  // Timers of windowless controls run on this window; the id is the control's own.
  UINT_PTR TimerIdOf(const Control* control) const;
  void StartTimer(Control* control, UINT milliseconds);
  void StopTimer(Control* control);

  // Used by controls on their own construction, destruction and disabling.
  void AddControl(Control* control);
  void RemoveControl(Control* control);
  void ForgetPointer(Control* control);

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
  // The frame of a panel, drawn over the background before the controls.
  virtual void PaintSurface(HDC dc, const RECT& client);

 private:
  void PointerAt(POINT point);
  void PointerGone();

  Rgb color_{255, 255, 255};
  std::vector<Control*> controls_;  // painting order
  std::vector<Control*> timers_;    // index + 1 is the timer id
  Control* hovered_ = nullptr;
  Control* pressed_ = nullptr;
  bool tracking_ = false;
};

}  // namespace kerovia::ui
