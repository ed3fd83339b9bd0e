// The structural check itself: it must notice the faults it exists for.
#include "tests/export/rtf_check.h"

#include <gtest/gtest.h>

namespace zeb {
namespace {

using testing::rtfFaults;

constexpr std::string_view sound =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman\\fprq2 Times New Roman;}}{\\colortbl;\\red0\\green0\\blue0;}"
    "{\\stylesheet{\\s1 \\widctlpar \\f0\\cf1 Normal;}}\\paperw11905\\paperh16837\\margt1417\\margb1417\\margl1417"
    "\\margr1417 \\pard\\plain \\s1\\f0\\cf1 caf\\'e9 \\{x\\}\\par \r\n}";

std::string replaced(std::string_view text, std::string_view from, std::string_view to) {
  std::string result(text);
  result.replace(result.find(from), from.size(), to);
  return result;
}

TEST(RtfCheck, AcceptsASoundDocumentAndNamesEachKindOfFault) {
  EXPECT_TRUE(rtfFaults(sound).empty());
  const std::pair<std::string, std::string_view> broken[] = {
      {replaced(sound, "\\par", "{\\par"), "group(s) left open"},
      {std::string(sound) + "}", "after the document's closing brace"},
      {replaced(sound, "\\'e9", "\\'E9"), "malformed \\' escape"},
      {replaced(sound, "\\'e9", "\xE9"), "raw byte 233"},
      {replaced(sound, "\\plain", "\\plane"), "unknown control word \\plane"},
      {replaced(sound, "\\cf1 caf", "\\cf2 caf"), "\\cf2 names no colour"},
      {replaced(sound, "\\s1\\f0\\cf1 caf", "\\s1\\f1\\cf1 caf"), "\\f1 names no font"},
      {replaced(sound, "\\pard\\plain \\s1", "\\pard\\plain \\s2"), "\\s2 names no style"},
      {replaced(sound, "\\paperh16837", ""), "\\paperh missing"},
  };
  for (const auto& [document, fault] : broken) {
    const std::vector<std::string> faults = rtfFaults(document);
    ASSERT_FALSE(faults.empty()) << document;
    EXPECT_NE(faults.front().find(fault), std::string::npos) << faults.front() << " for " << document;
  }
  // The tables in another order.
  const std::string swapped = replaced(replaced(sound, "{\\colortbl;\\red0\\green0\\blue0;}", ""), "}}\\paperw",
                                       "}}{\\colortbl;\\red0\\green0\\blue0;}\\paperw");
  EXPECT_FALSE(rtfFaults(swapped).empty());
}

}  // namespace
}  // namespace zeb
