// The controls of page objects: which object gets which, their sizes with fixed metrics,
// their vertical placement on the line, and how a page draws them.
#include <gtest/gtest.h>

#include "document/container.h"
#include "document/object_kinds.h"
#include "document/page_object.h"
#include "platform/headless/recording_canvas.h"
#include "tests/support/test_platform.h"
#include "text/measurement_cache.h"
#include "text/text_box.h"
#include "tools/zebmake/book_model.h"
#include "view/marker_rules.h"
#include "view/page_painting.h"
#include "view/page_view.h"
#include "view/visual_kinds.h"
#include "view/visual_object.h"
#include "view/visual_size.h"

namespace zeb {
namespace {

// The fixed metrics of 8-point text: characters 8 wide, lines 16 high.
class Controls : public ::testing::Test {
 protected:
  TZEBoggetto& object(TOggettiHel kind, std::uint8_t subtype,
                      std::initializer_list<std::pair<std::string_view, std::string_view>> attributes = {}) {
    TZEBoggetto& made = zebmake::addObject(set, kind);
    made.record().setU8(field::state, subtype);
    for (const auto& [name, value] : attributes) made.setAttribute(name, value);
    return made;
  }
  ObjectSize size(const TZEBoggetto& made, SizeOffer offer = {400, 300}) { return visualSizeOf(made, metrics, offer); }

  testing::TestPlatform platform;
  TZEBset set{platform.services()};
  ControlMetrics metrics = ControlMetrics::measuredWith(platform.measurer);
};

TEST_F(Controls, EachKindAndSubtypeGetsItsControl) {
  struct Case {
    TOggettiHel kind;
    std::uint8_t subtype;
    VisualKind control;
  };
  const Case cases[] = {
      {TOggettiHel::tabellaHtml, 2, VisualKind::table},     {TOggettiHel::shortObj, 5, VisualKind::marker},
      {TOggettiHel::shortObj, 13, VisualKind::marker},      {TOggettiHel::shortObj, 16, VisualKind::none},
      {TOggettiHel::shortObj, 28, VisualKind::marker},      {TOggettiHel::dbloc, 7, VisualKind::multimedia},
      {TOggettiHel::multiMedia, 1, VisualKind::multimedia}, {TOggettiHel::immagineNew, 1, VisualKind::image},
      {TOggettiHel::inputStat, 2, VisualKind::edit},        {TOggettiHel::inputStat, 4, VisualKind::memo},
      {TOggettiHel::inputStat, 5, VisualKind::marker},      {TOggettiHel::inputStat, 6, VisualKind::radioButton},
      {TOggettiHel::inputStat, 7, VisualKind::checkBox},    {TOggettiHel::inputStat, 8, VisualKind::listBox},
      {TOggettiHel::inputStat, 9, VisualKind::comboBox},    {TOggettiHel::inputStat, 10, VisualKind::none},
      {TOggettiHel::inputStat, 18, VisualKind::floating},   {TOggettiHel::inputDin, 2, VisualKind::memo},
      {TOggettiHel::inputDin, 6, VisualKind::listBox},      {TOggettiHel::inputDin, 7, VisualKind::comboBox},
      {TOggettiHel::inputDin, 1, VisualKind::none},         {TOggettiHel::inputDin, 12, VisualKind::marker},
      {TOggettiHel::bottoneCGI, 1, VisualKind::button},     {TOggettiHel::inizioForm, 4, VisualKind::formStart},
      {TOggettiHel::internetLink, 4, VisualKind::none},     {TOggettiHel::immagine, 0, VisualKind::none},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(visualKindOf(object(c.kind, c.subtype)), c.control)
        << kindName(c.kind) << " subtype " << static_cast<int>(c.subtype);
  }
}

TEST_F(Controls, MetricsComeFromTheControlFont) {
  EXPECT_EQ(metrics.averageCharWidth, 8);
  EXPECT_EQ(metrics.lineHeight, 16);
  EXPECT_EQ(metrics.editHeight, 24);
  EXPECT_EQ(metrics.comboHeight, 24);
  EXPECT_EQ(metrics.listWidth, 121);
}

TEST_F(Controls, AButtonWithoutPictureIsAsWideAsItsCaptionAndTwoMoreCharactersAtLeast70) {
  TZEBoggetto& button = object(TOggettiHel::bottoneCGI, 1, {{"caption", "Buy"}});
  button.record().setI32(field::buttonPicture, -1);
  EXPECT_EQ(size(button), (ObjectSize{70, 24}));  // 8 x 5 is less than 70
  ControlMetrics wide = metrics;
  wide.averageCharWidth = 20;
  EXPECT_EQ(visualSizeOf(button, wide, {}), (ObjectSize{100, 24}));
  button.setAttribute("caption", "");
  button.setAttribute("value", "Send the whole form");  // the value stands in for a caption
  EXPECT_EQ(size(button).width, 8 * 21);
  // With a picture the button takes the picture's size.
  TZEBoggetto& picture = zebmake::addObject(set, TOggettiHel::immagine);
  picture.record().setI16(field::pictureWidth, 64);
  picture.record().setI16(field::pictureHeight, 32);
  button.record().setI32(field::buttonPicture, picture.Index());
  EXPECT_EQ(size(button), (ObjectSize{64, 32}));
}

TEST_F(Controls, AHintIsTheDescriptionElseTheNameButNeverAFieldNobodyWrote) {
  TZEBoggetto& button = object(TOggettiHel::bottoneCGI, 1, {{"caption", "Clear"}});
  button.setName("reset");
  EXPECT_EQ(descriptionOf(button), "reset");
  button.setAttribute("description", "Empty the form");
  EXPECT_EQ(descriptionOf(button), "Empty the form");
  // The name field as a record read over 0xFF bytes leaves it: its length byte is 0xFF.
  button.setAttribute("description", "");
  const int nameField = layoutOf(TOggettiHel::bottoneCGI).nameOffset;
  button.record().fillRange(nameField, layoutOf(TOggettiHel::bottoneCGI).nameMaxLength + 1, 0xFF);
  EXPECT_EQ(descriptionOf(button), "");
}

TEST_F(Controls, FieldsTakeTheirSizeFromCharactersAndLines) {
  EXPECT_EQ(size(object(TOggettiHel::inputStat, 1, {{"size", "10"}})), (ObjectSize{80, 24}));
  EXPECT_EQ(size(object(TOggettiHel::inputStat, 3)), (ObjectSize{160, 24}));  // 20 characters unless told
  EXPECT_EQ(size(object(TOggettiHel::inputStat, 4, {{"cols", "30"}, {"rows", "3"}})), (ObjectSize{240, 16 * 3 + 4}));
  EXPECT_EQ(size(object(TOggettiHel::inputDin, 2)), (ObjectSize{320, 16 * 10 + 4}));
  EXPECT_EQ(size(object(TOggettiHel::inputStat, 8, {{"rows", "4"}})), (ObjectSize{121, 16 * 4 + 4}));
  EXPECT_EQ(size(object(TOggettiHel::inputStat, 9, {{"size", "12"}})), (ObjectSize{96, 24}));
  EXPECT_EQ(size(object(TOggettiHel::inputStat, 9)), (ObjectSize{121, 24}));
  EXPECT_EQ(size(object(TOggettiHel::inputDin, 7, {{"size", "12"}})), (ObjectSize{121, 24}));
  EXPECT_EQ(size(object(TOggettiHel::inputStat, 6)), (ObjectSize{13, 13}));
  EXPECT_EQ(size(object(TOggettiHel::inputStat, 6, {{"caption", "Big"}})), (ObjectSize{14 + 24, 16}));
  EXPECT_EQ(size(object(TOggettiHel::inputStat, 7, {{"caption", "Big"}})), (ObjectSize{26 + 24, 16}));
  // Sizes from the book stay within limits.
  EXPECT_EQ(size(object(TOggettiHel::inputStat, 1, {{"size", "-4"}})).width, 160);
  EXPECT_EQ(size(object(TOggettiHel::inputStat, 1, {{"size", "99999999999"}})).width, 8000);
  EXPECT_EQ(size(object(TOggettiHel::inputStat, 1, {{"size", "12x"}})).width, 160);
}

TEST_F(Controls, MarkersAreEighteenSquareOrWiderForReferences) {
  EXPECT_EQ(size(object(TOggettiHel::shortObj, 14)), (ObjectSize{18, 18}));
  EXPECT_EQ(size(object(TOggettiHel::shortObj, 21)), (ObjectSize{36, 18}));
  EXPECT_EQ(size(object(TOggettiHel::shortObj, 27)), (ObjectSize{90, 18}));
  EXPECT_EQ(size(object(TOggettiHel::inputStat, 5)), (ObjectSize{18, 18}));
  EXPECT_EQ(size(object(TOggettiHel::inizioForm, 1)), (ObjectSize{18, 18}));
}

TEST_F(Controls, MediaShowTheirBarTheirVideoOrAnIcon) {
  EXPECT_EQ(size(object(TOggettiHel::multiMedia, 1)), (ObjectSize{141, 30}));
  EXPECT_EQ(size(object(TOggettiHel::multiMedia, 2, {{"background", "1"}})), (ObjectSize{18, 18}));
  EXPECT_EQ(size(object(TOggettiHel::multiMedia, 3, {{"width", "100"}, {"height", "80"}})), (ObjectSize{141, 110}));
  EXPECT_EQ(size(object(TOggettiHel::multiMedia, 4, {{"width", "320"}, {"height", "240"}, {"background", "1"}})),
            (ObjectSize{320, 240}));
  EXPECT_EQ(
      size(object(TOggettiHel::multiMedia, 5, {{"width", "50"}, {"height", "50"}, {"relative", "1"}}), {400, 300}),
      (ObjectSize{200, 150}));
  EXPECT_EQ(size(object(TOggettiHel::dbloc, 7, {{"type", "1"}, {"icon", "9"}})), (ObjectSize{36, 18}));
  EXPECT_EQ(size(object(TOggettiHel::dbloc, 7, {{"type", "9"}, {"icon", "19"}})), (ObjectSize{27, 18}));
  EXPECT_EQ(size(object(TOggettiHel::dbloc, 6, {{"type", "9"}, {"icon", "19"}})), (ObjectSize{18, 18}));
  EXPECT_EQ(size(object(TOggettiHel::dbloc, 6, {{"type", "3"}})), (ObjectSize{160, 24}));
  EXPECT_EQ(size(object(TOggettiHel::dbloc, 6, {{"type", "8"}})), (ObjectSize{121, 24}));
}

TEST_F(Controls, AnIndependentFrameTakesItsStoredOrRelativeSize) {
  EXPECT_EQ(size(object(TOggettiHel::inputStat, 18, {{"width", "200"}, {"height", "120"}})), (ObjectSize{200, 120}));
  EXPECT_EQ(
      size(object(TOggettiHel::inputStat, 18, {{"width", "50"}, {"height", "25"}, {"relative", "1"}}), {400, 200}),
      (ObjectSize{200, 50}));
}

// A page showing objects in its text, laid out and painted with fixed metrics.
class ControlsOnAPage : public Controls {
 protected:
  ControlsOnAPage() { view.setClientSize(400, 300); }
  TZEBbox& show(TZEBtesto& shown) {
    view.setReadOnly(true);
    view.setAnimated(true);
    view.ShowText(&shown);
    return *view.TextBox();
  }
  std::string tagOf(const TZEBoggetto& made) {
    char tag[16];
    std::snprintf(tag, sizeof tag, "<$%08X>", made.ID());
    return tag;
  }

  MeasurementCache measures{platform.measurer};
  PageOwner owner;
  TZEBpage view{set, measures, owner};
};

TEST_F(ControlsOnAPage, ObjectsTakeTheirOwnSizeAndVerticalPlacementInTheLine) {
  TZEBoggetto& standing = object(TOggettiHel::inputStat, 1, {{"size", "5"}});
  TZEBoggetto& hanging = object(TOggettiHel::inputStat, 1, {{"size", "5"}});
  hanging.record().setU8(field::controlVertical, 3);
  TZEBoggetto& centred = object(TOggettiHel::inputStat, 1, {{"size", "5"}});
  centred.record().setU8(field::controlVertical, 4);
  TZEBoggetto& nothing = object(TOggettiHel::inputStat, 10);
  TZEBtesto& shown = zebmake::addPage(
      set, "form", "<Z S0 >" + tagOf(standing) + tagOf(hanging) + tagOf(centred) + tagOf(nothing) + "x");
  const TZEBbox& box = show(shown);
  const TZEBparag& paragraph = box.paragraph(0);
  EXPECT_EQ(paragraph.Cells[0].Advance, 40);
  EXPECT_EQ(paragraph.Cells[0].Height, 24);
  EXPECT_EQ(paragraph.Cells[0].Ascent, 24);
  EXPECT_EQ(paragraph.Cells[1].Ascent, 0);
  EXPECT_EQ(paragraph.Cells[2].Ascent, 12);
  EXPECT_EQ(paragraph.Cells[3].Advance, 0);  // a subtype without a control takes no room
  EXPECT_EQ(paragraph.Lines[0].LineAscent, 24);
  // The hanging field reaches 24 below the line's top, deepest of all: the line is 48 high.
  EXPECT_EQ(paragraph.Lines[0].LineHeight, 48);
}

TEST_F(ControlsOnAPage, AnImageWithoutPictureOrSizeIsAHundredSquare) {
  TZEBoggetto& image = object(TOggettiHel::immagineNew, 0);
  image.record().setI32(field::placementPicture, -1);
  image.record().setI16(field::placementDisplayWidth, 0);
  image.record().setI16(field::placementDisplayHeight, 0);
  const TZEBbox& box = show(zebmake::addPage(set, "image", "<Z S0 >" + tagOf(image)));
  EXPECT_EQ(box.paragraph(0).Cells[0].Advance, 100);
  EXPECT_EQ(box.paragraph(0).Cells[0].Height, 100);
}

TEST_F(ControlsOnAPage, ReadOnlyPagesDrawFieldsButHideMarkersExceptTheAlwaysShownOne) {
  TZEBoggetto& edit = object(TOggettiHel::inputStat, 1, {{"size", "5"}, {"value", "hi"}});
  TZEBoggetto& hidden = object(TOggettiHel::inputStat, 5);
  TZEBoggetto& warning = object(TOggettiHel::shortObj, 15);
  TZEBtesto& shown = zebmake::addPage(set, "form", "<Z S0 >" + tagOf(edit) + tagOf(hidden) + tagOf(warning));
  show(shown);
  RecordingCanvas canvas({0, 0, 400, 300}, &platform.measurer);
  paintPage(view, canvas);
  // Style 0 starts lines 10 pixels in, the first at y 8. The edit's text lies inside its
  // frame; of the two markers after it only the always shown one draws its icon.
  const std::vector<std::string> texts = canvas.calls("text");
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0], "text 14,12 \"hi\"");
  EXPECT_EQ(canvas.calls("picture"), (std::vector<std::string>{"picture 68,14,86,32 from 18x18"}));
}

TEST_F(ControlsOnAPage, ASelectedObjectIsDrawnSelected) {
  TZEBoggetto& edit = object(TOggettiHel::inputStat, 1, {{"size", "5"}});
  TZEBbox& box = show(zebmake::addPage(set, "form", "<Z S0 >a" + tagOf(edit)));
  box.SelectRange(0, 0, 0, 2);
  RecordingCanvas canvas({0, 0, 400, 300}, &platform.measurer);
  paintPage(view, canvas);
  // After the 10-pixel margin and the 12-pixel "a" of style 0.
  const std::vector<std::string> hatches = canvas.calls("hatch");
  ASSERT_FALSE(hatches.empty());
  EXPECT_EQ(hatches.back(), "hatch forward 22,8,62,32 highlight");
}

}  // namespace
}  // namespace zeb
