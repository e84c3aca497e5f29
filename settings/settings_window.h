#pragma once

namespace kerovia {

// The main window as the settings see it: its place on the screen and the four category
// radio buttons RadioButton1..RadioButton4 (index 0..3). The app's main form implements it;
// tests implement it with a recorder.
class SettingsWindow {
 public:
  static constexpr int kRadioCount = 4;

  virtual ~SettingsWindow() = default;

  virtual int Left() const = 0;
  virtual int Top() const = 0;
  virtual void MoveTo(int left, int top) = 0;

  virtual bool RadioChecked(int index) const = 0;
  // The buttons form one exclusive group: checking one unchecks the other three, unchecking
  // one touches no other. Setting a button never starts a refresh.
  virtual void SetRadioChecked(int index, bool checked) = 0;

  // Whether the window, with its own size, would show on any monitor with its top-left
  // corner at (left, top).
  virtual bool IsVisibleOnSomeMonitor(int left, int top) const = 0;
};

}  // namespace kerovia
