// Fuzzes the settings file: any bytes as the INI file. What is read must survive being
// saved and read again: after one more value is written (which saves the file), a second
// store reading the saved file holds every value the first one held. The section and
// value names to compare are gathered loosely from both files, each name with the section
// above it.
#include <cstdint>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include "fuzz/scratch_files.h"
#include "platform/headless/ini_settings_store.h"

namespace {

void require(bool condition) {
  if (!condition) __builtin_trap();
}

std::string contentsOf(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

using Lookups = std::set<std::pair<std::string, std::string>>;

// Every bracketed line as a section, and every text before an "=" as a name in the section
// above it, both raw and with the file's escapes undone, so that each value read is looked
// up again.
void gatherLookups(const std::string& file, std::set<std::string>& sections, Lookups& lookups) {
  std::istringstream lines(file);
  std::string line;
  std::string section;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
      sections.insert(section);
    }
    const auto equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string raw = line.substr(0, equals);
    std::string unescaped;
    for (std::size_t i = 0; i < raw.size(); ++i) unescaped += raw[i] == '\\' && i + 1 < raw.size() ? raw[++i] : raw[i];
    lookups.emplace(section, raw);
    lookups.emplace(section, unescaped);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const zeb::fuzzing::ScratchFolder folder("settings-file");
  const std::filesystem::path path = folder.write("brightfold.ini", data, size);
  std::filesystem::remove(path.string() + ".new");

  zeb::IniSettingsStore first(path);
  first.writeString("\\SOFTWARE\\KX\\fuzz", "saved", "yes");
  zeb::IniSettingsStore second(path);
  require(second.readString("\\software\\kx\\fuzz\\", "SAVED") == "yes");

  std::set<std::string> sections;
  Lookups lookups;
  gatherLookups(std::string(reinterpret_cast<const char*>(data), size), sections, lookups);
  gatherLookups(contentsOf(path), sections, lookups);
  for (const std::string& section : sections) require(first.keyExists(section) == second.keyExists(section));
  for (const auto& [section, name] : lookups)
    require(first.readString(section, name) == second.readString(section, name));
  return 0;
}
