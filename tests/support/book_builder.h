// Books for tests, built in memory with the book writer and written to a temporary folder.
#pragma once

#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>

#include "document/container.h"
#include "tests/support/temporary_folder.h"
#include "tools/zebmake/book_model.h"
#include "tools/zebmake/book_writer.h"

namespace zeb::testing {

using BookFiller = std::function<void(TZEBset&)>;

// The bytes of a book: a new book, changed by the filler, written with the options.
std::vector<std::uint8_t> bookBytes(const BookFiller& fill, const zebmake::WriteOptions& options = {});

// Little-endian patches of built bytes.
void patchI32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::int32_t value);
void patchI16(std::vector<std::uint8_t>& bytes, std::size_t offset, std::int16_t value);
std::int32_t readI32(const std::vector<std::uint8_t>& bytes, std::size_t offset);

// Where the kind table entry of a kind lies in a written book.
constexpr std::size_t kindTableEntry(int kind) { return 1978 + 12 * static_cast<std::size_t>(kind); }

}  // namespace zeb::testing
