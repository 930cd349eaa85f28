#include "roof_parts.h"

// Concrete, wood and fused-roll roofs: R1 in summer, R2 in winter.
namespace roof {

namespace {

// The reinforced Pro variant under its heading: R1's third variant, R2's second.
ScenarioRow ReinforcedProRows() {
  return ScenarioRow::call([](ScenarioCall &c) {
    WriteRows(c, {
                     ScenarioRow::separator(),
                     ScenarioRow::note(kProNote),
                     ScenarioRow::note(kProPlusNote),
                     ScenarioRow::note(kReinforcedMinusNote),
                     ScenarioRow::plain(QString()),
                     PricedRow(kProLiquidRoof, 2.0, kUnitKg, RowColour::Yes, RowTotal::Starts),
                     PricedRow(kAdhesivePrimer, kPrimerRate, kUnitLitre, RowColour::No),
                     GeotextileRow(),
                     ScenarioRow::plain(QString()),
                     TotalRow(),
                 });
  });
}

// R1 keeps the palette colour as it stands: no white-colour rule here.
void WriteSummer(ScenarioCall &call) {
  WriteRows(call, {
                      ScenarioRow::heading(QStringLiteral("Гидроизоляция кровли (Летний вариант)")),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::heading(QStringLiteral("Вариант Первый:")),
                      ScenarioRow::separator(),
                      LiquidRoofWaterBasedRow(),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::heading(QStringLiteral("Вариант Второй:")),
                      ScenarioRow::separator(),
                      ScenarioRow::plain(QString()),
                      LiquidRoofProRow(Reinforcement::No, 1.5),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::heading(QStringLiteral(
                          "Третий вариант (Сплошное армирование- максимальная гидроизоляция и прочность покрытия) :")),
                      ReinforcedProRows(),
                  });
}

void WriteWinter(ScenarioCall &call) {
  WriteRows(call, {
                      ScenarioRow::heading(QStringLiteral("Гидроизоляция кровли (Зимний вариант)")),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::heading(QStringLiteral("Вариант Первый:")),
                      ScenarioRow::separator(),
                      ScenarioRow::note(kProNote),
                      ScenarioRow::note(kProPlusNote),
                      ScenarioRow::note(QStringLiteral("Минус: Небольшой запах органического растворителя.")),
                      ScenarioRow::plain(QString()),
                      WhiteColourRuleRow(),
                      PricedRow(kProLiquidRoof, 1.5, kUnitKg, RowColour::Yes, RowTotal::Starts),
                      PricedRow(kAdhesivePrimer, kPrimerRate, kUnitKg, RowColour::No), // kilograms in this one line
                      ScenarioRow::plain(QString()),
                      TotalRow(),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::heading(QStringLiteral(
                          "Вариант Второй (Сплошное армирование- максимальная гидроизоляция и прочность покрытия):")),
                      ReinforcedProRows(),
                  });
}

} // namespace

void WriteFlatRoof(ScenarioCall &call) {
  if (call.state().bSummer)
    WriteSummer(call);
  else
    WriteWinter(call);
}

} // namespace roof
