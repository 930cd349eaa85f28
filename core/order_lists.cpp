#include "order_lists.h"

namespace {

const std::array<PhoneCountry, kPhoneCountryCount> kCountries = {{
    {u"Беларусь", u"+375!\\(000\\)000-0000;1;_"},
    {u"Россия", u"+7!\\(000\\)000-0000;1;_"},
    {u"Украина", u"+38\\0!\\(000\\)000-0000;1;_"},
}};

constexpr QChar kDigitPosition = QLatin1Char('0');
constexpr QChar kLiteralNext = QLatin1Char('\\');
constexpr QChar kNoEffect = QLatin1Char('!');
constexpr QChar kFieldSeparator = QLatin1Char(';');

const char16_t *const kRegions[] = {
    u"Агинский Бурятский (АО)",
    u"Адыгея",
    u"Алтайский Край",
    u"Амурская область",
    u"Архангельская область",
    u"Астраханская область",
    u"Башкирия",
    u"Белгородская область",
    u"Брянская область",
    u"Бурятия ",
    u"Владимирская область",
    u"Волгоградская область",
    u"Вологодская область",
    u"Воронежская область",
    u"Горный Алтай",
    u"Дагестан",
    u"Еврейская автономная область",
    u"Ивановская область",
    u"Ингушетия",
    u"Иркутская область",
    u"Кабардино-Балкария",
    u"Калининградская область",
    u"Калмыкия",
    u"Калужская область",
    u"Камчатская область",
    u"Карачаево-Черкесия",
    u"Карелия",
    u"Кемеровская область",
    u"Кировская область",
    u"Коми",
    u"Коми-Пермяцкий АО",
    u"Корякский АО",
    u"Костромская область",
    u"Краснодарский край",
    u"Красноярский край",
    u"Курганская область",
    u"Курская область",
    u"Ленинградская область",
    u"Липецкая область",
    u"Магаданская область",
    u"Марийская республика",
    u"Мордовская республика",
    u"Москва",
    u"Московская область",
    u"Мурманская область",
    u"Ненецкий АО",
    u"Нижегородская область",
    u"Новгородская область",
    u"Новосибирская область",
    u"Омская область",
    u"Оренбургская область",
    u"Орловская область",
    u"Пензенская область",
    u"Пермская область",
    u"Приморский край",
    u"Псковская область",
    u"Республика Крым",
    u"Ростовская область",
    u"Рязанская область ",
    u"Самарская область",
    u"Санкт-Петербург",
    u"Саратовская область",
    u"Сахалинская область",
    u"Свердловская область",
    u"Севастополь",
    u"Северная Осетия",
    u"Смоленская область",
    u"Ставропольский край",
    u"Таймырский АО",
    u"Тамбовская область",
    u"Татарстан",
    u"Тверская область",
    u"Томская область",
    u"Тува",
    u"Тульская область",
    u"Тюменская область",
    u"Удмуртия ",
    u"Ульяновская область",
    u"Усть-Ордынский Бурятский АО",
    u"Хабаровский край",
    u"Хакасия",
    u"Ханты-Мансийский АО",
    u"Челябинская область",
    u"Чечня",
    u"Читинская область",
    u"Чувашия",
    u"Чукотский АО",
    u"Эвенкийский АО",
    u"Якутия",
    u"Ямало-Ненецкий АО",
    u"Ярославская область",
    u"",
    u"",
};

bool IsDigitSlot(QChar ch) {
  return ch == kMaskBlank;
}

bool IsAsciiDigit(QChar ch) {
  return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
}

} // namespace

const std::array<PhoneCountry, kPhoneCountryCount> &PhoneCountries() {
  return kCountries;
}

QStringList PhoneCountryNames() {
  QStringList names;
  for (const PhoneCountry &country : kCountries)
    names << QString::fromUtf16(country.name);
  return names;
}

QString MaskTemplate(const QString &editMask) {
  QString shown;
  for (qsizetype i = 0; i < editMask.size(); ++i) {
    const QChar ch = editMask.at(i);
    if (ch == kFieldSeparator)
      break;
    if (ch == kLiteralNext && i + 1 < editMask.size())
      shown += editMask.at(++i);
    else if (ch == kDigitPosition)
      shown += kMaskBlank;
    else if (ch != kNoEffect)
      shown += ch;
  }
  return shown;
}

QString DigitSlots(const QString &text, const QString &maskTemplate) {
  QString slotDigits;
  for (qsizetype i = 0; i < maskTemplate.size(); ++i) {
    if (!IsDigitSlot(maskTemplate.at(i)))
      continue;
    const QChar ch = i < text.size() ? text.at(i) : QLatin1Char(' ');
    slotDigits += IsAsciiDigit(ch) ? ch : QLatin1Char(' ');
  }
  return slotDigits;
}

QString LayDigitSlots(const QString &maskTemplate, const QString &slotDigits) {
  QString text = maskTemplate;
  qsizetype next = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (!IsDigitSlot(text.at(i)))
      continue;
    const QChar ch = next < slotDigits.size() ? slotDigits.at(next) : kMaskBlank;
    ++next;
    if (IsAsciiDigit(ch))
      text[i] = ch;
  }
  return text;
}

QString FieldTextOf(const QString &shownText) {
  QString text = shownText;
  return text.replace(kMaskBlank, QLatin1Char(' '));
}

const QStringList &OrderRegions() {
  static const QStringList regions = [] {
    QStringList list;
    for (const char16_t *region : kRegions)
      list << QString::fromUtf16(region);
    return list;
  }();
  return regions;
}
