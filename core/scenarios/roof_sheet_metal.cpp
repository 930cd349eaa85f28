#include "roof_parts.h"

// Aluminium and galvanized roofs: R9 leaks, R10 does not (a third variant in winter).
namespace roof {

namespace {

void WriteLeaking(ScenarioCall &call) {
  WriteRows(call, {
                      WhiteColourRuleRow(),
                      ScenarioRow::heading(kSheetMetalHeading),
                      ScenarioRow::separator(),
                      ScenarioRow::note(
                          QStringLiteral("Жидкая кровля Тавилон Про- состав на органической основе из синтетических "
                                         "каучуков. Повышенная прочность, эластичность и срок службы.")),
                      ScenarioRow::plain(QString()),
                      PricedRow(kAdhesivePrimer, kPrimerRate, kUnitLitre, RowColour::No, RowTotal::Starts),
                      PricedRow(kProLiquidRoof, 1.5, kUnitKg, RowColour::Yes),
                      TotalRow(),
                      ShowReinforcementButtonRow(),
                  });
}

void WriteRepaint(ScenarioCall &call) {
  const bool summer = call.state().bSummer;
  WriteRows(call, {
                      ScenarioRow::heading(kSheetMetalHeading),
                      ScenarioRow::separator(),
                      ScenarioRow::heading(summer ? QStringLiteral("Первый вариант :")
                                                  : QStringLiteral("Первый вариант (Нанесение до - 15 градусов):")),
                      ScenarioRow::separator(),
                      RubberPaintRow(RubberKind::Granvel),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::heading(summer ? QStringLiteral("Второй вариант :")
                                                  : QStringLiteral("Второй вариант (Нанесение до -15 градусов):")),
                      ScenarioRow::separator(),
                      RubberPaintRow(RubberKind::Mirdal),
                  });
  if (summer)
    return;
  WriteRows(call, {
                      ScenarioRow::heading(QStringLiteral("Третий вариант (Нанесение до -25 градусов):")),
                      ScenarioRow::separator(),
                      LiquidRoofProRow(Reinforcement::No, 1.5),
                  });
}

} // namespace

void WriteSheetMetalRoof(ScenarioCall &call) {
  if (call.Q8 == QStringLiteral("ПР"))
    WriteLeaking(call);
  else
    WriteRepaint(call);
}

} // namespace roof
