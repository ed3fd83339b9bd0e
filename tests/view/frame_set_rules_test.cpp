// The frame set's decisions that need no window: the guard around page changes, timed
// links, the handling of followed links, frame names, the boxes acted on and key steps.
#include <gtest/gtest.h>

#include <stdexcept>

#include "document/container.h"
#include "document/page_object.h"
#include "tests/support/test_platform.h"
#include "text/measurement_cache.h"
#include "text/text_box.h"
#include "tools/zebmake/book_model.h"
#include "view/box_choice.h"
#include "view/frame_names.h"
#include "view/frame_set_keys.h"
#include "view/link_rules.h"
#include "view/object_placeholder.h"
#include "view/page_change.h"
#include "view/page_history.h"
#include "view/page_view.h"
#include "view/timed_link.h"

namespace zeb {
namespace {

// --- Page changes.

struct ChangeLog {
  std::vector<std::string> steps;
  bool buildResult = true;
  bool throwInBuild = false;
  bool busyDuringBuild = false;
  PageChangeGate* gate = nullptr;

  PageChangeSteps steps_() {
    return {[this] { steps.push_back("forget"); },
            [this] {
              steps.push_back("build");
              busyDuringBuild = gate->busy();
              if (throwInBuild) throw std::runtime_error("broken");
              return buildResult;
            },
            [this] { steps.push_back(gate->busy() ? "focus while busy" : "focus"); },
            [this] { steps.push_back("changed"); }};
  }
};

TEST(PageChange, BuildsFocusesAndRaisesTheEventOnceAndTheSamePageOnlyTakesTheFocus) {
  testing::TestPlatform platform;
  PageChangeGate gate;
  ChangeLog log;
  log.gate = &gate;
  EXPECT_TRUE(gate.change(-2, 5, false, &platform.messages, log.steps_()));
  EXPECT_EQ(log.steps, (std::vector<std::string>{"forget", "build", "forget", "focus", "changed"}));
  EXPECT_TRUE(log.busyDuringBuild);
  EXPECT_FALSE(gate.busy());

  log.steps.clear();
  EXPECT_FALSE(gate.change(5, 5, false, &platform.messages, log.steps_()));
  EXPECT_EQ(log.steps, (std::vector<std::string>{"focus"}));

  // Frames of another page shown in it: the same number builds again.
  log.steps.clear();
  EXPECT_TRUE(gate.change(5, 5, true, &platform.messages, log.steps_()));
  EXPECT_EQ(log.steps.back(), "changed");

  // Showing nothing (-1) builds no page, focuses nothing and still raises the event.
  log.steps.clear();
  log.buildResult = false;
  EXPECT_TRUE(gate.change(5, -1, false, &platform.messages, log.steps_()));
  EXPECT_EQ(log.steps, (std::vector<std::string>{"forget", "build", "changed"}));
  EXPECT_TRUE(platform.messages.shown().empty());
}

TEST(PageChange, AFailedChangeLatchesAndLaterChangesDoNothing) {
  testing::TestPlatform platform;
  PageChangeGate gate;
  ChangeLog log;
  log.gate = &gate;
  log.throwInBuild = true;
  EXPECT_FALSE(gate.change(1, 2, false, &platform.messages, log.steps_()));
  EXPECT_TRUE(gate.latched());
  EXPECT_FALSE(gate.busy());
  EXPECT_EQ(platform.messages.shown(),
            (std::vector<ShownMessage>{
                {MessageKind::error, "Unknown error. Better to save and exit. You might have to reboot."}}));

  log.throwInBuild = false;
  log.steps.clear();
  EXPECT_FALSE(gate.change(1, 3, false, &platform.messages, log.steps_()));
  EXPECT_FALSE(gate.change(1, 1, false, &platform.messages, log.steps_()));
  EXPECT_TRUE(log.steps.empty());
  EXPECT_EQ(platform.messages.shown().size(), 1u);
}

TEST(PageChange, AnEventHandlerThatThrowsLatchesTooButAFocusFailureDoesNot) {
  testing::TestPlatform platform;
  PageChangeGate gate;
  PageChangeSteps steps{[] {}, [] { return true; }, [] { throw std::runtime_error("no focus"); },
                        [] {}};
  EXPECT_TRUE(gate.change(1, 2, false, &platform.messages, steps));
  EXPECT_FALSE(gate.latched());
  steps.pageChanged = [] { throw std::runtime_error("handler"); };
  steps.focusCurrentBox = [] {};
  EXPECT_FALSE(gate.change(2, 3, false, &platform.messages, steps));
  EXPECT_TRUE(gate.latched());
}

TEST(PageHistory, KeepsTheLatestEntryAfterGoingBackAndDropsTheOldestBeyondItsLimit) {
  PageHistory history;
  EXPECT_FALSE(history.latest().has_value());
  history.push(4);
  history.push(9);
  EXPECT_EQ(history.latest(), 9);
  EXPECT_EQ(history.latest(), 9);
  for (std::size_t i = 0; i < PageHistory::maxEntries; ++i) history.push(static_cast<std::int32_t>(100 + i));
  EXPECT_EQ(history.entries().size(), PageHistory::maxEntries);
  EXPECT_EQ(history.entries().front(), 100);
}

// --- Book-based rules.

class FrameSetRules : public ::testing::Test {
 protected:
  TZEBtesto& addPage(std::string_view text = "<Z S0 >page") { return zebmake::addPage(set, "page", text); }

  testing::TestPlatform platform;
  TZEBset set{platform.services()};
  MeasurementCache measures{platform.measurer};
  PageOwner owner;
};

TEST_F(FrameSetRules, TimedLinksWaitTheirDelayInSecondsAtLeastATenthAndOnlyInReadOnlyPreview) {
  EXPECT_EQ(timedLinkInterval(0), 100);
  EXPECT_EQ(timedLinkInterval(3), 3000);
  EXPECT_EQ(timedLinkInterval(-4), 100);
  EXPECT_EQ(timedLinkInterval(32767), 32767000);

  TZEBtesto& target = addPage();
  TZEBtesto& page = addPage();
  page.record().setI32(field::pageTimedLinkTarget, static_cast<std::int32_t>(target.ID()));
  page.record().setI16(field::pageTimedLinkDelay, 3);
  const auto plan = planTimedLink(set, &page, true, true);
  ASSERT_TRUE(plan.has_value());
  EXPECT_EQ(plan->target, &target);
  EXPECT_EQ(plan->interval, 3000);

  EXPECT_FALSE(planTimedLink(set, &page, false, true).has_value());
  EXPECT_FALSE(planTimedLink(set, &page, true, false).has_value());
  EXPECT_FALSE(planTimedLink(set, nullptr, true, true).has_value());
  page.record().setI32(field::pageTimedLinkTarget, -1);
  EXPECT_FALSE(planTimedLink(set, &page, true, true).has_value());
  page.record().setI32(field::pageTimedLinkTarget, 0x00123456);  // no such page
  EXPECT_FALSE(planTimedLink(set, &page, true, true).has_value());
}

TEST_F(FrameSetRules, FollowedLinksJumpByThemselvesOnlyWithAutoJumpAndNeverFromTheFrameSet) {
  TZEBtesto& target = addPage();
  const LinkSource box{LinkSourceKind::textBox};
  const LinkSource timer{LinkSourceKind::frameSet};

  EXPECT_FALSE(planFollowLink(&set, nullptr, box, true).proceed);
  testing::TestPlatform otherPlatform;
  TZEBset other(otherPlatform.services());
  EXPECT_FALSE(planFollowLink(&other, &target, box, true).proceed);

  FollowLinkPlan plan = planFollowLink(&set, &target, box, true);
  EXPECT_TRUE(plan.proceed);
  EXPECT_EQ(plan.jumpTo, target.Index());
  EXPECT_FALSE(plan.raisesShownPage);
  EXPECT_FALSE(planFollowLink(&set, &target, box, false).jumpTo.has_value());
  plan = planFollowLink(&set, &target, timer, true);
  EXPECT_TRUE(plan.proceed);
  EXPECT_FALSE(plan.jumpTo.has_value());
}

TEST_F(FrameSetRules, LinkActionsJumpToThePageTheyNameOrTheNextOrPreviousOfTheBoxPage) {
  addPage();  // page 0 is never a jump target
  TZEBtesto& first = addPage();
  TZEBtesto& second = addPage();
  TZEBtesto& third = addPage();
  for (TZEBtesto* page : {&first, &second, &third}) {
    page->record().setI16(field::pageSequenceGroup, 7);
    page->record().setI16(field::pageSequenceNumber, static_cast<std::int16_t>(page->Index()));
  }
  TZEBoggetto& goTo = zebmake::addObject(set, TOggettiHel::speclink);
  goTo.record().setU8(field::state, 1);
  goTo.record().setI32(field::actionTarget, static_cast<std::int32_t>(third.ID()));
  TZEBoggetto& next = zebmake::addObject(set, TOggettiHel::speclink);
  next.record().setU8(field::state, 4);
  TZEBoggetto& previous = zebmake::addObject(set, TOggettiHel::speclink);
  previous.record().setU8(field::state, 5);
  TZEBoggetto& keywords = zebmake::addObject(set, TOggettiHel::speclink);
  keywords.record().setU8(field::state, 3);

  TZEBpage page(set, measures, owner);
  page.setClientSize(300, 200);
  page.ShowText(&second);
  const LinkSource box{LinkSourceKind::textBox, page.TextBox()};

  FollowLinkPlan plan = planFollowLink(&set, &goTo, box, true);
  EXPECT_EQ(plan.jumpTo, third.Index());
  EXPECT_TRUE(plan.raisesShownPage);
  EXPECT_EQ(planFollowLink(&set, &next, box, true).jumpTo, third.Index());
  EXPECT_EQ(planFollowLink(&set, &previous, box, true).jumpTo, first.Index());
  EXPECT_FALSE(planFollowLink(&set, &keywords, box, true).jumpTo.has_value());
  EXPECT_FALSE(planFollowLink(&set, &next, box, false).jumpTo.has_value());

  // The page's preview panels count as the page's box; the target must be a page above 0.
  EXPECT_EQ(planFollowLink(&set, &next, LinkSource{LinkSourceKind::page, nullptr, &page}, true).jumpTo,
            third.Index());
  goTo.record().setI32(field::actionTarget, static_cast<std::int32_t>(keywords.ID()));
  EXPECT_FALSE(planFollowLink(&set, &goTo, box, true).jumpTo.has_value());
  goTo.record().setI32(field::actionTarget, 0);
  EXPECT_FALSE(planFollowLink(&set, &goTo, box, true).jumpTo.has_value());
}

TEST_F(FrameSetRules, AnOnclickAttributeAskingToPrintPrintsInAnyCase) {
  TZEBoggetto& link = zebmake::addObject(set, TOggettiHel::internetLink);
  link.setSecondaryData(zebmake::attributeBlob("", "onclick=\"window.Print(1);\""));
  EXPECT_TRUE(planFollowLink(&set, &link, LinkSource{}, false).printPage);
  link.setSecondaryData(zebmake::attributeBlob("", "onclick=\"print(2)\""));
  EXPECT_FALSE(planFollowLink(&set, &link, LinkSource{}, false).printPage);
}

// --- Frame names.

class TestFrame final : public NamedFrame {
 public:
  explicit TestFrame(std::string name) : name_(std::move(name)) {}
  TestFrame& add(std::string name) { return *children_.emplace_back(std::make_unique<TestFrame>(std::move(name))); }
  std::string frameName() const override { return name_; }
  int childFrameCount() const override { return static_cast<int>(children_.size()); }
  NamedFrame& childFrame(int index) const override { return *children_[static_cast<std::size_t>(index)]; }
  TZEBpage* framePage() const override { return page; }
  TZEBpage* page = nullptr;

 private:
  std::string name_;
  std::vector<std::unique_ptr<TestFrame>> children_;
};

class TestFloatingFrames final : public EmbeddedFrameSet {
 public:
  NamedFrame* findFrameNamed(std::string_view name) override { return findFrameByName(root, name); }
  TestFrame root{"Floating"};
};

TEST_F(FrameSetRules, FramesAreFoundByNameIgnoringCaseFirstInDepthFirstOrder) {
  TestFrame root("Pag1");
  TestFrame& left = root.add("Left");
  TestFrame& deep = left.add("Contents");
  TestFrame& right = root.add("CONTENTS");
  EXPECT_EQ(findFrameByName(root, "contents"), &deep);
  EXPECT_EQ(findFrameByName(root, "pag1"), &root);
  EXPECT_EQ(findFrameByName(root, "missing"), nullptr);
  EXPECT_EQ(findFrameByName(right, "Contents"), &right);

  // Names are compared with the book's own lower-casing: accented capitals too.
  TestFrame accented("\xC8TUDE");
  EXPECT_EQ(findFrameByName(accented, "\xE8tude"), &accented);
}

TEST_F(FrameSetRules, FloatingFrameSetsOfALeafAreSearchedBeforeItsLaterSiblings) {
  TZEBpage page(set, measures, owner);
  TestFloatingFrames floating;
  TestFrame& inside = floating.root.add("target");
  page.registerFrameSet(floating);
  page.registerFrameSet(floating);
  EXPECT_EQ(page.embeddedFrameSets().size(), 1u);

  TestFrame root("Pag1");
  TestFrame& leaf = root.add("Leaf");
  leaf.page = &page;
  root.add("Target");
  EXPECT_EQ(findFrameByName(root, "TARGET"), &inside);
  page.unregisterFrameSet(floating);
  EXPECT_NE(findFrameByName(root, "TARGET"), &inside);
}

TEST_F(FrameSetRules, FrameNamesHoldNineteenCharacters) {
  EXPECT_EQ(frameNameOf("a floating object's long name"), "a floating object's");
}

// --- Boxes acted on.

TEST_F(FrameSetRules, CurrentAndMainBoxesAndTheAnchorPage) {
  TZEBtesto& one = addPage();
  TZEBtesto& two = addPage();
  TZEBpage first(set, measures, owner);
  TZEBpage second(set, measures, owner);
  TZEBpage empty(set, measures, owner);
  first.ShowText(&one);
  second.ShowText(&two);
  const std::vector<TZEBpage*> registry = {&first, &second, &empty};

  ShownBoxes shown{nullptr, nullptr, registry, one.Index()};
  EXPECT_EQ(chooseCurrentBox(shown), second.TextBox());  // the latest page that loaded a text
  EXPECT_EQ(chooseMainBox(shown), first.TextBox());
  EXPECT_EQ(chooseAnchorPage(shown), &first);

  shown.currentControl = first.TextBox();
  shown.mainPageNumber = 77;
  EXPECT_EQ(chooseCurrentBox(shown), first.TextBox());
  EXPECT_EQ(chooseMainBox(shown), nullptr);
  EXPECT_EQ(chooseAnchorPage(shown), &first);  // the page of the current box

  shown.rootPage = &second;
  EXPECT_EQ(chooseMainBox(shown), second.TextBox());
  shown.currentControl = nullptr;
  EXPECT_EQ(chooseCurrentBox(shown), second.TextBox());
  EXPECT_EQ(pageHolding(registry, nullptr), nullptr);
}

TEST(FrameSetKeys, PageKeysStepByThePageLessTwentyAtLeastTenArrowsByTwenty) {
  EXPECT_EQ(frameSetScrollStep(Key::pageDown, 25), (ScrollStep{0, 10}));
  EXPECT_EQ(frameSetScrollStep(Key::pageUp, 200), (ScrollStep{0, -180}));
  EXPECT_EQ(frameSetScrollStep(Key::down, 200), (ScrollStep{0, 20}));
  EXPECT_EQ(frameSetScrollStep(Key::left, 200), (ScrollStep{-20, 0}));
  EXPECT_FALSE(frameSetScrollStep(Key::home, 200).has_value());
}

TEST_F(FrameSetRules, ObjectsThatAreNoPagesShowALinkToThemselves) {
  for (int i = 0; i < 10; ++i) zebmake::addObject(set, TOggettiHel::immagine);
  TZEBoggetto& picture = zebmake::addObject(set, TOggettiHel::immagine);
  picture.setName("a<b>&c");
  EXPECT_EQ(objectPlaceholderText(picture),
            "<Z S0 >Here an object will be shown. Click here to display:<Z S0 ><$0500000a>a&lt;b&gt;&amp;c<%>");
}

}  // namespace
}  // namespace zeb
