#pragma once

#include <string>
#include <string_view>

namespace kerovia {

// The platform's path separator; the core never spells it out itself.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// folder + one separator + name, whether or not folder already ends in one (a drive root).
inline std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string joined(folder);
  if (!joined.empty() && joined.back() != kPathSeparator && joined.back() != '/')
    joined += kPathSeparator;
  joined += name;
  return joined;
}

// Everything up to and including the last separator ("F:\DCIM\" of "F:\DCIM\a.jpg").
inline std::string FolderPart(std::string_view path) {
  auto cut = path.find_last_of(kPathSeparator == '/' ? "/" : "\\/");
  return cut == std::string_view::npos ? std::string() : std::string(path.substr(0, cut + 1));
}

// What follows the last separator.
inline std::string NamePart(std::string_view path) {
  auto cut = path.find_last_of(kPathSeparator == '/' ? "/" : "\\/");
  return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

}  // namespace kerovia
