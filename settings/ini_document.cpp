#include "settings/ini_document.h"

#include <string>
#include <utility>

#include "settings/ini_integer.h"

namespace kerovia {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// A stray carriage return (a line ending in "\r\r\n") counts as a blank too.
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

std::size_t SkipBlanks(std::string_view text, std::size_t pos, std::size_t end) {
  while (pos < end && IsBlank(text[pos])) ++pos;
  return pos;
}

std::size_t BackOverBlanks(std::string_view text, std::size_t begin, std::size_t end) {
  while (end > begin && IsBlank(text[end - 1])) --end;
  return end;
}

char FoldAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  return true;
}

std::string WithoutLineBreaks(std::string_view text) {
  std::string clean(text);
  for (char& c : clean)
    if (c == '\r' || c == '\n') c = ' ';
  return clean;
}

}  // namespace

IniDocument::IniDocument(std::string_view bytes) {
  bool endingSeen = false;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    Line line;
    std::size_t newline = bytes.find('\n', pos);
    std::size_t textEnd = newline == std::string_view::npos ? bytes.size() : newline;
    if (newline != std::string_view::npos) {
      if (textEnd > pos && bytes[textEnd - 1] == '\r') --textEnd;
      line.ending = std::string(bytes.substr(textEnd, newline + 1 - textEnd));
      if (!endingSeen) lineEnding_ = line.ending;
      endingSeen = true;
    }
    line.text = std::string(bytes.substr(pos, textEnd - pos));
    bool first = lines_.empty();
    Classify(line, first && line.text.starts_with(kUtf8Bom) ? kUtf8Bom.size() : 0);
    lines_.push_back(std::move(line));
    pos = newline == std::string_view::npos ? bytes.size() : newline + 1;
  }
}

void IniDocument::Classify(Line& line, std::size_t start) {
  std::string_view text = line.text;
  line.kind = Kind::Other;
  std::size_t pos = SkipBlanks(text, start, text.size());
  if (pos == text.size() || text[pos] == ';') return;
  if (text[pos] == '[') {
    // A header without its "]" still names a section: the rest of the line.
    std::size_t close = text.find(']', pos + 1);
    std::size_t end = close == std::string_view::npos ? text.size() : close;
    line.kind = Kind::Section;
    line.nameBegin = SkipBlanks(text, pos + 1, end);
    line.nameEnd = BackOverBlanks(text, line.nameBegin, end);
    return;
  }
  std::size_t equals = text.find('=', pos);
  if (equals == std::string_view::npos) return;
  std::size_t keyEnd = BackOverBlanks(text, pos, equals);
  if (keyEnd == pos) return;
  line.kind = Kind::Key;
  line.nameBegin = pos;
  line.nameEnd = keyEnd;
  line.valueBegin = SkipBlanks(text, equals + 1, text.size());
  line.valueEnd = BackOverBlanks(text, line.valueBegin, text.size());
}

std::string_view IniDocument::Name(const Line& line) {
  return std::string_view(line.text).substr(line.nameBegin, line.nameEnd - line.nameBegin);
}

std::string IniDocument::Bytes() const {
  std::string bytes;
  for (const Line& line : lines_) {
    bytes += line.text;
    bytes += line.ending;
  }
  return bytes;
}

std::size_t IniDocument::FindKey(std::string_view section, std::string_view key) const {
  bool inSection = false;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Line& line = lines_[i];
    if (line.kind == Kind::Section)
      inSection = SameName(Name(line), section);
    else if (line.kind == Kind::Key && inSection && SameName(Name(line), key))
      return i;
  }
  return npos;
}

std::optional<std::string> IniDocument::ReadString(std::string_view section,
                                                   std::string_view key) const {
  std::size_t index = FindKey(section, key);
  if (index == npos) return std::nullopt;
  const Line& line = lines_[index];
  std::string_view value =
      std::string_view(line.text).substr(line.valueBegin, line.valueEnd - line.valueBegin);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return std::string(value);
}

int IniDocument::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
  std::optional<std::string> text = ReadString(section, key);
  if (!text) return fallback;
  return ParseIniInteger(*text).value_or(fallback);
}

void IniDocument::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
  std::string clean = WithoutLineBreaks(value);
  std::size_t index = FindKey(section, key);
  if (index != npos) {
    Line& line = lines_[index];
    line.text.replace(line.valueBegin, line.valueEnd - line.valueBegin, clean);
    Classify(line, index == 0 && line.text.starts_with(kUtf8Bom) ? kUtf8Bom.size() : 0);
    return;
  }

  std::string newKey = std::string(key) + "=" + clean;
  std::size_t header = npos;
  for (std::size_t i = 0; i < lines_.size() && header == npos; ++i)
    if (lines_[i].kind == Kind::Section && SameName(Name(lines_[i]), section)) header = i;
  if (header == npos) {
    std::string headerLine(1, '[');
    headerLine.append(section).push_back(']');
    Append({headerLine, newKey});
    return;
  }
  // After the section's last key line, so that comments and blank lines which follow it (and
  // usually introduce the next section) stay where they are.
  std::size_t after = header;
  for (std::size_t i = header + 1; i < lines_.size() && lines_[i].kind != Kind::Section; ++i)
    if (lines_[i].kind == Kind::Key) after = i;
  InsertAfter(after, {newKey});
}

void IniDocument::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void IniDocument::InsertAfter(std::size_t index, std::vector<std::string> texts) {
  std::vector<Line> added;
  for (std::string& text : texts) {
    Line line;
    line.text = std::move(text);
    line.ending = lineEnding_;
    Classify(line, 0);
    added.push_back(std::move(line));
  }
  // A last line without a line ending gets one; the new last line goes without, as before.
  if (lines_[index].ending.empty()) {
    lines_[index].ending = lineEnding_;
    added.back().ending.clear();
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index) + 1,
                std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
}

void IniDocument::Append(std::vector<std::string> texts) {
  if (!lines_.empty()) {
    InsertAfter(lines_.size() - 1, std::move(texts));
    return;
  }
  for (std::string& text : texts) {
    Line line;
    line.text = std::move(text);
    line.ending = lineEnding_;
    Classify(line, 0);
    lines_.push_back(std::move(line));
  }
}

}  // namespace kerovia
