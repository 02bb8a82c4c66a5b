// The real program over bad files: odd place files never block or eat
// memory, a broken archive costs only its own entries, and the store's
// problems are named for what they are.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>

#include "tests/support/program_run.h"
#include "tests/support/temp_folder.h"

namespace {

using giornaro::test_support::TempFolder;

const std::string kData = GIORNARO_TEST_DATA;

struct SheetRun {
  int status;
  nlohmann::json sheet;
  std::string errors;
};

// giornaro --json on 8 December 2025 in `folder`, given at most 20 seconds.
SheetRun sheet(const TempFolder& folder) {
  const auto run = giornaro::test_support::run_program(
      "timeout 20 faketime '2025-12-08 12:00:00' '" GIORNARO_EXE "' --json", folder.path());
  return {run.status, nlohmann::json::parse(run.out, nullptr, false), run.err};
}

void build_store(const TempFolder& folder) {
  const std::string command = "'" GIORNARO_STORE_EXE "' build '" + kData + "/events_OGGI.tsv' '" +
                              kData + "/events_NATI.tsv' '" + (folder / "lune.dat").string() +
                              "' >/dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0);
}

TEST(Reliability, OddPlaceFilesNeitherBlockNorFillMemory) {
  struct Case {
    const char* why;
    std::function<void(const TempFolder&)> make;
    const char* zona;
  } cases[] = {
      {"a pipe", [](const TempFolder& f) { ::mkfifo((f / "luogo.txt").c_str(), 0644); }, "ROMA"},
      {"a link to /dev/zero",
       [](const TempFolder& f) { std::filesystem::create_symlink("/dev/zero", f / "luogo.txt"); },
       "ROMA"},
      {"a folder", [](const TempFolder& f) { std::filesystem::create_directory(f / "luogo.txt"); },
       "ROMA"},
      {"a huge file: only its first line is read",
       [](const TempFolder& f) {
         f.write("luogo.txt", "MILANO\r\n");
         std::filesystem::resize_file(f / "luogo.txt", std::uintmax_t{1} << 30);
       },
       "MILANO"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    TempFolder folder;
    build_store(folder);
    c.make(folder);
    const SheetRun run = sheet(folder);
    EXPECT_EQ(run.status, 0) << run.errors;
    ASSERT_TRUE(run.sheet.is_object()) << run.errors;
    EXPECT_EQ(run.sheet.at("zona"), c.zona);
  }
}

TEST(Reliability, ABrokenArchiveKeepsThePlaceAndTheStoreContent) {
  TempFolder folder;
  build_store(folder);
  folder.write("luogo.txt", "MILANO\r\n");
  std::filesystem::create_directory(folder / "NewData.txt");
  const SheetRun run = sheet(folder);
  EXPECT_EQ(run.status, 3);
  ASSERT_TRUE(run.sheet.is_object()) << run.errors;
  EXPECT_EQ(run.sheet.at("zona"), "MILANO");
  EXPECT_EQ(run.sheet.at("List1").size(), 13u);  // the store's four facts, one in two lines
  EXPECT_EQ(run.sheet.at("List2").size(), 8u);
  EXPECT_EQ(
      run.sheet.at("errors"),
      nlohmann::json::array({"Impossibile leggere NewData.txt: è una cartella, non un file."}));
  EXPECT_EQ(run.errors,
            "giornaro: Impossibile leggere NewData.txt: è una cartella, non un file.\n");
}

TEST(Reliability, AReadOnlyArchiveIsReadWithoutComplaint) {
  TempFolder folder;
  build_store(folder);
  folder.write("NewData.txt", "08/12/1990*Nozze      *Festa\r\n");
  ::chmod((folder / "NewData.txt").c_str(), 0444);
  const SheetRun run = sheet(folder);
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(run.errors, "");
  ASSERT_TRUE(run.sheet.is_object());
  EXPECT_EQ(run.sheet.at("List1").size(), 16u);  // and the archive's entry
}

TEST(Reliability, StoreProblemsAreNamedForWhatTheyAre) {
  struct Case {
    const char* why;
    std::function<void(const TempFolder&)> make;
    const char* error;
  } cases[] = {
      {"an empty file", [](const TempFolder& f) { f.write("lune.dat", ""); },
       "Impossibile aprire lune.dat: il file è vuoto."},
      {"a folder", [](const TempFolder& f) { std::filesystem::create_directory(f / "lune.dat"); },
       "Impossibile aprire lune.dat: è una cartella, non un file."},
      {"a pipe", [](const TempFolder& f) { ::mkfifo((f / "lune.dat").c_str(), 0644); },
       "Impossibile aprire lune.dat: non è un file normale."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    TempFolder folder;
    c.make(folder);
    const SheetRun run = sheet(folder);
    EXPECT_EQ(run.status, 3);
    ASSERT_TRUE(run.sheet.is_object()) << run.errors;
    EXPECT_EQ(run.sheet.at("errors"), nlohmann::json::array({c.error}));
  }
}

}  // namespace
