// Golden offers: each case of tests/golden/*.cases is a tintora-offer command line
// whose text output must equal tests/golden/<case>.txt line for line.
#include "support_cli.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

struct GoldenCase {
  std::string name;
  QStringList arguments;
};

std::vector<GoldenCase> LoadCases() {
  std::vector<GoldenCase> cases;
  const QDir dir(QStringLiteral(TINTORA_GOLDEN_DIR));
  for (const QString &fileName : dir.entryList({QStringLiteral("*.cases")}, QDir::Files, QDir::Name)) {
    QFile file(dir.filePath(fileName));
    if (!file.open(QIODevice::ReadOnly))
      continue;
    for (const QString &raw : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
      const QString line = raw.section(QLatin1Char('#'), 0, 0).trimmed();
      if (line.isEmpty())
        continue;
      const QString name = line.section(QLatin1Char('|'), 0, 0).trimmed();
      const QString options = line.section(QLatin1Char('|'), 1).trimmed();
      cases.push_back({name.toStdString(), options.split(QLatin1Char(' '), Qt::SkipEmptyParts)});
    }
  }
  return cases;
}

QStringList SplitLines(QString text) {
  if (text.endsWith(QLatin1Char('\n')))
    text.chop(1);
  return text.split(QLatin1Char('\n'));
}

std::string Difference(const QStringList &expected, const QStringList &actual) {
  std::string out;
  const qsizetype n = std::max(expected.size(), actual.size());
  for (qsizetype i = 0; i < n; ++i) {
    const QString e = i < expected.size() ? expected[i] : QStringLiteral("<none>");
    const QString a = i < actual.size() ? actual[i] : QStringLiteral("<none>");
    if (e != a)
      out += QStringLiteral("line %1\n  expected: [%2]\n  actual:   [%3]\n").arg(i).arg(e, a).toStdString();
  }
  return out;
}

class GoldenOffer : public testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenOffer, MatchesExpectedText) {
  const GoldenCase &golden = GetParam();
  QFile expectedFile(QStringLiteral(TINTORA_GOLDEN_DIR "/%1.txt").arg(QString::fromStdString(golden.name)));
  ASSERT_TRUE(expectedFile.open(QIODevice::ReadOnly)) << "missing " << expectedFile.fileName().toStdString();
  const QStringList expected = SplitLines(QString::fromUtf8(expectedFile.readAll()));

  const CliRun run = RunTintoraOffer(golden.arguments);
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QStringList actual = SplitLines(QString::fromUtf8(run.out));
  EXPECT_EQ(expected, actual) << Difference(expected, actual);
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenOffer, testing::ValuesIn(LoadCases()),
                         [](const testing::TestParamInfo<GoldenCase> &info) {
                           std::string name = info.param.name;
                           std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
                           return name;
                         });

} // namespace
