// Fuzzes the readers of the text kept in object data. The first byte chooses the reader
// (its value modulo 4: "t" 0, "a" 1, "n" 2, "p" 3), the rest is the data:
//  0  a contents-tree stream, whose first line names its holder;
//  1  an attribute block (an int32 length, that many bytes, then name="value" lines):
//     setting one attribute must leave the block and every other attribute as they were
//     (but "allfields", which reads the whole text);
//  2  the named-file list (name and value lines): setting and removing one name must leave
//     the other names' values as they were;
//  3  the text of file panels and of the import and shopping-cart link actions.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/container.h"
#include "document/describe_object.h"
#include "document/messages.h"
#include "document/named_files.h"
#include "platform/headless/quiet_platform.h"
#include "platform/windows1252.h"

namespace {

constexpr std::string_view checkName = "fuzzcheck";
constexpr std::string_view wholeText = "allfields";

void require(bool condition) {
  if (!condition) __builtin_trap();
}

struct Fixture {
  zeb::QuietPlatform platform;
  zeb::TZEBset set{platform.services()};

  std::unique_ptr<zeb::TZEBoggetto> make(zeb::TOggettiHel kind, std::uint8_t subtype) {
    auto object = set.makeObject(kind);
    object->Release();
    object->Activate();
    if (subtype != 0) object->record().setU8(zeb::field::state, subtype);
    return object;
  }
};

// The names of the name="value" lines of an attribute text.
std::vector<std::string> attributeNames(const std::string& text) {
  std::vector<std::string> names;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    if (const auto equals = line.find('='); equals != std::string::npos) names.push_back(line.substr(0, equals));
    start = end + 2;
  }
  return names;
}

void attributes(zeb::TZEBoggetto& panel, std::span<const std::uint8_t> bytes) {
  panel.setSecondaryData(bytes);
  const std::string all = panel.attribute(wholeText);
  require(panel.Name() == all.substr(0, 400));
  std::vector<std::pair<std::string, std::string>> before;
  for (const std::string& name : attributeNames(all)) {
    // A line named "allfields" cannot be read alone: that name asks for the whole text,
    // which the new line changes.
    const std::string lower = zeb::lowerWindows1252(name);
    if (lower != checkName && lower != wholeText) before.emplace_back(name, panel.attribute(name));
  }
  const auto block = panel.secondaryData();
  const std::vector<std::uint8_t> original(block.begin(), block.end());

  panel.setAttribute(checkName, "set");
  require(panel.attribute("FuzzCheck") == "set");
  for (const auto& [name, value] : before) require(panel.attribute(name) == value);
  // The length-prefixed block stays as it was when it was whole.
  if (original.size() >= 4) {
    const auto length = static_cast<std::int32_t>(original[0] | original[1] << 8 | original[2] << 16 |
                                                  static_cast<std::uint32_t>(original[3]) << 24);
    if (length >= 0 && static_cast<std::size_t>(length) <= original.size() - 4) {
      const auto after = panel.secondaryData();
      require(after.size() >= 4 + static_cast<std::size_t>(length) &&
              std::equal(original.begin(), original.begin() + 4 + length, after.begin()));
    }
  }
}

void namedFiles(zeb::TZEBoggetto& list, std::span<const std::uint8_t> bytes) {
  list.setPrimaryData(bytes);
  std::vector<std::pair<std::string, std::optional<std::string>>> before;
  bool checkNamePresent = false;
  for (const auto& [name, value] : zeb::namedFilesOf(list)) {
    if (name == checkName) checkNamePresent = true;
    if (zeb::lowerWindows1252(name) != checkName) before.emplace_back(name, zeb::namedFileValue(list, name));
  }
  zeb::setNamedFile(list, "FuzzCheck", "line one\r\nline two");
  require(zeb::namedFileValue(list, checkName) == "line one\r\nline two");
  for (const auto& [name, value] : before) require(zeb::namedFileValue(list, name) == value);
  zeb::setNamedFile(list, checkName, "");
  if (!checkNamePresent) require(!zeb::namedFileValue(list, checkName));
  for (const auto& [name, value] : before) require(zeb::namedFileValue(list, name) == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Fixture fixture;
  if (size == 0) return 0;
  const std::span<const std::uint8_t> rest(data + 1, size - 1);
  switch (data[0] % 4) {
    case 0: {
      auto holder = fixture.make(zeb::TOggettiHel::shortObj, 10);
      holder->setPrimaryData(rest);
      require(holder->Name().find_first_of("\r\n") == std::string::npos);
      break;
    }
    case 1: {
      auto panel = fixture.make(zeb::TOggettiHel::shortObj, 11);
      attributes(*panel, rest);
      break;
    }
    case 2: {
      auto list = fixture.make(zeb::TOggettiHel::dbloc, 0);
      namedFiles(*list, rest);
      break;
    }
    default: {
      const std::string text(rest.begin(), rest.end());
      auto panel = fixture.make(zeb::TOggettiHel::shortObj, 27);
      panel->setPrimaryData(rest);
      const std::string number = std::to_string(panel->record().i32(zeb::field::panelReference));
      require(panel->Name() == (text.empty() ? std::string(zeb::messages::filePrefix) + number : text));
      for (const std::uint8_t subtype : {6, 7}) {
        auto action = fixture.make(zeb::TOggettiHel::speclink, subtype);
        action->setPrimaryData(rest);
        const std::string description = zeb::describeObject(fixture.set, *action);
        if (text.empty())
          require(description == (subtype == 6 ? zeb::messages::autoImportAction : std::string_view()));
        else
          require(description.find('|') != std::string::npos);
      }
      break;
    }
  }
  fixture.platform.messages.clear();
  return 0;
}
