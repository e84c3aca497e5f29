#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kerovia {

// The whole content of a file, as bytes. Nothing when there is no such file (nor folder);
// kerovia::Error when it exists but cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Replaces the file with `bytes` as one step: the bytes go to a new file beside it, are
// flushed to the disk, and that file is renamed over the old one. A failure at any point
// (a missing or read-only folder, a full disk) throws kerovia::Error and leaves the old
// file as it was, with no temporary file left behind.
void WriteWholeFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace kerovia
