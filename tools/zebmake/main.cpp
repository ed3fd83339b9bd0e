// zebmake: builds a .zeb book from a JSON description, or a large synthetic book; writes sample pictures.
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "tools/zebmake/book_description.h"
#include "tools/zebmake/book_model.h"
#include "tools/zebmake/book_writer.h"
#include "tools/zebmake/sample_pictures.h"
#include "tools/zebmake/synthetic_book.h"

namespace {

constexpr std::string_view usage =
    "usage: zebmake DESCRIPTION.json OUT.zeb\n"
    "       zebmake --synthetic PAGES OUT.zeb [--page-bytes N] [--seed N]\n"
    "       zebmake --pictures FOLDER\n";

bool parseNumber(std::string_view text, int& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value >= 0;
}

int writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) {
    std::cerr << "zebmake: cannot write " << path << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() >= 3 && args[0] == "--synthetic") {
    zeb::zebmake::SyntheticOptions options;
    if (!parseNumber(args[1], options.pages) || options.pages < 1) {
      std::cerr << usage;
      return 2;
    }
    for (std::size_t i = 3; i < args.size(); i += 2) {
      int value = 0;
      if (i + 1 >= args.size() || !parseNumber(args[i + 1], value)) {
        std::cerr << usage;
        return 2;
      }
      if (args[i] == "--page-bytes") options.pageBytes = value;
      else if (args[i] == "--seed") options.seed = static_cast<std::uint32_t>(value);
      else {
        std::cerr << usage;
        return 2;
      }
    }
    if (zeb::zebmake::writeSyntheticBook(args[2], options)) return 0;
    std::cerr << "zebmake: cannot write " << args[2] << "\n";
    return 1;
  }
  if (args.size() == 2 && args[0] == "--pictures") {
    for (const auto& picture : zeb::zebmake::samplePictures())
      if (const int status = writeFile((std::filesystem::path(args[1]) / picture.fileName).string(), picture.bytes))
        return status;
    return 0;
  }
  if (args.size() != 2) {
    std::cerr << usage;
    return 2;
  }
  std::ifstream in(args[0], std::ios::binary);
  if (!in) {
    std::cerr << "zebmake: cannot read " << args[0] << "\n";
    return 1;
  }
  std::stringstream json;
  json << in.rdbuf();
  try {
    const auto bytes = zeb::zebmake::buildBookFromJson(json.str(), std::filesystem::path(args[0]).parent_path());
    return writeFile(args[1], bytes);
  } catch (const zeb::zebmake::DescriptionError& error) {
    std::cerr << "zebmake: " << args[0] << ": " << error.what() << "\n";
    return 1;
  }
}
