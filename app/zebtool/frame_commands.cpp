// zebtool frames: the frames a page is shown in, laid out as the reader lays them out.
#include <string>

#include "app/zebtool/tool.h"
#include "document/container.h"
#include "view/frame_map.h"

namespace zeb::tool {
namespace {

constexpr int maxFrameSetSide = 8192;

void printFrames(const TZEBset& set, const FrameNode& frame, int depth) {
  const FrameRect& r = frame.bounds;
  printLine(std::to_string(depth) + "\t" + frame.record.name + "\t" + std::to_string(frame.record.kind) + "\t" +
                std::to_string(r.left) + "\t" + std::to_string(r.top) + "\t" + std::to_string(r.width) + "\t" +
                std::to_string(r.height) + "\t" + std::to_string(shownPageOf(set, frame)),
            set.codePage());
  for (const FrameNode& child : frame.children) printFrames(set, child, depth + 1);
}

int frames(const PlatformServices& services, const Arguments& arguments) {
  if (arguments.size() < 2 || arguments.size() % 2 != 0) return usageError;
  const auto pageIndex = parsePageNumber(arguments[1]);
  PageFramesRequest request;
  if (!parseSizeOptions(arguments, 2, maxFrameSetSide, request.width, request.height) || !pageIndex) return usageError;
  const auto set = loadBook(services, arguments[0]);
  if (!set) return failure;
  if (livePage(*set, *pageIndex) == nullptr) return failure;
  request.page = *pageIndex;
  const PageFrames built = buildPageFrames(*set, request);
  printFrames(*set, built.root, 0);
  return success;
}

}  // namespace

const std::vector<Command>& frameCommands() {
  static const std::vector<Command> commands = {
      {"frames", "frames BOOK PAGE [--width W] [--height H]", frames},
  };
  return commands;
}

}  // namespace zeb::tool
