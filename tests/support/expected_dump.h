// Comparing a dump of layout or painting with the expected dump kept beside the tests.
#pragma once

#include <filesystem>
#include <string>

namespace zeb::testing {

// Expects the dump to equal the file's text; with BRIGHTFOLD_REWRITE_DUMPS=1 in the
// environment it writes the dump into the file instead, after a deliberate change.
void expectSameAsDump(const std::string& dump, const std::filesystem::path& path);

}  // namespace zeb::testing
