// Links of an exported book, decided by the reader's own link plan.
#include "export/book/book_links.h"

#include <fstream>

#include "document/book_header.h"
#include "document/book_object.h"
#include "document/container.h"
#include "document/link_target.h"
#include "document/page_object.h"
#include "export/book/export_messages.h"
#include "export/book/export_resources.h"
#include "export/book/safe_names.h"
#include "export/book/xhtml_page.h"
#include "platform/code_pages.h"
#include "platform/windows1252.h"
#include "shell/link_plan.h"

namespace zeb {
namespace {

ExportLink inactive(std::string_view note, std::string_view what) {
  return {false, {}, std::string(note) + std::string(what)};
}

// The title of a book file from its header, without loading it; empty when it cannot be read.
std::string bookTitleOf(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::array<char, header::title + header::titleMax + 1> bytes{};
  if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) return {};
  const auto length = std::min<std::size_t>(static_cast<unsigned char>(bytes[header::title]), header::titleMax);
  return windows1252ToUtf8(std::string_view(bytes.data() + header::title + 1, length));
}

}  // namespace

BookLinks::BookLinks(TZEBset& set, BookExportFormat format, std::map<std::int32_t, std::string> documents,
                     ExportResources& resources)
    : set_(set), format_(format), documents_(std::move(documents)), resources_(resources) {}

std::string BookLinks::documentOf(std::int32_t page) const {
  const auto found = documents_.find(page);
  return found != documents_.end() ? found->second : std::string();
}

const std::set<std::int32_t>& BookLinks::anchorsOf(std::int32_t page) const {
  auto found = anchors_.find(page);
  if (found != anchors_.end()) return found->second;
  auto* text = dynamic_cast<TZEBtesto*>(set_.objectByKindAndIndex(kindNumber(TOggettiHel::testoHtml), page));
  return anchors_.emplace(page, text != nullptr ? pageAnchors(set_, *text) : std::set<std::int32_t>()).first->second;
}

ExportPicture BookLinks::pictureFor(TZEBoggetto& picture) { return resources_.picture(picture); }

ExportLink BookLinks::pageLink(std::int32_t page, std::int32_t anchor) const {
  std::string document = documentOf(page);
  if (document.empty())
    return inactive(messages::missingTargetNote, std::string(messages::pageTitlePrefix) + std::to_string(page));
  // A page without that anchor is shown from its top, as the reader does.
  if (anchor >= 0 && anchorsOf(page).contains(anchor)) document += "#anchor-" + std::to_string(anchor);
  return {true, document, {}};
}

// Another book's export lies beside this one, named after the book's file. An EPUB's links
// stay inside its archive (a reading system refuses a relative one that leaves it), so there
// the link is text naming the other book's EPUB and title.
ExportLink BookLinks::bookLink(const std::string& path) const {
  const std::filesystem::path book(path);
  const std::string stem = safeFileName(book.stem().string());
  std::string title = bookTitleOf(book);
  if (title.empty()) title = book.filename().string();
  if (format_ == BookExportFormat::epub) return inactive(messages::otherBookNote, stem + ".epub, " + title);
  return {true, "../" + stem + "/index.html", title};
}

ExportLink BookLinks::addressLink(const std::string& address, std::int32_t fromPage) const {
  LinkTarget target = parseLinkTarget(set_, address);
  if (!target.bookLink) return inactive(messages::outsideAddressNote, windows1252ToUtf8(address));
  // No path names the book the link is in.
  if (!target.sameBook && !target.path.empty()) return bookLink(target.path.string());
  const std::int64_t id = target.id;
  if (id < 0) return pageLink(fromPage, -1);
  if (kindOfId(static_cast<std::uint32_t>(id)) == kindNumber(TOggettiHel::testoHtml))
    return pageLink(indexOfId(static_cast<std::uint32_t>(id)), -1);
  return inactive(messages::missingTargetNote, windows1252ToUtf8(address));
}

ExportLink BookLinks::linkFor(TZEBoggetto& link, std::int32_t fromPage) {
  shell::LinkRequest request;
  request.link = &link;
  request.clicked = shell::ClickedKind::textBox;
  request.clickedText =
      dynamic_cast<TZEBtesto*>(set_.objectByKindAndIndex(kindNumber(TOggettiHel::testoHtml), fromPage));
  request.clickedPage = fromPage;
  request.clickedBook = &set_;
  const shell::LinkContext context{shell::LinkHandler::mainWindow, &set_, true};
  const shell::LinkPlan plan = shell::planLink(request, context, AskForCdFolder::no);
  const std::string stepName(shell::nameOf(plan.step));
  switch (plan.step) {
    case shell::LinkStep::showPage: return pageLink(plan.page, plan.anchor);
    case shell::LinkStep::openBook: return bookLink(plan.bookPath);
    case shell::LinkStep::goToTarget: return addressLink(plan.address, fromPage);
    case shell::LinkStep::runTarget: return inactive(messages::programLinkNote, windows1252ToUtf8(plan.address));
    case shell::LinkStep::openOutside:
      if (isWebOrMailAddress(plan.address)) return {true, windows1252ToUtf8(plan.address), {}};
      return inactive(messages::outsideAddressNote, windows1252ToUtf8(plan.address));
    case shell::LinkStep::fileLink: {
      const std::string name =
          windows1252ToUtf8(plan.file->FileName().empty() ? plan.file->Name() : plan.file->FileName());
      if (format_ == BookExportFormat::epub && !isCoreMediaType(mediaTypeOf(name)))
        return inactive(messages::fileLeftOutNote, name);
      const std::string href = resources_.file(*plan.file);
      if (href.empty()) return inactive(messages::missingTargetNote, name);
      return {true, href, name};
    }
    case shell::LinkStep::showInFrameOfLink:
    case shell::LinkStep::showInWindow:
    case shell::LinkStep::showInNamedWindow:
    case shell::LinkStep::showInNewWindow:
    case shell::LinkStep::showInPopupWindow:
      if (plan.target != nullptr && plan.target->Kind() == TOggettiHel::testoHtml)
        return pageLink(plan.target->Index(), plan.anchor);
      return inactive(messages::noWebEquivalentNote, stepName);
    case shell::LinkStep::goToAnchor: return pageLink(fromPage, plan.anchor);
    default: break;
  }
  return inactive(messages::noWebEquivalentNote, plan.reason.empty() ? stepName : stepName + " (" + plan.reason + ")");
}

}  // namespace zeb
