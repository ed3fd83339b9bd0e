// The main window's decisions without a window: the links it follows itself, the windows
// told about container resets, whether a book stores its contents, the keyword search's
// page and copying a page's background.
#include <gtest/gtest.h>

#include <stdexcept>

#include "document/book_header.h"
#include "platform/clipboard.h"
#include "shell/background_copy.h"
#include "shell/container_listeners.h"
#include "shell/night_choice.h"
#include "shell/reader_commands.h"
#include "shell/reader_links.h"
#include "tests/shell/shell_test_support.h"
#include "tools/zebmake/picture_maker.h"

namespace zeb::shell {
namespace {

using Action = ReaderLinkPlan::Action;

class MainWindowLogic : public testing::ShellBook {};

TEST_F(MainWindowLogic, PageLinksAndNexoTargetsAreFollowedByTheWindowItself) {
  addPages(3);
  TZEBoggetto& page = *set.objectByKindAndIndex(0, 2);
  EXPECT_EQ(planReaderLink(set, page), (ReaderLinkPlan{Action::showPage, "", 2, ""}));

  TZEBoggetto& nexo = zebmake::addObject(set, TOggettiHel::internetLink);
  nexo.setName("nexo:|1");
  EXPECT_EQ(planReaderLink(set, nexo), (ReaderLinkPlan{Action::goToTarget, "", -1, "nexo:|1"}));

  // Addresses and programs, files, special links and objects of no link kind are left to
  // link following; a zip link leads nowhere.
  TZEBoggetto& web = zebmake::addObject(set, TOggettiHel::internetLink);
  web.setName("http://example.com/nexo:");
  EXPECT_EQ(planReaderLink(set, web).action, Action::notBuiltIn);
  EXPECT_EQ(planReaderLink(set, zebmake::addObject(set, TOggettiHel::genLink)).action, Action::notBuiltIn);
  EXPECT_EQ(planReaderLink(set, zebmake::addObject(set, TOggettiHel::speclink)).action, Action::notBuiltIn);
  EXPECT_EQ(planReaderLink(set, zebmake::addObject(set, TOggettiHel::keyword)).action, Action::notBuiltIn);
  EXPECT_EQ(planReaderLink(set, zebmake::addObject(set, TOggettiHel::zipLink)).action, Action::nothing);
}

TEST_F(MainWindowLogic, APageOfAnotherBookOpensThatBook) {
  testing::TemporaryFolder folder;
  const auto path = folder.write("other.zeb", testing::bookBytes([](TZEBset& other) {
                                   zebmake::addPage(other, "a", "<Z S0 >a");
                                   zebmake::addPage(other, "b", "<Z S0 >b");
                                 }));
  TZEBset other(platform.services());
  ASSERT_TRUE(other.setZEBFileName(path.string()));
  const ReaderLinkPlan plan = planReaderLink(set, *other.objectByKindAndIndex(0, 1));
  EXPECT_EQ(plan.action, Action::openBook);
  EXPECT_EQ(plan.path, other.ZEBFileName());
}

class Listener final : public ContainerListener {
 public:
  Listener(std::vector<std::string>& log, std::string name) : log_(log), name_(std::move(name)) {}
  void containerResetting() override {
    log_.push_back(name_ + " resetting");
    if (throws) throw std::runtime_error("a window failed");
    if (leaving != nullptr) leaving->leave(*this);
  }
  void containerReset() override { log_.push_back(name_ + " reset"); }

  bool throws = false;
  ContainerListeners* leaving = nullptr;

 private:
  std::vector<std::string>& log_;
  std::string name_;
};

TEST(ContainerListeners, EachWindowIsToldEvenWhenAnotherFailsOrLeaves) {
  std::vector<std::string> log;
  ContainerListeners listeners;
  Listener first(log, "first"), second(log, "second"), third(log, "third");
  listeners.join(first);
  listeners.join(second);
  listeners.join(third);
  listeners.join(first);  // once only
  first.throws = true;
  second.leaving = &listeners;

  listeners.resetting();
  listeners.reset();
  EXPECT_EQ(log, (std::vector<std::string>{"first resetting", "second resetting", "third resetting", "first reset",
                                           "third reset"}));
  EXPECT_EQ(listeners.size(), 2u);
}

TEST(ContainerListeners, AWindowClosedByAnotherWhileTheyAreToldIsNotTold) {
  std::vector<std::string> log;
  ContainerListeners listeners;
  Listener second(log, "second"), third(log, "third");
  // The first window closes the second one while it is told.
  struct Closer final : ContainerListener {
    ContainerListeners* list = nullptr;
    ContainerListener* other = nullptr;
    void containerReset() override { list->leave(*other); }
  } closer;
  closer.list = &listeners;
  closer.other = &second;
  listeners.join(closer);
  listeners.join(second);
  listeners.join(third);
  listeners.reset();
  EXPECT_EQ(log, (std::vector<std::string>{"third reset"}));
}

TEST_F(MainWindowLogic, ABookStoresItsContentsOnlyWithAHolderThatHasAStream) {
  addPages(2);
  EXPECT_FALSE(hasStoredContents(set));
  // Looking for the holder makes one without a stream: still nothing stored.
  set.contentsHolderForPages();
  EXPECT_FALSE(hasStoredContents(set));
  setPageStream("a0,-2,book\r\na1,0,x\r\n");
  EXPECT_TRUE(hasStoredContents(set));
  // A header naming an object of another kind names no contents.
  set.header().setI32(header::pagesTreeHolder, static_cast<std::int32_t>(set.objectByKindAndIndex(0, 1)->ID()));
  EXPECT_FALSE(hasStoredContents(set));
}

TEST_F(MainWindowLogic, TheKeywordSearchOpensOnKeywordsOnlyWhenTheBookHasALiveOne) {
  EXPECT_FALSE(keywordSearchOpensOnKeywords(set));
  TZEBoggetto& released = zebmake::addObject(set, TOggettiHel::keyword);
  released.Release();
  EXPECT_FALSE(keywordSearchOpensOnKeywords(set));
  zebmake::addObject(set, TOggettiHel::keyword).setName("links");
  EXPECT_TRUE(keywordSearchOpensOnKeywords(set));
}

TEST_F(MainWindowLogic, OnlyAPictureBehindThePageIsCopied) {
  testing::TemporaryFolder folder;
  platform.environment.temporary = folder.path();
  TZEBset pictures(platform.services());

  EXPECT_FALSE(copyBackgroundPicture(pictures, nullptr));
  EXPECT_FALSE(copyBackgroundPicture(pictures, &zebmake::addObject(pictures, TOggettiHel::keyword)));
  EXPECT_EQ(platform.messages.shown(), (std::vector<ShownMessage>{{MessageKind::error, "Allowed only for immagine"},
                                                                  {MessageKind::error, "Allowed only for immagine"}}));
  EXPECT_FALSE(platform.clipboard.picture().has_value());

  TZEBoggetto& picture = zebmake::addObject(pictures, TOggettiHel::immagine);
  picture.setFileName("sky.bmp");
  picture.setPrimaryData(zebmake::makeGradientBmp(12, 8));
  EXPECT_TRUE(copyBackgroundPicture(pictures, &picture));
  ASSERT_TRUE(platform.clipboard.picture().has_value());
  EXPECT_EQ(platform.clipboard.picture()->width, 12);
  EXPECT_EQ(platform.clipboard.picture()->height, 8);
  EXPECT_TRUE(platform.clipboard.format(pictureFormat).has_value());
  EXPECT_EQ(platform.messages.shown().size(), 2u);
}

TEST(NightChoice, TheDesktopDecidesUntilTheUserChoseAndThenTheChoiceHolds) {
  MemorySettingsStore settings;
  EXPECT_EQ(startingNightView(settings, true), (NightView{.on = true}));
  EXPECT_EQ(startingNightView(settings, false), NightView{});
  rememberNightView(settings, {.on = false, .dimPictures = true});
  EXPECT_EQ(startingNightView(settings, true), (NightView{.on = false, .dimPictures = true}));
  rememberNightView(settings, {.on = true});
  EXPECT_EQ(startingNightView(settings, false), (NightView{.on = true}));
}

}  // namespace
}  // namespace zeb::shell
