#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "inventory/file_list.h"
#include "inventory/main_view.h"
#include "inventory/progress_view.h"

namespace kerovia {

// A media category: the file masks searched together, in the order they are searched.
struct MediaCategory {
  Bar bar;              // its counter on the progress card
  int searchTag;        // 0, 1, 2
  const char* kindTag;  // "m", "v", "p", stored with each entry
  int radioButton;  // the radio button (1..3) that chooses it alone; RadioButton1 (0) chooses all
  std::vector<std::string_view> masks;
};

// Music, movie, photo: the order in which they are searched.
const std::array<MediaCategory, 3>& MediaCategories();

// The categories the radio buttons choose, in table order (none when no button is checked).
std::vector<const MediaCategory*> ChosenCategories(const MainView& main);

// The second half of a refresh: lists every file of the chosen categories below the device
// root held in C0_01's hint into `list`, counting them on the progress card, then shows the
// total in C0_02 and enables both backup buttons. An error of the file system propagates
// with the card left shown and C0_02, the buttons and the list's row count unchanged.
void RunMediaScan(MainView& main, ProgressView& progress, FileList& list);

}  // namespace kerovia
