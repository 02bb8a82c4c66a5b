#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "place/place_file.h"
#include "place/place_table.h"
#include "runtime/failure.h"
#include "runtime/sort_order.h"
#include "tests/support/temp_folder.h"

namespace giornaro::place {
namespace {

using test_support::file_bytes;
using test_support::put_bytes;
using test_support::TempFolder;

TEST(PlaceTable, SizeDefaultAndCodes) {
  ASSERT_EQ(places().size(), 108u);
  EXPECT_EQ(kDefaultPlace, 68);
  EXPECT_EQ(places()[68].name, "ROMA");
  EXPECT_EQ(places()[68].code, "122741550020");
  EXPECT_EQ(places()[0].name, "ALESSANDRIA");
  EXPECT_EQ(places()[107].name, "CESENA");
  std::set<std::string_view> names;
  std::map<std::string_view, std::vector<std::string_view>> by_code;
  for (const Place& place : places()) {
    SCOPED_TRACE(std::string(place.name));
    EXPECT_TRUE(names.insert(place.name).second) << "name twice";
    ASSERT_EQ(place.code.size(), 12u);
    EXPECT_TRUE(std::all_of(place.code.begin(), place.code.end(),
                            [](char c) { return c >= '0' && c <= '9'; }));
    by_code[place.code].push_back(place.name);
  }
  // Three towns have two names, with one code.
  std::set<std::vector<std::string_view>> shared;
  for (const auto& [code, names_of_code] : by_code) {
    if (names_of_code.size() > 1) shared.insert(names_of_code);
  }
  EXPECT_EQ(shared, (std::set<std::vector<std::string_view>>{
                        {"FORLÌ", "FORLI'"},
                        {"REGGIO NELL'EMILIA", "REGGIO EMILIA"},
                        {"REGGIO DI CALABRIA", "REGGIO CALABRIA"},
                    }));
}

TEST(FindPlace, ExactCaseSensitiveName) {
  struct Case {
    const char* name;
    std::optional<int> index;
  } cases[] = {
      {"MILANO", 15},          {"ROMA", 68},
      {"FORLÌ", 39},           {"FORLI'", 40},
      {"CESENA", 107},         {"milano", std::nullopt},
      {"", std::nullopt},      {"ROMA ", std::nullopt},
      {"FORLI", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(find_place(c.name), c.index);
  }
  EXPECT_EQ(places()[15].code, "091145280122");
}

TEST(SavedPlaceValue, ReadsOneValueOfTheLine) {
  struct Case {
    const char* line;
    const char* value;
  } cases[] = {
      {"MILANO", "MILANO"},
      {"  MILANO  ", "MILANO"},
      {"\tMILANO", "MILANO"},
      {"\"MILANO\"", "MILANO"},
      {"\" ROMA \"", " ROMA "},  // quotes keep the blanks
      {"\"MIL", "MIL"},          // an unclosed quote runs to the end
      {"\"A,B\",C", "A,B"},
      {"MILANO,ROMA", "MILANO"},
      {"REGGIO NELL'EMILIA", "REGGIO NELL'EMILIA"},
      {"", ""},
      {"   ", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(saved_place_value(c.line), c.value);
  }
}

TEST(PlaceFile, ReadAndWriteInTheCodePage) {
  TempFolder folder;
  const auto file = folder / "luogo.txt";
  EXPECT_THROW(read_saved_place(file), Failure);  // missing
  put_bytes(file, "");
  EXPECT_THROW(read_saved_place(file), Failure);  // empty
  put_bytes(file, "FORL\xCC\r\nROMA\r\n");
  EXPECT_EQ(read_saved_place(file), "FORLÌ");
  put_bytes(file, "\r\n");
  EXPECT_EQ(read_saved_place(file), "");
  write_saved_place(file, "FORLÌ");
  EXPECT_EQ(file_bytes(file), "FORL\xCC\r\n");
  write_saved_place(file, "MILANO");
  EXPECT_EQ(file_bytes(file), "MILANO\r\n");
  EXPECT_EQ(read_saved_place(file), "MILANO");
}

// The list as start-up fills it, rebuilt independently: after adding name i,
// the row that is then last (index i) gets the flag of i.
ListRows expected_place_list() {
  std::vector<std::string> added;
  std::map<std::string, bool> flag;
  for (int i = 0; i < kPlaceCount; ++i) {
    added.emplace_back(places()[static_cast<std::size_t>(i)].name);
    std::vector<std::string> sorted = added;
    rt::sort_texts(sorted);
    flag[sorted[static_cast<std::size_t>(i)]] = (i % 2 == 0);
  }
  rt::sort_texts(added);
  ListRows rows;
  for (const auto& name : added) rows.push_back({name, flag[name]});
  return rows;
}

TEST(PlaceList, SortedRowsWithTheStartUpFlags) {
  const ListRows rows = place_list_rows();
  ASSERT_EQ(rows.size(), 108u);
  for (std::size_t i = 1; i < rows.size(); ++i) {
    EXPECT_FALSE(rt::sorts_before(rows[i].text, rows[i - 1].text)) << rows[i].text;
  }
  EXPECT_EQ(rows, expected_place_list());
  EXPECT_EQ(rows.front().text, "AGRIGENTO");
  EXPECT_EQ(rows.back().text, "VITERBO");
  // The flags are not a plain stripe pattern until the first click.
  ListRows striped = rows;
  apply_stripes(striped);
  EXPECT_NE(rows, striped);
  for (std::size_t i = 0; i < striped.size(); ++i) EXPECT_EQ(striped[i].selected, i % 2 == 0);
}

TEST(PlaceList, ApostropheSortsBeforeLetters) {
  const ListRows rows = place_list_rows();
  auto index_of = [&](std::string_view name) {
    return std::find_if(rows.begin(), rows.end(),
                        [&](const ListRow& r) { return r.text == name; }) -
           rows.begin();
  };
  EXPECT_LT(index_of("FORLI'"), index_of("FORLÌ"));
  EXPECT_LT(index_of("L'AQUILA"), index_of("LA SPEZIA"));
  EXPECT_LT(index_of("REGGIO CALABRIA"), index_of("REGGIO DI CALABRIA"));
}

TEST(ShortPlaceName, CutFromTwelveCharacters) {
  struct Case {
    const char* name;
    const char* shown;
  } cases[] = {
      {"ALESSANDRIA", "ALESSANDRIA"},     // 11
      {"CALTANISETTA", "CALTANISETT."},   // 12
      {"VIBO VALENTIA", "VIBO VALENT."},  // 13
      {"REGGIO NELL'EMILIA", "REGGIO NELL."},
      {"FORLÌ", "FORLÌ"},
      {"ÌÌÌÌÌÌÌÌÌÌÌ", "ÌÌÌÌÌÌÌÌÌÌÌ"},  // 11 characters, 22 bytes
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(short_place_name(c.name), c.shown);
  }
}

}  // namespace
}  // namespace giornaro::place
