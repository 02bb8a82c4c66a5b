#include "archive/editor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/support/temp_folder.h"

namespace giornaro::archive {
namespace {

using giornaro::test_support::TempFolder;
using Lines = std::vector<std::string>;

constexpr const char* kFile = "NewData.txt";

TEST(EditorChecks, EntryDates) {
  struct Case {
    const char* date;
    bool valid;
  } cases[] = {
      {"05/09/2020", true},   {"29/02/2020", true},  {"31/12/0476", true},
      {"31/02/2020", false},  // no such day
      {"29/02/2021", false},  // not a leap year
      {"5/9/2020", false},    // not 10 characters
      {"05/9/20200", false},  // year of five digits
      {"05/13/2020", false},  // month above 12
      {"13/05/2020", true},   // day above 12 is fine
      {"05-09-2020", false},  // "/" must be third
      {"2020/09/05", false},  {"05/09/202a", false}, {"", false},
      {"05/09/2020 ", false},  // 11 characters
      {"00/09/2020", false},  {"05/00/2020", false}, {"05/09/0000", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.date);
    EXPECT_EQ(is_valid_entry_date(c.date), c.valid);
  }
}

TEST(EditorChecks, CategoryRewriteAndLookup) {
  struct Case {
    const char* typed;
    const char* caption;
    bool known;
  } cases[] = {
      {"nozze", "Nozze", true},
      {"  NOZZE  ", "Nozze", true},
      {"Funerali  ", "Funerali", true},
      {"aVVENIMENTI", "Avvenimenti", true},
      {"sport", "Sport", true},
      {"Matrimoni", "Matrimoni", false},
      {"Nozz", "Nozz", false},
      {"Nozze x", "Nozze x", false},
      {"èlite", "Èlite", false},  // accented first letter still upper-cased
      {"", "", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    EXPECT_EQ(category_caption(c.typed), c.caption);
    EXPECT_EQ(is_known_category(category_caption(c.typed)), c.known);
  }
  EXPECT_EQ(category_items()[3], "Funerali  ");
  EXPECT_EQ(category_items()[0], "Avvenimenti");
  EXPECT_EQ(category_items()[9], "Sport     ");
}

std::string shown(std::string_view date, std::string_view category, std::string_view text) {
  return std::string(date) + "     " + std::string(category) + "     " + std::string(text);
}

TEST(EditorLists, ItemsAndLinesFromARecord) {
  struct Case {
    const char* why;
    std::string_view line;
    std::string list2, list4, list1;
  } cases[] = {
      {"a full record", "05/09/1990*Nozze      *Festa", "19900905*Nozze      *Festa",
       "09051990Nozze      Festa", shown("05/09/1990", "Nozze      ", "Festa")},
      {"no text", "29/02/2000*Lutti      *", "20000229*Lutti      *", "02292000Lutti      ",
       shown("29/02/2000", "Lutti      ", "")},
      {"accents count as one character", "01/01/2001*Città      *Perché sì",
       "20010101*Città      *Perché sì", "01012001Città      Perché sì",
       shown("01/01/2001", "Città      ", "Perché sì")},
      {"a line without \"*\"", "01/01/2001", "20010101**", "01012001",
       shown("01/01/2001", std::string(11, ' '), "")},
      {"a text holding \"*\" is read whole", "05/09/1990*Nozze      *5*3",
       "19900905*Nozze      *5*3", "09051990Nozze      5*3",
       shown("05/09/1990", "Nozze      ", "5*3")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(list2_item(c.line), c.list2);
    EXPECT_EQ(list4_item(c.line), c.list4);
    EXPECT_EQ(list1_line(c.line), c.list1);
    EXPECT_EQ(fields_of_line(c.list1).Text2, read_record(c.line).text);
  }
}

TEST(EditorLists, SelectedLineFillsTheFields) {
  struct Case {
    const char* why;
    std::string line;
    EditorFields fields;
  } cases[] = {
      {"a record",
       shown("05/09/1990", "Nozze      ", "Festa di Anna"),
       {"05/09/1990", "Nozze", "Festa di Anna"}},
      {"a full category field",
       shown("05/09/1990", "Anniversari", "x"),
       {"05/09/1990", "Anniversari", "x"}},
      {"no text", shown("05/09/1990", "Lutti      ", ""), {"05/09/1990", "Lutti", ""}},
      {"blanks of the text are kept",
       shown("05/09/1990", "Sport      ", " a  b "),
       {"05/09/1990", "Sport", " a  b "}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(fields_of_line(c.line), c.fields);
  }
}

// An editor over a fresh folder whose archive holds `bytes`.
struct Archive {
  explicit Archive(std::string_view bytes) {
    folder.write(kFile, bytes);
    editor.FullDB();
    editor.Carica();
  }
  std::string bytes() const { return folder.read(kFile); }

  TempFolder folder;
  ArchiveEditor editor{folder.path()};
};

TEST(ArchiveEditor, ListsRecordsInDateOrderWhateverTheFileOrder) {
  Archive archive(
      "05/09/1990*Nozze      *Zeta\r\n"
      "01/01/2001*Sport      *Capodanno\r\n"
      "05/09/1990*Lutti      *Nonno\r\n"
      "\r\n"
      "31/12/1850*Musica     *Concerto\r\n"
      "05/09/1990*Nozze      *alfa\r\n"
      "04/10/1990*Astronomia *Eclissi\r\n");
  EXPECT_EQ(archive.editor.Rec(), 6);  // the empty line is no record
  EXPECT_EQ(archive.editor.List1(), (Lines{
                                        shown("31/12/1850", "Musica     ", "Concerto"),
                                        shown("05/09/1990", "Lutti      ", "Nonno"),
                                        shown("05/09/1990", "Nozze      ", "alfa"),
                                        shown("05/09/1990", "Nozze      ", "Zeta"),
                                        shown("04/10/1990", "Astronomia ", "Eclissi"),
                                        shown("01/01/2001", "Sport      ", "Capodanno"),
                                    }));
  EXPECT_TRUE(archive.editor.search_key_enabled());
  EXPECT_EQ(archive.editor.List4().front(), "01012001Sport      Capodanno");
}

TEST(ArchiveEditor, MissingOrEmptyArchive) {
  TempFolder folder;
  ArchiveEditor editor(folder.path());
  editor.FullDB();
  EXPECT_TRUE(editor.List4().empty());
  EXPECT_FALSE(std::filesystem::exists(folder / kFile));
  editor.Carica();
  EXPECT_TRUE(std::filesystem::exists(folder / kFile));  // created empty
  EXPECT_EQ(folder.read(kFile), "");
  EXPECT_EQ(editor.Rec(), 0);
  EXPECT_TRUE(editor.List1().empty());
  EXPECT_FALSE(editor.search_key_enabled());
  EXPECT_FALSE(editor.search_buttons_enabled("05/09"));
}

TEST(ArchiveEditor, UnreadableArchiveIsALoadFailure) {
  TempFolder folder;
  std::filesystem::create_directory(folder / kFile);
  ArchiveEditor editor(folder.path());
  EXPECT_THROW(editor.FullDB(), LoadFailure);
  EXPECT_THROW(editor.Carica(), LoadFailure);
}

TEST(ArchiveEditor, AddChecksTheFieldsBeforeWriting) {
  struct Case {
    const char* why;
    const char* date;
    const char* tipo;
    AddOutcome outcome;
    std::string Tipo;    // what the category box shows afterwards
    std::string record;  // the line appended, empty when refused
  } cases[] = {
      {"an impossible day", "31/02/2020", "Nozze", AddOutcome::BadDate, "Nozze", ""},
      {"not 10 characters", "5/9/2020", "Nozze", AddOutcome::BadDate, "Nozze", ""},
      {"month above 12", "05/13/2020", "nozze", AddOutcome::BadDate, "nozze", ""},
      {"no category", "05/09/2020", "   ", AddOutcome::BadCategory, "   ", ""},
      {"unknown category", "05/09/2020", "matrimoni", AddOutcome::BadCategory, "Matrimoni", ""},
      {"lower case name", "05/09/2020", "nozze", AddOutcome::Added, "Nozze",
       "05/09/2020*Nozze      *Festa\r\n"},
      {"a padded box item", "05/09/2020", "Funerali  ", AddOutcome::Added, "Funerali",
       "05/09/2020*Funerali   *Festa\r\n"},
      {"the longest name", "05/09/2020", "ANNIVERSARI", AddOutcome::Added, "Anniversari",
       "05/09/2020*Anniversari*Festa\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Archive archive("01/01/2001*Sport      *Capodanno\r\n");
    const AddResult result = archive.editor.add(c.date, c.tipo, "Festa");
    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_EQ(result.Tipo, c.Tipo);
    EXPECT_EQ(archive.bytes(), "01/01/2001*Sport      *Capodanno\r\n" + c.record);
    EXPECT_EQ(archive.editor.Rec(), c.record.empty() ? 1 : 2);
  }
}

TEST(ArchiveEditor, AddedTextKeepsTheRecordOnOneLine) {
  struct Case {
    const char* why;
    std::string text;
    std::string stored;
  } cases[] = {
      {"plain", "Festa", "Festa"},
      {"empty", "", ""},
      {"pasted \"*\" removed", "5*3 = 15", "53 = 15"},
      {"pasted line breaks become blanks", "uno\ndue\r\ntre", "uno due tre"},
      {"accents in the code page", "Perché sì", "Perch\xe9 s\xec"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Archive archive("");
    ASSERT_EQ(archive.editor.add("05/09/2020", "Lutti", c.text).outcome, AddOutcome::Added);
    EXPECT_EQ(archive.bytes(), "05/09/2020*Lutti      *" + c.stored + "\r\n");
    EXPECT_EQ(archive.editor.Rec(), 1);
    // The record added is deleted again from the same fields.
    EXPECT_EQ(archive.editor.remove("05/09/2020", "Lutti", c.text), 1);
    EXPECT_EQ(archive.bytes(), "");
  }
}

TEST(ArchiveEditor, AddedRecordIsFoundAtOnce) {
  Archive archive("05/09/1990*Nozze      *Anna\r\n06/09/1990*Nozze      *Bea\r\n");
  ASSERT_EQ(archive.editor.add("05/09/2021", "lutti", "Nonno").outcome, AddOutcome::Added);
  EXPECT_TRUE(archive.editor.search("05/09"));
  EXPECT_EQ(archive.editor.Fin(), 2);
  EXPECT_EQ(archive.editor.List1(), (Lines{shown("05/09/1990", "Nozze      ", "Anna"),
                                           shown("05/09/2021", "Lutti      ", "Nonno")}));
}

TEST(ArchiveEditor, SearchKeys) {
  struct Case {
    const char* key;
    bool accepted;
    int found;
  } cases[] = {
      {"05/09", true, 2}, {"06/09", true, 1}, {"09/05", true, 0}, {"0509", false, 0},
      {"5/9", false, 0},  {"", false, 0},     {"05-09", true, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    Archive archive(
        "05/09/1990*Nozze      *Anna\r\n06/09/1990*Nozze      *Bea\r\n"
        "05/09/1880*Lutti      *Nonno\r\n");
    const Lines all = archive.editor.List1();
    EXPECT_EQ(archive.editor.search(c.key), c.accepted);
    EXPECT_EQ(archive.editor.Fin(), c.found);
    if (c.accepted) {
      EXPECT_EQ(archive.editor.List1().size(), static_cast<std::size_t>(c.found));
    } else {
      EXPECT_EQ(archive.editor.List1(), all);
    }
    archive.editor.reset();
    EXPECT_EQ(archive.editor.Fin(), 0);
    EXPECT_EQ(archive.editor.List1(), all);
  }
}

TEST(ArchiveEditor, DeleteDropsEveryEqualLine) {
  const std::string file =
      "05/09/1990*Nozze      *Anna\r\n"
      "\r\n"
      "01/01/2001*Sport      *Capodanno\r\n"
      "05/09/1990*Nozze      *Anna\r\n"
      "05/09/1990*Nozze      *Anna e Bea\r\n";
  const std::string others =
      "01/01/2001*Sport      *Capodanno\r\n05/09/1990*Nozze      *Anna e Bea\r\n";
  struct Case {
    const char* why;
    const char* date;
    const char* tipo;
    const char* text;
    int dropped;
    std::string left;
  } cases[] = {
      {"both twins go, and the empty line", "05/09/1990", "Nozze", "Anna", 2, others},
      {"a box item with its blanks", "05/09/1990", "Nozze     ", "Anna", 2, others},
      {"the category is not rewritten", "05/09/1990", "nozze", "Anna", 0,
       "05/09/1990*Nozze      *Anna\r\n" + others.substr(0, 34) +
           "05/09/1990*Nozze      *Anna\r\n" + others.substr(34)},
      {"a category longer than 11", "05/09/1990", "Nozze      x", "Anna", 0,
       "05/09/1990*Nozze      *Anna\r\n" + others.substr(0, 34) +
           "05/09/1990*Nozze      *Anna\r\n" + others.substr(34)},
      {"empty fields", "", "", "", 0,
       "05/09/1990*Nozze      *Anna\r\n" + others.substr(0, 34) +
           "05/09/1990*Nozze      *Anna\r\n" + others.substr(34)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Archive archive(file);
    archive.editor.search("05/09");
    ASSERT_EQ(archive.editor.Fin(), 3);
    EXPECT_EQ(archive.editor.remove(c.date, c.tipo, c.text), c.dropped);
    EXPECT_EQ(archive.bytes(), c.left);
    EXPECT_EQ(archive.editor.Fin(), 0);
    EXPECT_EQ(archive.editor.Rec(), 4 - c.dropped);
    EXPECT_EQ(archive.editor.List1().size(), static_cast<std::size_t>(4 - c.dropped));
    EXPECT_EQ(archive.editor.List3().size(), static_cast<std::size_t>(4 - c.dropped));
    EXPECT_EQ(archive.editor.List4().size(), static_cast<std::size_t>(4 - c.dropped));
    EXPECT_FALSE(std::filesystem::exists(archive.folder / "NewData.txt.tmp"));
  }
}

TEST(ArchiveEditor, FailedDeleteLeavesTheArchive) {
  const std::string file = "05/09/1990*Nozze      *Anna\r\n01/01/2001*Sport      *Capodanno\r\n";
  Archive archive(file);
  // The temporary file cannot be made: a folder stands in its place.
  std::filesystem::create_directory(archive.folder / "NewData.txt.tmp");
  EXPECT_THROW(archive.editor.remove("05/09/1990", "Nozze", "Anna"), Failure);
  EXPECT_EQ(archive.bytes(), file);
  EXPECT_EQ(archive.editor.List4().size(), 2u);
  EXPECT_EQ(archive.editor.Rec(), 2);
}

TEST(ArchiveEditor, FailedAddWritesNothing) {
  TempFolder folder;
  ArchiveEditor editor(folder.path());
  std::filesystem::create_directory(folder / kFile);
  EXPECT_THROW(editor.add("05/09/2020", "Nozze", "Festa"), Failure);
}

TEST(ArchiveEditor, AddGivesTheListsAFreshReadingWouldGive) {
  struct Case {
    const char* why;
    std::string file;
    std::string other_editor;  // appended behind this editor's back
  } cases[] = {
      {"records around the new one",
       "01/01/2001*Sport      *Capodanno\r\n05/09/1990*Nozze      *Zeta\r\n", ""},
      {"a twin of the new one, accents", "05/09/1990*Lutti      *Perch\xe9\r\n", ""},
      {"a last line without its end", "05/09/1990*Nozze      *Anna", ""},
      {"another editor added a record meanwhile", "05/09/1990*Nozze      *Anna\r\n",
       "06/09/1990*Lutti      *Zio\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Archive archive(c.file);
    archive.editor.search("05/09");
    if (!c.other_editor.empty()) {
      std::ofstream(archive.folder / kFile, std::ios::binary | std::ios::app) << c.other_editor;
    }
    ASSERT_EQ(archive.editor.add("05/09/1990", "Lutti", "Perché").outcome, AddOutcome::Added);
    ArchiveEditor fresh(archive.folder.path());
    fresh.FullDB();
    fresh.Carica();
    EXPECT_EQ(archive.editor.List1(), fresh.List1());
    EXPECT_EQ(archive.editor.List2(), fresh.List2());
    EXPECT_EQ(archive.editor.List4(), fresh.List4());
    EXPECT_EQ(archive.editor.Rec(), fresh.Rec());
    EXPECT_TRUE(archive.editor.search("06/09"));
    EXPECT_EQ(archive.editor.Fin(), c.other_editor.empty() ? 0 : 1);
  }
}

TEST(ArchiveEditor, DeleteFindsTextsWithAStarAndRefusesForeignCharacters) {
  Archive archive("05/09/1990*Nozze      *5*3 = 15\r\n05/09/1990*Nozze      *53 = 15\r\n");
  const EditorFields fields = fields_of_line(archive.editor.List1()[0]);
  EXPECT_EQ(fields.Text2, "5*3 = 15");
  EXPECT_EQ(archive.editor.remove(fields.Text1, fields.Tipo, fields.Text2), 1);
  EXPECT_EQ(archive.bytes(), "05/09/1990*Nozze      *53 = 15\r\n");

  const AddResult refused = archive.editor.add("05/09/2020", "Lutti", "Caffè ☕");
  EXPECT_EQ(refused.outcome, AddOutcome::BadCharacter);
  EXPECT_EQ(refused.character, "☕");
  EXPECT_EQ(archive.bytes(), "05/09/1990*Nozze      *53 = 15\r\n");
}

}  // namespace
}  // namespace giornaro::archive
