// Program-wide values the main window publishes for the page's objects: the metrics of the
// window's one-line edit field and list box, which form controls take their sizes from,
// and whether the program is closing.
#pragma once

namespace zeb {

struct ProgramMetrics {
  int editHeight = 21;      // a one-line edit field's default height
  int listItemHeight = 13;  // a list box's item height
  int listWidth = 121;      // a list box's default width
  int letterWidth = 7;      // the width of "h" in the window's font
  bool operator==(const ProgramMetrics&) const = default;
};

// The values the main window published (the defaults above until it does).
const ProgramMetrics& programMetrics();
void publishProgramMetrics(const ProgramMetrics& metrics);

// Set once the main window closes: page objects stop starting anything new.
bool programClosing();
void setProgramClosing(bool closing);

}  // namespace zeb
