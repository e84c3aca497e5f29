#pragma once

#include <cstdint>
#include <string>

namespace kerovia {

// What the refresh and the backups change on the main window; TMainForm1 implements it,
// tests implement it with a recorder.
class MainView {
 public:
  virtual ~MainView() = default;
  virtual std::string DeviceText() const = 0;  // C0_01's text
  virtual void SetDeviceText(const std::string& text) = 0;
  virtual std::string DeviceRoot() const = 0;  // C0_01's hint: "F:\"
  virtual void SetDeviceRoot(const std::string& root) = 0;
  virtual void SetCountText(const std::string& text) = 0;  // C0_02's text
  // Both backup buttons (Button10, Button11): enabled or not, caption colour 0xRRGGBB.
  virtual void SetBackupButtons(bool enabled, std::uint32_t captionRgb) = 0;
  // The category radio buttons RadioButton1..RadioButton4 (index 0..3).
  virtual bool RadioChecked(int index) const = 0;
  virtual void Repaint() = 0;  // draws the window at once
  virtual void Show() = 0;
  virtual void Hide() = 0;
};

}  // namespace kerovia
