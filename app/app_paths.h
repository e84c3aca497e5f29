#pragma once

#include <string>

namespace kerovia {

// The folder of the executable without a trailing separator; a drive root keeps its
// separator ("C:\").
std::string AppDirOf(const std::string& exePath);

// The user's guide beside the executable: AppDir + "\Readme.txt", with one separator also
// when AppDir is a drive root ("C:\Readme.txt").
std::string UserGuidePath(const std::string& appDir);

// The executable's file name without folder and extension ("Kerovia").
std::string ExeBaseName(const std::string& exePath);

// The maker's information page: "http://" + host + "/info.php?pf=w&sn=" + base name; nothing
// escaped.
std::string InfoPageAddress(const std::string& host, const std::string& exePath);

}  // namespace kerovia
