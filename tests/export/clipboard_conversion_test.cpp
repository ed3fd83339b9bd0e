// The copy's conversions: both payloads, with the working text's own objects.
#include "export/clipboard_conversion.h"

#include "platform/clipboard.h"
#include "tests/export/export_test_support.h"
#include "text/clipboard_converters.h"
#include "text/measurement_cache.h"
#include "text/text_box.h"

namespace zeb {
namespace {

using testing::ExportTest;
using ClipboardConversion = ExportTest;

TEST_F(ClipboardConversion, GivesBothPayloadsEachEndingWithOneZeroByte) {
  const auto table = embedTable(1, 2);
  const auto field = embed(TOggettiHel::shortObj, 23);
  field.object.record().setI32(field::panelReference, 7);
  // A local link of the working text, as the page view registers it.
  text.registerLocal(set.makeObject(TOggettiHel::internetLink));
  const std::string markup = "<Z S0 >see <$6f000000>here<%>" + field.tag + table.tag + "<Z S1 >a<T><Z S1 >b<T>";

  const ClipboardPayloads payloads = convertForClipboard(set, &text, markup);
  EXPECT_EQ(payloads.plainText, std::string("see here!RefP:00000007a\tb\r\n") + '\0');
  ASSERT_FALSE(payloads.rtf.empty());
  EXPECT_EQ(payloads.rtf.back(), '\0');
  const std::string rtf = payloads.rtf.substr(0, payloads.rtf.size() - 1);
  testing::expectSoundRtf(rtf);
  EXPECT_NE(rtf.find("see here\\par \r\n\\trowd"), std::string::npos) << rtf;
  EXPECT_NE(rtf.find("b\\cell \\row "), std::string::npos) << rtf;

  // An empty selection.
  const ClipboardPayloads none = convertForClipboard(set, nullptr, "");
  EXPECT_EQ(none.plainText, std::string(1, '\0'));
  EXPECT_EQ(none.rtf.back(), '\0');
}

TEST_F(ClipboardConversion, ACopyFromATextBoxOffersBothConversions) {
  const ClipboardConverters standIn = clipboardConverters();
  installClipboardConverters();
  MeasurementCache measures(platform.measurer);
  TZEBbox box(set, measures);
  text.setContainer(&set);
  text.setText(std::string("<Z S0 >{curly} caf\xE9<Z S0 >second") + '\0');
  box.setBounds(0, 0, 400, 300);
  box.LoadFrom(text);
  box.SelectAll();
  box.CopySelection();

  ASSERT_TRUE(platform.clipboard.plainText().has_value());
  EXPECT_EQ(*platform.clipboard.plainText(), "{curly} caf\xE9\r\nsecond");
  ASSERT_TRUE(platform.clipboard.rtf().has_value());
  const std::string rtf(platform.clipboard.rtf()->begin(), platform.clipboard.rtf()->end());
  testing::expectSoundRtf(rtf);
  EXPECT_NE(rtf.find("\\{curly\\} caf\\'e9"), std::string::npos) << rtf;
  EXPECT_TRUE(platform.clipboard.format(objectsFormat).has_value());
  clipboardConverters() = standIn;
}

}  // namespace
}  // namespace zeb
