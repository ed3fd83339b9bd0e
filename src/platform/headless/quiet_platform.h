// A platform that shows nothing and touches nothing outside the process: messages are
// recorded, settings and the clipboard live in memory, the desktop answers nothing.
// The book writer, benchmarks and fuzz harnesses use it.
#pragma once

#include "platform/headless/fixed_metrics_measurer.h"
#include "platform/headless/manual_event_queue.h"
#include "platform/headless/memory_clipboard.h"
#include "platform/headless/memory_settings_store.h"
#include "platform/headless/recording_desktop_shell.h"
#include "platform/headless/recording_message_boxes.h"
#include "platform/headless/system_environment.h"
#include "platform/platform_services.h"

namespace zeb {

class QuietPlatform {
 public:
  QuietPlatform() = default;
  QuietPlatform(const QuietPlatform&) = delete;
  QuietPlatform& operator=(const QuietPlatform&) = delete;

  PlatformServices services() {
    PlatformServices services;
    services.messages = &messages;
    services.environment = &environment;
    services.settings = &settings;
    services.shell = &shell;
    services.clipboard = &clipboard;
    services.measurer = &measurer;
    services.events = &events;
    return services;
  }

  RecordingMessageBoxes messages;
  SystemEnvironment environment;
  MemorySettingsStore settings;
  RecordingDesktopShell shell;
  MemoryClipboard clipboard;
  FixedMetricsMeasurer measurer;
  ManualEventQueue events;
};

}  // namespace zeb
