// The file-link dialog: its texts and buttons, and the extension settings that answer it
// before it is shown.
#include "shell/qt/file_link_dialog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "shell/settings_keys.h"
#include "tests/shell/link_book.h"

namespace zeb::shell {
namespace {

class FileLinkDialog : public LinkBook {
 protected:
  void SetUp() override {
    load([](TZEBset& made) {
      TZEBoggetto& file = zebmake::addObject(made, TOggettiHel::genLink);
      file.setFileName("docs\\Manual.PDF");
      file.setPrimaryData(std::vector<std::uint8_t>{'%', 'P', 'D', 'F'});
    });
  }
  TZEBoggetto* file() { return &object(TOggettiHel::genLink, 0); }
  // Clicks the button of the dialog once it shows; records whether it showed.
  void clickWhenShown(TFFiles& dialog, const char* button) {
    QTimer::singleShot(0, &dialog, [&dialog, button, this] {
      shownLabel = dialog.findChild<QLabel*>("LabelFile")->text();
      advancedVisible = dialog.findChild<QPushButton*>("Bavanzate")->isVisible();
      dialog.findChild<QPushButton*>(button)->click();
    });
  }

  QString shownLabel;
  bool advancedVisible = true;
};

TEST_F(FileLinkDialog, TheDialogNamesTheFileAndItsButtonsAct) {
  TFFiles cancelled(file(), dispatch.starter());
  EXPECT_EQ(cancelled.windowTitle(), "Link to file");
  EXPECT_EQ(cancelled.findChild<QPushButton*>("Besegui")->text(), "&Execute");
  EXPECT_EQ(cancelled.findChild<QPushButton*>("Bsalva")->text(), "&Save...");
  EXPECT_EQ(cancelled.findChild<QPushButton*>("BAnnulla")->text(), "&Cancel");
  EXPECT_EQ(cancelled.findChild<QLabel*>("Label1")->text(), "The link you have followed points to file:");
  EXPECT_EQ(cancelled.findChild<QLabel*>("Label2")->text(), "Choose action:");
  clickWhenShown(cancelled, "BAnnulla");
  cancelled.Run();
  EXPECT_EQ(shownLabel, "Manual.PDF");
  EXPECT_FALSE(advancedVisible);
  EXPECT_EQ(cancelled.linkResult(), FileLink::cancelled);
  EXPECT_TRUE(platform.shell.touchedNothing());

  TFFiles opened(file(), dispatch.starter());
  clickWhenShown(opened, "Besegui");
  opened.Run();
  EXPECT_EQ(opened.linkResult(), FileLink::done);
  EXPECT_EQ(platform.shell.openedFiles, std::vector<std::filesystem::path>{set.temporaryFolder() / "Manual.PDF"});

  TFFiles saved(file(), dispatch.starter());
  QString proposed;
  saved.chooseSaveFile = [&](const QString& name) -> std::optional<std::filesystem::path> {
    proposed = name;
    return std::nullopt;  // the save dialog cancelled
  };
  // Enter takes the harmless button: Save, which asks where before it writes anything.
  QTimer::singleShot(0, &saved, [&saved] {
    QWidget* focused = saved.focusWidget();
    QTest::keyClick(focused != nullptr ? focused : &saved, Qt::Key_Return);
  });
  saved.Run();
  EXPECT_EQ(proposed, "Manual.PDF");
  EXPECT_EQ(saved.linkResult(), FileLink::done);
  EXPECT_EQ(platform.shell.openedFiles.size(), 1u);  // only the one Execute opened
}

TEST_F(FileLinkDialog, CompTwoOpensWithoutShowingTheDialog) {
  platform.settings.writeString(std::string(settings::fileExtensionsKey) + ".pdf", "comp", "2");
  TFFiles dialog(file(), dispatch.starter());
  bool shown = false;
  QTimer::singleShot(0, &dialog, [&] {
    shown = dialog.isVisible();
    if (shown) dialog.reject();
  });
  dialog.Run();
  QCoreApplication::processEvents();
  EXPECT_FALSE(shown);
  EXPECT_EQ(platform.shell.openedFiles.size(), 1u);
  EXPECT_EQ(dialog.linkResult(), FileLink::done);
}

}  // namespace
}  // namespace zeb::shell
