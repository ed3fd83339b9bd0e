// The program-wide metrics and closing flag; the user-interface thread alone reads and writes them.
#include "view/program_metrics.h"

namespace zeb {
namespace {

ProgramMetrics published;
bool closing = false;

}  // namespace

const ProgramMetrics& programMetrics() { return published; }
void publishProgramMetrics(const ProgramMetrics& metrics) { published = metrics; }

bool programClosing() { return closing; }
void setProgramClosing(bool value) { closing = value; }

}  // namespace zeb
