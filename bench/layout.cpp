// Reading and layout speed of long pages: synthetic pages of 10,000, 100,000 and 1,000,000
// characters are read (with a warm measurement cache) and laid out with the Qt measurer on
// the offscreen platform. Prints nanoseconds per character, the median of several runs; the
// sizes take turns within each run, so that a machine shared with other work affects them
// alike. Layout is timed twice: right after reading, as a page is shown (a 100,000-character
// page then still lies in the processor's cache, a 1,000,000-character one mostly not), and
// after the caches were flushed.
//
//   build/bench/layout [--runs N]
#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "document/page_object.h"
#include "platform/qt/qt_text_measurer.h"
#include "text/measurement_cache.h"
#include "text/text_box.h"
#include "tools/zebmake/book_model.h"

namespace {

using Clock = std::chrono::steady_clock;
using zeb::bench::median;

constexpr const char* words[] = {"the",     "reader",  "book",     "page",     "chapter", "link",   "picture",
                                 "table",   "frame",   "river",    "mountain", "village", "garden", "window",
                                 "history", "caf\xE9", "na\xEFve", "quickly",  "between", "golden", "silver"};

// Paragraphs of 60 to 160 words with bold runs, links and entities, until the page holds at
// least `characters` characters of text.
std::string syntheticPage(int characters, std::uint32_t linkId) {
  std::mt19937 random(7);
  std::uniform_int_distribution<std::size_t> word(0, std::size(words) - 1);
  std::uniform_int_distribution<int> percent(0, 99);
  char linkTag[16];
  std::snprintf(linkTag, sizeof linkTag, "<$%08x>", linkId);
  std::string text;
  text.reserve(static_cast<std::size_t>(characters) * 13 / 10 + 64);
  int counted = 0;
  while (counted < characters) {
    text += percent(random) < 25 ? "<Z S0 A3 >" : "<Z S0 >";
    const int count = 60 + percent(random);
    for (int w = 0; w < count; ++w) {
      const std::string chosen = words[word(random)];
      const int roll = percent(random);
      if (roll < 4) {
        text += "<Y g1 >" + chosen + "<Y >";
      } else if (roll < 7) {
        text += linkTag + chosen + "<%>";
      } else if (roll < 8) {
        text += "&amp;";
        counted += 1 - static_cast<int>(chosen.size());
      } else {
        text += chosen;
      }
      text += ' ';
      counted += static_cast<int>(chosen.size()) + 1;
    }
  }
  text.push_back('\0');
  return text;
}

// Touches more memory than any processor cache holds.
void flushCaches() {
  static std::vector<unsigned char> junk(64u << 20);
  for (std::size_t i = 0; i < junk.size(); i += 64) ++junk[i];
}

double nanoseconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::nano>(to - from).count();
}

struct Page {
  int size = 0;
  zeb::TZEBtesto text;
  long characters = 0;
  int paragraphs = 0;
  std::size_t lines = 0;
  std::vector<double> reads;
  std::vector<double> layouts;
  std::vector<double> coldLayouts;

  double readNs() const { return median(reads); }
  double layoutNs() const { return median(layouts); }
  double coldLayoutNs() const { return median(coldLayouts); }
};

void measureOnce(zeb::TZEBset& set, zeb::MeasurementCache& cache, Page& page, bool record) {
  auto box = std::make_unique<zeb::TZEBbox>(set, cache);
  box->setBounds(0, 0, 600, 400);
  box->setLayoutWidth(600);
  zeb::MarkupStream stream{page.text.text(), 0};
  zeb::ReadBudget budget;
  const auto start = Clock::now();
  box->readParagraphs(stream, zeb::paragraphOrigin::body, &page.text, budget);
  const auto read = Clock::now();
  box->layoutAll();
  const auto laidOut = Clock::now();
  flushCaches();
  const auto coldStart = Clock::now();
  box->layoutAll();
  const auto coldEnd = Clock::now();
  page.characters = 0;
  page.lines = 0;
  for (const auto& paragraph : box->Paragraphs()) {
    page.characters += paragraph->length();
    page.lines += paragraph->Lines.size();
  }
  page.paragraphs = box->paragraphCount();
  if (!record) return;
  page.reads.push_back(nanoseconds(start, read));
  page.layouts.push_back(nanoseconds(read, laidOut));
  page.coldLayouts.push_back(nanoseconds(coldStart, coldEnd));
}

}  // namespace

int main(int argc, char** argv) {
  zeb::bench::preferOffscreenPlatform();
  QGuiApplication application(argc, argv);
  const int runs = zeb::bench::runsArgument(argc, argv, 11);

  zeb::zebmake::BookModel model;
  const std::uint32_t linkId = zeb::zebmake::addObject(model.set(), zeb::TOggettiHel::internetLink).ID();
  zeb::QtTextMeasurer measurer;
  zeb::MeasurementCache cache(measurer);

  std::vector<std::unique_ptr<Page>> pages;
  for (const int size : {10'000, 100'000, 1'000'000}) {
    auto page = std::make_unique<Page>();
    page->size = size;
    page->text.setText(syntheticPage(size, linkId));
    pages.push_back(std::move(page));
  }
  for (int run = -1; run < runs; ++run) {  // run -1 warms the measurement cache and is not counted
    for (const auto& page : pages) measureOnce(model.set(), cache, *page, run >= 0);
  }

  std::printf("%-12s %11s %8s %14s %16s %21s\n", "characters", "paragraphs", "lines", "read ns/char", "layout ns/char",
              "cold layout ns/char");
  for (const auto& page : pages) {
    const double characters = static_cast<double>(page->characters);
    std::printf("%-12ld %11d %8zu %14.1f %16.1f %21.1f\n", page->characters, page->paragraphs, page->lines,
                page->readNs() / characters, page->layoutNs() / characters, page->coldLayoutNs() / characters);
  }
  const Page& small = *pages[1];
  const Page& large = *pages[2];
  std::printf("time ratio 1,000,000 / 100,000 (10 is linear): read %.2f, layout %.2f, cold layout %.2f\n",
              large.readNs() / small.readNs(), large.layoutNs() / small.layoutNs(),
              large.coldLayoutNs() / small.coldLayoutNs());
  std::printf("%d runs; fonts measured: %zu; screen %d pixels per inch\n", runs, cache.fontCount(),
              measurer.pixelsPerInch());
  return 0;
}
