// The page background put on the clipboard.
#include "shell/background_copy.h"

#include "document/book_object.h"
#include "document/container.h"
#include "document/messages.h"
#include "document/object_stream.h"
#include "document/picture.h"
#include "platform/message_boxes.h"

namespace zeb::shell {

bool copyBackgroundPicture(TZEBset& set, TZEBoggetto* background) {
  const bool picture = background != nullptr &&
                       (background->Kind() == TOggettiHel::immagine || background->Kind() == TOggettiHel::immagineNew);
  if (!picture) {
    set.messages().error(messages::onlyForPictures);
    return false;
  }
  TZEBpicture* decoded = set.decodedPicture(*background);
  if (decoded == nullptr) return false;
  copyPictureToClipboard(set, *background, decoded->firstImage());
  return true;
}

}  // namespace zeb::shell
