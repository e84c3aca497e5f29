#include "ui/logic/full_stop.h"

namespace kerovia::ui {

std::string ExceptionDialogText(const std::string& utf8Message) {
  if (utf8Message.empty()) return utf8Message;
  // Any byte of a multi-byte UTF-8 character is above '.', like the character itself.
  const auto last = static_cast<unsigned char>(utf8Message.back());
  return last > '.' ? utf8Message + "." : utf8Message;
}

}  // namespace kerovia::ui
