// What a Windows user gets besides the program's behaviour: the version, icon and manifest
// inside the executables, and a user's guide that Notepad opens as Japanese text.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/win32/wide.h"

namespace kerovia {
namespace {

const std::string kAppFolder = KEROVIA_APP_FOLDER;

std::wstring VersionString(const std::wstring& exe, const wchar_t* name) {
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
  if (size == 0) return L"(no version resource)";
  std::vector<char> data(size);
  if (!GetFileVersionInfoW(exe.c_str(), 0, size, data.data())) return L"(unreadable)";
  std::wstring key = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
  wchar_t* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(data.data(), key.c_str(), reinterpret_cast<void**>(&value), &length))
    return L"(missing)";
  return std::wstring(value, length ? length - 1 : 0);
}

TEST(ShippingTest, BothProgramsCarryTheProjectVersion) {
  for (const char* name : {"Kerovia.exe", "addfile.exe"}) {
    std::wstring exe = win32::Widen(kAppFolder + "\\" + name);
    EXPECT_EQ(VersionString(exe, L"ProductName"), L"Kerovia") << name;
    EXPECT_EQ(VersionString(exe, L"ProductVersion"), win32::Widen(KEROVIA_VERSION)) << name;
    EXPECT_EQ(VersionString(exe, L"FileVersion"), win32::Widen(KEROVIA_VERSION)) << name;
    EXPECT_EQ(VersionString(exe, L"OriginalFilename"), win32::Widen(name));
    EXPECT_NE(VersionString(exe, L"FileDescription").find(L"Kerovia"), std::wstring::npos);
  }
}

TEST(ShippingTest, KeroviaHasItsIconAndAManifestWithoutThemedControls) {
  std::wstring exe = win32::Widen(kAppFolder + "\\Kerovia.exe");
  HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  HICON icon = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(1), IMAGE_ICON, 32, 32, 0));
  ASSERT_NE(icon, nullptr) << "no icon resource 1";
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  BITMAP bitmap{};
  GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
  EXPECT_EQ(bitmap.bmWidth, 32);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyIcon(icon);

  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  ASSERT_NE(found, nullptr) << "no application manifest";
  const char* text = static_cast<const char*>(LockResource(LoadResource(module, found)));
  std::string manifest(text, SizeofResource(module, found));
  EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
  EXPECT_NE(manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos);
  // Themed common controls would paint the radio buttons in their own colours.
  EXPECT_EQ(manifest.find("<dependency"), std::string::npos);
  FreeLibrary(module);
}

TEST(ShippingTest, TheUsersGuideIsUtf8WithByteOrderMarkAndCrlf) {
  std::optional<std::string> read = ReadWholeFile(kAppFolder + "\\Readme.txt");
  ASSERT_TRUE(read) << "no Readme.txt beside Kerovia.exe";
  const std::string& bytes = *read;
  ASSERT_GE(bytes.size(), 3u);
  EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF") << "Notepad needs the byte-order mark";
  for (std::size_t i = 0; i < bytes.size(); ++i)
    if (bytes[i] == '\n') ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "a bare LF at byte " << i;
  // Valid UTF-8 throughout, and Japanese text once decoded.
  int chars = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data() + 3,
                                  static_cast<int>(bytes.size() - 3), nullptr, 0);
  ASSERT_GT(chars, 0) << "not valid UTF-8";
  std::wstring text = win32::Widen(bytes.substr(3));
  EXPECT_NE(text.find(L"ユーザーズガイド"), std::wstring::npos);
  EXPECT_NE(text.find(L"接続されていません"), std::wstring::npos);
  EXPECT_EQ(text.find(L"@PROJECT_VERSION@"), std::wstring::npos);
  EXPECT_NE(text.find(win32::Widen(KEROVIA_VERSION)), std::wstring::npos);
}

}  // namespace
}  // namespace kerovia
