#pragma once

#include <string>
#include <vector>

#include "inventory/file_list.h"
#include "inventory/main_view.h"
#include "inventory/progress_view.h"
#include "platform/services.h"

namespace kerovia {

// The bar of a kind tag ("m", "v", "p"); false for any other tag.
bool BarOfKind(const std::string& kind, Bar& bar);

// Sets each bar to the number of listed files of its kind, so that a backup counts down
// from what it is about to do, also when it runs again without a new scan.
void SetBarsToListCounts(const FileList& list, ProgressView& progress);

// One file of this kind done: its bar steps down by one.
void CountDown(const std::string& kind, ProgressView& progress);

// The end-of-backup report of the files that did not make it: the headline, then the
// first few names, one a line, then how many more there were.
std::string FailureReport(const std::string& headline, const std::vector<std::string>& names);

inline constexpr std::size_t kReportedNames = 5;

// How both backups start: the status text, yellow bars counting down from the list's
// counts, the cancel flag set, the card shown and the main window hidden.
void BeginBackup(const FileList& list, MainView& main, ProgressView& progress,
                 const std::string& status);

// How both backups end when something went wrong inside them: the beep, the fixed message,
// the card closed and the main window back.
void EndBackupAfterError(MainView& main, ProgressView& progress, Services& services,
                         const std::string& appTitle);

}  // namespace kerovia
