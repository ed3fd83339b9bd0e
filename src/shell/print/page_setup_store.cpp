// Reading and writing the page set-up.
#include "shell/print/page_setup_store.h"

#include <charconv>
#include <optional>
#include <string>

#include "platform/settings_store.h"

namespace zeb {
namespace {

constexpr std::string_view sectionPrefix = "PrnSettings_";
constexpr std::string_view savedFlag = "PrnParsSaved";
// dmColor: 1 monochrome, 2 colour.
constexpr int monochrome = 1;
constexpr int colour = 2;

struct Range {
  int low;
  int high;
};
constexpr Range marginRange{0, 100000};  // hundredths of a millimetre
constexpr Range paperRange{1, 10000};    // tenths of a millimetre
constexpr Range paperCodeRange{1, 0x7FFF};
constexpr Range percentRange{1, 1000};
constexpr Range copiesRange{1, 999};
constexpr Range sourceRange{0, 0x7FFF};
constexpr Range qualityRange{1, 4800};  // dots per inch

std::string keyOf(std::string_view section) {
  return std::string(printerProfilesKey) + '\\' + std::string(sectionPrefix) + std::string(section);
}

std::optional<int> number(const SettingsStore& settings, const std::string& key, std::string_view name, Range range) {
  const std::optional<std::string> text = settings.readString(key, name);
  if (!text) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
  if (error != std::errc() || end != text->data() + text->size()) return std::nullopt;
  if (value < range.low || value > range.high) return std::nullopt;
  return value;
}

void read(const SettingsStore& settings, const std::string& key, std::string_view name, Range range, int& target) {
  if (const auto value = number(settings, key, name, range)) target = *value;
}

}  // namespace

PageSetup loadPageSetup(const SettingsStore& settings, std::string_view section) {
  PageSetup setup;
  const std::string key = keyOf(section);
  if (settings.readString(key, savedFlag).value_or("") != "1") return setup;
  setup.device = settings.readString(key, "device").value_or("");
  setup.driver = settings.readString(key, "driver").value_or("");
  setup.port = settings.readString(key, "port").value_or("");
  read(settings, key, "dmPaperSize", paperCodeRange, setup.paper);
  read(settings, key, "dmPaperLength", paperRange, setup.paperLength);
  read(settings, key, "dmPaperWidth", paperRange, setup.paperWidth);
  if (const auto orientation = number(settings, key, "dmOrientation", {1, 2})) {
    setup.orientation = static_cast<PageOrientation>(*orientation);
  }
  read(settings, key, "dmScale", percentRange, setup.scale);
  read(settings, key, "dmCopies", copiesRange, setup.copies);
  read(settings, key, "dmDefaultSource", sourceRange, setup.defaultSource);
  read(settings, key, "dmPrintQuality", qualityRange, setup.printQuality);
  if (const auto colourMode = number(settings, key, "dmColor", {monochrome, colour}))
    setup.colour = *colourMode == colour;
  if (const auto duplex = number(settings, key, "dmDuplex", {1, 3})) setup.duplex = static_cast<DuplexMode>(*duplex);
  read(settings, key, "Left", marginRange, setup.leftMargin);
  read(settings, key, "Right", marginRange, setup.rightMargin);
  read(settings, key, "Top", marginRange, setup.topMargin);
  read(settings, key, "Bottom", marginRange, setup.bottomMargin);
  return setup;
}

void savePageSetup(SettingsStore& settings, const PageSetup& setup, std::string_view section) {
  const std::string key = keyOf(section);
  const auto write = [&](std::string_view name, int value) { settings.writeString(key, name, std::to_string(value)); };
  settings.writeString(key, "device", setup.device);
  settings.writeString(key, "driver", setup.driver);
  settings.writeString(key, "port", setup.port);
  write("dmPaperSize", setup.paper);
  write("dmPaperLength", setup.paperLength);
  write("dmPaperWidth", setup.paperWidth);
  write("dmOrientation", static_cast<int>(setup.orientation));
  write("dmScale", setup.scale);
  write("dmCopies", setup.copies);
  write("dmDefaultSource", setup.defaultSource);
  write("dmPrintQuality", setup.printQuality);
  write("dmColor", setup.colour ? colour : monochrome);
  write("dmDuplex", static_cast<int>(setup.duplex));
  write("Left", setup.leftMargin);
  write("Right", setup.rightMargin);
  write("Top", setup.topMargin);
  write("Bottom", setup.bottomMargin);
  settings.writeString(key, savedFlag, "1");
}

}  // namespace zeb
