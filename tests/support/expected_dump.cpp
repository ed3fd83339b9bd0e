// Expected dumps.
#include "tests/support/expected_dump.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace zeb::testing {

void expectSameAsDump(const std::string& dump, const std::filesystem::path& path) {
  const char* rewrite = std::getenv("BRIGHTFOLD_REWRITE_DUMPS");
  if (rewrite != nullptr && std::string(rewrite) == "1") {
    std::ofstream(path, std::ios::binary) << dump;
    return;
  }
  std::ifstream in(path, std::ios::binary);
  std::ostringstream expected;
  expected << in.rdbuf();
  EXPECT_EQ(dump, expected.str()) << "dump " << path;
}

}  // namespace zeb::testing
