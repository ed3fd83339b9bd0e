// TZEBtoTxt: text markup to plain 8-bit text, the copy's plain-text payload.
#pragma once

#include "export/converter.h"

namespace zeb {

// Paragraphs are separated by CR LF (none before the first). Table cells are separated by a
// tab within a row and end their row with CR LF; paragraph starts inside a table write
// nothing. Fields write their markers (export_objects.h). The text stays in Windows-1252.
class TZEBtoTxt final : public TZEBconv {
 protected:
  void writePayload(std::span<const std::uint8_t> markup, std::string& out) override;
};

}  // namespace zeb
