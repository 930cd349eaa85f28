#include "answer_picking.h"
#include "questionnaire.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const QString kSummerDegrees = QStringLiteral("Летнее время (Температура при окрашивании выше 0 градусов)");
const QString kWinterDegrees = QStringLiteral("Зимнее время (Температура при окрашивании ниже 0 градусов)");
const QStringList kRoofQualityItems{
    QStringLiteral("Кровля протекает. Количество ржавчины больше 10% площади."),
    QStringLiteral("Кровля протекает. Количество ржавчины незначительное (меньше 10% площади)."),
    QStringLiteral("Кровля не протекает. Нужно только обновить цвет")};
const QStringList kTransparencyItems{QStringLiteral("Цвет покрытия прозрачный"),
                                     QStringLiteral("Цвет покрытия непрозрачный")};
const QStringList kFireItems{QStringLiteral("R90"), QStringLiteral("R120")};
const QStringList kRoofConditionItems{QStringLiteral("Кровля протекает."),
                                      QStringLiteral("Кровля не протекает. Только обновить цвет.")};

// The full object and material lists with entries `object` and `material` (1-based) selected.
void SelectObjectAndMaterial(Questionnaire &q, int object, int material) {
  q.rgVidObj.setItems(Questionnaire::objectsAll());
  q.rgVidObj.select(object - 1);
  q.rgMaterial.setItems(Questionnaire::materialsAll());
  q.rgMaterial.select(material - 1);
}

TEST(Questionnaire, InitialListsAndSelections) {
  const Questionnaire q;
  ASSERT_EQ(q.rgTipRabot.count(), 5);
  EXPECT_EQ(q.rgTipRabot.items().at(0),
            QStringLiteral("Гидроизоляция (реставрация и создание нового кровельного покрытия, фундаменты, цоколи, "
                           "плиты перекрытия, фасады, полы, стены и потолки, площадки, дорожки, отмостки, бассейны, "
                           "пруды, фонтаны, металлоконструкции)."));
  EXPECT_EQ(q.rgTipRabot.items().at(1),
            QStringLiteral("Покрытие для пола, дорожек, площадок, отмосток. Снаружи и внутри помещений."));
  EXPECT_EQ(q.rgTipRabot.items().at(2), QStringLiteral("Теплоизоляция"));
  EXPECT_EQ(q.rgTipRabot.items().at(3), QStringLiteral("Огнезащитное окрашивание металлоконструкций и бетона"));
  EXPECT_EQ(q.rgTipRabot.items().at(4),
            QStringLiteral("Антикоррозионная обработка металлоконструкций и холодное цинкование"));

  QStringList objects = Questionnaire::objectsAll();
  objects[1] = QStringLiteral("Фундамент/Цоколь/Плиты перекрытия ");
  EXPECT_EQ(q.rgVidObj.items(), objects);

  QStringList materials = Questionnaire::materialsAll();
  for (int i = 8; i < 14; ++i)
    materials[i] += QLatin1Char('.');
  EXPECT_EQ(q.rgMaterial.items(), materials);
  EXPECT_EQ(q.rgMaterial.items().at(13), QStringLiteral("ПВХ (Поливинилхлорид)."));

  EXPECT_EQ(q.rgTemperature.items(),
            (QStringList{QStringLiteral("Летнее время (Температура при окрашивании выше 0С)"),
                         QStringLiteral("Зимнее время (Температура при окрашивании ниже 0С)")}));
  EXPECT_EQ(q.rgOgneStoi.items(), kFireItems);
  for (const AnswerList *list : {&q.rgTipRabot, &q.rgVidObj, &q.rgMaterial, &q.rgTemperature, &q.rgOgneStoi})
    EXPECT_EQ(list->selectedIndex(), 0);

  EXPECT_EQ(q.mainQuestion(), MainQuestion::TemperatureInitial);
  EXPECT_EQ(q.secondQuestion(), SecondQuestion::FireResistance);
  EXPECT_FALSE(q.secondQuestionVisible());
  EXPECT_EQ(q.medSText, QStringLiteral("100"));
}

TEST(Questionnaire, ListsTheRulesWrite) {
  EXPECT_EQ(Questionnaire::objectsAll(),
            (QStringList{
                QStringLiteral("Кровля"), QStringLiteral("Фундамент/Цоколь/Плиты перекрытия"), QStringLiteral("Фасад"),
                QStringLiteral("Пол (внутри помещения)"), QStringLiteral("Стены и потолок (внутри помещения)"),
                QStringLiteral("Площадки, дорожки, отмостки (открытый воздух)"),
                QStringLiteral("Бассейны/Пруды/Фонтаны/Гидросооружения"), QStringLiteral("Металлоконструкции")}));
  EXPECT_EQ(Questionnaire::objectsFloor(),
            (QStringList{QStringLiteral("Пол (внутри помещения)"),
                         QStringLiteral("Площадки, дорожки, отмостки (открытый воздух)")}));
  EXPECT_EQ(
      Questionnaire::materialsAll(),
      (QStringList{
          QStringLiteral("Бетон, кирпич, штукатурка"),
          QStringLiteral("Дерево, Фанера, OSB (Ориентированно-стружечная плита), ЦСП (Цементно-стружечная плита)"),
          QStringLiteral("Наплавляемые рулонные материалы Типа Рубероид, Технониколь и тп"),
          QStringLiteral("Мягкая черепица типа Шинглас и тп"),
          QStringLiteral("Металлочерепица/Профнастил/Черный металлопрокат"),
          QStringLiteral("Алюминиевый (Дюралиевый) прокат"), QStringLiteral("Оцинкованный металлопрокат"),
          QStringLiteral("Шифер"), QStringLiteral("Битум и гудрон"), QStringLiteral("Асфальт"),
          QStringLiteral("Плитка керамическая и керамогранит"),
          QStringLiteral("Покрытия из резиновой крошки и рулонной резины"),
          QStringLiteral("Натуральный и искусственный камень"), QStringLiteral("ПВХ (Поливинилхлорид)")}));
}

TEST(Questionnaire, TabCaptionsAndQuestionLabels) {
  const Questionnaire q;
  const QStringList captions{QStringLiteral("Тип Работ"),           QStringLiteral("Вид Объекта"),
                             QStringLiteral("Материал Основания"),  QStringLiteral("Температура ОВ"),
                             QStringLiteral("Площадь поверхности"), QStringLiteral("Цвет"),
                             QStringLiteral("Предложение")};
  const QStringList labels{
      QStringLiteral("Выберите тип работ по окрашиванию и перейдите \"Далее\":"),
      QStringLiteral("Выберите вид окрашиваемого объекта по окрашиванию и перейдите \"Далее\":"),
      QStringLiteral("Выберите материал основания окрашиваемого объекта по окрашиванию и перейдите \"Далее\":"),
      QStringLiteral("Выберите температуру окружающего воздуха и перейдите \"Далее\":"),
      QStringLiteral("Укажите площадь окрашиваемой поверхности и перейдите \"Далее\":"),
      QString(),
      QString()};
  for (int page = 0; page < kPageCount; ++page) {
    EXPECT_EQ(q.tabCaption(page), captions.at(page)) << page;
    EXPECT_EQ(q.questionLabel(page), labels.at(page)) << page;
  }
  EXPECT_EQ(q.lblPredelCaption(), QStringLiteral("Выберите предел огнестойкости:"));
}

TEST(Questionnaire, MainQuestionModesWriteCaptionLabelAndItems) {
  struct Case {
    MainQuestion mode;
    QString caption;
    QString label;
    QStringList items;
  };
  const QString temperatureLabel = QStringLiteral("Выберите температуру окружающего воздуха и перейдите \"Далее\":");
  const std::vector<Case> cases{
      {MainQuestion::Temperature, QStringLiteral("Температура ОВ"), temperatureLabel, {kSummerDegrees, kWinterDegrees}},
      {MainQuestion::Transparency, QStringLiteral("Прозрачность"),
       QStringLiteral("Хотите ли Вы сохранить фактуру и цвет Вашей кровли ?"), kTransparencyItems},
      {MainQuestion::RoofQuality, QStringLiteral("Качество кровли"),
       QStringLiteral("Протекает ли Ваша кровля во время дождей и таянья снега ?"), kRoofQualityItems},
      {MainQuestion::TemperatureAndRoof,
       QStringLiteral("Температура ОВ"),
       QStringLiteral("Выберите температуру окружающего воздуха и качество кровли:"),
       {kSummerDegrees, kWinterDegrees}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.caption.toStdString());
    // From both list lengths: the roof-quality list has three items, the others two.
    for (const MainQuestion from : {MainQuestion::RoofQuality, MainQuestion::Transparency}) {
      Questionnaire q;
      q.setMainQuestion(from);
      q.setMainQuestion(c.mode);
      EXPECT_EQ(q.mainQuestion(), c.mode);
      EXPECT_EQ(q.tabCaption(3), c.caption);
      EXPECT_EQ(q.questionLabel(3), c.label);
      EXPECT_EQ(q.rgTemperature.items(), c.items);
    }
  }
}

TEST(Questionnaire, MainQuestionChangeKeepsOrClampsTheSelectedPosition) {
  struct Case {
    MainQuestion from;
    int selected;
    MainQuestion to;
    int expected;
  };
  const Case cases[] = {
      {MainQuestion::RoofQuality, 2, MainQuestion::Temperature, 1},
      {MainQuestion::RoofQuality, 1, MainQuestion::Transparency, 1},
      {MainQuestion::Transparency, 1, MainQuestion::RoofQuality, 1},
      {MainQuestion::RoofQuality, 2, MainQuestion::RoofQuality, 2},
      {MainQuestion::Temperature, 0, MainQuestion::TemperatureAndRoof, 0},
  };
  for (const Case &c : cases) {
    Questionnaire q;
    q.setMainQuestion(c.from);
    q.rgTemperature.select(c.selected);
    q.setMainQuestion(c.to);
    EXPECT_EQ(q.rgTemperature.selectedIndex(), c.expected);
  }
}

TEST(Questionnaire, SecondQuestionContentsSelectTheirFirstItem) {
  Questionnaire q;
  q.rgOgneStoi.select(1);
  q.setSecondQuestion(SecondQuestion::RoofCondition);
  EXPECT_EQ(q.lblPredelCaption(), QStringLiteral("Качество кровли"));
  EXPECT_EQ(q.rgOgneStoi.items(), kRoofConditionItems);
  EXPECT_EQ(q.rgOgneStoi.selectedIndex(), 0);

  q.rgOgneStoi.select(1);
  q.setSecondQuestion(SecondQuestion::FireResistance);
  EXPECT_EQ(q.lblPredelCaption(), QStringLiteral("Выберите предел огнестойкости:"));
  EXPECT_EQ(q.rgOgneStoi.items(), kFireItems);
  EXPECT_EQ(q.rgOgneStoi.selectedIndex(), 0);
}

TEST(Questionnaire, PR1LeavingPageZeroResetsTheFireQuestionButNotItsVisibility) {
  Questionnaire q;
  SelectionState state;
  OfferButtons buttons;
  q.setSecondQuestion(SecondQuestion::RoofCondition);
  q.rgOgneStoi.select(1);
  q.setSecondQuestionVisible(true);
  q.pageLeft(0, state, buttons);
  EXPECT_EQ(q.secondQuestion(), SecondQuestion::FireResistance);
  EXPECT_EQ(q.rgOgneStoi.selectedText(), QStringLiteral("R90"));
  EXPECT_TRUE(q.secondQuestionVisible());
}

TEST(Questionnaire, PR2EnteringPageOneWritesTheObjectsOfTheWorkType) {
  const QStringList initial = Questionnaire().rgVidObj.items();
  const QStringList expected[] = {Questionnaire::objectsAll(), Questionnaire::objectsFloor(), initial, initial,
                                  initial};
  for (int work = 0; work < 5; ++work) {
    Questionnaire q;
    SelectionState state;
    q.rgTipRabot.select(work);
    q.rgVidObj.select(3);
    q.pageEntered(1, state);
    EXPECT_EQ(q.rgVidObj.items(), expected[work]) << work;
    EXPECT_EQ(q.rgVidObj.selectedIndex(), work < 2 ? 0 : 3) << work;
  }
}

TEST(Questionnaire, PR3LeavingPageOneWritesTheMaterialsOfTheObject) {
  const std::vector<std::vector<int>> materialsByObject{
      {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14},
      {1, 9, 11},
      {1, 2, 11, 13},
      {1, 2, 5, 10, 11, 12},
      {1, 2, 11, 13},
      {1, 2},
      {1, 2, 5, 11, 13, 14},
      {5, 6, 7},
  };
  for (int object = 0; object < 8; ++object) {
    Questionnaire q;
    SelectionState state;
    OfferButtons buttons;
    q.rgVidObj.setItems(Questionnaire::objectsAll());
    q.rgVidObj.select(object);
    q.rgMaterial.select(1);
    q.pageLeft(1, state, buttons);
    EXPECT_EQ(q.rgMaterial.items(), Materials(materialsByObject[static_cast<std::size_t>(object)])) << object;
    EXPECT_EQ(q.rgMaterial.selectedIndex(), 0) << object;
  }
}

TEST(Questionnaire, PR4LeavingPageTwoSetsThePageThreeQuestions) {
  enum class Second { Untouched, Hidden, RoofCondition, HiddenFireResistance };
  struct Case {
    int object; // 1-based in O8
    int material;
    MainQuestion mode;
    Second second;
  };
  const Case cases[] = {
      {1, 4, MainQuestion::Transparency, Second::Untouched},
      {4, 12, MainQuestion::Transparency, Second::Untouched},
      {1, 5, MainQuestion::RoofQuality, Second::Untouched},
      {4, 5, MainQuestion::Temperature, Second::HiddenFireResistance}, // metal, but not a roof
      {1, 6, MainQuestion::TemperatureAndRoof, Second::RoofCondition},
      {1, 7, MainQuestion::TemperatureAndRoof, Second::RoofCondition},
      {1, 8, MainQuestion::TemperatureAndRoof, Second::RoofCondition},
      {8, 7, MainQuestion::TemperatureAndRoof, Second::Hidden},
      {1, 1, MainQuestion::Temperature, Second::HiddenFireResistance},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << "object " << c.object << ", material " << c.material);
    Questionnaire q;
    SelectionState state;
    OfferButtons buttons;
    SelectObjectAndMaterial(q, c.object, c.material);
    // A visible fire question with its second answer: any change shows.
    q.setSecondQuestionVisible(c.second != Second::RoofCondition);
    q.rgOgneStoi.select(1);
    q.pageLeft(2, state, buttons);
    EXPECT_EQ(q.mainQuestion(), c.mode);
    const bool rewritten = c.second == Second::RoofCondition || c.second == Second::HiddenFireResistance;
    EXPECT_EQ(q.secondQuestion(),
              c.second == Second::RoofCondition ? SecondQuestion::RoofCondition : SecondQuestion::FireResistance);
    EXPECT_EQ(q.rgOgneStoi.selectedIndex(), rewritten ? 0 : 1);
    EXPECT_EQ(q.secondQuestionVisible(), c.second == Second::RoofCondition ? true : c.second == Second::Untouched);
  }
}

TEST(Questionnaire, PR5EnteringPageThreeForAluminiumZincOrSlate) {
  struct Case {
    int object;
    int material;
    bool changes;
    bool secondVisible;
  };
  const Case cases[] = {{1, 6, true, true}, {1, 8, true, true}, {8, 7, true, false}, {1, 4, false, false}};
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << "object " << c.object << ", material " << c.material);
    Questionnaire q;
    SelectionState state;
    SelectObjectAndMaterial(q, c.object, c.material);
    q.pageEntered(3, state);
    EXPECT_EQ(q.mainQuestion(), c.changes ? MainQuestion::TemperatureAndRoof : MainQuestion::TemperatureInitial);
    EXPECT_EQ(q.secondQuestionVisible(), c.secondVisible);
    EXPECT_EQ(q.secondQuestion(), c.secondVisible ? SecondQuestion::RoofCondition : SecondQuestion::FireResistance);
  }
}

TEST(Questionnaire, PR6HeavyRustFollowsThePageThreeAnswerWhenLeft) {
  Questionnaire q;
  SelectionState state;
  OfferButtons buttons;
  q.setMainQuestion(MainQuestion::RoofQuality);
  const bool expected[] = {true, false, false};
  for (int answer = 0; answer < 3; ++answer) {
    q.rgTemperature.select(answer);
    q.pageLeft(3, state, buttons);
    EXPECT_EQ(state.bHeavyRust, expected[answer]) << answer;
  }
}

TEST(Questionnaire, PR7LeavingTheOfferPageHidesTheOfferButtons) {
  Questionnaire q;
  SelectionState state;
  OfferButtons buttons{true, true};
  q.pageLeft(5, state, buttons);
  EXPECT_TRUE(buttons.btnDop && buttons.btnPUColor);
  q.pageLeft(6, state, buttons);
  EXPECT_FALSE(buttons.btnDop || buttons.btnPUColor);
}

TEST(Questionnaire, AnswersAreTheSelectedItemsAndPageThreeCaptions) {
  Questionnaire q;
  q.rgTipRabot.select(3);
  q.rgVidObj.setItems(Questionnaire::objectsAll());
  q.rgVidObj.select(2);
  SelectText(q.rgMaterial, QStringLiteral("Шифер"));
  q.setMainQuestion(MainQuestion::RoofQuality);
  q.rgTemperature.select(2);
  q.setSecondQuestion(SecondQuestion::RoofCondition);
  q.rgOgneStoi.select(1);

  const OfferAnswers a = q.answers();
  EXPECT_EQ(a.work, QStringLiteral("Огнезащитное окрашивание металлоконструкций и бетона"));
  EXPECT_EQ(a.object, QStringLiteral("Фасад"));
  EXPECT_EQ(a.material, QStringLiteral("Шифер"));
  EXPECT_EQ(a.mainAnswer, kRoofQualityItems.at(2));
  EXPECT_EQ(a.secondAnswer, kRoofConditionItems.at(1));
  EXPECT_EQ(a.secondIndex, 1);
  EXPECT_EQ(a.page3Caption, QStringLiteral("Качество кровли"));
  EXPECT_EQ(a.secondLabel, QStringLiteral("Качество кровли"));
}

} // namespace
