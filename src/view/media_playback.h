// When media on a page play by themselves: what a media control asks of its player once its
// file was opened, and when the reader's mode changes.
#pragma once

namespace zeb {

enum class PlayerRequest { none, play, stop };

// Media not opened are stopped. Of the opened ones only media that play in the background
// (their bar hidden) start by themselves, and only with plays left (a repeat count other
// than 0) in read-only mode; the others wait for their bar.
PlayerRequest playbackAfterOpening(bool background, bool opened, int repeats, bool readOnly);

// Setting ReadOnly again to the value it has asks nothing. A real switch stops the media
// when the frame set follows links itself or read-only mode is left, and plays them when
// read-only mode is entered.
PlayerRequest playbackOnModeChange(bool wasReadOnly, bool readOnly, bool autoJump);

}  // namespace zeb
