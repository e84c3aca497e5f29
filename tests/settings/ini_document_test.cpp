#include "settings/ini_document.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace kerovia {
namespace {

using namespace std::string_literals;

struct ReadCase {
  const char* what;
  std::string file;
  const char* section;
  const char* key;
  std::optional<std::string> expected;
};

TEST(IniDocumentTest, ReadsLikeThePrivateProfileFunctions) {
  const ReadCase cases[] = {
      {"names without regard to case", "[set]\nm_left=5\n", "SET", "M_LEFT", "5"},
      {"blanks around names and values", "  [ SET ]\t\n  M_LEFT \t=  5  \n", "SET", "M_LEFT", "5"},
      {"the first matching key wins", "[SET]\nM_LEFT=1\nm_left=2\n", "SET", "M_LEFT", "1"},
      {"a repeated section is searched too", "[SET]\nA=1\n[SET]\nM_LEFT=2\n", "SET", "M_LEFT", "2"},
      {"another section's key", "[SET1]\nM_LEFT=5\n", "SET", "M_LEFT", std::nullopt},
      {"a key before any section", "M_LEFT=5\n[SET]\n", "SET", "M_LEFT", std::nullopt},
      {"a comment line", "[SET]\n ;M_LEFT=5\n", "SET", "M_LEFT", std::nullopt},
      {"a missing key", "[SET]\nM_TOP=5\n", "SET", "M_LEFT", std::nullopt},
      {"an empty file", "", "SET", "M_LEFT", std::nullopt},
      {"a line without '='", "[SET]\nM_LEFT\nM_LEFT=7\n", "SET", "M_LEFT", "7"},
      {"an empty value", "[SET]\nM_LEFT=\n", "SET", "M_LEFT", ""},
      {"'=' inside the value", "[SET]\nA = b=c\n", "SET", "A", "b=c"},
      {"enclosing double quotes", "[SET]\nA=\" x \"\n", "SET", "A", " x "},
      {"enclosing single quotes", "[SET]\nA='y'\n", "SET", "A", "y"},
      {"quotes that do not pair", "[SET]\nA=\"z'\n", "SET", "A", "\"z'"},
      {"a UTF-8 BOM before the first header", "\xEF\xBB\xBF[SET]\r\nM_LEFT=5\r\n", "SET", "M_LEFT",
       "5"},
      {"'[' without ']'", "[SET\nM_LEFT=5\n", "SET", "M_LEFT", "5"},
      {"text after the header", "[SET] ; window\nM_LEFT=5", "SET", "M_LEFT", "5"},
      {"CRLF, LF and CR CR LF mixed", "[SET]\r\nA=1\nB=2\r\r\nC=3", "SET", "B", "2"},
      {"NUL bytes", "[SET]\nX\0=1\nM_LEFT=\0\n"s, "SET", "M_LEFT", "\0"s},
      {"a huge line before the section", std::string(1 << 20, 'x') + "\n[SET]\nA=1", "SET", "A",
       "1"},
      {"non-ASCII letters are not folded", "[\xC3\x89T\xC3\x89]\nA=1\n", "\xC3\xA9t\xC3\xA9", "A",
       std::nullopt},
  };
  for (const auto& c : cases) {
    IniDocument ini(c.file);
    EXPECT_EQ(ini.ReadString(c.section, c.key), c.expected) << c.what;
    EXPECT_EQ(ini.Bytes(), c.file) << c.what << ": reading changed the document";
  }
}

TEST(IniDocumentTest, ReadIntegerFallsBackOnMissingAndMalformedValues) {
  IniDocument ini("[SET]\nA=0x20\nB=12abc\nC= -7 \nD=\"5\"\n");
  EXPECT_EQ(ini.ReadInteger("SET", "A", 99), 32);
  EXPECT_EQ(ini.ReadInteger("SET", "B", 99), 99);
  EXPECT_EQ(ini.ReadInteger("SET", "C", 99), -7);
  EXPECT_EQ(ini.ReadInteger("SET", "D", 99), 5);
  EXPECT_EQ(ini.ReadInteger("SET", "E", 99), 99);
}

struct WriteCase {
  const char* what;
  std::string before;
  const char* section;
  const char* key;
  const char* value;
  std::string after;
};

TEST(IniDocumentTest, WritingKeepsEverythingElseByteForByte) {
  const WriteCase cases[] = {
      {"replaced in place, blanks kept", "[SET]\r\n  M_LEFT = 5  \r\nM_TOP=1\r\n", "SET", "M_LEFT",
       "32", "[SET]\r\n  M_LEFT = 32  \r\nM_TOP=1\r\n"},
      {"only the first of two keys", "[SET]\nM_LEFT=1\nM_LEFT=2\n", "SET", "M_LEFT", "9",
       "[SET]\nM_LEFT=9\nM_LEFT=2\n"},
      {"the file's spelling of the names kept", "[set1]\nc0_r1 = 0\n", "SET1", "C0_R1", "1",
       "[set1]\nc0_r1 = 1\n"},
      {"a quoted value replaced with its quotes", "[SET]\nA=\"x\"\n", "SET", "A", "7",
       "[SET]\nA=7\n"},
      {"a key of a repeated section", "[SET]\nA=1\n[SET]\nM_LEFT=2\n", "SET", "M_LEFT", "3",
       "[SET]\nA=1\n[SET]\nM_LEFT=3\n"},
      {"a BOM kept", "\xEF\xBB\xBF[SET]\nM_LEFT=1\n", "SET", "M_LEFT", "5",
       "\xEF\xBB\xBF[SET]\nM_LEFT=5\n"},
      {"new key after the section's last key line",
       "[SET]\nM_LEFT=1\n\n; categories\n[SET1]\nC0_R1=1\n", "SET", "M_TOP", "2",
       "[SET]\nM_LEFT=1\nM_TOP=2\n\n; categories\n[SET1]\nC0_R1=1\n"},
      {"new key in a section without keys", "[SET]\n; nothing yet\n[X]\n", "SET", "M_TOP", "2",
       "[SET]\nM_TOP=2\n; nothing yet\n[X]\n"},
      {"new key after a last line without newline", "[SET]\r\nM_LEFT=1", "SET", "M_TOP", "2",
       "[SET]\r\nM_LEFT=1\r\nM_TOP=2"},
      {"new section at the end, LF", "[A]\nk=v\n", "SET1", "C0_R1", "1",
       "[A]\nk=v\n[SET1]\nC0_R1=1\n"},
      {"new section after a last line without newline", "[A]\r\nk=v", "SET1", "C0_R1", "1",
       "[A]\r\nk=v\r\n[SET1]\r\nC0_R1=1"},
      {"mixed endings: the first one found is the file's", "[A]\nk=v\r\n", "SET1", "C0_R1", "1",
       "[A]\nk=v\r\n[SET1]\nC0_R1=1\n"},
      {"an empty file gets CRLF", "", "SET1", "C0_R1", "1", "[SET1]\r\nC0_R1=1\r\n"},
      {"a lone line without newline", "; only", "SET1", "C0_R1", "1",
       "; only\r\n[SET1]\r\nC0_R1=1"},
      {"NUL bytes and lines without '=' kept", "[SET]\nX\0\n[\nM_LEFT=1\n"s, "SET", "M_LEFT", "4",
       "[SET]\nM_LEFT=4\nX\0\n[\nM_LEFT=1\n"s},
      {"line breaks in a value become blanks", "[A]\nk=v\n", "A", "k", "a\r\nb", "[A]\nk=a  b\n"},
  };
  for (const auto& c : cases) {
    IniDocument ini(c.before);
    ini.WriteString(c.section, c.key, c.value);
    EXPECT_EQ(ini.Bytes(), c.after) << c.what;
    std::string written = c.value;
    for (char& ch : written)
      if (ch == '\r' || ch == '\n') ch = ' ';
    EXPECT_EQ(IniDocument(ini.Bytes()).ReadString(c.section, c.key), written) << c.what;
  }
}

TEST(IniDocumentTest, WriteIntegerReadsBackAsTheSameNumber) {
  IniDocument ini;
  for (int value : {0, -5, 2147483647, -2147483647 - 1}) {
    ini.WriteInteger("SET", "M_LEFT", value);
    EXPECT_EQ(IniDocument(ini.Bytes()).ReadInteger("SET", "M_LEFT", 1), value);
  }
  EXPECT_EQ(ini.Bytes(), "[SET]\r\nM_LEFT=-2147483648\r\n");
}

}  // namespace
}  // namespace kerovia
