#include "ui/logic/hint_timing.h"

namespace kerovia::ui {

HintTiming::Action HintTiming::Hover(const void* key) {
  if (key == nullptr) return Leave();
  if (key == key_ && state_ != State::Idle) return Action::None;
  key_ = key;
  if (state_ == State::Showing) return Action::Show;  // the next hint at once
  state_ = State::Waiting;
  return Action::Wait;
}

HintTiming::Action HintTiming::Leave() {
  const bool active = state_ == State::Waiting || state_ == State::Showing;
  state_ = State::Idle;
  key_ = nullptr;
  return active ? Action::Hide : Action::None;
}

HintTiming::Action HintTiming::Press() {
  // The hint of the pressed control does not come back until the pointer moves elsewhere.
  const bool active = state_ == State::Waiting || state_ == State::Showing;
  if (key_ != nullptr) state_ = State::Done;
  return active ? Action::Hide : Action::None;
}

HintTiming::Action HintTiming::PauseElapsed() {
  if (state_ != State::Waiting) return Action::None;
  state_ = State::Showing;
  return Action::Show;
}

HintTiming::Action HintTiming::ShowElapsed() {
  if (state_ != State::Showing) return Action::None;
  state_ = State::Done;
  return Action::Hide;
}

}  // namespace kerovia::ui
