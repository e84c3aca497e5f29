#pragma once

#include <string>

#include "inventory/file_list.h"
#include "inventory/main_view.h"
#include "inventory/progress_view.h"
#include "platform/services.h"

namespace kerovia {

// Button10Click: hands every listed file to iTunes through the add-file program, one at a
// time, keeping the user interface alive while each runs; "×" on the progress card stops
// the backup once the current file is done. Files the add-file program did not add (a
// non-zero exit code) are reported at the end.
void BackupToITunes(const FileList& list, MainView& main, ProgressView& progress,
                    Services& services, const std::string& appTitle);

// The add-file program's command line for one file: addfile.exe "<full path>".
std::string AddFileCommandLine(const std::string& fullPath);

// How long one wait for the add-file program lasts before pending events are handled.
inline constexpr int kAddFileWaitSlice = 60;

}  // namespace kerovia
