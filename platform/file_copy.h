#pragma once

#include <string>

namespace kerovia {

enum class CopyStatus {
  Copied,       // target now holds the whole of source
  TargetTaken,  // something of the target's name appeared; nothing was written
  Failed,       // nothing was written; reason says why
};

struct CopyResult {
  CopyStatus status = CopyStatus::Failed;
  std::string reason;  // the system's text when Failed, UTF-8
};

// Copies the file `source` to `target`, which must not exist yet. The data goes into a
// temporary file in the target's folder first and gets the target's name only once it is
// complete, without replacing anything; a copy that fails leaves no temporary file behind.
CopyResult CopyToNewFile(const std::string& source, const std::string& target);

}  // namespace kerovia
