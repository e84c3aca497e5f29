#pragma once

#include <windows.h>

#include <string>

namespace kerovia::ui {

class Container;

// A windowless control: painted and hit-tested by the window it sits on (a form or a
// panel), through that window's one off-screen image per paint.
class Control {
 public:
  Control(Container& parent, int left, int top, int width, int height);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Container& Parent() const { return parent_; }
  // Position and size in the parent's client coordinates.
  RECT Bounds() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetBounds(int left, int top, int width, int height);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);

  // The hint shown while the pointer rests on the control; empty for none.
  const std::string& Hint() const { return hint_; }
  void SetHint(std::string hint) { hint_ = std::move(hint); }

  // Paints into `dc`, whose origin is the parent's client origin.
  virtual void Paint(HDC dc) = 0;

  // Pointer and timer events from the parent. Only controls that take the pointer get
  // enter, leave, press and click; a disabled control gets none of them.
  virtual bool TakesPointer() const { return false; }
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  virtual void MouseMove() {}
  virtual void Click() {}
  virtual void Timer() {}
  virtual HCURSOR Cursor() const { return LoadCursorW(nullptr, IDC_ARROW); }

  void Invalidate() const;
  void RedrawNow() const;  // repaints the control's area before returning

 private:
  Container& parent_;
  int left_, top_, width_, height_;
  bool visible_ = true;
  bool enabled_ = true;
  std::string hint_;
};

}  // namespace kerovia::ui
