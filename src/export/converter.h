// TZEBconv: what the RTF and plain-text converters share: the container and the text that
// resolve the objects a markup names, and the published properties of file exports.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace zeb {

class MessageBoxes;
class TZEBconv;
class TZEBoggetto;
class TZEBset;
class TZEBtesto;

// Progress of a file export: the sender, the current item, the step and the total.
using TMyExpProgressEvent = std::function<void(TZEBconv& sender, int current, int step, int total)>;

class TZEBconv {
 public:
  TZEBconv();
  virtual ~TZEBconv();
  TZEBconv(const TZEBconv&) = delete;
  TZEBconv& operator=(const TZEBconv&) = delete;

  // --- Published properties.
  // Resolves the object IDs of the markup and gives its paragraph styles; none: every
  // reference names a missing object and paragraphs take the values of a new style.
  TZEBset* LinkedZEBset() const { return linkedSet_; }
  void setLinkedZEBset(TZEBset* set) { linkedSet_ = set; }
  // The target file and folder of file exports; the clipboard conversions never touch files.
  const std::string& ExportFileName() const { return exportFileName_; }
  void setExportFileName(std::string_view name) { exportFileName_ = name; }
  const std::string& ExportPath() const { return exportPath_; }
  void setExportPath(std::string_view path) { exportPath_ = path; }
  // Raised by file exports; the clipboard conversions have a single item and raise none.
  TMyExpProgressEvent OnExpProgress;
  // The language of generated words; the clipboard conversions generate none.
  int Language() const { return language_; }
  void setLanguage(int language) { language_ = language; }

  // The text the markup comes from: its local (0x6F...) and embedded (0xFF...) objects.
  TZEBtesto* textObject() const { return text_; }
  void setTextObject(TZEBtesto* text) { text_ = text; }
  // The code page of the markup's bytes: the text's, else the book's; 1252 without a book.
  std::uint16_t codePage() const;

  // Converts the markup, which ends at its first zero byte or at the end of the bytes, and
  // appends the payload to `out`; the payload ends with one zero byte.
  void convert(std::span<const std::uint8_t> markup, std::string& out);
  std::string convert(std::string_view markup);

  // The object a tag's reference names: 0x6F000000 + n the text's n-th local object,
  // 0xFF000000 + n its n-th embedded object (the working copies a shown page made), anything
  // else an object ID in the container, where a released slot counts as missing.
  TZEBoggetto* findObject(std::uint32_t reference) const;
  // Where "Truncated line!" is shown: the container's message boxes; none without one.
  MessageBoxes* messages() const;

 protected:
  // `markup` ends where the text ends (no zero byte inside it).
  virtual void writePayload(std::span<const std::uint8_t> markup, std::string& out) = 0;

 private:
  TZEBset* linkedSet_ = nullptr;
  TZEBtesto* text_ = nullptr;
  std::string exportFileName_;
  std::string exportPath_;
  int language_ = 0;
};

}  // namespace zeb
