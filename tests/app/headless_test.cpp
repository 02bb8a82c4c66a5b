#include "app/headless.h"

#include <gtest/gtest.h>

#include <sstream>

namespace giornaro::app {
namespace {

const std::string kSeparator(106, '-');

DaySheet sheet_with(ListRows births) {
  DaySheet sheet;
  sheet.giorno = "8";
  sheet.meseT = "DICEMBRE";
  sheet.List1 = {{"1980 - LUTTI (45 ANNI AD OGGI)  (Lunedì)", true},
                 {"Un fatto.", false},
                 {kSeparator, false}};
  sheet.List2 = std::move(births);
  return sheet;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

TEST(HeadlessJson, BytesThatAreNotUtf8BecomeReplacementCharacters) {
  // "Nicolò" written in the code page instead of UTF-8, and a cut sequence.
  const DaySheet sheet =
      sheet_with({{"1990 - Nicol\xf2 (Sabato) ANNI: 35", true}, {"cosa \xe2\x82", false}});
  std::string text;
  ASSERT_NO_THROW(text = sheet_json_text(sheet));
  const auto parsed = nlohmann::json::parse(text);
  EXPECT_EQ(parsed.at("List2").at(0).at("text"), "1990 - Nicol\uFFFD (Sabato) ANNI: 35");
  EXPECT_EQ(parsed.at("List2").at(1).at("text"), "cosa \uFFFD");
}

TEST(HeadlessJson, ValidTextIsPrintedAsTheJsonLibraryDumpsIt) {
  const DaySheet sheet = sheet_with({{"1943 - Jim Morrison (Mercoledì) ANNI: 82", true}});
  EXPECT_EQ(sheet_json_text(sheet), sheet_to_json(sheet).dump(2) + "\n");
}

TEST(HeadlessText, PlainAndTerminalStyles) {
  const DaySheet sheet = sheet_with({});
  struct Case {
    const char* why;
    TextStyle style;
    std::string title_line;
    std::string separator_line;
    bool escapes;
  } cases[] = {
      {"pipes and files",
       {},
       "> 1980 - LUTTI (45 ANNI AD OGGI)  (Lunedì)",
       "  " + kSeparator,
       false},
      {"80-column terminal",
       {true, 80},
       "  \x1b[1m1980 - LUTTI (45 ANNI AD OGGI)  (Lunedì)\x1b[0m",
       "  " + std::string(78, '-'),
       true},
      {"wide terminal: at most 106",
       {true, 106},
       "  \x1b[1m1980 - LUTTI (45 ANNI AD OGGI)  (Lunedì)\x1b[0m",
       "  " + std::string(104, '-'),
       true},
      {"NO_COLOR on a terminal",
       {false, 80},
       "> 1980 - LUTTI (45 ANNI AD OGGI)  (Lunedì)",
       "  " + std::string(78, '-'),
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const std::string text = sheet_to_text(sheet, c.style);
    const auto all = lines(text);
    EXPECT_NE(std::find(all.begin(), all.end(), c.title_line), all.end()) << text;
    EXPECT_NE(std::find(all.begin(), all.end(), c.separator_line), all.end()) << text;
    EXPECT_EQ(text.find('\x1b') != std::string::npos, c.escapes);
  }
}

}  // namespace
}  // namespace giornaro::app
