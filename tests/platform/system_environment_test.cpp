// The environment of the running process: where the program's own files are.
#include "platform/headless/system_environment.h"

#include <gtest/gtest.h>

#include "tests/support/temporary_folder.h"

namespace zeb {
namespace {

TEST(SystemEnvironment, AnInstalledProgramFindsItsFilesInTheDataFolderOfItsPrefix) {
  testing::TemporaryFolder folder;
  const std::filesystem::path prefix = folder.path() / "usr";
  std::filesystem::create_directories(prefix / "bin");
  // Until the data folder exists, the program's folder is the folder of its files.
  EXPECT_EQ(programFilesFolder(prefix / "bin"), prefix / "bin");
  std::filesystem::create_directories(prefix / "share" / "brightfold");
  EXPECT_EQ(programFilesFolder(prefix / "bin"), prefix / "share" / "brightfold");
  // A program run from its build folder, or copied into a folder of its own, keeps its folder.
  std::filesystem::create_directories(folder.path() / "share" / "brightfold");
  EXPECT_EQ(programFilesFolder(folder.path() / "brightfold"), folder.path() / "brightfold");
}

}  // namespace
}  // namespace zeb
