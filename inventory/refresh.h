#pragma once

#include "inventory/file_list.h"
#include "inventory/main_view.h"
#include "inventory/progress_view.h"
#include "platform/services.h"

namespace kerovia {

// One refresh (first activation, "更新", a change of category): device detection over the
// drives present now, then, when the phone was found, the media scan.
void Refresh(MainView& main, ProgressView& progress, FileList& list, Services& services);

}  // namespace kerovia
