// When media play by themselves.
#include "view/media_playback.h"

namespace zeb {

PlayerRequest playbackAfterOpening(bool background, bool opened, int repeats, bool readOnly) {
  if (!opened) return PlayerRequest::stop;
  return background && repeats != 0 && readOnly ? PlayerRequest::play : PlayerRequest::none;
}

PlayerRequest playbackOnModeChange(bool wasReadOnly, bool readOnly, bool autoJump) {
  if (wasReadOnly == readOnly) return PlayerRequest::none;
  return autoJump || !readOnly ? PlayerRequest::stop : PlayerRequest::play;
}

}  // namespace zeb
