#include "calculators.h"
#include "scenarios.h"

// Thermal insulation: the ceramic insulation on acrylic latex is offered only in
// summer; the rubber-based one in every season.

namespace {

ScenarioRow BoldNote(const QString &text) {
  return ScenarioRow::note(text, kPurple, true);
}

// The calculator always prices 2 litres per square metre.
const QString kRateNote =
    QStringLiteral("Расход от 1 до 5 литров на кв метр. Стандартный рекомендуемый расход- 2 литра на кв метр.");

} // namespace

void WriteThermalInsulationScenario(ScenarioCall &call) {
  const bool summer = call.state().bSummer;
  WriteRows(call, {
                      ScenarioRow::heading(QStringLiteral("Теплоизоляция")),
                      ScenarioRow::plain(QString()),
                  });
  if (summer)
    WriteRows(call, {
                        ScenarioRow::variant(1),
                        ScenarioRow::separator(),
                        BoldNote(QStringLiteral("Экологичный и экономный.")),
                        BoldNote(QStringLiteral("Жидкая керамическая теплоизоляция Калидор- тонкослойная "
                                                "теплоизоляция и инфракрасный отражающий экран на основы "
                                                "микроскопических керамических сфер 3М с вакуумом внутри на основе "
                                                "связующего из акрилового латекса. ")),
                        BoldNote(kRateNote),
                        ScenarioRow::plain(QString()),
                        ScenarioRow::call([](ScenarioCall &c) { CalcThermalInsulation(c.ctx, true, c.state().dArea); }),
                    });
  // In winter this empty line follows the one above: two stand before the variant.
  WriteRows(call, {
                      ScenarioRow::plain(QString()),
                      ScenarioRow::variant(summer ? 2 : 1),
                      ScenarioRow::separator(),
                      BoldNote(QStringLiteral("Теплоизоляция и гидроизоляция одновременно! На основе синтетического "
                                              "каучука! Нанесение до -25С!")),
                      BoldNote(QStringLiteral("Жидкая керамическая теплоизоляция Марсигон- тонкослойная "
                                              "теплоизоляция и инфракрасный отражающий экран на основы "
                                              "микроскопических керамических сфер 3М с вакуумом внутри на основе "
                                              "связующего из синтетического каучука. ")),
                      BoldNote(kRateNote),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::call([](ScenarioCall &c) { CalcThermalInsulation(c.ctx, false, c.state().dArea); }),
                  });
}
