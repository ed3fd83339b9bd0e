// The platform services handed to the core: one pointer per interface, none owned.
#pragma once

namespace zeb {

class Clipboard;
class DesktopShell;
class Environment;
class EventQueue;
class MessageBoxes;
class SettingsStore;
class TextMeasurer;

// Every pointer must be set; the core never checks for a missing service.
struct PlatformServices {
  MessageBoxes* messages = nullptr;
  Environment* environment = nullptr;
  SettingsStore* settings = nullptr;
  DesktopShell* shell = nullptr;
  Clipboard* clipboard = nullptr;
  TextMeasurer* measurer = nullptr;
  EventQueue* events = nullptr;
};

}  // namespace zeb
