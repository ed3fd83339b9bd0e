// The marker icons, drawn with a few shapes on a see-through 18 x 18 square.
#include "view/marker_icons.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

namespace zeb {
namespace {

// Colours as 0xRRGGBB.
constexpr std::uint32_t black = 0x000000;
constexpr std::uint32_t white = 0xFFFFFF;
constexpr std::uint32_t grey = 0x808080;
constexpr std::uint32_t lightGrey = 0xC0C0C0;
constexpr std::uint32_t red = 0xC00000;
constexpr std::uint32_t green = 0x008000;
constexpr std::uint32_t blue = 0x0000C0;
constexpr std::uint32_t sky = 0x80C0FF;
constexpr std::uint32_t yellow = 0xFFD800;
constexpr std::uint32_t navy = 0x000080;

// Letters 3 pixels wide and 5 high, one row of three bits per digit, top row first.
struct Glyph {
  char character;
  std::array<std::uint8_t, 5> rows;
};
constexpr std::array<Glyph, 12> glyphs = {{
    {'0', {7, 5, 5, 5, 7}},
    {'1', {2, 6, 2, 2, 7}},
    {'<', {1, 2, 4, 2, 1}},
    {'>', {4, 2, 1, 2, 4}},
    {'?', {7, 1, 2, 0, 2}},
    {'F', {7, 4, 6, 4, 4}},
    {'H', {5, 5, 7, 5, 5}},
    {'T', {7, 2, 2, 2, 2}},
    {'X', {5, 5, 2, 5, 5}},
    {'Y', {5, 5, 2, 2, 2}},
    {'[', {6, 4, 4, 4, 6}},
    {']', {3, 1, 1, 1, 3}},
}};

class IconPainter {
 public:
  IconPainter() {
    image_.width = image_.height = markerIconSide;
    image_.pixels.assign(static_cast<std::size_t>(markerIconSide * markerIconSide * 4), 0);
  }
  RgbaImage take() { return std::move(image_); }

  void pixel(int x, int y, std::uint32_t rgb) {
    if (x < 0 || y < 0 || x >= markerIconSide || y >= markerIconSide) return;
    std::uint8_t* at = image_.pixels.data() + static_cast<std::size_t>((y * markerIconSide + x) * 4);
    at[0] = static_cast<std::uint8_t>(rgb >> 16);
    at[1] = static_cast<std::uint8_t>(rgb >> 8);
    at[2] = static_cast<std::uint8_t>(rgb);
    at[3] = 0xFF;
  }
  // Rectangles include both corners.
  void fill(int left, int top, int right, int bottom, std::uint32_t rgb) {
    for (int y = top; y <= bottom; ++y)
      for (int x = left; x <= right; ++x) pixel(x, y, rgb);
  }
  void frame(int left, int top, int right, int bottom, std::uint32_t rgb) {
    line(left, top, right, top, rgb);
    line(left, bottom, right, bottom, rgb);
    line(left, top, left, bottom, rgb);
    line(right, top, right, bottom, rgb);
  }
  void box(int left, int top, int right, int bottom, std::uint32_t inside) {
    fill(left, top, right, bottom, inside);
    frame(left, top, right, bottom, black);
  }
  void line(int x0, int y0, int x1, int y1, std::uint32_t rgb) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
      pixel(x0, y0, rgb);
      if (x0 == x1 && y0 == y1) return;
      const int twice = 2 * error;
      if (twice >= dy) {
        error += dy;
        x0 += sx;
      }
      if (twice <= dx) {
        error += dx;
        y0 += sy;
      }
    }
  }
  // An ellipse through the rectangle's sides, outlined or filled.
  void ellipse(int left, int top, int right, int bottom, std::uint32_t rgb, bool filled) {
    const double cx = (left + right) / 2.0;
    const double cy = (top + bottom) / 2.0;
    const double rx = (right - left) / 2.0 + 0.5;
    const double ry = (bottom - top) / 2.0 + 0.5;
    for (int y = top; y <= bottom; ++y) {
      for (int x = left; x <= right; ++x) {
        const double nx = (x - cx) / rx;
        const double ny = (y - cy) / ry;
        const double d = nx * nx + ny * ny;
        const double inner = (1 - 1.6 / std::min(rx, ry));
        if (d <= 1.0 && (filled || d >= inner * inner)) pixel(x, y, rgb);
      }
    }
  }
  // A triangle pointing right (or left) with its tip at (x, y), `size` pixels long.
  void arrowHead(int x, int y, int size, bool right, std::uint32_t rgb) {
    for (int i = 0; i < size; ++i) line(right ? x - i : x + i, y - i, right ? x - i : x + i, y + i, rgb);
  }
  void text(int x, int y, std::string_view characters, std::uint32_t rgb) {
    for (const char c : characters) {
      for (const Glyph& glyph : glyphs) {
        if (glyph.character != c) continue;
        for (int row = 0; row < 5; ++row)
          for (int column = 0; column < 3; ++column)
            if ((glyph.rows[static_cast<std::size_t>(row)] >> (2 - column) & 1) != 0) pixel(x + column, y + row, rgb);
      }
      x += 4;
    }
  }
  // Makes the rectangle see-through again.
  void clear(int left, int top, int right, int bottom) {
    for (int y = std::max(top, 0); y <= std::min(bottom, markerIconSide - 1); ++y)
      for (int x = std::max(left, 0); x <= std::min(right, markerIconSide - 1); ++x)
        image_.pixels[static_cast<std::size_t>((y * markerIconSide + x) * 4 + 3)] = 0;
  }
  // A sheet of paper with its top right corner folded.
  void sheet() {
    box(3, 1, 14, 16, white);
    clear(12, 1, 14, 3);
    pixel(12, 3, lightGrey);
    line(11, 1, 14, 4, black);
    line(11, 1, 11, 4, black);
    line(11, 4, 14, 4, black);
  }
  // A database cylinder.
  void cylinder(std::uint32_t inside) {
    fill(3, 4, 14, 14, inside);
    ellipse(3, 11, 14, 16, inside, true);
    ellipse(3, 11, 14, 16, black, false);
    fill(4, 4, 13, 13, inside);
    line(3, 4, 3, 13, black);
    line(14, 4, 14, 13, black);
    ellipse(3, 1, 14, 6, white, true);
    ellipse(3, 1, 14, 6, black, false);
  }

 private:
  RgbaImage image_;
};

using Draw = void (*)(IconPainter&);

struct IconDrawing {
  std::string_view name;
  Draw draw;
};

const std::array<IconDrawing, 28> drawings = {{
    {"notepad",
     [](IconPainter& p) {
       p.box(3, 2, 14, 16, white);
       for (int y = 6; y <= 14; y += 2) p.line(5, y, 12, y, sky);
       for (int x = 5; x <= 12; x += 3) p.fill(x, 1, x, 3, red);
     }},
    {"binary",
     [](IconPainter& p) {
       p.sheet();
       p.text(5, 5, "01", blue);
       p.text(5, 11, "10", blue);
     }},
    {"html",
     [](IconPainter& p) {
       p.sheet();
       p.text(5, 8, "<>", blue);
     }},
    {"lancia",
     [](IconPainter& p) {
       p.fill(1, 7, 10, 10, green);
       p.arrowHead(16, 8, 7, true, green);
       p.arrowHead(16, 9, 7, true, green);
     }},
    {"ancora",
     [](IconPainter& p) {
       p.ellipse(1, 4, 16, 16, navy, false);
       p.clear(0, 4, 17, 9);
       p.ellipse(6, 0, 11, 4, navy, false);
       p.fill(8, 4, 9, 15, navy);
       p.fill(5, 6, 12, 7, navy);
       p.arrowHead(2, 10, 3, false, navy);
       p.arrowHead(15, 10, 3, true, navy);
     }},
    {"hidden",
     [](IconPainter& p) {
       for (int x = 1; x <= 16; x += 2) {
         p.pixel(x, 3, grey);
         p.pixel(x, 14, grey);
       }
       for (int y = 3; y <= 14; y += 2) {
         p.pixel(1, y, grey);
         p.pixel(16, y, grey);
       }
       p.text(7, 6, "H", black);
     }},
    {"dinhtml",
     [](IconPainter& p) {
       p.sheet();
       p.text(5, 8, "<>", green);
     }},
    {"dinlist",
     [](IconPainter& p) {
       p.box(1, 2, 16, 15, white);
       for (int y = 5; y <= 12; y += 3) p.line(3, y, 10, y, green);
       p.box(12, 3, 15, 14, lightGrey);
       p.line(13, 7, 14, 7, black);
       p.pixel(13, 8, black);
       p.pixel(14, 8, black);
     }},
    {"iniziof",
     [](IconPainter& p) {
       p.box(2, 2, 15, 15, white);
       p.fill(2, 2, 15, 4, red);
       p.frame(2, 2, 15, 15, black);
       p.text(5, 7, "F", red);
       p.line(10, 8, 13, 8, black);
       p.line(10, 11, 13, 11, black);
     }},
    {"nota",
     [](IconPainter& p) {
       p.ellipse(3, 11, 8, 15, black, true);
       p.fill(8, 2, 8, 13, black);
       p.line(8, 2, 12, 5, black);
       p.line(8, 3, 12, 6, black);
       p.line(12, 5, 12, 8, black);
     }},
    {"foglio", [](IconPainter& p) { p.sheet(); }},
    {"fogliolk",
     [](IconPainter& p) {
       p.sheet();
       p.fill(5, 11, 10, 12, blue);
       p.arrowHead(13, 11, 3, true, blue);
       p.arrowHead(13, 12, 3, true, blue);
     }},
    {"imagelk",
     [](IconPainter& p) {
       p.box(1, 2, 16, 15, sky);
       p.ellipse(11, 4, 14, 7, yellow, true);
       for (int x = 2; x <= 15; ++x) p.line(x, 14, x, 14 - std::max(0, 5 - std::abs(x - 7)), green);
       p.fill(3, 4, 7, 5, blue);
       p.arrowHead(9, 4, 2, true, blue);
       p.arrowHead(9, 5, 2, true, blue);
     }},
    {"fond",
     [](IconPainter& p) {
       for (int y = 1; y <= 16; ++y)
         for (int x = 1; x <= 16; ++x) p.pixel(x, y, ((x - 1) / 4 + (y - 1) / 4) % 2 == 0 ? grey : white);
       p.frame(1, 1, 16, 16, black);
     }},
    {"xcoord",
     [](IconPainter& p) {
       p.text(7, 1, "X", black);
       p.line(2, 11, 15, 11, red);
       p.arrowHead(1, 11, 3, false, red);
       p.arrowHead(16, 11, 3, true, red);
     }},
    {"ycoord",
     [](IconPainter& p) {
       p.text(1, 6, "Y", black);
       p.line(11, 2, 11, 15, red);
       for (int i = 0; i < 3; ++i) {
         p.line(11 - i, 1 + i, 11 + i, 1 + i, red);
         p.line(11 - i, 16 - i, 11 + i, 16 - i, red);
       }
     }},
    {"triang",
     [](IconPainter& p) {
       for (int y = 2; y <= 15; ++y) {
         const int half = (y - 2) / 2 + 1;
         p.line(8 - half + 1, y, 8 + half, y, red);
       }
       p.fill(8, 6, 9, 11, white);
       p.fill(8, 13, 9, 14, white);
     }},
    {"par",
     [](IconPainter& p) {
       p.ellipse(3, 2, 10, 9, black, true);
       p.fill(7, 2, 14, 3, black);
       p.fill(9, 2, 10, 16, black);
       p.fill(12, 2, 13, 16, black);
     }},
    {"dbdb", [](IconPainter& p) { p.cylinder(yellow); }},
    {"dbquery",
     [](IconPainter& p) {
       p.cylinder(yellow);
       p.text(7, 8, "?", blue);
     }},
    {"dbbegin",
     [](IconPainter& p) {
       p.text(2, 6, "[", black);
       p.fill(2, 6, 3, 10, black);
       p.arrowHead(15, 8, 7, true, green);
     }},
    {"dbend",
     [](IconPainter& p) {
       p.arrowHead(2, 8, 7, false, red);
       p.text(13, 6, "]", black);
       p.fill(14, 6, 15, 10, black);
     }},
    {"dbcount",
     [](IconPainter& p) {
       p.box(1, 1, 16, 16, white);
       p.fill(6, 3, 6, 14, blue);
       p.fill(11, 3, 11, 14, blue);
       p.fill(3, 6, 14, 6, blue);
       p.fill(3, 11, 14, 11, blue);
     }},
    {"dbfirst",
     [](IconPainter& p) {
       p.fill(2, 2, 4, 15, black);
       p.arrowHead(6, 8, 7, false, black);
       p.arrowHead(6, 9, 7, false, black);
     }},
    {"dblast",
     [](IconPainter& p) {
       p.arrowHead(11, 8, 7, true, black);
       p.arrowHead(11, 9, 7, true, black);
       p.fill(13, 2, 15, 15, black);
     }},
    {"dbtesto",
     [](IconPainter& p) {
       p.box(1, 3, 16, 14, white);
       p.text(4, 6, "T", black);
       p.line(9, 6, 9, 11, black);
     }},
    {"dbrep",
     [](IconPainter& p) {
       p.ellipse(2, 2, 15, 15, green, false);
       p.clear(9, 0, 17, 6);
       p.arrowHead(12, 4, 4, true, green);
     }},
    {"dbsalto",
     [](IconPainter& p) {
       p.fill(2, 6, 3, 15, blue);
       p.fill(2, 6, 12, 7, blue);
       p.arrowHead(16, 6, 4, true, blue);
       p.arrowHead(16, 7, 4, true, blue);
     }},
}};

const std::array<std::string_view, 28> names = [] {
  std::array<std::string_view, 28> all{};
  for (std::size_t i = 0; i < drawings.size(); ++i) all[i] = drawings[i].name;
  return all;
}();

}  // namespace

const RgbaImage* markerIcon(std::string_view name) {
  static const std::map<std::string, RgbaImage, std::less<>> icons = [] {
    std::map<std::string, RgbaImage, std::less<>> made;
    for (const IconDrawing& drawing : drawings) {
      IconPainter painter;
      drawing.draw(painter);
      made.emplace(std::string(drawing.name), painter.take());
    }
    return made;
  }();
  const auto found = icons.find(name);
  return found != icons.end() ? &found->second : nullptr;
}

std::span<const std::string_view> markerIconNames() { return names; }

}  // namespace zeb
