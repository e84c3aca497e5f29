// libFuzzer target for the settings reader: any bytes as a settings file. Checks that the
// document gives the file back unchanged, and that a write changes nothing but its own line.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ini_document.h"
#include "settings/ini_integer.h"

namespace {

struct Target {
  const char* section;
  const char* key;
};

// The program's own keys, spelled in other cases too, and odd names.
constexpr Target kTargets[] = {
    {"SET", "M_LEFT"}, {"SET", "M_TOP"}, {"set1", "c0_r3"},
    {"SET1", "C0_R4"}, {"A b", "K"},     {"", "X"},
};

void Require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

std::vector<std::string_view> Segments(std::string_view bytes) {
  std::vector<std::string_view> segments;
  std::size_t pos = 0;
  for (;;) {
    std::size_t newline = bytes.find('\n', pos);
    if (newline == std::string_view::npos) break;
    segments.push_back(bytes.substr(pos, newline - pos));
    pos = newline + 1;
  }
  segments.push_back(bytes.substr(pos));
  return segments;
}

bool SameAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i] >= 'A' && a[i] <= 'Z' ? a[i] - 'A' + 'a' : a[i];
    char y = b[i] >= 'A' && b[i] <= 'Z' ? b[i] - 'A' + 'a' : b[i];
    if (x != y) return false;
  }
  return true;
}

// Between the old and the new file only the written key's line may differ: one line
// replaced, or one or two lines (a key, or a section and its key) inserted.
void CheckOnlyTheKeyLineChanged(std::string_view before, std::string_view after, bool existed) {
  std::vector<std::string_view> o = Segments(before), n = Segments(after);
  std::size_t p = 0;
  while (p < o.size() && p < n.size() && o[p] == n[p]) ++p;
  std::size_t s = 0;
  while (s < o.size() - p && s < n.size() - p && o[o.size() - 1 - s] == n[n.size() - 1 - s]) ++s;
  std::size_t oldMiddle = o.size() - p - s, newMiddle = n.size() - p - s;
  if (existed) {
    Require(oldMiddle == newMiddle && oldMiddle <= 1, "a value replaced in place");
    if (oldMiddle == 1) {
      std::size_t equals = o[p].find('=');
      Require(equals != std::string_view::npos &&
                  n[p].substr(0, equals + 1) == o[p].substr(0, equals + 1),
              "the key part of the line kept");
    }
    return;
  }
  if (oldMiddle == 0) {
    Require(newMiddle == 1 || newMiddle == 2, "one key or a section and its key inserted");
    return;
  }
  // A last line without a line ending got one (a CRLF file's "\r" shows in the segment).
  Require(oldMiddle == 1 && p == o.size() - 1 && s == 0, "only the last line touched");
  Require(
      n[p].size() == o[p].size() + 1 && n[p].substr(0, o[p].size()) == o[p] && n[p].back() == '\r',
      "the last line kept, with its new line ending");
  Require(newMiddle == 2 || newMiddle == 3, "one key or a section and its key appended");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);

  if (std::optional<int> number = kerovia::ParseIniInteger(input))
    Require(kerovia::ParseIniInteger(std::to_string(*number)) == number, "integers round-trip");

  const kerovia::IniDocument original(input);
  Require(original.Bytes() == input, "an unmodified document gives its bytes back");

  std::optional<std::string> before[std::size(kTargets)];
  for (std::size_t i = 0; i < std::size(kTargets); ++i) {
    before[i] = original.ReadString(kTargets[i].section, kTargets[i].key);
    original.ReadInteger(kTargets[i].section, kTargets[i].key, 0);
  }

  std::uint32_t mix = 2166136261u;
  for (std::size_t i = 0; i < size; ++i) mix = (mix ^ data[i]) * 16777619u;
  const Target& target = kTargets[mix % std::size(kTargets)];
  const int value = static_cast<int>(mix) >> (mix % 23);

  kerovia::IniDocument written(input);
  written.WriteInteger(target.section, target.key, value);
  const std::string output = written.Bytes();

  const kerovia::IniDocument reread(output);
  Require(reread.ReadInteger(target.section, target.key, value ^ 1) == value,
          "the value written is read back");
  Require(reread.Bytes() == output, "the written document round-trips");
  CheckOnlyTheKeyLineChanged(input, output,
                             original.ReadString(target.section, target.key).has_value());
  for (std::size_t i = 0; i < std::size(kTargets); ++i) {
    bool same =
        SameAscii(kTargets[i].section, target.section) && SameAscii(kTargets[i].key, target.key);
    if (!same)
      Require(reread.ReadString(kTargets[i].section, kTargets[i].key) == before[i],
              "other keys read as before");
  }

  kerovia::IniDocument again(output);
  again.WriteInteger(target.section, target.key, value);
  Require(again.Bytes() == output, "writing the same value again changes nothing");
  return 0;
}
