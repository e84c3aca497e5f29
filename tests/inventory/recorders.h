#pragma once

// Recorders standing in for the main window, the progress card and the system services.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "inventory/main_view.h"
#include "inventory/progress_view.h"
#include "platform/services.h"

namespace kerovia::testing {

class RecordingMainView : public MainView {
 public:
  std::string deviceText = "(before)";
  std::string deviceRoot = "(no root)";
  std::string countText = "(before)";
  bool buttonsEnabled = true;
  std::uint32_t buttonColour = 0x123456;
  int buttonCalls = 0;
  std::array<bool, 4> radio{true, false, false, false};
  int repaints = 0;
  // C0_01's text at each Repaint(): detection repaints after its search.
  std::vector<std::string> deviceTextAtRepaint;

  std::string DeviceText() const override { return deviceText; }
  void SetDeviceText(const std::string& text) override { deviceText = text; }
  std::string DeviceRoot() const override { return deviceRoot; }
  void SetDeviceRoot(const std::string& root) override { deviceRoot = root; }
  void SetCountText(const std::string& text) override { countText = text; }
  void SetBackupButtons(bool enabled, std::uint32_t captionRgb) override {
    buttonsEnabled = enabled;
    buttonColour = captionRgb;
    ++buttonCalls;
  }
  bool RadioChecked(int index) const override { return radio.at(index); }
  void Repaint() override {
    ++repaints;
    deviceTextAtRepaint.push_back(deviceText);
  }
  void Show() override {}
  void Hide() override {}

  // Exactly one radio button checked, as the main window keeps them; -1: none.
  void Choose(int index) {
    for (int i = 0; i < 4; ++i) radio[i] = i == index;
  }
};

class RecordingProgressView : public ProgressView {
 public:
  std::string status;
  std::uint32_t startColour = 0;
  std::array<int, 3> positions{7, 7, 7};  // stale counters of an earlier run
  bool shown = false;
  int shows = 0, closes = 0, repaints = 0;
  int tag = 0;
  // The three positions at each RepaintBars().
  std::vector<std::array<int, 3>> barsAtRepaint;
  int setPositionCalls = 0;
  // Called after each SetPosition(), to see what else stood where at that moment.
  std::function<void()> onSetPosition;

  void SetStatus(const std::string& text) override { status = text; }
  void SetBarStartColour(std::uint32_t rgb) override { startColour = rgb; }
  int Position(Bar bar) const override { return positions[static_cast<int>(bar)]; }
  void SetPosition(Bar bar, int position) override {
    positions[static_cast<int>(bar)] = position;
    ++setPositionCalls;
    if (onSetPosition) onSetPosition();
  }
  void RepaintBars() override { barsAtRepaint.push_back(positions); }
  void Show() override {
    shown = true;
    ++shows;
  }
  void Close() override {
    shown = false;
    ++closes;
  }
  void Repaint() override { ++repaints; }
  int Tag() const override { return tag; }
  void SetTag(int value) override { tag = value; }
};

class RecordingServices : public Services {
 public:
  int beeps = 0;
  void Beep() override { ++beeps; }
  std::optional<std::string> PickFolder(const std::string&) override { return std::nullopt; }
  void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
  std::unique_ptr<Process> StartHidden(const std::string&) override { return nullptr; }
  void ProcessMessages() override {}
  void ShellOpen(const std::string&) override {}
};

}  // namespace kerovia::testing
