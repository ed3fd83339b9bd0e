// One-line messages for the command line.
#include "platform/message_boxes.h"

#include <gtest/gtest.h>

namespace zeb {
namespace {

TEST(OneLineMessage, JoinsCaptionAndTextAndEscapesLineBreaks) {
  EXPECT_EQ(oneLineMessage(MessageKind::information, "Unrecognized format."), "Information: Unrecognized format.");
  EXPECT_EQ(oneLineMessage(MessageKind::warning, "a\rb\nc\r\nd"), "Warning!: a\\nb\\nc\\nd");
  EXPECT_EQ(oneLineMessage(MessageKind::error, "pi\xF9\r"), "Error!: pi\xC3\xB9\\n");
}

}  // namespace
}  // namespace zeb
