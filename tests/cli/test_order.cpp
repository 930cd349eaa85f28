// tintora-offer --order: the order e-mail of a known offer line, the form's
// refusals, and sending to a real SMTP server on loopback.
#include "support_cli.h"

#include "smtp_test_servers.h"

#include <QDate>
#include <QLocale>
#include <gtest/gtest.h>

// Readable QStrings in failure messages.
void PrintTo(const QString &text, std::ostream *out) {
  *out << '"' << text.toStdString() << '"';
}

namespace {

// The Overview's road offer; its line 25 is the heading "Вариант Второй:".
const QStringList kRoad = {"--work",   "1", "--object", "1",   "--material", "1",
                           "--answer", "1", "--area",   "100", "--colour",   "1"};
// The built-in order account that the server must accept.
const QString kAccount = QStringLiteral("tintora.order@mail.ru");
const QString kPassword = QStringLiteral("dqx4178");
const QStringList kContact = {"--name", "Иван", "--email", "ivan@mail.ru", "--phone", "9161234567"};

QStringList OrderOf(int line, const QStringList &more) {
  return kRoad + QStringList{"--order", QString::number(line)} + more;
}

TEST(CliOrder, PrintsTheWholeMessageOfTheClickedVariant) {
  const CliRun run = RunTintoraOffer(OrderOf(25, kContact + QStringList{"--surname", "Петров", "--country", "Беларусь",
                                                                        "--address", "ул. Ленина, 1", "--print-mail"}));
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QStringList lines = QString::fromUtf8(run.out).split(QLatin1Char('\n'));
  ASSERT_GE(lines.size(), 6);
  EXPECT_EQ(lines[0], QStringLiteral("From: \"%1\" <%1>").arg(kAccount));
  EXPECT_EQ(lines[1], QStringLiteral("Subject: Заказ \"Иван от ") +
                          QLocale().toString(QDate::currentDate(), QLocale::ShortFormat) + QLatin1Char('"'));
  EXPECT_EQ(lines[2], QStringLiteral("To: zakaz@tintora.ru"));
  EXPECT_EQ(lines[3], QStringLiteral("Content-Type: text/plain; charset=windows-1251"));
  EXPECT_TRUE(lines[4].startsWith(QStringLiteral("Date: "))) << lines[4].toStdString();
  const QString rule(76, QLatin1Char('-'));
  const QStringList body = {
      QString(),
      QStringLiteral("Версия ПО : 20220618"),
      rule,
      QStringLiteral("Имя      :    Иван"),
      QStringLiteral("Фамилия  :    Петров"),
      QStringLiteral("E-Mail   :    ivan@mail.ru"),
      QStringLiteral("Юр.лицо  :    "),
      QStringLiteral("Телефон  :    +375(916)123-4567"),
      QStringLiteral("Страна   :    Беларусь"),
      QStringLiteral("Область  :    Агинский Бурятский (АО)"),
      QStringLiteral("Адрес    :    ул. Ленина, 1"),
      rule,
      QStringLiteral("Грунт Сарвет Адгезив  20 Л * 580 Руб. = 11600 Руб."),
      QStringLiteral("Жидкая Кровля Тавилон Про ( Цвет: Лист ландыша )  150 Кг * 620 Руб. = 93000 Руб."),
      QString(),
  };
  EXPECT_EQ(lines.mid(5), body);
}

struct Refusal {
  const char *what;
  QStringList arguments;
  const char16_t *message;
};

void PrintTo(const Refusal &c, std::ostream *out) {
  *out << c.what;
}

class CliOrderRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(CliOrderRefusal, ExitsTwoWithTheFormsMessage) {
  const Refusal &refusal = GetParam();
  const CliRun run = RunTintoraOffer(refusal.arguments);
  EXPECT_TRUE(Refused(run)) << refusal.what;
  EXPECT_EQ(QString::fromUtf8(run.err).trimmed(),
            QStringLiteral("tintora-offer: ") + QString::fromUtf16(refusal.message))
      << refusal.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliOrderRefusal,
    testing::Values(
        Refusal{"name of blanks", OrderOf(25, {"--name", "   "}), u"Это поле ввода не может быть пустым."},
        Refusal{"malformed e-mail", OrderOf(25, {"--name", "Иван", "--email", "ivan@mail"}),
                u"Введён некорректный e-mail. Исправьте адрес электронной почты."},
        Refusal{"number not finished", OrderOf(25, {"--name", "Иван", "--email", "ivan@mail.ru", "--phone", "91612"}),
                u"Invalid input value.  Use escape key to abandon changes"},
        Refusal{"phone left untouched", OrderOf(25, {"--name", "Иван", "--email", "ivan@mail.ru", "--phone", ""}),
                u"Проверьте правильность ввода номера телефона."},
        Refusal{"phone never entered", OrderOf(25, {"--name", "Иван", "--email", "ivan@mail.ru", "--print-mail"}),
                u"Не все обязательные поля заполнены. Заполните поля со звёздочкой для оформления заказа."},
        Refusal{"fields without --order", kRoad + QStringList{"--name", "Иван"},
                u"the order's fields and --print-mail need --order LINE; see --help"}));

TEST(CliOrder, SendsToTheServerAndPrintsTheFormsMessage) {
  smtp_test::TestServer server;
  ASSERT_TRUE(server.startServer(kAccount, kPassword)) << server.problem().toStdString();
  const CliRun run = RunTintoraOffer(OrderOf(30, kContact), {"TINTORA_SMTP_HOST=localhost",
                                                             QStringLiteral("TINTORA_SMTP_PORT=%1").arg(server.port()),
                                                             "TINTORA_SMTP_CAFILE=" + server.caFile()});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(
      QString::fromUtf8(run.out),
      QStringLiteral("Ваш Заказ отправлен в ГК \"Велестра\"\n\nОжидайте звонка менеджера Отдела Сбыта в ближайшее "
                     "время.\n\nВремя работы: пн-пятн с 9:00 до 18:00 (Московское время)\n"));
  const std::optional<QJsonObject> received = server.waitFor(QStringLiteral("message"));
  ASSERT_TRUE(received.has_value());
  const QByteArray data = QByteArray::fromBase64(received->value(QStringLiteral("data")).toString().toLatin1());
  EXPECT_TRUE(data.contains("\r\nE-Mail   :    ivan@mail.ru\r\n"));
}

TEST(CliOrder, ConnectionErrorExitsOneWithItsText) {
  smtp_test::TestServer server;
  ASSERT_TRUE(server.startPeer(QStringLiteral("greeting_refused"))) << server.problem().toStdString();
  const CliRun run = RunTintoraOffer(OrderOf(30, kContact), {"TINTORA_SMTP_HOST=localhost",
                                                             QStringLiteral("TINTORA_SMTP_PORT=%1").arg(server.port()),
                                                             "TINTORA_SMTP_CAFILE=" + server.caFile()});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.out.isEmpty());
  EXPECT_TRUE(QString::fromUtf8(run.err).contains(QStringLiteral("No SMTP service here"))) << run.err.toStdString();
}

} // namespace
