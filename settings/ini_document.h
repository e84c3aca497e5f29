#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kerovia {

// The settings file as the Windows private-profile functions see it: "[section]" lines and
// "key=value" lines, names matched without regard to ASCII case, blanks around names and
// values ignored, the first matching key winning. Whatever else the file holds (comments,
// other sections and keys, blank lines, odd bytes, its line endings, a BOM) is kept byte for
// byte, so that a hand-edited file survives a write of our values.
class IniDocument {
 public:
  IniDocument() = default;
  // Any bytes are accepted; lines that are neither a section nor a key are kept as they are.
  explicit IniDocument(std::string_view bytes);

  // The whole file: the bytes given, with the writes made since.
  std::string Bytes() const;

  // The value of the first matching key, without its surrounding blanks and without one
  // pair of enclosing quotes ('...' or "..."); nothing when there is no such key.
  std::optional<std::string> ReadString(std::string_view section, std::string_view key) const;
  // The value as an integer (see ParseIniInteger); `fallback` when missing or not an integer.
  int ReadInteger(std::string_view section, std::string_view key, int fallback) const;

  // Replaces the value of the first matching key in place; a new key goes after the last key
  // line of the section's first occurrence, a new section at the end of the file. Section and
  // key are plain names (no "]", "=" or line breaks); line breaks in the value become blanks.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);

 private:
  enum class Kind { Other, Section, Key };
  struct Line {
    std::string text;    // without its line ending
    std::string ending;  // "\r\n", "\n", or "" for a last line without one
    Kind kind = Kind::Other;
    std::size_t nameBegin = 0, nameEnd = 0;    // section or key name in text
    std::size_t valueBegin = 0, valueEnd = 0;  // value in text (keys only)
  };

  static void Classify(Line& line, std::size_t start);
  static std::string_view Name(const Line& line);
  std::size_t FindKey(std::string_view section, std::string_view key) const;
  void InsertAfter(std::size_t index, std::vector<std::string> texts);
  void Append(std::vector<std::string> texts);

  static constexpr std::size_t npos = static_cast<std::size_t>(-1);
  std::vector<Line> lines_;
  std::string lineEnding_ = "\r\n";  // the file's own, once it has one
};

}  // namespace kerovia
