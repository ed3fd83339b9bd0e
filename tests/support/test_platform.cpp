// Platform doubles for tests.
#include "tests/support/test_platform.h"

namespace zeb::testing {

TestPlatform::TestPlatform() {
  services_.messages = &messages;
  services_.environment = &environment;
  services_.settings = &settings;
  services_.shell = &shell;
  services_.clipboard = &clipboard;
  services_.measurer = &measurer;
  services_.events = &events;
}

}  // namespace zeb::testing
