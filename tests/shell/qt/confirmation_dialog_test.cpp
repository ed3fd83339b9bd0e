// The question before a book starts a program: what it names, and the three answers.
#include "shell/qt/confirmation_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/headless/memory_settings_store.h"

namespace zeb::shell {
namespace {

const ConfirmationRequest windowsProgram{
    "/books/guide.zeb", {StartRequest::How::windowsProgram, "c:\\tools\\viewer.exe", {"/r", "<b>x</b>"}, true}};

Consent answer(const ConfirmationRequest& request, const std::function<void(ConfirmationDialog&)>& act) {
  ConfirmationDialog dialog(request);
  QTimer::singleShot(0, &dialog, [&] { act(dialog); });
  dialog.exec();
  return dialog.consent();
}

TEST(ConfirmationDialogTest, NamesTheExactProgramArgumentsAndBookAsPlainText) {
  ConfirmationDialog dialog(windowsProgram);
  EXPECT_EQ(dialog.findChild<QLabel*>("LQuestion")->text(), "This ebook asks to start a Windows program:");
  EXPECT_EQ(dialog.findChild<QLabel*>("LProgram")->text(), "c:\\tools\\viewer.exe");
  const QLabel* arguments = dialog.findChild<QLabel*>("LArguments");
  EXPECT_EQ(arguments->text(), "Arguments:\n/r\n<b>x</b>");
  EXPECT_EQ(arguments->textFormat(), Qt::PlainText);
  EXPECT_EQ(dialog.findChild<QLabel*>("LBook")->text(), "Ebook: /books/guide.zeb");
  EXPECT_EQ(dialog.findChild<QCheckBox*>("CAlways")->text(), "&Always allow for this ebook");
  EXPECT_TRUE(dialog.findChild<QPushButton*>("BRefuse")->isDefault());

  if (const char* keep = std::getenv("BRIGHTFOLD_KEEP_SCREENSHOTS")) {
    dialog.show();
    QTest::qWait(200);
    dialog.grab().save(QString::fromUtf8(keep) + "/confirmation.png");
  }

  ConfirmationDialog address({"/books/guide.zeb", {StartRequest::How::address, "smb://server/share", {}, true}});
  EXPECT_EQ(address.findChild<QLabel*>("LQuestion")->text(), "This ebook asks to open:");
  EXPECT_TRUE(address.findChild<QLabel*>("LArguments")->isHidden());
}

TEST(ConfirmationDialogTest, AllowOnceAlwaysOrRefuse) {
  EXPECT_EQ(answer(windowsProgram, [](ConfirmationDialog& d) { d.findChild<QPushButton*>("BAllow")->click(); }),
            Consent::once);
  EXPECT_EQ(answer(windowsProgram,
                   [](ConfirmationDialog& d) {
                     d.findChild<QCheckBox*>("CAlways")->setChecked(true);
                     d.findChild<QPushButton*>("BAllow")->click();
                   }),
            Consent::always);
  // Checking "always" and refusing is a refusal; so are Escape and Enter.
  EXPECT_EQ(answer(windowsProgram,
                   [](ConfirmationDialog& d) {
                     d.findChild<QCheckBox*>("CAlways")->setChecked(true);
                     d.findChild<QPushButton*>("BRefuse")->click();
                   }),
            Consent::refused);
  EXPECT_EQ(answer(windowsProgram, [](ConfirmationDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }),
            Consent::refused);
  EXPECT_EQ(answer(windowsProgram, [](ConfirmationDialog& d) { QTest::keyClick(&d, Qt::Key_Return); }),
            Consent::refused);
}

// Answers the next dialog that shows: "always" and "Allow", or "Refuse".
void answerNextDialog(bool allowAlways) {
  QTimer::singleShot(0, [allowAlways] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<ConfirmationDialog*>(widget);
      if (dialog == nullptr || !dialog->isVisible()) continue;
      dialog->findChild<QCheckBox*>("CAlways")->setChecked(allowAlways);
      dialog->findChild<QPushButton*>(allowAlways ? "BAllow" : "BRefuse")->click();
    }
  });
}

TEST(ConfirmationDialogTest, AFormAddressAsksUntilTheBookIsAlwaysAllowed) {
  const std::filesystem::path book = std::filesystem::temp_directory_path() / "form_address_book.zeb";
  std::ofstream(book) << "book";
  MemorySettingsStore settings;
  answerNextDialog(false);
  EXPECT_FALSE(confirmFormAddress(nullptr, settings, book.string(), "file:///bin/sh?a=1&"));
  answerNextDialog(true);
  EXPECT_TRUE(confirmFormAddress(nullptr, settings, book.string(), "file:///bin/sh?a=1&"));
  // Now without a question: a dialog would be refused.
  answerNextDialog(false);
  EXPECT_TRUE(confirmFormAddress(nullptr, settings, book.string(), "ftp://example.org/x?"));
  QApplication::processEvents();
  std::filesystem::remove(book);
}

}  // namespace
}  // namespace zeb::shell
