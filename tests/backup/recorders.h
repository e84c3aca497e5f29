#pragma once

// Stand-ins of the main window, the progress card and the services that write what the
// backups do to them into one shared log, in order.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "inventory/main_view.h"
#include "inventory/progress_view.h"
#include "platform/services.h"

namespace kerovia::testing {

using Log = std::vector<std::string>;

class RecordingMainView : public MainView {
 public:
  explicit RecordingMainView(Log& log) : log_(log) {}
  bool visible = true;

  std::string DeviceText() const override { return {}; }
  void SetDeviceText(const std::string&) override {}
  std::string DeviceRoot() const override { return {}; }
  void SetDeviceRoot(const std::string&) override {}
  void SetCountText(const std::string&) override {}
  void SetBackupButtons(bool, std::uint32_t) override {}
  bool RadioChecked(int) const override { return false; }
  void Repaint() override { log_.push_back("main.Repaint"); }
  void Show() override {
    visible = true;
    log_.push_back("main.Show");
  }
  void Hide() override {
    visible = false;
    log_.push_back("main.Hide");
  }

 private:
  Log& log_;
};

class RecordingProgressView : public ProgressView {
 public:
  explicit RecordingProgressView(Log& log) : log_(log) {}
  bool visible = false;
  int positions[3] = {0, 0, 0};
  std::string status;
  std::uint32_t colour = 0;
  int tag = 0;
  std::function<void()> onRepaint;         // after each Repaint
  std::function<void(Bar)> onSetPosition;  // before each SetPosition

  void SetStatus(const std::string& text) override {
    status = text;
    log_.push_back("status " + text);
  }
  void SetBarStartColour(std::uint32_t rgb) override {
    colour = rgb;
    log_.push_back("colour " + std::to_string(rgb));
  }
  int Position(Bar bar) const override { return positions[static_cast<int>(bar)]; }
  void SetPosition(Bar bar, int position) override {
    if (onSetPosition) onSetPosition(bar);
    positions[static_cast<int>(bar)] = position;
    log_.push_back("bar" + std::to_string(static_cast<int>(bar)) + " " + std::to_string(position));
  }
  void RepaintBars() override { log_.push_back("progress.RepaintBars"); }
  void Show() override {
    visible = true;
    log_.push_back("progress.Show");
  }
  void Close() override {
    visible = false;
    log_.push_back("progress.Close");
  }
  void Repaint() override {
    log_.push_back("progress.Repaint");
    if (onRepaint) onRepaint();
  }
  int Tag() const override { return tag; }
  void SetTag(int t) override {
    tag = t;
    log_.push_back("tag " + std::to_string(t));
  }
  // What "×" does: the flag to 0, the card hidden.
  void PressClose() {
    tag = 0;
    Close();
  }

 private:
  Log& log_;
};

// A program that times out `timeouts` slices, then has ended with `exitCode`.
class ScriptedProcess : public Process {
 public:
  ScriptedProcess(Log& log, int timeouts, std::optional<int> exitCode,
                  WaitResult end = WaitResult::Ended)
      : log_(log), timeouts_(timeouts), exitCode_(exitCode), end_(end) {}
  WaitResult Wait(int milliseconds) override {
    log_.push_back("wait " + std::to_string(milliseconds));
    if (timeouts_ > 0) {
      --timeouts_;
      return WaitResult::TimedOut;
    }
    return end_;
  }
  std::optional<int> ExitCode() override { return timeouts_ > 0 ? std::nullopt : exitCode_; }

 private:
  Log& log_;
  int timeouts_;
  std::optional<int> exitCode_;
  WaitResult end_;
};

struct Message {
  std::string text, caption;
  MessageIcon icon;
};

class RecordingServices : public Services {
 public:
  explicit RecordingServices(Log& log) : log_(log) {}
  std::optional<std::string> folder;  // the picker's answer
  std::vector<Message> messages;
  std::vector<std::string> commandLines;
  // Answers StartHidden; by default nothing can be started.
  std::function<std::unique_ptr<Process>(const std::string&)> start;
  std::function<void()> onProcessMessages;

  void Beep() override { log_.push_back("beep"); }
  std::optional<std::string> PickFolder(const std::string& title) override {
    log_.push_back("pick " + title);
    return folder;
  }
  void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override {
    messages.push_back({text, caption, icon});
    log_.push_back("message");
  }
  std::unique_ptr<Process> StartHidden(const std::string& commandLine) override {
    commandLines.push_back(commandLine);
    log_.push_back("start " + commandLine);
    return start ? start(commandLine) : nullptr;
  }
  void ProcessMessages() override {
    log_.push_back("events");
    if (onProcessMessages) onProcessMessages();
  }
  void ShellOpen(const std::string& target) override { log_.push_back("open " + target); }

 private:
  Log& log_;
};

}  // namespace kerovia::testing
