// make_phone_tree OUT_DIR [--files N] [--seed S] [--folders N] [--size BYTES]
// Writes a phone-like tree for the demo, the tests and the benchmarks.

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "bench/fixture/phone_tree.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: make_phone_tree OUT_DIR [--files N] [--seed S] [--folders N] "
               "[--size BYTES]\n");
  return 2;
}

bool ParseNumber(const char* text, unsigned long long& value) {
  char* end = nullptr;
  value = std::strtoull(text, &end, 10);
  return end != text && *end == '\0';
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argv[1][0] == '-') return Usage();
  kerovia::PhoneTreeOptions options;
  for (int i = 2; i < argc; i += 2) {
    unsigned long long value = 0;
    if (i + 1 >= argc || !ParseNumber(argv[i + 1], value)) return Usage();
    std::string option = argv[i];
    if (option == "--files" && value <= 10'000'000)
      options.files = static_cast<int>(value);
    else if (option == "--seed" && value <= 0xFFFFFFFFull)
      options.seed = static_cast<std::uint32_t>(value);
    else if (option == "--folders" && value <= 1'000'000)
      options.folders = static_cast<int>(value);
    else if (option == "--size")
      options.fileSize = static_cast<std::size_t>(value);
    else
      return Usage();
  }
  try {
    kerovia::PhoneTree tree = kerovia::MakePhoneTree(argv[1], options);
    std::printf("%llu folders, %llu files in %s\n",
                static_cast<unsigned long long>(tree.folders.size()),
                static_cast<unsigned long long>(tree.files.size()), argv[1]);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "make_phone_tree: %s\n", error.what());
    return 1;
  }
  return 0;
}
