// Previous and next pages, frame maps of pages.
#include "document/page_sequence.h"

#include "document/container.h"

namespace zeb {
namespace {

enum class Direction { backward, forward };

std::int32_t neighbour(const TZEBset& set, std::int32_t pageIndex, Direction direction) {
  const TZEBoggetto* page = set.slot(TOggettiHel::testoHtml, pageIndex);
  if (page == nullptr) return pageIndex;
  const std::int16_t group = page->record().i16(field::pageSequenceGroup);
  const std::int16_t number = page->record().i16(field::pageSequenceNumber);
  if (number < 0) return pageIndex;

  const int adjacent = direction == Direction::backward ? number - 1 : number + 1;
  std::int32_t best = pageIndex;
  int bestNumber = 0;
  bool found = false;
  const int count = set.count(kindNumber(TOggettiHel::testoHtml));
  for (std::int32_t i = 0; i < count; ++i) {
    const TZEBoggetto* candidate = set.slot(TOggettiHel::testoHtml, i);
    if (candidate == nullptr || candidate->isReleased()) continue;
    if (candidate->record().i16(field::pageSequenceGroup) != group) continue;
    const int candidateNumber = candidate->record().i16(field::pageSequenceNumber);
    const bool closer = direction == Direction::backward
                            ? candidateNumber < number && (!found || candidateNumber > bestNumber)
                            : candidateNumber > number && (!found || candidateNumber < bestNumber);
    if (!closer) continue;
    best = i;
    bestNumber = candidateNumber;
    found = true;
    if (candidateNumber == adjacent) break;  // nothing can be closer
  }
  return best;
}

}  // namespace

std::int32_t previousPage(const TZEBset& set, std::int32_t page) { return neighbour(set, page, Direction::backward); }
std::int32_t nextPage(const TZEBset& set, std::int32_t page) { return neighbour(set, page, Direction::forward); }

TZEBoggetto* frameMapOfPage(const TZEBset& set, std::int64_t page) {
  if (page < 0 || page > maxObjectIndex) return nullptr;
  const TZEBoggetto* shown = set.objectByKindAndIndex(kindNumber(TOggettiHel::testoHtml), page);
  if (shown == nullptr) return nullptr;
  const std::int32_t map = shown->record().i32(field::pageFrameMap);
  if (map < 0 || map > maxObjectIndex) return nullptr;
  return set.objectByKindAndIndex(kindNumber(TOggettiHel::mappaFrame), map);
}

}  // namespace zeb
