#pragma once

// UTF-8 inside the program, UTF-16 at every Windows call.

#include <string>
#include <string_view>

namespace kerovia::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// The form of a path to pass to a file API: paths of MAX_PATH or more get the
// extended-length prefix (\\?\C:\... or \\?\UNC\server\share\...), others stay as they are.
std::wstring FileApiPath(std::string_view utf8Path);

// The text of GetLastError() in the system's language, for error messages.
std::string LastErrorText(unsigned long code);

}  // namespace kerovia::win32
