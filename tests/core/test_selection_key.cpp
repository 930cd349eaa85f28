// Answer keys: a piece of the upper-cased answer text.

#include "selection_key.h"

#include <gtest/gtest.h>

namespace {

TEST(SelectionKey, TakesCountCharactersFromTheOneBasedStartUpperCased) {
  const struct {
    const char16_t *text;
    int start;
    int count;
    const char16_t *expected;
  } cases[] = {
      {u"Гидроизоляция", 1, 8, u"ГИДРОИЗО"},
      {u"Пол (внутри помещения)", 1, 6, u"ПОЛ (В"},
      {u"Цвет покрытия прозрачный", 15, 4, u"ПРОЗ"},
      {u"ёлка", 1, 5, u"ЁЛКА"},            // a short text yields what exists
      {u"ПВХ (мембрана)", 1, 5, u"ПВХ ("}, // already upper case
      {u"Кровля", 7, 2, u""},              // starts behind the end
      {u"Кровля", 0, 2, u""},
      {u"Кровля", 1, 0, u""},
      {u"", 1, 5, u""},
      {u"Straße", 4, 3, u"ASSE"}, // full case mapping: ß becomes SS
      {u"ﬁrst", 1, 5, u"FIRST"},
  };
  for (const auto &c : cases) {
    const QString text = QString::fromUtf16(c.text);
    EXPECT_EQ(SelectionKey(text, c.start, c.count), QString::fromUtf16(c.expected))
        << text.toStdString() << " " << c.start << " " << c.count;
  }
}

TEST(UpperCasedPrefix, UpperCasesTheWholeTextBeforeCutting) {
  EXPECT_EQ(UpperCasedPrefix(QStringLiteral("СуперБелый"), 5), QStringLiteral("СУПЕР"));
  EXPECT_EQ(UpperCasedPrefix(QStringLiteral("Лист ландыша"), 5), QStringLiteral("ЛИСТ "));
  EXPECT_EQ(UpperCasedPrefix(QStringLiteral("Бор"), 5), QStringLiteral("БОР"));
  EXPECT_EQ(UpperCasedPrefix(QStringLiteral("straße"), 5), QStringLiteral("STRAS"));
  EXPECT_EQ(SelectionKey(QStringLiteral("straße"), 1, 5), QStringLiteral("STRASS")); // cut, then upper-cased
}

} // namespace
