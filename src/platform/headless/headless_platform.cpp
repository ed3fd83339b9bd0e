// Headless platform assembly.
#include "platform/headless/headless_platform.h"

#include "platform/headless/fixed_metrics_measurer.h"
#include "platform/headless/ini_settings_store.h"
#include "platform/headless/manual_event_queue.h"
#include "platform/headless/memory_clipboard.h"
#include "platform/headless/recording_desktop_shell.h"
#include "platform/headless/stderr_message_boxes.h"
#include "platform/headless/system_environment.h"

namespace zeb {

struct HeadlessPlatform::Parts {
  StderrMessageBoxes messages;
  SystemEnvironment environment;
  IniSettingsStore settings{IniSettingsStore::defaultFile()};
  RecordingDesktopShell shell;
  MemoryClipboard clipboard;
  // Without a screen, texts are measured with fixed metrics (search and export need no more).
  FixedMetricsMeasurer measurer;
  // Nothing runs an event loop here: posted work waits for ever.
  ManualEventQueue events;
};

HeadlessPlatform::HeadlessPlatform() : parts_(std::make_unique<Parts>()) {
  services_.messages = &parts_->messages;
  services_.environment = &parts_->environment;
  services_.settings = &parts_->settings;
  services_.shell = &parts_->shell;
  services_.clipboard = &parts_->clipboard;
  services_.measurer = &parts_->measurer;
  services_.events = &parts_->events;
}

HeadlessPlatform::~HeadlessPlatform() = default;

}  // namespace zeb
