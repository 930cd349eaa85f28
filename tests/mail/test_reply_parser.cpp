// SMTP replies from a byte stream: well-formed, malformed and random input.
#include "smtp_error.h"
#include "smtp_reply.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Feeds the stream in pieces of `chunk` bytes and collects every reply; the
// text of a protocol error, if one ends the stream, goes to `error`.
QList<SmtpReply> ParseAll(const QByteArray &stream, qsizetype chunk, QString *error = nullptr) {
  SmtpReplyParser parser;
  QList<SmtpReply> replies;
  try {
    for (qsizetype at = 0; at < stream.size(); at += chunk) {
      parser.feed(stream.mid(at, chunk));
      while (std::optional<SmtpReply> reply = parser.next())
        replies.append(*reply);
    }
  } catch (const SmtpError &failure) {
    EXPECT_EQ(failure.kind(), SmtpError::Kind::Protocol);
    if (error)
      *error = failure.text();
  }
  return replies;
}

struct WellFormedCase {
  const char *what;
  QByteArray stream;
  int code;
  QStringList lines;
};

TEST(SmtpReplyParser, ReadsWellFormedReplies) {
  const WellFormedCase cases[] = {
      {"one line", "220 smtp.test ESMTP ready\r\n", 220, {QStringLiteral("smtp.test ESMTP ready")}},
      {"multi-line",
       "250-smtp.test\r\n250-AUTH LOGIN PLAIN\r\n250 8BITMIME\r\n",
       250,
       {QStringLiteral("smtp.test"), QStringLiteral("AUTH LOGIN PLAIN"), QStringLiteral("8BITMIME")}},
      {"code only", "354\r\n", 354, {QString()}},
      {"bare LF", "221 bye\n", 221, {QStringLiteral("bye")}},
      {"empty continuation", "250-\r\n250 ok\r\n", 250, {QString(), QStringLiteral("ok")}},
      {"UTF-8 text", "550 Ящик не найден\r\n", 550, {QStringLiteral("Ящик не найден")}},
  };
  for (const WellFormedCase &c : cases) {
    for (qsizetype chunk : {qsizetype(1), qsizetype(3), c.stream.size()}) {
      const QList<SmtpReply> replies = ParseAll(c.stream, chunk);
      ASSERT_EQ(replies.size(), 1) << c.what;
      EXPECT_EQ(replies[0].code, c.code) << c.what;
      EXPECT_EQ(replies[0].lines, c.lines) << c.what;
    }
  }
}

TEST(SmtpReplyParser, KeepsRepliesApartAndWaitsForTheRest) {
  SmtpReplyParser parser;
  parser.feed("250 one\r\n334 VXNlcm5hbWU6\r\n250-par");
  EXPECT_EQ(parser.next()->code, 250);
  EXPECT_EQ(parser.next()->code, 334);
  EXPECT_FALSE(parser.next());
  parser.feed("tial\r\n250 end\r\n");
  const std::optional<SmtpReply> last = parser.next();
  ASSERT_TRUE(last);
  EXPECT_EQ(last->lines, (QStringList{QStringLiteral("partial"), QStringLiteral("end")}));
}

TEST(SmtpReplyParser, TextIsTheServersWordsOrTheCode) {
  EXPECT_EQ((SmtpReply{550, {QStringLiteral("5.1.1 No such user")}}).text(), QStringLiteral("5.1.1 No such user"));
  EXPECT_EQ((SmtpReply{554, {QString()}}).text(), QStringLiteral("554"));
  EXPECT_EQ((SmtpReply{421, {QStringLiteral("a"), QStringLiteral("b")}}).text(), QStringLiteral("a\nb"));
}

TEST(SmtpReplyParser, RefusesWhatIsNotAReply) {
  const struct {
    const char *what;
    QByteArray stream;
  } cases[] = {
      {"no code", "hello there\r\n"},
      {"short code", "25\r\n"},
      {"bad separator", "250x ok\r\n"},
      {"codes differ", "250-a\r\n251 b\r\n"},
      {"endless line", QByteArray(SmtpReplyParser::kMaxLineLength + 10, 'x')},
      {"endless reply", QByteArray("250-x\r\n").repeated(SmtpReplyParser::kMaxReplyLines + 1)},
  };
  for (const auto &c : cases) {
    QString error;
    ParseAll(c.stream, 7, &error);
    EXPECT_FALSE(error.isEmpty()) << c.what;
  }
}

TEST(SmtpReplyParser, StaysFailedUntilReset) {
  SmtpReplyParser parser;
  parser.feed("oops\r\n220 fine\r\n");
  EXPECT_THROW(parser.next(), SmtpError);
  EXPECT_THROW(parser.next(), SmtpError);
  parser.reset();
  parser.feed("220 fine\r\n");
  EXPECT_EQ(parser.next()->code, 220);
}

// Random streams built from reply-like pieces and raw bytes: the parser ends
// every stream with replies or a protocol error, and never crashes or loops.
TEST(SmtpReplyParserFuzz, SurvivesRandomStreams) {
  const QByteArray pieces[] = {"250", "-", " ", "\r\n", "\n", "\r", "220", "5", "abc", "=", "AUTH LOGIN", "\0", "999"};
  std::mt19937 random(20261209);
  for (int round = 0; round < 20000; ++round) {
    QByteArray stream;
    const int length = static_cast<int>(random() % 40);
    for (int i = 0; i < length; ++i) {
      if (random() % 4 == 0)
        stream += static_cast<char>(random() % 256);
      else
        stream += pieces[random() % std::size(pieces)];
    }
    const qsizetype chunk = 1 + static_cast<qsizetype>(random() % 16);
    for (const SmtpReply &reply : ParseAll(stream, chunk)) {
      EXPECT_GE(reply.code, 0);
      EXPECT_LE(reply.code, 999);
      EXPECT_FALSE(reply.lines.isEmpty());
    }
  }
}

// Well-formed random replies come back the same however the bytes are cut.
TEST(SmtpReplyParserFuzz, ChunkingNeverChangesTheReplies) {
  std::mt19937 random(465);
  for (int round = 0; round < 2000; ++round) {
    QList<SmtpReply> sent;
    QByteArray stream;
    const int replies = 1 + static_cast<int>(random() % 4);
    for (int r = 0; r < replies; ++r) {
      SmtpReply reply{200 + static_cast<int>(random() % 400), {}};
      const int lines = 1 + static_cast<int>(random() % 5);
      for (int l = 0; l < lines; ++l) {
        const QString text = QString::number(random() % 100000) + QStringLiteral(" text");
        reply.lines.append(text);
        stream += QByteArray::number(reply.code) + (l + 1 < lines ? '-' : ' ') + text.toUtf8() + "\r\n";
      }
      sent.append(reply);
    }
    const QList<SmtpReply> received = ParseAll(stream, 1 + static_cast<qsizetype>(random() % 9));
    ASSERT_EQ(received.size(), sent.size());
    for (qsizetype i = 0; i < sent.size(); ++i) {
      EXPECT_EQ(received[i].code, sent[i].code);
      EXPECT_EQ(received[i].lines, sent[i].lines);
    }
  }
}

} // namespace
