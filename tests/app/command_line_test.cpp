#include "app/command_line.h"

#include <gtest/gtest.h>

#include "place/place_table.h"

namespace giornaro::app {
namespace {

using namespace std::chrono;

TEST(CommandLine, Dates) {
  struct Case {
    const char* text;
    std::optional<year_month_day> date;
    const char* error_part;  // in the message when there is no date
  } cases[] = {
      {"2026-04-25", 2026y / April / 25, ""},
      {"25/04/2026", 2026y / April / 25, ""},
      {"5/9/2023", 2023y / September / 5, ""},
      {"1-1-1", 1y / January / 1, ""},
      {"9999-12-31", 9999y / December / 31, ""},
      {"2024-02-29", 2024y / February / 29, ""},
      {"29/02/2000", 2000y / February / 29, ""},
      {"2025-02-29", std::nullopt, "non esiste"},
      {"1900-02-29", std::nullopt, "non esiste"},
      {"31/04/2026", std::nullopt, "non esiste"},
      {"2026-13-01", std::nullopt, "i mesi vanno da 1 a 12"},
      {"2026-00-10", std::nullopt, "i mesi vanno da 1 a 12"},
      {"0000-01-01", std::nullopt, "AAAA-MM-GG"},
      {"10000-01-01", std::nullopt, "AAAA-MM-GG"},
      {"2026-4-25x", std::nullopt, "AAAA-MM-GG"},
      {"2026/04/25", std::nullopt, "AAAA-MM-GG"},
      {"25-04", std::nullopt, "AAAA-MM-GG"},
      {"-2026-04-25", std::nullopt, "AAAA-MM-GG"},
      {"+2026-04-25", std::nullopt, "AAAA-MM-GG"},
      {"", std::nullopt, "AAAA-MM-GG"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const ParsedDate parsed = parse_date(c.text);
    EXPECT_EQ(parsed.date, c.date);
    if (!c.date) {
      EXPECT_NE(parsed.error.find(c.error_part), std::string::npos) << parsed.error;
    }
  }
}

TEST(CommandLine, PlacesIgnoreCaseOfPlainAndAccentedLetters) {
  const auto name = [](std::optional<int> row) {
    return row ? std::string(place::places()[static_cast<std::size_t>(*row)].name) : "-";
  };
  EXPECT_EQ(name(find_place_loosely("milano")), "MILANO");
  EXPECT_EQ(name(find_place_loosely("Forlì")), "FORLÌ");
  EXPECT_EQ(name(find_place_loosely("forli'")), "FORLI'");
  EXPECT_EQ(name(find_place_loosely("REGGIO CALABRIA")),
            name(place::find_place("REGGIO CALABRIA")));
  EXPECT_EQ(name(find_place_loosely("tokyo")), "-");
  EXPECT_EQ(name(find_place_loosely("")), "-");
  for (const auto& place : place::places()) {
    EXPECT_EQ(find_place_loosely(place.name), place::find_place(place.name)) << place.name;
  }
}

TEST(CommandLine, Options) {
  using Output = Options::Output;
  struct Case {
    std::vector<std::string_view> arguments;
    Output output;
    const char* error_part;  // empty when the line is right
  } cases[] = {
      {{}, Output::Window, ""},
      {{"--text"}, Output::Text, ""},
      {{"--json"}, Output::Json, ""},
      {{"--date", "2026-04-25"}, Output::Text, ""},
      {{"--date=25/04/2026", "--json"}, Output::Json, ""},
      {{"--luogo", "milano"}, Output::Text, ""},
      {{"--cartella", "/tmp"}, Output::Window, ""},
      {{"--cartella=/tmp", "--text"}, Output::Text, ""},
      {{"--time-to-paint"}, Output::Window, ""},
      {{"--text", "--json"}, Output::Text, "non vanno insieme"},
      {{"--date"}, Output::Window, "Manca il valore dopo --date"},
      {{"--date", "2025-02-29"}, Output::Window, "non esiste"},
      {{"--luogo", "tokyo"}, Output::Window, "--luoghi"},
      {{"--cartella="}, Output::Window, "--cartella"},
      {{"--text=1"}, Output::Window, "non vuole un valore"},
      {{"--colori"}, Output::Window, "Opzione sconosciuta: --colori"},
      {{"oggi"}, Output::Window, "Opzione sconosciuta: oggi"},
      {{"--time-to-paint", "--json"}, Output::Window, "--time-to-paint"},
  };
  for (const auto& c : cases) {
    std::string line;
    for (const auto a : c.arguments) line.append(a).append(" ");
    SCOPED_TRACE(line);
    const ParsedOptions parsed = parse_options(c.arguments);
    if (*c.error_part) {
      EXPECT_NE(parsed.error.find(c.error_part), std::string::npos) << parsed.error;
    } else {
      EXPECT_EQ(parsed.error, "");
      EXPECT_EQ(parsed.options.output, c.output);
    }
  }
  const Options o =
      parse_options({"--luogo", "Bari", "--date", "1/1/1", "--cartella", "x"}).options;
  EXPECT_EQ(o.place, place::find_place("BARI"));
  EXPECT_EQ(o.date, 1y / January / 1);
  EXPECT_EQ(o.folder, std::filesystem::path("x"));
}

}  // namespace
}  // namespace giornaro::app
