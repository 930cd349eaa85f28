// The order form's field checks: e-mail syntax, leaving a field, required fields.
#include "order_form_checks.h"

#include <gtest/gtest.h>

namespace {

struct EMailCase {
  const char *what;
  const char16_t *text;
  bool valid;
};

void PrintTo(const EMailCase &c, std::ostream *out) {
  *out << c.what;
}

class CheckEMailTable : public testing::TestWithParam<EMailCase> {};

TEST_P(CheckEMailTable, Decides) {
  const EMailCase &c = GetParam();
  EXPECT_EQ(CheckEMail(QString::fromUtf16(c.text)), c.valid) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CheckEMailTable,
    testing::Values(
        EMailCase{"one-letter local part, five-character domain, two letters after its dot", u"a@bc.de", true},
        EMailCase{"four-character domain", u"a@b.cd", false},
        EMailCase{"one character after the dot", u"a@bcd.e", false},
        EMailCase{"five-character domain without a dot", u"a@bcdef", false},
        EMailCase{"empty local part", u"@bc.de", false}, EMailCase{"domain beginning with its dot", u"a@.bcde", true},
        EMailCase{"six-character domain, dots at 2 and 4", u"a@b.c.de", true},
        EMailCase{"second @ lands in the domain", u"a@b@c.de", false},
        EMailCase{"plus in the local part", u"a+b@bc.de", false}, EMailCase{"plus in the domain", u"a@b+c.de", false},
        EMailCase{"blank in the local part", u"a b@bc.de", false},
        EMailCase{"blank before the address", u" a@bc.de", false},
        EMailCase{"blank after the address", u"a@bc.de ", false},
        EMailCase{"Cyrillic letter in the local part", u"иван@bc.de", false},
        EMailCase{"Cyrillic letter in the domain", u"a@почта.ru", false}, EMailCase{"empty text", u"", false},
        EMailCase{"no @ at all", u"ivan.example.com", false},
        EMailCase{"only the first dot counts", u"a@bc.de.f", true},
        EMailCase{"ordinary address", u"ivan.petrov_1-2@mail.example.ru", true}));

struct CharsCase {
  const char16_t *text;
  bool ok;
};

void PrintTo(const CharsCase &c, std::ostream *out) {
  *out << QString::fromUtf16(c.text).toStdString();
}

class EMailCharsTable : public testing::TestWithParam<CharsCase> {};

TEST_P(EMailCharsTable, Decides) {
  const QString text = QString::fromUtf16(GetParam().text);
  EXPECT_EQ(EMailCharsOk(text), GetParam().ok) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Table, EMailCharsTable,
                         testing::Values(CharsCase{u"", true}, CharsCase{u"AZaz09._-", true}, CharsCase{u"a@b", false},
                                         CharsCase{u"a b", false}, CharsCase{u"a+b", false}, CharsCase{u"ё", false},
                                         CharsCase{u"a\tb", false}));

TEST(OrderFieldExit, NameOfBlanksAndControlsIsEmpty) {
  EXPECT_FALSE(NameFieldOk(QString()));
  EXPECT_FALSE(NameFieldOk(QStringLiteral("   ")));
  EXPECT_FALSE(NameFieldOk(QStringLiteral(" \t\r\n ")));
  EXPECT_TRUE(NameFieldOk(QStringLiteral(" Иван ")));
}

TEST(OrderFieldExit, EmptyEMailFailsItsCheck) {
  EXPECT_FALSE(EMailFieldOk(QString()));
}

struct PhoneCase {
  const char *what;
  const char16_t *text;
  bool ok;
};

void PrintTo(const PhoneCase &c, std::ostream *out) {
  *out << c.what;
}

class PhoneExitTable : public testing::TestWithParam<PhoneCase> {};

TEST_P(PhoneExitTable, Decides) {
  EXPECT_EQ(PhoneFieldOk(QString::fromUtf16(GetParam().text)), GetParam().ok) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Table, PhoneExitTable,
                         testing::Values(PhoneCase{"untouched Russian field", u"+7(   )   -    ", false},
                                         PhoneCase{"complete Russian number", u"+7(916)123-4567", true},
                                         PhoneCase{"complete Belarusian number", u"+375(291)234-5678", true},
                                         PhoneCase{"untouched Belarusian field", u"+375(   )   -    ", false},
                                         PhoneCase{"empty", u"", false}));

struct RequiredCase {
  const char *what;
  OrderFields fields;
  bool filled;
};

void PrintTo(const RequiredCase &c, std::ostream *out) {
  *out << c.what;
}

OrderFields Filled() {
  OrderFields fields;
  fields.name = QStringLiteral("Иван");
  fields.email = QStringLiteral("ivan@mail.ru");
  fields.phone = QStringLiteral("+7(916)123-4567");
  return fields;
}

OrderFields With(QString OrderFields::*field, const QString &value) {
  OrderFields fields = Filled();
  fields.*field = value;
  return fields;
}

class RequiredFieldsTable : public testing::TestWithParam<RequiredCase> {};

TEST_P(RequiredFieldsTable, Decides) {
  EXPECT_EQ(RequiredFieldsFilled(GetParam().fields), GetParam().filled) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, RequiredFieldsTable,
    testing::Values(
        RequiredCase{"name, e-mail and phone", Filled(), true},
        RequiredCase{"name of blanks only", With(&OrderFields::name, QStringLiteral("   ")), false},
        RequiredCase{"empty name", With(&OrderFields::name, QString()), false},
        RequiredCase{"e-mail of blanks", With(&OrderFields::email, QStringLiteral("  ")), false},
        RequiredCase{"malformed e-mail is not tested again", With(&OrderFields::email, QStringLiteral("x")), true},
        RequiredCase{"untouched phone", With(&OrderFields::phone, QStringLiteral("+7(   )   -    ")), false},
        RequiredCase{"country is not tested", With(&OrderFields::country, QString()), true}));

TEST(OrderFieldTrim, TakesBlanksAndControlCharactersFromBothEnds) {
  EXPECT_EQ(TrimBlanksAndControls(QStringLiteral("\x01 Грунт  20 Кг \r\n")), QStringLiteral("Грунт  20 Кг"));
  EXPECT_EQ(TrimBlanksAndControls(QStringLiteral(" \x01 ")), QString());
}

} // namespace
