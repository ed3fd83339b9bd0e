// Following links: the dispatch by kind of link, special links with every action and
// destination, the windows that handle them, and the view disabled meanwhile.
#include "shell/link_dispatch.h"

#include "shell/messages.h"
#include "tests/shell/link_book.h"

namespace zeb::shell {
namespace {

using Lines = std::vector<std::string>;
using zebmake::LinkActionFields;

class LinkDispatchTest : public LinkBook {
 protected:
  // A book with the link actions given, in order (kind-10 indexes from 0).
  void loadActions(std::vector<LinkActionFields> fields) {
    load([&](TZEBset& made) {
      for (const auto& each : fields) zebmake::addLinkAction(made, each);
    });
  }
  Lines followAction(int index, ClickedKind clicked = ClickedKind::textBox) {
    follow(clickOn(action(index), 1, clicked));
    return actions.operations();
  }
};

TEST_F(LinkDispatchTest, APageLinkShowsThePageAndItsAnchorWithTheViewDisabled) {
  load();
  follow(clickOn(page(2)));
  follow(clickOn(page(3), 1, ClickedKind::frameSet));
  EXPECT_EQ(actions.log, (Lines{"disable", "showPage 2", "GoToAnchor -1", "enable", "disable",
                                "showPage 3 in clicked frame set", "GoToAnchor -1", "enable"}));
}

TEST_F(LinkDispatchTest, APageLinkIntoAnotherBookOpensThatBookAtItsCoverOnly) {
  load();
  const std::string mainBook = path;
  load({}, "other.zeb");  // the set now holds the other book: a separate window's container
  TZEBset main{platform.services()};
  ASSERT_TRUE(main.Load(mainBook));
  LinkContext context{LinkHandler::mainWindow, &main, true};
  dispatch.followLink(clickOn(page(2)), context);
  EXPECT_EQ(actions.operations(), (Lines{"OpenEbook " + path}));
}

TEST_F(LinkDispatchTest, AddressesGoToTargetsOrTheDesktop) {
  load([](TZEBset& made) {
    for (const char* target : {"nexo:|2", "http://example.org/a", "mailto:me@example.org", "javascript:alert(1)",
                               "smb://server/share", "file:///etc/passwd"}) {
      TZEBoggetto& link = zebmake::addObject(made, TOggettiHel::internetLink);
      link.setName(target);
    }
  });
  platform.shell.succeeds = true;
  for (int i = 0; i < 6; ++i) follow(clickOn(hyperlink(i)));
  EXPECT_EQ(actions.operations(), Lines{"GoToTarget nexo:|2"});
  // Web and mail addresses open at once; other schemes ask first, and the answer was no.
  EXPECT_EQ(platform.shell.openedDocuments, (Lines{"http://example.org/a", "mailto:me@example.org"}));
  ASSERT_EQ(confirmation.requests.size(), 3u);
  EXPECT_EQ(confirmation.requests[0].start.target, "javascript:alert(1)");
  EXPECT_EQ(confirmation.requests[1].start.target, "smb://server/share");
  EXPECT_EQ(confirmation.requests[2].book, path);

  confirmation.answers = {Consent::once};
  follow(clickOn(hyperlink(4)));
  EXPECT_EQ(platform.shell.openedDocuments.back(), "smb://server/share");
  EXPECT_TRUE(platform.messages.shown().empty());
}

TEST_F(LinkDispatchTest, AnAddressTheDesktopCannotOpenIsSaidWithWhatIsMissing) {
  load([](TZEBset& made) {
    for (const char* target : {"http://example.org/a", "mailto:me@example.org", "smb://server/share"})
      zebmake::addObject(made, TOggettiHel::internetLink).setName(target);
  });
  confirmation.answers = {Consent::once};
  for (int i = 0; i < 3; ++i) follow(clickOn(hyperlink(i)));
  EXPECT_EQ(messageTexts(),
            (Lines{"Cannot open http://example.org/a: no web browser was found to show it.",
                   "Cannot open mailto:me@example.org: no mail program was found to write the message.",
                   "Cannot open smb://server/share: no program was found for addresses of this kind."}));
  for (const ShownMessage& shown : platform.messages.shown()) EXPECT_EQ(shown.kind, MessageKind::error);
  // What the user refused to open is not said to have failed.
  follow(clickOn(hyperlink(2)));
  EXPECT_EQ(platform.messages.shown().size(), 3u);
}

TEST_F(LinkDispatchTest, KindsWithoutActionAndControlsThatRaiseNoLinks) {
  load([](TZEBset& made) {
    zebmake::addObject(made, TOggettiHel::zipLink);
    zebmake::addObject(made, TOggettiHel::immagine);
    TZEBoggetto& file = zebmake::addObject(made, TOggettiHel::genLink);
    file.setFileName("Manual.PDF");
  });
  follow(clickOn(object(TOggettiHel::zipLink, 0)));
  follow(clickOn(page(2), 1, ClickedKind::other));
  EXPECT_TRUE(actions.operations().empty());
  EXPECT_TRUE(platform.messages.shown().empty());

  follow(clickOn(object(TOggettiHel::immagine, 0)));
  EXPECT_EQ(platform.messages.shown(),
            (std::vector<ShownMessage>{{MessageKind::information, "Undefined or unsupported."}}));
  // A separate window says nothing about kinds it does not follow.
  follow(clickOn(object(TOggettiHel::immagine, 0)), LinkHandler::separateWindow);
  EXPECT_EQ(platform.messages.shown().size(), 1u);

  follow(clickOn(object(TOggettiHel::genLink, 0)), LinkHandler::separateWindow);
  EXPECT_EQ(actions.operations(), Lines{"runFileLink Manual.PDF"});
}

TEST_F(LinkDispatchTest, TheViewIsEnabledAgainWhenTheWindowFails) {
  load();
  actions.failNext = [] { throw std::runtime_error("window gone"); };
  EXPECT_THROW(follow(clickOn(page(2))), std::runtime_error);
  EXPECT_EQ(actions.log, (Lines{"disable", "showPage 2", "enable"}));
  EXPECT_TRUE(actions.viewEnabled);
}

TEST_F(LinkDispatchTest, ShowActionsByDestination) {
  const zebmake::WindowDescriptionFields described{10, 20, 300, 200, false, true, false, false, true, false};
  loadActions({
      {1, 0, 2, 5, 1, "Side"},             // 0: the frame of the clicked box
      {1, 1, 2, 5, 1, "Side"},             // 1: named frame or window
      {1, 2, 3, 7, 0, "Info", described},  // 2: named window, described
      {1, 3, 2, -1, 2, ""},                // 3: new window
      {1, 4, 3, 4, 0, "", described},      // 4: pop-up
      {1, 6, 0x00FFFFFF, 9, 0, ""},        // 5: anchor, the target names nothing
      {1, 1, 0x00FFFFFF, 9, 0, "Side"},    // 6: a missing target shows nothing
      {1, 1, 0x10000002, 9, 0, "Side"},    // 7: kind 16 names no target of a link
      {1, 9, 2, 9, 0, ""},                 // 8: no such destination
  });
  for (int i = 0; i < 9; ++i) followAction(i);
  EXPECT_EQ(actions.operations(), (Lines{
                                      "ShowInFrameOf Two anchor 5 flag 1",
                                      "ShowInWindow Side Two anchor 5 flag 1",
                                      "showInNamedWindow Info Three anchor 7 flag 0",
                                      "showInNewWindow Two anchor -1 flag 2",
                                      "showInPopupWindow Three anchor 4 flag 0 at 400,300",
                                      "GoToAnchor 9",
                                  }));
  ASSERT_TRUE(actions.lastDescription);
  EXPECT_EQ(*actions.lastDescription, (WindowDescription{10, 20, 300, 200, false, true, false, false, true, false}));
}

TEST_F(LinkDispatchTest, ShowingInTheFrameOfTheLinkNeedsABoxOfTheMainView) {
  loadActions({{1, 0, 2, 5, 1, "Side"}});
  followAction(0, ClickedKind::frameSet);
  followAction(0, ClickedKind::page);
  LinkRequest inFloatingFrameSet = clickOn(action(0), 1, ClickedKind::mapZone);
  inFloatingFrameSet.inMainView = false;
  follow(inFloatingFrameSet);
  EXPECT_TRUE(actions.operations().empty());
  followAction(0, ClickedKind::visualObject);
  EXPECT_EQ(actions.operations(), Lines{"ShowInFrameOf Two anchor 5 flag 1"});
}

TEST_F(LinkDispatchTest, ShowActionsNeedAReadOnlyView) {
  loadActions({{1, 6, 0, 3, 0, ""}});
  LinkContext editing = mainWindow();
  editing.readOnly = false;
  dispatch.followLink(clickOn(action(0)), editing);
  EXPECT_TRUE(actions.operations().empty());
}

TEST_F(LinkDispatchTest, ALocalTargetIsLookedUpInTheTextThatHoldsTheLink) {
  load();
  // The working text of page 1 holds a copy of a link action whose target is the text's
  // second local object, a page link.
  TZEBtesto& text = page(1);
  auto local = set.makeObject(TOggettiHel::speclink);
  local->Activate();
  zebmake::setLinkAction(*local, {1, 5, localReferenceBase + 1, 8});
  TZEBoggetto& copy = *local;
  text.registerLocal(std::move(local));
  auto target = set.makeObject(TOggettiHel::testoHtml);
  target->setIndex(3);
  target->setContainer(&set);
  text.registerLocal(std::move(target));
  follow(clickOn(copy));
  EXPECT_EQ(actions.operations(), (Lines{"showPage 3", "GoToAnchor 8"}));
}

TEST_F(LinkDispatchTest, APlainLinkFollowsItsTargetWithTheAnchorAndEndlessChainsStop) {
  loadActions({{1, 5, 2, 6, 0, ""}});  // page 2 at anchor 6
  EXPECT_EQ(followAction(0), (Lines{"showPage 2", "GoToAnchor 6"}));

  // Chains through the local list of page 1, whose entries the lookup resolves: entries 0 to
  // the limit are plain links, each to the next entry, the last one to page 3 at anchor 4;
  // the entry after them is that page. Two more plain links lead to each other.
  TZEBtesto& text = page(1);
  auto addLocal = [&](std::uint32_t target, std::int32_t anchor) -> TZEBoggetto& {
    auto local = set.makeObject(TOggettiHel::speclink);
    local->Activate();
    zebmake::setLinkAction(*local, {1, 5, target, anchor});
    TZEBoggetto& held = *local;
    text.registerLocal(std::move(local));
    return held;
  };
  std::vector<TZEBoggetto*> chain;
  for (std::uint32_t i = 0; i <= maxPlainLinkDepth; ++i)
    chain.push_back(&addLocal(localReferenceBase + i + 1, i == maxPlainLinkDepth ? 4 : -1));
  auto target = set.makeObject(TOggettiHel::testoHtml);
  target->setIndex(3);
  target->setContainer(&set);
  text.registerLocal(std::move(target));
  const std::uint32_t cycle = localReferenceBase + static_cast<std::uint32_t>(text.localObjectCount());
  TZEBoggetto& first = addLocal(cycle + 1, -1);
  addLocal(cycle, -1);

  // As many links as the limit reach the page; one more shows nothing, and so does the cycle.
  actions.log.clear();
  follow(clickOn(*chain[1]));
  EXPECT_EQ(actions.operations(), (Lines{"showPage 3", "GoToAnchor 4"}));
  actions.log.clear();
  follow(clickOn(*chain[0]));
  follow(clickOn(first));
  EXPECT_TRUE(actions.operations().empty());
}

TEST_F(LinkDispatchTest, CloseActionsHideTheMainWindowOrCloseTheNamedWindow) {
  loadActions({{2, 0, 0, -2, 0, "Info"}, {2, 0, 0, -1, 0, "Info Window"}});
  followAction(0);
  followAction(1);
  follow(clickOn(action(0)), LinkHandler::separateWindow);
  follow(clickOn(action(1)), LinkHandler::separateWindow);
  EXPECT_EQ(actions.operations(),
            (Lines{"hideMainWindow", "closeWindow info window", "closeThisWindow", "closeWindow info window"}));
}

TEST_F(LinkDispatchTest, KeywordSearchAndThePageSequence) {
  loadActions({{3}, {4}, {5}, {6}});
  followAction(0);
  followAction(1);  // from "One", numbered 1: the next is "Three", numbered 2
  followAction(2);  // the first of the group has no previous page: it stays
  followAction(3);  // an import action does nothing in the reader
  followAction(1, ClickedKind::frameSet);
  EXPECT_EQ(actions.operations(),
            (Lines{"keywordSearch", "showPage 3", "GoToAnchor -1", "showPage 1", "GoToAnchor -1"}));
}

TEST_F(LinkDispatchTest, ThePageSequenceOfAnotherBookOpensThatBook) {
  loadActions({{4}});
  TZEBset main{platform.services()};
  LinkContext context{LinkHandler::mainWindow, &main, true};
  dispatch.followLink(clickOn(action(0)), context);
  EXPECT_EQ(actions.operations(), Lines{"OpenEbook " + path});
}

TEST_F(LinkDispatchTest, AShortLinkOnAPageIsFollowedAsTheSpecialLinkItNames) {
  load([](TZEBset& made) {
    zebmake::addLinkAction(made, {1, 6, 0, 4});
    TZEBoggetto& marker = zebmake::addObject(made, TOggettiHel::shortObj);
    marker.record().setU8(field::state, 13);
    marker.record().setU32(field::panelReference, objectId(TOggettiHel::speclink, 0));
  });
  TZEBoggetto& marker = object(TOggettiHel::shortObj, 0);
  follow(clickOn(marker, 1, ClickedKind::textBox));
  follow(clickOn(marker, 1, ClickedKind::page));
  EXPECT_EQ(actions.operations(), Lines{"GoToAnchor 4"});
}

TEST_F(LinkDispatchTest, APopupHandsEveryLinkToTheMainWindowAndCloses) {
  load([](TZEBset& made) { zebmake::addObject(made, TOggettiHel::internetLink).setName("nexo:|2"); });
  follow(clickOn(hyperlink(0), 1, ClickedKind::other), LinkHandler::popupWindow);
  EXPECT_EQ(actions.operations(), (Lines{"handToMainWindow nexo:|2", "closeThisWindow"}));
}

}  // namespace
}  // namespace zeb::shell
