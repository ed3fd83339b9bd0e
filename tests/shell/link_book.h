// A book of pages and links, written to a folder of its own and loaded, for the tests of
// link following: the platform doubles, the window double and the dispatch around it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "document/container.h"
#include "document/page_object.h"
#include "shell/link_dispatch.h"
#include "shell/recording_confirmation.h"
#include "tests/shell/recording_link_actions.h"
#include "tests/support/book_builder.h"
#include "tests/support/test_platform.h"
#include "tools/zebmake/link_actions.h"

namespace zeb::shell {

// The platform doubles, with the system's temporary folder inside the test's own folder, so
// that the books' private folders are the test's too. Made before any container.
struct PlatformInFolder {
  PlatformInFolder() {
    platform.environment.temporary = folder.path() / "tmp";
    std::filesystem::create_directories(platform.environment.temporary);
  }
  testing::TemporaryFolder folder;
  testing::TestPlatform platform;
};

class LinkBook : public ::testing::Test, protected PlatformInFolder {
 protected:
  // Writes the book (four pages to begin with: 0 "Cover", then "One", "Two" and "Three" of
  // sequence group 1 numbered 1, 3 and 2) with what the filler adds, and loads it.
  void load(const testing::BookFiller& fill = {}, const std::string& name = "book.zeb") {
    const auto bytes = testing::bookBytes([&](TZEBset& made) {
      zebmake::addPage(made, "Cover", "<Z S0 >");
      const int numbers[] = {1, 3, 2};
      const char* names[] = {"One", "Two", "Three"};
      for (int i = 0; i < 3; ++i) {
        TZEBtesto& page = zebmake::addPage(made, names[i], "<Z S0 >");
        page.record().setI16(field::pageSequenceGroup, 1);
        page.record().setI16(field::pageSequenceNumber, static_cast<std::int16_t>(numbers[i]));
      }
      if (fill) fill(made);
    });
    path = folder.write(name, bytes).string();
    ASSERT_TRUE(set.Load(path));
  }

  TZEBoggetto& object(TOggettiHel kind, int index) {
    TZEBoggetto* found = set.objectByKindAndIndex(kindNumber(kind), index);
    EXPECT_NE(found, nullptr);
    return *found;
  }
  TZEBoggetto& hyperlink(int index) { return object(TOggettiHel::internetLink, index); }
  TZEBoggetto& action(int index) { return object(TOggettiHel::speclink, index); }
  TZEBtesto& page(int index) { return static_cast<TZEBtesto&>(object(TOggettiHel::testoHtml, index)); }

  // A click on linked text of the page in the main view.
  LinkRequest clickOn(TZEBoggetto& link, int pageNumber = 1, ClickedKind clicked = ClickedKind::textBox) {
    LinkRequest request;
    request.link = &link;
    request.clicked = clicked;
    request.clickedText = &page(pageNumber);
    request.clickedPage = pageNumber;
    request.clickedBook = &set;
    request.clickPoint = {400, 300};
    return request;
  }
  LinkContext mainWindow() { return {LinkHandler::mainWindow, &set, true}; }

  void follow(const LinkRequest& request, LinkHandler handler = LinkHandler::mainWindow) {
    LinkContext context = mainWindow();
    context.handler = handler;
    dispatch.followLink(request, context);
  }
  std::vector<std::string> messageTexts() const {
    std::vector<std::string> texts;
    for (const auto& message : platform.messages.shown()) texts.push_back(message.text);
    return texts;
  }

  TZEBset set{platform.services()};
  std::string path;
  RecordingConfirmation confirmation;
  RecordingLinkActions actions;
  LinkDispatch dispatch{platform.services(), confirmation, actions};
};

}  // namespace zeb::shell

namespace zeb {

inline void PrintTo(const RecordingDesktopShell::Started& started, std::ostream* out) {
  *out << (started.windowsProgram ? "windows " : "") << started.program;
  for (const std::string& argument : started.arguments) *out << " [" << argument << "]";
}

}  // namespace zeb
