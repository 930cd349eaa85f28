#include "document_steps.h"
#include "test_case_names.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

struct FormatCase {
  const char *name;
  std::vector<DocumentStep> steps;
  std::vector<OfferLine> expected;
};
void PrintTo(const FormatCase &testCase, std::ostream *out) {
  *out << testCase.name;
}

const FormatCase kFormatCases[] = {
    {"plain line of a fresh document takes the view's default",
     {Plain(QStringLiteral("итого"))},
     {{QStringLiteral("итого"), {kBlack, 8, false, kTahoma}, true}}},
    {"coloured line sets colour, size and font",
     {Colored(QStringLiteral("a"), kBlue, false, 12)},
     {{QStringLiteral("a"), {kBlue, 12, false, kMsSansSerif}, false}}},
    {"bold stays on for later regular lines",
     {Colored(QStringLiteral("a"), kBlue, true), Colored(QStringLiteral("b"), kRed, false)},
     {{QStringLiteral("a"), {kBlue, 8, true, kMsSansSerif}, false},
      {QStringLiteral("b"), {kRed, 8, true, kMsSansSerif}, false}}},
    {"plain line takes the current format",
     {Colored(QStringLiteral("a"), kPurple, true, 12), Plain(QString())},
     {{QStringLiteral("a"), {kPurple, 12, true, kMsSansSerif}, false},
      {QString(), {kPurple, 12, true, kMsSansSerif}, true}}},
    {"size and colour follow every coloured line",
     {Colored(QStringLiteral("a"), kRed, false, 12), Colored(QStringLiteral("b"), kBlack, false, 8)},
     {{QStringLiteral("a"), {kRed, 12, false, kMsSansSerif}, false},
      {QStringLiteral("b"), {kBlack, 8, false, kMsSansSerif}, false}}},
    {"clear resets to Tahoma 8 black regular",
     {Colored(QStringLiteral("a"), kRed, true, 12), Clear(), Plain(QStringLiteral("b"))},
     {{QStringLiteral("b"), {kBlack, 8, false, kTahoma}, true}}},
};

class OfferDocumentFormat : public testing::TestWithParam<FormatCase> {};

TEST_P(OfferDocumentFormat, LinesCarryTheFormatOfTheViewAtTheirEnd) {
  const OfferDocument doc = DocumentOf(GetParam().steps);
  const std::vector<OfferLine> &expected = GetParam().expected;
  ASSERT_EQ(doc.count(), static_cast<int>(expected.size()));
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "line " << i);
    const OfferLine &line = doc.lines()[i];
    EXPECT_EQ(line.text, expected[i].text);
    EXPECT_EQ(line.format.color, expected[i].format.color);
    EXPECT_EQ(line.format.size, expected[i].format.size);
    EXPECT_EQ(line.format.bold, expected[i].format.bold);
    EXPECT_EQ(line.format.fontName, expected[i].format.fontName);
    EXPECT_EQ(line.plain, expected[i].plain);
  }
}

INSTANTIATE_TEST_SUITE_P(Semantics, OfferDocumentFormat, testing::ValuesIn(kFormatCases),
                         [](const testing::TestParamInfo<FormatCase> &info) { return TestCaseName(info.param.name); });

TEST(OfferDocument, DefaultFormatIsTahoma8BlackRegular) {
  EXPECT_EQ(OfferDocument::defaultFormat(), (LineFormat{kBlack, 8, false, kTahoma}));
}

TEST(OfferDocument, LinesReadBackByIndexAndOutsideIsEmpty) {
  OfferDocument doc;
  EXPECT_EQ(doc.count(), 0);
  EXPECT_EQ(doc.lineText(0), QString());

  const QString marked = QChar(0x0001) + QStringLiteral(" Праймер");
  doc.addColoredLine(QStringLiteral("Заголовок"), kBlue, true, 8);
  doc.addPlainLine(QString());
  doc.addPlainLine(marked);

  ASSERT_EQ(doc.count(), 3);
  EXPECT_EQ(doc.lineText(0), QStringLiteral("Заголовок"));
  EXPECT_EQ(doc.lineText(1), QString());
  EXPECT_EQ(doc.lineText(2), marked);
  EXPECT_EQ(doc.lineText(-1), QString());
  EXPECT_EQ(doc.lineText(doc.count()), QString());
  EXPECT_EQ(doc.lineText(1000), QString());
}

TEST(OfferDocument, ClearRemovesEveryLine) {
  OfferDocument doc;
  doc.addColoredLine(QStringLiteral("a"), kRed, true, 8);
  doc.addPlainLine(QStringLiteral("b"));
  doc.clear();
  EXPECT_EQ(doc.count(), 0);
  EXPECT_EQ(doc.lineText(0), QString());
}

} // namespace
