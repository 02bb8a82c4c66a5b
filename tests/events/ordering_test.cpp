#include "events/ordering.h"

#include <gtest/gtest.h>

#include "tests/events/printers.h"

namespace giornaro::events {
namespace {

std::string rep(std::string_view piece, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

std::vector<std::string> texts(const ListRows& rows) {
  std::vector<std::string> out;
  for (const auto& row : rows) out.push_back(row.text);
  return out;
}

TEST(WrapBody, BreaksAtBlanksPast65AndJoinsShortTailsBelow70) {
  const std::string a50 = rep("a", 50), a60 = rep("a", 60), a30 = rep("a", 30);
  struct Case {
    const char* why;
    std::string body;
    std::vector<std::string> lines;
  } cases[] = {
      {"empty body: one empty line", "", {""}},
      {"65 characters: one line", rep("x", 65), {rep("x", 65)}},
      {"66 characters without blanks: one tail line of 66", rep("x", 66), {rep("x", 66)}},
      {"65 accented characters are still one line", rep("è", 65), {rep("è", 65)}},
      {"tail joined when the joined line stays under 70: two blanks at the join",
       a50 + " " + rep("b", 16),
       {a50 + "  " + rep("b", 16)}},
      {"joined length counts characters",
       rep("è", 50) + " " + rep("b", 16),
       {rep("è", 50) + "  " + rep("b", 16)}},
      {"tail not joined at 70 or more: pending and tail each lose one leading blank",
       a60 + " " + rep("b", 10),
       {a60, rep("b", 10)}},
      {"a line is written as soon as it passes 65, with the word that passes",
       a30 + " " + rep("b", 40) + " " + rep("c", 5),
       {a30 + " " + rep("b", 40), rep("c", 5)}},
      {"a pending line of exactly 65 waits for the next word",
       a30 + " " + rep("b", 34) + " " + rep("c", 10) + " " + rep("d", 3),
       {a30 + " " + rep("b", 34) + " " + rep("c", 10), rep("d", 3)}},
      {"a word longer than 65 is a line of its own",
       rep("x", 70) + " fine",
       {rep("x", 70), "fine"}},
      {"the last character is never a break: a trailing blank stays",
       rep("a", 66) + " ",
       {rep("a", 66) + " "}},
      {"a leading blank of the whole body is dropped from the tail",
       " " + rep("a", 69),
       {rep("a", 69)}},
      {"pieces keep the blank that ended the previous piece",
       rep("w ", 40),  // 80 characters, words of one letter
       // the join keeps the pending line's leading blank
       {rep("w ", 33) + "w", " w w w w w  w "}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(wrap_body(c.body), c.lines);
  }
}

TEST(Swappa, SortsWholeHeaderBodyPairsIgnoringCaseStably) {
  struct Case {
    const char* why;
    std::vector<DayEntry> entries;
    std::vector<DayEntry> sorted;
  } cases[] = {
      {"a body holding \"*\" is kept whole",
       {{"1990 - B", "uno*due"}, {"1980 - A", "tre*quattro"}},
       {{"1980 - A", "tre*quattro"}, {"1990 - B", "uno*due"}}},
      {"years compare as text: 1492 before 476",
       {{"476 - A", "x"}, {"1492 - A", "y"}},
       {{"1492 - A", "y"}, {"476 - A", "x"}}},
      {"same header: the body decides, case ignored",
       {{"1900 - A", "beta"}, {"1900 - A", "Alfa"}},
       {{"1900 - A", "Alfa"}, {"1900 - A", "beta"}}},
      {"equal ignoring case: the order of arrival stays",
       {{"1900 - A", "festa"}, {"1900 - a", "FESTA"}, {"1900 - A", "Festa"}},
       {{"1900 - A", "festa"}, {"1900 - a", "FESTA"}, {"1900 - A", "Festa"}}},
      {"the header ends at the \"*\" of the key: a shorter header first",
       {{"1900 - AB", "a"}, {"1900 - A", "z"}},
       {{"1900 - A", "z"}, {"1900 - AB", "a"}}},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.why);
    Swappa(c.entries);
    EXPECT_EQ(c.entries, c.sorted);
  }
}

TEST(Ordina, RendersEntriesWithSeparatorsAndSkipsOnlyTrueRepeats) {
  const std::string& S = kSeparator;
  const std::string H = "1990 - NOZZE (36 ANNI AD OGGI)  (Mercoledì)";
  struct Case {
    const char* why;
    std::vector<DayEntry> entries;
    std::vector<std::string> lines;
  } cases[] = {
      {"no entry: nothing", {}, {}},
      {"one entry", {{H, "Festa"}}, {H, "Festa", S}},
      {"an empty body leaves an empty line", {{H, ""}}, {H, "", S}},
      {"identical entries show once, after the separator of the first",
       {{H, "Festa"}, {H, "Festa"}},
       {S, H, "Festa", S}},
      {"same header, different bodies: both show",
       {{H, "Festa"}, {H, "Lutto"}},
       {H, "Festa", S, H, "Lutto", S}},
      {"bodies differing in case are different facts",
       {{H, "festa"}, {H, "Festa"}},
       {H, "festa", S, H, "Festa", S}},
      {"1492 comes before 476",
       {{"476 - X", "b"}, {"1492 - X", "a"}},
       {"1492 - X", "a", S, "476 - X", "b", S}},
      {"a long body is wrapped",
       {{H, rep("a", 60) + " " + rep("b", 10)}},
       {H, rep("a", 60), rep("b", 10), S}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    ListRows List1;
    Ordina(c.entries, List1);
    EXPECT_EQ(texts(List1), c.lines);
  }
}

TEST(Ordina, MarksHeadersAsTitles) {
  ListRows List1;
  Ordina({{"476 - AVVENIMENTI (1550 ANNI AD OGGI)  (Sabato)", "Fine dell'impero"},
          {"1492 - AVVENIMENTI (534 ANNI AD OGGI)  (Venerdì)", "1234 - inizia come un titolo"}},
         List1);
  std::vector<bool> selected;
  for (const auto& row : List1) selected.push_back(row.selected);
  // 1492 header, its body (which looks like a title), separator, 476 header, body, separator.
  EXPECT_EQ(selected, (std::vector<bool>{true, true, false, false, false, false}));
}

TEST(TitleLine, FirstFourCharactersAndTheSixth) {
  struct Case {
    std::string line;
    bool title;
  } cases[] = {
      {"1492 - X", true},  {"476 - X", false},     // "-" is the fifth character
      {"0000 - X", false}, {"----------", false},  // no number above 0
      {"", false},         {"1492", false},        // no sixth character
      {"  12 -x", true},   {"12.5 - y", true},     // leading blanks, a decimal
      {"abcd - x", false}, {"1492 -", true},      {"1492 : x", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(is_title_line(c.line), c.title);
  }
}

}  // namespace
}  // namespace giornaro::events
