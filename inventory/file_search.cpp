#include "inventory/file_search.h"

#include <cstdint>

#include "platform/dir_listing.h"
#include "platform/path.h"

namespace kerovia {

namespace {

struct Match {
  std::uint32_t folder;  // index into the breadth-first folder list
  std::string name;
};

}  // namespace

void SearchFiles(const std::string& root, const std::vector<FileMask>& masks,
                 const FoundDuringWalk& onFound, const FoundInListOrder& onFind) {
  // The folder list doubles as the breadth-first queue. Filling one bucket per mask while
  // walking keeps, per mask, the folder order and each folder's own order.
  std::vector<std::string> folders{root};
  std::vector<std::vector<Match>> buckets(masks.size());
  for (std::size_t current = 0; current < folders.size(); ++current) {
    // A copy: the list grows (and may move) while this folder is listed.
    const std::string folder = folders[current];
    ForEachEntry(folder, [&](std::string_view name, bool isFolder) {
      if (isFolder) {
        folders.push_back(JoinPath(folder, name));
        return;
      }
      for (std::size_t m = 0; m < masks.size(); ++m)
        if (masks[m].Matches(name)) {
          buckets[m].push_back({static_cast<std::uint32_t>(current), std::string(name)});
          if (onFound) onFound(folder, name, m);
        }
    });
  }
  for (std::size_t m = 0; m < buckets.size(); ++m)
    for (const Match& match : buckets[m]) onFind(JoinPath(folders[match.folder], match.name), m);
}

void SearchFiles(const std::string& root, const std::vector<FileMask>& masks,
                 const FoundInListOrder& onFind) {
  SearchFiles(root, masks, nullptr, onFind);
}

}  // namespace kerovia
