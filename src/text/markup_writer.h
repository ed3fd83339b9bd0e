// The markup writer: a paragraph, or the characters a..b of it, in the stored form.
#pragma once

#include <string>

namespace zeb {

class TZEBparag;

// Mode 0 writes the cell texts of tables after their tags; mode 1 writes the tags alone.
enum class WriteMode { withCellTexts = 0, withoutCellTexts = 1 };

// Appends the paragraph tag and characters from..to-1 (to = -1: up to the end). A fragment
// that starts inside the paragraph opens with a full run tag, so that it keeps its true
// formatting; links open at the start are opened again and closed at the end.
void writeParagraph(const TZEBparag& paragraph, std::string& out, int from = 0, int to = -1,
                    WriteMode mode = WriteMode::withCellTexts);

}  // namespace zeb
