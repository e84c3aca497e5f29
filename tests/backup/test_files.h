#pragma once

// Files for the backup tests, by UTF-8 path on both platforms.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>

#include "platform/path.h"

namespace kerovia::testing {

inline std::filesystem::path FsPath(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8(const std::filesystem::path& path) {
  std::u8string s = path.u8string();
  return std::string(s.begin(), s.end());
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(FsPath(path).parent_path());
  std::ofstream out(FsPath(path), std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << "cannot write " << path;
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(FsPath(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Bytes as size and checksum, for short failure messages.
inline std::string Digest(const std::string& bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (unsigned char b : bytes) hash = (hash ^ b) * 1099511628211ull;
  return std::to_string(bytes.size()) + " bytes #" + std::to_string(hash % 1000000007);
}

// name -> digest of every file in the folder; folders show as "<folder>".
inline std::map<std::string, std::string> FolderContents(const std::string& folder) {
  std::map<std::string, std::string> contents;
  for (const auto& entry : std::filesystem::directory_iterator(FsPath(folder))) {
    std::string name = Utf8(entry.path().filename());
    contents[name] = entry.is_directory() ? "<folder>" : Digest(ReadFile(Utf8(entry.path())));
  }
  return contents;
}

// Distinct bytes for each test file, so a swapped or truncated copy shows.
inline std::string Bytes(const std::string& seed, std::size_t size = 1000) {
  std::mt19937 random(static_cast<unsigned>(std::hash<std::string>{}(seed)));
  std::string bytes(size, '\0');
  for (auto& b : bytes) b = static_cast<char>(random());
  return bytes;
}

// A fresh folder of the test's own, removed afterwards.
class TempFolder {
 public:
  TempFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("kerovia-") + info->test_suite_name() + "-" + info->name();
    for (auto& c : name)
      if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-') c = '_';
    path_ = Utf8(std::filesystem::temp_directory_path() / name);
    std::filesystem::remove_all(FsPath(path_));
    std::filesystem::create_directories(FsPath(path_));
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(FsPath(path_), ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& relative) const { return JoinPath(path_, relative); }

 private:
  std::string path_;
};

}  // namespace kerovia::testing
