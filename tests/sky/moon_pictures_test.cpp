// The committed moon pictures and their text symbols show the stages the
// moon code names: 101..110 wane from full to new, 111..120 wax from new to full.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "app/headless.h"

namespace giornaro::sky {
namespace {

const std::filesystem::path kResources =
    std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "resources";

std::vector<std::uint8_t> read_bytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

struct Light {
  int left = 0;  // sunlit pixels in the left half
  int right = 0;
  int total() const { return left + right; }
};

// Counts the sunlit pixels of a 100 x 100, 24-bit, bottom-up BMP.
Light sunlit_pixels(int picture) {
  const auto bytes = read_bytes(kResources / "moon" / (std::to_string(picture) + ".bmp"));
  EXPECT_EQ(bytes.size(), 54u + 100 * 100 * 3);
  if (bytes.size() != 54u + 100 * 100 * 3) return {};
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  EXPECT_EQ(le32(bytes, 10), 54u);   // pixels right after the headers
  EXPECT_EQ(le32(bytes, 18), 100u);  // width
  EXPECT_EQ(le32(bytes, 22), 100u);  // height, bottom-up
  EXPECT_EQ(bytes[28], 24);          // bits per pixel
  EXPECT_EQ(le32(bytes, 30), 0u);    // uncompressed
  Light light;
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 100; ++x) {
      const std::size_t at = 54 + static_cast<std::size_t>((y * 100 + x) * 3);
      const int luma = (bytes[at] + 2 * bytes[at + 1] + bytes[at + 2]) / 4;
      if (luma > 90) (x < 50 ? light.left : light.right)++;
    }
  }
  return light;
}

TEST(MoonPictures, WaneAndWaxInOrderOnTheRightSide) {
  std::vector<Light> light(121);
  for (int picture = 101; picture <= 120; ++picture) {
    SCOPED_TRACE(picture);
    light[picture] = sunlit_pixels(picture);
  }
  const int full = light[101].total();
  EXPECT_GT(full, 6000);  // most of a disc of radius 46
  EXPECT_NEAR(light[120].total(), full, full / 50);
  EXPECT_LT(light[110].total(), full / 100);
  EXPECT_LT(light[111].total(), full / 100);
  for (const int quarter : {105, 115}) {
    SCOPED_TRACE(quarter);
    EXPECT_GT(light[quarter].total(), full * 35 / 100);
    EXPECT_LT(light[quarter].total(), full * 65 / 100);
  }
  for (int picture = 102; picture <= 110; ++picture) {
    SCOPED_TRACE(picture);
    EXPECT_LT(light[picture].total(), light[picture - 1].total());
    if (picture < 110) {
      EXPECT_GT(light[picture].left, light[picture].right);  // waning: left limb
    }
  }
  for (int picture = 112; picture <= 120; ++picture) {
    SCOPED_TRACE(picture);
    EXPECT_GT(light[picture].total(), light[picture - 1].total());
    if (picture < 120) {
      EXPECT_GT(light[picture].right, light[picture].left);  // waxing: right limb
    }
  }
}

TEST(MoonPictures, ResourceFileNamesEveryPicture) {
  const auto bytes = read_bytes(kResources / "moon.qrc");
  const std::string qrc(bytes.begin(), bytes.end());
  EXPECT_NE(qrc.find("<qresource prefix=\"/moon\">"), std::string::npos);
  for (int picture = 101; picture <= 120; ++picture) {
    const std::string n = std::to_string(picture);
    const std::string entry = "<file alias=\"" + n + ".bmp\">moon/" + n + ".bmp</file>";
    EXPECT_NE(qrc.find(entry), std::string::npos) << entry;
  }
}

TEST(MoonPictures, TextSymbolFollowsThePicture) {
  struct Case {
    std::optional<int> picture;
    std::string symbol;
  } cases[] = {
      {101, "🌕"}, {103, "🌖"}, {105, "🌗"},         {106, "🌗"}, {108, "🌘"},
      {110, "🌑"}, {111, "🌑"}, {113, "🌒"},         {115, "🌓"}, {116, "🌓"},
      {118, "🌔"}, {120, "🌕"}, {std::nullopt, ""}, {100, ""},  {121, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.picture.value_or(0));
    EXPECT_EQ(app::moon_symbol(c.picture), c.symbol);
  }
}

}  // namespace
}  // namespace giornaro::sky
