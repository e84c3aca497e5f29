#pragma once

#include <windows.h>

#include <string>

#include "ui/logic/hint_timing.h"
#include "ui/window.h"

namespace kerovia::ui {

// The program's one hint window: a rounded green card that takes no input, shown after the
// pointer has rested on a control with a hint, and hidden again after its time.
class HintWindow : public Window {
 public:
  static constexpr UINT_PTR kPauseTimer = 1;
  static constexpr UINT_PTR kShowTimer = 2;

  HintWindow();

  void Hover(const void* key, const std::string& text);
  void Leave();
  void Press();

  bool Showing() const;
  const std::string& Text() const { return text_; }

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void Apply(HintTiming::Action action);
  void ShowAtPointer();
  void Paint(HDC dc, int width, int height);

  HintTiming timing_;
  std::string pendingText_;
  std::string text_;
};

// The hint window of this run, made on first use.
HintWindow& Hints();

}  // namespace kerovia::ui
