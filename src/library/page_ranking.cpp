// bm25 over FTS5's extension interface, as FTS5 computes it.
#include "library/page_ranking.h"

#include <sqlite3.h>

#include <algorithm>
#include <climits>
#include <limits>
#include <cmath>
#include <memory>
#include <string>

#include "library/sqlite_database.h"

namespace zeb::library {
namespace {

constexpr double k1 = 1.2;
constexpr std::uint32_t unknownLength = UINT32_MAX;
constexpr double b = 0.75;

// A varint of the sizes table: seven bits a byte, the most significant first, the top bit
// set on every byte but the last.
std::uint32_t readVarint(const std::uint8_t*& at, const std::uint8_t* end) {
  std::uint32_t value = 0;
  for (int i = 0; at < end && i < 5; ++i) {
    const std::uint8_t byte = *at++;
    value = (value << 7) | (byte & 0x7F);
    if ((byte & 0x80) == 0) break;
  }
  return value;
}

// What a query's rows share: the number of rows, their mean length, each phrase's inverse
// document frequency, and room for the phrases' counts in a row.
struct QueryData {
  double meanLength = 1;
  std::vector<double> inverseFrequency;
  std::vector<double> frequency;
};

// What page_rank reads and where it offers its entries.
struct RankingContext {
  const PageLengths* lengths = nullptr;
  BestRows* best = nullptr;
};

int countRow(const Fts5ExtensionApi*, Fts5Context*, void* count) {
  ++*static_cast<std::int64_t*>(count);
  return SQLITE_OK;
}

// The number of entries holding the phrase as the blob of WordRows::rowsOf gives it, or -1.
std::int64_t knownRows(sqlite3_value* rows, int phrase) {
  if (rows == nullptr) return -1;
  const auto* bytes = static_cast<const std::uint8_t*>(sqlite3_value_blob(rows));
  const int size = sqlite3_value_bytes(rows);
  if (bytes == nullptr || (phrase + 1) * 8 > size) return -1;
  std::uint64_t value = 0;
  for (int k = 7; k >= 0; --k) value = (value << 8) | bytes[phrase * 8 + k];
  return static_cast<std::int64_t>(value);
}

QueryData* queryData(const Fts5ExtensionApi* api, Fts5Context* fts, sqlite3_value* knownCounts, int& code) {
  if (auto* known = static_cast<QueryData*>(api->xGetAuxdata(fts, 0))) return known;
  auto data = std::make_unique<QueryData>();
  sqlite3_int64 rows = 0, tokens = 0;
  code = api->xRowCount(fts, &rows);
  if (code == SQLITE_OK) code = api->xColumnTotalSize(fts, -1, &tokens);
  if (code != SQLITE_OK) return nullptr;
  data->meanLength = rows > 0 ? static_cast<double>(tokens) / static_cast<double>(rows) : 1;
  const int phrases = api->xPhraseCount(fts);
  for (int phrase = 0; phrase < phrases; ++phrase) {
    std::int64_t hits = knownRows(knownCounts, phrase);
    if (hits < 0) {
      hits = 0;
      code = api->xQueryPhrase(fts, phrase, &hits, countRow);
      if (code != SQLITE_OK) return nullptr;
    }
    const double idf = std::log((static_cast<double>(rows - hits) + 0.5) / (static_cast<double>(hits) + 0.5));
    data->inverseFrequency.push_back(idf <= 0 ? 1e-6 : idf);
  }
  data->frequency.resize(static_cast<std::size_t>(phrases));
  QueryData* kept = data.get();
  code = api->xSetAuxdata(fts, data.release(), [](void* p) { delete static_cast<QueryData*>(p); });
  return code == SQLITE_OK ? kept : nullptr;
}

// The row's hits in one column, in order of position.
int columnHits(const Fts5ExtensionApi* api, Fts5Context* fts, int column, std::vector<PhraseHit>& hits) {
  int instances = 0;
  int code = api->xInstCount(fts, &instances);
  for (int i = 0; code == SQLITE_OK && i < instances; ++i) {
    int phrase = 0, in = 0, offset = 0;
    code = api->xInst(fts, i, &phrase, &in, &offset);
    if (code == SQLITE_OK && in == column) hits.push_back({phrase, offset, api->xPhraseSize(fts, phrase)});
  }
  return code;
}

void pageRank(const Fts5ExtensionApi* api, Fts5Context* fts, sqlite3_context* context, int count,
              sqlite3_value** weights) {
  sqlite3_value* knownCounts = nullptr;
  if (count > 0 && sqlite3_value_type(weights[count - 1]) == SQLITE_BLOB) knownCounts = weights[--count];
  int code = SQLITE_OK;
  QueryData* data = queryData(api, fts, knownCounts, code);
  if (data == nullptr) {
    sqlite3_result_error_code(context, code == SQLITE_OK ? SQLITE_NOMEM : code);
    return;
  }
  std::fill(data->frequency.begin(), data->frequency.end(), 0.0);
  int instances = 0;
  code = api->xInstCount(fts, &instances);
  for (int i = 0; code == SQLITE_OK && i < instances; ++i) {
    int phrase = 0, column = 0, offset = 0;
    code = api->xInst(fts, i, &phrase, &column, &offset);
    if (code == SQLITE_OK && phrase >= 0 && static_cast<std::size_t>(phrase) < data->frequency.size())
      data->frequency[static_cast<std::size_t>(phrase)] += column < count ? sqlite3_value_double(weights[column]) : 1.0;
  }
  const auto* ranking = static_cast<const RankingContext*>(api->xUserData(fts));
  const std::int64_t row = api->xRowid(fts);
  std::int64_t length = ranking->lengths->lengthOf(row);
  if (code == SQLITE_OK && length < 0) {
    int tokens = 0;
    code = api->xColumnSize(fts, -1, &tokens);
    length = tokens;
  }
  if (code != SQLITE_OK) {
    sqlite3_result_error_code(context, code);
    return;
  }
  double score = 0;
  const double norm = k1 * (1 - b + b * static_cast<double>(length) / data->meanLength);
  for (std::size_t phrase = 0; phrase < data->frequency.size(); ++phrase) {
    const double f = data->frequency[phrase];
    score += data->inverseFrequency[phrase] * (f * (k1 + 1.0)) / (f + norm);
  }
  score = -1.0 * score;
  if (ranking->best != nullptr && ranking->best->wants(score, row)) {
    // What the entry's snippet is made from: the first column's hits and length.
    BestRows::Row kept{.row = row, .score = score};
    code = columnHits(api, fts, 0, kept.hits);
    std::int64_t firstLength = ranking->lengths->firstColumnLengthOf(row);
    if (code == SQLITE_OK && firstLength < 0) {
      int tokens = 0;
      code = api->xColumnSize(fts, 0, &tokens);
      firstLength = tokens;
    }
    if (code != SQLITE_OK) {
      sqlite3_result_error_code(context, code);
      return;
    }
    kept.firstColumnLength = static_cast<int>(firstLength);
    ranking->best->keep(std::move(kept));
  }
  sqlite3_result_double(context, score);
}

fts5_api* fts5Of(Database& database) {
  fts5_api* api = nullptr;
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(database.handle(), "SELECT fts5(?1)", -1, &statement, nullptr) == SQLITE_OK) {
    sqlite3_bind_pointer(statement, 1, static_cast<void*>(&api), "fts5_api_ptr", nullptr);
    sqlite3_step(statement);
  }
  sqlite3_finalize(statement);
  return api;
}


// --- Snippets.

struct TokenPlace {
  int start = 0, end = 0;  // bytes of the text
};

// The tokens' places up to a position, and the positions that begin a sentence: the first,
// and each whose text is preceded by blanks after a full stop or a colon.
struct TextScan {
  const char* text = nullptr;
  int lastPosition = INT_MAX;
  std::vector<TokenPlace> tokens;
  std::vector<int> sentenceStarts;
};

int scanToken(void* context, int flags, const char*, int, int start, int end) {
  auto& scan = *static_cast<TextScan*>(context);
  if ((flags & FTS5_TOKEN_COLOCATED) != 0) return SQLITE_OK;
  const int position = static_cast<int>(scan.tokens.size());
  if (position > scan.lastPosition) return SQLITE_DONE;
  if (position == 0) {
    scan.sentenceStarts.push_back(0);
  } else {
    int i = start - 1;
    char c = 0;
    for (; i >= 0; --i) {
      c = scan.text[i];
      if (c != ' ' && c != '\t' && c != '\n' && c != '\r') break;
    }
    if (i != start - 1 && (c == '.' || c == ':')) scan.sentenceStarts.push_back(position);
  }
  scan.tokens.push_back({start, end});
  return SQLITE_OK;
}

// A window's score: a thousand for each phrase found in it, one for each further hit; and
// where to start the window so that its hits are centred. "seen" has room for each phrase.
int windowScore(const std::vector<PhraseHit>& instances, std::vector<unsigned char>& seen, int documentSize, int from,
                int tokens, int* adjusted) {
  std::fill(seen.begin(), seen.end(), 0);
  int score = 0, first = -1, last = 0;
  const std::int64_t end = static_cast<std::int64_t>(from) + tokens;
  for (const PhraseHit& instance : instances) {
    if (instance.offset < from || instance.offset >= end) continue;
    unsigned char& was = seen[static_cast<std::size_t>(instance.phrase)];
    score += was ? 1 : 1000;
    was = 1;
    if (first < 0) first = instance.offset;
    last = instance.offset + instance.size;
  }
  if (adjusted != nullptr) {
    std::int64_t start = first - (tokens - (last - first)) / 2;
    if (start + tokens > documentSize) start = documentSize - tokens;
    if (start < 0) start = 0;
    *adjusted = static_cast<int>(start);
  }
  return score;
}

void pageSnippet(const Fts5ExtensionApi* api, Fts5Context* fts, sqlite3_context* context, int count,
                 sqlite3_value** values) {
  if (count != 5) {
    sqlite3_result_error(context, "page_snippet takes a column, two marks, an ellipsis and a size", -1);
    return;
  }
  const int column = sqlite3_value_int(values[0]);
  if (column < 0 || column >= api->xColumnCount(fts)) {
    sqlite3_result_error(context, "page_snippet needs one column of the table", -1);
    return;
  }
  const auto textOf = [](sqlite3_value* value) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return std::string(text != nullptr ? text : "");
  };
  const std::string open = textOf(values[1]), close = textOf(values[2]), ellipsis = textOf(values[3]);

  std::vector<PhraseHit> hits;
  int code = columnHits(api, fts, column, hits);
  const char* text = nullptr;
  int textSize = 0;
  int length = 0;
  if (code == SQLITE_OK) code = api->xColumnText(fts, column, &text, &textSize);
  if (code == SQLITE_OK) code = api->xColumnSize(fts, column, &length);
  if (code != SQLITE_OK) {
    sqlite3_result_error_code(context, code);
    return;
  }
  if (text == nullptr) {
    sqlite3_result_null(context);
    return;
  }
  const auto* tokenizer = static_cast<const PageTokenizer*>(api->xUserData(fts));
  const std::optional<std::string> snippet =
      snippetOf(std::string_view(text, static_cast<std::size_t>(textSize)), length, hits, {open, close, ellipsis},
                sqlite3_value_int(values[4]), *tokenizer);
  if (!snippet) {
    sqlite3_result_error_code(context, SQLITE_CORRUPT_VTAB);
    return;
  }
  sqlite3_result_text64(context, snippet->data(), snippet->size(), SQLITE_TRANSIENT, SQLITE_UTF8);
}

}  // namespace

std::optional<std::string> snippetOf(std::string_view text, int documentSize, const std::vector<PhraseHit>& instances,
                                     const SnippetMarks& marks, int tokens, const PageTokenizer& tokenizer) {
  // FTS5's own snippet() shows at most 64 words.
  tokens = std::clamp(tokens, 0, 64);
  const std::string_view open = marks.open, close = marks.close, ellipsis = marks.ellipsis;
  // No window starts after the last hit, and none is longer than the size asked for.
  TextScan scan;
  scan.text = text.data();
  int lastHit = 0, phrases = 0;
  for (const PhraseHit& instance : instances) {
    if (instance.phrase < 0 || instance.offset < 0) return std::nullopt;
    lastHit = std::max(lastHit, instance.offset);
    phrases = std::max(phrases, instance.phrase + 1);
  }
  scan.lastPosition = tokens > 1 ? lastHit + tokens : INT_MAX;
  // A word takes a byte at least.
  scan.tokens.reserve(std::min<std::size_t>(text.size(), static_cast<std::size_t>(std::max(
                                                             0, std::min(documentSize, scan.lastPosition - 1) + 1))));
  const int code = tokenizer.tokenize(text, FTS5_TOKENIZE_AUX, &scan, scanToken);
  if (code != SQLITE_OK && code != SQLITE_DONE) return std::nullopt;

  std::vector<unsigned char> seen(static_cast<std::size_t>(phrases));
  int bestScore = 0, bestStart = 0;
  for (const PhraseHit& instance : instances) {
    if (instance.offset > documentSize) return std::nullopt;
    int adjusted = 0;
    const int score = windowScore(instances, seen, documentSize, instance.offset, tokens, &adjusted);
    if (score > bestScore) {
      bestScore = score;
      bestStart = adjusted;
    }
    // The sentence the hit is in, from its start.
    if (!scan.sentenceStarts.empty() && documentSize > tokens) {
      std::size_t sentence = 0;
      while (sentence + 1 < scan.sentenceStarts.size() && scan.sentenceStarts[sentence + 1] <= instance.offset)
        ++sentence;
      const int start = scan.sentenceStarts[sentence];
      if (start < instance.offset) {
        const int score = windowScore(instances, seen, documentSize, start, tokens, nullptr) + (start == 0 ? 120 : 100);
        if (score > bestScore) {
          bestScore = score;
          bestStart = start;
        }
      }
    }
  }

  // The window's text, each run of overlapping hits between the marks.
  std::vector<std::pair<int, int>> runs;  // first and last token
  for (const PhraseHit& instance : instances) {
    const int last = instance.offset + instance.size - 1;
    if (!runs.empty() && instance.offset <= runs.back().second)
      runs.back().second = std::max(runs.back().second, last);
    else
      runs.emplace_back(instance.offset, last);
  }
  std::size_t run = 0;
  while (run < runs.size() && runs[run].first < bestStart) ++run;
  const auto runStart = [&] { return run < runs.size() ? runs[run].first : -1; };
  const auto runEnd = [&] { return run < runs.size() ? runs[run].second : -1; };

  const int rangeStart = bestStart, rangeEnd = bestStart + tokens - 1;
  std::string out;
  if (bestStart > 0) out += ellipsis;
  int copied = 0;
  const auto copyTo = [&](int offset) {
    if (offset > copied) out.append(text.data() + copied, static_cast<std::size_t>(offset - copied));
    copied = std::max(copied, offset);
  };
  for (int position = 0; position < static_cast<int>(scan.tokens.size()); ++position) {
    const TokenPlace& place = scan.tokens[static_cast<std::size_t>(position)];
    if (rangeEnd > 0) {
      if (position < rangeStart || position > rangeEnd) continue;
      if (rangeStart != 0 && position == rangeStart) copied = place.start;
    }
    if (position == runStart()) {
      copyTo(place.start);
      out += open;
    }
    if (position == runEnd()) {
      if (rangeEnd != 0 && runStart() < rangeStart) out += open;
      copyTo(place.end);
      out += close;
      ++run;
    }
    if (rangeEnd > 0 && position == rangeEnd) {
      copyTo(place.end);
      if (position >= runStart() && position < runEnd()) out += close;
    }
  }
  if (rangeEnd >= documentSize - 1) {
    copyTo(static_cast<int>(text.size()));
  } else {
    out += ellipsis;
  }
  return out;
}

void PageLengths::refresh(Database& database) {
  Statement version = database.prepare("PRAGMA data_version");
  version.step();
  const std::int64_t dataVersion = version.integer(0);
  const std::int64_t changes = sqlite3_total_changes64(database.handle());
  if (database.handle() == connection_ && dataVersion == dataVersion_ && changes == changes_) return;
  byRow_ = false;
  rows_.clear();
  lengths_.clear();
  firstLengths_.clear();
  hint_ = 0;
  Statement sizes = database.prepare("SELECT id, sz FROM page_text_docsize ORDER BY id");
  while (sizes.step()) {
    const std::vector<std::uint8_t> blob = sizes.blob(1);
    const std::uint8_t* at = blob.data();
    std::uint32_t all = 0, first = unknownLength;
    while (at < blob.data() + blob.size()) {
      const std::uint32_t length = readVarint(at, blob.data() + blob.size());
      if (first == unknownLength) first = length;
      all += length;
    }
    rows_.push_back(sizes.integer(0));
    lengths_.push_back(all);
    firstLengths_.push_back(first);
  }
  if (!rows_.empty() && rows_.front() >= 0 &&
      rows_.back() < static_cast<std::int64_t>(4 * rows_.size() + 65536)) {
    std::vector<std::uint32_t> all(static_cast<std::size_t>(rows_.back()) + 1, unknownLength);
    std::vector<std::uint32_t> first(all.size(), unknownLength);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
      all[static_cast<std::size_t>(rows_[i])] = lengths_[i];
      first[static_cast<std::size_t>(rows_[i])] = firstLengths_[i];
    }
    lengths_ = std::move(all);
    firstLengths_ = std::move(first);
    rows_.clear();
    byRow_ = true;
  }
  connection_ = database.handle();
  dataVersion_ = dataVersion;
  changes_ = changes;
}

std::ptrdiff_t PageLengths::find(std::int64_t row) const {
  if (byRow_) return row >= 0 && static_cast<std::size_t>(row) < lengths_.size() ? row : -1;
  // The matches of a common word lie a few entries apart: those are looked at one by one.
  for (std::size_t at = hint_; at < std::min(hint_ + 16, rows_.size()) && rows_[at] <= row; ++at) {
    if (rows_[at] == row) {
      hint_ = at + 1;
      return static_cast<std::ptrdiff_t>(at);
    }
  }
  const auto found = std::lower_bound(rows_.begin(), rows_.end(), row);
  if (found == rows_.end() || *found != row) return -1;
  const auto index = static_cast<std::size_t>(found - rows_.begin());
  hint_ = index + 1;
  return static_cast<std::ptrdiff_t>(index);
}

std::int64_t PageLengths::lengthOf(std::int64_t row) const {
  const std::ptrdiff_t at = find(row);
  const std::uint32_t length = at >= 0 ? lengths_[static_cast<std::size_t>(at)] : unknownLength;
  return length != unknownLength ? std::int64_t{length} : -1;
}

std::int64_t PageLengths::firstColumnLengthOf(std::int64_t row) const {
  const std::ptrdiff_t at = find(row);
  const std::uint32_t length = at >= 0 ? firstLengths_[static_cast<std::size_t>(at)] : unknownLength;
  return length != unknownLength ? std::int64_t{length} : -1;
}

struct PageTokenizer::Methods {
  fts5_tokenizer methods{};
  Fts5Tokenizer* made = nullptr;
  ~Methods() {
    if (made != nullptr) methods.xDelete(made);
  }
};

PageTokenizer::PageTokenizer(Database& database) : methods_(std::make_unique<Methods>()) {
  fts5_api* api = fts5Of(database);
  void* context = nullptr;
  std::vector<std::string> words;
  for (std::string_view rest = pageTokenizer; !rest.empty();) {
    const std::size_t blank = std::min(rest.find(' '), rest.size());
    words.emplace_back(rest.substr(0, blank));
    rest.remove_prefix(std::min(blank + 1, rest.size()));
  }
  std::vector<const char*> arguments;
  for (std::size_t i = 1; i < words.size(); ++i) arguments.push_back(words[i].c_str());
  if (api == nullptr || api->xFindTokenizer(api, words[0].c_str(), &context, &methods_->methods) != SQLITE_OK ||
      methods_->methods.xCreate(context, arguments.data(), static_cast<int>(arguments.size()), &methods_->made) !=
          SQLITE_OK)
    throw DatabaseError(SQLITE_ERROR, "the full-text tokenizer is missing");
}

PageTokenizer::~PageTokenizer() = default;

int PageTokenizer::tokenize(std::string_view text, int flags, void* context, OnToken onToken) const {
  return methods_->methods.xTokenize(methods_->made, context, flags, text.data(), static_cast<int>(text.size()),
                                     onToken);
}

void BestRows::start(std::size_t wanted) {
  wanted_ = wanted;
  cutoff_ = {std::numeric_limits<double>::infinity(), std::numeric_limits<std::int64_t>::max()};
  rows_.clear();
}

void BestRows::keep(Row row) {
  if (wanted_ == 0) return;
  // A function of a row may be worked out more than once for it.
  if (!rows_.empty() && rows_.back().row == row.row) {
    rows_.back() = std::move(row);
    return;
  }
  rows_.push_back(std::move(row));
  if (rows_.size() < 2 * wanted_) return;
  // The best "wanted" stay, and nothing after the last of them can be among the best.
  const auto better = [](const Row& a, const Row& b) { return a.score != b.score ? a.score < b.score : a.row < b.row; };
  const auto last = rows_.begin() + static_cast<std::ptrdiff_t>(wanted_ - 1);
  std::nth_element(rows_.begin(), last, rows_.end(), better);
  cutoff_ = {last->score, last->row};
  rows_.erase(last + 1, rows_.end());
}

const BestRows::Row* BestRows::find(std::int64_t row) const {
  const auto found = std::find_if(rows_.begin(), rows_.end(), [&](const Row& kept) { return kept.row == row; });
  return found != rows_.end() ? &*found : nullptr;
}

WordRows::WordRows(Database& database) : database_(database), tokenizer_(database) {}

// The row of the empty word, which no text holds, says the counts are current.
void WordRows::invalidate(Database& database) { database.execute("DELETE FROM word_rows WHERE word = ''"); }

bool WordRows::current() {
  Statement mark = database_.prepare("SELECT 1 FROM word_rows WHERE word = ''");
  return mark.step();
}

void WordRows::countIfNeeded() {
  if (current()) return;
  database_.execute("CREATE VIRTUAL TABLE IF NOT EXISTS temp.page_words USING fts5vocab(main, page_text, row)");
  Transaction transaction(database_);
  database_.execute(
      "DELETE FROM word_rows; INSERT INTO word_rows(word, rows) SELECT term, doc FROM temp.page_words; "
      "INSERT INTO word_rows(word, rows) VALUES('', 0)");
  transaction.commit();
}

std::vector<std::uint8_t> WordRows::rowsOf(const std::vector<QueryPhrase>& phrases) {
  std::vector<std::uint8_t> blob;
  const bool known = current();
  Statement lookUp = database_.prepare("SELECT rows FROM word_rows WHERE word = ?1");
  for (const QueryPhrase& phrase : phrases) {
    std::int64_t rows = -1;
    if (known && !phrase.prefix && !phrase.titleOnly) {
      // The index's words of the phrase: one, or the phrase's count is the index's to make.
      std::vector<std::string> words;
      const auto collect = [](void* into, int flags, const char* token, int length, int, int) {
        if ((flags & FTS5_TOKEN_COLOCATED) == 0)
          static_cast<std::vector<std::string>*>(into)->emplace_back(token, static_cast<std::size_t>(length));
        return SQLITE_OK;
      };
      const int code = tokenizer_.tokenize(phrase.text, FTS5_TOKENIZE_QUERY, &words, collect);
      if (code == SQLITE_OK && words.size() == 1) {
        lookUp.bind(1, words[0]);
        rows = lookUp.step() ? lookUp.integer(0) : 0;
        lookUp.reset();
      }
    }
    for (int k = 0; k < 8; ++k) blob.push_back(static_cast<std::uint8_t>(static_cast<std::uint64_t>(rows) >> (8 * k)));
  }
  return blob;
}

void registerPageRanking(Database& database, const PageLengths& lengths, BestRows* best) {
  fts5_api* api = fts5Of(database);
  if (api == nullptr) throw DatabaseError(SQLITE_ERROR, "the full-text extension is missing");
  auto* ranking = new RankingContext{&lengths, best};
  const int code = api->xCreateFunction(api, "page_rank", ranking, pageRank,
                                        [](void* context) { delete static_cast<RankingContext*>(context); });
  if (code != SQLITE_OK) throw DatabaseError(code, "the ranking function could not be made");
}

}  // namespace zeb::library

namespace zeb::library {

void registerPageSnippet(Database& database) {
  fts5_api* api = fts5Of(database);
  if (api == nullptr) throw DatabaseError(SQLITE_ERROR, "the full-text extension is missing");
  auto* tokenizer = new PageTokenizer(database);
  const int code = api->xCreateFunction(api, "page_snippet", tokenizer, pageSnippet,
                                        [](void* context) { delete static_cast<PageTokenizer*>(context); });
  if (code != SQLITE_OK) throw DatabaseError(code, "the snippet function could not be made");
}

}  // namespace zeb::library
