#include "inventory/media_scan.h"

#include <string>

#include "inventory/file_search.h"

namespace kerovia {

namespace {

constexpr std::uint32_t kScanBarColour = 0xA4C639;
constexpr std::uint32_t kWhiteCaption = 0xFFFFFF;

}  // namespace

const std::array<MediaCategory, 3>& MediaCategories() {
  static const std::array<MediaCategory, 3> categories = {{
      {Bar::Music, 0, "m", 1, {"*.mp3", "*.m4a", "*.aac", "*.wav", "*.aif", "*.aiff"}},
      {Bar::Movie, 1, "v", 2, {"*.m4v", "*.mp4", "*.mpg", "*.mov"}},
      {Bar::Photo, 2, "p", 3, {"*.jpg", "*.jpeg", "*.png", "*.gif", "*.tif", "*.tiff", "*.bmp"}},
  }};
  return categories;
}

std::vector<const MediaCategory*> ChosenCategories(const MainView& main) {
  std::vector<const MediaCategory*> chosen;
  bool all = main.RadioChecked(0);
  for (const MediaCategory& category : MediaCategories())
    if (all || main.RadioChecked(category.radioButton)) chosen.push_back(&category);
  return chosen;
}

void RunMediaScan(MainView& main, ProgressView& progress, FileList& list) {
  progress.SetStatus("Android本体解析中です...");
  progress.SetBarStartColour(kScanBarColour);
  for (Bar bar : {Bar::Music, Bar::Movie, Bar::Photo}) progress.SetPosition(bar, 0);
  progress.Show();
  progress.Repaint();

  const int rowCountBefore = list.StringGrid1.RowCount();
  list.Clear();

  // All chosen masks in one search; each mask remembers its category.
  std::vector<FileMask> masks;
  std::vector<const MediaCategory*> categoryOfMask;
  for (const MediaCategory* category : ChosenCategories(main))
    for (std::string_view mask : category->masks) {
      masks.emplace_back(mask);
      categoryOfMask.push_back(category);
    }

  // The bars count during the walk, which is what takes long; the list is filled in its
  // own order once the walk is over.
  int found = 0;
  try {
    SearchFiles(
        main.DeviceRoot(), masks,
        [&](std::string_view, std::string_view, std::size_t mask) {
          Bar bar = categoryOfMask[mask]->bar;
          progress.SetPosition(bar, progress.Position(bar) + 1);
          if (++found % 10 == 0) progress.RepaintBars();
        },
        [&](const std::string& path, std::size_t mask) {
          list.Append(path, categoryOfMask[mask]->kindTag);
        });
  } catch (...) {
    // The refresh ends with the error; the list's size stays as the last scan left it.
    list.StringGrid1.SetRowCount(rowCountBefore);
    throw;
  }
  list.Finish();

  main.SetCountText(std::to_string(list.FileCount) + " ファイル");
  progress.Close();
  main.SetBackupButtons(true, kWhiteCaption);
}

}  // namespace kerovia
