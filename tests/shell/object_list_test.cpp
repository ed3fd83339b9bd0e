// Object lists: which objects a reload takes, their columns and icons, and the comparison.
#include "shell/object_list.h"

#include <gtest/gtest.h>

#include "document/book_object.h"
#include "tests/shell/shell_test_support.h"

namespace zeb {
namespace {

using ObjectListTest = testing::ShellBook;

std::vector<std::string> captions(const std::vector<ObjectListItem>& items) {
  std::vector<std::string> out;
  for (const auto& item : items) out.push_back(item.caption);
  return out;
}

TEST_F(ObjectListTest, PagesAreListedWithSizeNumberAndHexadecimalNumberSortedBySize) {
  zebmake::addPage(set, "Long", "<Z S0 >a longer text");
  zebmake::addPage(set, "Gone", "<Z S0 >");
  zebmake::addPage(set, "short", "<Z S0 >");
  for (int i = 3; i < 11; ++i) zebmake::addPage(set, "p" + std::to_string(i), "<Z S0 >tenth page");
  set.slot(TOggettiHel::testoHtml, 1)->Release();
  const auto items = listObjectItems(set, TOggettiHel::testoHtml);
  ASSERT_EQ(items.size(), 10u);
  EXPECT_EQ(items[0].caption, "short");  // 8 bytes with the zero byte, before 17 and 22
  EXPECT_EQ(items[0].subItems, (std::vector<std::string>{"8", "", "2", "000002"}));
  EXPECT_EQ(items[0].identifier, 2u);
  EXPECT_EQ(items[0].icon, ItemIcon::ofFileType(".txt"));
  EXPECT_EQ(items[1].caption, "p3");  // equal sizes keep the book's order
  EXPECT_EQ(items[8].subItems[3], "00000A");
  EXPECT_EQ(items[9].caption, "Long");
}

TEST_F(ObjectListTest, BookLinksAndOtherDataSetsAreLeftOutUnlessTheFilterTakesThem) {
  zebmake::addObject(set, TOggettiHel::internetLink).setName("http://example.com/");
  TZEBoggetto& bookLink = zebmake::addObject(set, TOggettiHel::internetLink);
  bookLink.setName("nexo:|3");
  bookLink.record().setU8(field::state, 6);
  zebmake::addObject(set, TOggettiHel::internetLink).setName("mailto:someone@example.com");
  zebmake::addObject(set, TOggettiHel::internetLink).Release();
  EXPECT_EQ(captions(listObjectItems(set, TOggettiHel::internetLink)),
            (std::vector<std::string>{"http://example.com/", "mailto:someone@example.com"}));
  // The filter sees the list's decision and may change it; released slots never reach it.
  std::vector<std::pair<std::string, bool>> seen;
  const auto filtered = listObjectItems(set, TOggettiHel::internetLink, [&](TZEBoggetto& object, bool& accept) {
    seen.emplace_back(object.Name(), accept);
    accept = !accept;
  });
  EXPECT_EQ(captions(filtered), (std::vector<std::string>{"nexo:|3"}));
  EXPECT_EQ(seen, (std::vector<std::pair<std::string, bool>>{
                      {"http://example.com/", true}, {"nexo:|3", false}, {"mailto:someone@example.com", true}}));

  // The named-file list (variant 1) is a data set the lists never show.
  zebmake::addObject(set, TOggettiHel::dbloc).record().setU8(field::dataSetVariant, 11);
  const auto dataSets = listObjectItems(set, TOggettiHel::dbloc);
  ASSERT_EQ(dataSets.size(), 1u);
  EXPECT_EQ(dataSets[0].identifier, objectId(TOggettiHel::dbloc, 1));
  EXPECT_EQ(dataSets[0].icon, ItemIcon::ofFileType(".dsn"));
}

TEST_F(ObjectListTest, IconsFollowTheKindAndForLinksTheTarget) {
  auto iconOfLink = [&](std::string_view target) {
    TZEBoggetto& link = zebmake::addObject(set, TOggettiHel::internetLink);
    link.setName(target);
    return objectIcon(link);
  };
  EXPECT_EQ(iconOfLink("http://a.example/"), ItemIcon::ofFileType(".htm"));
  EXPECT_EQ(iconOfLink("Mailto:me@example.com"), ItemIcon::ofFileType(".msg"));
  EXPECT_EQ(iconOfLink("ftp://files.example/"), ItemIcon::folder());
  EXPECT_EQ(iconOfLink("www.example.com/index.HTML"), ItemIcon::ofFileType(".htm"));
  EXPECT_EQ(iconOfLink("www.example.com/"), ItemIcon());
  EXPECT_EQ(iconOfLink(""), ItemIcon());

  TZEBoggetto& file = zebmake::addObject(set, TOggettiHel::genLink);
  file.setFileName("manual.pdf");
  EXPECT_EQ(objectIcon(file), ItemIcon::ofFileType("manual.pdf"));
  EXPECT_EQ(objectIcon(zebmake::addObject(set, TOggettiHel::keyword)), ItemIcon());
  EXPECT_EQ(objectIcon(zebmake::addObject(set, TOggettiHel::custom)), ItemIcon::ofFileType(".ini"));
  EXPECT_EQ(objectIcon(zebmake::addObject(set, TOggettiHel::mappaFrame)), ItemIcon::folder());
}

TEST_F(ObjectListTest, ComparisonByColumn) {
  const ObjectListItem a{"apple", {"9", "Zeta.txt", "3"}, 1, {}};
  const ObjectListItem b{"Banana", {"10", "alpha.txt"}, 2, {}};
  const ObjectListItem empty{"", {"", ""}, 3, {}};
  EXPECT_LT(compareObjectListItems(a, b, 0), 0);  // ignoring case
  EXPECT_LT(compareObjectListItems(a, b, 1), 0);  // 9 before 10, as numbers
  EXPECT_GT(compareObjectListItems(a, b, 2), 0);  // "zeta" after "alpha"
  EXPECT_EQ(compareObjectListItems(a, b, 3), 0);  // b has no page column
  EXPECT_GT(compareObjectListItems(a, b, -1), 0);
  EXPECT_LT(compareObjectListItems(empty, a, 1), 0);  // an empty size counts as 0

  // Keywords have two sub-items: sorting by the page column keeps their order.
  zebmake::addObject(set, TOggettiHel::keyword).setName("zebra");
  zebmake::addObject(set, TOggettiHel::keyword).setName("Ant");
  auto keywords = listObjectItems(set, TOggettiHel::keyword);
  ASSERT_EQ(keywords[0].subItems, (std::vector<std::string>{"0", ""}));
  sortObjectListItems(keywords, 3);
  EXPECT_EQ(captions(keywords), (std::vector<std::string>{"zebra", "Ant"}));
  sortObjectListItems(keywords, 0);
  EXPECT_EQ(captions(keywords), (std::vector<std::string>{"Ant", "zebra"}));
}

}  // namespace
}  // namespace zeb
