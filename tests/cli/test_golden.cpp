// Golden offers: each case of tests/golden/*.cases is a tintora-offer command line
// whose text output must equal tests/golden/<case>.txt line for line.
#include "golden_files.h"
#include "support_cli.h"
#include "test_case_names.h"

#include <QString>
#include <gtest/gtest.h>

namespace {

class GoldenOffer : public testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenOffer, MatchesExpectedText) {
  const GoldenCase &golden = GetParam();
  const QStringList expected = ReadGolden(golden.name);
  const CliRun run = RunTintoraOffer(golden.options);
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QStringList actual = SplitLines(QString::fromUtf8(run.out));
  EXPECT_EQ(expected, actual) << DescribeDifference(expected, actual).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenOffer, testing::ValuesIn(ReadAllGoldenCases()),
                         [](const testing::TestParamInfo<GoldenCase> &info) { return TestCaseName(info.param.name); });

} // namespace
