#pragma once

#include "catalogue.h"
#include "scenario.h"

#include <QString>

// Product lines that a roof scenario prices itself, with the calculators' line format
// and rounding. The unit price and the running variant total live in the selection
// state (dUnitPrice, dVariantTotal), so they outlast the composition.

enum class RowColour { No, Yes };     // Yes: coloured as sColorName, priced with dColorExtra
enum class RowTotal { Adds, Starts }; // Starts: the first priced line of a variant

// Quantity from rate x dArea (extended precision, minimum 10). The rate is long double so
// that a built-in rate such as the primer's 0.2 keeps its extended value, as in the calculators.
void AddRoofPricedLine(OfferContext &ctx, int product, long double rate, const QString &unit, RowColour colour,
                       RowTotal total);
// Geotextile (product 3): the area itself rounded, priced per square metre.
void AddRoofGeotextileLine(OfferContext &ctx);
// "ИТОГО : " + dVariantTotal + " Руб."
void AddRoofTotalLine(OfferContext &ctx);

ScenarioRow PricedRow(int product, long double rate, const QString &unit, RowColour colour,
                      RowTotal total = RowTotal::Adds);
ScenarioRow GeotextileRow();
ScenarioRow TotalRow();
