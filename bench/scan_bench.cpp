// The media scan of a phone of 50,000 files in 2,500 folders, against one complete walk
// per mask (the file search of old) and against find(1) with the same 17 name patterns.

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bench/fixture/phone_tree.h"
#include "inventory/mask_match.h"
#include "inventory/media_scan.h"
#include "platform/dir_listing.h"
#include "platform/path.h"

namespace kerovia {
namespace {

class QuietMainView : public MainView {
 public:
  std::string root;
  std::string DeviceText() const override { return {}; }
  void SetDeviceText(const std::string&) override {}
  std::string DeviceRoot() const override { return root; }
  void SetDeviceRoot(const std::string&) override {}
  void SetCountText(const std::string&) override {}
  void SetBackupButtons(bool, std::uint32_t) override {}
  bool RadioChecked(int index) const override { return index == 0; }
  void Repaint() override {}
  void Show() override {}
  void Hide() override {}
};

class QuietProgressView : public ProgressView {
 public:
  int positions[3] = {};
  void SetStatus(const std::string&) override {}
  void SetBarStartColour(std::uint32_t) override {}
  int Position(Bar bar) const override { return positions[static_cast<int>(bar)]; }
  void SetPosition(Bar bar, int position) override { positions[static_cast<int>(bar)] = position; }
  void RepaintBars() override {}
  void Show() override {}
  void Close() override {}
  void Repaint() override {}
  int Tag() const override { return 0; }
  void SetTag(int) override {}
};

// The old behaviour: for every mask a complete search that builds the folder list anew
// (every folder listed once) and then lists every folder again for the mask.
int OneWalkPerMask(const std::string& root, FileList& list) {
  list.Clear();
  for (const MediaCategory& category : MediaCategories())
    for (std::string_view maskText : category.masks) {
      FileMask mask(maskText);
      std::vector<std::string> folders{root};
      for (std::size_t i = 0; i < folders.size(); ++i) {
        const std::string folder = folders[i];
        ForEachEntry(folder, [&](std::string_view name, bool isFolder) {
          if (isFolder) folders.push_back(JoinPath(folder, name));
        });
      }
      for (const std::string& folder : folders)
        ForEachEntry(folder, [&](std::string_view name, bool isFolder) {
          if (!isFolder && mask.Matches(name))
            list.Append(JoinPath(folder, name), category.kindTag);
        });
    }
  list.Finish();
  return list.FileCount;
}

std::string FindCommand(const std::string& root) {
  std::string command = "find '" + root + "' -type f \\(";
  bool first = true;
  for (const MediaCategory& category : MediaCategories())
    for (std::string_view mask : category.masks) {
      command += first ? " -iname '" : " -o -iname '";
      command += std::string(mask) + "'";
      first = false;
    }
  return command + " \\)";
}

// The median of `runs` timings, in milliseconds.
double Median(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

int CountLines(const std::string& command) {
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return -1;
  int lines = 0;
  for (int c; (c = std::fgetc(pipe)) != EOF;)
    if (c == '\n') ++lines;
  ::pclose(pipe);
  return lines;
}

int Run() {
  std::string root = (std::filesystem::temp_directory_path() /
                      ("kerovia-scan-bench-" + std::to_string(::getpid())))
                         .string();
  PhoneTreeOptions options;
  options.files = 50000;
  options.folders = 2500;
  options.seed = 1;
  PhoneTree tree = MakePhoneTree(root, options);
  std::printf("tree: %zu files in %zu folders below %s\n", tree.files.size(),
              tree.folders.size() + 1, root.c_str());

  QuietMainView main;
  main.root = root;
  QuietProgressView progress;
  FileList scanList, referenceList;
  scanList.WriteHeader();
  referenceList.WriteHeader();
  const std::string find = FindCommand(root);
  const int runs = 7;

  // Once each to warm the caches and to check that all three find the same files.
  RunMediaScan(main, progress, scanList);
  int referenceCount = OneWalkPerMask(root, referenceList);
  int findCount = CountLines(find);
  bool sameOrder = scanList.FileCount == referenceCount;
  for (int row = 1; sameOrder && row <= scanList.FileCount; ++row)
    sameOrder = scanList.FullPath(row) == referenceList.FullPath(row) &&
                scanList.Kind(row) == referenceList.Kind(row);
  std::printf("found: scan %d, one walk per mask %d, find %d; same order: %s\n", scanList.FileCount,
              referenceCount, findCount, sameOrder ? "yes" : "NO");

  double scan = Median(runs, [&] { RunMediaScan(main, progress, scanList); });
  double perMask = Median(3, [&] { OneWalkPerMask(root, referenceList); });
  std::string quietFind = find + " >/dev/null";
  double findTime = Median(runs, [&] {
    if (std::system(quietFind.c_str()) != 0) std::fprintf(stderr, "find failed\n");
  });

  std::printf("scan             %8.1f ms\n", scan);
  std::printf("one walk per mask%8.1f ms  (scan is %.1fx faster; target at least 10x)\n", perMask,
              perMask / scan);
  std::printf("find -iname x17  %8.1f ms  (scan takes %.2f x find's time; target at most 0.6)\n",
              findTime, scan / findTime);

  std::filesystem::remove_all(root);
  bool ok = sameOrder && findCount == scanList.FileCount;
  return ok ? 0 : 1;
}

}  // namespace
}  // namespace kerovia

int main() {
  return kerovia::Run();
}
