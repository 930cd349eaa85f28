#include "offer_composer.h"

#include "join_text.h"
#include "number_format.h"
#include "scenario.h"
#include "scenarios/scenarios.h"
#include "selection_key.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

const QString kDefaultColourName = QStringLiteral("Лист ландыша");
constexpr double kDefaultColourExtra = 40.0;
const QString kSummaryRule = QString(56, QLatin1Char('-'));
const QString kRoofQualityLabel = QStringLiteral("Качество кровли");
// The 15th character of "Цвет покрытия прозрачный": the transparent answer has no colour row.
constexpr QChar kTransparentMark = QChar(0x043F); // "п"

void ApplyColourDefault(SelectionState &state) {
  if (!state.sColorName.isEmpty())
    return;
  state.sColorName = kDefaultColourName;
  state.dColorExtra = kDefaultColourExtra;
}

bool IsTransparentAnswer(const QString &mainAnswer) {
  return mainAnswer.size() >= 15 && mainAnswer.at(14) == kTransparentMark;
}

// "label : value", blue.
void WriteSummaryLine(OfferContext &ctx, QStringView label, const QString &value) {
  ctx.addColoredLine(JoinText({label, u" : ", value}), kBlue, false);
}

// Bitumen, asphalt and PVC skip page 3, so the summary has no page-3 answer for them.
bool AsksPageThree(const QString &M5) {
  static constexpr QStringView kSkipping[] = {u"БИТУМ", u"АСФАЛ", u"ПВХ ("};
  return std::find(std::begin(kSkipping), std::end(kSkipping), M5) == std::end(kSkipping);
}

void WriteSummary(const ScenarioCall &call) {
  OfferContext &ctx = call.ctx;
  const OfferAnswers &a = call.answers;
  const bool asksObject = call.W8 != QStringLiteral("ТЕПЛОИЗО") && call.W8 != QStringLiteral("ОГНЕЗАЩИ");
  const bool showsColour = call.W8 != QStringLiteral("ТЕПЛОИЗО") && !IsTransparentAnswer(a.mainAnswer);
  const bool page3Asked = AsksPageThree(call.M5);

  ctx.addColoredLine(QStringLiteral("Вы выбрали следующие параметры:"), kBlue, true);
  ctx.addPlainLine(kSummaryRule);
  WriteSummaryLine(ctx, u"Тип работ", a.work);
  if (asksObject) {
    WriteSummaryLine(ctx, u"Вид объекта", a.object);
    WriteSummaryLine(ctx, u"Материал основания", a.material);
  }
  if (showsColour)
    WriteSummaryLine(ctx, u"Цвет", call.state().sColorName);
  if (page3Asked)
    WriteSummaryLine(ctx, a.page3Caption, a.mainAnswer);
  if (a.secondLabel == kRoofQualityLabel)
    WriteSummaryLine(ctx, kRoofQualityLabel, a.secondAnswer);
  ctx.addColoredLine(JoinText({u"Площадь (кв.м) : ", NumberText(call.state().dArea)}), kBlue, false);
  ctx.addPlainLine(kSummaryRule);
  ctx.addPlainLine(QString());
}

// Keys over string literals: compared with the answer keys, never copied.
using KeyList = std::vector<QStringView>;

// One rule of the dispatch: an empty key list matches any value.
struct DispatchRule {
  KeyList works;
  KeyList objects;
  KeyList materials;
  ScenarioWriter scenario;

  bool matches(const QString &W8, const QString &V6, const QString &M5) const {
    const auto holds = [](const KeyList &allowed, const QString &key) {
      return allowed.empty() || std::find(allowed.begin(), allowed.end(), key) != allowed.end();
    };
    return holds(works, W8) && holds(objects, V6) && holds(materials, M5);
  }
};

std::array<DispatchRule, 22> BuildDispatchTable() {
  constexpr QStringView waterproofing = u"ГИДРОИЗО";
  constexpr QStringView coating = u"ПОКРЫТИЕ";
  constexpr QStringView concrete = u"БЕТОН";
  constexpr QStringView wood = u"ДЕРЕВ";
  constexpr QStringView tile = u"ПЛИТК";
  constexpr QStringView stone = u"НАТУР";
  constexpr QStringView metal = u"МЕТАЛ";
  const KeyList both = {waterproofing, coating};
  const KeyList roofMaterials = {concrete, wood,     u"НАПЛА", u"МЯГКА", metal,    u"АЛЮМИ", u"ОЦИНК",
                                 u"ШИФЕР", u"БИТУМ", u"АСФАЛ", tile,     u"ПОКРЫ", stone,    u"ПВХ ("};

  return {{
      {{u"АНТИКОРР"}, {}, {}, WriteAnticorrosionScenario},
      {{u"ОГНЕЗАЩИ"}, {}, {}, WriteFireProtectionScenario},
      {{u"ТЕПЛОИЗО"}, {}, {}, WriteThermalInsulationScenario},
      {{waterproofing}, {u"МЕТАЛЛ"}, {u"АЛЮМИ", u"ОЦИНК"}, WriteMetalStructureScenario},
      {{waterproofing}, {u"МЕТАЛЛ"}, {metal}, WriteMetalStructureScenario},
      {{waterproofing}, {u"БАССЕЙ"}, {u"ПВХ (", stone, tile, metal, wood, concrete}, WritePoolScenario},
      {both, {u"ПЛОЩАД"}, {concrete, wood}, WritePlatformScenario},
      {{waterproofing}, {u"СТЕНЫ "}, {concrete, wood}, WriteWallScenario},
      {{waterproofing}, {u"СТЕНЫ "}, {tile}, WriteWallScenario},
      {{waterproofing}, {u"СТЕНЫ "}, {stone}, WriteWallScenario},
      {both, {u"ПОЛ (В"}, {u"ПОКРЫ"}, WriteFloorScenario},
      {both, {u"ПОЛ (В"}, {tile}, WriteFloorScenario},
      {both, {u"ПОЛ (В"}, {u"АСФАЛ"}, WriteFloorScenario},
      {both, {u"ПОЛ (В"}, {metal}, WriteFloorScenario},
      {both, {u"ПОЛ (В"}, {concrete, wood}, WriteFloorScenario},
      {{waterproofing}, {u"ФАСАД"}, {stone}, WriteFacadeScenario},
      {{waterproofing}, {u"ФАСАД"}, {tile}, WriteFacadeScenario},
      {{waterproofing}, {u"ФАСАД"}, {concrete, wood}, WriteFacadeScenario},
      {{waterproofing}, {u"ФУНДАМ"}, {tile}, WriteFoundationScenario},
      {{waterproofing}, {u"ФУНДАМ"}, {u"БИТУМ"}, WriteFoundationScenario},
      {{waterproofing}, {u"ФУНДАМ"}, {concrete}, WriteFoundationScenario},
      {{waterproofing}, {u"КРОВЛЯ"}, roofMaterials, WriteRoofScenario},
  }};
}

// Rules in the order tested; the first that holds names the scenario.
const std::array<DispatchRule, 22> &DispatchTable() {
  static const std::array<DispatchRule, 22> table = BuildDispatchTable();
  return table;
}

} // namespace

ScenarioWriter SelectScenario(const QString &W8, const QString &V6, const QString &M5) {
  for (const DispatchRule &rule : DispatchTable()) {
    if (rule.matches(W8, V6, M5))
      return rule.scenario;
  }
  return nullptr;
}

void PredZakaz(OfferContext &ctx, const OfferAnswers &answers, bool bPUColorUpdate) {
  ApplyColourDefault(ctx.state);

  ScenarioCall call{ctx,
                    answers,
                    SelectionKey(answers.work, 1, 8),
                    SelectionKey(answers.object, 1, 6),
                    SelectionKey(answers.material, 1, 5),
                    SelectionKey(answers.mainAnswer, 1, 6),
                    SelectionKey(answers.mainAnswer, 15, 4),
                    SelectionKey(answers.mainAnswer, 8, 2),
                    SelectionKey(answers.secondAnswer, 8, 2),
                    answers.secondIndex == 0,
                    bPUColorUpdate};
  ctx.state.bSummer = call.T6 == QStringLiteral("ЛЕТНЕЕ");

  ctx.doc.clear();
  WriteSummary(call);
  if (const ScenarioWriter scenario = SelectScenario(call.W8, call.V6, call.M5))
    scenario(call);
}
