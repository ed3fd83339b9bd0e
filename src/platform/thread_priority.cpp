// On Linux a thread has a nice value of its own, set through its thread id.
#include "platform/thread_priority.h"

#include <sys/resource.h>
#include <unistd.h>

namespace zeb {

void lowerThisThreadsPriority() {
  constexpr int backgroundNice = 10;
  setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), backgroundNice);
}

}  // namespace zeb
