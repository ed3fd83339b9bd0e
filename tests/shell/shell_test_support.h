// A book in memory for the shell's tests, and a compact dump of a contents tree.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "document/container.h"
#include "shell/contents_tree.h"
#include "tests/support/book_builder.h"
#include "tests/support/test_platform.h"

namespace zeb::testing {

class ShellBook : public ::testing::Test {
 protected:
  // Pages named "Page 0", "Page 1", ... with a short text.
  void addPages(int count) {
    for (int i = 0; i < count; ++i) zebmake::addPage(set, "Page " + std::to_string(set.count(0)), "<Z S0 >text");
  }
  void setPageStream(std::string_view stream) {
    set.contentsHolderForPages().setPrimaryData({reinterpret_cast<const std::uint8_t*>(stream.data()), stream.size()});
  }
  std::string pageStream() {
    const auto bytes = set.contentsHolderForPages().primaryData();
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
  }
  std::vector<ShownMessage> errors(std::string_view text) const {
    return {ShownMessage{MessageKind::error, std::string(text)}};
  }

  TestPlatform platform;
  TZEBset set{platform.services()};
};

// One line per node in pre-order: indentation by level, the type, and the title.
inline std::string dump(const ContentsTree& tree) {
  std::string out;
  tree.forEach([&](const ContentsNode& node) {
    static constexpr const char* types[] = {"root", "chapter", "object", "none"};
    out += std::string(static_cast<std::size_t>(2 * node.level()), ' ') + types[static_cast<int>(node.type())] + " " +
           node.title() + "\n";
  });
  return out;
}

}  // namespace zeb::testing
