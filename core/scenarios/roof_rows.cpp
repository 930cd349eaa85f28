#include "calculators.h"
#include "roof_parts.h"
#include "selection_key.h"

namespace roof {

void ApplyWhiteColourRule(SelectionState &state) {
  if (SelectionKey(state.sColorName, 1, 5) != QStringLiteral("СУПЕР"))
    return;
  state.sColorName = QStringLiteral("Белый");
  state.dColorExtra = 0.0;
}

ScenarioRow WhiteColourRuleRow() {
  return ScenarioRow::call([](ScenarioCall &call) { ApplyWhiteColourRule(call.state()); });
}

ScenarioRow LiquidRoofWaterBasedRow() {
  return ScenarioRow::call([](ScenarioCall &call) {
    const SelectionState &s = call.state();
    CalcLiquidRoofWaterBased(call.ctx, s.sColorName, s.dArea, s.dColorExtra);
  });
}

ScenarioRow LiquidRoofProRow(Reinforcement reinforcement, double rate) {
  return ScenarioRow::call([=](ScenarioCall &call) {
    const SelectionState &s = call.state();
    CalcLiquidRoofPro(call.ctx, s.sColorName, reinforcement == Reinforcement::Yes, s.dArea, s.dColorExtra, rate);
  });
}

ScenarioRow LiquidRoofAdhesiveRow(Reinforcement reinforcement, double rate) {
  return ScenarioRow::call([=](ScenarioCall &call) {
    const SelectionState &s = call.state();
    CalcLiquidRoofAdhesive(call.ctx, s.sColorName, reinforcement == Reinforcement::Yes, s.dArea, s.dColorExtra, rate);
  });
}

ScenarioRow RubberPaintRow(RubberKind kind) {
  return ScenarioRow::call([=](ScenarioCall &call) {
    const SelectionState &s = call.state();
    CalcRubberPaint(call.ctx, s.sColorName, s.bSummer, s.dArea, s.dColorExtra, kind == RubberKind::Granvel, 0.5);
  });
}

ScenarioRow TransparentRoofRow() {
  return ScenarioRow::call([](ScenarioCall &call) {
    const SelectionState &s = call.state();
    CalcTransparentRoof(call.ctx, s.sColorName, s.dArea, s.dColorExtra, 1.0);
  });
}

ScenarioRow SealantPaintRow() {
  return ScenarioRow::call([](ScenarioCall &call) {
    const SelectionState &s = call.state();
    CalcSealantPaint(call.ctx, s.sColorName, false, s.dArea, s.dColorExtra);
  });
}

ScenarioRow PolyurethaneWaterproofingRow() {
  return ScenarioRow::call([](ScenarioCall &call) {
    const SelectionState &s = call.state();
    CalcPolyurethaneWaterproofing(call.ctx, s.sColorName, call.bPUColorUpdate, s.dArea, s.dColorExtra, 1.5, false);
  });
}

ScenarioRow ShowReinforcementButtonRow() {
  return ScenarioRow::call([](ScenarioCall &call) { call.ctx.buttons.btnDop = true; });
}

ScenarioRow ShowPUColourButtonRow() {
  return ScenarioRow::call([](ScenarioCall &call) { call.ctx.buttons.btnPUColor = true; });
}

} // namespace roof
