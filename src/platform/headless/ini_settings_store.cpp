// Settings in an INI file. Values are Windows-1252 bytes; CR, LF and backslash are escaped.
#include "platform/headless/ini_settings_store.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/windows1252.h"

namespace zeb {
namespace {

std::string escape(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\\') out += "\\\\";
    else if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else out.push_back(c);
  }
  return out;
}

// A name is escaped like a value, and a "[" or ";" that begins it too, so that its line is
// read back as a value and not as a section or a comment.
std::string escapeName(std::string_view name) {
  std::string out = escape(name);
  if (!out.empty() && (out.front() == '[' || out.front() == ';')) out.insert(out.begin(), '\\');
  return out;
}

std::string unescape(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) {
      const char next = text[++i];
      out.push_back(next == 'r' ? '\r' : next == 'n' ? '\n' : next);
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

}  // namespace

IniSettingsStore::IniSettingsStore(std::filesystem::path file) : file_(std::move(file)) { load(); }

std::filesystem::path IniSettingsStore::defaultFile() {
  std::filesystem::path base;
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config != '\0')
    base = config;
  else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
    base = std::filesystem::path(home) / ".config";
  else
    base = "/tmp";
  return base / "KX" / "brightfold.ini";
}

void IniSettingsStore::load() {
  std::ifstream in(file_, std::ios::binary);
  if (!in) return;
  std::string line;
  std::string section;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
      continue;
    }
    const auto equals = line.find('=');
    if (equals == std::string::npos || section.empty()) continue;
    const std::string name = unescape(line.substr(0, equals));
    const std::string value = unescape(line.substr(equals + 1));
    Key& entry = keys_[canonicalKeyPath(section)];
    if (entry.displayPath.empty()) entry.displayPath = section;
    std::string lowered = lowerWindows1252(name);
    entry.values[lowered] = value;
    entry.names.try_emplace(lowered, name);
  }
}

void IniSettingsStore::changed() {
  std::error_code error;
  std::filesystem::create_directories(file_.parent_path(), error);
  std::ostringstream text;
  for (const auto& [path, key] : keys_) {
    text << '[' << key.displayPath << "]\n";
    for (const auto& [lowered, value] : key.values) {
      const auto name = key.names.find(lowered);
      text << escapeName(name != key.names.end() ? name->second : lowered) << '=' << escape(value) << '\n';
    }
    text << '\n';
  }
  // Write a sibling file and rename it, so that a crash never leaves half a settings file.
  const std::filesystem::path temporary = file_.string() + ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return;
    out << text.str();
    if (!out.flush()) return;
  }
  std::filesystem::rename(temporary, file_, error);
}

}  // namespace zeb
