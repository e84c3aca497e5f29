#pragma once

#include <windows.h>

#include "platform/services.h"

namespace kerovia::win32 {

// The real services, owned by the main window: dialogs and shell opens belong to `owner`.
class Win32Services : public Services {
 public:
  explicit Win32Services(HWND owner) : owner_(owner) {}
  void SetOwner(HWND owner) { owner_ = owner; }
  HWND Owner() const { return owner_; }

  void Beep() override;
  std::optional<std::string> PickFolder(const std::string& title) override;
  void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override;
  std::unique_ptr<Process> StartHidden(const std::string& commandLine) override;
  void ProcessMessages() override;
  void ShellOpen(const std::string& target) override;

 private:
  HWND owner_;
};

}  // namespace kerovia::win32
