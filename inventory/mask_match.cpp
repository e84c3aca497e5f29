#include "inventory/mask_match.h"

#include <vector>

namespace kerovia {

namespace {

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The code points of a UTF-8 text, ASCII letters lower-cased; a stray byte counts as one.
std::vector<char32_t> FoldedCodePoints(std::string_view text) {
  std::vector<char32_t> points;
  points.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    unsigned char lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead < 0x80    ? 1
                         : lead >= 0xF0 ? 4
                         : lead >= 0xE0 ? 3
                         : lead >= 0xC0 ? 2
                                        : 1;
    if (i + length > text.size()) length = 1;
    char32_t point = length == 1 ? static_cast<unsigned char>(LowerAscii(text[i]))
                                 : lead & (0xFF >> (length + 1));
    for (std::size_t k = 1; k < length; ++k)
      point = (point << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    points.push_back(point);
    i += length;
  }
  return points;
}

bool MatchesFolded(const std::vector<char32_t>& name, const std::vector<char32_t>& mask) {
  // Greedy matching with one back-track point: the last `*` seen.
  std::size_t n = 0, m = 0, starMask = std::string::npos, starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && (mask[m] == U'?' || (mask[m] != U'*' && mask[m] == name[n]))) {
      ++n;
      ++m;
    } else if (m < mask.size() && mask[m] == U'*') {
      starMask = m++;
      starName = n;
    } else if (starMask != std::string::npos) {
      m = starMask + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == U'*') ++m;
  return m == mask.size();
}

}  // namespace

FileMask::FileMask(std::string_view mask) : mask_(mask) {
  std::string_view rest = mask.substr(mask.empty() ? 0 : 1);
  bool asciiLiteral = true;
  for (char c : rest)
    if (c == '*' || c == '?' || static_cast<unsigned char>(c) >= 0x80) asciiLiteral = false;
  if (!mask.empty() && mask[0] == '*' && asciiLiteral) {
    suffixOnly_ = true;
    for (char c : rest) suffix_ += LowerAscii(c);
  }
}

bool FileMask::Matches(std::string_view name) const {
  if (suffixOnly_) {
    // ASCII bytes at the end of UTF-8 text are whole characters, so bytes compare as
    // characters here.
    if (name.size() < suffix_.size()) return false;
    std::string_view tail = name.substr(name.size() - suffix_.size());
    for (std::size_t i = 0; i < tail.size(); ++i)
      if (LowerAscii(tail[i]) != suffix_[i]) return false;
    return true;
  }
  return MatchesFolded(FoldedCodePoints(name), FoldedCodePoints(mask_));
}

bool MatchesMask(std::string_view name, std::string_view mask) {
  return FileMask(mask).Matches(name);
}

}  // namespace kerovia
