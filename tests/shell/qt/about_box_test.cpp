// The about box: its controls are found by name and read by their texts, as a splash and
// as a dialog.
#include "shell/qt/about_box.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace zeb::shell {
namespace {

TEST(AboutBox, NamedControlsWithEnglishTexts) {
  TFabout box;
  EXPECT_EQ(box.objectName(), "Fabout");
  EXPECT_EQ(box.windowTitle(), "About Brightfold");
  const auto* name = box.findChild<QLabel*>("LProgramName");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->text(), "Brightfold");
  EXPECT_EQ(name->accessibleName(), "Brightfold");
  EXPECT_TRUE(box.findChild<QLabel*>("LVersion")->text().startsWith("Version 0."));
  EXPECT_EQ(box.findChild<QLabel*>("LDescription")->text(), "A reader for .zeb hypertext ebooks");
  auto* ok = box.findChild<QPushButton*>("BOk");
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->accessibleName(), "OK");

  QTimer::singleShot(0, ok, &QPushButton::click);
  EXPECT_EQ(box.exec(), QDialog::Accepted);
}

TEST(AboutBox, TheSplashShowsAtOnceWithoutItsButton) {
  TFabout splash;
  splash.showAsSplash();
  EXPECT_TRUE(splash.isVisible());
  EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_FALSE(splash.findChild<QPushButton*>("BOk")->isVisible());
}

}  // namespace
}  // namespace zeb::shell
