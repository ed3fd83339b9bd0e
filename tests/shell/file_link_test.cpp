// The file-link dialog's logic: the per-extension settings, opening, saving and handing the
// file to a program, and the private folder the extracted file never leaves.
#include "shell/file_link.h"

#include <sys/resource.h>

#include <algorithm>
#include <csignal>

#include "platform/settings_store.h"
#include "shell/settings_keys.h"
#include "tests/shell/link_book.h"

namespace zeb::shell {
namespace {

// The dialog as the user answers it: showing it runs the button the test chose.
class ScriptedWindow final : public FileLinkWindow {
 public:
  void showModal() override {
    ++shown;
    if (onShow) onShow();
  }
  std::optional<std::filesystem::path> chooseSavePath(const std::string& proposed) override {
    proposedNames.push_back(proposed);
    return saveAnswer;
  }

  int shown = 0;
  std::function<void()> onShow;
  std::optional<std::filesystem::path> saveAnswer;
  std::vector<std::string> proposedNames;
};

// While it lives no file of the process grows beyond the size: a disk that fills up.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : previousSignal_(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limited = previous_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousSignal_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit previous_{};
  void (*previousSignal_)(int);
};

class FileLinkTest : public LinkBook {
 protected:
  void SetUp() override {
    load([](TZEBset& made) {
      for (const char* name : {"Manual.PDF", "..\\..\\escape.txt", "tool.dat"}) {
        TZEBoggetto& file = zebmake::addObject(made, TOggettiHel::genLink);
        file.setFileName(name);
        file.setPrimaryData(std::vector<std::uint8_t>{'%', 'P', 'D', 'F'});
      }
    });
  }
  void setExtension(std::string_view extension, std::string_view comp, std::string_view program = {}) {
    const std::string key = std::string(settings::fileExtensionsKey) + std::string(extension);
    platform.settings.writeString(key, "comp", comp);
    if (!program.empty()) platform.settings.writeString(key, "appPath", program);
  }
  FileLink linkTo(int index) { return FileLink(&object(TOggettiHel::genLink, index), dispatch.starter()); }

  ScriptedWindow window;
};

TEST_F(FileLinkTest, SettingsAreReadPerExtensionThatHasASubkey) {
  EXPECT_EQ(fileExtension("c:\\docs\\Manual.PDF"), ".pdf");
  EXPECT_EQ(fileExtension("README"), "");
  EXPECT_EQ(fileLinkSetting(platform.settings, "Manual.PDF"), FileLinkSetting{});
  setExtension(".PDF", "2");
  EXPECT_EQ(fileLinkSetting(platform.settings, "manual.pdf").behaviour, FileBehaviour::open);
  for (const char* comp : {"", "x", "7", "-1"}) {
    setExtension(".pdf", comp);
    EXPECT_EQ(fileLinkSetting(platform.settings, "Manual.PDF").behaviour, FileBehaviour::ask) << comp;
  }
  setExtension(".dat", "3", "c:\\tools\\viewer.exe");
  EXPECT_EQ(fileLinkSetting(platform.settings, "tool.dat"),
            (FileLinkSetting{FileBehaviour::openWithProgram, "c:\\tools\\viewer.exe"}));
}

TEST_F(FileLinkTest, CompTwoOpensTheExtractedFileWithoutTheDialogOrAQuestion) {
  setExtension(".pdf", "2");
  FileLink link = linkTo(0);
  link.Run(window);
  EXPECT_EQ(window.shown, 0);
  EXPECT_TRUE(confirmation.requests.empty());
  ASSERT_EQ(platform.shell.openedFiles.size(), 1u);
  EXPECT_EQ(platform.shell.openedFiles[0], set.temporaryFolder() / "Manual.PDF");
  EXPECT_EQ(testing::readBytes(platform.shell.openedFiles[0]), (std::vector<std::uint8_t>{'%', 'P', 'D', 'F'}));
  EXPECT_EQ(link.result(), FileLink::done);
  EXPECT_EQ(link.labelText(), "Manual.PDF");
}

TEST_F(FileLinkTest, WithoutASettingTheDialogAsksAndItsButtonsAct) {
  FileLink link = linkTo(0);
  EXPECT_EQ(link.labelText(), "Manual.PDF");
  window.onShow = [&] { link.cancel(); };
  link.Run(window);
  EXPECT_EQ(window.shown, 1);
  EXPECT_EQ(link.result(), FileLink::cancelled);
  EXPECT_TRUE(platform.shell.touchedNothing());

  window.onShow = [&] { link.open(); };
  link.Run(window);
  EXPECT_EQ(platform.shell.openedFiles.size(), 1u);
  EXPECT_EQ(link.result(), FileLink::done);
}

TEST_F(FileLinkTest, SavingCopiesTheExtractedFileAndEndsAsDoneEvenWhenCancelled) {
  setExtension(".pdf", "1");
  FileLink cancelled = linkTo(0);
  cancelled.Run(window);
  EXPECT_EQ(window.proposedNames, std::vector<std::string>{"Manual.PDF"});
  EXPECT_EQ(cancelled.result(), FileLink::done);

  const std::filesystem::path chosen = folder.path() / "saved.pdf";
  window.saveAnswer = chosen;
  FileLink saved = linkTo(0);
  saved.Run(window);
  EXPECT_EQ(testing::readBytes(chosen), (std::vector<std::uint8_t>{'%', 'P', 'D', 'F'}));
  EXPECT_TRUE(std::filesystem::exists(saved.extractedFile()));  // copied, not moved
  EXPECT_TRUE(platform.shell.touchedNothing());
}

TEST_F(FileLinkTest, ACopyThatFailsSaysWhyAndLeavesNothingHalfWritten) {
  setExtension(".pdf", "1");
  const std::filesystem::path missing = folder.path() / "missing" / "saved.pdf";
  window.saveAnswer = missing;
  linkTo(0).Run(window);
  ASSERT_EQ(platform.messages.shown().size(), 1u);
  EXPECT_EQ(platform.messages.shown()[0].kind, MessageKind::error);
  EXPECT_TRUE(platform.messages.shown()[0].text.starts_with("The file could not be saved: " + missing.string() + " ("))
      << platform.messages.shown()[0].text;
  EXPECT_FALSE(std::filesystem::exists(missing.parent_path()));

  // The disk fills up during the copy: the file chosen keeps what it held, and nothing is
  // left beside it.
  const std::filesystem::path kept = folder.write("kept.pdf", "older content");
  set.extractFileOfObject(object(TOggettiHel::genLink, 0));
  const auto entries = [&] {
    std::vector<std::filesystem::path> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) names.push_back(entry.path());
    std::sort(names.begin(), names.end());
    return names;
  };
  const std::vector<std::filesystem::path> before = entries();
  platform.messages.clear();
  window.saveAnswer = kept;
  {
    const FileSizeLimit full(2);
    linkTo(0).Run(window);
  }
  const std::vector<std::uint8_t> keptBytes = testing::readBytes(kept);
  EXPECT_EQ(std::string(keptBytes.begin(), keptBytes.end()), "older content");
  EXPECT_EQ(entries(), before);
  ASSERT_EQ(platform.messages.shown().size(), 1u);
  EXPECT_TRUE(platform.messages.shown()[0].text.starts_with("The file could not be saved: " + kept.string() + " ("))
      << platform.messages.shown()[0].text;
}

TEST_F(FileLinkTest, BehaviourThreeStartsTheProgramWithTheExtractedFileAfterConsent) {
  setExtension(".dat", "3", "c:\\tools\\viewer.exe");
  FileLink refused = linkTo(2);
  refused.Run(window);
  ASSERT_EQ(confirmation.requests.size(), 1u);
  const std::string extracted = (set.temporaryFolder() / "tool.dat").string();
  EXPECT_EQ(confirmation.requests[0].start,
            (StartRequest{StartRequest::How::windowsProgram, "c:\\tools\\viewer.exe", {extracted}, true}));
  EXPECT_TRUE(platform.shell.touchedNothing());

  confirmation.answers = {Consent::once};
  platform.shell.succeeds = true;
  linkTo(2).Run(window);
  EXPECT_EQ(platform.shell.started,
            (std::vector<RecordingDesktopShell::Started>{{"c:\\tools\\viewer.exe", {extracted}, true}}));
}

TEST_F(FileLinkTest, AStoredNameWithFoldersNeverLeavesThePrivateFolder) {
  setExtension(".txt", "2");
  FileLink link = linkTo(1);
  EXPECT_EQ(link.labelText(), "escape.txt");
  link.Run(window);
  ASSERT_EQ(platform.shell.openedFiles.size(), 1u);
  EXPECT_EQ(platform.shell.openedFiles[0], set.temporaryFolder() / "escape.txt");
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "escape.txt"));
}

TEST_F(FileLinkTest, NoObjectDoesNothing) {
  FileLink link(nullptr, dispatch.starter());
  link.Run(window);
  link.open();
  link.save(window);
  EXPECT_EQ(window.shown, 0);
  EXPECT_EQ(link.result(), 0);
  EXPECT_TRUE(platform.shell.touchedNothing());
}

}  // namespace
}  // namespace zeb::shell
