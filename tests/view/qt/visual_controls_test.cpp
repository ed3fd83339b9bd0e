// The controls of a page's objects in a frame set, offscreen with the fixed metrics of the
// test platform and its manual clock: hot zones and linked pictures, animation on the timer,
// forms submitted and reset, check controls, markers, media errors, and table cells that
// take the mouse, the keys, copies and the in-page search.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "document/image_cache.h"
#include "document/picture.h"
#include "tests/support/picture_objects.h"
#include "tests/text/text_test_support.h"
#include "tests/view/page_objects.h"
#include "text/nested_boxes.h"
#include "text/table_cells.h"
#include "tools/zebmake/visual_description.h"
#include "transfer/form_transfer.h"
#include "view/animation_player.h"
#include "view/messages.h"
#include "view/qt/form_controls.h"
#include "view/qt/frame_set.h"
#include "view/qt/frame_widget.h"
#include "view/qt/image_control.h"
#include "view/qt/marker_control.h"
#include "view/qt/media_control.h"
#include "view/qt/page_controls.h"
#include "view/qt/page_widget.h"
#include "view/qt/text_box_widget.h"

namespace zeb {
namespace {

class RecordingTransfer final : public FormTransfer {
 public:
  void sendByWeb(std::string_view target, std::string_view data) override {
    sent.push_back("web " + std::string(target) + " " + std::string(data));
  }
  void sendByMail(std::string_view target, std::string_view data, std::string_view) override {
    sent.push_back("mail " + std::string(target) + " " + std::string(data));
  }
  std::vector<std::string> sent;
};

// An object of a page as layout would size it, for asking for its control.
class EmbeddedObjectStub final : public EmbeddedObject {
 public:
  using EmbeddedObject::EmbeddedObject;
  void fitWidth(int) override {}
  int width() const override { return 10; }
  int height() const override { return 10; }
};

class VisualControls : public testing::TextTest {
 protected:
  VisualControls() {
    frames.resize(400, 300);
    frames.setReadOnly(true);
    frames.setAutoJump(false);
    QObject::connect(&frames, &TZEBCustomFrameSet::OnDoLink,
                     [this](LinkSource, TZEBoggetto* link) { followed.push_back(link); });
    frames.setLinkedZEBset(&set);
    frames.show();
  }

  // Shows a page of the text in the frame set; its controls.
  PageControls& show(const std::string& text) {
    TZEBtesto& page = zebmake::addPage(set, "page", plainTag() + text);
    frames.setMainPageNumber(page.Index());
    pageWidget = frames.ShownPages().at(0);
    return *pageWidget->controls();
  }
  template <typename Control>
  Control* first(PageControls& controls) const {
    for (TMyyVisual* control : controls.controls())
      if (auto* wanted = dynamic_cast<Control*>(control)) return wanted;
    return nullptr;
  }
  std::string linkTo(std::string_view name) {
    TZEBoggetto& link = zebmake::addObject(set, TOggettiHel::internetLink);
    link.setName(name);
    return testing::objectTag(link.ID());
  }
  TZEBoggetto& link(std::string_view name) {
    TZEBoggetto& object = zebmake::addObject(set, TOggettiHel::internetLink);
    object.setName(name);
    return object;
  }
  // A picture placement of 100 x 80 showing a picture of that size.
  TZEBoggetto& placement(TZEBoggetto& picture) {
    TZEBoggetto& object = zebmake::addObject(set, TOggettiHel::immagineNew);
    object.Release();
    object.Activate();
    object.record().setI32(field::placementPicture, picture.Index());
    for (const int at : {field::placementDisplayWidth, field::placementNaturalWidth})
      object.record().setI16(at, static_cast<std::int16_t>(picture.record().i16(field::pictureWidth)));
    for (const int at : {field::placementDisplayHeight, field::placementNaturalHeight})
      object.record().setI16(at, static_cast<std::int16_t>(picture.record().i16(field::pictureHeight)));
    return object;
  }
  TZEBoggetto& field(std::uint8_t subtype, std::string_view name, testing::Attributes attributes = {}) {
    return testing::addFormField(set, subtype, name, attributes);
  }
  TZEBoggetto& formStart(std::uint8_t method, std::string_view target) {
    return testing::addFormStart(set, method, target);
  }
  TZEBoggetto& button(std::uint8_t action) {
    TZEBoggetto& object = testing::addFormButton(set, action);
    object.setAttribute("caption", "Go");
    return object;
  }
  // A table of two 50 % columns 210 pixels wide, spacing 2, inset 2, and its cell texts.
  std::string table(std::initializer_list<std::string_view> cells) {
    TZEBoggetto& object = zebmake::addObject(set, TOggettiHel::tabellaHtml);
    object.Release();
    object.Activate();
    object.record().setU8(field::tableRows, static_cast<std::uint8_t>(cells.size() / 2));
    testing::halveColumns(object.record());
    object.record().setU8(field::tableRelativeWidth, 0);
    object.record().setI16(field::tableWidth, 210);
    std::string markup = testing::objectTag(object.ID());
    for (const std::string_view text : cells) markup += plainTag() + std::string(text) + "<T>";
    return markup;
  }
  TableCells& tableOf(PageControls&) const {
    for (const auto& paragraph : pageWidget->page().TextBox()->Paragraphs())
      for (const EmbeddedRef& ref : paragraph->Objects)
        if (ref.visual != nullptr && ref.visual->tableCells() != nullptr) return *ref.visual->tableCells();
    throw std::runtime_error("no table");
  }
  // A point of the viewport inside the cell, at (x, y) of the cell.
  QPoint inCell(TableCells& cells, int row, int column, int x, int y) const {
    const TZEBbox& cell = *cells.cell(row, column);
    const BoxOffset offset = offsetInOutermostBox(cell);
    return QPoint(offset.x + x, offset.y + y) - pageWidget->viewport()->origin();
  }

  TInsiemeCornici frames;
  PageWidget* pageWidget = nullptr;
  std::vector<TZEBoggetto*> followed;
};

TEST_F(VisualControls, AClickOnAHotZoneFollowsTheZonesLinkAndOnThePictureTheImagesLink) {
  TZEBoggetto& picture = testing::addDecodedPicture(set, 100, 80, 0x336699);
  TZEBoggetto& image = placement(picture);
  testing::setZone(image, 3, link("zone:three").ID(), 10, 10, 20, 20);
  testing::setZone(image, 7, link("zone:seven").ID(), 50, 0, 50, 80);
  PageControls& controls = show(linkTo("picture:link") + testing::objectTag(image.ID()) + "<%> after");
  TMyyImage* control = first<TMyyImage>(controls);
  ASSERT_NE(control, nullptr);
  EXPECT_TRUE(control->isVisible());
  EXPECT_EQ(control->size(), QSize(100, 80));
  ASSERT_EQ(control->zones().size(), 2u);
  EXPECT_EQ(control->zones()[0]->zone().slot, 7);  // made from the last slot down
  EXPECT_EQ(control->zones()[1]->geometry(), QRect(10, 10, 20, 20));
  EXPECT_EQ(control->cursor().shape(), Qt::PointingHandCursor);

  QTest::mouseClick(control->zones()[1], Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(followed.empty());  // posted, followed once the click is over
  platform.events.runPending();
  ASSERT_EQ(followed.size(), 1u);
  EXPECT_EQ(followed[0]->Name(), "zone:three");

  QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, 60));
  platform.events.runPending();
  ASSERT_EQ(followed.size(), 2u);
  EXPECT_EQ(followed[1]->Name(), "picture:link");
}

TEST_F(VisualControls, APictureShowsItsHoverPictureOnlyWhileTheMouseIsOverIt) {
  TZEBoggetto& picture = testing::addDecodedPicture(set, 20, 10, 0x0000FF);
  TZEBoggetto& hover = testing::addDecodedPicture(set, 20, 10, 0xFF0000);
  TZEBoggetto& image = placement(picture);
  image.record().setI32(field::placementHoverPicture, hover.Index());
  TMyyImage* control = first<TMyyImage>(show(testing::objectTag(image.ID())));
  ASSERT_NE(control, nullptr);
  const auto colourAtCentre = [control] { return control->grab().toImage().pixelColor(10, 5).name(); };
  EXPECT_EQ(colourAtCentre(), "#0000ff");
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(control, &enter);
  EXPECT_TRUE(control->hovering());
  EXPECT_EQ(colourAtCentre(), "#ff0000");
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(control, &leave);
  EXPECT_FALSE(control->hovering());
  EXPECT_EQ(colourAtCentre(), "#0000ff");
}

TEST_F(VisualControls, ControlsFollowTheirObjectsWhenThePageScrollsAndInsideTableCells) {
  std::string lines;
  for (int i = 0; i < 30; ++i) lines += plainTag() + "line";
  PageControls& controls =
      show(lines + testing::objectTag(field(1, "a").ID()) + table({"x", testing::objectTag(field(1, "b").ID())}));
  ASSERT_EQ(controls.controls().size(), 2u);
  TMyyVisual* outside = controls.controls()[0];
  TMyyVisual* inCellField = controls.controls()[1];
  const QPoint before = outside->pos();
  const QPoint cellBefore = inCellField->pos();
  // Where layout put the objects: in the page's box, and in the cell's box moved by the cell's place.
  const auto bounds = objectBounds(outside->sizing());
  ASSERT_TRUE(bounds.has_value());
  EXPECT_EQ(before, QPoint(bounds->left, bounds->top));
  EXPECT_GT(before.y(), 30 * 20);
  const auto cellBounds = objectBounds(inCellField->sizing());
  ASSERT_TRUE(cellBounds.has_value());
  const BoxOffset cell = offsetInOutermostBox(inCellField->box());
  EXPECT_NE(&inCellField->box(), pageWidget->page().TextBox());
  EXPECT_EQ(cellBefore, QPoint(cell.x + cellBounds->left, cell.y + cellBounds->top));
  EXPECT_EQ(inCellField->size(), QSize(inCellField->sizing().width(), inCellField->sizing().height()));
  pageWidget->scrollBy(0, 40);
  EXPECT_EQ(outside->pos(), before - QPoint(0, 40));
  EXPECT_EQ(inCellField->pos(), cellBefore - QPoint(0, 40));
}

TEST_F(VisualControls, TheItemsChosenInListsAreWhatTheySubmitUntilARefresh) {
  const std::string colours = "Red\nr\nn\nGreen\ng\ny\nBlue\nb\nn";
  TZEBoggetto& list = field(8, "colour");
  list.setPrimaryData({reinterpret_cast<const std::uint8_t*>(colours.data()), colours.size()});
  TZEBoggetto& combo = field(9, "shade");
  combo.setPrimaryData({reinterpret_cast<const std::uint8_t*>(colours.data()), colours.size()});
  PageControls& controls = show(testing::objectTag(list.ID()) + testing::objectTag(combo.ID()));
  auto* listBox = dynamic_cast<TMyyListBox*>(controls.controls().at(0));
  auto* comboBox = dynamic_cast<TMyyComboBox*>(controls.controls().at(1));
  ASSERT_TRUE(listBox != nullptr && comboBox != nullptr);
  EXPECT_EQ(listBox->GetValue(), "g");
  EXPECT_EQ(comboBox->GetDisplayText(), "Green");
  listBox->list()->setCurrentRow(2);
  comboBox->combo()->setCurrentIndex(0);
  EXPECT_EQ(listBox->GetValue(), "b");
  EXPECT_EQ(comboBox->GetValue(), "r");
  EXPECT_EQ(comboBox->GetDisplayText(), "Red");
  listBox->Refresh();
  comboBox->Refresh();
  EXPECT_EQ(listBox->list()->currentRow(), 1);
  EXPECT_EQ(comboBox->combo()->currentText(), "Green");
  EXPECT_EQ(comboBox->GetValue(), "g");
}

TEST_F(VisualControls, AnAnimatedPictureAdvancesOnTheTimerOnlyWhileAnimated) {
  TZEBoggetto& picture = zebmake::addObject(set, TOggettiHel::immagine);
  auto decoded = std::make_unique<TZEBpicture>();
  decoded->loadFromBytes(
      zebmake::animatedBallGif({{"width", 40}, {"height", 20}, {"frames", 4}, {"delay", 5}, {"loop", 0}}),
      PictureFormat::gif);
  picture.record().setI16(field::pictureWidth, 40);
  picture.record().setI16(field::pictureHeight, 20);
  set.imageCache().add(picture, std::move(decoded), 20, set.messages());
  PageControls& controls = show(testing::objectTag(placement(picture).ID()));
  TMyyImage* image = first<TMyyImage>(controls);
  ASSERT_NE(image, nullptr);
  ASSERT_NE(image->animation(), nullptr);
  EXPECT_EQ(image->animation()->frame(), 0u);
  platform.events.advance(50);
  EXPECT_EQ(image->animation()->frame(), 1u);
  platform.events.advance(100);
  EXPECT_EQ(image->animation()->frame(), 3u);

  pageWidget->setAnimated(false);
  EXPECT_EQ(image->animation(), nullptr);
  platform.events.advance(500);
  pageWidget->setAnimated(true);
  ASSERT_NE(image->animation(), nullptr);
  EXPECT_EQ(image->animation()->frame(), 0u);  // starts again from its first frame
}

TEST_F(VisualControls, ASubmitOfMethodOneOpensTheAddressWithTheDataOfItsForm) {
  platform.shell.succeeds = true;
  const std::string page = testing::objectTag(field(1, "before", {{"value", "no"}}).ID()) +
                           testing::objectTag(formStart(1, "http://example.org/f").ID()) +
                           testing::objectTag(field(1, "a", {{"value", "x"}}).ID()) +
                           testing::objectTag(field(1, "b", {{"value", "1&2"}}).ID()) +
                           testing::objectTag(button(1).ID());
  PageControls& controls = show(page);
  auto* a = dynamic_cast<TMyyEdit*>(controls.controls().at(2));
  ASSERT_NE(a, nullptr);
  // Typing into the field changes what it submits.
  a->edit()->clear();
  QTest::keyClicks(a->edit(), "x y");
  EXPECT_EQ(a->GetValue(), "x y");
  TMyyButton* go = first<TMyyButton>(controls);
  ASSERT_NE(go, nullptr);
  QTest::mouseClick(go->pushButton(), Qt::LeftButton);
  EXPECT_EQ(platform.shell.openedDocuments, (std::vector<std::string>{"http://example.org/f?a=x+y&b=1%262&"}));
  EXPECT_TRUE(platform.messages.shown().empty());
}

TEST_F(VisualControls, AResetRestoresTheDefaultsOfItsFormOnly) {
  const std::string page = testing::objectTag(field(1, "outside", {{"value", "o"}}).ID()) +
                           testing::objectTag(formStart(1, "http://example.org/f").ID()) +
                           testing::objectTag(field(1, "a", {{"value", "x"}}).ID()) +
                           testing::objectTag(field(7, "c", {{"value", "yes"}}).ID()) +
                           testing::objectTag(button(3).ID());
  PageControls& controls = show(page);
  controls.controls().at(0)->SetValue("typed");
  controls.controls().at(2)->SetValue("typed");
  controls.controls().at(3)->SetValue("checked");
  EXPECT_EQ(controls.controls().at(3)->GetValue(), "yes");
  first<TMyyButton>(controls)->ClickAction();
  EXPECT_EQ(controls.controls().at(0)->GetValue(), "typed");
  EXPECT_EQ(controls.controls().at(2)->GetValue(), "x");
  EXPECT_EQ(controls.controls().at(3)->GetValue(), "");
}

TEST_F(VisualControls, SubmitsOfMethodsTwoAndFourGoThroughTheFormTransferAndOtherAddressesAskFirst) {
  RecordingTransfer transfer;
  frames.setFormTransfer(&transfer);
  const std::string web =
      testing::objectTag(formStart(2, "https://example.org/post").ID()) +
      testing::objectTag(field(5, "source", {{"value", "a b"}}).ID()) + testing::objectTag(button(1).ID()) +
      testing::objectTag(formStart(4, "mailto:me@example.org").ID()) +
      testing::objectTag(field(5, "hidden", {{"value", "a&b"}}).ID()) +
      testing::objectTag(field(1, "text", {{"value", "c&d"}}).ID()) + testing::objectTag(button(2).ID()) +
      testing::objectTag(formStart(1, "file:///bin/sh").ID()) + testing::objectTag(button(1).ID());
  PageControls& controls = show(web);
  std::vector<TMyyButton*> buttons;
  for (TMyyVisual* control : controls.controls())
    if (auto* found = dynamic_cast<TMyyButton*>(control)) buttons.push_back(found);
  ASSERT_EQ(buttons.size(), 3u);
  buttons[0]->ClickAction();
  buttons[1]->ClickAction();
  EXPECT_EQ(transfer.sent, (std::vector<std::string>{"web https://example.org/post source=a+b\r\n",
                                                     "mail mailto:me@example.org hidden=a&b%0dtext=c%26d%0d"}));
  // A file address opens only when the owner agrees.
  buttons[2]->ClickAction();
  EXPECT_TRUE(platform.shell.openedDocuments.empty());
  std::vector<std::string> asked;
  frames.confirmOpenAddress = [&asked](const std::string& address) {
    asked.push_back(address);
    return true;
  };
  buttons[2]->ClickAction();
  EXPECT_EQ(asked, (std::vector<std::string>{"file:///bin/sh?"}));
  // The desktop fails to open it: the program says so.
  EXPECT_EQ(platform.shell.openedDocuments, (std::vector<std::string>{"file:///bin/sh?"}));
  ASSERT_EQ(platform.messages.shown().size(), 1u);
  EXPECT_EQ(platform.messages.shown()[0].text, messages::formOpenFailed);
}

TEST_F(VisualControls, CheckBoxesTakeCheckedInAnyCaseAndToggleOnAClickRadioButtonsOnlyCheck) {
  PageControls& controls = show(testing::objectTag(field(7, "gift", {{"value", "yes"}, {"caption", "Gift"}}).ID()) +
                                testing::objectTag(field(6, "size", {{"value", "large"}}).ID()));
  auto* box = dynamic_cast<TMyyCheckBox*>(controls.controls().at(0));
  auto* radio = dynamic_cast<TMyyRadioButton*>(controls.controls().at(1));
  ASSERT_TRUE(box != nullptr && radio != nullptr);
  box->SetValue("CHECKED");
  EXPECT_TRUE(box->checked());
  EXPECT_EQ(box->GetValue(), "yes");
  box->SetValue("yes");
  EXPECT_FALSE(box->checked());
  EXPECT_EQ(box->GetValue(), "");
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_TRUE(box->checked());
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_FALSE(box->checked());
  QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(3, 3));
  QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_TRUE(radio->checked());
}

TEST_F(VisualControls, RadioButtonsOfOneNameInOneFormExcludeEachOtherAndAreDrawnRound) {
  auto radio = [this](std::string_view name, std::string_view value, bool checked) {
    return testing::objectTag(
        (checked ? field(6, name, {{"value", value}, {"checked", "checked"}}) : field(6, name, {{"value", value}}))
            .ID());
  };
  PageControls& controls =
      show(testing::objectTag(formStart(1, "http://example.org/f").ID()) + radio("size", "large", true) +
           radio("size", "small", false) + radio("wrap", "yes", true) +
           testing::objectTag(field(7, "gift", {{"value", "yes"}}).ID()) +
           testing::objectTag(formStart(1, "http://example.org/g").ID()) + radio("size", "other", true));
  std::vector<TMyyRadioButton*> radios;
  for (TMyyVisual* control : controls.controls())
    if (auto* found = dynamic_cast<TMyyRadioButton*>(control)) radios.push_back(found);
  ASSERT_EQ(radios.size(), 4u);
  QTest::mouseClick(radios[1], Qt::LeftButton, {}, QPoint(3, 3));
  // "small" takes over from "large"; another name and the same name in another form keep theirs.
  EXPECT_EQ(std::vector<bool>({radios[0]->checked(), radios[1]->checked(), radios[2]->checked(), radios[3]->checked()}),
            std::vector<bool>({false, true, true, true}));
  EXPECT_EQ(radios[0]->GetValue(), "");
  EXPECT_EQ(radios[1]->GetValue(), "small");

  // The circle leaves the corners of its box empty; a check box's frame reaches them.
  auto* box = first<TMyyCheckBox>(controls);
  ASSERT_NE(box, nullptr);
  for (QWidget* control : {static_cast<QWidget*>(radios[0]), static_cast<QWidget*>(box)}) {
    const QImage image = control->grab().toImage();
    const int top = (control->height() - 12) / 2;
    const bool round = control == radios[0];
    EXPECT_EQ(image.pixel(0, top) == image.pixel(5, top), !round) << (round ? "radio button" : "check box");
    EXPECT_EQ(image.pixel(11, top + 11) == image.pixel(5, top + 11), !round);
    EXPECT_EQ(QColor(image.pixel(5, top + 5)), QColor(Qt::white));
  }
}

TEST_F(VisualControls, CheckControlsTellAccessibilityToolsTheirRoleCaptionAndState) {
  PageControls& controls = show(testing::objectTag(field(7, "gift", {{"value", "yes"}, {"caption", "Gift"}}).ID()) +
                                testing::objectTag(field(6, "size", {{"value", "large"}}).ID()));
  QWidget* box = controls.controls().at(0);
  QAccessibleInterface* boxInterface = QAccessible::queryAccessibleInterface(box);
  QAccessibleInterface* radioInterface = QAccessible::queryAccessibleInterface(controls.controls().at(1));
  ASSERT_TRUE(boxInterface != nullptr && radioInterface != nullptr);
  EXPECT_EQ(boxInterface->role(), QAccessible::CheckBox);
  EXPECT_EQ(boxInterface->text(QAccessible::Name), "Gift");
  EXPECT_TRUE(boxInterface->state().checkable);
  EXPECT_FALSE(boxInterface->state().checked);
  // Without a caption a control is named by its hint.
  EXPECT_EQ(radioInterface->role(), QAccessible::RadioButton);
  EXPECT_EQ(radioInterface->text(QAccessible::Name), "size");

  // The state follows the mouse and the tools' own action.
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_TRUE(boxInterface->state().checked);
  boxInterface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_FALSE(boxInterface->state().checked);
  radioInterface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(radioInterface->state().checked);
}

TEST_F(VisualControls, AnAnchorIsDrawnInTheReaderOnlyWithAnchorPreviewAndRegistersWithItsPage) {
  TZEBoggetto& anchor = zebmake::addObject(set, TOggettiHel::shortObj);
  anchor.record().setU8(field::state, 14);
  TZEBoggetto& triangle = zebmake::addObject(set, TOggettiHel::shortObj);
  triangle.record().setU8(field::state, 15);
  PageControls& controls = show("a" + testing::objectTag(anchor.ID()) + testing::objectTag(triangle.ID()));
  ASSERT_EQ(controls.controls().size(), 2u);
  auto* anchorMarker = dynamic_cast<TMyyBelPanel*>(controls.controls()[0]);
  auto* triangleMarker = dynamic_cast<TMyyBelPanel*>(controls.controls()[1]);
  ASSERT_TRUE(anchorMarker != nullptr && triangleMarker != nullptr);
  EXPECT_EQ(anchorMarker->size(), QSize(18, 18));
  EXPECT_FALSE(anchorMarker->drawn());
  EXPECT_TRUE(triangleMarker->drawn());
  EXPECT_EQ(pageWidget->page().anchors().size(), 1u);

  frames.setAnchorPreview(true);
  EXPECT_TRUE(anchorMarker->drawn());
  EXPECT_TRUE(triangleMarker->drawn());
  // Freed with its page, the marker leaves the page's list.
  pageWidget->leave(false);
  EXPECT_TRUE(pageWidget->page().anchors().empty());
}

TEST_F(VisualControls, AMarkerOfSubtype28TakesItsHintFromOnGetHint) {
  QObject::connect(&frames, &TZEBCustomFrameSet::OnGetHint, [](TZEBoggetto* object, std::string* hint) {
    *hint = "Field: " + object->attribute("description");
  });
  TZEBoggetto& marker = zebmake::addObject(set, TOggettiHel::shortObj);
  marker.record().setU8(field::state, 28);
  marker.setAttribute("description", "total");
  PageControls& controls = show(testing::objectTag(marker.ID()));
  ASSERT_EQ(controls.controls().size(), 1u);
  EXPECT_EQ(controls.controls()[0]->Hint(), "Field: total");
  EXPECT_EQ(controls.controls()[0]->size(), QSize(90, 18));
}

TEST_F(VisualControls, AControlOutsideAFrameSetStaysUnboundAndAPageObjectGetsNoControl) {
  PageControls& controls = show("x" + testing::objectTag(field(1, "a").ID()));
  TMyyVisual* bound = controls.controls().at(0);
  QWidget alone;
  std::unique_ptr<TMyyVisual> control(createVisualControl(bound->sizing(), bound->box(), bound->page(), &alone));
  ASSERT_NE(control, nullptr);
  control.release()->setParent(&alone);
  auto* loose = alone.findChild<TMyyVisual*>();
  loose->SetObject(bound->Object());
  EXPECT_EQ(loose->Object(), nullptr);
  ASSERT_EQ(platform.messages.shown().size(), 1u);
  EXPECT_EQ(platform.messages.shown()[0].text, messages::parentFrameSetMissing);

  TZEBtesto& other = zebmake::addPage(set, "other", "y");
  EmbeddedObjectStub stub(other);
  EXPECT_EQ(createVisualControl(stub, bound->box(), bound->page(), &alone), nullptr);
  ASSERT_EQ(platform.messages.shown().size(), 2u);
  EXPECT_EQ(platform.messages.shown()[1].text, messages::noControlForPages);
}

TEST_F(VisualControls, AnIndependentFrameShowsItsPageAndNamedFrameLookupsReachIt) {
  TZEBtesto& inner = zebmake::addPage(set, "inner", plainTag() + "inside");
  TZEBoggetto& floating = field(18, "preview", {{"width", "120"}, {"height", "60"}});
  floating.record().setI32(field::floatingPage, inner.Index());
  PageControls& controls = show("x" + testing::objectTag(floating.ID()));
  auto* control = first<TMyyFloating>(controls);
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(control->size(), QSize(120, 60));
  EXPECT_EQ(control->frames().MainPageNumber(), inner.Index());
  EXPECT_EQ(control->frames().ShownPages().at(0)->page().TextBox()->paragraph(0).Text, "inside");
  EXPECT_EQ(pageWidget->page().embeddedFrameSets().size(), 1u);
  TZEBFrame* found = frames.FindFrame("preview");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(&found->frameSet(), &control->frames());
  // Freed with its page, it leaves the page's list.
  pageWidget->leave(false);
  EXPECT_TRUE(pageWidget->page().embeddedFrameSets().empty());
}

TEST_F(VisualControls, AnIndependentFrameShowsNoPageAroundItAndNestsAtMostEightDeep) {
  const auto embed = [this](TZEBtesto& host, TZEBtesto& shown) {
    TZEBoggetto& floating = field(18, "frame", {{"width", "120"}, {"height", "60"}});
    floating.record().setI32(field::floatingPage, shown.Index());
    host.setText(plainTag() + "x" + testing::objectTag(floating.ID()) + '\0');
  };
  // The pages shown by the independent frames inside one another, outermost first, until
  // one is left empty.
  const auto nestedPages = [this] {
    std::vector<std::int32_t> pages;
    TZEBCustomFrameSet* level = &frames;
    while (!level->ShownPages().empty()) {
      auto* floating = first<TMyyFloating>(*level->ShownPages().at(0)->controls());
      if (floating == nullptr) break;
      level = &floating->frames();
      pages.push_back(level->MainPageNumber());
    }
    return pages;
  };

  TZEBtesto& itself = zebmake::addPage(set, "itself", "");
  embed(itself, itself);
  frames.setMainPageNumber(itself.Index());
  EXPECT_EQ(nestedPages(), (std::vector<std::int32_t>{-1}));

  TZEBtesto& one = zebmake::addPage(set, "one", "");
  TZEBtesto& other = zebmake::addPage(set, "other", "");
  embed(one, other);
  embed(other, one);
  frames.setMainPageNumber(one.Index());
  EXPECT_EQ(nestedPages(), (std::vector<std::int32_t>{other.Index(), -1}));

  std::vector<TZEBtesto*> chain;
  for (int i = 0; i < 10; ++i) chain.push_back(&zebmake::addPage(set, "chain", plainTag() + "last"));
  for (int i = 0; i + 1 < 10; ++i) embed(*chain[i], *chain[i + 1]);
  frames.setMainPageNumber(chain[0]->Index());
  std::vector<std::int32_t> expected;
  for (int i = 1; i <= TMyyFloating::maxNesting; ++i) expected.push_back(chain[i]->Index());
  expected.push_back(-1);
  EXPECT_EQ(nestedPages(), expected);

  // Pages that each hold three frames of the next page would multiply with every level (3^6
  // frames); no more than maxShowing show a page at once.
  std::vector<TZEBtesto*> levels;
  for (int i = 0; i < 7; ++i) levels.push_back(&zebmake::addPage(set, "level", ""));
  for (int i = 0; i + 1 < 7; ++i) {
    std::string text = plainTag();
    for (int k = 0; k < 3; ++k) {
      TZEBoggetto& floating = field(18, "frame", {{"width", "120"}, {"height", "60"}});
      floating.record().setI32(field::floatingPage, levels[i + 1]->Index());
      text += "x" + testing::objectTag(floating.ID());
    }
    levels[i]->setText(text + '\0');
  }
  frames.setMainPageNumber(levels[0]->Index());
  int showing = 0;
  for (const TMyyFloating* floating : frames.findChildren<TMyyFloating*>())
    if (floating->frames().MainPageNumber() >= 0) ++showing;
  EXPECT_EQ(showing, TMyyFloating::maxShowing);
}

TEST_F(VisualControls, ALinkClickedInAnIndependentFrameIsFollowedFromItsInnerPage) {
  TZEBtesto& target = zebmake::addPage(set, "target", plainTag() + "target");
  TZEBtesto& inner = zebmake::addPage(set, "inner", plainTag() + linkTo("inner:link") + "go<%>");
  TZEBoggetto& floating = field(18, "preview", {{"width", "200"}, {"height", "100"}, {"nested", "0"}});
  floating.record().setI32(field::floatingPage, inner.Index());
  std::vector<LinkSource> sources;
  QObject::connect(&frames, &TZEBCustomFrameSet::OnDoLink,
                   [&sources](LinkSource source, TZEBoggetto*) { sources.push_back(source); });
  auto* control = first<TMyyFloating>(show("x" + testing::objectTag(floating.ID())));
  ASSERT_NE(control, nullptr);
  EXPECT_FALSE(control->frames().ShowNested());
  frames.setActivePreview(true);
  control->Refresh();
  EXPECT_TRUE(control->frames().ActivePreview());

  PageWidget* innerPage = control->frames().ShownPages().at(0);
  QTest::mouseClick(innerPage->viewport(), Qt::LeftButton, {}, QPoint(5, 15));
  platform.events.runPending();
  platform.events.runPending();
  ASSERT_EQ(followed.size(), 1u);
  EXPECT_EQ(followed[0]->Name(), "inner:link");
  ASSERT_EQ(sources.size(), 1u);
  EXPECT_EQ(sources[0].box, innerPage->page().TextBox());
  TZEBpage* clicked = frames.pageShowing(sources[0].box);
  EXPECT_EQ(clicked, &innerPage->page());
  // "Show in this frame" shows the target in the independent frame; the host page stays.
  EXPECT_TRUE(frames.ShowInFrameOf(clicked, &target, -1, showInOneFrame));
  EXPECT_EQ(frames.ShownPages().at(0), pageWidget);
  EXPECT_EQ(control->frames().ShownPages().at(0)->page().PageIndex(), target.Index());
}

TEST_F(VisualControls, ARightClickMakesTheControlCurrentAndOpensItsMenuACopyCopiesItsObject) {
  QMenu menu;
  menu.addAction(QStringLiteral("Properties"));
  frames.setPopup(FramePopup::PopupButton, &menu);
  std::vector<TZEBbox*> selections;
  QObject::connect(&frames, &TZEBCustomFrameSet::OnSelectionChange,
                   [&selections](TZEBbox* box) { selections.push_back(box); });
  TMyyButton* control = first<TMyyButton>(show("a" + testing::objectTag(button(0).ID()) + "b"));
  ASSERT_NE(control, nullptr);
  selections.clear();
  QTest::mouseClick(control, Qt::RightButton, {}, QPoint(2, 2));
  EXPECT_EQ(frames.currentVisual(), control);
  EXPECT_EQ(selections, (std::vector<TZEBbox*>{&control->box()}));
  EXPECT_TRUE(menu.isVisible());
  menu.hide();
  frames.CopySelection();
  EXPECT_TRUE(control->box().hasSelection());
  EXPECT_EQ(control->box().SelStart().charIndex, 1);
  EXPECT_EQ(control->box().SelEnd().charIndex, 2);
}

TEST_F(VisualControls, ACustomObjectHoldsTheStandardControlOfItsTypeAndKeepsItAcrossRefreshes) {
  TZEBoggetto& custom = zebmake::addObject(set, TOggettiHel::multiMedia);
  custom.record().setU8(field::state, 6);
  custom.setAttribute("type", "8");
  auto* control = first<TMyyMultimedia>(show(testing::objectTag(custom.ID())));
  ASSERT_NE(control, nullptr);
  QWidget* inner = control->innerControl();
  ASSERT_NE(qobject_cast<QComboBox*>(inner), nullptr);
  EXPECT_EQ(inner->geometry(), control->rect());
  EXPECT_EQ(control->mediaPlayer(), nullptr);
  control->Refresh();
  EXPECT_EQ(control->innerControl(), inner);
  std::vector<QObject*> properties;
  QObject::connect(&frames, &TZEBCustomFrameSet::OnProperties,
                   [&properties](QObject* object) { properties.push_back(object); });
  QTest::mouseDClick(inner, Qt::LeftButton, {}, QPoint(2, 2));
  EXPECT_EQ(properties, (std::vector<QObject*>{control}));
}

TEST_F(VisualControls, MediaDeviceMessagesShowOncePerRunOtherErrorsEveryTime) {
  resetMediaErrorLatch();
  reportMediaError(platform.messages, MediaError::deviceNotWorking, "");
  reportMediaError(platform.messages, MediaError::deviceNotWorking, "");
  reportMediaError(platform.messages, MediaError::fileInUse, "");
  reportMediaError(platform.messages, MediaError::fileInUse, "");
  reportMediaError(platform.messages, MediaError::other, "no codec");
  reportMediaError(platform.messages, MediaError::other, "no codec");
  reportMediaError(platform.messages, MediaError::none, "");
  std::vector<std::string> texts;
  for (const ShownMessage& message : platform.messages.shown()) texts.push_back(message.text);
  EXPECT_EQ(texts, (std::vector<std::string>{std::string(messages::mediaDeviceNotWorking),
                                             std::string(messages::mediaFileInUse), "no codec", "no codec"}));
  resetMediaErrorLatch();
}

TEST_F(VisualControls, AMediaObjectWithoutItsFileHasAClosedPlayerAndNoMessage) {
  TZEBoggetto& media = zebmake::addObject(set, TOggettiHel::multiMedia);
  media.record().setU8(field::state, 1);
  PageControls& controls = show(testing::objectTag(media.ID()));
  auto* control = first<TMyyMultimedia>(controls);
  ASSERT_NE(control, nullptr);
  ASSERT_NE(control->mediaPlayer(), nullptr);
  EXPECT_FALSE(control->mediaPlayer()->opened());
  EXPECT_FALSE(control->mediaPlayer()->hasPlayer());
  EXPECT_EQ(control->size(), QSize(TMyMediaPlayer::barWidth, TMyMediaPlayer::barHeight));
  EXPECT_TRUE(platform.messages.shown().empty());
}

// A tenth of a second of silence as a WAV file: 8 kHz, 8 bits, mono.
std::vector<std::uint8_t> silence() {
  constexpr std::uint32_t samples = 800;
  std::vector<std::uint8_t> bytes;
  const auto text = [&](const char* four) { bytes.insert(bytes.end(), four, four + 4); };
  const auto number = [&](std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  };
  text("RIFF");
  number(36 + samples, 4);
  text("WAVE");
  text("fmt ");
  number(16, 4);
  number(1, 2);     // PCM
  number(1, 2);     // mono
  number(8000, 4);  // samples a second
  number(8000, 4);  // bytes a second
  number(1, 2);
  number(8, 2);
  text("data");
  number(samples, 4);
  bytes.insert(bytes.end(), samples, 0x80);
  return bytes;
}

TEST_F(VisualControls, OnlyBackgroundMediaWithPlaysLeftStartByThemselvesOthersOnARealSwitchOfTheMode) {
  TZEBoggetto& file = zebmake::addObject(set, TOggettiHel::genLink);
  file.setName("silence.wav");
  file.setPrimaryData(silence());
  const auto media = [&](testing::Attributes attributes) -> TZEBoggetto& {
    TZEBoggetto& object = zebmake::addObject(set, TOggettiHel::multiMedia);
    object.record().setU8(field::state, 1);
    object.record().setU32(field::multimediaObject, file.ID());
    for (const auto& [attribute, value] : attributes) object.setAttribute(attribute, value);
    return object;
  };
  TZEBoggetto& withBar = media({});
  TZEBoggetto& background = media({{"background", "1"}, {"repeat", "1"}});
  TZEBoggetto& noPlaysLeft = media({{"background", "1"}});
  PageControls& controls = show(testing::objectTag(withBar.ID()) + testing::objectTag(background.ID()) +
                                testing::objectTag(noPlaysLeft.ID()));
  const auto playing = [&controls] {
    std::vector<bool> states;
    for (TMyyVisual* control : controls.controls())
      states.push_back(static_cast<TMyyMultimedia*>(control)->mediaPlayer()->playing());
    return states;
  };
  ASSERT_EQ(controls.controls().size(), 3u);
  ASSERT_TRUE(static_cast<TMyyMultimedia*>(controls.controls()[0])->mediaPlayer()->opened());
  EXPECT_EQ(playing(), (std::vector<bool>{false, true, false}));
  // The frame set passes its modes down again (as after every build): nothing starts.
  frames.setReadOnly(true);
  frames.setAnimated(true);
  EXPECT_EQ(playing(), (std::vector<bool>{false, true, false}));
  // Leaving read-only mode stops them all; entering it plays them.
  frames.setReadOnly(false);
  EXPECT_EQ(playing(), (std::vector<bool>{false, false, false}));
  frames.setReadOnly(true);
  EXPECT_EQ(playing(), (std::vector<bool>{true, true, true}));
}

TEST_F(VisualControls, ALinkInATableCellIsFollowedAndShowsTheHandCursor) {
  show("top" + table({"plain", linkTo("cell:link") + "go<%>", "c", "d"}));
  TableCells& cells = tableOf(*pageWidget->controls());
  TextBoxWidget* viewport = pageWidget->viewport();
  // A hover with no button held (QTest's moves carry the buttons other tests left held).
  const QPoint over = inCell(cells, 0, 1, 8, 10);
  QMouseEvent hover(QEvent::MouseMove, over, viewport->mapToGlobal(over), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &hover);
  EXPECT_EQ(viewport->cursor().shape(), Qt::PointingHandCursor);
  QTest::mouseClick(viewport, Qt::LeftButton, {}, inCell(cells, 0, 1, 8, 10));
  platform.events.runPending();
  ASSERT_EQ(followed.size(), 1u);
  EXPECT_EQ(followed[0]->Name(), "cell:link");
  // A click on the plain cell follows nothing.
  QTest::mouseClick(viewport, Qt::LeftButton, {}, inCell(cells, 0, 0, 8, 10));
  platform.events.runPending();
  EXPECT_EQ(followed.size(), 1u);
}

TEST_F(VisualControls, TextSelectedInACellIsCopied) {
  show("top" + table({"alpha beta", "b", "c", "d"}));
  TableCells& cells = tableOf(*pageWidget->controls());
  TextBoxWidget* viewport = pageWidget->viewport();
  QTest::mousePress(viewport, Qt::LeftButton, {}, inCell(cells, 0, 0, 3, 10));
  QTest::mouseMove(viewport, inCell(cells, 0, 0, 30, 10));
  QTest::mouseMove(viewport, inCell(cells, 0, 0, 54, 10));
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, inCell(cells, 0, 0, 54, 10));
  EXPECT_TRUE(cells.cell(0, 0)->hasSelection());
  EXPECT_EQ(&viewport->inputBox(), cells.cell(0, 0));
  frames.CopySelection();
  ASSERT_TRUE(platform.clipboard.plainText().has_value());
  EXPECT_EQ(*platform.clipboard.plainText(), "alpha");
}

TEST_F(VisualControls, TheCaretGoesIntoACellAndOnToTheNextAndOutAfterTheTable) {
  frames.setReadOnly(false);
  frames.setAnimated(false);
  show("ab" + table({"x", "y", "z", "w"}) + plainTag() + "after");
  TableCells& cells = tableOf(*pageWidget->controls());
  TextBoxWidget* viewport = pageWidget->viewport();
  TZEBbox& box = *pageWidget->page().TextBox();
  frames.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&frames));
  viewport->setFocus();
  ASSERT_TRUE(viewport->hasFocus());
  box.moveCaret(box.positionOf(0, 2));  // before the table's character
  QTest::keyClick(viewport, Qt::Key_Right);
  EXPECT_EQ(&viewport->inputBox(), cells.cell(0, 0));
  QTest::keyClick(viewport, Qt::Key_Right);  // after "x"
  QTest::keyClick(viewport, Qt::Key_Right);  // on into the next cell
  EXPECT_EQ(&viewport->inputBox(), cells.cell(0, 1));
  EXPECT_EQ(cells.cell(0, 1)->Caret().charIndex, 0);
  // One caret shows, in the cell that has the keys.
  EXPECT_TRUE(cells.cell(0, 1)->CaretControl().shown());
  EXPECT_FALSE(cells.cell(0, 0)->CaretControl().shown());
  EXPECT_FALSE(box.CaretControl().shown());
  QTest::keyClick(viewport, Qt::Key_Left);  // back into the first
  EXPECT_EQ(&viewport->inputBox(), cells.cell(0, 0));
  EXPECT_EQ(cells.cell(0, 0)->Caret().charIndex, 1);
  // From the last cell out of the table, after its character.
  cells.cell(1, 1)->moveCaret(cells.cell(1, 1)->positionOf(cells.cell(1, 1)->HeaderCount(), 1));
  QTest::mouseClick(viewport, Qt::LeftButton, {}, inCell(cells, 1, 1, 12, 10));
  EXPECT_EQ(&viewport->inputBox(), cells.cell(1, 1));
  QTest::keyClick(viewport, Qt::Key_End);
  QTest::keyClick(viewport, Qt::Key_Right);
  EXPECT_EQ(&viewport->inputBox(), &box);
  EXPECT_EQ(box.Caret().charIndex, 3);
}

TEST_F(VisualControls, ASearchHitInACellIsScrolledIntoViewAndShownSelected) {
  std::string lines;
  for (int i = 0; i < 30; ++i) lines += plainTag() + "line";
  show(lines + table({"a", "b", "c", "the needle"}));
  TableCells& cells = tableOf(*pageWidget->controls());
  TZEBbox& box = *pageWidget->page().TextBox();
  EXPECT_EQ(box.VerticalPosition(), 0);
  ASSERT_TRUE(frames.FindInMainBox("needle"));
  EXPECT_TRUE(cells.cell(1, 1)->hasSelection());
  const BoxOffset offset = offsetInOutermostBox(*cells.cell(1, 1));
  EXPECT_GT(box.VerticalPosition(), 0);
  EXPECT_LE(box.VerticalPosition(), offset.y);
  EXPECT_GE(box.VerticalPosition() + pageWidget->clientRect().height(), offset.y + 20);
  EXPECT_EQ(pageWidget->viewport()->origin().y(), box.VerticalPosition());
}

}  // namespace
}  // namespace zeb
