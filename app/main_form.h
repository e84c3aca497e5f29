#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "inventory/file_list.h"
#include "inventory/main_view.h"
#include "inventory/progress_view.h"
#include "platform/services.h"
#include "settings/settings_window.h"
#include "ui/edit.h"
#include "ui/fade_button.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/radio_button.h"
#include "ui/shape.h"

namespace kerovia {

class TMainForm1;

// What the main window's commands run. The program uses Real(); a test may hand in its own.
struct MainFormActions {
  std::function<void(TMainForm1&)> refresh;
  std::function<void(TMainForm1&)> backupToITunes;
  std::function<void(TMainForm1&)> backupToFolder;
  std::function<void(TMainForm1&)> loadSettings;
  std::function<void(TMainForm1&)> saveSettings;
  static MainFormActions Real();
};

// Where the program runs from and what serves it.
struct MainFormEnvironment {
  std::string exePath;            // ParamStr(0)
  std::vector<std::string> args;  // the command-line arguments after the program name
  // Makes the services, owned by the main window, for the window's handle.
  std::function<std::unique_ptr<Services>(HWND owner)> makeServices;
  MainFormActions actions = MainFormActions::Real();
  std::string infoHost;  // the maker's web host
};

// Mainwindow1: the program's main window.
class TMainForm1 : public ui::Form, public MainView, public SettingsWindow {
 public:
  static constexpr int kClientWidth = 326;
  static constexpr int kClientHeight = 346;

  TMainForm1(ui::Application& app, MainFormEnvironment environment);
  ~TMainForm1() override;

  // The progress card that the scan and the backups drive.
  void AttachProgress(ProgressView& progress) { progress_ = &progress; }
  ProgressView& Progress() const { return *progress_; }
  Services& GetServices() const { return *services_; }
  const std::string& ExePath() const { return environment_.exePath; }
  const std::vector<std::string>& Args() const { return environment_.args; }
  std::string SettingsFile() const;

  // MainView
  std::string DeviceText() const override;
  void SetDeviceText(const std::string& text) override;
  std::string DeviceRoot() const override;
  void SetDeviceRoot(const std::string& root) override;
  void SetCountText(const std::string& text) override;
  void SetBackupButtons(bool enabled, std::uint32_t captionRgb) override;
  bool RadioChecked(int index) const override;
  void Repaint() override;
  void Show() override;
  void Hide() override;

  // SettingsWindow
  int Left() const override { return ui::Form::Left(); }
  int Top() const override { return ui::Form::Top(); }
  void MoveTo(int left, int top) override { SetPosition(left, top); }
  void SetRadioChecked(int index, bool checked) override;
  bool IsVisibleOnSomeMonitor(int left, int top) const override;

  // Event handlers.
  void FormActivate();
  void FormClose();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button10Click();
  void Button11Click();
  void Button12Click();
  void Button13Click();
  void RadioButton1Click();

  // Data.
  FileList Files;  // StringGrid1 and FileCount
  std::string AppDir;

  // Controls placed on the window, in painting order.
  ui::Shape Shape9;
  ui::Shape Shape0;
  ui::Label Label1;
  ui::Shape Shape1;
  ui::Shape Shape3;
  ui::Label Label0_2;
  ui::Label Label0_1;
  ui::Label Label2;
  ui::Label Label4;
  ui::Panel Panel0;
  ui::Panel Panel1;
  ui::Panel Panel3;
  ui::Panel Panel2;
  // Title buttons on Panel0.
  ui::FadeButton Button4;
  ui::FadeButton Button3;
  ui::FadeButton Button2;
  ui::FadeButton Button1;
  // Device and category box on Panel1.
  ui::Label L0_01;
  ui::Label L0_02;
  ui::Label ShadowLabel1;
  ui::Label L0_02_1;
  ui::FadeButton Button12;
  ui::Edit C0_01;
  ui::Edit C0_02;
  ui::RadioGroup Category;
  ui::RadioButton RadioButton1;
  ui::RadioButton RadioButton2;
  ui::RadioButton RadioButton3;
  ui::RadioButton RadioButton4;
  // Backup box on Panel3.
  ui::FadeButton Button10;
  ui::FadeButton Button11;
  ui::Label Label3;
  // The open-iTunes link on Panel2.
  ui::FadeButton Button13;

 private:
  ui::RadioButton& Radio(int index);
  const ui::RadioButton& Radio(int index) const;

  MainFormEnvironment environment_;
  std::unique_ptr<Services> services_;
  ProgressView* progress_ = nullptr;
};

}  // namespace kerovia
