#include "archive/archive_file.h"

#include <gtest/gtest.h>

#include "runtime/failure.h"
#include "tests/support/temp_folder.h"

namespace giornaro::archive {
namespace {

using giornaro::test_support::TempFolder;

TEST(ArchiveRecord, MakeRecordPadsTheCategoryAndKeepsOneLine) {
  struct Case {
    const char* why;
    std::string_view date, category, text;
    std::string record;
  } cases[] = {
      {"a short name is padded to 11", "05/09/1990", "Nozze", "Festa",
       "05/09/1990*Nozze      *Festa"},
      {"the longest names fill the field", "05/09/1990", "Anniversari", "",
       "05/09/1990*Anniversari*"},
      {"a longer category is kept whole", "05/09/1990", "Matrimonio!!", "x",
       "05/09/1990*Matrimonio!!*x"},
      {"accented letters count as one character", "05/09/1990", "Città", "Perché sì",
       "05/09/1990*Città      *Perché sì"},
      {"\"*\" is removed from the text", "05/09/1990", "Lutti", "a*b**c",
       "05/09/1990*Lutti      *abc"},
      {"each line break becomes one blank", "05/09/1990", "Lutti", "uno\r\ndue\ntre\rquattro",
       "05/09/1990*Lutti      *uno due tre quattro"},
      {"what the code page cannot hold becomes ?", "05/09/1990", "Lutti", "a → b €",
       "05/09/1990*Lutti      *a ? b €"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(make_record(c.date, c.category, c.text), c.record);
  }
}

TEST(ArchiveRecord, ReadRecordTakesFixedPositions) {
  struct Case {
    const char* why;
    std::string_view line;
    ArchiveRecord record;
  } cases[] = {
      {"a full record", "05/09/1990*Nozze      *Festa", {"05/09/1990", "Nozze      ", "Festa"}},
      {"positions count characters",
       "05/09/1990*Città      *Perché",
       {"05/09/1990", "Città      ", "Perché"}},
      {"a short line reads as empty past its end", "05/09", {"05/09", "", ""}},
      {"an empty line", "", {"", "", ""}},
      {"no text", "05/09/1990*Nozze      *", {"05/09/1990", "Nozze      ", ""}},
      {"a short category moves the second \"*\" into the field",
       "05/09/1990*Nozze*Festa",
       {"05/09/1990", "Nozze*Festa", ""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(read_record(c.line), c.record);
  }
}

TEST(ArchiveFile, StoresCodePageBytesWithCrLf) {
  TempFolder folder;
  const auto path = archive_path(folder.path());
  EXPECT_EQ(path.filename(), "NewData.txt");

  append_record(path, make_record("05/09/1990", "Nozze", "Perché sì"));
  append_record(path, make_record("29/02/2000", "Lutti", ""));
  EXPECT_EQ(folder.read("NewData.txt"),
            "05/09/1990*Nozze      *Perch\xe9 s\xec\r\n29/02/2000*Lutti      *\r\n");
  EXPECT_EQ(read_archive(path), (std::vector<std::string>{"05/09/1990*Nozze      *Perché sì",
                                                          "29/02/2000*Lutti      *"}));

  rewrite_archive(path, {"01/01/2000*Sport      *Capodanno"});
  EXPECT_EQ(folder.read("NewData.txt"), "01/01/2000*Sport      *Capodanno\r\n");
  EXPECT_THROW(read_archive(folder / "manca.txt"), Failure);
}

}  // namespace
}  // namespace giornaro::archive
