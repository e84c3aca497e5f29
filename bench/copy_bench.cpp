// The folder backup's copy against cp on the same data in the same run: a few large files
// (2 GB in all) and 20,000 small ones, each copied into an empty folder. Caches are dropped
// before every copy where allowed; otherwise every copy starts from equally warm data.
// The times include a final sync, so that both have really written what they copied.

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "backup/folder_backup.h"

namespace {

namespace fs = std::filesystem;
using kerovia::Bar;

class QuietMain : public kerovia::MainView {
 public:
  std::string DeviceText() const override { return {}; }
  void SetDeviceText(const std::string&) override {}
  std::string DeviceRoot() const override { return {}; }
  void SetDeviceRoot(const std::string&) override {}
  void SetCountText(const std::string&) override {}
  void SetBackupButtons(bool, std::uint32_t) override {}
  bool RadioChecked(int) const override { return false; }
  void Repaint() override {}
  void Show() override {}
  void Hide() override {}
};

class QuietProgress : public kerovia::ProgressView {
 public:
  void SetStatus(const std::string&) override {}
  void SetBarStartColour(std::uint32_t) override {}
  int Position(Bar bar) const override { return positions_[static_cast<int>(bar)]; }
  void SetPosition(Bar bar, int p) override { positions_[static_cast<int>(bar)] = p; }
  void RepaintBars() override {}
  void Show() override {}
  void Close() override {}
  void Repaint() override {}
  int Tag() const override { return tag_; }
  void SetTag(int t) override { tag_ = t; }

 private:
  int positions_[3] = {0, 0, 0};
  int tag_ = 0;
};

class FixedFolder : public kerovia::Services {
 public:
  explicit FixedFolder(std::string folder) : folder_(std::move(folder)) {}
  int messages = 0;
  void Beep() override {}
  std::optional<std::string> PickFolder(const std::string&) override { return folder_; }
  void ShowMessage(const std::string& text, const std::string&, kerovia::MessageIcon) override {
    ++messages;
    std::fprintf(stderr, "backup reported: %s\n", text.c_str());
  }
  std::unique_ptr<kerovia::Process> StartHidden(const std::string&) override { return nullptr; }
  void ProcessMessages() override {}
  void ShellOpen(const std::string&) override {}

 private:
  std::string folder_;
};

void WriteRandom(const fs::path& path, std::size_t size, std::mt19937_64& random) {
  std::ofstream out(path, std::ios::binary);
  std::vector<std::uint64_t> block(1 << 17);  // 1 MiB
  while (size > 0) {
    for (auto& w : block) w = random();
    std::size_t n = std::min(size, block.size() * sizeof block[0]);
    out.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(n));
    size -= n;
  }
}

bool DropCaches() {
  sync();
  std::ofstream drop("/proc/sys/vm/drop_caches");
  drop << "3\n";
  drop.flush();
  return drop.good();
}

// Every byte read once, so that all copies start from data in memory.
void Warm(const fs::path& folder) {
  std::vector<char> buffer(1 << 20);
  for (const auto& entry : fs::directory_iterator(folder)) {
    std::ifstream in(entry.path(), std::ios::binary);
    while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || in.gcount() > 0) {
    }
  }
}

template <typename F>
double Seconds(F&& work) {
  auto start = std::chrono::steady_clock::now();
  work();
  sync();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct Times {
  double ours, cp;
};

// The machine is shared: the best of several alternating rounds of each.
constexpr int kRounds = 4;

Times Compare(const fs::path& source, const fs::path& root, bool drop) {
  kerovia::FileList list;
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(source)) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  for (const auto& f : files) list.Append(f.string(), "p");

  fs::path oursTarget = root / "ours", cpTarget = root / "cp";
  Times best{1e30, 1e30};
  for (int round = 0; round < kRounds; ++round) {
    for (int which = 0; which < 2; ++which) {
      // Alternate the order, so neither always goes first.
      bool ours = (which == 0) == (round % 2 == 0);
      fs::path target = ours ? oursTarget : cpTarget;
      fs::remove_all(target);
      fs::create_directories(target);
      if (drop) {
        DropCaches();
      } else {
        Warm(source);
      }
      double t;
      if (ours) {
        QuietMain main;
        QuietProgress progress;
        FixedFolder services(target.string());
        t = Seconds([&] { kerovia::BackupToFolder(list, main, progress, services, "bench"); });
        if (services.messages) std::exit(1);
      } else {
        std::string command = "cp -r '" + source.string() + "/.' '" + target.string() + "'";
        t = Seconds([&] {
          if (std::system(command.c_str()) != 0) std::exit(1);
        });
      }
      (ours ? best.ours : best.cp) = std::min(ours ? best.ours : best.cp, t);
      fs::remove_all(target);
    }
  }
  return best;
}

}  // namespace

int main() {
  fs::path root = fs::temp_directory_path() / ("kerovia-copy-bench-" + std::to_string(getpid()));
  fs::create_directories(root / "large");
  fs::create_directories(root / "small");
  std::mt19937_64 random(20261211);
  const std::size_t largeFiles = 4, largeSize = 512ull << 20;
  for (std::size_t i = 0; i < largeFiles; ++i)
    WriteRandom(root / "large" / ("VID_" + std::to_string(i) + ".mp4"), largeSize, random);
  const int smallFiles = 20000;
  for (int i = 0; i < smallFiles; ++i)
    WriteRandom(root / "small" / ("IMG_" + std::to_string(i) + ".jpg"),
                1024 + random() % (15 * 1024), random);
  bool drop = DropCaches();
  std::printf("caches: %s\n", drop ? "dropped before every copy" : "warm for every copy");

  Times large = Compare(root / "large", root, drop);
  double gb = static_cast<double>(largeFiles * largeSize) / (1 << 30);
  std::printf(
      "large files (%zu x %zu MiB): ours %.2f s (%.0f MiB/s), cp %.2f s (%.0f MiB/s), "
      "throughput ratio ours/cp %.2f (target >= 0.9)\n",
      largeFiles, largeSize >> 20, large.ours, gb * 1024 / large.ours, large.cp,
      gb * 1024 / large.cp, large.cp / large.ours);
  Times small = Compare(root / "small", root, drop);
  std::printf("small files (%d): ours %.2f s, cp %.2f s, time ratio ours/cp %.2f (target <= 1.5)\n",
              smallFiles, small.ours, small.cp, small.ours / small.cp);
  fs::remove_all(root);
  return 0;
}
