// Whole-book searches on a worker thread over the 20,000-page synthetic book: the job's own
// pass timed against grep in the same run, and, through the Qt event loop, how late a 10 ms
// timer on the owner's thread runs while a search streams its hits, and when the first hit
// arrives.
#include "shell/background_search.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <string>

#include "bench/bench_support.h"
#include "document/container.h"
#include "platform/headless/quiet_platform.h"
#include "platform/qt/qt_event_queue.h"
#include "tools/zebmake/synthetic_book.h"

namespace {

struct Responsiveness {
  double firstHitMs = -1;
  double totalMs = 0;
  double worstLateMs = 0;
  std::size_t hits = 0;
};

// Runs one background search to its end on the event loop, with a 10 ms timer that notes
// how much later than due each tick comes.
Responsiveness backgroundRun(zeb::TZEBset& set, const zeb::SearchTerms& terms) {
  zeb::QtEventQueue queue;
  zeb::BackgroundBookSearch search([&queue](std::function<void()> work) { queue.post(std::move(work)); });
  Responsiveness figures;
  bool done = false;
  QElapsedTimer clock;
  QElapsedTimer sinceTick;
  QTimer timer;
  timer.setTimerType(Qt::PreciseTimer);
  constexpr int tickMs = 10;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    figures.worstLateMs = std::max(figures.worstLateMs, sinceTick.nsecsElapsed() / 1e6 - tickMs);
    sinceTick.restart();
  });
  zeb::BackgroundBookSearch::Events events;
  events.onHit = [&](const zeb::FoundPage&) {
    if (figures.firstHitMs < 0) figures.firstHitMs = clock.nsecsElapsed() / 1e6;
  };
  events.onFinished = [&](zeb::SearchEnd, std::size_t hits) {
    figures.totalMs = clock.nsecsElapsed() / 1e6;
    figures.hits = hits;
    done = true;
  };
  clock.start();
  sinceTick.start();
  timer.start(tickMs);
  search.start(set, {terms, 0}, events);
  while (!done) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  return figures;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  const int pages = argc > 1 ? std::stoi(argv[1]) : 20000;
  const int runs = 7;
  const std::string path = zeb::bench::syntheticBook(pages, 5000).string();
  zeb::QuietPlatform platform;
  zeb::TZEBset set(platform.services());
  if (!set.Load(path)) {
    std::fprintf(stderr, "the book did not load\n");
    return 1;
  }

  const zeb::SearchTerms twoTerms{zeb::zebmake::commonWord, zeb::zebmake::occasionalWord, "", ""};
  const double job = zeb::bench::medianSeconds(runs, [&] { zeb::BookSearchJob(set, {twoTerms, 0}).run({}); });
  const double grep = zeb::bench::medianCommandSeconds(
      runs, std::string("grep -c -F ") + zeb::zebmake::occasionalWord + " '" + path + "' > /dev/null");
  std::printf("book: %s (%d pages)\n", path.c_str(), pages);
  std::printf("job, \"%s\" and \"%s\" (median of %d): %.2f ms\n", twoTerms.a.c_str(), twoTerms.b.c_str(), runs,
              job * 1e3);
  std::printf("grep -c -F %s (median of %d): %.2f ms\n", twoTerms.b.c_str(), runs, grep * 1e3);
  std::printf("job / grep: %.2f\n", job / grep);

  for (const char* term : {zeb::zebmake::rareWord, zeb::zebmake::occasionalWord, zeb::zebmake::commonWord}) {
    const Responsiveness figures = backgroundRun(set, {term, "", "", ""});
    std::printf(
        "background \"%s\": %zu hits, first after %.2f ms, all after %.2f ms; 10 ms timer late by at most "
        "%.2f ms\n",
        term, figures.hits, figures.firstHitMs, figures.totalMs, figures.worstLateMs);
  }
  return 0;
}
