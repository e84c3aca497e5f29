#include "platform/atomic_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/error.h"
#include "platform/path.h"
#include "tests/settings/test_folder.h"

namespace kerovia {
namespace {

using namespace std::string_literals;
using testing::ReadFileBytes;
using testing::TestFolder;
using testing::WriteFileBytes;

TEST(AtomicFileTest, ReadingWhatIsNotThereGivesNothing) {
  TestFolder folder;
  EXPECT_EQ(ReadWholeFile(folder.File("none.ini")), std::nullopt);
  EXPECT_EQ(ReadWholeFile(JoinPath(folder.File("無い"), "none.ini")), std::nullopt);
}

TEST(AtomicFileTest, ReadingAFolderIsAnError) {
  TestFolder folder;
  std::filesystem::create_directory(folder.path() / "sub");
  EXPECT_THROW(ReadWholeFile(folder.File("sub")), Error);
}

TEST(AtomicFileTest, WritesAndReadsEveryByteAndReplacesTheWholeFile) {
  TestFolder folder;
  const std::string path = folder.File("data.ini");
  std::string big(3 * 1024 * 1024 + 17, '\0');
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7 % 251);
  const std::string contents[] = {
      "a\r\nb\nc\rd\0e\xFF"s,  // no line ending translated, NUL and high bytes kept
      big,                     // more than one read buffer
      "short",                 // the old, longer content must not show through
      "",
  };
  for (const std::string& bytes : contents) {
    WriteWholeFileAtomically(path, bytes);
    EXPECT_EQ(ReadFileBytes(path) == bytes, true) << "written " << bytes.size() << " bytes";
    std::optional<std::string> read = ReadWholeFile(path);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->size(), bytes.size());
    EXPECT_EQ(*read == bytes, true) << "read " << bytes.size() << " bytes";
  }
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"data.ini"});
}

TEST(AtomicFileTest, NamesOutsideTheAnsiCodePageWork) {
  TestFolder folder;
  // Whether the file system under us can hold such names at all (Wine needs the host's
  // ja_JP.UTF-8 locale for it); the standard library, not our code, is asked.
  std::error_code error;
  if (!std::filesystem::create_directory(folder.path() / testing::FsPath("設定"), error))
    GTEST_SKIP() << "this file system cannot store Japanese names: " << error.message();
  // Japanese, and Korean (outside code page 932).
  for (const std::string name : {"設定", "설정"}) {
    const std::string path = JoinPath(folder.File("設定"), name + ".ini");
    WriteWholeFileAtomically(path, name);
    EXPECT_EQ(ReadFileBytes(path), name);
    EXPECT_EQ(ReadWholeFile(path), name);
  }
}

TEST(AtomicFileTest, AFailedWriteKeepsTheFolderAsItWas) {
  TestFolder folder;
  WriteFileBytes(folder.File("plain.txt"), "old");
  std::filesystem::create_directory(folder.path() / "taken");
  const std::string paths[] = {
      JoinPath(folder.File("無い"), "a.ini"),       // folder missing
      JoinPath(folder.File("plain.txt"), "a.ini"),  // a file in the folder's place
      folder.File("taken"),                         // a folder in the file's place
  };
  for (const std::string& path : paths)
    EXPECT_THROW(WriteWholeFileAtomically(path, "new"), Error) << path;
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"plain.txt", "taken"}));
  EXPECT_EQ(ReadFileBytes(folder.File("plain.txt")), "old");
}

}  // namespace
}  // namespace kerovia
