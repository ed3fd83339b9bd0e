// Zones, tables and animated pictures of book descriptions.
#include "tools/zebmake/visual_description.h"

#include "document/book_object.h"
#include "tools/zebmake/book_description.h"
#include "tools/zebmake/gif_maker.h"

namespace zeb::zebmake {

using Json = nlohmann::json;

void applyZones(TZEBoggetto& placement, const Json& zones) {
  ObjectRecord& record = placement.record();
  for (const Json& zone : zones) {
    const int slot = zone.at("slot").get<int>();
    if (slot < 0 || slot >= field::zoneCount) throw DescriptionError("a zone slot runs from 0 to 29");
    const int at = field::placementZones + field::zoneSize * slot;
    record.setI32(at, zone.at("link").get<std::int32_t>());
    record.setI32(at + 4, 0);
    record.setI16(at + 8, static_cast<std::int16_t>(zone.value("left", 0)));
    record.setI16(at + 10, static_cast<std::int16_t>(zone.value("top", 0)));
    record.setI16(at + 12, static_cast<std::int16_t>(zone.value("width", 30)));
    record.setI16(at + 14, static_cast<std::int16_t>(zone.value("height", 30)));
  }
}

void applyTable(TZEBoggetto& table, const Json& description) {
  ObjectRecord& record = table.record();
  const Json& columns = description.at("columns");
  if (columns.size() > 50) throw DescriptionError("a table describes at most 50 columns");
  record.setU8(field::tableRows, static_cast<std::uint8_t>(description.value("rows", 1)));
  record.setU8(field::tableColumns, static_cast<std::uint8_t>(columns.size()));
  for (std::size_t c = 0; c < columns.size(); ++c) {
    const Json& column = columns[c];
    const int offset = static_cast<int>(c);
    std::uint8_t mode = 2;
    int value = 0;
    if (column.contains("percent")) {
      mode = 0;
      value = column["percent"].get<int>();
    } else if (column.contains("pixels")) {
      mode = 1;
      value = column["pixels"].get<int>();
    }
    record.setU8(field::tableColumnModes + offset, mode);
    record.setI16(field::tableColumnValues + 2 * offset, static_cast<std::int16_t>(value));
  }
  if (description.contains("width")) {
    record.setU8(field::tableRelativeWidth, 0);
    record.setI16(field::tableWidth, static_cast<std::int16_t>(description["width"].get<int>()));
  }
  if (description.contains("percent")) {
    record.setU8(field::tableRelativeWidth, 1);
    record.setU8(field::tableWidthPercent, static_cast<std::uint8_t>(description["percent"].get<int>()));
  }
  if (description.contains("spacing"))
    record.setU8(field::tableCellSpacing, description["spacing"].get<std::uint8_t>());
  if (description.contains("inset")) record.setU8(field::tableCellInset, description["inset"].get<std::uint8_t>());
  if (description.contains("border")) record.setU8(field::tableBorderWidth, description["border"].get<std::uint8_t>());
  if (description.contains("colour")) record.setU32(field::tableColour, description["colour"].get<std::uint32_t>());
  if (description.contains("cells")) {
    std::vector<std::uint8_t> codes;
    for (const Json& code : description["cells"]) {
      const auto value = code.get<std::uint32_t>();
      for (int shift = 0; shift < 32; shift += 8) codes.push_back(static_cast<std::uint8_t>(value >> shift));
    }
    table.setPrimaryData(codes);
  }
}

std::vector<std::uint8_t> animatedBallGif(const Json& description) {
  GifPicture picture;
  picture.width = description.value("width", animationWidth);
  picture.height = description.value("height", animationHeight);
  if (picture.width < 8 || picture.height < 8 || picture.width > 1000 || picture.height > 1000)
    throw DescriptionError("an animation is 8 to 1000 pixels a side");
  const int frames = description.value("frames", 20);
  if (frames < 1 || frames > 200) throw DescriptionError("an animation has 1 to 200 frames");
  picture.colours = {0x80C0FF, 0x40A040, 0xFFD800, 0xFFFFFF};
  if (description.contains("loop")) picture.loopCount = description["loop"].get<int>();
  const int ground = picture.height * 3 / 4;
  const int radius = std::max(picture.height / 8, 2);
  for (int f = 0; f < frames; ++f) {
    GifFrame frame;
    frame.width = picture.width;
    frame.height = picture.height;
    frame.delayCentiseconds = description.value("delay", 5);
    const int cx = radius + (picture.width - 2 * radius) * f / std::max(frames - 1, 1);
    const int cy = radius + (ground - 2 * radius) * (f % 2 == 0 ? 1 : 2) / 3;
    for (int y = 0; y < picture.height; ++y) {
      for (int x = 0; x < picture.width; ++x) {
        const int dx = x - cx;
        const int dy = y - cy;
        std::uint8_t index = y >= ground ? 1 : 0;
        if (dx * dx + dy * dy <= radius * radius) index = 2;
        frame.indexes.push_back(index);
      }
    }
    picture.frames.push_back(std::move(frame));
  }
  return makeGif(picture);
}

}  // namespace zeb::zebmake
