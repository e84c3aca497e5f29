#include "ui/radio_button.h"

namespace kerovia::ui {

RadioButton::RadioButton(Container& parent, RadioGroup& group, int left, int top, int width,
                         int height, const std::string& text, const FontSpec& font, Rgb textColor,
                         Rgb background)
    : WindowedControl(parent, L"BUTTON", BS_RADIOBUTTON, 0, left, top, width, height, text),
      group_(group) {
  group_.Add(this);
  SetFont(font);
  SetTextColor(textColor);
  SetBackground(background);
}

void RadioButton::Show(bool checked) {
  checked_ = checked;
  SendMessageW(hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void RadioButton::SetChecked(bool checked) {
  if (checked) {
    for (RadioButton* other : group_.Buttons())
      if (other != this && other->checked_) other->Show(false);
  }
  Show(checked);
}

void RadioButton::Command(WORD code) {
  if (code != BN_CLICKED && code != BN_DOUBLECLICKED) return;
  // Only a change of choice counts: clicking the chosen button again does nothing.
  if (checked_) return;
  SetChecked(true);
  if (OnClick) OnClick();
}

}  // namespace kerovia::ui
