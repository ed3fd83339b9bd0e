// The book file writer over a container, through the one-pass writer.
#include "tools/zebmake/book_writer.h"

#include <algorithm>
#include <stdexcept>

#include "document/container.h"
#include "tools/zebmake/book_stream.h"

namespace zeb::zebmake {

std::vector<std::uint8_t> writeBook(TZEBset& set, const WriteOptions& options) {
  KindCounts counts = slotCounts(set);
  MemorySink sink;
  BookStreamWriter writer(sink, set.header(), counts, options);
  for (int k = 0; k < std::clamp(options.kindsInTable, 1, kindCount); ++k) {
    const auto kind = kindOf(k);
    for (std::int32_t i = 0; i < counts[static_cast<std::size_t>(k)]; ++i) writer.write(kind, set.slot(kind, i));
  }
  if (!writer.finish()) throw std::length_error("the book does not fit the 32-bit positions of its records");
  return sink.take();
}

}  // namespace zeb::zebmake
