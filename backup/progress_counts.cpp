#include "backup/progress_counts.h"

#include "backup/messages.h"

namespace kerovia {

bool BarOfKind(const std::string& kind, Bar& bar) {
  if (kind == "m") {
    bar = Bar::Music;
  } else if (kind == "v") {
    bar = Bar::Movie;
  } else if (kind == "p") {
    bar = Bar::Photo;
  } else {
    return false;
  }
  return true;
}

void SetBarsToListCounts(const FileList& list, ProgressView& progress) {
  int counts[3] = {0, 0, 0};
  for (int row = 1; row <= list.FileCount; ++row) {
    Bar bar;
    if (BarOfKind(list.Kind(row), bar)) ++counts[static_cast<int>(bar)];
  }
  for (Bar bar : {Bar::Music, Bar::Movie, Bar::Photo})
    progress.SetPosition(bar, counts[static_cast<int>(bar)]);
}

void CountDown(const std::string& kind, ProgressView& progress) {
  Bar bar;
  if (BarOfKind(kind, bar)) progress.SetPosition(bar, progress.Position(bar) - 1);
}

std::string FailureReport(const std::string& headline, const std::vector<std::string>& names) {
  std::string text = headline;
  for (std::size_t i = 0; i < names.size() && i < kReportedNames; ++i) text += "\n" + names[i];
  if (names.size() > kReportedNames)
    text += "\nほか" + std::to_string(names.size() - kReportedNames) + "個";
  return text;
}

void BeginBackup(const FileList& list, MainView& main, ProgressView& progress,
                 const std::string& status) {
  progress.SetStatus(status);
  progress.SetBarStartColour(kBackupBarColour);
  SetBarsToListCounts(list, progress);
  progress.SetTag(1);
  progress.Show();
  main.Hide();
}

void EndBackupAfterError(MainView& main, ProgressView& progress, Services& services,
                         const std::string& appTitle) {
  services.Beep();
  services.ShowMessage(kReadFailedMessage, appTitle, MessageIcon::None);
  progress.Close();
  main.Show();
}

}  // namespace kerovia
