// The 1978-byte header at the start of every book file.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zeb {

inline constexpr int headerSize = 1978;
// Each kind-table entry: offset of the kind's first record, record size, record count.
inline constexpr int kindTableEntrySize = 12;

namespace header {
inline constexpr int magic = 0;
inline constexpr int title = 4;
inline constexpr int titleMax = 161;
inline constexpr int pagesTreeHolder = 1342;
inline constexpr int expPrefix = 1346;
inline constexpr int expPrefixMax = 16;
inline constexpr int field1363 = 1363;
inline constexpr int field1363Max = 16;
inline constexpr int company = 1380;
inline constexpr int copyright = 1460;
inline constexpr int author = 1540;
inline constexpr int textFieldMax = 79;
inline constexpr int highestKind = 1620;
inline constexpr int version = 1621;
inline constexpr int byte1623 = 1623;
inline constexpr int summaryPage = 1624;
inline constexpr int coverPage = 1628;
inline constexpr int revision = 1632;
inline constexpr int options = 1636;
inline constexpr int monospacedFont = 1642;
inline constexpr int proportionalFont = 1682;
inline constexpr int fontNameMax = 39;
inline constexpr int screenResolution = 1722;
inline constexpr int defaultHeaderPage = 1724;
inline constexpr int defaultFooterPage = 1728;
inline constexpr int prototypesTreeHolder = 1732;
inline constexpr int defaultBackgroundColour = 1736;
inline constexpr int defaultBackgroundPicture = 1740;
inline constexpr int defaultLanguage = 1744;
inline constexpr int pageDefaultColour1 = 1746;
inline constexpr int pageDefaultColour2 = 1750;
inline constexpr int pageDefaultColour3 = 1754;
inline constexpr int namedFileList = 1758;
inline constexpr int byte1762 = 1762;
inline constexpr int boxBackgroundTiling = 1784;
inline constexpr int startupFlags = 1785;
}  // namespace header

class BookHeader {
 public:
  BookHeader() { bytes_.fill(0); }

  std::uint8_t u8(int offset) const { return bytes_[at(offset, 1)]; }
  std::int16_t i16(int offset) const;
  std::int32_t i32(int offset) const;
  void setU8(int offset, std::uint8_t value) { bytes_[at(offset, 1)] = value; }
  void setI16(int offset, std::int16_t value);
  void setI32(int offset, std::int32_t value);
  std::string shortString(int offset, int maxLength) const;
  void setShortString(int offset, int maxLength, std::string_view text);

  // Zero bytes, then every value a new, empty book carries.
  void setNewBookDefaults(std::string_view authorName);
  // The page-related fields from 1724 to 1754 as in a new book.
  void setNewPageDefaults();

  std::string title() const { return shortString(header::title, header::titleMax); }
  std::int16_t version() const { return i16(header::version); }
  std::int32_t revision() const { return i32(header::revision); }

  std::span<std::uint8_t, headerSize> bytes() { return bytes_; }
  std::span<const std::uint8_t, headerSize> bytes() const { return bytes_; }

 private:
  static std::size_t at(int offset, int width);

  std::array<std::uint8_t, headerSize> bytes_;
};

}  // namespace zeb
