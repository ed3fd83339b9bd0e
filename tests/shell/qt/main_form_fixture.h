// The main window under the offscreen platform with the test platform: recorded message
// boxes, settings in memory, fixed metrics and a manual event queue (posted links and the
// 400 ms timer run when a test says so). Books are written to a folder of the test's own.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QTest>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "document/container.h"
#include "shell/qt/main_form.h"
#include "shell/settings_keys.h"
#include "tests/support/book_builder.h"
#include "tests/support/test_platform.h"
#include "tools/zebmake/book_description.h"
#include "view/qt/frame_set.h"

namespace zeb::testing {

class MainFormTest : public ::testing::Test {
 protected:
  MainFormTest() {
    platform.environment.temporary = folder.path() / "temporary";
    platform.environment.program = folder.path() / "program";
    std::filesystem::create_directories(platform.environment.temporary);
    std::filesystem::create_directories(platform.environment.program);
  }
  ~MainFormTest() override { window.reset(); }

  // A book of pages "Page 0", "Page 1", ... with a short text each.
  std::string book(const std::string& name, int pages = 10) const {
    return folder
        .write(name, bookBytes([pages](TZEBset& set) {
                 for (int i = 0; i < pages; ++i) zebmake::addPage(set, "Page " + std::to_string(i), "<Z S0 >text");
               }))
        .string();
  }
  // The sample book of the project, built from its description.
  std::string sampleBook() const {
    const std::filesystem::path description = std::filesystem::path(BRIGHTFOLD_SOURCE_DIR) / "samples" / "guide.json";
    std::ifstream in(description);
    const std::string json{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return folder.write("guide.zeb", zebmake::buildBookFromJson(json, description.parent_path())).string();
  }
  void setOption(std::string_view name, std::string_view value) {
    platform.settings.writeString(shell::settings::optionsKey, name, value);
  }

  // Creates the window and shows it, which opens what the arguments ask for.
  TMainForm& start(std::vector<std::string> arguments = {}) {
    window = std::make_unique<TMainForm>(platform.services(), std::move(arguments));
    window->resize(800, 600);
    window->show();
    return *window;
  }
  // Lets the window be painted and handle what follows, until the condition holds (at most
  // a few seconds); whether it holds.
  bool settled(const std::function<bool()>& condition) {
    for (int i = 0; i < 300 && !condition(); ++i) QTest::qWait(10);
    return condition();
  }
  // Work posted by the frame set (followed links) runs.
  void runPosted() { platform.events.runPending(); }

  std::int32_t page() const { return window->Editor()->MainPageNumber(); }
  std::string openBook() const { return window->mainZEBset().ZEBFileName(); }
  std::vector<std::string> recentItems() const {
    std::vector<std::string> items;
    for (QAction* action : window->findChild<QMenu*>("FileMenu")->actions())
      if (action->property("recentPath").isValid())
        items.push_back(action->property("recentPath").toString().toStdString());
    return items;
  }
  std::vector<std::string> historyItems() const {
    std::vector<std::string> items;
    for (int i = 0; i < window->HistoryCombo()->count(); ++i)
      items.push_back(window->HistoryCombo()->itemText(i).toStdString());
    return items;
  }
  static std::string entry(const std::string& path, int number) {
    return "nexo://" + path + "|" + std::to_string(number);
  }

  TemporaryFolder folder;
  TestPlatform platform;
  std::unique_ptr<TMainForm> window;
};

}  // namespace zeb::testing
