// Output and loading for zebtool.
#include "app/zebtool/tool.h"

#include <cstdio>

#include "document/container.h"
#include "platform/windows1252.h"

namespace zeb::tool {

void printUtf8Line(std::string_view utf8Text) {
  std::fwrite(utf8Text.data(), 1, utf8Text.size(), stdout);
  std::fputc('\n', stdout);
}

void printLine(std::string_view windows1252Text) { printUtf8Line(windows1252ToUtf8(windows1252Text)); }

std::unique_ptr<TZEBset> loadBook(const PlatformServices& services, const std::string& path) {
  auto set = std::make_unique<TZEBset>(services);
  if (!set->Load(path)) return nullptr;
  return set;
}

}  // namespace zeb::tool
