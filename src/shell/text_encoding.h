// View > Text encoding: the code page a book is read in when the user chooses one instead of
// the book's languages, remembered per book, and what the reader says of a book whose
// language needs a double-byte code page.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zeb {
class SettingsStore;
class TZEBset;
}  // namespace zeb

namespace zeb::shell {

// The code page chosen for the book at the path (as it is now: its path and size), or
// codePage::automatic when none was.
std::uint16_t rememberedCodePage(const SettingsStore& settings, const std::string& bookPath);
// Remembers the choice for the book; automatic forgets it.
void rememberCodePage(SettingsStore& settings, const std::string& bookPath, std::uint16_t codePage);

// The status bar's note for a book read in its own languages whose header names a
// language of a double-byte code page; none for every other book.
std::optional<std::string> doubleByteNote(const TZEBset& set);

}  // namespace zeb::shell
