#include "roof_priced_rows.h"

#include "catalogue.h"

namespace {

constexpr int kGeotextile = 3;
constexpr double kMinimumQuantity = 10.0;

void AddLine(OfferContext &ctx, int product, const QString &middle, double quantity, const QString &unit,
             double unitPrice, RowTotal total) {
  SelectionState &state = ctx.state;
  const long double cost = static_cast<long double>(quantity) * unitPrice;
  state.dUnitPrice = unitPrice;
  state.dVariantTotal =
      total == RowTotal::Starts ? static_cast<double>(cost) : state.dVariantTotal + static_cast<double>(cost);
  ctx.addPlainLine(PricedLineText(product, middle, quantity, unit, unitPrice, cost));
}

} // namespace

void AddRoofPricedLine(OfferContext &ctx, int product, long double rate, const QString &unit, RowColour colour,
                       RowTotal total) {
  const SelectionState &state = ctx.state;
  const bool coloured = colour == RowColour::Yes;
  const long double consumption = rate * static_cast<long double>(state.dArea);
  const double quantity = OrderQuantity(consumption, kMinimumQuantity);
  const double unitPrice = ProductPrices(product) + (coloured ? state.dColorExtra : 0.0);
  const QString middle = coloured ? MiddleColourSecondForm(state.sColorName) : kMiddleOneBlank;
  AddLine(ctx, product, middle, quantity, unit, unitPrice, total);
}

void AddRoofGeotextileLine(OfferContext &ctx) {
  AddLine(ctx, kGeotextile, kMiddleOneBlank, GeotextileQuantity(ctx.state.dArea), kUnitSquareMetre,
          ProductPrices(kGeotextile), RowTotal::Adds);
}

void AddRoofTotalLine(OfferContext &ctx) {
  ctx.addPlainLine(TotalLineText(ctx.state.dVariantTotal));
}

ScenarioRow PricedRow(int product, long double rate, const QString &unit, RowColour colour, RowTotal total) {
  return ScenarioRow::call(
      [=](ScenarioCall &call) { AddRoofPricedLine(call.ctx, product, rate, unit, colour, total); });
}

ScenarioRow GeotextileRow() {
  return ScenarioRow::call([](ScenarioCall &call) { AddRoofGeotextileLine(call.ctx); });
}

ScenarioRow TotalRow() {
  return ScenarioRow::call([](ScenarioCall &call) { AddRoofTotalLine(call.ctx); });
}
