// The priority of the calling thread.
#pragma once

namespace zeb {

// Lets the process's other threads go first: background work that another thread waits for
// (an archive's compression beside the thread that makes its entries) or that should never
// slow the window. Nothing happens where the system refuses.
void lowerThisThreadsPriority();

}  // namespace zeb
