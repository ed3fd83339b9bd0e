// A book search on its worker thread delivering through the Qt event loop.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

#include "platform/qt/qt_event_queue.h"
#include "shell/background_search.h"
#include "tests/shell/shell_test_support.h"
#include "tests/support/temporary_folder.h"

namespace zeb {
namespace {

using BackgroundSearchQtTest = testing::ShellBook;

TEST_F(BackgroundSearchQtTest, HitsAndTheEndArriveOnTheEventLoopWhileTimersKeepRunning) {
  testing::TemporaryFolder folder;
  const auto path = folder.write("book.zeb", testing::bookBytes([](TZEBset& book) {
                                   for (int i = 0; i < 3000; ++i)
                                     zebmake::addPage(book, "p", i % 3 == 0 ? "<Z S0 >one word here" : "<Z S0 >other");
                                 }));
  ASSERT_TRUE(set.Load(path.string()));
  QtEventQueue queue;
  BackgroundBookSearch search([&queue](std::function<void()> work) { queue.post(std::move(work)); });
  std::vector<std::int32_t> pages;
  std::size_t reported = 0;
  bool done = false;
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
  timer.start(0);
  BackgroundBookSearch::Events events;
  events.onHit = [&](const FoundPage& hit) {
    EXPECT_EQ(hit.snippet, "one word here");
    pages.push_back(hit.page);
  };
  events.onFinished = [&](SearchEnd end, std::size_t hits) {
    EXPECT_EQ(end, SearchEnd::completed);
    reported = hits;
    done = true;
  };
  search.start(set, {{"WORD", "", "", ""}, 0}, events);
  const QDeadlineTimer deadline(60'000);
  while (!done && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  ASSERT_TRUE(done);
  ASSERT_EQ(pages.size(), 1000u);
  EXPECT_EQ(reported, 1000u);
  for (std::size_t i = 0; i < pages.size(); ++i) ASSERT_EQ(pages[i], static_cast<std::int32_t>(3 * i));
  EXPECT_GT(ticks, 0);
  EXPECT_FALSE(search.running());
}

}  // namespace
}  // namespace zeb
