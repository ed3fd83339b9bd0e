// A desktop integration that only records what it was asked, for tests of the setup switches.
#pragma once

#include <vector>

#include "platform/desktop_integration.h"

namespace zeb {

class RecordingDesktopIntegration final : public DesktopIntegration {
 public:
  SetupOutcome install(const DesktopRegistration& registration) override {
    installs.push_back(registration);
    return installOutcome;
  }
  SetupOutcome uninstall() override {
    ++uninstalls;
    return uninstallOutcome;
  }

  SetupOutcome installOutcome;
  SetupOutcome uninstallOutcome;
  std::vector<DesktopRegistration> installs;
  int uninstalls = 0;
};

}  // namespace zeb
