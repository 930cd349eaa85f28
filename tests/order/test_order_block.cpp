// Which product lines an order carries, for every kind of line the user may click.
#include "catalogue.h"
#include "order_block.h"
#include "support_road_offer.h"

#include <gtest/gtest.h>

namespace {

const OfferDocument &Road() {
  return RoadWizard().offer;
}

// The road offer's landmarks, pinned so that the table below reads by meaning.
constexpr int kFirstHeading = 12;
constexpr int kFirstBlock[] = {18, 20};
constexpr int kSecondHeading = 25;
constexpr int kSecondNote = 28;
constexpr int kSecondBlock[] = {30, 31};
constexpr int kSecondTotal = 33;
constexpr int kThirdHeading = 36; // "Третий вариант ..." is not read as a heading
constexpr int kThirdBlock[] = {42, 44};

TEST(RoadOffer, HasTheLinesTheTableNames) {
  ASSERT_EQ(Road().count(), 47);
  EXPECT_EQ(Road().lineText(kFirstHeading), QStringLiteral("Вариант Первый:"));
  EXPECT_EQ(Road().lineText(kSecondHeading), QStringLiteral("Вариант Второй:"));
  EXPECT_TRUE(Road().lineText(kSecondTotal).startsWith(QStringLiteral("ИТОГО : ")));
  EXPECT_TRUE(Road().lineText(kThirdHeading).startsWith(QStringLiteral("Третий вариант")));
  for (const int *block : {kFirstBlock, kSecondBlock, kThirdBlock}) {
    EXPECT_FALSE(IsProductLine(Road().lineText(block[0] - 1)));
    for (int i = block[0]; i <= block[1]; ++i)
      EXPECT_TRUE(IsProductLine(Road().lineText(i))) << i;
    EXPECT_FALSE(IsProductLine(Road().lineText(block[1] + 1)));
  }
}

struct ClickCase {
  const char *what;
  int line;
  const int *block;
};

void PrintTo(const ClickCase &c, std::ostream *out) {
  *out << c.what;
}

class FindOrderBlockOnRoad : public testing::TestWithParam<ClickCase> {};

TEST_P(FindOrderBlockOnRoad, FindsTheVariantsProductLines) {
  const ClickCase &c = GetParam();
  const std::optional<OrderBlock> block = FindOrderBlock(Road(), c.line);
  ASSERT_TRUE(block.has_value()) << c.what;
  EXPECT_EQ(*block, (OrderBlock{c.block[0], c.block[1]})) << c.what << ": got " << block->first << ".." << block->last;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FindOrderBlockOnRoad,
    testing::Values(ClickCase{"heading of the second variant", kSecondHeading, kSecondBlock},
                    ClickCase{"hyphens under the second heading", kSecondHeading + 1, kSecondBlock},
                    ClickCase{"note between the heading and its products", kSecondNote, kSecondBlock},
                    ClickCase{"empty line above the products", kSecondBlock[0] - 1, kSecondBlock},
                    ClickCase{"first product line", kSecondBlock[0], kSecondBlock},
                    ClickCase{"last product line", kSecondBlock[1], kSecondBlock},
                    ClickCase{"middle of a three-line run", kFirstBlock[0] + 1, kFirstBlock},
                    ClickCase{"the variant's total line", kSecondTotal, kSecondBlock},
                    ClickCase{"empty line after the total", kSecondTotal + 1, kSecondBlock},
                    ClickCase{"empty line just above the next heading belongs above", kSecondHeading - 1, kFirstBlock},
                    ClickCase{"a heading that does not begin with the word goes up", kThirdHeading, kSecondBlock},
                    ClickCase{"the summary", 0, kFirstBlock}, ClickCase{"the scenario heading", 10, kFirstBlock},
                    ClickCase{"first variant heading", kFirstHeading, kFirstBlock},
                    ClickCase{"last line", 46, kThirdBlock},
                    ClickCase{"just past the last line, as after composing", 47, kThirdBlock},
                    ClickCase{"far below the offer", 1'000'000, kThirdBlock},
                    ClickCase{"negative line", -1, kFirstBlock}));

OfferDocument Document(std::initializer_list<const char16_t *> lines) {
  OfferDocument doc;
  for (const char16_t *line : lines)
    doc.addPlainLine(QString::fromUtf16(line));
  return doc;
}

TEST(FindOrderBlock, HeadingTestTrimsAndIgnoresCase) {
  EXPECT_TRUE(IsVariantHeadingLine(QStringLiteral("  вариант  Первый :")));
  EXPECT_TRUE(IsVariantHeadingLine(QStringLiteral("\x01ВАРИАНТЫ")));
  EXPECT_FALSE(IsVariantHeadingLine(QStringLiteral("Вариан")));
  EXPECT_FALSE(IsVariantHeadingLine(QStringLiteral("Третий вариант")));
}

TEST(FindOrderBlock, ProductTestComesBeforeHeadingTest) {
  const OfferDocument doc = Document({u"\x01 Вариант-грунт", u"\x01 краска", u"", u"Вариант Второй:", u"\x01 лак"});
  EXPECT_EQ(FindOrderBlock(doc, 1), (OrderBlock{0, 1}));
  EXPECT_EQ(FindOrderBlock(doc, 3), (OrderBlock{4, 4}));
}

TEST(FindOrderBlock, HeadingWithoutProductsTakesTheNextVariantsLines) {
  const OfferDocument doc =
      Document({u"Вариант Первый:", u"нет расчёта", u"", u"Вариант Второй:", u"\x01 лак", u"\x01 грунт"});
  EXPECT_EQ(FindOrderBlock(doc, 1), (OrderBlock{4, 5}));
}

TEST(FindOrderBlock, NothingToOrderWithoutAProductLineBelowTheSearch) {
  EXPECT_FALSE(FindOrderBlock(Document({u"Сводка", u"Вариант Первый:", u"нет расчёта"}), 2).has_value());
  EXPECT_FALSE(FindOrderBlock(Document({u"Сводка", u"Заметка"}), 5).has_value());
  EXPECT_FALSE(FindOrderBlock(OfferDocument(), 0).has_value());
  // A heading below the last run: the downward walk stops at the last line.
  EXPECT_FALSE(FindOrderBlock(Document({u"\x01 грунт", u"Вариант Второй:", u""}), 2).has_value());
}

} // namespace
