// Describing objects in words.
#include "document/describe_object.h"

#include "document/book_paths.h"
#include "document/container.h"
#include "document/link_target.h"
#include "document/messages.h"
#include "platform/windows1252.h"

namespace zeb {
namespace {

constexpr int maxDescriptionDepth = 8;

std::string labelled(const std::string& label, std::string_view kind, const std::string& text) {
  return label + "|" + std::string(kind) + text;
}

// The page a book link leads to, named from the book it lies in.
std::string bookLinkLabel(TZEBset& set, std::string_view target) {
  const LinkTarget link = parseLinkTarget(set, target);
  std::string name;
  if (link.path.empty() || link.sameBook) {
    // A link into this book is named from the open book itself.
    if (const TZEBoggetto* page = set.objectById(static_cast<std::uint32_t>(link.id));
        page != nullptr && page->Kind() == TOggettiHel::testoHtml)
      name = page->Name();
  } else {
    name = TZEBset::PageNameFromFile(link.path, link.id);
  }
  if (!name.empty()) return name;
  return utf8ToWindows1252(link.path.filename().string()) + " (" + std::to_string(link.id) + ")";
}

std::string describeAtDepth(TZEBset& set, const TZEBoggetto& object, int depth) {
  if (object.isReleased()) return std::string(messages::undefinedObject);
  const std::string name = object.Name();
  switch (object.Kind()) {
    case TOggettiHel::testoHtml:
      return labelled(name, messages::linkTo, name);
    case TOggettiHel::internetLink: {
      if (name.starts_with("nexo:")) {
        const std::string label = bookLinkLabel(set, name);
        return labelled(label, messages::linkTo, label);
      }
      if (name.starts_with("mailto:")) {
        const std::string address = name.substr(7);
        return labelled(address, messages::linkToEmail, address);
      }
      if (followedByProgram(name)) return {};  // a program to start
      return labelled(name, messages::linkTo, name);
    }
    case TOggettiHel::genLink: {
      const std::string file(storedFileName(object.FileName()));
      return labelled(file, messages::linkToFile, file);
    }
    case TOggettiHel::immagine:
      return name;
    case TOggettiHel::speclink: {
      // Only the import and shopping-cart actions name something in their data, which may
      // have to be read from the book file.
      auto primaryText = [&] {
        std::vector<std::uint8_t> data;
        return object.readPrimary(data) ? std::string(data.begin(), data.end()) : std::string();
      };
      switch (object.state()) {
        case 1: {
          if (object.record().u8(field::actionByte18) == 6 || depth >= maxDescriptionDepth) return {};
          const TZEBoggetto* target = object.resolveReference(object.record().u32(field::actionTarget));
          return target != nullptr && target != &object ? describeAtDepth(set, *target, depth + 1) : std::string();
        }
        case 3: return std::string(messages::keywordsDescription);
        case 4: return std::string(messages::previousPageDescription);
        case 5: return std::string(messages::nextPageDescription);
        case 6: {
          const std::string text = primaryText();
          if (text.empty()) return std::string(messages::autoImportAction);
          return text + "|" + std::string(messages::autoImportAction) + ":" + text;
        }
        case 7: {
          const std::string text = primaryText();
          if (text.empty()) return {};
          const std::string label = std::string(messages::shoppingCartAction) + text;
          return label + "|" + label;
        }
        default: return {};
      }
    }
    case TOggettiHel::custom:
      return name + "|" + std::string(messages::customPrefix) + " " + name;
    default:
      return {};
  }
}

}  // namespace

std::string describeObject(TZEBset& set, const TZEBoggetto& object) { return describeAtDepth(set, object, 0); }

}  // namespace zeb
