// The size rules of the controls.
#include "view/visual_size.h"

#include <algorithm>
#include <cstdint>

#include "document/book_object.h"
#include "document/container.h"
#include "platform/text_measurer.h"
#include "view/marker_rules.h"
#include "view/visual_kinds.h"

namespace zeb {
namespace {

// Sizes a book may ask for stay within these, in characters, lines and pixels.
constexpr int maxCharacters = 1000;
constexpr int maxLines = 1000;
constexpr int maxSide = 32767;
// Sizes a control takes when its object does not say.
constexpr int editCharacters = 20;
constexpr int memoCharacters = 40;
constexpr int listLines = 10;
constexpr int listPadding = 4;
// The standard controls' frames around their text.
constexpr int editFrame = 8;
constexpr int standardListWidth = 121;

int clampedProduct(int a, int b) { return static_cast<int>(std::clamp<std::int64_t>(std::int64_t{a} * b, 0, maxSide)); }

// The stored width and height, or those percents of what is offered.
ObjectSize storedSize(const TZEBoggetto& object, const SizeOffer& offer) {
  const int width = numberAttribute(object, controlAttribute::width, 0, 0, maxSide);
  const int height = numberAttribute(object, controlAttribute::height, 0, 0, maxSide);
  if (!flagAttribute(object, controlAttribute::relative)) return {width, height};
  return {static_cast<int>(std::int64_t{std::max(offer.width, 0)} * width / 100),
          static_cast<int>(std::int64_t{std::max(offer.height, 0)} * height / 100)};
}

// A picture's stored size, 100 for a side not known yet.
ObjectSize pictureSize(const TZEBoggetto* picture) {
  const int width = picture != nullptr ? picture->record().i16(field::pictureWidth) : 0;
  const int height = picture != nullptr ? picture->record().i16(field::pictureHeight) : 0;
  return {width > 0 ? width : controlSize::imageWithoutSize, height > 0 ? height : controlSize::imageWithoutSize};
}

int listHeight(int lines, const ControlMetrics& metrics) {
  return clampedProduct(metrics.lineHeight, lines) + listPadding;
}

ObjectSize customObjectSize(const TZEBoggetto& object, const ControlMetrics& metrics, const SizeOffer& offer) {
  const int type = numberAttribute(object, controlAttribute::customType, 0, 0, 255);
  switch (type) {
    case 1:
    case 9: {
      if (object.state() != mediaSubtype::customLast) return {controlSize::marker, controlSize::marker};
      const int icon = numberAttribute(object, controlAttribute::iconCode, 0, 0, 255);
      if (icon == 18) {
        const TZEBset* set = object.Container();
        const int index = numberAttribute(object, controlAttribute::picture, -1, -1, maxObjectIndex);
        const TZEBoggetto* picture =
            set != nullptr ? set->objectByKindAndIndex(kindNumber(TOggettiHel::immagine), index) : nullptr;
        if (picture != nullptr) return pictureSize(picture);
      }
      return {customIconWidth(icon), controlSize::marker};
    }
    case 3: return {clampedProduct(metrics.averageCharWidth, editCharacters), metrics.editHeight};
    case 4: return {clampedProduct(metrics.averageCharWidth, memoCharacters), listHeight(listLines, metrics)};
    case 5:
    case 6: return {controlSize::checkBox, controlSize::checkBox};
    case 7: return {metrics.listWidth, listHeight(listLines, metrics)};
    case 8: return {metrics.listWidth, metrics.comboHeight};
    default: return storedSize(object, offer);
  }
}

ObjectSize multimediaSize(const TZEBoggetto& object, const ControlMetrics& metrics, const SizeOffer& offer) {
  const std::uint8_t subtype = object.state();
  const bool background = flagAttribute(object, controlAttribute::background);
  if (subtype >= 1 && subtype <= mediaSubtype::audioLast) {
    if (background) return {controlSize::marker, controlSize::marker};
    return {controlSize::playerWidth, controlSize::playerHeight};
  }
  const ObjectSize stored = storedSize(object, offer);
  if (subtype > mediaSubtype::audioLast && subtype <= mediaSubtype::videoLast && !background)
    return {std::max(stored.width, controlSize::playerWidth),
            std::min(stored.height + controlSize::playerHeight, maxSide)};
  if (subtype >= mediaSubtype::customFirst && subtype <= mediaSubtype::customLast)
    return customObjectSize(object, metrics, offer);
  return stored;
}

// A check control: its box alone, or its box and caption.
ObjectSize checkSize(const TZEBoggetto& object, const ControlMetrics& metrics, bool radio) {
  const std::string caption = object.attribute(controlAttribute::caption);
  if (caption.empty()) return {controlSize::checkBox, controlSize::checkBox};
  const int captionLeft =
      radio ? controlSize::checkCaptionOffset : controlSize::checkBoxSide + controlSize::checkCaptionOffset;
  const int length = static_cast<int>(std::min<std::size_t>(caption.size(), maxCharacters));
  return {std::min(captionLeft + clampedProduct(metrics.averageCharWidth, length), maxSide),
          std::max(controlSize::checkBox, metrics.checkTextHeight)};
}

}  // namespace

TMyFont controlFont(Colour colour, int size) {
  TMyFont font;
  font.Name = "MS Sans Serif";
  font.Size = size;
  font.Color = colour;
  return font;
}

ControlMetrics ControlMetrics::measuredWith(TextMeasurer& measurer) {
  const FontMetrics measured = measurer.metrics(controlFont());
  ControlMetrics metrics;
  metrics.averageCharWidth = measured.averageCharWidth;
  metrics.lineHeight = measured.height;
  metrics.editHeight = measured.height + editFrame;
  metrics.comboHeight = measured.height + editFrame;
  metrics.listWidth = standardListWidth;
  metrics.checkTextHeight = measured.height;
  return metrics;
}

int buttonWidth(int captionLength, const ControlMetrics& metrics) {
  const int characters = std::clamp(captionLength, 0, maxCharacters) + 2;
  return std::max(controlSize::buttonMinimumWidth, clampedProduct(metrics.averageCharWidth, characters));
}

ObjectSize visualSizeOf(const TZEBoggetto& object, const ControlMetrics& metrics, const SizeOffer& offer) {
  switch (visualKindOf(object)) {
    case VisualKind::marker:
    case VisualKind::formStart: {
      const auto marker = markerLookOf(object);
      return {marker ? marker->width : controlSize::marker, controlSize::marker};
    }
    case VisualKind::button: {
      if (object.record().i32(field::buttonPicture) != -1) return pictureSize(object.ReferencedPicture());
      return {buttonWidth(static_cast<int>(buttonCaption(object).size()), metrics), metrics.editHeight};
    }
    case VisualKind::edit: {
      const int characters = numberAttribute(object, controlAttribute::size, 0, 0, maxCharacters);
      return {clampedProduct(metrics.averageCharWidth, characters > 0 ? characters : editCharacters),
              metrics.editHeight};
    }
    case VisualKind::memo: {
      const int columns = numberAttribute(object, controlAttribute::columns, 0, 0, maxCharacters);
      const int rows = numberAttribute(object, controlAttribute::rows, 0, 0, maxLines);
      return {clampedProduct(metrics.averageCharWidth, columns > 0 ? columns : memoCharacters),
              listHeight(rows > 0 ? rows : listLines, metrics)};
    }
    case VisualKind::listBox: {
      const int rows = numberAttribute(object, controlAttribute::rows, 0, 0, maxLines);
      return {metrics.listWidth, listHeight(rows > 0 ? rows : listLines, metrics)};
    }
    case VisualKind::comboBox: {
      const int characters = object.Kind() == TOggettiHel::inputStat
                                 ? numberAttribute(object, controlAttribute::size, 0, 0, maxCharacters)
                                 : 0;
      return {characters > 0 ? clampedProduct(metrics.averageCharWidth, characters) : metrics.listWidth,
              metrics.comboHeight};
    }
    case VisualKind::radioButton: return checkSize(object, metrics, true);
    case VisualKind::checkBox: return checkSize(object, metrics, false);
    case VisualKind::floating: return storedSize(object, offer);
    case VisualKind::multimedia: return multimediaSize(object, metrics, offer);
    case VisualKind::image:
    case VisualKind::table:
    case VisualKind::none: return {};
  }
  return {};
}

}  // namespace zeb
