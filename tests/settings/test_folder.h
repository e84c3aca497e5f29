#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace kerovia::testing {

// UTF-8 text <-> std::filesystem paths, so that folder names outside the ANSI code page work
// under Windows as well.
inline std::filesystem::path FsPath(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}
inline std::string Utf8(const std::filesystem::path& path) {
  std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

// A fresh folder under the system's temporary folder, removed again with everything in it.
class TestFolder {
 public:
  TestFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            FsPath("kerovia-settings-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;
  ~TestFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  // The UTF-8 path of `name` inside the folder.
  std::string File(const std::string& name) const { return Utf8(path_ / FsPath(name)); }
  const std::filesystem::path& path() const { return path_; }

  // The names in the folder, sorted: shows a temporary file left behind.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
      names.push_back(Utf8(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::filesystem::path path_;
};

// Reading and writing test files through the standard library, independent of the code
// under test. Binary, so that no line ending is translated.
inline void WriteFileBytes(const std::string& utf8Path, const std::string& bytes) {
  std::ofstream out(FsPath(utf8Path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
inline std::string ReadFileBytes(const std::string& utf8Path) {
  std::ifstream in(FsPath(utf8Path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace kerovia::testing
