// TZEBtortf: text markup to Rich Text Format, the copy's RTF payload.
#pragma once

#include "export/converter.h"

namespace zeb {

// The document is the header (font table, colour table, stylesheet, A4 page with margins of
// 2.5 cm), the body and "}". The body is written first, since writing it fills the tables
// the header lists. Lengths become twips through the measurer's pixels per inch; faces get
// their family and pitch from the measurer.
class TZEBtortf final : public TZEBconv {
 public:
  // Help-source mode never writes underline; the copy has it off.
  bool helpSourceMode() const { return helpSource_; }
  void setHelpSourceMode(bool on) { helpSource_ = on; }

 protected:
  void writePayload(std::span<const std::uint8_t> markup, std::string& out) override;

 private:
  bool helpSource_ = false;
};

}  // namespace zeb
