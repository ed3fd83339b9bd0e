// Building the frames of a page from its frame map.
#include "view/frame_map.h"

#include "document/container.h"
#include "platform/message_boxes.h"
#include "view/frame_layout.h"
#include "view/messages.h"

namespace zeb {
namespace {

TZEBoggetto* liveObject(const TZEBset& set, TOggettiHel kind, std::int64_t index) {
  TZEBoggetto* object = set.objectByKindAndIndex(kindNumber(kind), index);
  return object != nullptr && !object->isReleased() ? object : nullptr;
}

PageFrames singleFrame(const PageFramesRequest& request, bool mapProblem) {
  PageFrames frames;
  frames.root = newRootFrame(request.page, request.width, request.height);
  frames.root.record.page = request.page;
  frames.mapProblem = mapProblem;
  return frames;
}

}  // namespace

PageFrames buildPageFrames(const TZEBset& set, const PageFramesRequest& request) {
  const TZEBoggetto* page = liveObject(set, TOggettiHel::testoHtml, request.page);
  if (page == nullptr || !request.showNested) return singleFrame(request, false);
  const std::int32_t mapIndex = page->record().i32(field::pageFrameMap);
  if (mapIndex < 0) return singleFrame(request, false);

  TZEBoggetto* map = liveObject(set, TOggettiHel::mappaFrame, mapIndex);
  PageFrames frames;
  frames.root = newRootFrame(request.page, request.width, request.height);
  const FrameMapReading reading =
      map == nullptr ? FrameMapReading::unreadable
                     : readFrameTree(frames.root, map->primaryData(), map->record().i32(field::frameMapRecordLength),
                                     FrameReadPlace{true, request.page});
  if (reading != FrameMapReading::complete) set.messages().warning(messages::mapProblem);
  if (reading == FrameMapReading::unreadable) return singleFrame(request, true);
  frames.fromMap = true;
  frames.mapProblem = reading == FrameMapReading::limited;
  layOutFrameTree(frames.root, request.readOnly);
  return frames;
}

std::int32_t shownPageOf(const TZEBset& set, const FrameNode& frame) {
  if (!frame.isLeaf() || frame.record.page < 0) return -1;
  return liveObject(set, TOggettiHel::testoHtml, frame.record.page) != nullptr ? frame.record.page : -1;
}

}  // namespace zeb
