// Reading and layout speed of long pages: synthetic pages of 10,000, 100,000 and 1,000,000
// characters are read (with a warm measurement cache) and laid out with the Qt measurer on
// the offscreen platform. Prints nanoseconds per character, the median of several runs.
//
//   build/bench/layout [--runs N]
#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "document/page_object.h"
#include "platform/qt/qt_text_measurer.h"
#include "text/measurement_cache.h"
#include "text/text_box.h"
#include "tools/zebmake/book_model.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* words[] = {"the",     "reader",  "book",   "page",    "chapter", "link",    "picture",
                                 "table",   "frame",   "river",  "mountain", "village", "garden", "window",
                                 "history", "caf\xE9", "na\xEFve", "quickly", "between", "golden", "silver"};

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

struct Timing {
  double readNs = 0;
  double layoutNs = 0;
};

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

Timing measure(zeb::TZEBset& set, zeb::MeasurementCache& cache, zeb::TZEBtesto& page, int runs, long& characters) {
  std::vector<double> reads;
  std::vector<double> layouts;
  for (int run = -1; run < runs; ++run) {  // run -1 warms the cache and is not counted
    auto box = std::make_unique<zeb::TZEBbox>(set, cache);
    box->setBounds(0, 0, 600, 400);
    box->setLayoutWidth(600);
    zeb::MarkupStream stream{page.text(), 0};
    zeb::ReadBudget budget;
    const auto start = Clock::now();
    box->readParagraphs(stream, zeb::paragraphOrigin::body, &page, budget);
    const auto read = Clock::now();
    box->layoutAll();
    const auto laidOut = Clock::now();
    characters = 0;
    for (const auto& paragraph : box->Paragraphs()) characters += paragraph->length();
    if (run < 0) continue;
    reads.push_back(std::chrono::duration<double, std::nano>(read - start).count());
    layouts.push_back(std::chrono::duration<double, std::nano>(laidOut - read).count());
  }
  return {median(reads), median(layouts)};
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  int runs = 7;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--runs") == 0) runs = std::max(1, std::atoi(argv[i + 1]));
  }

  zeb::zebmake::BookModel model;
  const std::uint32_t linkId = zeb::zebmake::addObject(model.set(), zeb::TOggettiHel::internetLink).ID();
  zeb::QtTextMeasurer measurer;
  zeb::MeasurementCache cache(measurer);

  std::printf("%-12s %12s %14s %16s %16s\n", "characters", "paragraphs", "read ns/char", "layout ns/char",
              "lines");
  double readAt100k = 0;
  double layoutAt100k = 0;
  for (const int size : {10'000, 100'000, 1'000'000}) {
    zeb::TZEBtesto page;
    page.setText(syntheticPage(size, linkId));
    long characters = 0;
    const Timing timing = measure(model.set(), cache, page, size >= 1'000'000 ? std::max(1, runs / 2 + 1) : runs,
                                  characters);
    zeb::TZEBbox box(model.set(), cache);
    box.setBounds(0, 0, 600, 400);
    box.LoadFrom(page);
    std::size_t lines = 0;
    for (const auto& paragraph : box.Paragraphs()) lines += paragraph->Lines.size();
    std::printf("%-12ld %12d %14.1f %16.1f %16zu\n", characters, box.paragraphCount(), timing.readNs / characters,
                timing.layoutNs / characters, lines);
    if (size == 100'000) {
      readAt100k = timing.readNs;
      layoutAt100k = timing.layoutNs;
    } else if (size == 1'000'000) {
      std::printf("time ratio 1,000,000 / 100,000: read %.2f, layout %.2f (10 is linear)\n",
                  timing.readNs / readAt100k, timing.layoutNs / layoutAt100k);
    }
  }
  std::printf("fonts measured: %zu, screen %d pixels per inch\n", cache.fontCount(), measurer.pixelsPerInch());
  return 0;
}
