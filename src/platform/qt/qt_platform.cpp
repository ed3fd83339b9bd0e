// The platform of the reader's windows.
#include "platform/qt/qt_platform.h"

namespace zeb {

QtPlatform::QtPlatform() {
  services_.messages = &messages;
  services_.environment = &environment;
  services_.settings = &settings;
  services_.shell = &shell;
  services_.clipboard = &clipboard;
  services_.measurer = &measurer;
  services_.events = &events;
}

}  // namespace zeb
