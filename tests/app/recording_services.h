#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"

namespace kerovia::test {

// Services that only write down what the program asked of them.
class RecordingServices : public Services {
 public:
  void Beep() override { ++beeps; }
  std::optional<std::string> PickFolder(const std::string&) override { return std::nullopt; }
  void ShowMessage(const std::string& text, const std::string&, MessageIcon) override {
    messages.push_back(text);
  }
  std::unique_ptr<Process> StartHidden(const std::string& commandLine) override {
    started.push_back(commandLine);
    return nullptr;
  }
  void ProcessMessages() override {}
  void ShellOpen(const std::string& target) override { opened.push_back(target); }

  int beeps = 0;
  std::vector<std::string> messages;
  std::vector<std::string> started;
  std::vector<std::string> opened;
};

}  // namespace kerovia::test
