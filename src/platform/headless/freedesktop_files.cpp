// Freedesktop file texts.
#include "platform/headless/freedesktop_files.h"

#include <vector>

#include "platform/windows1252.h"

namespace zeb::freedesktop {
namespace {

constexpr std::string_view defaultsGroup = "[Default Applications]";

std::vector<std::string> linesOf(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    lines.emplace_back(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return lines;
}

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

std::string xmlEscaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else if (c == '"')
      out += "&quot;";
    else
      out.push_back(c);
  }
  return out;
}

bool isGroupLine(std::string_view line) { return line.starts_with('['); }

// The value of a "type=..." line of the group, when the line is about that type.
std::optional<std::string_view> valueFor(std::string_view line, std::string_view mimeType) {
  if (!line.starts_with(mimeType) || !line.substr(mimeType.size()).starts_with('=')) return std::nullopt;
  return line.substr(mimeType.size() + 1);
}

}  // namespace

namespace {

std::optional<std::string> quotedProgram(const std::filesystem::path& program) {
  std::string quoted = "\"";
  for (char c : program.string()) {
    if (c == '\n' || c == '\r') return std::nullopt;
    // Inside quotes these four take a backslash, and every backslash of the value is
    // itself written twice in the file.
    if (c == '\\')
      quoted += "\\\\\\\\";
    else if (c == '"' || c == '`' || c == '$')
      quoted += std::string("\\\\") + c;
    else if (c == '%')
      quoted += "%%";
    else
      quoted.push_back(c);
  }
  return quoted + "\"";
}

}  // namespace

std::optional<std::string> execLine(const std::filesystem::path& program) {
  const auto quoted = quotedProgram(program);
  return quoted ? std::optional<std::string>(*quoted + " %f") : std::nullopt;
}

std::optional<std::string> thumbnailerExecLine(const std::filesystem::path& program) {
  const auto quoted = quotedProgram(program);
  return quoted ? std::optional<std::string>(*quoted + " thumbnail %i %o %s") : std::nullopt;
}

std::string thumbnailerEntry(std::string_view exec, std::string_view mimeType) {
  return "[Thumbnailer Entry]\nExec=" + std::string(exec) + "\nMimeType=" + std::string(mimeType) + ";\n";
}

std::string desktopEntry(std::string_view name, std::string_view exec, std::string_view mimeType) {
  std::string entry = "[Desktop Entry]\nType=Application\n";
  entry += "Name=" + std::string(name) + "\n";
  entry += "GenericName=Ebook reader\n";
  entry += "Exec=" + std::string(exec) + "\n";
  entry += "Terminal=false\nCategories=Office;Viewer;\n";
  entry += "MimeType=" + std::string(mimeType) + ";\n";
  return entry;
}

std::string mimePackage(std::string_view mimeType, std::string_view comment, std::string_view glob) {
  std::string package = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  package += "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
  package += "  <mime-type type=\"" + xmlEscaped(mimeType) + "\">\n";
  package += "    <comment>" + xmlEscaped(comment) + "</comment>\n";
  package += "    <glob pattern=\"" + xmlEscaped(glob) + "\"/>\n";
  package += "  </mime-type>\n</mime-info>\n";
  return package;
}

std::optional<std::string> typeOfGlob(std::string_view globs2, std::string_view glob) {
  for (const std::string& line : linesOf(globs2)) {
    if (line.empty() || line.starts_with('#')) continue;
    const auto first = line.find(':');
    const auto second = line.find(':', first == std::string::npos ? first : first + 1);
    if (first == std::string::npos || second == std::string::npos) continue;
    const std::string_view pattern = std::string_view(line).substr(second + 1);
    if (equalsIgnoringCase(pattern.substr(0, pattern.find(':')), glob))
      return line.substr(first + 1, second - first - 1);
  }
  return std::nullopt;
}

std::string withDefaultApplication(std::string_view mimeapps, std::string_view mimeType, std::string_view desktopId) {
  std::vector<std::string> lines = linesOf(mimeapps);
  const std::string entry = std::string(mimeType) + "=" + std::string(desktopId) + ";";
  bool inDefaults = false;
  std::size_t groupEnd = lines.size();
  bool groupFound = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (isGroupLine(lines[i])) {
      if (inDefaults) groupEnd = i;
      inDefaults = lines[i] == defaultsGroup;
      groupFound = groupFound || inDefaults;
      continue;
    }
    if (inDefaults && valueFor(lines[i], mimeType)) {
      lines[i] = entry;
      return joined(lines);
    }
  }
  if (!groupFound) {
    if (!lines.empty() && !lines.back().empty()) lines.emplace_back();
    lines.emplace_back(defaultsGroup);
    lines.push_back(entry);
    return joined(lines);
  }
  // Within the group, after its last line that is not blank.
  std::size_t at = groupEnd;
  while (at > 0 && lines[at - 1].empty()) --at;
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), entry);
  return joined(lines);
}

std::string withoutDefaultApplication(std::string_view mimeapps, std::string_view mimeType,
                                      std::string_view desktopId) {
  std::vector<std::string> lines = linesOf(mimeapps);
  std::vector<std::string> kept;
  bool inDefaults = false;
  for (const std::string& line : lines) {
    if (isGroupLine(line)) inDefaults = line == defaultsGroup;
    const auto value = inDefaults ? valueFor(line, mimeType) : std::nullopt;
    if (!value) {
      kept.push_back(line);
      continue;
    }
    std::string others;
    std::string_view rest = *value;
    while (!rest.empty()) {
      const auto semicolon = rest.find(';');
      const std::string_view id = rest.substr(0, semicolon);
      rest = semicolon == std::string_view::npos ? std::string_view() : rest.substr(semicolon + 1);
      if (!id.empty() && id != desktopId) others += std::string(id) + ";";
    }
    if (!others.empty()) kept.push_back(std::string(mimeType) + "=" + others);
  }
  return joined(kept);
}

}  // namespace zeb::freedesktop
