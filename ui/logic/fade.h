#pragma once

#include "ui/logic/colour.h"

namespace kerovia::ui {

// The colour behaviour of a fade button, without a window: what the face, frame and caption
// show for the pointer's comings and goings and for each tick of the fade timer.
class FadeBehavior {
 public:
  struct Settings {
    Rgb color;            // face at rest
    Rgb destColor;        // face under the pointer
    Rgb borderColor;      // frame at rest
    Rgb borderDestColor;  // frame under the pointer
    bool fadeOnOver = false;
    bool fadeOnLeave = false;
    int step = 2;
  };
  enum class Direction { None, In, Out };

  explicit FadeBehavior(const Settings& settings);

  // Pointer events; each returns true when the fade timer must run.
  bool Enter();
  bool Leave();
  bool Move();  // a pointer movement over the button
  // One timer tick; returns false once the fade has ended (the timer stops).
  bool Tick();

  bool Hot() const { return hot_; }  // the caption shows its "over" colour
  Direction Fading() const { return direction_; }
  Rgb Face() const { return face_; }
  Rgb Frame() const { return frame_; }

 private:
  bool Fades() const { return settings_.fadeOnOver || settings_.fadeOnLeave; }

  Settings settings_;
  Rgb face_;
  Rgb frame_;
  bool hot_ = false;
  Direction direction_ = Direction::None;
};

// One channel moved by `step` from `value` towards `to`, never past it and never outside the
// range between `from` and `to`.
int StepChannel(int value, int from, int to, int step);

}  // namespace kerovia::ui
