// What a frame set does with a followed link before it raises OnDoLink: where the link came
// from, the pages it jumps to by itself (AutoJump) and print-on-click.
#pragma once

#include <cstdint>
#include <optional>

namespace zeb {

class TZEBbox;
class TZEBoggetto;
class TZEBpage;
class TZEBset;

// The control a followed link came from: a text box (or an object inside one, which
// reports its box), a page (the objects of its preview panels), or the frame set itself
// (its timed link).
enum class LinkSourceKind { textBox, page, frameSet };

struct LinkSource {
  LinkSourceKind kind = LinkSourceKind::frameSet;
  TZEBbox* box = nullptr;    // textBox: the box
  TZEBpage* page = nullptr;  // page: the page
};

struct FollowLinkPlan {
  // False for no link or a link of another book: nothing more happens, no event.
  bool proceed = false;
  // With AutoJump: the page the frame set shows after pushing the current one on its
  // history.
  std::optional<std::int32_t> jumpTo;
  // After a link action's jump the event names the page shown instead of the action.
  bool raisesShownPage = false;
  // The link's "onclick" attribute asks for the current page to be printed.
  bool printPage = false;
};

// Pages a link action leads to by itself (AutoJump): none at or below 0 and none beyond
// the largest object index.
inline bool isJumpTarget(std::int32_t page) { return page > 0 && page < 0x1000000; }

// The frame set's own handling of a followed link, for a frame set showing `set`'s pages.
// A link action of subtype 1 jumps to the page its target names in the text of the box it
// came from, subtype 4 to the next and 5 to the previous page of the box's page; a page
// link jumps to itself. Links raised by the frame set itself (timed links) never jump.
FollowLinkPlan planFollowLink(const TZEBset* set, const TZEBoggetto* link, const LinkSource& source, bool autoJump);

}  // namespace zeb
