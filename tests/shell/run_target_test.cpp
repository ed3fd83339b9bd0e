// Programs a book starts ("run:", "prog:"): how this machine starts them, the CD folder,
// the settings that name programs, the parameter files, and the user's consent first.
#include "shell/run_target.h"

#include <sys/stat.h>

#include "platform/settings_store.h"
#include "shell/messages.h"
#include "shell/settings_keys.h"
#include "tests/shell/link_book.h"

namespace zeb::shell {
namespace {

using Words = std::vector<std::string>;
using Started = RecordingDesktopShell::Started;

TEST(CommandLine, TheProgramEndsAtItsExtensionAndQuotesGroupArguments) {
  EXPECT_EQ(splitCommandLine("setup.exe"), (CommandLine{"setup.exe", {}}));
  EXPECT_EQ(splitCommandLine("c:\\program files\\tool.EXE /q  \"two words\" x\"y z\""),
            (CommandLine{"c:\\program files\\tool.EXE", {"/q", "two words", "xy z"}}));
  EXPECT_EQ(splitCommandLine("\"c:\\my tools\\run.com\" -a"), (CommandLine{"c:\\my tools\\run.com", {"-a"}}));
  // ".exe" inside a word is no end of the program.
  EXPECT_EQ(splitCommandLine("docs.exercise\\go.exe 1"), (CommandLine{"docs.exercise\\go.exe", {"1"}}));
  EXPECT_EQ(splitCommandLine("a \"\""), (CommandLine{"a \"\"", {}}));
  EXPECT_TRUE(namesWindowsProgram("RUN.COM"));
  EXPECT_FALSE(namesWindowsProgram("readme.txt"));
}

class RunTarget : public LinkBook {
 protected:
  // A book whose hyperlinks have the targets, in order.
  void loadTargets(const Words& targets) {
    load([&](TZEBset& made) {
      for (const std::string& target : targets) zebmake::addObject(made, TOggettiHel::internetLink).setName(target);
    });
    bookFolder = std::filesystem::path(path).parent_path();
  }
  void followHyperlink(int index) { follow(clickOn(hyperlink(index))); }
  std::filesystem::path privateFile(std::string_view name) { return set.temporaryFolder() / name; }

  std::filesystem::path bookFolder;
  const std::string cdKey = "\\SOFTWARE\\KX\\zoVeKa\\";
};

TEST_F(RunTarget, AWindowsProgramGoesToTheDesktopWithItsArgumentsAfterConsent) {
  loadTargets({"run:tools\\viewer.exe /page 3 \"a b\""});
  std::filesystem::create_directories(bookFolder / "tools");
  folder.write("tools/viewer.exe", "MZ");
  confirmation.answers = {Consent::once};
  platform.shell.succeeds = true;
  followHyperlink(0);
  const std::string program = (bookFolder / "tools" / "viewer.exe").string();
  ASSERT_EQ(confirmation.requests.size(), 1u);
  EXPECT_EQ(confirmation.requests[0].start,
            (StartRequest{StartRequest::How::windowsProgram, program, {"/page", "3", "a b"}, true}));
  EXPECT_EQ(platform.shell.started, (std::vector<Started>{{program, {"/page", "3", "a b"}, true}}));
}

TEST_F(RunTarget, ARefusedRunStartsNothingAndSaysNothing) {
  loadTargets({"run:setup.exe", "prog:\\Software\\Acme\\viewer", "prog:notes.doc"});
  for (int i = 0; i < 3; ++i) followHyperlink(i);
  EXPECT_EQ(confirmation.requests.size(), 3u);
  EXPECT_TRUE(platform.shell.touchedNothing());
  // Only the settings' own messages of "prog:" were shown, before the question.
  EXPECT_EQ(messageTexts(), (Words{"Key not found in registry:\\Software\\Acme, (string \"viewer\")",
                                   "The registry key is empty! (\\Software\\Acme\\viewer)"}));
  EXPECT_FALSE(std::filesystem::exists(privateFile("params.txt")));
}

TEST_F(RunTarget, AWindowsProgramMissingHereKeepsTheWindowsPathAndNothingToRunItIsSaid) {
  loadTargets({"run:c:\\games\\play.exe"});
  confirmation.answers = {Consent::once};
  followHyperlink(0);
  EXPECT_EQ(platform.shell.started, (std::vector<Started>{{"c:\\games\\play.exe", {}, true}}));
  EXPECT_EQ(messageTexts(), Words{"Nothing on this computer is set up to run Windows programs: c:\\games\\play.exe"});
}

TEST_F(RunTarget, TheCdFolderIsAskedForOnceAndTheFileRunsFromIt) {
  loadTargets({"run:cddrive:\\setup.exe", "run:CDDRIVE:setup.exe"});
  const std::filesystem::path cd = folder.path() / "cd";
  std::filesystem::create_directories(cd);
  folder.write("cd/setup.exe", "MZ");
  platform.shell.folderAnswers.push_back(cd);
  platform.shell.succeeds = true;
  confirmation.answers = {Consent::once, Consent::once};
  followHyperlink(0);
  followHyperlink(1);
  EXPECT_EQ(platform.shell.folderPrompts, Words{"Select CD path:"});
  EXPECT_EQ(platform.settings.readString(cdKey, "cddrive"), cd.string());
  const std::string program = (cd / "setup.exe").string();
  EXPECT_EQ(platform.shell.started, (std::vector<Started>{{program, {}, true}, {program, {}, true}}));

  // A folder that is gone is forgotten, and asked for again next time.
  std::filesystem::remove_all(cd);
  followHyperlink(0);
  EXPECT_EQ(platform.settings.readString(cdKey, "cddrive"), "");
}

TEST_F(RunTarget, DocumentsOpenOnTheDesktopProgramsOfThisMachineRunAndMissingFilesAreSaid) {
  loadTargets({"run:readme.txt", "run:bin/tool", "run:missing.pdf", "run:https://example.org/x"});
  folder.write("readme.txt", "text");
  std::filesystem::create_directories(bookFolder / "bin");
  const auto tool = folder.write("bin/tool", "#!/bin/sh\n");
  ::chmod(tool.c_str(), 0700);
  confirmation.answers = {Consent::once, Consent::once, Consent::once, Consent::once};
  for (int i = 0; i < 4; ++i) followHyperlink(i);
  EXPECT_EQ(platform.shell.openedFiles, std::vector<std::filesystem::path>{bookFolder / "readme.txt"});
  EXPECT_EQ(platform.shell.started, (std::vector<Started>{{tool.string(), {}, false}}));
  EXPECT_EQ(platform.shell.openedDocuments, Words{"https://example.org/x"});
  // Even a document a "run:" names is started only after the question; a missing one is
  // reported without asking.
  EXPECT_EQ(confirmation.requests.size(), 3u);
  EXPECT_EQ(platform.messages.shown(),
            (std::vector<ShownMessage>{{MessageKind::error, "Error in file opening: missing.pdf"}}));
}

TEST_F(RunTarget, AnEmptySettingOpensTheParameterFileInTheTextEditor) {
  load([](TZEBset& made) {
    TZEBoggetto& link = zebmake::addObject(made, TOggettiHel::internetLink);
    link.setName("prog:\\Software\\Acme\\viewer");
  });
  platform.settings.writeString("\\Software\\Acme", "viewer", "");
  confirmation.answers = {Consent::once};
  followHyperlink(0);
  EXPECT_EQ(messageTexts(), Words{"The registry key is empty! (\\Software\\Acme\\viewer)"});
  const auto parameters = privateFile("params.txt");
  EXPECT_EQ(platform.shell.editedFiles, std::vector<std::filesystem::path>{parameters});
  // Hyperlinks carry no data: the file is there, and empty.
  EXPECT_TRUE(std::filesystem::exists(parameters));
  EXPECT_EQ(std::filesystem::file_size(parameters), 0u);
}

TEST_F(RunTarget, ASettingNamesTheProgramThatGetsTheParameterFile) {
  loadTargets({"prog:\\Software\\Acme\\viewer", "prog:\\Software\\Acme\\native", "prog:report.DOC"});
  platform.settings.writeString("\\Software\\Acme", "viewer", "c:\\tools\\viewer.exe /r");
  const auto native = folder.write("native-viewer", "#!/bin/sh\n");
  ::chmod(native.c_str(), 0700);
  platform.settings.writeString("\\Software\\Acme", "native", native.string());
  confirmation.answers = {Consent::once, Consent::once, Consent::once};
  for (int i = 0; i < 3; ++i) followHyperlink(i);
  const std::string parameters = privateFile("params.txt").string();
  ASSERT_EQ(platform.shell.started.size(), 2u);
  EXPECT_EQ(platform.shell.started[0], (Started{"c:\\tools\\viewer.exe", {"/r", parameters}, true}));
  // The first parameter file is still there: the second gets a name of its own beside it.
  const Started& second = platform.shell.started[1];
  EXPECT_EQ(second.program, native.string());
  ASSERT_EQ(second.arguments.size(), 1u);
  const std::filesystem::path secondParameters = second.arguments[0];
  EXPECT_EQ(secondParameters.parent_path(), set.temporaryFolder());
  EXPECT_TRUE(secondParameters.filename().string().starts_with("re"));
  EXPECT_EQ(secondParameters.extension(), ".txt");
  EXPECT_TRUE(std::filesystem::exists(secondParameters));
  EXPECT_EQ(platform.shell.openedFiles, std::vector<std::filesystem::path>{privateFile("params.DOC")});
}

TEST_F(RunTarget, AProgramIsFoundBesideTheBookThatNamesItNotBesideTheMainBook) {
  // A separate window shows a book of another folder and hands its "run:" on.
  std::filesystem::create_directories(folder.path() / "main");
  TZEBset main{platform.services()};
  ASSERT_TRUE(main.Load(folder.write("main/main.zeb", testing::bookBytes({})).string()));
  folder.write("readme.txt", "text");
  folder.write("main/readme.txt", "other text");
  loadTargets({"run:readme.txt"});
  confirmation.answers = {Consent::once};
  dispatch.followLink(clickOn(hyperlink(0)), {LinkHandler::separateWindow, &main, true});
  EXPECT_EQ(platform.shell.openedFiles, std::vector<std::filesystem::path>{bookFolder / "readme.txt"});
}

TEST_F(RunTarget, AlwaysAllowHoldsForTheBookUntilItChanges) {
  loadTargets({"run:setup.exe", "javascript:void(0)"});
  confirmation.answers = {Consent::always};
  followHyperlink(0);
  followHyperlink(0);
  followHyperlink(1);
  EXPECT_EQ(confirmation.requests.size(), 1u);
  EXPECT_EQ(platform.shell.started.size(), 2u);
  EXPECT_EQ(platform.shell.openedDocuments, Words{"javascript:void(0)"});

  // The same path with other contents is another book.
  std::filesystem::resize_file(path, std::filesystem::file_size(path) + 1);
  followHyperlink(0);
  EXPECT_EQ(confirmation.requests.size(), 2u);
  EXPECT_EQ(platform.shell.started.size(), 2u);
}

}  // namespace
}  // namespace zeb::shell
