// tintora-offer's command line: refusals, warnings and output formats.
#include "support_cli.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Refusal {
  const char *what;
  QStringList arguments;
  const char *stderrHas;
};

class CliRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(CliRefusal, ExitsTwoWithAMessageAndPrintsNothing) {
  const Refusal &refusal = GetParam();
  const CliRun run = RunTintoraOffer(refusal.arguments);
  EXPECT_TRUE(Refused(run)) << refusal.what;
  EXPECT_TRUE(QString::fromUtf8(run.err).contains(QString::fromUtf8(refusal.stderrHas)))
      << refusal.what << ": " << run.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliRefusal,
    testing::Values(Refusal{"work out of range", {"--work", "6"}, "choose 1 to 5"},
                    Refusal{"work zero", {"--work", "0"}, "Огнезащитное окрашивание"},
                    Refusal{"object out of range", {"--work", "2", "--object", "3"}, "choose 1 to 2"},
                    Refusal{"material out of range", {"--object", "8", "--material", "4"}, "choose 1 to 3"},
                    Refusal{"area zero", {"--area", "0"}, "Значение не задано"},
                    Refusal{"area zero with comma", {"--area", "0,0"}, "Значение не задано"},
                    Refusal{"area empty", {"--area", ""}, "Значение не задано"},
                    Refusal{"area with a full stop", {"--area", "12.5"}, "digits and one decimal comma"},
                    Refusal{"colour out of range", {"--colour", "27"}, "choose 1 to 26"},
                    Refusal{"colour names the choices", {"--colour", "0"}, "Лист ландыша"},
                    Refusal{"pu colour out of range", {"--pu-colour", "14"}, "choose 1 to 13"},
                    Refusal{"unknown format", {"--format", "pdf"}, "text, json or rtf"},
                    Refusal{"unknown option", {"--colourful"}, "unknown option"},
                    Refusal{"missing value", {"--work"}, "needs a value"},
                    Refusal{"not a number", {"--work", "two"}, "whole number"}));

TEST(Cli, WarnsAboutOptionsForSkippedPagesAndPrintsVisitedPages) {
  const CliRun run = RunTintoraOffer({"--work", "3", "--object", "2", "--colour", "3", "--pages"});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QString err = QString::fromUtf8(run.err);
  EXPECT_TRUE(err.contains("--object ignored")) << err.toStdString();
  EXPECT_TRUE(err.contains("--colour ignored")) << err.toStdString();
  EXPECT_TRUE(err.contains("pages: 0 3 4 6")) << err.toStdString();
  EXPECT_FALSE(run.out.isEmpty());
}

TEST(Cli, FullWalkVisitsEveryPage) {
  const CliRun run = RunTintoraOffer({"--pages"});
  ASSERT_EQ(run.exitCode, 0);
  EXPECT_TRUE(run.err.contains("pages: 0 1 2 3 4 5 6")) << run.err.toStdString();
}

TEST(Cli, JsonCarriesFormatsAndNullForPlainLines) {
  const CliRun run = RunTintoraOffer({"--format", "json"});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QJsonArray lines = QJsonDocument::fromJson(run.out).array();
  ASSERT_GT(lines.size(), 3);
  const QJsonObject first = lines[0].toObject();
  EXPECT_EQ(first["text"].toString(), QStringLiteral("Вы выбрали следующие параметры:"));
  EXPECT_EQ(first["color"].toString(), QStringLiteral("#0000FF"));
  EXPECT_TRUE(first["bold"].toBool());
  EXPECT_EQ(first["size"].toInt(), 8);
  EXPECT_TRUE(lines[1].toObject()["color"].isNull()); // the hyphen rule is a plain line
  bool sawProduct = false;
  for (const QJsonValue &line : lines)
    sawProduct = sawProduct || line.toObject()["text"].toString().startsWith(QChar(0x0001));
  EXPECT_TRUE(sawProduct);
}

TEST(Cli, RtfGoesToTheOutputFile) {
  QTemporaryDir dir;
  const QString file = dir.filePath("offer.txt");
  const CliRun run = RunTintoraOffer({"--format", "rtf", "--output", file});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(run.out.isEmpty());
  QFile saved(file);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_TRUE(saved.readAll().startsWith("{\\rtf1"));
}

TEST(Cli, LocaleDecidesTheDecimalSeparator) {
  const CliRun comma = RunTintoraOffer({"--area", "12,5"}, {"LC_ALL=ru_RU.UTF-8", "LANG=ru_RU.UTF-8"});
  ASSERT_EQ(comma.exitCode, 0) << comma.err.toStdString();
  EXPECT_TRUE(QString::fromUtf8(comma.out).contains(QStringLiteral("Площадь (кв.м) : 12,5\n")));
  const CliRun stop = RunTintoraOffer({"--area", "12,5"}, {"LC_ALL=C.UTF-8", "LANG=C.UTF-8"});
  ASSERT_EQ(stop.exitCode, 0) << stop.err.toStdString();
  EXPECT_TRUE(QString::fromUtf8(stop.out).contains(QStringLiteral("Площадь (кв.м) : 12.5\n")));
}

TEST(Cli, ListShowsTheAnswersOfEachVisitedPage) {
  const CliRun run = RunTintoraOffer({"--list", "--work", "3"});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QString out = QString::fromUtf8(run.out);
  EXPECT_TRUE(out.contains(QStringLiteral("page 0 Тип Работ:"))) << out.toStdString();
  EXPECT_TRUE(out.contains(QStringLiteral("   3  Теплоизоляция"))) << out.toStdString();
  EXPECT_TRUE(out.contains(QStringLiteral("page 3 "))) << out.toStdString();
  EXPECT_FALSE(out.contains(QStringLiteral("page 1 "))) << out.toStdString();
}

TEST(Cli, HelpDocumentsEveryOption) {
  const CliRun run = RunTintoraOffer({"--help"});
  ASSERT_EQ(run.exitCode, 0);
  for (const char *option : {"--work", "--object", "--material", "--answer", "--second", "--area", "--colour",
                             "--pu-colour", "--format", "--output", "--pages", "--list"})
    EXPECT_TRUE(run.out.contains(option)) << option;
}

} // namespace
