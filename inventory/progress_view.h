#pragma once

#include <cstdint>
#include <string>

namespace kerovia {

// The three counters of the progress card, in the order of the media categories.
enum class Bar { Music = 0, Movie = 1, Photo = 2 };

// The progress card as the scan and the backups drive it; TProgressForm1 implements it,
// tests implement it with a recorder.
class ProgressView {
 public:
  virtual ~ProgressView() = default;
  virtual void SetStatus(const std::string& text) = 0;    // Label0
  virtual void SetBarStartColour(std::uint32_t rgb) = 0;  // all three bars, 0xRRGGBB
  virtual int Position(Bar bar) const = 0;
  virtual void SetPosition(Bar bar, int position) = 0;  // redraws that bar at once
  virtual void RepaintBars() = 0;                       // all three bars at once
  virtual void Show() = 0;
  virtual void Close() = 0;    // hides the card
  virtual void Repaint() = 0;  // the whole card at once
  // The cancel flag of the backups: 1 while one runs, 0 once "×" was pressed.
  virtual int Tag() const = 0;
  virtual void SetTag(int tag) = 0;
};

}  // namespace kerovia
