// One mail message sent over SMTP, run to its end on the calling thread.
#pragma once

#include <atomic>

#include "transfer/mail_message.h"
#include "transfer/transfer_limits.h"

namespace zeb {

// Greets the server (EHLO, HELO when EHLO is refused), switches to TLS when the server offers
// STARTTLS (its certificate is then verified), sends MAIL FROM and RCPT TO with the addresses
// (line breaks removed), then DATA with composeMailData's bytes; a line that begins with "."
// is sent with the dot doubled, as SMTP wants. True when the server accepted the message;
// any refusal or error ends the transfer without a message.
bool performMailTransfer(const MailRequest& request, const MailStamp& stamp, const TransferLimits& limits,
                         const std::atomic<bool>& abort);

}  // namespace zeb
