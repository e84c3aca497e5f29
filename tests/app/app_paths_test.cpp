#include "app/app_paths.h"

#include <gtest/gtest.h>

namespace kerovia {
namespace {

TEST(AppPaths, AppDirAndUserGuide) {
  struct Case {
    const char* exe;
    const char* appDir;
    const char* guide;
  } cases[] = {
      {"C:\\Program Files\\Kerovia\\Kerovia.exe", "C:\\Program Files\\Kerovia",
       "C:\\Program Files\\Kerovia\\Readme.txt"},
      // A drive root keeps its separator, and the guide gets no second one.
      {"C:\\Kerovia.exe", "C:\\", "C:\\Readme.txt"},
      {"D:\\k.exe", "D:\\", "D:\\Readme.txt"},
      {"\\\\server\\share\\Kerovia.exe", "\\\\server\\share", "\\\\server\\share\\Readme.txt"},
      {"C:\\ソフト\\Kerovia.exe", "C:\\ソフト", "C:\\ソフト\\Readme.txt"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AppDirOf(c.exe), c.appDir) << c.exe;
    EXPECT_EQ(UserGuidePath(AppDirOf(c.exe)), c.guide) << c.exe;
  }
}

TEST(AppPaths, InformationPage) {
  struct Case {
    const char* exe;
    const char* address;
  } cases[] = {
      {"C:\\Tools\\Kerovia.exe", "http://maker.example/info.php?pf=w&sn=Kerovia"},
      {"C:\\Kerovia2.exe", "http://maker.example/info.php?pf=w&sn=Kerovia2"},
      {"C:\\v1.0\\my app.exe", "http://maker.example/info.php?pf=w&sn=my app"},  // not escaped
      {"C:\\a.b\\Kerovia.old.exe", "http://maker.example/info.php?pf=w&sn=Kerovia.old"},
  };
  for (const auto& c : cases) EXPECT_EQ(InfoPageAddress("maker.example", c.exe), c.address);
}

}  // namespace
}  // namespace kerovia
