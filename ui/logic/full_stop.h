#pragma once

#include <string>

namespace kerovia::ui {

// The text of the standard exception dialog: the message with a full stop appended, unless
// it is empty or its last character is "." or sorts before it.
std::string ExceptionDialogText(const std::string& utf8Message);

}  // namespace kerovia::ui
