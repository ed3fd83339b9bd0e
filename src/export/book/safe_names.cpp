// Safe names.
#include "export/book/safe_names.h"

#include <array>

namespace zeb {
namespace {

constexpr std::array<std::string_view, 22> reservedNames = {
    "con",  "prn",  "aux",  "nul",  "com1", "com2", "com3", "com4", "com5", "com6", "com7",
    "com8", "com9", "lpt1", "lpt2", "lpt3", "lpt4", "lpt5", "lpt6", "lpt7", "lpt8", "lpt9"};

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string lowerCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = lowerAscii(c);
  return out;
}

bool isKept(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '_';
}

std::size_t extensionStart(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos || dot == 0 ? name.size() : dot;
}

}  // namespace

std::string safeFileName(std::string_view name) {
  const std::size_t separator = name.find_last_of("/\\:");
  if (separator != std::string_view::npos) name.remove_prefix(separator + 1);
  std::string out;
  for (const char c : name) out.push_back(isKept(c) ? c : '_');
  const std::size_t first = out.find_first_not_of("._");
  out = first == std::string::npos ? std::string() : out.substr(first);
  // Some file systems drop trailing dots; a name that ends in one would change.
  while (!out.empty() && out.back() == '.') out.pop_back();
  if (out.empty()) return "file";
  if (out.size() > limits::maxExportNameLength) {
    const std::size_t dot = extensionStart(out);
    const std::string extension = out.size() - dot < 20 ? out.substr(dot) : std::string();
    out = out.substr(0, limits::maxExportNameLength - extension.size()) + extension;
  }
  const std::string stem = lowerCase(std::string_view(out).substr(0, out.find('.')));
  for (const std::string_view reserved : reservedNames) {
    if (stem == reserved) return "_" + out;
  }
  return out;
}

std::string uniqueName(std::string_view name, std::set<std::string>& taken) {
  std::string candidate(name);
  const std::size_t dot = extensionStart(name);
  for (int n = 2; taken.contains(lowerCase(candidate)); ++n)
    candidate = std::string(name.substr(0, dot)) + "-" + std::to_string(n) + std::string(name.substr(dot));
  taken.insert(lowerCase(candidate));
  return candidate;
}

std::string withExtension(std::string_view name, std::string_view extension) {
  return std::string(name.substr(0, extensionStart(name))) + std::string(extension);
}

}  // namespace zeb
