#include "offer_composer.h"

#include "number_format.h"
#include "scenario.h"
#include "scenarios/scenarios.h"
#include "selection_key.h"

#include <QStringList>
#include <array>

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

void WriteSummaryLine(OfferContext &ctx, const QString &text) {
  ctx.addColoredLine(text, kBlue, false);
}

void WriteSummary(const ScenarioCall &call) {
  OfferContext &ctx = call.ctx;
  const OfferAnswers &a = call.answers;
  const bool asksObject = call.W8 != QStringLiteral("ТЕПЛОИЗО") && call.W8 != QStringLiteral("ОГНЕЗАЩИ");
  const bool showsColour = call.W8 != QStringLiteral("ТЕПЛОИЗО") && !IsTransparentAnswer(a.mainAnswer);
  const bool page3Asked =
      !QStringList{QStringLiteral("БИТУМ"), QStringLiteral("АСФАЛ"), QStringLiteral("ПВХ (")}.contains(call.M5);

  ctx.addColoredLine(QStringLiteral("Вы выбрали следующие параметры:"), kBlue, true);
  ctx.addPlainLine(kSummaryRule);
  WriteSummaryLine(ctx, QStringLiteral("Тип работ : ") + a.work);
  if (asksObject) {
    WriteSummaryLine(ctx, QStringLiteral("Вид объекта : ") + a.object);
    WriteSummaryLine(ctx, QStringLiteral("Материал основания : ") + a.material);
  }
  if (showsColour)
    WriteSummaryLine(ctx, QStringLiteral("Цвет : ") + call.state().sColorName);
  if (page3Asked)
    WriteSummaryLine(ctx, a.page3Caption + QStringLiteral(" : ") + a.mainAnswer);
  if (a.secondLabel == kRoofQualityLabel)
    WriteSummaryLine(ctx, QStringLiteral("Качество кровли : ") + a.secondAnswer);
  WriteSummaryLine(ctx, QStringLiteral("Площадь (кв.м) : ") + FormatNumber(call.state().dArea));
  ctx.addPlainLine(kSummaryRule);
  ctx.addPlainLine(QString());
}

// One rule of the dispatch: an empty key list matches any value.
struct DispatchRule {
  QStringList works;
  QStringList objects;
  QStringList materials;
  ScenarioWriter scenario;

  bool matches(const QString &W8, const QString &V6, const QString &M5) const {
    const auto holds = [](const QStringList &allowed, const QString &key) {
      return allowed.isEmpty() || allowed.contains(key);
    };
    return holds(works, W8) && holds(objects, V6) && holds(materials, M5);
  }
};

std::array<DispatchRule, 22> BuildDispatchTable() {
  const QString waterproofing = QStringLiteral("ГИДРОИЗО");
  const QString coating = QStringLiteral("ПОКРЫТИЕ");
  const QString concrete = QStringLiteral("БЕТОН");
  const QString wood = QStringLiteral("ДЕРЕВ");
  const QString tile = QStringLiteral("ПЛИТК");
  const QString stone = QStringLiteral("НАТУР");
  const QString metal = QStringLiteral("МЕТАЛ");
  const QStringList both = {waterproofing, coating};
  const QStringList roofMaterials = {concrete,
                                     wood,
                                     QStringLiteral("НАПЛА"),
                                     QStringLiteral("МЯГКА"),
                                     metal,
                                     QStringLiteral("АЛЮМИ"),
                                     QStringLiteral("ОЦИНК"),
                                     QStringLiteral("ШИФЕР"),
                                     QStringLiteral("БИТУМ"),
                                     QStringLiteral("АСФАЛ"),
                                     tile,
                                     QStringLiteral("ПОКРЫ"),
                                     stone,
                                     QStringLiteral("ПВХ (")};

  return {{
      {{QStringLiteral("АНТИКОРР")}, {}, {}, WriteAnticorrosionScenario},
      {{QStringLiteral("ОГНЕЗАЩИ")}, {}, {}, WriteFireProtectionScenario},
      {{QStringLiteral("ТЕПЛОИЗО")}, {}, {}, WriteThermalInsulationScenario},
      {{waterproofing},
       {QStringLiteral("МЕТАЛЛ")},
       {QStringLiteral("АЛЮМИ"), QStringLiteral("ОЦИНК")},
       WriteMetalStructureScenario},
      {{waterproofing}, {QStringLiteral("МЕТАЛЛ")}, {metal}, WriteMetalStructureScenario},
      {{waterproofing},
       {QStringLiteral("БАССЕЙ")},
       {QStringLiteral("ПВХ ("), stone, tile, metal, wood, concrete},
       WritePoolScenario},
      {both, {QStringLiteral("ПЛОЩАД")}, {concrete, wood}, WritePlatformScenario},
      {{waterproofing}, {QStringLiteral("СТЕНЫ ")}, {concrete, wood}, WriteWallScenario},
      {{waterproofing}, {QStringLiteral("СТЕНЫ ")}, {tile}, WriteWallScenario},
      {{waterproofing}, {QStringLiteral("СТЕНЫ ")}, {stone}, WriteWallScenario},
      {both, {QStringLiteral("ПОЛ (В")}, {QStringLiteral("ПОКРЫ")}, WriteFloorScenario},
      {both, {QStringLiteral("ПОЛ (В")}, {tile}, WriteFloorScenario},
      {both, {QStringLiteral("ПОЛ (В")}, {QStringLiteral("АСФАЛ")}, WriteFloorScenario},
      {both, {QStringLiteral("ПОЛ (В")}, {metal}, WriteFloorScenario},
      {both, {QStringLiteral("ПОЛ (В")}, {concrete, wood}, WriteFloorScenario},
      {{waterproofing}, {QStringLiteral("ФАСАД")}, {stone}, WriteFacadeScenario},
      {{waterproofing}, {QStringLiteral("ФАСАД")}, {tile}, WriteFacadeScenario},
      {{waterproofing}, {QStringLiteral("ФАСАД")}, {concrete, wood}, WriteFacadeScenario},
      {{waterproofing}, {QStringLiteral("ФУНДАМ")}, {tile}, WriteFoundationScenario},
      {{waterproofing}, {QStringLiteral("ФУНДАМ")}, {QStringLiteral("БИТУМ")}, WriteFoundationScenario},
      {{waterproofing}, {QStringLiteral("ФУНДАМ")}, {concrete}, WriteFoundationScenario},
      {{waterproofing}, {QStringLiteral("КРОВЛЯ")}, roofMaterials, WriteRoofScenario},
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
