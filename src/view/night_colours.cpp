// The night mapping of colours, in linear light and the OKLab space.
#include "view/night_colours.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

#include "platform/system_colours.h"

namespace zeb {
namespace {

struct Linear {
  double red = 0;
  double green = 0;
  double blue = 0;
};

// The luminance weights of linear red, green and blue.
constexpr double redWeight = 0.2126;
constexpr double greenWeight = 0.7152;
constexpr double blueWeight = 0.0722;
// Contrast ratios add this to both luminances (the light a screen reflects).
constexpr double flare = 0.05;
// (L' + flare) (L + flare) = turnover maps black (0) to white (1) and back.
constexpr double turnover = flare * (1 + flare);

double decoded(std::uint8_t channel) {
  const double value = channel / 255.0;
  return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

std::uint8_t encoded(double value) {
  value = std::clamp(value, 0.0, 1.0);
  const double gamma = value <= 0.0031308 ? 12.92 * value : 1.055 * std::pow(value, 1 / 2.4) - 0.055;
  return static_cast<std::uint8_t>(std::lround(gamma * 255));
}

Linear linearOf(Colour colour) { return {decoded(redOf(colour)), decoded(greenOf(colour)), decoded(blueOf(colour))}; }

Colour colourOf(const Linear& linear) {
  return Colour{encoded(linear.red)} | Colour{encoded(linear.green)} << 8 | Colour{encoded(linear.blue)} << 16;
}

double luminanceOf(const Linear& linear) {
  return redWeight * linear.red + greenWeight * linear.green + blueWeight * linear.blue;
}

// OKLab: from linear light through the cone responses (cube roots), and back.
struct Lab {
  double lightness = 0;
  double a = 0;
  double b = 0;
};

Lab labOf(const Linear& c) {
  const double l = std::cbrt(0.4122214708 * c.red + 0.5363325363 * c.green + 0.0514459929 * c.blue);
  const double m = std::cbrt(0.2119034982 * c.red + 0.6806995451 * c.green + 0.1073969566 * c.blue);
  const double s = std::cbrt(0.0883024619 * c.red + 0.2817188376 * c.green + 0.6299787005 * c.blue);
  return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
          1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
          0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

// The cube roots of the cone responses of a colour, each lightness plus a share of a and b.
std::array<double, 3> coneRootsOf(const Lab& lab) {
  return {lab.lightness + 0.3963377774 * lab.a + 0.2158037573 * lab.b,
          lab.lightness - 0.1055613458 * lab.a - 0.0638541728 * lab.b,
          lab.lightness - 0.0894841775 * lab.a - 1.2914855480 * lab.b};
}

constexpr std::array<std::array<double, 3>, 3> conesToLinear = {{
    {4.0767416621, -3.3077115913, 0.2309699292},
    {-1.2684380046, 2.6097574011, -0.3413193965},
    {-0.0041960863, -0.7034186147, 1.7076147010},
}};

Linear linearOf(const Lab& lab) {
  const std::array<double, 3> roots = coneRootsOf(lab);
  std::array<double, 3> cones{};
  for (std::size_t i = 0; i < 3; ++i) cones[i] = roots[i] * roots[i] * roots[i];
  const auto row = [&cones](std::size_t i) {
    return conesToLinear[i][0] * cones[0] + conesToLinear[i][1] * cones[1] + conesToLinear[i][2] * cones[2];
  };
  return {row(0), row(1), row(2)};
}

// How much each cone response adds to the luminance.
std::array<double, 3> coneLuminanceWeights() {
  std::array<double, 3> weights{};
  for (std::size_t j = 0; j < 3; ++j)
    weights[j] = redWeight * conesToLinear[0][j] + greenWeight * conesToLinear[1][j] + blueWeight * conesToLinear[2][j];
  return weights;
}

// The lightness at which the colour of the hue and chroma of a and b has the luminance
// (Newton's steps on the cubic the luminance is of the lightness).
double lightnessFor(double luminance, double a, double b) {
  static const std::array<double, 3> weights = coneLuminanceWeights();
  double lightness = std::cbrt(luminance);
  for (int step = 0; step < 24; ++step) {
    const std::array<double, 3> roots = coneRootsOf({lightness, a, b});
    double value = -luminance;
    double slope = 0;
    for (std::size_t i = 0; i < 3; ++i) {
      value += weights[i] * roots[i] * roots[i] * roots[i];
      slope += 3 * weights[i] * roots[i] * roots[i];
    }
    if (slope <= 1e-9) break;
    const double next = lightness - value / slope;
    if (std::abs(next - lightness) < 1e-12) return next;
    lightness = next;
  }
  return lightness;
}

// The colour brought into the screen's range by moving it straight towards the grey of the
// same luminance, which keeps that luminance.
Linear inGamut(const Linear& colour, double luminance) {
  double share = 1;
  for (const double channel : {colour.red, colour.green, colour.blue}) {
    const double away = channel - luminance;
    if (away > 1e-12) share = std::min(share, (1 - luminance) / away);
    if (away < -1e-12) share = std::min(share, luminance / -away);
  }
  share = std::max(share, 0.0);
  return {luminance + share * (colour.red - luminance), luminance + share * (colour.green - luminance),
          luminance + share * (colour.blue - luminance)};
}

Colour computedNightColour(Colour colour) {
  const Linear linear = linearOf(colour);
  const double luminance = std::clamp(turnover / (luminanceOf(linear) + flare) - flare, 0.0, 1.0);
  const Lab lab = labOf(linear);
  Linear night = linearOf(Lab{lightnessFor(luminance, lab.a, lab.b), lab.a, lab.b});
  // Newton's steps may stop short of the luminance for a colour far outside the screen's
  // range: the grey of the luminance keeps the contrast then.
  if (std::abs(luminanceOf(night) - luminance) > 1e-6) night = {luminance, luminance, luminance};
  return colourOf(inGamut(night, luminance));
}

// Background pictures go through a table of 64 levels a channel.
constexpr int levelBits = 6;
constexpr int levels = 1 << levelBits;

std::uint8_t levelValue(int level) {
  return static_cast<std::uint8_t>((level * 255 + (levels - 1) / 2) / (levels - 1));
}

// A background picture's colours are turned as they are met: most pictures have few of the
// table's entries. Painting runs on the thread of the windows, so each thread keeps its own.
constexpr Colour notYetTurned = 0xFFFFFFFF;

Colour tableColour(std::size_t index) {
  thread_local std::vector<Colour> table(std::size_t{1} << (3 * levelBits), notYetTurned);
  Colour& entry = table[index];
  if (entry == notYetTurned) {
    const int red = static_cast<int>(index >> (2 * levelBits));
    const int green = static_cast<int>(index >> levelBits) & (levels - 1);
    const int blue = static_cast<int>(index) & (levels - 1);
    entry =
        computedNightColour(Colour{levelValue(red)} | Colour{levelValue(green)} << 8 | Colour{levelValue(blue)} << 16);
  }
  return entry;
}

std::size_t pixelBytes(const PixelView& pixels) {
  return pixels.empty() ? 0 : static_cast<std::size_t>(pixels.width) * static_cast<std::size_t>(pixels.height) * 4;
}

}  // namespace

double relativeLuminance(Colour colour) { return luminanceOf(linearOf(classicRgbOf(colour))); }

double contrastRatio(Colour first, Colour second) {
  const double one = relativeLuminance(first) + flare;
  const double other = relativeLuminance(second) + flare;
  return std::max(one, other) / std::min(one, other);
}

double middleLuminance() { return std::sqrt(turnover) - flare; }

bool isDarkColour(Colour colour) { return relativeLuminance(colour) < middleLuminance(); }

Colour nightColourOf(Colour colour) {
  if (isSystemColour(colour)) return colour;
  return computedNightColour(colour & 0xFFFFFF);
}

std::vector<std::uint8_t> nightBackgroundPixels(const PixelView& pixels) {
  const std::size_t bytes = pixelBytes(pixels);
  std::vector<std::uint8_t> night(pixels.rgba, pixels.rgba + bytes);
  if (bytes == 0) return night;
  constexpr int drop = 8 - levelBits;
  for (std::size_t i = 0; i < bytes; i += 4) {
    const std::size_t index = static_cast<std::size_t>((night[i] >> drop) << (2 * levelBits) |
                                                       (night[i + 1] >> drop) << levelBits | night[i + 2] >> drop);
    const Colour mapped = tableColour(index);
    night[i] = redOf(mapped);
    night[i + 1] = greenOf(mapped);
    night[i + 2] = blueOf(mapped);
  }
  return night;
}

std::vector<std::uint8_t> dimmedPixels(const PixelView& pixels) {
  const std::size_t bytes = pixelBytes(pixels);
  std::vector<std::uint8_t> dimmed(pixels.rgba, pixels.rgba + bytes);
  for (std::size_t i = 0; i < bytes; ++i)
    if (i % 4 != 3) dimmed[i] = static_cast<std::uint8_t>(dimmed[i] * dimmedPicturePercent / 100);
  return dimmed;
}

Colour averageColourOf(const PixelView& pixels) {
  constexpr std::size_t samples = 4096;
  const std::size_t count = pixelBytes(pixels) / 4;
  const std::size_t step = std::max<std::size_t>(1, count / samples);
  double red = 0;
  double green = 0;
  double blue = 0;
  std::size_t seen = 0;
  for (std::size_t i = 0; i < count; i += step) {
    const std::uint8_t* pixel = pixels.rgba + i * 4;
    if (pixel[3] < 128) continue;
    red += pixel[0];
    green += pixel[1];
    blue += pixel[2];
    ++seen;
  }
  if (seen == 0) return 0xFFFFFF;
  const auto mean = [seen](double sum) { return Colour{static_cast<std::uint8_t>(std::lround(sum / seen))}; };
  return mean(red) | mean(green) << 8 | mean(blue) << 16;
}

}  // namespace zeb
