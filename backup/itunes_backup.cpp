#include "backup/itunes_backup.h"

#include <vector>

#include "backup/messages.h"
#include "backup/progress_counts.h"

namespace kerovia {

std::string AddFileCommandLine(const std::string& fullPath) {
  return "addfile.exe \"" + fullPath + "\"";
}

namespace {

// The add-file program's end, handling pending events between the slices so that the
// progress card can be dragged and its "×" works; true when it reported the file added.
bool WaitForAddFile(Process& process, Services& services) {
  while (process.Wait(kAddFileWaitSlice) == Process::WaitResult::TimedOut)
    services.ProcessMessages();
  std::optional<int> code = process.ExitCode();
  return code && *code == 0;
}

void ReportNotAdded(const std::vector<std::string>& failed, Services& services,
                    const std::string& appTitle) {
  if (!failed.empty())
    services.ShowMessage(FailureReport(AddFailedHeadline(failed.size()), failed), appTitle,
                         MessageIcon::None);
}

}  // namespace

void BackupToITunes(const FileList& list, MainView& main, ProgressView& progress,
                    Services& services, const std::string& appTitle) {
  if (list.FileCount < 1) return;
  try {
    BeginBackup(list, main, progress, "iTunes 起動中です...");
    std::vector<std::string> failed;
    for (int row = 1; row <= list.FileCount; ++row) {
      std::unique_ptr<Process> process =
          services.StartHidden(AddFileCommandLine(list.FullPath(row)));
      if (!process) {
        services.Beep();
        services.ShowMessage(kAddFileNotStartedMessage, appTitle, MessageIcon::None);
        progress.Close();
        main.Show();
        return;
      }
      if (!WaitForAddFile(*process, services)) failed.push_back(list.Name(row));
      if (progress.Tag() == 0) {
        // "×" was pressed: the card has hidden itself; this file is not counted down.
        services.Beep();
        ReportNotAdded(failed, services, appTitle);
        main.Show();
        return;
      }
      CountDown(list.Kind(row), progress);
      progress.SetStatus("iTunesへバックアップ中です...");
    }
    services.Beep();
    ReportNotAdded(failed, services, appTitle);
    progress.Close();
    main.Show();
  } catch (...) {
    EndBackupAfterError(main, progress, services, appTitle);
  }
}

}  // namespace kerovia
