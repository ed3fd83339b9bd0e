// What a mail message and a mail server address are made of, and the texts forms send.
#include "transfer/mail_message.h"

#include <gtest/gtest.h>

#include "transfer/form_transfer.h"
#include "transfer/mail_server.h"
#include "transfer/web_request.h"

namespace zeb {
namespace {

const MailStamp fixedStamp{"Tue, 04 Mar 2025 10:15:00 +0100", "00000000000000ff.67c6c514@host"};

TEST(MailMessage, HeaderLinesThenABlankLineThenTheBodyWithCrLfLineEnds) {
  MailRequest request{"anna@example.com", "orders@example.com", "smtp.example.com", "Email from: (guide.zeb)",
                      "first\nsecond\r\nthird\rfourth"};
  EXPECT_EQ(composeMailData(request, fixedStamp),
            "To: orders@example.com\r\n"
            "From: anna@example.com\r\n"
            "Message-ID: <00000000000000ff.67c6c514@host>\r\n"
            "Date: Tue, 04 Mar 2025 10:15:00 +0100\r\n"
            "Subject: Email from: (guide.zeb)\r\n"
            "\r\n"
            "first\r\nsecond\r\nthird\r\nfourth\r\n");
}

TEST(MailMessage, ALoneDotLineIsSentAsACommaAndOtherDotsStay) {
  MailRequest request;
  request.body = ".\r\n.x\r\n. \r\n..\r\nend.\r\n.";
  const std::string data = composeMailData(request, fixedStamp);
  EXPECT_EQ(data.substr(data.find("\r\n\r\n") + 4), ",\r\n.x\r\n. \r\n..\r\nend.\r\n,\r\n");
  // An empty body adds nothing after the blank line; a body ending with a break gains no empty line.
  request.body = "";
  EXPECT_TRUE(composeMailData(request, fixedStamp).ends_with("Subject: \r\n\r\n"));
  request.body = "one\r\n";
  EXPECT_TRUE(composeMailData(request, fixedStamp).ends_with("\r\n\r\none\r\n"));
  request.body = "\n\n";
  EXPECT_TRUE(composeMailData(request, fixedStamp).ends_with("\r\n\r\n\r\n\r\n"));
}

TEST(MailMessage, LineBreaksInHeaderValuesCannotStartAnotherHeader) {
  MailRequest request{"anna@example.com\r\nBcc: all@example.com", "orders@example.com\n", "",
                      "Hi\r\nBcc: x@example.com", ""};
  EXPECT_EQ(composeMailData(request, fixedStamp),
            "To: orders@example.com\r\n"
            "From: anna@example.comBcc: all@example.com\r\n"
            "Message-ID: <00000000000000ff.67c6c514@host>\r\n"
            "Date: Tue, 04 Mar 2025 10:15:00 +0100\r\n"
            "Subject: HiBcc: x@example.com\r\n"
            "\r\n");
}

TEST(MailMessage, DatesAndIdentifiers) {
  std::tm time{};
  time.tm_year = 125;
  time.tm_mon = 2;
  time.tm_mday = 4;
  time.tm_wday = 2;
  time.tm_hour = 9;
  time.tm_min = 5;
  time.tm_sec = 7;
  EXPECT_EQ(mailDate(time, 3600), "Tue, 04 Mar 2025 09:05:07 +0100");
  EXPECT_EQ(mailDate(time, -(5 * 3600 + 30 * 60)), "Tue, 04 Mar 2025 09:05:07 -0530");
  EXPECT_EQ(mailDate(time, 0), "Tue, 04 Mar 2025 09:05:07 +0000");
  EXPECT_EQ(messageIdentifier(0xABCDEF, 0x67C6C514, "my host\r\n.lan"), "0000000000abcdef.67c6c514@myhost.lan");
  EXPECT_EQ(messageIdentifier(1, 2, ""), "0000000000000001.2@localhost");
  const MailStamp now = stampForNow();
  EXPECT_EQ(now.date.size(), std::string_view("Tue, 04 Mar 2025 09:05:07 +0100").size());
  EXPECT_NE(now.messageId, stampForNow().messageId);
}

TEST(MailServer, HostPortAndIpv6FormsBecomeAddresses) {
  EXPECT_EQ(smtpAddressFor("smtp.example.com"), "smtp://smtp.example.com:25");
  EXPECT_EQ(smtpAddressFor("  mail.example.com:587 \r\n"), "smtp://mail.example.com:587");
  EXPECT_EQ(smtpAddressFor("mail.example.com:465"), "smtps://mail.example.com:465");
  EXPECT_EQ(smtpAddressFor("[::1]:2525"), "smtp://[::1]:2525");
  EXPECT_EQ(smtpAddressFor("[::1]"), "smtp://[::1]:25");
  EXPECT_EQ(smtpAddressFor("fe80::1"), "smtp://[fe80::1]:25");
  EXPECT_EQ(smtpAddressFor("127.0.0.1:65535"), "smtp://127.0.0.1:65535");
}

TEST(MailServer, AnythingButAHostAndAPortIsRefused) {
  for (const char* server :
       {"", "   ", "host:", "host:0", "host:65536", "host:25x", "host:-1", "user@host", "host/path", "smtp://host",
        "host:25/x", "ho st", "[::1", "[::1]x", "[]", "[::g]", "host\r\nRCPT TO:<x>", "h\xE9te"}) {
    EXPECT_EQ(smtpAddressFor(server), std::nullopt) << server;
  }
  EXPECT_EQ(smtpAddressFor(std::string(maximumHostNameLength + 1, 'a')), std::nullopt);
}

TEST(FormTexts, SubjectRecipientAndStatusBox) {
  EXPECT_EQ(formMailSubject("/home/anna/books/guide.zeb"), "Email from: (guide.zeb)");
  EXPECT_EQ(formMailSubject("caf\xC3\xA9.zeb"), "Email from: (caf\xE9.zeb)");
  EXPECT_EQ(formMailSubject(""), "Email from: ()");
  EXPECT_EQ(formMailRecipient("MailTo:orders@example.com"), "orders@example.com");
  EXPECT_EQ(formMailRecipient("orders@example.com"), "orders@example.com");
  EXPECT_EQ(webStatusText("http://example.com/form", 404), "http://example.com/form [404]");
}

}  // namespace
}  // namespace zeb
