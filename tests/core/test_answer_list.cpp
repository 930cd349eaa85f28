#include "answer_list.h"

#include <gtest/gtest.h>

namespace {

const QStringList kThree{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};

TEST(AnswerList, StartsOnTheFirstItemAndEmptyListHasNoSelection) {
  const AnswerList list(kThree);
  EXPECT_EQ(list.selectedIndex(), 0);
  EXPECT_EQ(list.selectedText(), QStringLiteral("a"));

  const AnswerList empty;
  EXPECT_EQ(empty.selectedIndex(), -1);
  EXPECT_EQ(empty.selectedText(), QString());
}

TEST(AnswerList, SelectIgnoresIndexesOutsideTheList) {
  AnswerList list(kThree);
  list.select(2);
  list.select(3);
  list.select(-1);
  EXPECT_EQ(list.selectedIndex(), 2);
}

TEST(AnswerList, SetItemsReplacesTheListAndSelectsTheFirst) {
  AnswerList list(kThree);
  list.select(2);
  list.setItems({QStringLiteral("x"), QStringLiteral("y")});
  EXPECT_EQ(list.items(), (QStringList{QStringLiteral("x"), QStringLiteral("y")}));
  EXPECT_EQ(list.selectedIndex(), 0);

  list.setItems({});
  EXPECT_EQ(list.selectedIndex(), -1);
}

TEST(AnswerList, OverwriteKeepsTheSelectedPosition) {
  AnswerList list(kThree);
  list.select(1);
  list.overwrite(1, QStringLiteral("B"));
  list.overwrite(5, QStringLiteral("ignored"));
  EXPECT_EQ(list.items(), (QStringList{QStringLiteral("a"), QStringLiteral("B"), QStringLiteral("c")}));
  EXPECT_EQ(list.selectedText(), QStringLiteral("B"));
}

TEST(AnswerList, AppendKeepsTheSelectionAndSelectsInAnEmptyList) {
  AnswerList list(kThree);
  list.select(2);
  list.append(QStringLiteral("d"));
  EXPECT_EQ(list.count(), 4);
  EXPECT_EQ(list.selectedIndex(), 2);

  AnswerList empty;
  empty.append(QStringLiteral("only"));
  EXPECT_EQ(empty.selectedText(), QStringLiteral("only"));
}

TEST(AnswerList, RemoveAtKeepsThePositionOrClampsToTheLastItem) {
  struct Case {
    int selected;
    int removed;
    int expectedSelected;
    const char *expectedText;
  };
  const Case cases[] = {
      {0, 2, 0, "a"}, // behind the selection
      {2, 0, 1, "c"}, // list now shorter than the position: the last item
      {1, 0, 1, "c"}, // the position stays, so the next item moves under it
      {2, 2, 1, "b"}, // the selected last item removed
      {1, 7, 1, "b"}, // outside the list: nothing happens
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << "selected " << c.selected << ", removed " << c.removed);
    AnswerList list(kThree);
    list.select(c.selected);
    list.removeAt(c.removed);
    EXPECT_EQ(list.selectedIndex(), c.expectedSelected);
    EXPECT_EQ(list.selectedText(), QString::fromUtf8(c.expectedText));
  }
}

TEST(AnswerList, RemovingTheOnlyItemLeavesNoSelection) {
  AnswerList list({QStringLiteral("a")});
  list.removeAt(0);
  EXPECT_EQ(list.count(), 0);
  EXPECT_EQ(list.selectedIndex(), -1);
  EXPECT_EQ(list.selectedText(), QString());
}

} // namespace
