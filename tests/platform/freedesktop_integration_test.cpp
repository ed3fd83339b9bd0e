// Registering the reader with the desktop: the files written, the tools run, and the
// default application, in folders of the test's own.
#include "platform/headless/freedesktop_integration.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/headless/freedesktop_files.h"
#include "tests/support/temporary_folder.h"

namespace zeb {
namespace {

std::string readText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(FreedesktopFiles, ExecLinesQuoteTheProgram) {
  EXPECT_EQ(freedesktop::execLine("/opt/bf/brightfold"), "\"/opt/bf/brightfold\" %f");
  EXPECT_EQ(freedesktop::execLine("/my apps/100%/\"b\"$x"), "\"/my apps/100%%/\\\\\"b\\\\\"\\\\$x\" %f");
  EXPECT_EQ(freedesktop::execLine("/a\\b"), "\"/a\\\\\\\\b\" %f");
  EXPECT_EQ(freedesktop::execLine("/a\nb"), std::nullopt);
}

TEST(FreedesktopFiles, TheMimePackageAndTheGlobLookup) {
  EXPECT_EQ(freedesktop::mimePackage("application/x-nexo-ebook", "Nexo hypertext/ebook", "*.zeb"),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
            "  <mime-type type=\"application/x-nexo-ebook\">\n"
            "    <comment>Nexo hypertext/ebook</comment>\n"
            "    <glob pattern=\"*.zeb\"/>\n"
            "  </mime-type>\n"
            "</mime-info>\n");
  const std::string globs2 = "# comment\n50:text/plain:*.txt\n60:application/x-other:*.ZEB:cs\nbroken line\n";
  EXPECT_EQ(freedesktop::typeOfGlob(globs2, "*.zeb"), "application/x-other");
  EXPECT_EQ(freedesktop::typeOfGlob(globs2, "*.pdf"), std::nullopt);
}

TEST(FreedesktopFiles, DefaultApplicationsAreSetAndRemovedKeepingTheRest) {
  const std::string type = "application/x-nexo-ebook";
  EXPECT_EQ(freedesktop::withDefaultApplication("", type, "brightfold.desktop"),
            "[Default Applications]\napplication/x-nexo-ebook=brightfold.desktop;\n");
  const std::string existing =
      "[Added Associations]\napplication/x-nexo-ebook=other.desktop;\n\n"
      "[Default Applications]\ntext/plain=editor.desktop;\n\n[Removed Associations]\n";
  const std::string withOurs = freedesktop::withDefaultApplication(existing, type, "brightfold.desktop");
  EXPECT_EQ(withOurs,
            "[Added Associations]\napplication/x-nexo-ebook=other.desktop;\n\n"
            "[Default Applications]\ntext/plain=editor.desktop;\napplication/x-nexo-ebook=brightfold.desktop;\n\n"
            "[Removed Associations]\n");
  EXPECT_EQ(freedesktop::withDefaultApplication(withOurs, type, "brightfold.desktop"), withOurs);
  EXPECT_EQ(freedesktop::withoutDefaultApplication(withOurs, type, "brightfold.desktop"), existing);
  EXPECT_EQ(freedesktop::withoutDefaultApplication(
                "[Default Applications]\napplication/x-nexo-ebook=brightfold.desktop;viewer.desktop;\n", type,
                "brightfold.desktop"),
            "[Default Applications]\napplication/x-nexo-ebook=viewer.desktop;\n");
}

class Registration : public ::testing::Test {
 protected:
  FreedesktopIntegration integration(bool withTools) {
    FreedesktopFolders folders{folder.path() / "data", folder.path() / "config", {folder.path() / "system"}};
    DesktopTools tools;
    tools.find = [withTools](std::string_view name) {
      return withTools ? std::filesystem::path("/usr/bin") / name : std::filesystem::path();
    };
    tools.run = [this](const ProcessRun& run) {
      std::string line = run.program.filename().string();
      for (const auto& argument : run.arguments) line += " " + argument;
      for (const auto& [name, value] : run.environment) line += " " + name + "=" + value.value_or("(removed)");
      runs.push_back(line);
      return toolsSucceed;
    };
    return FreedesktopIntegration(folders, tools);
  }
  DesktopRegistration registration{"/opt/bf/brightfold", "Brightfold", "Nexo hypertext/ebook", "/opt/bf/zebtool"};
  testing::TemporaryFolder folder;
  std::vector<std::string> runs;
  bool toolsSucceed = true;
};

TEST_F(Registration, WithoutToolsTheFilesAndMimeappsListAreWritten) {
  FreedesktopIntegration desktop = integration(false);
  const SetupOutcome outcome = desktop.install(registration);
  EXPECT_TRUE(outcome.succeeded) << outcome.problem;
  EXPECT_TRUE(runs.empty());
  EXPECT_EQ(readText(desktop.desktopEntryPath()),
            "[Desktop Entry]\nType=Application\nName=Brightfold\nGenericName=Ebook reader\n"
            "Exec=\"/opt/bf/brightfold\" %f\nTerminal=false\nCategories=Office;Viewer;\n"
            "MimeType=application/x-nexo-ebook;\n");
  EXPECT_NE(readText(desktop.packagePath()).find("<comment>Nexo hypertext/ebook</comment>"), std::string::npos);
  EXPECT_EQ(readText(folder.path() / "config" / "mimeapps.list"),
            "[Default Applications]\napplication/x-nexo-ebook=brightfold.desktop;\n");
  EXPECT_EQ(desktop.thumbnailerPath(), folder.path() / "data" / "thumbnailers" / "brightfold.thumbnailer");
  EXPECT_EQ(readText(desktop.thumbnailerPath()),
            "[Thumbnailer Entry]\nExec=\"/opt/bf/zebtool\" thumbnail %i %o %s\nMimeType=application/x-nexo-ebook;\n");

  EXPECT_TRUE(desktop.uninstall().succeeded);
  EXPECT_FALSE(std::filesystem::exists(desktop.thumbnailerPath()));
  EXPECT_FALSE(std::filesystem::exists(desktop.desktopEntryPath()));
  EXPECT_FALSE(std::filesystem::exists(desktop.packagePath()));
  EXPECT_EQ(readText(folder.path() / "config" / "mimeapps.list"), "[Default Applications]\n");
}

TEST_F(Registration, ToolsRunOnTheSameFolders) {
  FreedesktopIntegration desktop = integration(true);
  EXPECT_TRUE(desktop.install(registration).succeeded);
  const std::string environment =
      " XDG_DATA_HOME=" + (folder.path() / "data").string() + " XDG_CONFIG_HOME=" + (folder.path() / "config").string();
  EXPECT_EQ(runs, (std::vector<std::string>{
                      "update-mime-database " + (folder.path() / "data" / "mime").string() + environment,
                      "update-desktop-database " + (folder.path() / "data" / "applications").string() + environment,
                      "xdg-mime default brightfold.desktop application/x-nexo-ebook" + environment}));
  // xdg-mime did the association.
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "config" / "mimeapps.list"));

  toolsSucceed = false;
  const SetupOutcome failed = desktop.install(registration);
  EXPECT_FALSE(failed.succeeded);
  EXPECT_EQ(failed.problem, "update-mime-database failed");
  // A failing xdg-mime is made up for.
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "config" / "mimeapps.list"));
}

TEST_F(Registration, ATypeTheDesktopAlreadyGivesBooksIsKept) {
  std::filesystem::create_directories(folder.path() / "system" / "mime");
  folder.write("system/mime/globs2", "50:application/x-zeb-book:*.zeb\n");
  FreedesktopIntegration desktop = integration(false);
  EXPECT_TRUE(desktop.install(registration).succeeded);
  EXPECT_FALSE(std::filesystem::exists(desktop.packagePath()));
  EXPECT_NE(readText(desktop.desktopEntryPath()).find("MimeType=application/x-zeb-book;\n"), std::string::npos);
  EXPECT_TRUE(desktop.uninstall().succeeded);
  EXPECT_EQ(readText(folder.path() / "config" / "mimeapps.list"), "[Default Applications]\n");
}

TEST_F(Registration, TheRealMimeDatabaseLearnsTheType) {
  if (findProgram("update-mime-database").empty()) GTEST_SKIP() << "update-mime-database is not installed";
  FreedesktopFolders folders{folder.path() / "data", folder.path() / "config", {}};
  FreedesktopIntegration desktop(folders, DesktopTools{findProgram, runAndWait});
  const SetupOutcome outcome = desktop.install(registration);
  EXPECT_TRUE(outcome.succeeded) << outcome.problem;
  EXPECT_EQ(freedesktop::typeOfGlob(readText(folder.path() / "data" / "mime" / "globs2"), "*.zeb"),
            "application/x-nexo-ebook");
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "data" / "mime" / "application" / "x-nexo-ebook.xml"));
  EXPECT_TRUE(desktop.uninstall().succeeded);
  EXPECT_EQ(freedesktop::typeOfGlob(readText(folder.path() / "data" / "mime" / "globs2"), "*.zeb"), std::nullopt);
}

}  // namespace
}  // namespace zeb
