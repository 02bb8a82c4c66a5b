// Draws the twenty moon pictures of the day sheet as 100 x 100, 24-bit BMP
// files 101.bmp .. 120.bmp: 101..110 wane from full (101) through the last
// quarter (105) to new (110), 111..120 wax from new (111) through the first
// quarter (115) to full (120).
//
//   moon_pictures <folder>
//
// The moon is a sphere lit by the sun from the phase angle of the picture,
// shaded with the Lommel-Seeliger law (nearly flat at full moon, as the real
// one looks) and a soft terminator, with the near side's seas, a few bright
// craters and a fine surface grain; the dark part keeps a faint earthshine
// over a night sky with a few stars. Everything is deterministic, so running
// the tool again gives the same bytes.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kSize = 100;           // pixels per side
constexpr double kRadius_px = 46.0;  // moon disc
constexpr int kSamples = 4;          // per pixel side, for smooth edges
constexpr double kPi = 3.14159265358979323846;

struct Rgb {
  double r, g, b;  // 0..255
};

Rgb operator*(Rgb c, double f) {
  return {c.r * f, c.g * f, c.b * f};
}
Rgb operator+(Rgb a, Rgb b) {
  return {a.r + b.r, a.g + b.g, a.b + b.b};
}

double smoothstep(double edge0, double edge1, double x) {
  const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

// Value noise on a lattice, hashed so that the pictures never change.
double lattice(int x, int y) {
  std::uint32_t h =
      static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFF) / 65535.0;
}

double value_noise(double x, double y) {
  const int x0 = static_cast<int>(std::floor(x));
  const int y0 = static_cast<int>(std::floor(y));
  const double fx = smoothstep(0, 1, x - x0);
  const double fy = smoothstep(0, 1, y - y0);
  const double top = lattice(x0, y0) + (lattice(x0 + 1, y0) - lattice(x0, y0)) * fx;
  const double bottom = lattice(x0, y0 + 1) + (lattice(x0 + 1, y0 + 1) - lattice(x0, y0 + 1)) * fx;
  return top + (bottom - top) * fy;  // 0..1
}

double grain(double u, double v) {
  double sum = 0;
  double amplitude = 0.5;
  double frequency = 6;
  for (int octave = 0; octave < 4; ++octave) {
    sum += amplitude * (value_noise(u * frequency + 17.3, v * frequency - 4.1) - 0.5);
    amplitude *= 0.5;
    frequency *= 2.1;
  }
  return sum;  // about -0.5..0.5
}

// A dark sea of the near side: a soft blob in disc coordinates (u right,
// v down); overlapping blobs merge into one sea with a ragged shore.
struct Sea {
  double u, v;    // centre
  double ru, rv;  // half axes
  double weight;
};

// clang-format off
constexpr std::array<Sea, 15> kSeas{{
    {-0.34, -0.40, 0.30, 0.24, 1.0},  // Imbrium
    { 0.13, -0.38, 0.17, 0.16, 1.0},  // Serenitatis
    { 0.30, -0.08, 0.22, 0.17, 1.0},  // Tranquillitatis
    { 0.70, -0.28, 0.10, 0.09, 1.0},  // Crisium
    {-0.62, -0.08, 0.24, 0.34, 0.9},  // Procellarum, north
    {-0.56,  0.22, 0.20, 0.22, 0.8},  // Procellarum, south
    {-0.20,  0.38, 0.18, 0.13, 0.8},  // Nubium
    { 0.58,  0.14, 0.11, 0.17, 0.9},  // Fecunditatis
    { 0.38,  0.32, 0.09, 0.08, 0.9},  // Nectaris
    {-0.56,  0.44, 0.09, 0.08, 0.9},  // Humorum
    {-0.26, -0.72, 0.20, 0.06, 0.7},  // Frigoris, west
    { 0.12, -0.74, 0.22, 0.06, 0.7},  // Frigoris, east
    {-0.02,  0.06, 0.12, 0.10, 0.7},  // Vaporum and Medii
    {-0.34,  0.16, 0.16, 0.11, 0.7},  // Cognitum and Insularum
    { 0.00, -0.12, 0.08, 0.07, 0.6},  // Vaporum
}};

// Young craters that stand out bright at full moon; some throw rays.
struct Crater {
  double u, v, radius;
  double brightness;
  int rays;
};

constexpr std::array<Crater, 6> kCraters{{
    {-0.14,  0.74, 0.035, 0.55, 11},  // Tycho
    {-0.30, -0.10, 0.035, 0.35,  9},  // Copernicus
    {-0.58, -0.04, 0.022, 0.30,  0},  // Kepler
    {-0.70, -0.32, 0.020, 0.45,  0},  // Aristarchus
    { 0.62,  0.52, 0.025, 0.20,  0},  // Stevinus
    { 0.20,  0.60, 0.020, 0.15,  0},
}};
// clang-format on

double albedo(double u, double v) {
  // Seas: sum the blobs over a slightly warped plane, then cut a shore.
  const double wu = u + 0.06 * (value_noise(u * 4 + 3.1, v * 4 + 1.7) - 0.5);
  const double wv = v + 0.06 * (value_noise(u * 4 - 5.3, v * 4 + 8.2) - 0.5);
  double field = 0;
  for (const Sea& sea : kSeas) {
    const double du = (wu - sea.u) / sea.ru;
    const double dv = (wv - sea.v) / sea.rv;
    field += sea.weight * std::exp(-(du * du + dv * dv) * 1.35);
  }
  const double sea = smoothstep(0.2, 0.72, field + 0.25 * grain(u * 1.3, v * 1.3));
  double a = 1.0 + 0.2 * grain(u, v) + 0.16 * grain(u * 3.2, v * 3.2) * (1 - sea);
  a -= sea * (0.34 + 0.14 * grain(u * 2, v * 2));
  for (const Crater& crater : kCraters) {
    const double du = u - crater.u;
    const double dv = v - crater.v;
    const double r = std::sqrt(du * du + dv * dv) / crater.radius;
    a += crater.brightness * std::exp(-r * r * 1.2);
    if (crater.rays > 0 && r > 1) {
      const double angle = std::atan2(dv, du);
      const double ray =
          std::pow(std::fabs(std::sin(angle * crater.rays * 0.5 + crater.u * 11)), 30);
      a += 0.07 * ray * std::exp(-(r - 1) / 7);
    }
  }
  return std::clamp(a, 0.3, 1.3);
}

// The sky behind the moon, with a sprinkling of faint stars.
Rgb sky(int x, int y) {
  const Rgb night{7, 12, 20};
  if (lattice(x * 7 + 3, y * 13 + 1) > 0.995) {
    const double star = 70 + 90 * lattice(x, y);
    return {star * 0.95, star, star};
  }
  return night;
}

// Phase angle (0 = full, pi = new) and the side the sun lights from.
struct Stage {
  double phase_angle_rad;
  double lit_side;  // +1 lights the right limb (waxing), -1 the left (waning)
};

Stage stage_of(int picture) {
  const bool waning = picture <= 110;
  const int step = picture - (waning ? 100 : 110);  // 1..10
  // Steps 1..5 span a quarter of the lunation, steps 5..10 the next quarter.
  const double progress = step <= 5 ? (step - 1) / 8.0 : 0.5 + (step - 5) / 10.0;
  if (waning) return {progress * kPi, -1};
  return {(1 - progress) * kPi, +1};
}

Rgb moon_sample(double u, double v, const Stage& stage) {
  const double w = std::sqrt(std::max(0.0, 1 - u * u - v * v));  // toward the viewer
  const double sun_x = std::sin(stage.phase_angle_rad) * stage.lit_side;
  const double sun_z = std::cos(stage.phase_angle_rad);
  const double mu0 = u * sun_x + w * sun_z;  // cosine of the sun's incidence
  const double lit = std::max(mu0, 0.0);
  const double lommel = 2 * lit / (lit + w + 1e-6);
  const double terminator = smoothstep(-0.03, 0.10, mu0);
  const double limb = 0.82 + 0.18 * std::sqrt(w);
  const double a = albedo(u, v);
  const Rgb sunlit{222, 216, 206};  // a warm grey
  const Rgb earthshine{22, 26, 34};
  const double day = std::min(1.1, lommel) * terminator * limb * a;
  return sunlit * day + earthshine * ((0.55 + 0.45 * a) * (0.6 + 0.4 * w));
}

std::vector<std::uint8_t> draw(int picture) {
  const Stage stage = stage_of(picture);
  std::vector<std::uint8_t> pixels(kSize * kSize * 3);  // rows bottom-up, BGR
  const double centre = kSize / 2.0;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      Rgb sum{0, 0, 0};
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const double px = x + (sx + 0.5) / kSamples;
          const double py = y + (sy + 0.5) / kSamples;
          const double u = (px - centre) / kRadius_px;
          const double v = (py - centre) / kRadius_px;
          if (u * u + v * v <= 1) {
            sum = sum + moon_sample(u, v, stage);
          } else {
            sum = sum + sky(x, y);
          }
        }
      }
      const Rgb colour = sum * (1.0 / (kSamples * kSamples));
      auto byte = [](double c) {
        return static_cast<std::uint8_t>(std::clamp(std::lround(c), 0L, 255L));
      };
      std::uint8_t* out = &pixels[static_cast<std::size_t>(((kSize - 1 - y) * kSize + x) * 3)];
      out[0] = byte(colour.b);
      out[1] = byte(colour.g);
      out[2] = byte(colour.r);
    }
  }
  return pixels;
}

void put16(std::vector<std::uint8_t>& out, std::uint16_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// A bottom-up, uncompressed 24-bit BMP; 100 pixels of 3 bytes need no row padding.
std::vector<std::uint8_t> bmp_file(const std::vector<std::uint8_t>& pixels) {
  static_assert(kSize * 3 % 4 == 0, "rows would need padding");
  std::vector<std::uint8_t> out;
  const auto image_bytes = static_cast<std::uint32_t>(pixels.size());
  out.push_back('B');
  out.push_back('M');
  put32(out, 14 + 40 + image_bytes);
  put32(out, 0);
  put32(out, 14 + 40);
  put32(out, 40);
  put32(out, kSize);
  put32(out, kSize);
  put16(out, 1);   // planes
  put16(out, 24);  // bits per pixel
  put32(out, 0);   // no compression
  put32(out, image_bytes);
  put32(out, 2835);  // 72 dpi
  put32(out, 2835);
  put32(out, 0);
  put32(out, 0);
  out.insert(out.end(), pixels.begin(), pixels.end());
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "uso: moon_pictures <cartella>\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  for (int picture = 101; picture <= 120; ++picture) {
    const std::filesystem::path path = folder / (std::to_string(picture) + ".bmp");
    const std::vector<std::uint8_t> bytes = bmp_file(draw(picture));
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file) {
      std::cerr << "Impossibile scrivere " << path.string() << "\n";
      return 1;
    }
  }
  return 0;
}
