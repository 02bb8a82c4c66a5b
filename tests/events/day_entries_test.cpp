#include "events/day_entries.h"

#include <gtest/gtest.h>

#include "tests/events/printers.h"

#include "events/ordering.h"
#include "runtime/failure.h"

namespace giornaro::events {
namespace {

using namespace std::chrono;

// The two passes over whole tables, as the store feeds them record by record.
std::vector<DayEntry> collect_facts(const std::vector<FactRecord>& records, std::string_view GGDD,
                                    year_month_day today) {
  FactsPass pass(GGDD, today);
  for (const auto& record : records) pass.add(record);
  return std::move(pass.entries());
}

void add_births(const std::vector<BirthRecord>& records, std::string_view GGDD,
                year_month_day today, ListRows& List2) {
  for (const auto& record : records) add_birth(record, GGDD, today, List2);
}

TEST(FactsPass, CollectsEntriesOfTheDay) {
  struct Case {
    const char* why;
    std::string key;
    year_month_day today;
    std::vector<FactRecord> records;
    std::vector<DayEntry> expected;
  } cases[] = {
      {"a head and two continuations make one entry, joined without blanks",
       "08/12",
       2025y / December / 8,
       {{"08/12/1854", "- Papa Pio IX", "*"},
        {"08/12/1854", "* proclama", ""},
        {"08/12/1854", "* il dogma", ""}},
       {{"1854 - AVVENIMENTI (171 ANNI AD OGGI)  (Venerdì)", "Papa Pio IX proclama il dogma"}}},
      {"a lower year after a higher one starts its own entry and loses nothing",
       "08/12",
       2025y / December / 8,
       {{"08/12/1900", "- Primo", "*"}, {"08/12/1850", "- Secondo", "*"}},
       {{"1900 - AVVENIMENTI (125 ANNI AD OGGI)  (Sabato)", "Primo"},
        {"1850 - AVVENIMENTI (175 ANNI AD OGGI)  (Domenica)", "Secondo"}}},
      {"an unknown code keeps the category of the previous fact; records of other days change "
       "nothing",
       "08/12",
       2025y / December / 8,
       {{"08/12/1900", "- Gara", "SP"},
        {"09/12/1901", "- Altro giorno", "MU"},
        {"08/12/1950", "- Boh", "XX"}},
       {{"1900 - SPORT (125 ANNI AD OGGI)  (Sabato)", "Gara"},
        {"1950 - SPORT (75 ANNI AD OGGI)  (Venerdì)", "Boh"}}},
      {"an unknown code first of all gives an empty name: two blanks before the bracket",
       "08/12",
       2025y / December / 8,
       {{"08/12/1900", "- Boh", "sp"}},
       {{"1900 -  (125 ANNI AD OGGI)  (Sabato)", "Boh"}}},
      {"a continuation after a record of another day starts an entry of its own",
       "08/12",
       2025y / December / 8,
       {{"08/12/1900", "- Uno", "*"}, {"09/12/1900", "- Altro", "*"}, {"08/12/1900", "*due", ""}},
       {{"1900 - AVVENIMENTI (125 ANNI AD OGGI)  (Sabato)", "Uno"},
        {"1900 - AVVENIMENTI (125 ANNI AD OGGI)  (Sabato)", "due"}}},
      {"a continuation's own code and year rewrite the header",
       "08/12",
       2025y / December / 8,
       {{"08/12/1900", "- Uno", "*"}, {"08/12/1950", "* due", "SP"}},
       {{"1950 - SPORT (75 ANNI AD OGGI)  (Venerdì)", "Uno due"}}},
      {"years elapsed are a difference of calendar years",
       "31/12",
       2025y / December / 31,
       {{"31/12/2000", "- Fine secolo", "*"}},
       {{"2000 - AVVENIMENTI (25 ANNI AD OGGI)  (Domenica)", "Fine secolo"}}},
      {"a three-digit year is kept as written",
       "25/12",
       2025y / December / 25,
       {{"25/12/800", "- Carlo Magno", "*"}},
       {{"800 - AVVENIMENTI (1225 ANNI AD OGGI)  (Venerdì)", "Carlo Magno"}}},
      {"dates of the day that are no date are skipped with their continuations",
       "29/02",
       2024y / February / 29,
       {{"29/02/1900", "- Mai", "*"},
        {"29/02/1900", "* esistito", ""},
        {"29/02", "- Senza anno", "*"},
        {"29/02/19x0", "- Anno strano", "*"},
        {"29/02/2000", "- Vero", "LT"}},
       {{"2000 - LUTTI (24 ANNI AD OGGI)  (Martedì)", "Vero"}}},
      {"a dato of two characters gives an empty body",
       "08/12",
       2025y / December / 8,
       {{"08/12/1990", "- ", "*"}},
       {{"1990 - AVVENIMENTI (35 ANNI AD OGGI)  (Sabato)", ""}}},
      {"nothing of the day, nothing collected",
       "08/12",
       2025y / December / 8,
       {{"07/12/1990", "- Ieri", "*"}, {"09/12/1990", "* Domani", ""}},
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(collect_facts(c.records, c.key, c.today), c.expected);
  }
}

TEST(FactsPass, EmptyCutFieldsEndThePassKeepingWhatCameBefore) {
  const auto today = 2025y / December / 8;
  FactsPass pass("08/12", today);
  pass.add({"08/12/1990", "- Prima", "*"});
  pass.add({"07/12/1990", "", "*"});  // another day: its dato is never cut
  try {
    pass.add({"08/12/1991", "", "*"});
    FAIL() << "an empty dato of the day must fail";
  } catch (const Failure& failure) {
    EXPECT_NE(std::string(failure.what()).find("lune.dat"), std::string::npos);
    EXPECT_NE(std::string(failure.what()).find("dato"), std::string::npos);
  }
  EXPECT_EQ(pass.entries().size(), 1u);
}

TEST(DayPasses, ARecordWithoutDateIsOfNoDay) {
  // A NULL Data reads as empty text; one such record must not empty every day.
  const auto today = 2025y / December / 8;
  FactsPass pass("08/12", today);
  pass.add({"08/12/1990", "- Prima", "*"});
  EXPECT_NO_THROW(pass.add({"", "- Senza data", "*"}));
  EXPECT_NO_THROW(pass.add({"", "* continua", "*"}));
  pass.add({"08/12/1991", "- Dopo", "*"});
  EXPECT_EQ(pass.entries().size(), 2u);
  ListRows List2;
  EXPECT_NO_THROW(add_birth({"", "X", "noto", ""}, "08/12", today, List2));
  EXPECT_TRUE(List2.empty());
}

TEST(BirthsPass, WritesTitleNotoCosaAndSeparator) {
  const std::string c75(75, 'c');
  const std::string c200 = std::string(75, 'a') + std::string(75, 'b') + std::string(50, 'z');
  struct Case {
    const char* why;
    BirthRecord record;
    std::vector<std::string> lines;
  } cases[] = {
      {"no cosa: title, noto, separator",
       {"01/01/1950", "Mario Rossi", "cantante", ""},
       {"1950 - Mario Rossi (Domenica) ANNI: 76", "Cantante", kSeparator}},
      {"cosa of exactly 75 characters is one line",
       {"01/01/1950", "X", "noto", c75},
       {"1950 - X (Domenica) ANNI: 76", "Noto", c75, kSeparator}},
      {"cosa of 76 characters gives 75 and 1",
       {"01/01/1950", "X", "noto", c75 + "d"},
       {"1950 - X (Domenica) ANNI: 76", "Noto", c75, "d", kSeparator}},
      {"cosa of 200 characters shows its first 150 in two lines",
       {"01/01/1950", "X", "noto", c200},
       {"1950 - X (Domenica) ANNI: 76", "Noto", std::string(75, 'a'), std::string(75, 'b'),
        kSeparator}},
      {"cosa counts characters, not bytes",
       {"01/01/1950", "X", "noto", std::string("è") + c75},
       {"1950 - X (Domenica) ANNI: 76", "Noto", "è" + c75.substr(1), "c", kSeparator}},
      {"the first letter of noto is upper-cased, accents included",
       {"01/01/1950", "X", "èra nota", ""},
       {"1950 - X (Domenica) ANNI: 76", "Èra nota", kSeparator}},
      {"a birth of another day adds nothing", {"02/01/1950", "X", "noto", ""}, {}},
      {"a birth of the day that is no date adds nothing", {"01/01/19-0", "X", "noto", ""}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    ListRows List2;
    add_birth(c.record, "01/01", 2026y / January / 1, List2);
    std::vector<std::string> texts;
    for (const auto& row : List2) texts.push_back(row.text);
    EXPECT_EQ(texts, c.lines);
    for (std::size_t i = 0; i < List2.size(); ++i) EXPECT_EQ(List2[i].selected, i == 0) << i;
  }
}

TEST(BirthsPass, KeepsStoreOrderAndTheBirthDatesOwnWeekday) {
  ListRows List2;
  add_births({{"29/02/1792", "Gioachino Rossini", "compositore", ""},
              {"29/02/1468", "Alessandro Farnese", "papa", ""},
              {"29/02/1900", "Nessuno", "mai nato", ""}},
             "29/02", 2024y / February / 29, List2);
  ASSERT_EQ(List2.size(), 6u);
  EXPECT_EQ(List2[0].text, "1792 - Gioachino Rossini (Mercoledì) ANNI: 232");
  EXPECT_EQ(List2[3].text, "1468 - Alessandro Farnese (Lunedì) ANNI: 556");
}

TEST(BirthsPass, EmptyNotoFailsAfterTheTitleLine) {
  ListRows List2;
  add_birth({"01/01/1950", "A", "primo", ""}, "01/01", 2026y / January / 1, List2);
  EXPECT_THROW(add_birth({"01/01/1960", "B", "", ""}, "01/01", 2026y / January / 1, List2),
               Failure);
  ASSERT_EQ(List2.size(), 4u);
  EXPECT_EQ(List2[3].text, "1960 - B (Venerdì) ANNI: 66");
  EXPECT_NO_THROW(add_birth({"02/01/1960", "C", "", ""}, "01/01", 2026y / January / 1, List2));
}

}  // namespace
}  // namespace giornaro::events
