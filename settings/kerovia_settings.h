#pragma once

#include <string>
#include <vector>

#include "settings/settings_window.h"

namespace kerovia {

// Where the main window stands in its layout, and where it goes back to when the saved
// place would be off every monitor.
inline constexpr int kLayoutLeft = 20;
inline constexpr int kLayoutTop = 20;

// "Kerovia.ini" in the folder of the executable (its path up to and including the last
// separator).
std::string SettingsPath(const std::string& exePath);

// Restores the window position ("SET": M_LEFT, M_TOP) and the category radio buttons
// ("SET1": C0_R1..C0_R4), each value applied as soon as it is read. A missing file or key,
// or a value that is no integer, leaves the window's current value.
void LoadSettings(const std::string& iniPath, SettingsWindow& window);

// Writes the six values into the file, keeping everything else in it, unless the first of
// `args` (the command-line arguments after the program name) is exactly "||". The file is
// replaced as a whole or not at all; a failure throws kerovia::Error "<path> に書き込めません".
void SaveSettings(const std::string& iniPath, const SettingsWindow& window,
                  const std::vector<std::string>& args);

}  // namespace kerovia
