// Object list items, their icons and their order.
#include "shell/object_list.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>

#include "document/book_object.h"
#include "document/container.h"
#include "platform/code_pages.h"
#include "platform/windows1252.h"

namespace zeb {
namespace {

// The state byte of a hyperlink whose target begins "nexo:": a link inside the books.
constexpr std::uint8_t bookLinkState = 6;
// The data-set variant that object lists show.
constexpr std::uint8_t listedDataSetVariant = 11;

// The extension of a stored name: from its last "." on, unless a folder or drive separator
// follows it.
std::string_view extensionOf(std::string_view name) {
  const std::size_t dot = name.find_last_of(".\\:");
  return dot == std::string_view::npos || name[dot] != '.' ? std::string_view() : name.substr(dot);
}

// The decimal number a column holds, read after a "0" is put in front, so that an empty text
// is 0; anything that is not a number also counts as 0.
std::int64_t numberOf(std::string_view text) {
  const std::string padded = "0" + std::string(text);
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(padded.data(), padded.data() + padded.size(), value);
  return error == std::errc() && end == padded.data() + padded.size() ? value : 0;
}

int compareLowerCase(std::string_view left, std::string_view right, const CodePage& codePage) {
  const int order = codePage.lower(left).compare(codePage.lower(right));
  return (order > 0) - (order < 0);
}

}  // namespace

ItemIcon objectIcon(const TZEBoggetto& object) {
  switch (object.Kind()) {
    case TOggettiHel::testoHtml: return ItemIcon::ofFileType(".txt");
    case TOggettiHel::internetLink: {
      const std::string target = object.Name();
      ItemIcon icon;
      switch (target.empty() ? '\0' : static_cast<char>(upperWindows1252(static_cast<std::uint8_t>(target[0])))) {
        case 'H': icon = ItemIcon::ofFileType(".htm"); break;
        case 'M': icon = ItemIcon::ofFileType(".msg"); break;
        case 'F': icon = ItemIcon::folder(); break;
        default: break;
      }
      if (lowerWindows1252(extensionOf(target)).starts_with(".htm")) icon = ItemIcon::ofFileType(".htm");
      return icon;
    }
    case TOggettiHel::genLink:
    case TOggettiHel::immagine: return ItemIcon::ofFileType(object.FileName());
    case TOggettiHel::keyword: return {};
    case TOggettiHel::custom: return ItemIcon::ofFileType(".ini");
    case TOggettiHel::dbloc: return ItemIcon::ofFileType(".dsn");
    default: return ItemIcon::folder();
  }
}

ObjectListItem objectListItem(TZEBoggetto& object) {
  ObjectListItem item;
  item.caption = object.Name();
  item.identifier = object.ID();
  if (const TZEBset* set = object.Container()) item.codePage = set->codePageOf(object);
  item.icon = objectIcon(object);
  item.subItems.push_back(std::to_string(object.Size()));
  item.subItems.push_back(object.FileName());
  if (object.Kind() == TOggettiHel::testoHtml) {
    item.subItems.push_back(std::to_string(object.Index()));
    char hex[16];
    std::snprintf(hex, sizeof hex, "%06X", static_cast<unsigned>(object.Index()));
    item.subItems.emplace_back(hex);
  }
  return item;
}

std::vector<ObjectListItem> listObjectItems(TZEBset& set, TOggettiHel kind, const ObjectFilter& filter) {
  std::vector<ObjectListItem> items;
  const int count = set.count(kindNumber(kind));
  for (std::int32_t i = 0; i < count; ++i) {
    TZEBoggetto* object = set.slot(kind, i);
    // Deleted slots are never listed, whatever the filter says.
    if (object == nullptr || object->isReleased()) continue;
    bool accept = true;
    if (kind == TOggettiHel::internetLink && object->state() == bookLinkState) accept = false;
    if (kind == TOggettiHel::dbloc && object->record().u8(field::dataSetVariant) != listedDataSetVariant)
      accept = false;
    if (filter) filter(*object, accept);
    if (accept) items.push_back(objectListItem(*object));
  }
  sortObjectListItems(items, 1, set.codePage());
  return items;
}

int compareObjectListItems(const ObjectListItem& left, const ObjectListItem& right, int column,
                           std::uint16_t codePage) {
  const CodePage& page = CodePage::of(codePage);
  const int which = std::abs(column);
  int order = 0;
  if (which == 0) {
    order = compareLowerCase(left.caption, right.caption, page);
  } else {
    const auto sub = static_cast<std::size_t>(which - 1);
    if (sub < left.subItems.size() && sub < right.subItems.size()) {
      if (which == 1 || which == 3) {
        const std::int64_t a = numberOf(left.subItems[sub]);
        const std::int64_t b = numberOf(right.subItems[sub]);
        order = (a > b) - (a < b);
      } else {
        order = compareLowerCase(left.subItems[sub], right.subItems[sub], page);
      }
    }
  }
  return column < 0 ? -order : order;
}

void sortObjectListItems(std::vector<ObjectListItem>& items, int column, std::uint16_t codePage) {
  std::stable_sort(items.begin(), items.end(), [column, codePage](const ObjectListItem& left, const ObjectListItem& right) {
    return compareObjectListItems(left, right, column, codePage) < 0;
  });
}

}  // namespace zeb
