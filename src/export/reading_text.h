// ReadingText: the text of a text box as a screen reader and reading aloud take it: what the
// plain-text conversion writes (pictures and controls have no text, table cells follow
// their table row by row with a tab between cells and a line feed after each row, fields
// write their markers), with a line feed between paragraphs, and where every character
// comes from: the box (or the table cell's box) and its paragraph and character.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zeb {

class EmbeddedObject;
class TZEBbox;

// A place in a box: a paragraph index and a character boundary in it.
struct ReadingPlace {
  const TZEBbox* box = nullptr;
  int paragraph = 0;
  int character = 0;
  bool operator==(const ReadingPlace&) const = default;
};

// Characters of one paragraph that stand one after another in the text.
struct ReadingRun {
  int offset = 0;
  int length = 0;
  ReadingPlace place;  // of the first character
  // A field's marker stands for one character of the box: every offset maps to it.
  bool marker = false;
};

// Linked characters of one paragraph, in the text from start to end.
struct ReadingLink {
  int start = 0;
  int end = 0;
  ReadingPlace place;
  std::int32_t code = -1;
};

// An embedded object with no text of its own (a picture, a control, a table), at the offset
// where it stands.
struct ReadingObject {
  int offset = 0;
  ReadingPlace place;
  EmbeddedObject* object = nullptr;  // the box's sizing object
};

// One paragraph's stretch of the text, separators excluded.
struct ReadingParagraph {
  int start = 0;
  int end = 0;
  ReadingPlace place;  // at its first character
};

class ReadingText {
 public:
  // Every paragraph of the box, header and footer included, in the order they are shown.
  explicit ReadingText(const TZEBbox& box);

  const TZEBbox& box() const { return *box_; }
  // In the box's code page, one byte per character.
  const std::string& text() const { return text_; }
  int length() const { return static_cast<int>(text_.size()); }

  // The offset of a place; a place on an object without text maps to the text after it.
  // None for a box the text does not hold.
  std::optional<int> offsetOf(const TZEBbox& box, int paragraph, int character) const;
  // The place of the character at the offset; a separator maps to the end of the text
  // before it.
  ReadingPlace placeOf(int offset) const;

  const std::vector<ReadingRun>& runs() const { return runs_; }
  const std::vector<ReadingLink>& links() const { return links_; }
  const std::vector<ReadingObject>& objects() const { return objects_; }
  const std::vector<ReadingParagraph>& paragraphs() const { return paragraphs_; }

  // Word from its start to the next word's start; for an offset between words, the word
  // before it (the words of the box's caret movement; line feeds and tabs separate too).
  std::pair<int, int> wordAt(int offset) const;
  // The paragraph holding the offset, with the line feed after it.
  std::pair<int, int> paragraphAt(int offset) const;
  // The laid-out line of the paragraph holding the offset, with the line feed after the
  // paragraph's last line.
  std::pair<int, int> lineAt(int offset) const;

 private:
  void appendBox(const TZEBbox& box, int depth);
  void appendParagraph(const TZEBbox& box, int index, int depth);
  void appendText(const ReadingPlace& place, const std::string& text, bool marker);
  std::pair<int, int> spanOf(const ReadingPlace& place, int firstCharacter, int endCharacter) const;

  const TZEBbox* box_;
  std::string text_;
  std::vector<ReadingRun> runs_;
  std::vector<ReadingLink> links_;
  std::vector<ReadingObject> objects_;
  std::vector<ReadingParagraph> paragraphs_;
  // The runs of each paragraph, by box and paragraph index.
  std::map<std::pair<const TZEBbox*, int>, std::vector<std::size_t>> runsOf_;
};

}  // namespace zeb
