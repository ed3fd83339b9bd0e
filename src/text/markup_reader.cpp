// The markup reader. It walks the text's bytes in place through at(), which answers 0 past
// the end of the bytes, so that a text without its closing zero byte reads as if it had one
// and no tag, value or entity can lead the reader past the buffer.
#include "text/markup_reader.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "document/container.h"
#include "document/page_object.h"
#include "platform/message_boxes.h"
#include "text/effective_font.h"
#include "text/markup_entities.h"
#include "text/markup_values.h"
#include "text/measurement_cache.h"
#include "text/style_object.h"
#include "text/table_cells.h"
#include "text/tag_attributes.h"
#include "text/text_box.h"

namespace zeb {
namespace {

class ParagraphReader {
 public:
  ParagraphReader(TZEBbox& box, TZEBparag& paragraph, MarkupStream& stream, TZEBtesto* source, ReadBudget& budget)
      : box_(box),
        paragraph_(paragraph),
        stream_(stream),
        source_(source),
        budget_(budget),
        data_(stream.bytes.data()),
        size_(stream.bytes.size()),
        pos_(stream.position) {}

  bool read();

 private:
  std::uint8_t at(std::size_t index) const { return index < size_ ? data_[index] : 0; }
  std::string_view view(std::size_t from, std::size_t length) const {
    return {reinterpret_cast<const char*>(data_) + from, length};
  }
  // Forward by up to n bytes, never past the text's end.
  void skip(std::size_t n) {
    while (n-- > 0 && at(pos_) != 0) ++pos_;
  }
  std::size_t findClose(std::size_t from) const {
    while (at(from) != 0 && at(from) != '>') ++from;
    return from;
  }
  void skipPastClose() {
    pos_ = findClose(pos_);
    if (at(pos_) == '>') ++pos_;
  }
  void skipBlock(char closing);
  TagAttributeReader tagReader() const { return TagAttributeReader(stream_.bytes, pos_, &box_.set().messages()); }

  void startParagraph(TZEBoggetto* style);
  bool readContent();
  void readRunTag();
  void readReference();
  void startLink(std::int32_t code);
  void endLink();
  void addObject(std::uint32_t number);
  void addCharacter(std::uint8_t character);
  void appendCell(char character);
  void useFont(const TMyFont& font);
  bool finish(bool end);

  TZEBbox& box_;
  TZEBparag& paragraph_;
  MarkupStream& stream_;
  TZEBtesto* source_;
  ReadBudget& budget_;
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_;

  std::uint16_t codePage_ = box_.codePage();  // the characters are measured in it
  TMyFont runFont_;
  TMyFont currentFont_;  // the run font, with the link look inside a link
  std::int32_t link_ = noLink;
  MeasuredFont* measured_ = nullptr;
  CellMetrics metrics_;
  int previous_ = -1;
  TZEBFontStyle scratch_;
};

void ParagraphReader::skipBlock(char closing) {
  std::size_t i = pos_ + 2;
  while (at(i) != 0) {
    if (at(i) == '<' && at(i + 1) == static_cast<std::uint8_t>(closing) && at(i + 2) == '>') {
      pos_ = i + 3;
      return;
    }
    ++i;
  }
  pos_ = i;
}

void ParagraphReader::useFont(const TMyFont& font) {
  currentFont_ = font;
  currentFont_.CodePage = codePage_;
  measured_ = &box_.measures().select(currentFont_);
  metrics_ = positionedMetrics(measured_->metrics().height, measured_->metrics().ascent, font.Position);
  previous_ = -1;  // the first character after a change of font is measured alone
}

void ParagraphReader::startParagraph(TZEBoggetto* style) { paragraph_.Style.setBaseStyle(style); }

bool ParagraphReader::read() {
  std::size_t tag = pos_;
  while (at(tag) != 0 && at(tag) != '<') ++tag;
  TZEBoggetto* const defaultStyle = findParagraphStyle(box_.set(), 0);
  if (at(tag) != '<') {
    // An empty text, or one without tags: an empty paragraph of style 0, nothing consumed.
    startParagraph(defaultStyle);
    return finish(true);
  }
  pos_ = tag;
  if (at(tag + 1) == 'T') {
    // A cell end where a paragraph should start: the cell is empty.
    skip(3);
    startParagraph(defaultStyle);
    return finish(true);
  }
  skip(3);
  TagAttributeReader attributes = tagReader();
  const std::optional<std::int32_t> styleNumber = attributes.styleNumber();
  if (!styleNumber) {
    pos_ = findClose(tag);
    startParagraph(defaultStyle);
    return finish(at(pos_) == 0);
  }
  startParagraph(findParagraphStyle(box_.set(), *styleNumber));
  attributes.readParagraphAttributes(paragraph_.Style);
  attributes.skipPastClose();
  pos_ = attributes.position();
  return finish(readContent());
}

bool ParagraphReader::finish(bool end) {
  TZEBParaStyle& style = paragraph_.Style;
  if (paragraph_.Cells.empty()) {
    // No content was read: set up the paragraph's own font and its end cell.
    style.FontStyle().Assign(style);
    runFont_ = runFont(style, nullptr);
    useFont(runFont_);
    paragraph_.BaseHeight = metrics_.height;
    paragraph_.Cells.emplace_back();
  } else if (paragraph_.Text.empty()) {
    useFont(runFont(style, nullptr));
  }
  CharCell& last = paragraph_.Cells.back();
  last.Height = metrics_.height;
  last.Ascent = metrics_.ascent;

  TZEBline line;
  line.Paragraph = &paragraph_;
  line.CharCount = paragraph_.length();
  line.LineHeight = paragraph_.BaseHeight > 0 ? paragraph_.BaseHeight : 20;
  paragraph_.Lines.assign(1, line);
  stream_.position = pos_;
  return end;
}

bool ParagraphReader::readContent() {
  TZEBParaStyle& style = paragraph_.Style;
  style.FontStyle().Assign(style);
  runFont_ = runFont(style, nullptr);
  useFont(runFont_);
  paragraph_.BaseHeight = metrics_.height;
  paragraph_.Cells.emplace_back();

  for (;;) {
    const std::uint8_t character = at(pos_);
    if (character == 0) return true;
    if (character == '<') {
      switch (at(pos_ + 1)) {
        case 'Z': return false;
        case 'T': skip(3); return true;
        case '$': readReference(); break;
        case '%':
          skipPastClose();
          endLink();
          break;
        case 'Y': readRunTag(); break;
        case 'D': skipBlock('d'); break;
        case 'F': skipBlock('f'); break;
        case 'R': skipBlock('r'); break;
        default: skipPastClose();
      }
      continue;
    }
    if (character == '&') {
      const DecodedEntity entity = decodeEntity(view(pos_, size_ - pos_));
      pos_ += entity.length;
      if (entity.code >= 32) addCharacter(entity.code);
      continue;
    }
    ++pos_;
    if (character >= 32) addCharacter(character);  // line breaks and tabs have no effect
  }
}

void ParagraphReader::readRunTag() {
  skip(3);
  TagAttributeReader attributes = tagReader();
  const RunTag tag = attributes.readRunAttributes();
  attributes.skipPastClose();
  pos_ = attributes.position();

  TZEBFontStyle& run = scratch_;
  run.setBaseStyle(paragraph_.Style.BaseStyle());
  std::uint8_t styleBefore = 0;
  if (tag.keepsStyleBefore()) {
    // The runs are stored in the order of their cells: the last one is in force.
    styleBefore = paragraph_.RunStyles.empty() ? paragraph_.Style.Style() : paragraph_.RunStyles.back()->Style();
  }
  applyRunTag(tag, run, styleBefore);

  // A run tag right after another one, with no character between, replaces it.
  CharCell& cell = paragraph_.Cells.back();
  if (cell.RunStyle >= 0) {
    *paragraph_.RunStyles[static_cast<std::size_t>(cell.RunStyle)] = run;
  } else {
    cell.RunStyle = static_cast<std::int32_t>(paragraph_.RunStyles.size());
    paragraph_.RunStyles.push_back(std::make_unique<TZEBFontStyle>(run));
  }
  runFont_ = runFont(paragraph_.Style, &run);
  TMyFont current = runFont_;
  if (link_ != noLink) applyLinkLook(current, paragraph_.Style);
  useFont(current);
}

void ParagraphReader::readReference() {
  // The tag's "<$" lies inside the bytes, so its digits start at most at their end.
  const std::size_t digits = pos_ + 2;
  const std::uint32_t code = parseReference(view(digits, std::min<std::size_t>(8, size_ - digits)));
  skipPastClose();
  const std::uint32_t top = code >> 24;
  if (top == 0xFF)
    addObject(code & 0xFFFFFFu);
  else if (top < 4 || top == 0x6F)
    startLink(static_cast<std::int32_t>(code));
}

void ParagraphReader::startLink(std::int32_t code) {
  // A link to a missing object is skipped.
  if (linkTarget(box_.set(), source_, static_cast<std::uint32_t>(code)) == nullptr) return;
  link_ = code;
  paragraph_.Cells.back().LinkCode = code;
  TMyFont linked = runFont_;
  applyLinkLook(linked, paragraph_.Style);
  useFont(linked);
}

void ParagraphReader::endLink() {
  link_ = noLink;
  paragraph_.Cells.back().LinkCode = noLink;
  useFont(runFont_);
}

void ParagraphReader::addObject(std::uint32_t number) {
  TZEBoggetto* object = source_ != nullptr ? source_->embeddedObject(number) : nullptr;
  if (object == nullptr) return;
  EmbeddedObject& visual = box_.adoptObject(box_.objectFactory().create(*object, box_));
  if (TableCells* table = visual.tableCells()) {
    if (at(pos_) == '<' && at(pos_ + 1) == '@' && at(pos_ + 2) == '>') {
      pos_ += 3;  // no cell texts follow
    } else {
      stream_.position = pos_;
      table->readCells(stream_, source_, budget_);
      pos_ = stream_.position;
      // The cells selected fonts of their own, which may have dropped this one's entry.
      useFont(TMyFont(currentFont_));
    }
  }
  CharCell& cell = paragraph_.Cells.back();
  cell.Advance = cell.DrawWidth = visual.width();
  cell.Height = visual.height();
  cell.Ascent = visual.ascent();
  cell.ObjectIndex = static_cast<std::int32_t>(paragraph_.Objects.size());
  paragraph_.Objects.push_back({object, number, &visual});
  appendCell(' ');
  previous_ = -1;
}

void ParagraphReader::addCharacter(std::uint8_t character) {
  CharCell& cell = paragraph_.Cells.back();
  const int width = box_.measures().width(*measured_, previous_, character);
  previous_ = character;
  cell.Advance = width;
  cell.DrawWidth = width;
  cell.Height = metrics_.height;
  cell.Ascent = metrics_.ascent;
  appendCell(static_cast<char>(character));
}

void ParagraphReader::appendCell(char character) {
  paragraph_.Text += character;
  CharCell next;
  next.LinkCode = link_;
  paragraph_.Cells.push_back(next);
}

}  // namespace

bool readParagraph(TZEBbox& box, TZEBparag& paragraph, MarkupStream& stream, TZEBtesto* source, ReadBudget& budget) {
  return ParagraphReader(box, paragraph, stream, source, budget).read();
}

}  // namespace zeb
