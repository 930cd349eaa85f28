// Encoded words, folding, quoting, dates and dot-stuffing, without a server.
#include "charset_codec.h"
#include "header_fields.h"
#include "mail_encoding.h"
#include "support_mail.h"

#include <gtest/gtest.h>

namespace {

struct LocaleCharsetCase {
  const char *locale;
  const char *charset;
};

TEST(EncodedWordCharset, FollowsTheLanguageOfTheLocale) {
  const LocaleCharsetCase cases[] = {
      {"ru_RU", "KOI8-R"},  {"uk_UA", "windows-1251"}, {"zh_CN", "GB2312"}, {"zh_TW", "Big5"}, {"ja_JP", "ISO-2022-JP"},
      {"ko_KR", "csEUCKR"}, {"en_US", "UTF-8"},        {"de_DE", "UTF-8"},  {"C", "UTF-8"},
  };
  for (const LocaleCharsetCase &c : cases)
    EXPECT_EQ(EncodedWordCharset(QLocale(QString::fromLatin1(c.locale))), QByteArray(c.charset)) << c.locale;
}

struct SubjectCase {
  const char *locale;
  QString subject;
  QByteArray field;
};

TEST(SubjectField, EncodesOnlyTheRunsOfNonAsciiWords) {
  const QString order = QStringLiteral("Заказ \"Иван от 09.12.2026\"");
  const SubjectCase cases[] = {
      {"ru_RU", order, "Subject: =?KOI8-R?B?+sHLwdogIunXwc4gz9Q=?= 09.12.2026\"\r\n"},
      {"uk_UA", order, "Subject: =?windows-1251?B?x+Dq4OcgIsji4O0g7vI=?= 09.12.2026\"\r\n"},
      {"en_US", order, "Subject: =?UTF-8?B?0JfQsNC60LDQtyAi0JjQstCw0L0g0L7Rgg==?= 09.12.2026\"\r\n"},
      {"ru_RU", QStringLiteral("Order 42 from Ivan"), "Subject: Order 42 from Ivan\r\n"},
      {"ru_RU", QString(), "Subject: \r\n"},
      // A word KOI8-R cannot hold goes in UTF-8; the blank between the runs stays inside the first.
      {"ru_RU", QStringLiteral("Привет ✓мир ok"), "Subject: =?KOI8-R?B?8NLJ18XUIA==?= =?UTF-8?B?4pyT0LzQuNGA?= ok\r\n"},
  };
  for (const SubjectCase &c : cases) {
    const QByteArray field =
        TextField("Subject", c.subject, EncodedWordCharset(QLocale(QString::fromLatin1(c.locale))));
    EXPECT_EQ(field, c.field) << c.locale;
    EXPECT_EQ(DecodeFieldValue(field), c.subject);
  }
}

TEST(SubjectField, LineBreaksAndNulBecomeBlanks) {
  const QByteArray field = TextField("Subject", QStringLiteral("Иван\r\nBcc: x@evil.test\nY\rZ\0W"), "UTF-8");
  EXPECT_EQ(CrLfLines(field).size(), 1) << field.constData();
  EXPECT_FALSE(field.contains("\nBcc"));
  EXPECT_EQ(field.count('\r'), 1);
  EXPECT_EQ(field.count('\n'), 1);
  EXPECT_EQ(DecodeFieldValue(field), QStringLiteral("Иван  Bcc: x@evil.test Y Z W"));
}

// Long subjects in every kind of charset: lines within 78, words within 75, same text back.
TEST(SubjectField, LongSubjectsFoldAndDecodeBack) {
  QString cyrillic;
  while (cyrillic.size() < 200)
    cyrillic += QStringLiteral("Гидроизоляция кровли летний вариант ");
  cyrillic.truncate(200);
  const struct {
    const char *locale;
    QString text;
  } cases[] = {
      {"ru_RU", cyrillic},
      {"uk_UA", cyrillic},
      {"en_US", cyrillic},
      {"ru_RU", QStringLiteral("Заказ \"") + cyrillic + QStringLiteral(" от 09.12.2026\"")},
      {"ru_RU", QString(200, QChar(0x0416))}, // one word without blanks
      {"ja_JP", QString(120, QChar(0x65E5)) + QStringLiteral(" abc ") + QString(60, QChar(0x672C))},
      {"zh_CN", QString(150, QChar(0x4E2D))},
      {"en_US", QStringLiteral("\U0001F600").repeated(80)},
      {"en_US", QString(120, QLatin1Char('w')) + QLatin1Char(' ') + cyrillic.left(50)},
      {"en_US", QStringLiteral("long ") + QString(2000, QLatin1Char('w')) + QStringLiteral(" word")},
  };
  for (const auto &c : cases) {
    const QByteArray field = TextField("Subject", c.text, EncodedWordCharset(QLocale(QString::fromLatin1(c.locale))));
    const QList<QByteArray> lines = CrLfLines(field);
    for (qsizetype i = 0; i < lines.size(); ++i) {
      EXPECT_LE(lines[i].size(), kMaxWireLine);
      if (lines[i].contains("=?")) {
        EXPECT_LE(lines[i].size(), kMaxHeaderLine) << c.locale << " line " << i << ": " << lines[i].constData();
      }
      if (i > 0) {
        EXPECT_TRUE(lines[i].startsWith(' ')) << lines[i].constData();
      }
    }
    for (const QByteArray &word : EncodedWordsIn(field))
      EXPECT_LE(word.size(), kMaxEncodedWord) << word.constData();
    EXPECT_EQ(DecodeFieldValue(field), c.text) << c.locale;
  }
}

TEST(SubjectField, FoldsPlainWordsAtBlanks) {
  const QString words =
      QStringLiteral("alpha beta gamma delta epsilon zeta eta theta iota kappa lambda mu nu xi omicron "
                     "pi rho sigma tau upsilon phi chi psi omega");
  const QByteArray field = TextField("Subject", words, "UTF-8");
  const QList<QByteArray> lines = CrLfLines(field);
  ASSERT_GT(lines.size(), 1);
  for (const QByteArray &line : lines)
    EXPECT_LE(line.size(), kMaxHeaderLine) << line.constData();
  EXPECT_EQ(DecodeFieldValue(field), words);
}

TEST(MailboxField, QuotesOrEncodesTheDisplayName) {
  const struct {
    MailAddress mailbox;
    QByteArray field;
  } cases[] = {
      {{QStringLiteral("tintora.order@mail.ru"), QStringLiteral("tintora.order@mail.ru")},
       "From: \"tintora.order@mail.ru\" <tintora.order@mail.ru>\r\n"},
      {{QStringLiteral("Ivan \"Boss\" \\ Co"), QStringLiteral("a@b.ru")},
       "From: \"Ivan \\\"Boss\\\" \\\\ Co\" <a@b.ru>\r\n"},
      {{QString(), QStringLiteral("a@b.ru")}, "From: a@b.ru\r\n"},
      {{QStringLiteral("Иван Петров"), QStringLiteral("a@b.ru")}, "From: =?KOI8-R?B?6dfBziDwxdTSz9c=?= <a@b.ru>\r\n"},
      {{QStringLiteral("Evil\r\nBcc: x"), QStringLiteral("a@b.ru")}, "From: \"Evil  Bcc: x\" <a@b.ru>\r\n"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(MailboxField("From", {c.mailbox}, "KOI8-R"), c.field);
}

TEST(MailboxField, ListsRecipientsAndFoldsBetweenThem) {
  QList<MailAddress> recipients;
  for (int i = 0; i < 6; ++i)
    recipients.append(MailAddress{QString(), QStringLiteral("recipient%1@tintora.example").arg(i)});
  const QByteArray field = MailboxField("To", recipients, "UTF-8");
  for (const QByteArray &line : CrLfLines(field))
    EXPECT_LE(line.size(), kMaxHeaderLine) << line.constData();
  QByteArray unfolded = field;
  unfolded.replace("\r\n ", " ");
  EXPECT_EQ(unfolded, "To: recipient0@tintora.example, recipient1@tintora.example, recipient2@tintora.example, "
                      "recipient3@tintora.example, recipient4@tintora.example, recipient5@tintora.example\r\n");
}

TEST(QuoteDisplayName, EscapesBackslashAndQuote) {
  EXPECT_EQ(QuoteDisplayName(QStringLiteral("a\"b\\c")), QStringLiteral("\"a\\\"b\\\\c\""));
  EXPECT_EQ(QuoteDisplayName(QString()), QStringLiteral("\"\""));
}

TEST(FormatMailDate, WritesRfc5322WithNumericZone) {
  const struct {
    QDateTime dateTime;
    QByteArray text;
  } cases[] = {
      {QDateTime(QDate(2026, 12, 9), QTime(14, 5, 9), Qt::OffsetFromUTC, 3 * 3600), "Wed, 9 Dec 2026 14:05:09 +0300"},
      {QDateTime(QDate(2026, 3, 1), QTime(0, 0, 0), Qt::OffsetFromUTC, -(3 * 3600 + 1800)),
       "Sun, 1 Mar 2026 00:00:00 -0330"},
      {QDateTime(QDate(2022, 6, 18), QTime(23, 59, 59), Qt::UTC), "Sat, 18 Jun 2022 23:59:59 +0000"},
      {QDateTime(QDate(2024, 2, 29), QTime(7, 8, 9), Qt::OffsetFromUTC, 5 * 3600 + 45 * 60),
       "Thu, 29 Feb 2024 07:08:09 +0545"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(FormatMailDate(c.dateTime), c.text);
}

TEST(DotStuff, DoublesALeadingDotOnly) {
  const struct {
    QByteArray line;
    QByteArray stuffed;
  } cases[] = {{".", ".."}, {".x", "..x"}, {"..", "..."}, {"x.", "x."}, {"", ""}, {" .", " ."}};
  for (const auto &c : cases)
    EXPECT_EQ(DotStuff(c.line), c.stuffed) << c.line.constData();
}

TEST(CharsetCodec, RefusesWhatTheCharsetCannotHold) {
  EXPECT_EQ(EncodeToCharset(QStringLiteral("Иван"), "windows-1251"), QByteArray("\xc8\xe2\xe0\xed"));
  EXPECT_EQ(EncodeToCharset(QStringLiteral("Иван"), "KOI8-R"), QByteArray("\xe9\xd7\xc1\xce"));
  EXPECT_FALSE(EncodeToCharset(QStringLiteral("中"), "windows-1251"));
  EXPECT_FALSE(EncodeToCharset(QStringLiteral("a"), "no-such-charset"));
  EXPECT_EQ(DecodeFromCharset("\xc8\xe2\xe0\xed", "windows-1251"), QStringLiteral("Иван"));
  EXPECT_FALSE(DecodeFromCharset("\xff\xfe", "UTF-8"));
  // Stateful: every piece ends back in ASCII.
  const std::optional<QByteArray> japanese = EncodeToCharset(QStringLiteral("日本"), "ISO-2022-JP");
  ASSERT_TRUE(japanese);
  EXPECT_TRUE(japanese->endsWith("\x1b(B"));
}

} // namespace
