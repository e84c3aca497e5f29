#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/windowed_control.h"

namespace kerovia::ui {

class RadioButton;

// An exclusive group: checking one button unchecks the others; unchecking touches none.
class RadioGroup {
 public:
  void Add(RadioButton* button) { buttons_.push_back(button); }
  const std::vector<RadioButton*>& Buttons() const { return buttons_; }

 private:
  std::vector<RadioButton*> buttons_;
};

// A radio button whose state the program keeps: set from code it fires nothing; a user's
// click that chooses it fires OnClick.
class RadioButton : public WindowedControl {
 public:
  RadioButton(Container& parent, RadioGroup& group, int left, int top, int width, int height,
              const std::string& text, const FontSpec& font, Rgb textColor, Rgb background);

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);

  std::function<void()> OnClick;

  void Command(WORD code) override;

 private:
  void Show(bool checked);

  RadioGroup& group_;
  bool checked_ = false;
};

}  // namespace kerovia::ui
