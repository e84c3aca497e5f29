#pragma once

#include <memory>
#include <optional>
#include <string>

namespace kerovia {

// A program started by the backup to iTunes.
class Process {
 public:
  enum class WaitResult { Ended, TimedOut, Failed };
  virtual ~Process() = default;
  // Waits up to `milliseconds` for the program to end.
  virtual WaitResult Wait(int milliseconds) = 0;
  // The exit code once the program has ended; nothing while it runs or when it cannot be read.
  virtual std::optional<int> ExitCode() = 0;
};

enum class MessageIcon { None, Stop };

// The services a user sees or hears, and that tests replace with recorders: the beep, the
// folder picker, message boxes, starting a program, shell opens, pending events.
// Production passes the real one (platform/win32/services.cpp), owned by the main window.
class Services {
 public:
  virtual ~Services() = default;
  // The default beep, MessageBeep(0).
  virtual void Beep() = 0;
  // The folder picker with the given title; nothing when cancelled or no path was chosen.
  virtual std::optional<std::string> PickFolder(const std::string& title) = 0;
  // A modal message box with one OK button, centred on the screen.
  virtual void ShowMessage(const std::string& text, const std::string& caption,
                           MessageIcon icon) = 0;
  // Starts a program from a command line, hidden, inheriting nothing; nullptr when it
  // cannot be started.
  virtual std::unique_ptr<Process> StartHidden(const std::string& commandLine) = 0;
  // Handles the user-interface events that are waiting, then returns.
  virtual void ProcessMessages() = 0;
  // Shell verb "OPEN" on a file, program or address, shown normally; failures show nothing.
  virtual void ShellOpen(const std::string& target) = 0;
};

}  // namespace kerovia
