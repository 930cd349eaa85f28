#include "answer_picking.h"
#include "wizard.h"
#include "wizard_test_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using Pages = std::vector<int>;

enum Work { kWaterproofing = 0, kFloorCoating = 1, kThermal = 2, kFireProtection = 3, kAnticorrosion = 4 };

// The answers a walk gives on the pages it passes.
struct Answers {
  int work = kWaterproofing;
  QString object;   // "" keeps the selected object
  int material = 0; // number in the full material list, 0 keeps the selected one
  int page3 = 0;    // index of the page-3 main answer
};

void Answer(Wizard &w, const Answers &a) {
  switch (w.shownPage()) {
  case 0:
    w.pages.rgTipRabot.select(a.work);
    break;
  case 1:
    if (!a.object.isEmpty())
      SelectText(w.pages.rgVidObj, a.object);
    break;
  case 2:
    if (a.material > 0)
      SelectText(w.pages.rgMaterial, Material(a.material));
    break;
  case 3:
    w.pages.rgTemperature.select(a.page3);
    break;
  default:
    break;
  }
}

// Presses Next until the offer page, answering on the way; the pages shown, the first included.
Pages WalkForward(Wizard &w, const Answers &a) {
  Pages shown{w.shownPage()};
  for (int press = 0; press < 10 && w.shownPage() != 6; ++press) {
    Answer(w, a);
    w.bbNextClick();
    shown.push_back(w.shownPage());
  }
  return shown;
}

// Presses Next, answering on the way, until `page` is shown.
void WalkTo(Wizard &w, const Answers &a, int page) {
  for (int press = 0; press < 10 && w.shownPage() != page; ++press) {
    Answer(w, a);
    w.bbNextClick();
  }
}

Pages WalkBack(Wizard &w) {
  Pages shown{w.shownPage()};
  for (int press = 0; press < 10 && w.shownPage() != 0; ++press) {
    w.bbPrevClick();
    shown.push_back(w.shownPage());
  }
  return shown;
}

void ExpectWalk(const Answers &a, const Pages &expected) {
  RecordingHost host;
  Wizard w(&host);
  EXPECT_EQ(WalkForward(w, a), expected);
  EXPECT_EQ(w.nextCaption(), kSaveCaption);
  Pages reversed(expected.rbegin(), expected.rend());
  EXPECT_EQ(WalkBack(w), reversed);
  EXPECT_EQ(w.nextCaption(), kNextCaption);
  EXPECT_TRUE(host.messages.isEmpty());
}

bool Contains(const std::vector<int> &list, int value) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

// One row per object: the materials it offers and which of them skip pages 3 and 5.
struct ObjectRow {
  int object; // number in the full object list
  std::vector<int> materials;
  std::vector<int> page3Skipped;
  std::vector<std::pair<std::vector<int>, MainQuestion>> page3Question;
  std::vector<int> page5Skipped;              // whatever the page-3 answer
  std::vector<int> page5SkippedIfTransparent; // only with "Цвет покрытия прозрачный"
};

const std::vector<ObjectRow> &ObjectRows() {
  using MQ = MainQuestion;
  static const std::vector<ObjectRow> rows{
      {1,
       {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14},
       {9, 10, 11, 13, 14},
       {{{1, 2, 3}, MQ::Temperature},
        {{4, 12}, MQ::Transparency},
        {{5}, MQ::RoofQuality},
        {{6, 7, 8}, MQ::TemperatureAndRoof}},
       {13},
       {4, 12}},
      {2, {1, 9, 11}, {9, 11}, {{{1}, MQ::Temperature}}, {}, {}},
      {3, {1, 2, 11, 13}, {13}, {{{1, 2, 11}, MQ::Temperature}}, {13}, {}},
      {4, {1, 2, 5, 10, 11, 12}, {5, 10}, {{{1, 2, 11}, MQ::Temperature}, {{12}, MQ::Transparency}}, {}, {12}},
      {5, {1, 2, 11, 13}, {13}, {{{1, 2, 11}, MQ::Temperature}}, {13}, {}},
      {6, {1, 2}, {}, {{{1, 2}, MQ::Temperature}}, {}, {}},
      {7, {1, 2, 5, 11, 13, 14}, {5, 11, 13, 14}, {{{1, 2}, MQ::Temperature}}, {13}, {}},
      {8, {5, 6, 7}, {}, {{{5}, MQ::Temperature}, {{6, 7}, MQ::TemperatureAndRoof}}, {}, {}},
  };
  return rows;
}

MainQuestion QuestionFor(const ObjectRow &row, int material) {
  for (const auto &[materials, question] : row.page3Question) {
    if (Contains(materials, material))
      return question;
  }
  ADD_FAILURE() << "no page-3 question for material " << material;
  return MainQuestion::TemperatureInitial;
}

void CheckObjectRow(Work work, const ObjectRow &row) {
  for (const int material : row.materials) {
    for (const int page3 : {0, 1}) {
      SCOPED_TRACE(testing::Message() << "work " << work << ", object " << row.object << ", material " << material
                                      << ", page-3 answer " << page3);
      const bool transparent = page3 == 0 && Contains(row.page5SkippedIfTransparent, material);
      const bool showsPage3 = !Contains(row.page3Skipped, material);
      const bool showsPage5 = !Contains(row.page5Skipped, material) && !transparent;
      Pages expected{0, 1, 2};
      if (showsPage3)
        expected.push_back(3);
      expected.push_back(4);
      if (showsPage5)
        expected.push_back(5);
      expected.push_back(6);
      const Answers answers{work, Object(row.object), material, page3};
      ExpectWalk(answers, expected);

      // The list offered on page 2 and the question asked on page 3.
      Wizard w;
      WalkTo(w, answers, 2);
      EXPECT_EQ(w.pages.rgMaterial.items(), Materials(row.materials));
      if (showsPage3) {
        Answer(w, answers);
        w.bbNextClick();
        ASSERT_EQ(w.shownPage(), 3);
        EXPECT_EQ(w.pages.mainQuestion(), QuestionFor(row, material));
      }
    }
  }
}

TEST(Navigation, WaterproofingVisitsThePagesOfEveryObjectAndMaterial) {
  for (const ObjectRow &row : ObjectRows())
    CheckObjectRow(kWaterproofing, row);
}

TEST(Navigation, FloorCoatingOffersTheFloorAndPlatformRows) {
  RecordingHost host;
  Wizard w(&host);
  w.pages.rgTipRabot.select(kFloorCoating);
  w.bbNextClick();
  EXPECT_EQ(w.pages.rgVidObj.items(), Questionnaire::objectsFloor());
  for (const ObjectRow &row : ObjectRows()) {
    if (row.object == 4 || row.object == 6)
      CheckObjectRow(kFloorCoating, row);
  }
}

TEST(Navigation, WorkTypesWithoutObjectPages) {
  const std::pair<Work, Pages> cases[] = {
      {kThermal, {0, 3, 4, 6}},
      {kFireProtection, {0, 3, 4, 5, 6}},
      {kAnticorrosion, {0, 3, 4, 5, 6}},
  };
  for (const auto &[work, pages] : cases) {
    SCOPED_TRACE(testing::Message() << "work " << work);
    ExpectWalk(Answers{work, QString(), 0, 0}, pages);
  }
}

TEST(Navigation, StartValues) {
  const Wizard w;
  EXPECT_EQ(w.shownPage(), 0);
  EXPECT_EQ(w.state.iCurPage, 0);
  EXPECT_EQ(w.state.dArea, 0.0);
  EXPECT_EQ(w.pages.medSText, QStringLiteral("100"));
  EXPECT_FALSE(w.pages.secondQuestionVisible());
  EXPECT_EQ(w.nextCaption(), kNextCaption);
  EXPECT_TRUE(w.state.sColorName.isEmpty());
  EXPECT_EQ(w.selectedPaletteColour(), 1);
}

TEST(Navigation, AreaThatIsZeroOrNoNumberKeepsTheUserOnPageFour) {
  const QString texts[] = {QStringLiteral("0"),     QStringLiteral("0,0"), QString(),
                           QStringLiteral("1,2,3"), QStringLiteral(","),   QStringLiteral("12.5")};
  for (const QString &text : texts) {
    SCOPED_TRACE(text.toStdString());
    RecordingHost host;
    Wizard w(&host);
    WalkTo(w, Answers{}, 4);
    // A good area first, so a bad text cannot fall back on it.
    w.bbNextClick();
    w.bbPrevClick();
    ASSERT_EQ(w.shownPage(), 4);
    host.messages.clear();

    w.pages.medSText = text;
    w.bbNextClick();
    EXPECT_EQ(w.shownPage(), 4);
    w.bbPrevClick();
    EXPECT_EQ(w.shownPage(), 4);
    EXPECT_EQ(host.messages, (QStringList{kAreaNotSet, kAreaNotSet}));
    EXPECT_EQ(w.state.dArea, 0.0);
    EXPECT_EQ(w.nextCaption(), kNextCaption);
  }
}

TEST(Navigation, AreaWithADecimalCommaIsAccepted) {
  RecordingHost host;
  Wizard w(&host);
  WalkTo(w, Answers{}, 4);
  w.pages.medSText = QStringLiteral("12,5");
  w.bbNextClick();
  EXPECT_EQ(w.shownPage(), 5);
  EXPECT_EQ(w.state.dArea, 12.5);
  EXPECT_TRUE(host.messages.isEmpty());
}

TEST(Navigation, NextOnTheOfferPageAsksToSaveAndStays) {
  RecordingHost host;
  Wizard w(&host);
  WalkForward(w, Answers{});
  ASSERT_EQ(w.shownPage(), 6);
  const int compositions = host.compositions;
  w.bbNextClick();
  w.bbNextClick();
  EXPECT_EQ(host.saves, 2);
  EXPECT_EQ(w.shownPage(), 6);
  EXPECT_EQ(w.state.iCurPage, 6);
  EXPECT_EQ(w.nextCaption(), kSaveCaption);
  EXPECT_EQ(host.compositions, compositions);
}

TEST(Navigation, BackOnPageZeroStays) {
  RecordingHost host;
  Wizard w(&host);
  w.bbPrevClick();
  EXPECT_EQ(w.shownPage(), 0);
  EXPECT_EQ(w.state.iCurPage, 0);
  EXPECT_TRUE(host.messages.isEmpty());
}

TEST(Navigation, WizardWithoutHostIgnoresMessagesAndSaves) {
  Wizard w;
  WalkTo(w, Answers{}, 4);
  w.pages.medSText = QStringLiteral("0");
  w.bbNextClick();
  EXPECT_EQ(w.shownPage(), 4);
  w.pages.medSText = QStringLiteral("100");
  WalkForward(w, Answers{});
  w.bbNextClick();
  EXPECT_EQ(w.shownPage(), 6);
}

TEST(Navigation, OfferIsComposedOnEveryArrivalAtRawPageFiveOrSix) {
  struct Step {
    bool next;
    int page;
    int compositions;
  };
  RecordingHost host;
  Wizard w(&host);
  w.pages.rgTipRabot.select(kThermal);
  // Thermal insulation: page 5 is skipped, but the step from 4 still composes once.
  const Step steps[] = {{true, 3, 0}, {true, 4, 0}, {true, 6, 1}, {false, 4, 2}, {false, 3, 2}, {false, 0, 2}};
  for (const Step &s : steps) {
    s.next ? w.bbNextClick() : w.bbPrevClick();
    EXPECT_EQ(w.shownPage(), s.page);
    EXPECT_EQ(host.compositions, s.compositions);
  }

  RecordingHost colourHost;
  Wizard colour(&colourHost);
  WalkTo(colour, Answers{}, 4);
  colour.bbNextClick(); // 4 -> 5
  colour.bbNextClick(); // 5 -> 6
  colour.bbPrevClick(); // 6 -> 5
  colour.bbPrevClick(); // 5 -> 4
  EXPECT_EQ(colourHost.compositions, 3);
}

TEST(Navigation, LeavingTheOfferPageHidesTheOfferButtons) {
  Wizard w;
  WalkForward(w, Answers{});
  w.buttons = OfferButtons{true, true};
  w.bbPrevClick();
  EXPECT_EQ(w.shownPage(), 5);
  EXPECT_FALSE(w.buttons.btnDop);
  EXPECT_FALSE(w.buttons.btnPUColor);
}

TEST(Navigation, TransparentAnswerLeftFromWaterproofingSkipsTheColourPageOfAnticorrosion) {
  Wizard w;
  const Answers softRoof{kWaterproofing, Object(1), 4, 0};
  WalkTo(w, softRoof, 4);
  ASSERT_EQ(w.pages.rgTemperature.selectedText(), QStringLiteral("Цвет покрытия прозрачный"));
  EXPECT_EQ(WalkBack(w), (Pages{4, 3, 2, 1, 0}));

  EXPECT_EQ(WalkForward(w, Answers{kAnticorrosion, QString(), 0, 0}), (Pages{0, 3, 4, 6}));
  EXPECT_EQ(w.pages.tabCaption(3), QStringLiteral("Прозрачность"));
}

// Page-3 situations, each reached through the wizard.
TEST(Navigation, MetalRoofAsksTheRoofQualityWithoutSecondQuestion) {
  Wizard w;
  WalkTo(w, Answers{kWaterproofing, Object(1), 5, 0}, 4);
  w.bbPrevClick();
  ASSERT_EQ(w.shownPage(), 3);
  EXPECT_EQ(w.pages.tabCaption(3), QStringLiteral("Качество кровли"));
  EXPECT_EQ(w.pages.rgTemperature.count(), 3);
  EXPECT_FALSE(w.pages.secondQuestionVisible());
}

TEST(Navigation, SlateRoofShowsTheRoofConditionAgainOnReturn) {
  Wizard w;
  const Answers slate{kWaterproofing, Object(1), 8, 0};
  WalkTo(w, slate, 3);
  ASSERT_EQ(w.shownPage(), 3);
  EXPECT_EQ(w.pages.tabCaption(3), QStringLiteral("Температура ОВ"));
  EXPECT_EQ(w.pages.rgTemperature.items(),
            (QStringList{QStringLiteral("Летнее время (Температура при окрашивании выше 0 градусов)"),
                         QStringLiteral("Зимнее время (Температура при окрашивании ниже 0 градусов)")}));
  EXPECT_TRUE(w.pages.secondQuestionVisible());
  EXPECT_EQ(w.pages.lblPredelCaption(), QStringLiteral("Качество кровли"));
  EXPECT_EQ(w.pages.rgOgneStoi.selectedText(), QStringLiteral("Кровля протекает."));

  w.pages.rgOgneStoi.select(1);
  w.bbNextClick();
  EXPECT_FALSE(w.pages.secondQuestionVisible());
  w.bbPrevClick();
  ASSERT_EQ(w.shownPage(), 3);
  EXPECT_TRUE(w.pages.secondQuestionVisible());
  EXPECT_EQ(w.pages.rgOgneStoi.selectedIndex(), 0);
}

TEST(Navigation, ZincMetalStructuresAskTheTemperatureWithoutSecondQuestion) {
  Wizard w;
  WalkTo(w, Answers{kWaterproofing, Object(8), 7, 0}, 4);
  w.bbPrevClick();
  ASSERT_EQ(w.shownPage(), 3);
  EXPECT_EQ(w.pages.rgTemperature.count(), 2);
  EXPECT_EQ(w.pages.rgTemperature.items().at(0),
            QStringLiteral("Летнее время (Температура при окрашивании выше 0 градусов)"));
  EXPECT_FALSE(w.pages.secondQuestionVisible());
}

TEST(Navigation, RoofQualityThirdAnswerBecomesWinterOnAConcreteBase) {
  Wizard w;
  WalkTo(w, Answers{kWaterproofing, Object(1), 5, 2}, 4);
  w.bbPrevClick(); // 3
  w.bbPrevClick(); // 2
  ASSERT_EQ(w.shownPage(), 2);
  SelectText(w.pages.rgMaterial, Material(1));
  w.bbNextClick();
  ASSERT_EQ(w.shownPage(), 3);
  EXPECT_EQ(w.pages.rgTemperature.count(), 2);
  EXPECT_EQ(w.pages.rgTemperature.selectedText(),
            QStringLiteral("Зимнее время (Температура при окрашивании ниже 0 градусов)"));
}

TEST(Navigation, WorkTypesWithoutObjectPagesOnPageThree) {
  struct Case {
    Work work;
    bool fireQuestion;
  };
  const Case cases[] = {{kFireProtection, true}, {kThermal, false}, {kAnticorrosion, false}};
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << "work " << c.work);
    Wizard fresh;
    fresh.pages.rgTipRabot.select(c.work);
    fresh.bbNextClick();
    ASSERT_EQ(fresh.shownPage(), 3);
    EXPECT_EQ(fresh.pages.mainQuestion(), MainQuestion::TemperatureInitial);
    EXPECT_EQ(fresh.pages.secondQuestionVisible(), c.fireQuestion);
    EXPECT_EQ(fresh.pages.lblPredelCaption(), QStringLiteral("Выберите предел огнестойкости:"));
    EXPECT_EQ(fresh.pages.rgOgneStoi.selectedText(), QStringLiteral("R90"));

    // After a waterproofing walk that ended on the roof-quality question, it stays.
    Wizard after;
    WalkTo(after, Answers{kWaterproofing, Object(1), 5, 0}, 4);
    WalkBack(after);
    after.pages.rgTipRabot.select(c.work);
    after.bbNextClick();
    ASSERT_EQ(after.shownPage(), 3);
    EXPECT_EQ(after.pages.mainQuestion(), MainQuestion::RoofQuality);
    EXPECT_EQ(after.pages.secondQuestionVisible(), c.fireQuestion);
  }
}

TEST(Navigation, HeavyRustLastsUntilPageThreeIsLeftWithAnotherAnswer) {
  Wizard w;
  WalkTo(w, Answers{kWaterproofing, Object(1), 5, 0}, 4);
  EXPECT_TRUE(w.state.bHeavyRust);

  w.bbPrevClick(); // back on page 3
  w.pages.rgTemperature.select(1);
  w.bbNextClick();
  EXPECT_FALSE(w.state.bHeavyRust);

  w.bbPrevClick();
  w.pages.rgTemperature.select(0);
  w.bbPrevClick(); // leaving page 3 backwards counts too
  ASSERT_EQ(w.shownPage(), 2);
  EXPECT_TRUE(w.state.bHeavyRust);

  // Bitumen skips page 3, so the flag stays as it was.
  SelectText(w.pages.rgMaterial, Material(9));
  w.bbNextClick();
  ASSERT_EQ(w.shownPage(), 4);
  EXPECT_TRUE(w.state.bHeavyRust);
}

TEST(Navigation, SkippedPagesKeepTheirAnswers) {
  Wizard w;
  WalkTo(w, Answers{kWaterproofing, Object(3), 2, 1}, 4);
  WalkBack(w);
  // Waterproofing rewrites the objects on entering page 1; thermal insulation skips it.
  EXPECT_EQ(w.pages.rgVidObj.selectedText(), Object(1));
  w.pages.rgTipRabot.select(kThermal);
  w.bbNextClick();
  ASSERT_EQ(w.shownPage(), 3);
  EXPECT_EQ(w.pages.rgVidObj.selectedText(), Object(1));
  EXPECT_EQ(w.pages.rgMaterial.selectedText(), Material(1));
  EXPECT_EQ(w.pages.rgTemperature.selectedIndex(), 1);
}

} // namespace
