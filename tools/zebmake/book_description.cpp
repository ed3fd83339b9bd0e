// JSON book descriptions. Texts in a description are UTF-8 and are stored in the code page
// of the book's language (Windows-1252 unless the description names another language), a
// page's texts in that of the page's own language.
#include "tools/zebmake/book_description.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>

#include "document/named_files.h"
#include "platform/code_pages.h"
#include "tools/zebmake/book_model.h"
#include "tools/zebmake/book_writer.h"
#include "tools/zebmake/link_actions.h"
#include "tools/zebmake/picture_maker.h"
#include "tools/zebmake/visual_description.h"
#include "view/frame_record.h"

namespace zeb::zebmake {
namespace {

using Json = nlohmann::json;

// The code page texts are stored in while the book, or one of its pages, is being described.
std::uint16_t textCodePage = codePage::windows1252;

class CodePageScope {
 public:
  explicit CodePageScope(std::uint16_t codePage) : saved_(textCodePage) { textCodePage = codePage; }
  ~CodePageScope() { textCodePage = saved_; }
  CodePageScope(const CodePageScope&) = delete;
  CodePageScope& operator=(const CodePageScope&) = delete;

 private:
  std::uint16_t saved_;
};

std::string bookText(const std::string& value) { return utf8ToBookText(value, textCodePage); }
std::string bookText(const Json& value) { return bookText(value.get<std::string>()); }

std::vector<std::uint8_t> bytesOf(std::string_view text) { return {text.begin(), text.end()}; }

std::vector<std::uint8_t> fromHex(const std::string& hex) {
  std::vector<std::uint8_t> bytes;
  std::string digits;
  for (char c : hex)
    if (!std::isspace(static_cast<unsigned char>(c))) digits.push_back(c);
  if (digits.size() % 2 != 0) throw DescriptionError("hex data needs an even number of digits");
  for (std::size_t i = 0; i < digits.size(); i += 2) {
    try {
      bytes.push_back(static_cast<std::uint8_t>(std::stoul(digits.substr(i, 2), nullptr, 16)));
    } catch (const std::exception&) {
      throw DescriptionError("not a hex digit in: " + digits.substr(i, 2));
    }
  }
  return bytes;
}

std::vector<std::uint8_t> readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw DescriptionError("cannot read " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TOggettiHel kindFrom(const Json& value) {
  if (value.is_number_integer()) {
    const int number = value.get<int>();
    if (!isKindNumber(number)) throw DescriptionError("no such kind: " + std::to_string(number));
    return kindOf(number);
  }
  const std::string name = value.get<std::string>();
  for (int k = 0; k < kindCount; ++k)
    if (kindName(kindOf(k)) == name) return kindOf(k);
  throw DescriptionError("no such kind: " + name);
}

// {"text": ...}, {"hex": ...}, {"file": ...}, {"bmp": {"width": w, "height": h}} or
// {"animation": {...}} (visual_description.h).
std::vector<std::uint8_t> dataFrom(const Json& data, const std::filesystem::path& base) {
  if (data.is_string()) return bytesOf(bookText(data));
  if (data.contains("animation")) return animatedBallGif(data["animation"]);
  if (data.contains("text")) return bytesOf(bookText(data["text"]));
  if (data.contains("hex")) return fromHex(data["hex"].get<std::string>());
  if (data.contains("file")) return readFile(base / data["file"].get<std::string>());
  if (data.contains("bmp"))
    return makeGradientBmp(data["bmp"].value("width", 16), data["bmp"].value("height", 16));
  throw DescriptionError("data needs text, hex, file or bmp");
}

// [{"offset": 13, "i32": 5}, {"offset": 19, "string": "main", "max": 19}, ...]
template <typename Target>
void applyFields(Target& target, const Json& fields) {
  for (const Json& item : fields) {
    const int offset = item.at("offset").get<int>();
    if (item.contains("u8")) target.setU8(offset, static_cast<std::uint8_t>(item["u8"].get<int>()));
    else if (item.contains("i16")) target.setI16(offset, static_cast<std::int16_t>(item["i16"].get<int>()));
    else if (item.contains("i32")) target.setI32(offset, static_cast<std::int32_t>(item["i32"].get<std::int64_t>()));
    else if (item.contains("string"))
      target.setShortString(offset, item.at("max").get<int>(), bookText(item["string"]));
    else if (item.contains("hex")) {
      const auto bytes = fromHex(item["hex"].get<std::string>());
      for (std::size_t i = 0; i < bytes.size(); ++i) target.setU8(offset + static_cast<int>(i), bytes[i]);
    } else
      throw DescriptionError("a field needs u8, i16, i32, string or hex");
  }
}

void applyPageFields(TZEBoggetto& page, const Json& item) {
  ObjectRecord& record = page.record();
  if (item.contains("group")) record.setI16(field::pageSequenceGroup, static_cast<std::int16_t>(item["group"].get<int>()));
  if (item.contains("number")) record.setI16(field::pageSequenceNumber, static_cast<std::int16_t>(item["number"].get<int>()));
  if (item.contains("frame_map")) record.setI32(field::pageFrameMap, item["frame_map"].get<std::int32_t>());
  if (item.contains("background_picture"))
    record.setI32(field::pageBackgroundPicture, item["background_picture"].get<std::int32_t>());
  if (item.contains("background_colour"))
    record.setI32(field::pageBackgroundColour, item["background_colour"].get<std::int32_t>());
  if (item.contains("header_page")) record.setI32(field::pageHeaderPage, item["header_page"].get<std::int32_t>());
  if (item.contains("footer_page")) record.setI32(field::pageFooterPage, item["footer_page"].get<std::int32_t>());
  if (item.contains("text_format")) record.setU8(field::pageTextFormat, static_cast<std::uint8_t>(item["text_format"].get<int>()));
  if (item.contains("timed_link")) {
    record.setI16(field::pageTimedLinkDelay, static_cast<std::int16_t>(item["timed_link"].at("delay").get<int>()));
    record.setI32(field::pageTimedLinkTarget, item["timed_link"].at("target").get<std::int32_t>());
  }
  if (item.contains("keywords")) {
    int slot = 0;
    for (const Json& keyword : item["keywords"]) {
      if (slot == field::pageKeywordSlots) throw DescriptionError("a page has at most 20 keywords");
      record.setI32(field::pageKeywords + 4 * slot++, keyword.get<std::int32_t>());
    }
  }
}

// {"action": 1, "destination": 4, "target": 5, "anchor": 2, "flag": 1, "window": "info",
//  "description": {"left": 10, "width": 300, "height": 200, "sizeable": false, ...}}
LinkActionFields linkActionFrom(const Json& item) {
  LinkActionFields fields;
  fields.action = static_cast<std::uint8_t>(item.value("action", 1));
  fields.destination = static_cast<std::uint8_t>(item.value("destination", 0));
  fields.target = static_cast<std::uint32_t>(item.value("target", std::int64_t{0}));
  fields.anchor = item.value("anchor", -1);
  fields.flag = static_cast<std::uint8_t>(item.value("flag", 0));
  if (item.contains("window")) fields.window = bookText(item["window"]);
  if (item.contains("description")) {
    const Json& d = item["description"];
    WindowDescriptionFields description;
    description.left = static_cast<std::int16_t>(d.value("left", -20000));
    description.top = static_cast<std::int16_t>(d.value("top", 0));
    description.width = static_cast<std::int16_t>(d.value("width", -20000));
    description.height = static_cast<std::int16_t>(d.value("height", 0));
    description.maximised = d.value("maximised", false);
    description.historyToolbar = d.value("history_toolbar", false);
    description.mainMenu = d.value("menu", false);
    description.sizeable = d.value("sizeable", true);
    description.statusBar = d.value("status_bar", false);
    description.mainToolbar = d.value("main_toolbar", false);
    fields.description = description;
  }
  return fields;
}

// {"record_length": 58, "frames": [{"identity": 1, "parent": -1, "name": "Top", ...}, ...]}:
// the records in stored order, each field at the value given or at a new frame's default.
// Records are cut to the record length (or padded with zeros beyond 58 bytes; written
// whole for a length of 0 or less), which also goes into the map's record.
void applyFrameMap(TZEBoggetto& map, const Json& item) {
  const Json& frames = item.at("frames");
  const std::int32_t length = item.value("record_length", frameRecordSize);
  std::vector<FrameRecord> records;
  for (const Json& frame : frames) {
    FrameRecord record = newFrameRecord(frame.value("identity", static_cast<std::int32_t>(records.size())));
    record.parentIdentity = frame.value("parent", -1);
    if (frame.contains("name")) record.name = bookText(frame["name"]);
    record.kind = frame.value("kind", record.kind);
    record.legacyFlagA = frame.value("legacy_a", record.legacyFlagA);
    record.legacyFlagB = frame.value("legacy_b", record.legacyFlagB);
    record.scrollBars = frame.value("scroll_bars", record.scrollBars);
    record.draggableWhenReadOnly = frame.value("draggable", record.draggableWhenReadOnly);
    record.page = frame.value("page", record.page);
    record.percentShare = frame.value("percent", record.percentShare);
    record.reserved42 = frame.value("reserved_42", record.reserved42);
    record.splitterColour = frame.value("splitter_colour", record.splitterColour);
    record.reserved50 = frame.value("reserved_50", record.reserved50);
    record.pageBorder = frame.value("border", record.pageBorder);
    record.fixedSize = frame.value("fixed", record.fixedSize);
    record.splitterThickness = frame.value("thickness", record.splitterThickness);
    record.sizeMode = frame.value("size_mode", record.sizeMode);
    records.push_back(record);
  }
  std::vector<std::uint8_t> bytes;
  for (std::size_t i = 0; i < records.size(); ++i) {
    FrameRecord& record = records[i];
    const bool named = std::any_of(records.begin(), records.end(),
                                   [&](const FrameRecord& other) { return other.parentIdentity == record.identity; });
    record.hasChildren = frames[i].value("has_children", named ? std::uint8_t{1} : std::uint8_t{0});
    const FrameRecordBytes full = frameRecordBytes(record);
    const std::size_t written = length > 0 ? static_cast<std::size_t>(length) : full.size();
    for (std::size_t b = 0; b < written; ++b) bytes.push_back(b < full.size() ? full[b] : 0);
  }
  map.setPrimaryData(bytes);
  map.record().setI32(field::frameMapRecordLength, length);
}

void addDescribedObject(TZEBset& set, const Json& item, const std::filesystem::path& base) {
  const TOggettiHel kind = item.contains("kind") ? kindFrom(item["kind"]) : TOggettiHel::testoHtml;
  const std::int32_t index = item.value("index", -1);
  TZEBoggetto* object = nullptr;
  if (item.value("released", false)) {
    auto released = set.makeObject(kind);
    released->Release();
    object = &set.Register(std::move(released), index);
  } else {
    object = &addObject(set, kind, index);
  }
  ObjectRecord& record = object->record();
  // {"language": 1049} on a page: its language identifier, in whose code page its texts are.
  // A page without one has the book's, as the authoring tool gives new pages.
  if (kind == TOggettiHel::testoHtml)
    record.setI16(field::pageLanguage, static_cast<std::int16_t>(item.value(
                                           "language", static_cast<int>(set.header().i16(header::defaultLanguage)))));
  const CodePageScope pageCodePage(set.codePageOf(*object));

  if (item.contains("state")) record.setU8(field::state, static_cast<std::uint8_t>(item["state"].get<int>()));
  if (item.contains("name")) object->setName(bookText(item["name"]));
  if (item.contains("file_name")) object->setFileName(bookText(item["file_name"]));
  if (kind == TOggettiHel::testoHtml) {
    applyPageFields(*object, item);
    if (item.contains("text")) {
      std::string text = bookText(item["text"]);
      if (item.value("zero_byte", true)) text.push_back('\0');
      object->setPrimaryData(bytesOf(text));
    }
  }
  if (kind == TOggettiHel::mappaFrame && item.contains("frames")) applyFrameMap(*object, item);
  if (item.contains("data")) {
    const auto bytes = dataFrom(item["data"], base);
    object->setPrimaryData(bytes);
    const Json& data = item["data"];
    if (data.is_object() && data.contains("bmp")) {
      record.setI16(field::pictureWidth, static_cast<std::int16_t>(data["bmp"].value("width", 16)));
      record.setI16(field::pictureHeight, static_cast<std::int16_t>(data["bmp"].value("height", 16)));
    }
    if (data.is_object() && data.contains("animation")) {
      record.setI16(field::pictureWidth, static_cast<std::int16_t>(data["animation"].value("width", animationWidth)));
      record.setI16(field::pictureHeight, static_cast<std::int16_t>(data["animation"].value("height", animationHeight)));
    }
  }
  if (item.contains("zones")) applyZones(*object, item["zones"]);
  if (item.contains("table")) applyTable(*object, item["table"]);
  if (item.contains("secondary")) {
    const Json& secondary = item["secondary"];
    std::string text;
    if (secondary.contains("attributes")) {
      for (const auto& [name, value] : secondary["attributes"].items()) {
        if (!text.empty()) text += "\r\n";
        text += bookText(name) + "=\"" + bookText(value) + "\"";
      }
    }
    const std::string block = secondary.contains("block") ? bookText(secondary["block"]) : std::string();
    object->setSecondaryData(attributeBlob(block, text));
  }
  if (item.contains("named_files")) {
    for (const auto& [name, value] : item["named_files"].items())
      setNamedFile(*object, bookText(name), bookText(value));
  }
  if (item.contains("link_action")) setLinkAction(*object, linkActionFrom(item["link_action"]));
  if (item.contains("fields")) applyFields(record, item["fields"]);
}

// A contents stream: an array of lines, each stored with CR LF, or one string stored as it is.
void setContents(TZEBoggetto& holder, const Json& contents) {
  std::string stream;
  if (contents.is_string()) {
    stream = bookText(contents);
  } else {
    for (const Json& line : contents) stream += bookText(line) + "\r\n";
  }
  holder.setPrimaryData(bytesOf(stream));
}

void applyDamage(std::vector<std::uint8_t>& bytes, const Json& broken) {
  if (broken.contains("patches")) {
    for (const Json& patch : broken["patches"]) {
      const auto offset = patch.at("offset").get<std::size_t>();
      std::vector<std::uint8_t> data;
      if (patch.contains("hex")) {
        data = fromHex(patch["hex"].get<std::string>());
      } else if (patch.contains("i32")) {
        const auto value = static_cast<std::uint32_t>(patch["i32"].get<std::int64_t>());
        for (int i = 0; i < 4; ++i) data.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
      } else {
        throw DescriptionError("a patch needs hex or i32");
      }
      if (offset + data.size() > bytes.size()) bytes.resize(offset + data.size(), 0);
      std::copy(data.begin(), data.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
    }
  }
  if (broken.contains("truncate")) bytes.resize(std::min(bytes.size(), broken["truncate"].get<std::size_t>()));
  if (broken.contains("append_hex")) {
    const auto extra = fromHex(broken["append_hex"].get<std::string>());
    bytes.insert(bytes.end(), extra.begin(), extra.end());
  }
}

}  // namespace

std::vector<std::uint8_t> buildBookFromJson(std::string_view json, const std::filesystem::path& baseFolder) {
  Json description;
  try {
    description = Json::parse(json);
  } catch (const Json::exception& error) {
    throw DescriptionError(std::string("not valid JSON: ") + error.what());
  }

  try {
    BookModel model;
    TZEBset& set = model.set();
    BookHeader& header = set.header();
    if (description.contains("language"))
      header.setI16(header::defaultLanguage, static_cast<std::int16_t>(description["language"].get<int>()));
    const CodePageScope bookCodePage(set.codePage());
    if (description.contains("title")) header.setShortString(header::title, header::titleMax, bookText(description["title"]));
    if (description.contains("author")) header.setShortString(header::author, header::textFieldMax, bookText(description["author"]));
    if (description.contains("company")) header.setShortString(header::company, header::textFieldMax, bookText(description["company"]));
    if (description.contains("copyright"))
      header.setShortString(header::copyright, header::textFieldMax, bookText(description["copyright"]));
    if (description.contains("revision")) header.setI32(header::revision, description["revision"].get<std::int32_t>());
    if (description.contains("cover")) header.setI32(header::coverPage, description["cover"].get<std::int32_t>());
    if (description.contains("summary")) header.setI32(header::summaryPage, description["summary"].get<std::int32_t>());

    for (const Json& item : description.value("objects", Json::array())) addDescribedObject(set, item, baseFolder);
    // The holders are made after the described objects, so that those keep their indexes.
    if (description.contains("contents")) setContents(set.contentsHolderForPages(), description["contents"]);
    if (description.contains("prototype_contents"))
      setContents(set.contentsHolderForPrototypes(), description["prototype_contents"]);

    // The version word is set last: objects are made the current way whatever it says.
    if (description.contains("version")) header.setI16(header::version, static_cast<std::int16_t>(description["version"].get<int>()));
    if (description.contains("header_fields")) applyFields(header, description["header_fields"]);

    WriteOptions options;
    if (description.contains("kinds_in_table")) options.kindsInTable = description["kinds_in_table"].get<int>();
    if (description.contains("record_sizes")) {
      for (const auto& [kind, size] : description["record_sizes"].items())
        {
        const bool numeric = !kind.empty() && kind.find_first_not_of("0123456789") == std::string::npos;
        const TOggettiHel which = kindFrom(numeric ? Json(std::stoi(kind)) : Json(kind));
        options.recordSizes[static_cast<std::size_t>(which)] = size.get<std::int32_t>();
      }
    }
    std::vector<std::uint8_t> bytes = writeBook(set, options);
    if (description.contains("broken")) applyDamage(bytes, description["broken"]);
    return bytes;
  } catch (const Json::exception& error) {
    throw DescriptionError(std::string("description: ") + error.what());
  }
}

}  // namespace zeb::zebmake
