// The separate window's decisions.
#include "shell/separate_window.h"

#include <filesystem>

#include "platform/windows1252.h"

namespace zeb::shell {
namespace {

// Paths name the same book when they are spelled alike once "." and ".." are resolved: on
// this system "Guide.zeb" and "guide.zeb" are two files.
bool samePath(std::string_view left, std::string_view right) {
  return std::filesystem::path(left).lexically_normal() == std::filesystem::path(right).lexically_normal();
}

}  // namespace

PreviewBook previewBookFor(std::string_view requested, std::string_view shown, std::string_view mainBook) {
  if (requested.empty()) return PreviewBook::cleared;
  if (samePath(requested, shown)) return PreviewBook::unchanged;
  if (samePath(requested, mainBook)) return PreviewBook::main;
  return PreviewBook::own;
}

WindowLayout SeparateWindowCore::Prepare(std::string_view name, const std::optional<WindowDescription>& description,
                                         bool hasBorder, WindowSize mainWindow) {
  name_ = std::string(name);
  description_ = description;
  if (!description) return layoutWithoutDescription(mainWindow);
  sizeable_ = description->sizeable;
  return layoutFromDescription(*description, hasBorder);
}

KindChanges SeparateWindowCore::showAs(WindowKind kind, WindowSize mainWindow) {
  if (kind == WindowKind::keep) return {};
  kind_ = kind;
  return changesForKind(kind, mainWindow);
}

SeparateWindowCore::FrameLookup SeparateWindowCore::lookUpFrame(std::string_view name) const {
  if (kind_ == WindowKind::plain) return FrameLookup::askPreview;
  return equalsIgnoringCase(name, name_) ? FrameLookup::thisWindow : FrameLookup::none;
}

bool SeparateWindowCore::startClosing() {
  if (closing_) return false;
  closing_ = true;
  return true;
}

LinkContext SeparateWindowCore::linkContext(TZEBset* mainBook, bool readOnly) const {
  LinkContext context;
  context.handler = kind_ == WindowKind::popup ? LinkHandler::popupWindow : LinkHandler::separateWindow;
  context.openBook = mainBook;
  context.readOnly = readOnly;
  return context;
}

void SeparateWindowCore::beforeMainReset(const std::string& mainBook, std::int32_t page) {
  rememberedBook_ = mainBook;
  rememberedPage_ = page;
}

std::optional<SeparateWindowCore::Reopen> SeparateWindowCore::afterMainReset(bool previewShowsMain,
                                                                             const std::string& mainBook) {
  std::optional<Reopen> reopen;
  if (previewShowsMain && !samePath(mainBook, rememberedBook_)) reopen = Reopen{rememberedBook_, rememberedPage_};
  rememberedBook_.clear();
  return reopen;
}

}  // namespace zeb::shell
