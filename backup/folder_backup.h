#pragma once

#include <string>

#include "inventory/file_list.h"
#include "inventory/main_view.h"
#include "inventory/progress_view.h"
#include "platform/file_copy.h"
#include "platform/services.h"

namespace kerovia {

// Button11Click: copies every listed file into a folder the user picks, side by side, under
// its own name or, when that is taken, the first free "コピー - " name. Nothing in the
// folder is ever replaced; files that cannot be copied are skipped and reported at the end.
void BackupToFolder(const FileList& list, MainView& main, ProgressView& progress,
                    Services& services, const std::string& appTitle);

// One file into the folder under the first free name for `name`.
CopyResult CopyIntoFolder(const std::string& source, const std::string& folder,
                          const std::string& name);

}  // namespace kerovia
