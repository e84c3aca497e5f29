#pragma once

#include <oaidl.h>

#include <functional>
#include <string>

namespace kerovia::addfile {

// The exit codes of addfile.exe.
enum ExitCode : int {
  kAdded = 0,              // iTunes took the file: at least one track was added
  kNotAdded = 1,           // iTunes is there but did not add the file
  kBadArguments = 2,       // not exactly one path
  kITunesUnavailable = 3,  // iTunes is not installed or would not start
};

struct Outcome {
  int exitCode = kNotAdded;
  std::string reason;  // one line, UTF-8; empty when added
};

struct WaitPolicy {
  int pollMilliseconds = 100;
  int limitMilliseconds = 10 * 60 * 1000;
  // Waits between two looks at the operation's progress.
  std::function<void(int milliseconds)> sleep;
};

// Hands `path` to the iTunes application object `itunes` through its automation interface:
// LibraryPlaylist.AddFile(path), then waits while the returned operation is InProgress
// (up to the policy's limit), then counts its Tracks.
Outcome AddFileToLibrary(IDispatch* itunes, const std::wstring& path, const WaitPolicy& wait);

// Creates the iTunes application object and does the above; COM must be initialised.
Outcome AddFileToITunes(const std::wstring& path, const WaitPolicy& wait);

// Sleeps, handling the messages the apartment receives meanwhile.
void PumpingSleep(int milliseconds);

}  // namespace kerovia::addfile
