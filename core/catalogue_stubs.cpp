#include "catalogue.h"
#include "number_format.h"
#include "offer_context.h"

// Placeholder until this part is written.
const QString &ProductNames(int) { static const QString empty; return empty; }
double ProductPrices(int) { return 0; }
long double RoundHalfAway(long double x, int) { return x; }
double RoundHalfAway(double x, int) { return x; }
double OrderQuantity(long double, double minimum) { return minimum; }
double GeotextileQuantity(double) { return 10; }
QString MiddleColourFirstForm(const QString &) { return {}; }
QString MiddleColourSecondForm(const QString &) { return {}; }
QString PricedLineText(int, const QString &, double, const QString &, double, long double) { return {}; }
QString TotalLineText(double) { return {}; }
QString FormatNumber(long double) { return {}; }
QString FormatNumber(double) { return {}; }
void VariantPricer::addLine(int, const QString &, long double, double, const QString &, double, double) {}
void VariantPricer::addLineWithQuantity(int, const QString &, double, const QString &, double) {}
void VariantPricer::addGeotextile(double) {}
void VariantPricer::writeTotal() {}
