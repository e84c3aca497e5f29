#pragma once

#include <string>
#include <string_view>

namespace kerovia {

// A file mask such as "*.mp3": `*` any run of characters, `?` exactly one character,
// letters matched without regard to case. Names are UTF-8; a character is a code point.
// Only the long name is matched, never an 8.3 alias, so "*.aif" does not find x.aiff.
class FileMask {
 public:
  explicit FileMask(std::string_view mask);
  bool Matches(std::string_view name) const;
  const std::string& Text() const { return mask_; }

 private:
  std::string mask_;
  // Masks of the form "*" + literal (all of the media masks) are a suffix test.
  bool suffixOnly_ = false;
  std::string suffix_;  // lower-cased, for suffixOnly_
};

bool MatchesMask(std::string_view name, std::string_view mask);

}  // namespace kerovia
