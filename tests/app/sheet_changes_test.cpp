// Changes of a computed sheet: confirming a place and reading the day lists
// again.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "app/day_sheet.h"
#include "app/headless.h"
#include "place/place_table.h"
#include "runtime/failure.h"
#include "sky/sun.h"

namespace giornaro::app {
namespace {

using namespace std::chrono;

constexpr year_month_day kDay{year{2026}, April, day{6}};

class TempFolder {
 public:
  TempFolder() {
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() /
            ("giornaro-sheet-" + std::to_string(seed()) + std::to_string(seed()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() { std::filesystem::remove_all(path_); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

std::string file_bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void write_bytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// Everything the window shows except the place and its sun.
nlohmann::ordered_json without_place(const DaySheet& sheet) {
  auto json = sheet_to_json(sheet);
  json.erase("zona");
  json.erase("sorge");
  json.erase("tramonta");
  return json;
}

TEST(ConfirmPlace, WritesTheNameAndRecomputesOnlyTheSun) {
  struct Case {
    std::string picked;
    std::string file;  // bytes of luogo.txt afterwards
    int row;           // the row whose code the sun is computed for
  } cases[] = {
      {"MILANO", "MILANO\r\n", 15},
      {"FORLI'", "FORLI'\r\n", 40},   // the apostrophe is kept
      {"FORLÌ", "FORL\xCC\r\n", 39},  // Ì is one byte of the code page
      {"REGGIO NELL'EMILIA", "REGGIO NELL'EMILIA\r\n", 45},
      {"ROMA", "ROMA\r\n", 68},  // the current place, written again
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.picked);
    TempFolder folder;
    DaySheet sheet = compute_day_sheet(kDay, folder.path());
    const auto before = without_place(sheet);
    const int place_index = sheet.place_index;

    confirm_place(sheet, c.picked);

    EXPECT_EQ(file_bytes(folder.path() / "luogo.txt"), c.file);
    EXPECT_EQ(sheet.zona, c.picked);
    const auto sun = sky::Sun(6, 4, 2026, place::places()[static_cast<std::size_t>(c.row)].code);
    EXPECT_EQ(sheet.sorge, sun.sorge);
    EXPECT_EQ(sheet.tramonta, sun.tramonta);
    EXPECT_EQ(without_place(sheet), before);
    EXPECT_EQ(sheet.place_index, place_index);

    // The next start opens on the confirmed place.
    EXPECT_EQ(compute_day_sheet(kDay, folder.path()).zona, c.picked);
  }
}

TEST(ConfirmPlace, NothingChangesWithoutAValidPick) {
  struct Case {
    const char* what;
    std::string picked;
    bool fails;
  } cases[] = {
      {"no pick yet", "", false},
      {"a name in lower case", "milano", true},
      {"a name of no row", "ATLANTIDE", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder folder;
    write_bytes(folder.path() / "luogo.txt", "MILANO\r\n");
    DaySheet sheet = compute_day_sheet(kDay, folder.path());
    const auto before = sheet_to_json(sheet);
    if (c.fails) {
      EXPECT_THROW(confirm_place(sheet, c.picked), Failure);
    } else {
      EXPECT_NO_THROW(confirm_place(sheet, c.picked));
    }
    EXPECT_EQ(sheet_to_json(sheet), before);
    EXPECT_EQ(file_bytes(folder.path() / "luogo.txt"), "MILANO\r\n");
  }
}

TEST(ConfirmPlace, AFileThatCannotBeWrittenLeavesTheSheetAlone) {
  TempFolder folder;
  DaySheet sheet = compute_day_sheet(kDay, folder.path());
  sheet.place_file = folder.path() / "missing-folder" / "luogo.txt";
  const auto before = sheet_to_json(sheet);
  EXPECT_THROW(confirm_place(sheet, "MILANO"), Failure);
  EXPECT_EQ(sheet_to_json(sheet), before);
}

TEST(RefreshDayLists, ReplacesTheListsWithAFreshReading) {
  TempFolder folder;
  DaySheet sheet = compute_day_sheet(kDay, folder.path());
  const DaySheet fresh = sheet;
  sheet.List1 = {{"1900 - VECCHIO", true}, {"riga", false}};
  sheet.List2 = {{"1800 - NATO", true}};
  refresh_day_lists(sheet);
  EXPECT_EQ(sheet.List1, fresh.List1);
  EXPECT_EQ(sheet.List2, fresh.List2);
}

}  // namespace
}  // namespace giornaro::app
