// The setup switches: which one is asked for, what "/DELETE" refuses, and their steps.
#include "shell/setup_switches.h"

#include <gtest/gtest.h>

#include "platform/headless/recording_desktop_integration.h"
#include "shell/settings_keys.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/test_platform.h"

namespace zeb::shell {
namespace {

TEST(SetupSwitches, ArgumentOneInAnyCase) {
  EXPECT_EQ(setupSwitchOf({}), SetupSwitch::none);
  EXPECT_EQ(setupSwitchOf({"/init", "a.zeb"}), SetupSwitch::init);
  EXPECT_EQ(setupSwitchOf({"/Deinst"}), SetupSwitch::deinstall);
  EXPECT_EQ(setupSwitchOf({"/DELETE", "/opt/x"}), SetupSwitch::deleteFolder);
  EXPECT_EQ(setupSwitchOf({"a.zeb", "/INIT"}), SetupSwitch::none);
  EXPECT_EQ(setupSwitchOf({"/INITIAL"}), SetupSwitch::none);
  EXPECT_FALSE(createsMainWindow(SetupSwitch::deleteFolder));
  EXPECT_TRUE(createsMainWindow(SetupSwitch::init));
}

TEST(SetupSwitches, DeleteRefusesTheRootTheHomeAndSystemFolders) {
  testing::TemporaryFolder folder;
  const std::filesystem::path home = folder.path() / "home" / "reader";
  std::filesystem::create_directories(home / "apps" / "brightfold");
  std::filesystem::create_directory_symlink("/usr", folder.path() / "link-to-usr");
  std::filesystem::create_directory_symlink(home, folder.path() / "link-to-home");

  for (const std::string refused : {"",
                                    "/",
                                    "//",
                                    "/.",
                                    "/usr/..",
                                    "c:\\",
                                    "C:",
                                    "c:\\windows\\",
                                    "C:\\WINDOWS\\SYSTEMS\\",
                                    "relative/folder",
                                    "/bin",
                                    "/boot",
                                    "/dev",
                                    "/etc",
                                    "/etc/",
                                    "/lib",
                                    "/lib64",
                                    "/libx32",
                                    "/opt",
                                    "/proc",
                                    "/root",
                                    "/run",
                                    "/sbin",
                                    "/srv",
                                    "/sys",
                                    "/tmp",
                                    "/tmp/",
                                    "/usr",
                                    "/usr/lib/brightfold",
                                    "/usr/local",
                                    "/var",
                                    "/var/tmp/x",
                                    "/home",
                                    "/media",
                                    "/mnt"}) {
    EXPECT_FALSE(mayDeleteFolder(refused, home)) << refused;
  }
  for (const std::filesystem::path& refused :
       {home, home / "", home / "apps" / "..", home.parent_path(), folder.path() / "link-to-usr",
        folder.path() / "link-to-home", folder.path() / "link-to-usr" / "share"}) {
    EXPECT_FALSE(mayDeleteFolder(refused.string(), home)) << refused;
  }
  for (const std::filesystem::path& allowed :
       {home / "apps" / "brightfold", std::filesystem::path("/opt/brightfold"), std::filesystem::path("/tmp/bf-copy"),
        std::filesystem::path("/media/usb/ebook")}) {
    EXPECT_TRUE(mayDeleteFolder(allowed.string(), home)) << allowed;
  }
}

TEST(SetupSwitches, DeinstallRemovesOnlyAPlainBookFileOfTheProgramFolder) {
  testing::TemporaryFolder folder;
  folder.write("book.zeb", "x");
  std::filesystem::create_directory(folder.path() / "sub");
  EXPECT_EQ(removableBookFile(folder.path(), "book.zeb"), folder.path() / "book.zeb");
  for (const char* refused : {"", ".", "..", "sub", "../book.zeb", "sub/book.zeb", "missing.zeb"})
    EXPECT_EQ(removableBookFile(folder.path(), refused), std::nullopt) << refused;
}

class SetupSteps : public ::testing::Test {
 protected:
  void SetUp() override {
    platform.environment.program = folder.path() / "program";
    std::filesystem::create_directories(platform.environment.program);
    program = platform.environment.program / "brightfold";
  }
  AfterSetup run(const std::vector<std::string>& arguments) {
    SetupContext context{platform.services(),
                         desktop,
                         program,
                         folder.path() / "home",
                         [this](const std::vector<std::string>& arguments) {
                           startedAgain.push_back(arguments);
                           return canStartAgain;
                         },
                         [this] { ++pauses; }};
    return runSetupSwitch(setupSwitchOf(arguments), arguments, context);
  }
  std::optional<std::string> option(std::string_view name) {
    return platform.settings.readString(settings::optionsKey, name);
  }

  testing::TemporaryFolder folder;
  testing::TestPlatform platform;
  std::filesystem::path program;
  RecordingDesktopIntegration desktop;
  std::vector<std::vector<std::string>> startedAgain;
  bool canStartAgain = true;
  int pauses = 0;
};

TEST_F(SetupSteps, InitRegistersTheProgramCountsAndGoesOnStarting) {
  EXPECT_EQ(run({"/INIT", "guide.zeb"}), AfterSetup::continueStart);
  ASSERT_EQ(desktop.installs.size(), 1u);
  EXPECT_EQ(desktop.installs[0].program, platform.environment.program / "brightfold");
  EXPECT_EQ(desktop.installs[0].typeComment, "Nexo hypertext/ebook");
  EXPECT_EQ(option("inst"), "1");
  run({"/init"});
  EXPECT_EQ(option("inst"), "2");
  EXPECT_TRUE(platform.messages.shown().empty());

  desktop.installOutcome = {false, "cannot write /x/brightfold.desktop"};
  EXPECT_EQ(run({"/INIT"}), AfterSetup::continueStart);
  EXPECT_EQ(platform.messages.shown(),
            (std::vector<ShownMessage>{
                {MessageKind::error, "Setup error: cannot write /x/brightfold.desktop. Please reinstall."}}));
}

TEST_F(SetupSteps, TheProgramThePackageInstalledOnlySaysThatThePackageRegistersIt) {
  program = "/usr/bin/brightfold";
  EXPECT_EQ(run({"/INIT", "guide.zeb"}), AfterSetup::continueStart);
  EXPECT_EQ(run({"/DEINST", "guide.zeb"}), AfterSetup::quit);
  EXPECT_TRUE(desktop.installs.empty());
  EXPECT_EQ(desktop.uninstalls, 0);
  EXPECT_TRUE(platform.messages.questions().empty());
  EXPECT_TRUE(startedAgain.empty());
  EXPECT_EQ(option("inst"), std::nullopt);
  EXPECT_EQ(option("LastFile"), std::nullopt);
  EXPECT_EQ(platform.messages.shown(),
            (std::vector<ShownMessage>{{MessageKind::information,
                                        "Brightfold was installed as a package, which already registers it with the "
                                        "desktop: there is nothing to register."},
                                       {MessageKind::information,
                                        "Brightfold was installed as a package, which registers it with the desktop: "
                                        "removing the package removes the registration."}}));
  // A copy elsewhere, even in another bin folder, registers itself.
  EXPECT_TRUE(registeredByPackage("/usr/bin/../bin/brightfold"));
  EXPECT_FALSE(registeredByPackage("/usr/local/bin/brightfold"));
  EXPECT_FALSE(registeredByPackage("/home/me/bin/brightfold"));
}

TEST_F(SetupSteps, DeinstallAsksFirst) {
  platform.messages.answerQuestions(false);
  EXPECT_EQ(run({"/DEINST", "guide.zeb"}), AfterSetup::quit);
  EXPECT_EQ(platform.messages.questions(), std::vector<std::string>{"Are you sure you want to deinstall?"});
  EXPECT_EQ(desktop.uninstalls, 0);
  EXPECT_EQ(option("inst"), std::nullopt);
}

TEST_F(SetupSteps, DeinstallingTheLastRegistrationOffersToDeleteTheProgramFolder) {
  EXPECT_EQ(run({"/DEINST", "guide.zeb"}), AfterSetup::quit);
  EXPECT_EQ(desktop.uninstalls, 1);
  EXPECT_EQ(option("LastFile"), "guide.zeb");
  EXPECT_EQ(option("inst"), "0");
  EXPECT_EQ(startedAgain, (std::vector<std::vector<std::string>>{{"/DELETE", platform.environment.program.string()}}));

  canStartAgain = false;
  run({"/DEINST"});
  EXPECT_EQ(platform.messages.shown(),
            (std::vector<ShownMessage>{{MessageKind::warning, "Something to remove manually!"}}));
}

TEST_F(SetupSteps, DeinstallingOneOfSeveralRegistrationsDeletesOnlyItsBook) {
  platform.settings.writeString(settings::optionsKey, "inst", "3");
  const auto book = folder.write("program/guide.zeb", "x");
  run({"/DEINST", "guide.zeb"});
  EXPECT_EQ(option("inst"), "2");
  EXPECT_TRUE(startedAgain.empty());
  EXPECT_FALSE(std::filesystem::exists(book));
  EXPECT_TRUE(std::filesystem::exists(platform.environment.program));
}

TEST_F(SetupSteps, DeleteWaitsAsksAndRemovesTheWholeFolder) {
  const auto target = folder.path() / "installed";
  std::filesystem::create_directories(target / "data");
  folder.write("installed/data/book.zeb", "x");

  platform.messages.answerQuestions(false);
  EXPECT_EQ(run({"/DELETE", target.string()}), AfterSetup::quit);
  EXPECT_EQ(pauses, 1);
  EXPECT_EQ(platform.messages.questions(), std::vector<std::string>{"Can I delete " + target.string() + "?"});
  EXPECT_TRUE(std::filesystem::exists(target));

  platform.messages.answerQuestions(true);
  run({"/DELETE", target.string()});
  EXPECT_FALSE(std::filesystem::exists(target));

  // A refused folder is not even asked about.
  run({"/DELETE", "/usr"});
  EXPECT_EQ(platform.messages.questions().size(), 2u);
}

}  // namespace
}  // namespace zeb::shell
