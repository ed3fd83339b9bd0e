// A separate page window (TFseparato) without its widgets and frame set: its kind and name,
// the description it was prepared from, which book its view shows, what it remembers across
// a reset of the main container, its history, and who handles the links followed inside it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "shell/browsing_history.h"
#include "shell/link_request.h"
#include "shell/window_description.h"

namespace zeb::shell {

// Which container the window's view (Preview) shows a requested book from.
enum class PreviewBook {
  unchanged,  // it shows that book already
  main,       // the main container's book: Preview is cleared and linked to it
  own,        // another book: Preview is cleared and the private container opens it
  cleared,    // no book: Preview is cleared
};

// Paths (UTF-8) compared exactly, letter case included, once resolved.
PreviewBook previewBookFor(std::string_view requested, std::string_view shown, std::string_view mainBook);

class SeparateWindowCore {
 public:
  // FormCreate: a plain window without name or description, sizeable.
  SeparateWindowCore() = default;

  WindowKind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  const std::optional<WindowDescription>& description() const { return description_; }
  bool sizeable() const { return sizeable_; }

  // Prepare: the name, and what the window does with the description (or without one).
  WindowLayout Prepare(std::string_view name, const std::optional<WindowDescription>& description, bool hasBorder,
                       WindowSize mainWindow);
  // Show target, step 1: the kind is stored (keep leaves it) and changes the window.
  KindChanges showAs(WindowKind kind, WindowSize mainWindow);

  // Find frame by name: a plain window asks its view for a frame of that name; other windows
  // answer only to their own name (letter case ignored).
  enum class FrameLookup { askPreview, thisWindow, none };
  FrameLookup lookUpFrame(std::string_view name) const;

  // Closing happens once: true the first time, after which every handler does nothing.
  bool startClosing();
  bool closing() const { return closing_; }
  // A pop-up closes when its view is clicked or it loses the focus.
  bool closesWhenLeft() const { return kind_ == WindowKind::popup; }

  // Links followed inside: a pop-up hands them to the main window.
  LinkContext linkContext(TZEBset* mainBook, bool readOnly) const;

  // The reset of the main container: before it, the main book's path and the page shown.
  void beforeMainReset(const std::string& mainBook, std::int32_t page);
  struct Reopen {
    std::string book;  // empty: Preview is only cleared
    std::int32_t page = -1;
    bool operator==(const Reopen&) const = default;
  };
  // After it: when Preview showed the main container and that now holds another book,
  // Preview is cleared and the remembered book opens in the private container at its page.
  std::optional<Reopen> afterMainReset(bool previewShowsMain, const std::string& mainBook);

  // The window's own history of pages (recorded unless Preview suppresses clicks).
  BrowsingHistory& history() { return history_; }
  const BrowsingHistory& history() const { return history_; }

 private:
  WindowKind kind_ = WindowKind::plain;
  std::string name_;
  std::optional<WindowDescription> description_;
  bool sizeable_ = true;
  bool closing_ = false;
  std::string rememberedBook_;
  std::int32_t rememberedPage_ = -1;
  BrowsingHistory history_;
};

}  // namespace zeb::shell
