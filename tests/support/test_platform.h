// Platform doubles for tests: recorded message boxes, a fixed environment, settings in memory.
#pragma once

#include <filesystem>
#include <string>

#include "platform/environment.h"
#include "platform/headless/fixed_metrics_measurer.h"
#include "platform/headless/manual_event_queue.h"
#include "platform/headless/memory_clipboard.h"
#include "platform/headless/memory_settings_store.h"
#include "platform/headless/recording_desktop_shell.h"
#include "platform/headless/recording_message_boxes.h"
#include "platform/platform_services.h"

namespace zeb::testing {

class FixedEnvironment final : public Environment {
 public:
  std::string user = "tester";
  std::filesystem::path temporary = std::filesystem::temp_directory_path();
  std::filesystem::path program = "/opt/brightfold";
  std::uint32_t process = 0x1234;

  std::string userName() const override { return user; }
  std::filesystem::path temporaryFolder() const override { return temporary; }
  std::filesystem::path programFolder() const override { return program; }
  std::uint32_t processIdentifier() const override { return process; }
};

class TestPlatform {
 public:
  TestPlatform();
  TestPlatform(const TestPlatform&) = delete;
  TestPlatform& operator=(const TestPlatform&) = delete;

  const PlatformServices& services() const { return services_; }

  RecordingMessageBoxes messages;
  FixedEnvironment environment;
  MemorySettingsStore settings;
  RecordingDesktopShell shell;
  MemoryClipboard clipboard;
  // 96 pixels per inch; see FixedMetricsMeasurer for the widths and heights.
  FixedMetricsMeasurer measurer;
  // Posted work and timers run when a test says so.
  ManualEventQueue events;

 private:
  PlatformServices services_;
};

}  // namespace zeb::testing
