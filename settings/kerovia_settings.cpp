#include "settings/kerovia_settings.h"

#include <optional>

#include "platform/atomic_file.h"
#include "platform/error.h"
#include "platform/path.h"
#include "settings/ini_document.h"

namespace kerovia {

namespace {

constexpr const char* kPositionSection = "SET";
constexpr const char* kRadioSection = "SET1";
constexpr const char* kRadioKeys[SettingsWindow::kRadioCount] = {"C0_R1", "C0_R2", "C0_R3",
                                                                 "C0_R4"};

}  // namespace

std::string SettingsPath(const std::string& exePath) {
  return FolderPart(exePath) + "Kerovia.ini";
}

void LoadSettings(const std::string& iniPath, SettingsWindow& window) {
  IniDocument ini;
  try {
    if (std::optional<std::string> bytes = ReadWholeFile(iniPath)) ini = IniDocument(*bytes);
  } catch (const Error&) {
    // A file that cannot be read gives the defaults, like a missing one.
  }

  int left = ini.ReadInteger(kPositionSection, "M_LEFT", window.Left());
  int top = ini.ReadInteger(kPositionSection, "M_TOP", window.Top());
  // A place saved with a monitor that is gone (or edited by hand) would leave the window
  // where nobody can see or drag it.
  if ((left != window.Left() || top != window.Top()) && !window.IsVisibleOnSomeMonitor(left, top)) {
    left = kLayoutLeft;
    top = kLayoutTop;
  }
  window.MoveTo(left, window.Top());
  window.MoveTo(left, top);

  for (int i = 0; i < SettingsWindow::kRadioCount; ++i) {
    int value = ini.ReadInteger(kRadioSection, kRadioKeys[i], window.RadioChecked(i) ? 1 : 0);
    window.SetRadioChecked(i, value != 0);
  }
}

void SaveSettings(const std::string& iniPath, const SettingsWindow& window,
                  const std::vector<std::string>& args) {
  if (!args.empty() && args.front() == "||") return;
  try {
    IniDocument ini;
    if (std::optional<std::string> bytes = ReadWholeFile(iniPath)) ini = IniDocument(*bytes);
    ini.WriteInteger(kPositionSection, "M_LEFT", window.Left());
    ini.WriteInteger(kPositionSection, "M_TOP", window.Top());
    for (int i = 0; i < SettingsWindow::kRadioCount; ++i)
      ini.WriteInteger(kRadioSection, kRadioKeys[i], window.RadioChecked(i) ? 1 : 0);
    WriteWholeFileAtomically(iniPath, ini.Bytes());
  } catch (const Error&) {
    // An existing file we cannot read is not overwritten with only our six values.
    throw Error(iniPath + " に書き込めません");
  }
}

}  // namespace kerovia
