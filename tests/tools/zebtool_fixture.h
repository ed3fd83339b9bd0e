// The fixture of the tests that run zebtool as a program: books are written to a folder of
// the test's own.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "tests/support/book_builder.h"
#include "tests/support/run_command.h"

namespace zeb::testing {

class Zebtool : public ::testing::Test {
 protected:
  CommandResult zebtool(const std::vector<std::string>& arguments) { return runCommand(ZEBTOOL_PATH, arguments); }
  std::string writeBook(const BookFiller& fill, std::string_view name = "book.zeb") {
    return folder.write(name, bookBytes(fill)).string();
  }
  // The book zebmake makes of the JSON description.
  std::string makeBook(const std::string& description, std::string_view name = "made.zeb") {
    const std::string book = (folder.path() / name).string();
    const auto made = runCommand(ZEBMAKE_PATH, {folder.write("made.json", description).string(), book});
    EXPECT_EQ(made.exitStatus, 0) << made.err;
    return book;
  }
  TemporaryFolder folder;
};

}  // namespace zeb::testing
