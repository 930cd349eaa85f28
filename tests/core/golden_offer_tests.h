#pragma once

// The golden-file test that every scenario test file instantiates with its own offers:
//   INSTANTIATE_TEST_SUITE_P(<Group>, GoldenOfferFile, testing::ValuesIn(...), GoldenOfferTestName);

#include "support_scenario_goldens.h"
#include "test_case_names.h"

#include <gtest/gtest.h>

class GoldenOfferFile : public testing::TestWithParam<GoldenOffer> {};

TEST_P(GoldenOfferFile, ComposedOfferMatchesGoldenFile) {
  ComposedOffer offer;
  ComposeAsWizard(offer, GetParam());
  DumpForReview(GetParam().name, offer.doc);
  const QStringList expected = ReadGolden(GetParam().name);
  EXPECT_EQ(expected, offer.lines()) << DescribeDifference(expected, offer.lines()).toStdString();
}

inline std::string GoldenOfferTestName(const testing::TestParamInfo<GoldenOffer> &info) {
  return TestCaseName(info.param.name);
}
