#include "archive/archive_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <filesystem>
#include <functional>
#include <thread>

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

  rewrite_archive(path, [](std::vector<std::string>) {
    return std::vector<std::string>{"01/01/2000*Sport      *Capodanno"};
  });
  EXPECT_EQ(folder.read("NewData.txt"), "01/01/2000*Sport      *Capodanno\r\n");
  EXPECT_FALSE(std::filesystem::exists(folder / "NewData.txt.tmp"));
  EXPECT_THROW(read_archive(folder / "manca.txt"), Failure);
}

TEST(ArchiveFile, AppendAfterALastLineWithoutItsEnd) {
  struct Case {
    const char* why;
    std::string before, after;
  } cases[] = {
      {"empty file", "", "R\r\n"},
      {"CR LF", "a\r\n", "a\r\nR\r\n"},
      {"no line end: one is added first", "a", "a\r\nR\r\n"},
      {"a lone LF ends the line", "a\n", "a\nR\r\n"},
      {"a lone CR ends the line", "a\r", "a\rR\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    TempFolder folder;
    folder.write("NewData.txt", c.before);
    append_record(folder / "NewData.txt", "R");
    EXPECT_EQ(folder.read("NewData.txt"), c.after);
  }
}

// Lets the process write files no larger than `limit` bytes while it lives, as
// a full disk would: a write past it fails (EFBIG) after writing what fits.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t limit) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit lower = old_;
    lower.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &lower);
  }
  ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old_); }

 private:
  rlimit old_{};
};

TEST(ArchiveFile, AFullDiskLeavesTheArchiveAsItWas) {
  TempFolder folder;
  const std::string file = "05/09/1990*Nozze      *Anna\r\n";
  folder.write("NewData.txt", file);
  const auto path = folder / "NewData.txt";
  {
    FileSizeLimit full(file.size() + 10);  // room for half a record
    EXPECT_THROW(append_record(path, "07/09/2022*Musica     *Concerto"), Failure);
    EXPECT_EQ(folder.read("NewData.txt"), file);
    EXPECT_THROW(rewrite_archive(path,
                                 [](std::vector<std::string> lines) {
                                   lines.push_back(std::string(200, 'x'));
                                   return lines;
                                 }),
                 Failure);
    EXPECT_EQ(folder.read("NewData.txt"), file);
    EXPECT_FALSE(std::filesystem::exists(folder / "NewData.txt.tmp"));
  }
  append_record(path, "07/09/2022*Musica     *Concerto");
  EXPECT_EQ(read_archive(path).back(), "07/09/2022*Musica     *Concerto");
}

TEST(ArchiveFile, RewriteKeepsPermissionsOwnerAndLinks) {
  TempFolder folder;
  std::filesystem::create_directory(folder / "vero");
  const auto target = folder.write("vero/archivio.txt", "a\r\nb\r\n");
  ::chmod(target.c_str(), 0600);
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(target.c_str(), 4321, 4321), 0);
  }
  std::filesystem::create_symlink(target, folder / "NewData.txt");

  const auto drop_a = [](std::vector<std::string> lines) {
    std::erase(lines, "a");
    return lines;
  };
  rewrite_archive(folder / "NewData.txt", drop_a);
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "NewData.txt"));
  EXPECT_EQ(folder.read("vero/archivio.txt"), "b\r\n");
  struct stat st {};
  ASSERT_EQ(::stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
  if (root) {
    EXPECT_EQ(st.st_uid, 4321u);
    EXPECT_EQ(st.st_gid, 4321u);
  }

  // A file nobody may write is refused by both writers, whoever runs them.
  ::chmod(target.c_str(), 0444);
  EXPECT_THROW(rewrite_archive(folder / "NewData.txt", drop_a), Failure);
  EXPECT_THROW(append_record(folder / "NewData.txt", "c"), Failure);
  EXPECT_EQ(folder.read("vero/archivio.txt"), "b\r\n");
}

TEST(ArchiveFile, OnlyRegularFilesAndWithoutBlocking) {
  TempFolder folder;
  const auto path = folder / "NewData.txt";
  ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
  const auto message = [](const std::function<void()>& action) {
    try {
      action();
    } catch (const Failure& failure) {
      return std::string(failure.what());
    }
    return std::string("no failure");
  };
  EXPECT_EQ(message([&] { read_archive(path); }),
            "Impossibile leggere NewData.txt: è una pipe (FIFO), non un file.");
  EXPECT_EQ(message([&] { append_record(path, "x"); }),
            "Impossibile scrivere NewData.txt: è una pipe (FIFO), non un file.");
  EXPECT_NO_THROW(ensure_archive(path));  // something is there: left alone
  std::filesystem::remove(path);
  std::filesystem::create_symlink("/dev/zero", path);
  EXPECT_EQ(message([&] { read_archive(path); }),
            "Impossibile leggere NewData.txt: è un dispositivo, non un file.");
}

TEST(ArchiveFile, UnicodeFilesAreNeverRewritten) {
  struct Case {
    const char* why;
    std::string bytes;
  } cases[] = {
      {"UTF-16 with its byte-order mark", std::string("\xFF\xFE"
                                                      "0\0"
                                                      "5\0"
                                                      "\r\0\n\0",
                                                      10)},
      {"UTF-16 without a mark: NULs next to the line ends", std::string("0\0"
                                                                        "5\0"
                                                                        "\r\0\n\0",
                                                                        8)},
      {"UTF-8 with its byte-order mark",
       "\xEF\xBB\xBF"
       "05/09/1990*Nozze      *x\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    TempFolder folder;
    folder.write("NewData.txt", c.bytes);
    try {
      rewrite_archive(folder / "NewData.txt", [](std::vector<std::string> lines) { return lines; });
      ADD_FAILURE() << "rewritten";
    } catch (const Failure& failure) {
      EXPECT_NE(std::string(failure.what()).find("Unicode"), std::string::npos) << failure.what();
    }
    EXPECT_THROW(append_record(folder / "NewData.txt", "x"), Failure);
    EXPECT_EQ(folder.read("NewData.txt"), c.bytes);
  }
}

TEST(ArchiveFile, WritersWaitForEachOther) {
  // One editor adds records while another deletes: every record added must
  // survive every rewrite.
  TempFolder folder;
  const auto path = folder / "NewData.txt";
  std::string big;
  for (int i = 0; i < 5000; ++i)
    big += "01/01/2000*Sport      *Vecchio record " + std::to_string(i) + "\r\n";
  folder.write("NewData.txt", big);
  std::atomic<bool> deleting{true};
  int added = 0;
  std::thread adder([&] {
    while (deleting || added < 50) {
      append_record(path, "02/02/2002*Nozze      *Nuovo " + std::to_string(added++));
    }
  });
  for (int i = 0; i < 10; ++i) {
    rewrite_archive(path, [](std::vector<std::string> lines) {
      std::erase(lines, "01/01/2000*Sport      *Vecchio record 1");
      return lines;
    });
  }
  deleting = false;
  adder.join();
  const auto lines = read_archive(path);
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const std::string& line) { return line.starts_with("02/02/2002"); }),
            added);
  EXPECT_EQ(lines.size(), 5000u - 1 + static_cast<std::size_t>(added));
}

TEST(ArchiveFile, LeftoverTemporaryIsRemoved) {
  TempFolder folder;
  folder.write("NewData.txt", "a\r\n");
  folder.write("NewData.txt.tmp", "a\r\nmezzo");
  remove_leftover_temporary(folder / "NewData.txt");
  EXPECT_FALSE(std::filesystem::exists(folder / "NewData.txt.tmp"));
  EXPECT_EQ(folder.read("NewData.txt"), "a\r\n");
}

TEST(ArchiveRecord, CharactersOutsideTheCodePage) {
  EXPECT_EQ(first_character_outside_code_page("Perché sì € – “x”"), std::nullopt);
  EXPECT_EQ(first_character_outside_code_page("Caffè ☕ e →"), "☕");
  EXPECT_EQ(first_character_outside_code_page("Łódź"), "Ł");
}

}  // namespace
}  // namespace giornaro::archive
