#pragma once

#include <functional>
#include <string>

#include "ui/control.h"
#include "ui/font.h"
#include "ui/logic/fade.h"

namespace kerovia::ui {

// The program's button: windowless (never takes the keyboard focus), a face in its current
// colour, optionally framed, and one line of caption centred on it. Under the pointer the
// caption switches colour at once; face and frame switch at once or fade step by step.
class FadeButton : public Control {
 public:
  struct Style {
    Rgb color;      // face at rest
    Rgb destColor;  // face under the pointer
    Rgb borderColor{0x80, 0x80, 0x80};
    Rgb borderDestColor{0, 0, 0};
    Rgb captionOverColor{0, 0, 0};
    bool showBorder = true;
    int borderHeight = 1;
    bool fadeOnOver = false;
    bool fadeOnLeave = false;
    int step = 2;
    int speed = 12;  // ms per fade step
    FontSpec font;
    Rgb fontColor{255, 255, 255};  // the caption at rest
    bool handCursor = true;
  };
  FadeButton(Container& parent, int left, int top, int width, int height, std::string caption,
             const Style& style);

  std::function<void()> OnClick;

  const std::string& Caption() const { return caption_; }
  void SetCaptionColor(Rgb colour);
  Rgb FaceColor() const { return fade_.Face(); }
  Rgb FrameColor() const { return fade_.Frame(); }
  Rgb CaptionColor() const {
    return fade_.Hot() && Enabled() ? style_.captionOverColor : style_.fontColor;
  }
  bool Fading() const { return fade_.Fading() != FadeBehavior::Direction::None; }
  const Style& GetStyle() const { return style_; }

  void SetEnabled(bool enabled) override;
  bool TakesPointer() const override { return true; }
  void MouseEnter() override;
  void MouseLeave() override;
  void MouseMove() override;
  void Click() override;
  void Timer() override;
  HCURSOR Cursor() const override;
  void Paint(HDC dc) override;

 private:
  void RunTimer(bool run);

  std::string caption_;
  Style style_;
  FadeBehavior fade_;
  bool timerRunning_ = false;
};

}  // namespace kerovia::ui
