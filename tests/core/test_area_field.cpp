#include "area_field.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

TEST(AreaField, OnlyCommaAndDigitsMayBeTyped) {
  for (const QChar c : QStringLiteral("0123456789,"))
    EXPECT_TRUE(AreaKeyAccepted(c)) << c.unicode();
  for (const QChar c : QStringLiteral(".-+ eEa\b\r\x1b\x16Ю"))
    EXPECT_FALSE(AreaKeyAccepted(c)) << c.unicode();
}

TEST(AreaField, PastedTextKeepsDigitsAndCommas) {
  const std::pair<QString, QString> cases[] = {
      {QStringLiteral("12,5"), QStringLiteral("12,5")},
      {QStringLiteral(" 1 000.5 м²"), QStringLiteral("10005")},
      {QStringLiteral("-3,,4"), QStringLiteral("3,,4")},
      {QStringLiteral("abc"), QString()},
  };
  for (const auto &[pasted, kept] : cases)
    EXPECT_EQ(FilterAreaText(pasted), kept) << pasted.toStdString();
}

// The decimal comma works whatever the user's locale says.
TEST(AreaField, ParsesTheSameUnderEveryLocale) {
  const std::pair<QString, double> good[] = {
      {QStringLiteral("100"), 100.0},   {QStringLiteral("12,5"), 12.5}, {QStringLiteral("0,0"), 0.0},
      {QStringLiteral("0"), 0.0},       {QStringLiteral(",5"), 0.5},    {QStringLiteral("7,"), 7.0},
      {QStringLiteral("007,25"), 7.25},
  };
  const QString bad[] = {QString(),
                         QStringLiteral(","),
                         QStringLiteral("1,2,3"),
                         QStringLiteral("12.5"),
                         QStringLiteral("1 000"),
                         QStringLiteral("-5"),
                         QStringLiteral("1e3"),
                         QStringLiteral("abc")};
  const QLocale saved;
  for (const char *name : {"C", "de_DE", "en_US", "ru_RU"}) {
    SCOPED_TRACE(name);
    QLocale::setDefault(QLocale(QString::fromLatin1(name)));
    for (const auto &[text, value] : good) {
      const std::optional<double> parsed = ParseArea(text);
      ASSERT_TRUE(parsed.has_value()) << text.toStdString();
      EXPECT_EQ(*parsed, value) << text.toStdString();
    }
    for (const QString &text : bad)
      EXPECT_FALSE(ParseArea(text).has_value()) << text.toStdString();
  }
  QLocale::setDefault(saved);
}

} // namespace
