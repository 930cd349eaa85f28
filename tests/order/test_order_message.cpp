// The order e-mail's subject and body, and the form's lists.
#include "main_caption.h"
#include "order_lists.h"
#include "order_message.h"
#include "support_road_offer.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

OrderFields Contact() {
  OrderFields fields;
  fields.name = QStringLiteral(" Иван ");
  fields.surname = QStringLiteral("Петров");
  fields.email = QStringLiteral("ivan@mail.ru");
  fields.company = QString();
  fields.phone = QStringLiteral("+7(916)123-4567");
  fields.country = QStringLiteral("Россия");
  fields.region = QStringLiteral("Бурятия ");
  fields.address = QStringLiteral("ул. Ленина, 1");
  return fields;
}

TEST(OrderMessage, VersionTagIsTheCaptionsDate) {
  EXPECT_EQ(OrderVersionTag(kMainCaption), QStringLiteral("20220618"));
  EXPECT_EQ(OrderVersionTag(QStringLiteral("x 2023")), QStringLiteral("2023"));
}

TEST(OrderMessage, BodyOfTheSecondRoadVariant) {
  const OrderBlock block{30, 31};
  const OrderMail mail = ComposeOrderMail(Contact(), RoadWizard().offer, block, kMainCaption, QDate(2026, 12, 9),
                                          QLocale(QLocale::Russian, QLocale::Russia));
  const QString rule(76, QLatin1Char('-'));
  const QStringList expected = {
      QStringLiteral("Версия ПО : 20220618"),
      rule,
      QStringLiteral("Имя      :     Иван "),
      QStringLiteral("Фамилия  :    Петров"),
      QStringLiteral("E-Mail   :    ivan@mail.ru"),
      QStringLiteral("Юр.лицо  :    "),
      QStringLiteral("Телефон  :    +7(916)123-4567"),
      QStringLiteral("Страна   :    Россия"),
      QStringLiteral("Область  :    Бурятия "),
      QStringLiteral("Адрес    :    ул. Ленина, 1"),
      rule,
      QStringLiteral("Грунт Сарвет Адгезив  20 Л * 580 Руб. = 11600 Руб."),
      QStringLiteral("Жидкая Кровля Тавилон Про ( Цвет: Лист ландыша )  150 Кг * 620 Руб. = 93000 Руб."),
  };
  EXPECT_EQ(mail.body, expected);
  for (int i = 2; i < 10; ++i)
    EXPECT_EQ(mail.body[i].indexOf(QLatin1Char(':')), 9) << i;
  EXPECT_EQ(mail.subject, QStringLiteral("Заказ \" Иван  от 09.12.2026\""));
}

TEST(OrderMessage, ThreeProductLinesLoseTheirMarker) {
  const QStringList lines = OrderProductLines(RoadWizard().offer, OrderBlock{18, 20});
  ASSERT_EQ(lines.size(), 3);
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Жидкая Кровля Тавилон (")));
  EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Грунт Универсальный")));
  EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Геотекстиль")));
}

TEST(OrderMessage, SubjectDateFollowsTheLocalesShortFormat) {
  EXPECT_EQ(OrderSubject(QStringLiteral("Ann"), QDate(2026, 1, 2), QLocale::c()),
            QStringLiteral("Заказ \"Ann от ") + QLocale::c().toString(QDate(2026, 1, 2), QLocale::ShortFormat) + "\"");
}

struct CountryCase {
  int index;
  const char16_t *name;
  const char16_t *shownEmpty;
};

void PrintTo(const CountryCase &c, std::ostream *out) {
  *out << QString::fromUtf16(c.name).toStdString();
}

class PhoneCountryTable : public testing::TestWithParam<CountryCase> {};

TEST_P(PhoneCountryTable, MaskShowsAsTheEmptyField) {
  const CountryCase &c = GetParam();
  const PhoneCountry &country = PhoneCountries().at(static_cast<size_t>(c.index));
  EXPECT_EQ(QString::fromUtf16(country.name), QString::fromUtf16(c.name));
  const QString shown = MaskTemplate(QString::fromUtf16(country.editMask));
  EXPECT_EQ(shown, QString::fromUtf16(c.shownEmpty));
  EXPECT_EQ(shown.count(kMaskBlank), 10);
}

INSTANTIATE_TEST_SUITE_P(Table, PhoneCountryTable,
                         testing::Values(CountryCase{0, u"Беларусь", u"+375(___)___-____"},
                                         CountryCase{1, u"Россия", u"+7(___)___-____"},
                                         CountryCase{2, u"Украина", u"+380(___)___-____"}));

TEST(PhoneMask, DigitsMoveIntoTheNewMaskByPosition) {
  const QString russian = QStringLiteral("+7(___)___-____");
  const QString belarusian = QStringLiteral("+375(___)___-____");
  const QString slotDigits = DigitSlots(QStringLiteral("+7(916)12_-____"), russian);
  EXPECT_EQ(slotDigits, QStringLiteral("91612     "));
  EXPECT_EQ(LayDigitSlots(belarusian, slotDigits), QStringLiteral("+375(916)12_-____"));
  EXPECT_EQ(LayDigitSlots(russian, DigitSlots(QStringLiteral("+375(291)234-5678"), belarusian)),
            QStringLiteral("+7(291)234-5678"));
  EXPECT_EQ(FieldTextOf(russian), QStringLiteral("+7(   )   -    "));
}

TEST(OrderRegions, NinetyThreeEntriesWithTheirBlanks) {
  const QStringList &regions = OrderRegions();
  ASSERT_EQ(regions.size(), 93);
  EXPECT_EQ(regions.first(), QStringLiteral("Агинский Бурятский (АО)"));
  EXPECT_EQ(regions[9], QStringLiteral("Бурятия "));
  EXPECT_EQ(regions[58], QStringLiteral("Рязанская область "));
  EXPECT_EQ(regions[76], QStringLiteral("Удмуртия "));
  EXPECT_EQ(regions[90], QStringLiteral("Ярославская область"));
  EXPECT_EQ(regions[91], QString());
  EXPECT_EQ(regions[92], QString());
  EXPECT_EQ(regions.filter(QRegularExpression(QStringLiteral(" $"))).size(), 3);
}

} // namespace
