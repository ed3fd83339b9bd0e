// Working texts of pages: opening (copying and rewriting object tags) and storing back.
#include "view/page_text.h"

#include <map>
#include <string>

#include "document/container.h"
#include "document/object_copy.h"
#include "document/page_object.h"
#include "text/format_one.h"
#include "text/markup_values.h"

namespace zeb {
namespace {

constexpr std::size_t tagDigits = 8;

// Kinds whose objects are local to a text, addressed by local number.
bool isLocalKind(TOggettiHel kind) { return kind == TOggettiHel::internetLink || kind == TOggettiHel::speclink; }

// Kinds whose tags in a text are served by working copies.
bool isServedKind(TOggettiHel kind) {
  switch (kind) {
    case TOggettiHel::internetLink:
    case TOggettiHel::tabellaHtml:
    case TOggettiHel::speclink:
    case TOggettiHel::shortObj:
    case TOggettiHel::dbloc:
    case TOggettiHel::immagineNew:
    case TOggettiHel::inputStat:
    case TOggettiHel::inputDin:
    case TOggettiHel::bottoneCGI:
    case TOggettiHel::inizioForm:
    case TOggettiHel::multiMedia: return true;
    default: return false;
  }
}

// The reference of an object tag ("<$" and eight hexadecimal digits) at the position.
std::optional<std::uint32_t> tagAt(const std::string& text, std::size_t at) {
  if (at + 2 + tagDigits > text.size() || text[at] != '<' || text[at + 1] != '$') return std::nullopt;
  std::uint32_t value = 0;
  for (std::size_t k = 0; k < tagDigits; ++k) {
    const int digit = hexDigit(text[at + 2 + k]);
    if (digit < 0) return std::nullopt;
    value = value << 4 | static_cast<std::uint32_t>(digit);
  }
  return value;
}

void writeTag(std::string& text, std::size_t at, std::uint32_t reference) {
  std::string digits;
  appendHex(digits, reference, tagDigits);
  text.replace(at + 2, tagDigits, digits);
}

// The record fields through which objects refer to other objects that a text must hold
// locally: a link action's target, a preview panel's object, a placement's zones, a
// button's action.
std::vector<int> referenceFieldsOf(const TZEBoggetto& object) {
  switch (object.Kind()) {
    case TOggettiHel::speclink: return {field::actionTarget};
    case TOggettiHel::shortObj:
      if (object.state() == 13) return {field::panelReference};
      return {};
    case TOggettiHel::immagineNew: {
      std::vector<int> zones;
      for (int zone = 0; zone < field::zoneCount; ++zone)
        zones.push_back(field::placementZones + field::zoneSize * zone);
      return zones;
    }
    case TOggettiHel::bottoneCGI: return {field::buttonAction};
    default: return {};
  }
}

// Makes the working copies of one text and rewrites the references to them.
class TextLocalizer {
 public:
  TextLocalizer(TZEBset& set, TZEBtesto& working) : set_(set), working_(working) {}

  void rewriteTags(std::string& text) {
    for (std::size_t at = text.find("<$"); at != std::string::npos; at = text.find("<$", at + 2)) {
      const auto reference = tagAt(text, at);
      if (!reference) continue;
      TZEBoggetto* object = set_.objectById(*reference);
      if (object == nullptr || !isServedKind(object->Kind())) continue;
      auto copy = copyOf(*object);
      copy->setOwningText(&working_);
      TZEBoggetto& held = *copy;
      const std::uint32_t number = isLocalKind(object->Kind()) ? working_.registerLocal(std::move(copy))
                                                               : working_.addEmbedded(std::move(copy), at);
      localizeReferences(held);
      writeTag(text, at, number);
    }
  }

 private:
  // References inside a copy to hyperlinks, link actions and panel elements become local
  // numbers, each target copied once for the text (so that targets naming each other end);
  // other references keep their IDs.
  void localizeReferences(TZEBoggetto& copy) {
    for (const int offset : referenceFieldsOf(copy)) {
      const std::uint32_t reference = copy.record().u32(offset);
      if (isLocalReference(reference)) continue;
      TZEBoggetto* target = set_.objectById(reference);
      if (target == nullptr) continue;
      const auto kind = target->Kind();
      if (kind != TOggettiHel::internetLink && kind != TOggettiHel::speclink && kind != TOggettiHel::shortObj) continue;
      copy.record().setU32(offset, localNumberOf(*target));
    }
  }

  std::uint32_t localNumberOf(TZEBoggetto& target) {
    if (const auto known = copied_.find(&target); known != copied_.end()) return known->second;
    auto copy = copyOf(target);
    TZEBoggetto& held = *copy;
    const std::uint32_t number = working_.registerLocal(std::move(copy));
    copied_[&target] = number;
    localizeReferences(held);
    return number;
  }

  TZEBset& set_;
  TZEBtesto& working_;
  std::map<const TZEBoggetto*, std::uint32_t> copied_;
};

// The ID of the object a working copy of the text was made from, for a local or embedded
// reference.
std::optional<std::uint32_t> storedIdOf(const TZEBtesto& working, std::uint32_t reference) {
  const TZEBoggetto* object = isLocalReference(reference)      ? working.localObject(reference)
                              : isEmbeddedReference(reference) ? working.embeddedObject(reference)
                                                               : nullptr;
  if (object == nullptr) return std::nullopt;
  return objectId(object->Kind(), object->Index());
}

std::unique_ptr<TZEBtesto> openHeaderOrFooter(TZEBset& set, std::int32_t ownIndex, int bookDefaultField) {
  const std::int32_t index = ownIndex == -1 ? set.header().i32(bookDefaultField) : ownIndex;
  if (index < 0) return nullptr;
  auto* page = dynamic_cast<TZEBtesto*>(set.objectByKindAndIndex(kindNumber(TOggettiHel::testoHtml), index));
  return page != nullptr ? openPageText(set, *page) : nullptr;
}

}  // namespace

std::unique_ptr<TZEBtesto> openPageText(TZEBset& set, TZEBtesto& page) {
  if (page.isRegistered() && page.textFormat() == markupFormat::older && !page.primaryBlob().empty())
    upgradeTextFormat(page);
  auto copy = copyOf(page);
  auto working = std::unique_ptr<TZEBtesto>(static_cast<TZEBtesto*>(copy.release()));

  std::string text(working->textView());
  if (working->primaryBlob().empty()) {
    working->Activate();
    text = std::string(working->textView());
  } else if (text.empty()) {
    text = std::string("<Z S0 >") + '\0';
  } else if (text.back() != '\0') {
    text.push_back('\0');
  }
  TextLocalizer(set, *working).rewriteTags(text);
  working->setText(text);
  return working;
}

std::unique_ptr<TZEBtesto> openPageWithHeaderAndFooter(TZEBset& set, TZEBtesto& page) {
  auto working = openPageText(set, page);
  working->setHeaderText(openHeaderOrFooter(set, page.record().i32(field::pageHeaderPage), header::defaultHeaderPage));
  working->setFooterText(openHeaderOrFooter(set, page.record().i32(field::pageFooterPage), header::defaultFooterPage));
  return working;
}

std::string withStoredTags(const TZEBtesto& working, std::string text) {
  for (std::size_t at = text.find("<$"); at != std::string::npos; at = text.find("<$", at + 2)) {
    const auto reference = tagAt(text, at);
    if (!reference) continue;
    if (const auto id = storedIdOf(working, *reference)) writeTag(text, at, *id);
  }
  return text;
}

void storeWorkingText(TZEBset& set, TZEBtesto& working) {
  // Every working copy goes back to the place of the object it was made from.
  auto idOf = [&](std::uint32_t reference) { return storedIdOf(working, reference); };
  working.setText(withStoredTags(working, std::string(working.textView())));

  std::vector<TZEBoggetto*> copies;
  for (std::size_t i = 0; i < working.localObjectCount(); ++i)
    copies.push_back(working.localObject(localReferenceBase + static_cast<std::uint32_t>(i)));
  for (std::size_t i = 0; i < working.embeddedCount(); ++i)
    copies.push_back(working.embeddedObject(static_cast<std::uint32_t>(i)));
  for (TZEBoggetto* copy : copies) {
    for (const int offset : referenceFieldsOf(*copy))
      if (const auto id = idOf(copy->record().u32(offset))) copy->record().setU32(offset, *id);
  }
  for (TZEBoggetto* copy : copies) {
    auto stored = copyOf(*copy);
    set.Register(std::move(stored), copy->Index());
  }
}

}  // namespace zeb
