#pragma once

namespace kerovia::ui {

inline constexpr int kHintPauseMs = 500;  // pointer at rest before a hint appears
inline constexpr int kHintShowMs = 2500;  // how long it stays

// When hints appear and go, for one program: a pure state machine; the hint window turns its
// answers into timers and showing.
class HintTiming {
 public:
  enum class Action {
    None,
    Wait,  // (re)start the pause timer of kHintPauseMs
    Show,  // show the current control's hint now and start the kHintShowMs timer
    Hide,  // hide the hint and stop both timers
  };

  // The pointer is over a control; `key` identifies it, nullptr when it has no hint.
  Action Hover(const void* key);
  // The pointer has left every control, or a button was pressed.
  Action Leave();
  Action Press();
  Action PauseElapsed();
  Action ShowElapsed();

  const void* Current() const { return key_; }
  bool Showing() const { return state_ == State::Showing; }

 private:
  enum class State { Idle, Waiting, Showing, Done };
  State state_ = State::Idle;
  const void* key_ = nullptr;
};

}  // namespace kerovia::ui
