// The whole message as it goes after DATA, and as a reader sees it.
#include "charset_codec.h"
#include "mail_encoding.h"
#include "message_composer.h"
#include "support_mail.h"

#include <gtest/gtest.h>

namespace {

TEST(RenderMessageData, OrderUnderRussianLocaleIsExact) {
  EXPECT_EQ(RenderMessageData(SampleOrder(), FixedOptions(QLocale(QLocale::Russian, QLocale::Russia))),
            SampleOrderData());
}

TEST(RenderMessageData, IsHeaderBlankLineAndBody) {
  const MailMessage message = SampleOrder();
  const ComposeOptions options = FixedOptions(QLocale::c());
  EXPECT_EQ(RenderMessageData(message, options), ComposeHeaderBlock(message, options) + "\r\n" + ComposeBody(message));
}

TEST(ComposeHeaderBlock, WritesCcAndSenderButNeverBcc) {
  MailMessage message = SampleOrder();
  message.sender = QStringLiteral("robot@tintora.ru");
  message.cc = {MailAddress{QStringLiteral("Отдел сбыта"), QStringLiteral("sbyt@tintora.ru")}};
  message.bcc = {MailAddress{QString(), QStringLiteral("hidden@tintora.ru")}};
  const QByteArray block = ComposeHeaderBlock(message, FixedOptions(QLocale::c()));
  QList<QByteArray> names;
  for (const QByteArray &line : CrLfLines(block)) {
    if (!line.startsWith(' '))
      names.append(line.left(line.indexOf(':')));
  }
  EXPECT_EQ(names, (QList<QByteArray>{"From", "Sender", "Subject", "To", "Cc", "Content-Type", "Date"}));
  EXPECT_FALSE(block.contains("hidden"));
  EXPECT_EQ(DecodeFieldValue(FieldOf(block, "Cc")), QStringLiteral("Отдел сбыта <sbyt@tintora.ru>"));
}

TEST(BodyCharset, SwitchesToUtf8RatherThanLoseACharacter) {
  MailMessage message = SampleOrder();
  EXPECT_EQ(BodyCharset(message), QByteArray("windows-1251"));
  message.body.append(QStringLiteral("Цвет: 中 ✓"));
  EXPECT_EQ(BodyCharset(message), QByteArray("utf-8"));
  const QByteArray data = RenderMessageData(message, FixedOptions(QLocale::c()));
  EXPECT_TRUE(data.contains("Content-Type: text/plain; charset=utf-8\r\n"));
  EXPECT_TRUE(data.contains(QStringLiteral("Имя      :    Иван\r\n").toUtf8()));
  EXPECT_TRUE(data.contains(QStringLiteral("Цвет: 中 ✓\r\n").toUtf8()));
}

TEST(ComposeBody, DotStuffsAndEndsWithAnEmptyLine) {
  MailMessage message;
  message.body = QStringList{QStringLiteral("."), QStringLiteral(".x"), QStringLiteral(".."), QStringLiteral("a.")};
  EXPECT_EQ(ComposeBody(message), QByteArray("..\r\n..x\r\n...\r\na.\r\n\r\n"));
  message.body.clear();
  EXPECT_EQ(ComposeBody(message), QByteArray("\r\n"));
}

// A line break inside a body line starts a new line, so "." can never end the data early.
TEST(ComposeBody, LineBreaksInsideALineNeverEndTheData) {
  MailMessage message;
  message.body = QStringList{QStringLiteral("a\r\n.\r\nb"), QStringLiteral("c\n.\nd"), QStringLiteral("e\r.\rf"),
                             QStringLiteral("tail")};
  const QByteArray body = ComposeBody(message);
  EXPECT_EQ(body, QByteArray("a\r\n..\r\nb\r\nc\r\n..\r\nd\r\ne\r\n..\r\nf\r\ntail\r\n\r\n"));
  EXPECT_EQ(body.count('\r'), body.count("\r\n"));
  EXPECT_EQ(body.count('\n'), body.count("\r\n"));
}

struct LongLineCase {
  const char *what;
  QString line;
  QString charset;
};

TEST(ComposeBody, WrapsLinesLongerThanTheWireAllows) {
  QString words;
  while (words.size() < 3000)
    words += QStringLiteral("ул. Ленина, д. 5, кв. 17; ");
  const LongLineCase cases[] = {
      {"blanks", words, QStringLiteral("windows-1251")},
      {"no blanks", QString(2500, QLatin1Char('a')) + QStringLiteral("@tintora.ru"), QStringLiteral("windows-1251")},
      {"dot after a break", QString(998, QLatin1Char('x')) + QString(1200, QLatin1Char('.')),
       QStringLiteral("windows-1251")},
      {"utf-8", QString(1500, QChar(0x4E2D)), QStringLiteral("windows-1251")},
      {"utf-8 words", words + QStringLiteral("中"), QStringLiteral("utf-8")},
  };
  for (const LongLineCase &c : cases) {
    MailMessage message;
    message.charset = c.charset;
    message.body = QStringList{c.line};
    const QByteArray charset = BodyCharset(message);
    QString joined;
    for (QByteArray line : CrLfLines(ComposeBody(message))) {
      EXPECT_LE(line.size(), kMaxWireLine) << c.what;
      if (line.startsWith('.'))
        line.remove(0, 1);
      const std::optional<QString> text = DecodeFromCharset(line, charset);
      ASSERT_TRUE(text) << c.what << ": a line was cut inside a character";
      joined += *text;
    }
    EXPECT_EQ(joined, c.line) << c.what;
    EXPECT_GT(BodyWireLines(message).size(), 1) << c.what;
  }
}

TEST(RenderMessageText, ShowsTheSameMessageReadably) {
  MailMessage message = SampleOrder();
  message.body = QStringList{QStringLiteral("Имя      :    Иван"), QStringLiteral(".")};
  EXPECT_EQ(RenderMessageText(message, FixedOptions(QLocale(QLocale::Russian, QLocale::Russia))),
            QStringLiteral("From: \"tintora.order@mail.ru\" <tintora.order@mail.ru>\n"
                           "Subject: Заказ \"Иван от 09.12.2026\"\n"
                           "To: zakaz@tintora.ru\n"
                           "Content-Type: text/plain; charset=windows-1251\n"
                           "Date: Wed, 9 Dec 2026 14:05:09 +0300\n"
                           "\n"
                           "Имя      :    Иван\n"
                           ".\n"));
}

TEST(MailMessage, SetContentTypeTakesTheCharsetParameter) {
  MailMessage message;
  message.setContentType(QStringLiteral("text/plain; charset=\"KOI8-R\""));
  EXPECT_EQ(message.contentType, QStringLiteral("text/plain"));
  EXPECT_EQ(message.charset, QStringLiteral("KOI8-R"));
  message.subject = QStringLiteral("x");
  message.clear();
  EXPECT_TRUE(message.subject.isEmpty());
  EXPECT_EQ(message.charset, QStringLiteral("windows-1251"));
}

} // namespace
