#pragma once

#include <stdexcept>
#include <string>

namespace kerovia {

// The program's one error class. The message is UTF-8 text in the program's language;
// the standard exception dialog shows it.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace kerovia
