// Loading a text box from its text object and the header and footer texts.
#include "document/container.h"
#include "document/page_object.h"
#include "platform/message_boxes.h"
#include "text/box_host.h"
#include "text/frame_set_link.h"
#include "text/markup_reader.h"
#include "text/messages.h"
#include "text/style_object.h"
#include "text/text_box.h"

namespace zeb {
namespace {

MarkupStream streamOf(TZEBtesto& text) { return MarkupStream{text.text(), 0}; }

// Gives every paragraph its ListNumber: consecutive numbered paragraphs count 1, 2, 3, ...;
// any other paragraph starts the count again. Paragraphs and their styles change only when
// they are read, so the numbers are given then and not at every paint.
void numberLists(TZEBbox& box) {
  std::int32_t counter = 1;
  for (const auto& paragraph : box.Paragraphs()) {
    if (paragraph->Style.Numbering() == numbering::numbered) {
      paragraph->ListNumber = counter++;
    } else {
      counter = 1;
    }
  }
}

}  // namespace

int TZEBbox::readParagraphs(MarkupStream& stream, std::uint8_t origin, TZEBtesto* source, ReadBudget& budget) {
  int count = 0;
  for (;;) {
    paragraphs_.push_back(std::make_unique<TZEBparag>(this, origin));
    const std::size_t before = stream.position;
    const bool end = readParagraph(*this, *paragraphs_.back(), stream, source, budget);
    ++count;
    if (end || stream.position == before || stream.position >= stream.size()) break;
  }
  numberLists(*this);
  return count;
}

void TZEBbox::LoadFrom(TZEBtesto& text, TZEBtesto* header, TZEBtesto* footer) {
  if (text.textFormat() == markupFormat::older) {
    set().messages().error(messages::oldVersionText);
    return;
  }
  beginUpdate();
  clear();
  texts_[paragraphOrigin::body] = &text;
  texts_[paragraphOrigin::header] = header;
  texts_[paragraphOrigin::footer] = footer;
  ReadBudget budget;
  if (header != nullptr) {
    MarkupStream stream = streamOf(*header);
    headerCount_ = readParagraphs(stream, paragraphOrigin::header, header, budget);
  }
  MarkupStream body = streamOf(text);
  readParagraphs(body, paragraphOrigin::body, &text, budget);
  if (footer != nullptr) {
    MarkupStream stream = streamOf(*footer);
    footerCount_ = readParagraphs(stream, paragraphOrigin::footer, footer, budget);
  }
  if (!isHosted()) {
    setLayoutWidth(Width());
    layoutAll();
  }
  caret_.setPosition(firstTextPosition());
  selStart_ = selEnd_ = Caret();
  hasSelection_ = false;
  endUpdate();
  if (host_ != nullptr) host_->boxChanged(*this);
  if (FrameSetLink* frames = frameSet()) {
    frames->SetCurrentControl(*this);
    frames->RulerPosChanged(*this);
  }
}

}  // namespace zeb
