// The texts an export of a whole book writes into its documents and says to its user
// (UTF-8).
#pragma once

#include <string_view>

namespace zeb::messages {

// Notes in the titles of links kept as text.
inline constexpr std::string_view programLinkNote = "Starts a program in the reader; not followed here: ";
inline constexpr std::string_view noWebEquivalentNote = "A reader command with no equivalent here: ";
inline constexpr std::string_view missingTargetNote = "The link leads nowhere: ";
inline constexpr std::string_view outsideAddressNote = "An address that is not followed here: ";
inline constexpr std::string_view otherBookNote = "Leads into another book, which an EPUB cannot link to: ";
inline constexpr std::string_view fileLeftOutNote = "A file kept inside the book, not carried by the EPUB: ";

// Headings of the generated documents.
inline constexpr std::string_view contentsHeading = "Contents";
inline constexpr std::string_view indexHeading = "Index";
inline constexpr std::string_view coverLandmark = "Cover";
inline constexpr std::string_view landmarksHeading = "Landmarks";
inline constexpr std::string_view pageTitlePrefix = "Page ";
inline constexpr std::string_view untitledBook = "Untitled";

// Failures.
inline constexpr std::string_view exportNoPages = "The book has no page to export.";
inline constexpr std::string_view exportCannotWrite = "Cannot write ";
inline constexpr std::string_view exportTargetExists = "The target exists already: ";
inline constexpr std::string_view exportCancelled = "The export was cancelled.";

}  // namespace zeb::messages
