#include "runtime/text_file.h"

#include <gtest/gtest.h>

#include "runtime/failure.h"
#include "tests/support/temp_folder.h"

namespace giornaro::rt {
namespace {

namespace fs = std::filesystem;

using test_support::file_bytes;
using test_support::put_bytes;
using test_support::TempFolder;

TEST(CodePage, RoundTripByteForByte) {
  struct Case {
    std::string bytes;
    std::string utf8;
  } cases[] = {
      {"FORL\xCC\r\n", "FORLÌ\r\n"},
      {"Luned\xEC", "Lunedì"},
      {"\x80 \x9C \x8A", "€ œ Š"},
      {std::string("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D"},  // undefined bytes
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(cp1252_to_utf8(c.bytes), c.utf8);
    EXPECT_EQ(utf8_to_cp1252(c.utf8), c.bytes);
  }
}

TEST(CodePage, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(utf8_to_cp1252("a\u0101b"), "a?b");      // ā
  EXPECT_EQ(utf8_to_cp1252("x\U0001F311y"), "x?y");  // a four-byte character
  EXPECT_EQ(utf8_to_cp1252("c\xff"
                           "d"),
            "c?d");                              // invalid UTF-8
  EXPECT_EQ(utf8_to_cp1252("end\xC3"), "end?");  // cut-off sequence
}

TEST(SplitLines, EveryLineEnd) {
  struct Case {
    std::string content;
    std::vector<std::string> lines;
  } cases[] = {
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\r\nb", {"a", "b"}},  // last line without its end
      {"", {}},
      {"\r\n", {""}},
      {"a\r\n\r\n", {"a", ""}},
      {"a\n\rb", {"a", "", "b"}},  // LF then CR: two ends
      {"a\r\r\nb", {"a", "", "b"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.content);
    EXPECT_EQ(split_lines(c.content), c.lines);
  }
}

TEST(TextFile, WriteThenReadKeepsTheBytes) {
  TempFolder folder;
  const fs::path file = folder.path() / "luogo.txt";
  put_bytes(file, "old content that is longer\r\n");
  write_text_lines(file, {"FORLÌ", "REGGIO NELL'EMILIA"});
  EXPECT_EQ(file_bytes(file), "FORL\xCC\r\nREGGIO NELL'EMILIA\r\n");
  // Only the file itself is left in the folder.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(TextFile, FailedRewriteLeavesNoTemporaryFile) {
  TempFolder folder;
  const fs::path target = folder.path() / "NewData.txt";
  fs::create_directory(target);  // cannot be replaced by a file
  fs::create_directory(target / "inside");
  EXPECT_THROW(write_text_lines(target, {"x"}), Failure);
  EXPECT_TRUE(fs::is_directory(target / "inside"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(TextFile, FailuresNameTheFile) {
  TempFolder folder;
  try {
    write_text_lines(folder.path() / "no" / "luogo.txt", {"x"});
    FAIL() << "no failure";
  } catch (const Failure& failure) {
    EXPECT_NE(std::string(failure.what()).find("luogo.txt"), std::string::npos);
  }
}

}  // namespace
}  // namespace giornaro::rt
