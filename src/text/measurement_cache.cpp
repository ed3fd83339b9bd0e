// The pair-width cache.
#include "text/measurement_cache.h"

#include <algorithm>

namespace zeb {
namespace {

bool sameMeasure(const TMyFont& left, const TMyFont& right) {
  return left.Size == right.Size && left.Style == right.Style && left.CodePage == right.CodePage &&
         left.Name == right.Name;
}

}  // namespace

MeasuredFont& MeasurementCache::select(const TMyFont& font) {
  TMyFont measured;
  measured.Name = font.Name;
  measured.Size = std::clamp(font.Size, 1, limits::maxFontSize);
  measured.Style = font.Style & fontStyle::storedBits;
  measured.CodePage = font.CodePage;
  if (last_ != nullptr && sameMeasure(last_->font_, measured)) return *last_;

  std::string key = measured.Name;
  key += '\x01';
  key += std::to_string(measured.Size);
  key += '\x01';
  key += static_cast<char>(measured.Style);
  if (measured.CodePage != 1252) key += std::to_string(measured.CodePage);
  auto found = fonts_.find(key);
  if (found == fonts_.end()) {
    if (fonts_.size() >= limits::maxMeasuredFonts) fonts_.clear();
    auto entry = std::make_unique<MeasuredFont>();
    entry->metrics_ = measurer_->metrics(measured);
    entry->font_ = std::move(measured);
    found = fonts_.emplace(std::move(key), std::move(entry)).first;
  }
  last_ = found->second.get();
  return *last_;
}

int MeasurementCache::width(MeasuredFont& font, int previous, std::uint8_t character) {
  if (previous < -1 || previous > 255) previous = -1;
  auto& row = font.rows_[static_cast<std::size_t>(previous + 1)];
  if (!row) {
    row = std::make_unique<MeasuredFont::Row>();
    row->fill(MeasuredFont::unmeasured);
  }
  std::int16_t& slot = (*row)[character];
  if (slot != MeasuredFont::unmeasured) return slot;

  int measured = 0;
  if (previous < 0) {
    const char alone[1] = {static_cast<char>(character)};
    measured = measurer_->extent(font.font_, {alone, 1});
  } else {
    const int previousAlone = width(font, -1, static_cast<std::uint8_t>(previous));
    const char pair[2] = {static_cast<char>(previous), static_cast<char>(character)};
    measured = measurer_->extent(font.font_, {pair, 2}) - previousAlone;
  }
  measured = std::clamp(measured, INT16_MIN + 1, int{INT16_MAX});
  slot = static_cast<std::int16_t>(measured);
  return measured;
}

}  // namespace zeb
