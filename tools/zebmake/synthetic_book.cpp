// Synthetic books: pages of formatted text in several paragraphs, with runs, links,
// entities and accented letters, drawn from a fixed vocabulary by a seeded generator.
#include "tools/zebmake/synthetic_book.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "document/container.h"
#include "tools/zebmake/book_model.h"
#include "tools/zebmake/book_stream.h"
#include "tools/zebmake/picture_maker.h"

namespace zeb::zebmake {
namespace {

constexpr std::array<const char*, 48> vocabulary = {
    "the",    "reader",  "book",    "page",     "chapter", "link",     "picture", "table",   "frame",   "keyword",
    "search", "text",    "river",   "mountain", "village", "garden",   "window",  "history", "summary", "cover",
    "author", "edition", "volume",  "section",  "caf\xE9", "na\xEFve", "r\xF4le", "pi\xF9",  "and",     "of",
    "to",     "in",      "with",    "from",     "under",   "over",     "between", "across",  "quickly", "slowly",
    "bright", "folded",  "ancient", "modern",   "quiet",   "distant",  "golden",  "silver"};

std::string hex8(std::uint32_t value) {
  char digits[9];
  std::snprintf(digits, sizeof digits, "%08x", value);
  return digits;
}

// Draws words from the vocabulary: evenly from the fixed one, or by rank (1/r) from a larger
// one.
class WordSource {
 public:
  explicit WordSource(int vocabularyWords) : even_(0, vocabulary.size() - 1) {
    if (vocabularyWords <= 0) return;
    double total = 0;
    for (int rank = 0; rank < vocabularyWords; ++rank) {
      total += 1.0 / (rank + 1);
      cumulative_.push_back(total);
      words_.push_back(vocabularyWord(rank));
    }
    uniform_ = std::uniform_real_distribution<double>(0, total);
  }
  std::string_view next(std::mt19937& random) {
    if (words_.empty()) return vocabulary[even_(random)];
    const double roll = uniform_(random);
    const auto at = std::lower_bound(cumulative_.begin(), cumulative_.end(), roll);
    return words_[std::min<std::size_t>(static_cast<std::size_t>(at - cumulative_.begin()), words_.size() - 1)];
  }

 private:
  std::uniform_int_distribution<std::size_t> even_;
  std::uniform_real_distribution<double> uniform_;
  std::vector<double> cumulative_;
  std::vector<std::string> words_;
};

std::string pageText(int pageIndex, int pageCount, int targetBytes, std::mt19937& random, WordSource& word) {
  std::uniform_int_distribution<int> percent(0, 99);
  std::string text;
  text.reserve(static_cast<std::size_t>(targetBytes) + 200);
  int paragraph = 0;
  while (static_cast<int>(text.size()) < targetBytes) {
    // Every fourth paragraph is centred and numbered; the rest use the plain style.
    text += paragraph % 4 == 3 ? "<Z S0 A2 N6 >" : "<Z S0 >";
    if (paragraph == 0) {
      text += std::string(commonWord) + " ";
      if (pageIndex % 7 == 0) text += std::string(occasionalWord) + " ";
      if (pageIndex % 100 == 0) text += std::string(rareWord) + " ";
    }
    const int words = 60 + percent(random);
    for (int w = 0; w < words; ++w) {
      const int roll = percent(random);
      if (roll < 3) {
        text += "<Y c0000FF g1 >";  // a bold red run
        text += word.next(random);
        text += "<Y >";
      } else if (roll < 5 && pageCount > 1) {
        // A link to the hyperlink object of this page, which points at the next page.
        text += "<$" + hex8(objectId(TOggettiHel::internetLink, pageIndex)) + ">";
        text += word.next(random);
        text += "<%>";
      } else if (roll < 6) {
        text += "&amp;";
      } else {
        text += word.next(random);
      }
      text += w + 1 < words ? " " : ".";
    }
    ++paragraph;
  }
  return text;
}

// The objects every synthetic book holds besides its pages and their links.
void addFixedObjects(TZEBset& set) {
  set.header().setShortString(header::title, header::titleMax, "Synthetic book");
  for (int k = 0; k < 10; ++k) addObject(set, TOggettiHel::keyword).setName("keyword" + std::to_string(k));
  for (int p = 0; p < 2; ++p) {
    TZEBoggetto& picture = addObject(set, TOggettiHel::immagine);
    picture.setName("Picture " + std::to_string(p));
    picture.setFileName("picture" + std::to_string(p) + ".bmp");
    picture.setPrimaryData(makeGradientBmp(32, 24));
    picture.record().setI16(field::pictureWidth, 32);
    picture.record().setI16(field::pictureHeight, 24);
  }
}

// The pages, made one at a time in page order (the generator's draws follow that order),
// and the hyperlink of each page, which leads to the next one.
class SyntheticPages {
 public:
  SyntheticPages(TZEBset& set, const SyntheticOptions& options)
      : set_(set), options_(options), random_(options.seed), words_(options.vocabularyWords) {}

  std::unique_ptr<TZEBtesto> nextPage() {
    const int i = made_++;
    auto page =
        makePage(set_, "Page " + std::to_string(i), pageText(i, options_.pages, options_.pageBytes, random_, words_));
    page->record().setI16(field::pageSequenceGroup, 1);
    page->record().setI16(field::pageSequenceNumber, static_cast<std::int16_t>(std::min(i + 1, 32767)));
    page->record().setI32(field::pageKeywords, i % 10);
    return page;
  }

  std::unique_ptr<TZEBoggetto> link(int i) const {
    auto link = makeLiveObject(set_, TOggettiHel::internetLink);
    link->setName("nexo:|" + std::to_string((i + 1) % options_.pages));
    link->record().setU8(field::state, 6);
    return link;
  }

 private:
  TZEBset& set_;
  const SyntheticOptions& options_;
  std::mt19937 random_;
  WordSource words_;
  int made_ = 0;
};

// Appended at the end of its kind's list, without looking for a released slot to reuse.
void append(TZEBset& set, std::unique_ptr<TZEBoggetto> object) {
  const auto end = static_cast<std::int32_t>(set.slotCount(object->Kind()));
  set.Register(std::move(object), end);
}

}  // namespace

std::string vocabularyWord(int rank) {
  if (rank < static_cast<int>(vocabulary.size())) return vocabulary[static_cast<std::size_t>(rank)];
  // Made-up words: syllables spelling the rank, so that each rank has its own word.
  static constexpr std::array<const char*, 20> syllables = {"ka",  "lo",  "mi",  "nu",  "pe",  "ri",  "so",
                                                            "ta",  "ve",  "zu",  "bar", "del", "fin", "gor",
                                                            "hem", "jun", "kel", "mor", "nat", "pul"};
  std::string word;
  int value = rank;
  do {
    word += syllables[static_cast<std::size_t>(value % static_cast<int>(syllables.size()))];
    value /= static_cast<int>(syllables.size());
  } while (value > 0);
  return word;
}

void fillSyntheticBook(TZEBset& set, const SyntheticOptions& options) {
  addFixedObjects(set);
  SyntheticPages pages(set, options);
  for (int i = 0; i < options.pages; ++i) {
    append(set, pages.link(i));
    append(set, pages.nextPage());
  }
}

bool writeSyntheticBook(const std::filesystem::path& path, const SyntheticOptions& options) {
  BookModel model;
  TZEBset& set = model.set();
  addFixedObjects(set);
  KindCounts counts = slotCounts(set);
  counts[kindNumber(TOggettiHel::testoHtml)] = options.pages;
  counts[kindNumber(TOggettiHel::internetLink)] = options.pages;

  FileSink file(path);
  if (!file.isOpen()) return false;
  BookStreamWriter writer(file, set.header(), counts);
  // The model holds no pages or links: those are made as they are written.
  SyntheticPages pages(set, options);
  for (int i = 0; i < options.pages; ++i) writer.write(TOggettiHel::testoHtml, pages.nextPage().get());
  for (int i = 0; i < options.pages; ++i) writer.write(TOggettiHel::internetLink, pages.link(i).get());
  for (int k = kindNumber(TOggettiHel::internetLink) + 1; k < kindCount; ++k) {
    const auto kind = kindOf(k);
    for (std::int32_t i = 0; i < counts[static_cast<std::size_t>(k)]; ++i) writer.write(kind, set.slot(kind, i));
  }
  const bool written = writer.finish();
  return file.close() && written;
}

}  // namespace zeb::zebmake
