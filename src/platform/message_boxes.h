// Task-modal message boxes with the program's fixed captions.
#pragma once

#include <string>
#include <string_view>

namespace zeb {

enum class MessageKind { information, warning, error };

inline constexpr std::string_view informationCaption = "Information";
inline constexpr std::string_view warningCaption = "Warning!";
inline constexpr std::string_view errorCaption = "Error!";

std::string_view captionOf(MessageKind kind);

// Every text handed to a message box is Windows-1252, as stored in books.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;

  virtual void show(MessageKind kind, std::string_view text) = 0;
  // A yes/no question captioned with the application's title; true means yes.
  virtual bool ask(std::string_view title, std::string_view question) = 0;

  void information(std::string_view text) { show(MessageKind::information, text); }
  void warning(std::string_view text) { show(MessageKind::warning, text); }
  void error(std::string_view text) { show(MessageKind::error, text); }
};

// "Caption: text" as one line: UTF-8, with CR and LF inside the text written as the two
// characters \n, so that a message stays on one line of a terminal or a log.
std::string oneLineMessage(MessageKind kind, std::string_view text);

}  // namespace zeb
