#include "ui/logic/fade.h"

#include <algorithm>

namespace kerovia::ui {

namespace {

Rgb StepColour(Rgb value, Rgb from, Rgb to, int step) {
  return Rgb{StepChannel(value.r, from.r, to.r, step), StepChannel(value.g, from.g, to.g, step),
             StepChannel(value.b, from.b, to.b, step)};
}

}  // namespace

int StepChannel(int value, int from, int to, int step) {
  const int lo = std::min(from, to);
  const int hi = std::max(from, to);
  const int moved = to >= value ? value + step : value - step;
  // Past the target counts as the target: channels with odd distances still arrive.
  const int clamped = to >= value ? std::min(moved, to) : std::max(moved, to);
  return std::clamp(clamped, lo, hi);
}

FadeBehavior::FadeBehavior(const Settings& settings)
    : settings_(settings), face_(settings.color), frame_(settings.borderColor) {}

bool FadeBehavior::Enter() {
  hot_ = true;
  if (!Fades()) {
    face_ = settings_.destColor;
    frame_ = settings_.borderDestColor;
    return false;
  }
  // A fade-out under way finishes first; the next movement starts the fade-in.
  if (direction_ == Direction::None && face_ != settings_.destColor) direction_ = Direction::In;
  return direction_ != Direction::None;
}

bool FadeBehavior::Leave() {
  hot_ = false;
  if (!Fades()) {
    face_ = settings_.color;
    frame_ = settings_.borderColor;
    return false;
  }
  // Reverses a fade-in from the colour reached.
  if (face_ != settings_.color || frame_ != settings_.borderColor) direction_ = Direction::Out;
  return direction_ != Direction::None;
}

bool FadeBehavior::Move() {
  if (hot_ && Fades() && direction_ == Direction::None && face_ != settings_.destColor)
    direction_ = Direction::In;
  return direction_ != Direction::None;
}

bool FadeBehavior::Tick() {
  if (direction_ == Direction::In) {
    face_ = StepColour(face_, settings_.color, settings_.destColor, settings_.step);
    frame_ = StepColour(frame_, settings_.borderColor, settings_.borderDestColor, settings_.step);
    if (face_ == settings_.destColor) direction_ = Direction::None;
  } else if (direction_ == Direction::Out) {
    face_ = StepColour(face_, settings_.destColor, settings_.color, settings_.step);
    frame_ = StepColour(frame_, settings_.borderDestColor, settings_.borderColor, settings_.step);
    if (face_ == settings_.color) direction_ = Direction::None;
  }
  return direction_ != Direction::None;
}

}  // namespace kerovia::ui
