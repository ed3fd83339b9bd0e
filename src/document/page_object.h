// TZEBtesto: a page object with its text, and the objects its text refers to locally.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "document/book_object.h"

namespace zeb {

class TZEBset;

// The markup of a page's text, as its text-format byte names it.
namespace markupFormat {
inline constexpr std::uint8_t older = 1;  // converted into the current markup on first use
inline constexpr std::uint8_t current = 2;
}  // namespace markupFormat

class TZEBtesto : public TZEBoggetto {
 public:
  TZEBtesto();
  ~TZEBtesto() override;

  // The stored text (the primary blob), read from the book when first asked for.
  std::span<const std::uint8_t> text() { return primaryData(); }
  std::string_view textView() {
    const auto bytes = text();
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
  }
  void setText(std::string_view text);
  // A markupFormat value.
  int textFormat() const { return record().u8(field::pageTextFormat); }
  void setTextFormat(std::uint8_t format) { record().setU8(field::pageTextFormat, format); }

  // Objects local to this text (hyperlinks and link actions), addressed as 0x6F000000 + n.
  // Registering one appends it, sets its local number and makes this text its owner.
  std::uint32_t registerLocal(std::unique_ptr<TZEBoggetto> object);
  TZEBoggetto* localObject(std::uint32_t reference) const;
  std::size_t localObjectCount() const;

  // Objects embedded in this text (pictures, tables, controls), addressed as 0xFF000000 + n,
  // each with the position in the text of the tag that names it. Adding one appends it and
  // returns its reference.
  std::uint32_t addEmbedded(std::unique_ptr<TZEBoggetto> object, std::size_t tagPosition);
  // The entry n (the low 24 bits of a reference); none when there is no such entry.
  TZEBoggetto* embeddedObject(std::uint32_t number) const;
  std::size_t embeddedCount() const;
  std::size_t embeddedTagPosition(std::size_t n) const;

  // The header and footer texts shown with this page, when a page view opened them.
  TZEBtesto* headerText() const;
  TZEBtesto* footerText() const;
  void setHeaderText(std::unique_ptr<TZEBtesto> text);
  void setFooterText(std::unique_ptr<TZEBtesto> text);

  // Drops the local and embedded objects and the header and footer texts that a page view
  // made for this text.
  void clearWorkingObjects();

  void Release() override;

 private:
  // What only the working copy of a shown page has; pages in a book have none.
  struct Parts;
  Parts& parts();
  std::unique_ptr<Parts> parts_;
};

// The object a link code in the text names: one of the text's local objects for 0x6Fnnnnnn
// (none without a text), otherwise the container's object with that ID.
TZEBoggetto* linkTarget(const TZEBset& set, const TZEBtesto* text, std::uint32_t code);

}  // namespace zeb
