// The platform of the reader's windows: Qt message boxes, desktop, clipboard, measurer and
// event loop, with the real environment and the INI settings file.
#pragma once

#include "platform/headless/ini_settings_store.h"
#include "platform/headless/system_environment.h"
#include "platform/platform_services.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_desktop_shell.h"
#include "platform/qt/qt_event_queue.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_text_measurer.h"

namespace zeb {

// Needs a QApplication for its whole life.
class QtPlatform {
 public:
  QtPlatform();
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  const PlatformServices& services() const { return services_; }

  QtMessageBoxes messages;
  SystemEnvironment environment;
  IniSettingsStore settings{IniSettingsStore::defaultFile()};
  QtDesktopShell shell;
  QtClipboard clipboard;
  QtTextMeasurer measurer;
  QtEventQueue events;

 private:
  PlatformServices services_;
};

}  // namespace zeb
