#include "app/banner.h"

#include <gtest/gtest.h>

#include <vector>

namespace giornaro::app {
namespace {

constexpr int kCycleTicks = 91;

// What each tick shows: the line index, or -1 for the tick that resets.
std::vector<int> run_ticks(Banner& banner, int ticks) {
  std::vector<int> shown;
  for (int i = 0; i < ticks; ++i) {
    const auto line = banner.tick();
    if (!line) {
      shown.push_back(-1);
      continue;
    }
    int index = -1;
    for (int k = 0; k < kBannerLineCount; ++k) {
      if (banner_lines()[static_cast<std::size_t>(k)].caption == line->caption) index = k;
    }
    shown.push_back(index);
  }
  return shown;
}

TEST(Banner, EachLineStaysItsOwnNumberOfTicksEveryCycle) {
  Banner banner;
  const std::vector<int> shown = run_ticks(banner, 5 * kCycleTicks);
  // Double-precision steps of 0.1: the integer part does not advance every
  // tenth tick.
  const std::vector<int> expected_runs = {10, 9, 10, 10, 11, 10, 10, 10, 10, 1};
  for (int cycle = 0; cycle < 5; ++cycle) {
    SCOPED_TRACE("cycle " + std::to_string(cycle));
    std::size_t at = static_cast<std::size_t>(cycle * kCycleTicks);
    for (std::size_t line = 0; line < expected_runs.size(); ++line) {
      const int expected_line = line < 9 ? static_cast<int>(line) : -1;
      SCOPED_TRACE("line " + std::to_string(expected_line));
      for (int t = 0; t < expected_runs[line]; ++t, ++at) {
        ASSERT_EQ(shown[at], expected_line) << "tick " << at + 1;
      }
    }
    EXPECT_EQ(at, static_cast<std::size_t>((cycle + 1) * kCycleTicks));
  }
}

TEST(Banner, TicksAtTheEdgesOfLines) {
  struct Case {
    int tick;  // 1 = the first tick after the window opens
    std::optional<std::string_view> caption;
    unsigned colour_bgr;
  } cases[] = {
      {1, "Velmarto Presenta...........", 0xFFFF},
      {10, "Velmarto Presenta...........", 0xFFFF},
      {11, "GIORNARO:", 0x0},
      {19, "GIORNARO:", 0x0},
      {20, "I Fatti del Giorno,", 0xFFFFFF},
      {90, "...Tutto questo sul tuo PC...", 0xFF},
      {91, std::nullopt, 0},  // the reset keeps what is shown
      {92, "Velmarto Presenta...........", 0xFFFF},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("tick " + std::to_string(c.tick));
    Banner banner;
    std::optional<BannerLine> line;
    for (int i = 0; i < c.tick; ++i) line = banner.tick();
    ASSERT_EQ(line.has_value(), c.caption.has_value());
    if (line) {
      EXPECT_EQ(line->caption, *c.caption);
      EXPECT_EQ(line->colour_bgr, c.colour_bgr);
    }
  }
}

TEST(Banner, CounterStartsAgainFromZeroAfterTheReset) {
  Banner banner;
  for (int i = 0; i < kCycleTicks; ++i) banner.tick();
  EXPECT_EQ(banner.counter(), 0.0);
  banner.tick();
  EXPECT_EQ(banner.counter(), 0.1);
}

}  // namespace
}  // namespace giornaro::app
