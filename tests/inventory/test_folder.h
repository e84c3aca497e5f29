#pragma once

// A scratch folder for one test, removed afterwards. Relative paths use "/" between parts;
// Path() gives the platform's UTF-8 path.

#include <filesystem>
#include <fstream>
#include <string>

#include "bench/fixture/phone_tree.h"

namespace kerovia::testing {

inline std::filesystem::path Utf8Path(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8(const std::filesystem::path& path) {
  std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

class TestFolder {
 public:
  TestFolder() {
    static int counter = 0;
    auto base = std::filesystem::temp_directory_path();
    for (;;) {
      root_ = base / ("kerovia-inventory-" + std::to_string(std::rand()) + "-" +
                      std::to_string(++counter));
      if (std::filesystem::create_directory(root_)) break;
    }
  }
  ~TestFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  std::string Root() const { return Utf8(root_); }
  std::string Path(const std::string& relative) const { return PhoneTreePath(Root(), relative); }
  void MakeFolder(const std::string& relative) const {
    std::filesystem::create_directories(Utf8Path(Path(relative)));
  }
  void Write(const std::string& relative) const {
    auto path = Utf8Path(Path(relative));
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path) << relative;
  }

 private:
  std::filesystem::path root_;
};

}  // namespace kerovia::testing
