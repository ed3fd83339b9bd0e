// The plain-text converter.
#include "export/plain_text_converter.h"

#include <vector>

#include "document/book_object.h"
#include "export/export_objects.h"
#include "export/markup_scanner.h"
#include "export/messages.h"
#include "text/markup_stream.h"
#include "text/markup_values.h"

namespace zeb {
namespace {

class PlainTextWriter {
 public:
  PlainTextWriter(const TZEBconv& converter, const MarkupText& markup, std::string& out)
      : converter_(converter), markup_(markup), out_(out) {}

  void text(const std::uint8_t* bytes, std::size_t count) { out_.append(reinterpret_cast<const char*>(bytes), count); }
  void character(std::uint8_t code) { out_.push_back(static_cast<char>(code)); }
  std::size_t paragraphTag(std::size_t tag) {
    if (!firstParagraph_ && tables_.empty()) out_ += "\r\n";
    firstParagraph_ = false;
    return markup_.pastClose(tag);
  }
  std::size_t runTag(std::size_t tag) { return markup_.pastClose(tag); }
  void linkEnd() {}
  std::size_t reference(std::uint32_t code, std::size_t after);
  void cellEnd();

 private:
  void writeField(const TZEBoggetto& object);
  void writeStoredText(TZEBoggetto& object);

  const TZEBconv& converter_;
  const MarkupText& markup_;
  std::string& out_;
  bool firstParagraph_ = true;
  std::vector<OpenTable> tables_;
};

std::size_t PlainTextWriter::reference(std::uint32_t code, std::size_t after) {
  TZEBoggetto* object = converter_.findObject(code);
  if (object == nullptr) return after;
  switch (exportKindOf(*object)) {
    case ExportObjectKind::table: {
      if (markup_.noCellTextsAt(after)) return after + 3;
      if (const auto table = openTable(*object, tables_.size())) tables_.push_back(*table);
      break;
    }
    case ExportObjectKind::field: writeField(*object); break;
    case ExportObjectKind::storedTextField: writeStoredText(*object); break;
    case ExportObjectKind::note:
    case ExportObjectKind::nothing: break;
  }
  return after;
}

void PlainTextWriter::writeField(const TZEBoggetto& object) {
  out_ += fieldMarker(object);
  appendHex(out_, fieldValue(object), 8, LetterCase::upper);
}

void PlainTextWriter::writeStoredText(TZEBoggetto& object) {
  out_ += messages::storedTextField;
  out_ += objectText(object);
  out_ += messages::storedTextFieldEnd;
}

void PlainTextWriter::cellEnd() {
  if (tables_.empty()) return;
  OpenTable& table = tables_.back();
  out_ += table.endCell() ? "\r\n" : "\t";
  if (table.finished()) tables_.pop_back();
}

}  // namespace

void TZEBtoTxt::writePayload(std::span<const std::uint8_t> markup, std::string& out) {
  const MarkupText text(markup);
  PlainTextWriter writer(*this, text, out);
  scanMarkup(text, writer);
  out.push_back('\0');
}

}  // namespace zeb
