#include "backup/folder_backup.h"

#include <vector>

#include "backup/messages.h"
#include "backup/progress_counts.h"
#include "backup/target_name.h"
#include "platform/file_exists.h"

namespace kerovia {

CopyResult CopyIntoFolder(const std::string& source, const std::string& folder,
                          const std::string& name) {
  int attempt = 0;
  for (;;) {
    std::string target = FreeTargetPath(folder, name, attempt, PathExists);
    if (target.empty()) return {CopyStatus::Failed, "同じ名前のファイルが多すぎます。"};
    CopyResult result = CopyToNewFile(source, target);
    // The name was taken between the look and the copy: on to the next one.
    if (result.status != CopyStatus::TargetTaken) return result;
    ++attempt;
  }
}

void BackupToFolder(const FileList& list, MainView& main, ProgressView& progress,
                    Services& services, const std::string& appTitle) {
  if (list.FileCount < 1) return;
  std::optional<std::string> folder = services.PickFolder("バックアップ先の選択");
  if (!folder || folder->empty()) return;
  try {
    BeginBackup(list, main, progress, "バックアップ準備中です...");
    std::vector<std::string> failed;
    std::string firstReason;
    for (int row = 1; row <= list.FileCount; ++row) {
      CopyResult result = CopyIntoFolder(list.FullPath(row), *folder, list.Name(row));
      if (result.status != CopyStatus::Copied) {
        if (failed.empty()) firstReason = result.reason;
        failed.push_back(list.Name(row));
      }
      CountDown(list.Kind(row), progress);
      progress.SetStatus("フォルダへバックアップ中です...");
      progress.Repaint();
    }
    services.Beep();
    if (!failed.empty()) {
      std::string text = FailureReport(CopyFailedHeadline(failed.size()), failed);
      if (!firstReason.empty()) text += "\n(" + firstReason + ")";
      services.ShowMessage(text, appTitle, MessageIcon::None);
    }
    progress.Close();
    main.Show();
  } catch (...) {
    EndBackupAfterError(main, progress, services, appTitle);
  }
}

}  // namespace kerovia
