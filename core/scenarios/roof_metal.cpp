#include "roof_parts.h"

// Black-metal roofs: R6 does not leak, R7 leaks with heavy rust, R8 leaks with little rust.
namespace roof {

namespace {

void WriteRepaint(ScenarioCall &call) {
  WriteRows(
      call,
      {
          ScenarioRow::heading(kMetalHeading),
          ScenarioRow::separator(),
          ScenarioRow::note(QStringLiteral(
              "Полимерная краска Верилакс Металл Про- краска по металлу три-в-одном: нейтрализатор ржавчины, грунт "
              "по металлу и атмосферостойкое полимерное покрытие.")),
          ScenarioRow::plain(QString()),
          PricedRow(kPolymerMetalPaint, 0.5, kUnitKg, RowColour::Yes, RowTotal::Starts),
          TotalRow(),
      });
}

void WriteHeavyRust(ScenarioCall &call) {
  WriteRows(
      call,
      {
          ScenarioRow::heading(kMetalHeading),
          ScenarioRow::separator(),
          ScenarioRow::note(QStringLiteral(
              "Жидкая кровля Тавилон Про Металл – каучуковая жидкая кровля по поверхностям их черного металла.  "
              "Состав три-в-одном: нейтрализатор ржавчины, грунт по металлу и атмосферостойкое полимерное покрытие. "
              "Не требует грунтования.")),
          ScenarioRow::plain(QString()),
          PricedRow(kMetalLiquidRoof, 1.5, kUnitKg, RowColour::Yes, RowTotal::Starts),
          TotalRow(),
      });
}

void WriteLittleRust(ScenarioCall &call) {
  WriteRows(call, {
                      ScenarioRow::heading(kMetalHeading),
                      ScenarioRow::separator(),
                      LiquidRoofAdhesiveRow(Reinforcement::No, 1.5),
                  });
}

} // namespace

void WriteMetalRoof(ScenarioCall &call) {
  ApplyWhiteColourRule(call.state());
  if (call.T8 == QStringLiteral("НЕ"))
    WriteRepaint(call);
  else if (call.state().bHeavyRust)
    WriteHeavyRust(call);
  else
    WriteLittleRust(call);
}

} // namespace roof
