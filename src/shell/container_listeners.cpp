// The list of windows told about container resets.
#include "shell/container_listeners.h"

#include <algorithm>

namespace zeb::shell {

void ContainerListeners::join(ContainerListener& listener) {
  if (std::find(listeners_.begin(), listeners_.end(), &listener) == listeners_.end()) listeners_.push_back(&listener);
}

void ContainerListeners::leave(ContainerListener& listener) { std::erase(listeners_, &listener); }

template <typename Call>
void ContainerListeners::tellEach(Call call) {
  // A copy, so that listeners leaving meanwhile do not disturb the walk; one that left is
  // not told any more.
  const std::vector<ContainerListener*> listeners = listeners_;
  for (ContainerListener* listener : listeners) {
    if (std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end()) continue;
    try {
      call(*listener);
    } catch (...) {
      // One window's failure does not keep the others uninformed.
    }
  }
}

void ContainerListeners::resetting() {
  tellEach([](ContainerListener& listener) { listener.containerResetting(); });
}

void ContainerListeners::reset() {
  tellEach([](ContainerListener& listener) { listener.containerReset(); });
}

void ContainerListeners::textEncodingChanged() {
  tellEach([](ContainerListener& listener) { listener.textEncodingChanged(); });
}

}  // namespace zeb::shell
