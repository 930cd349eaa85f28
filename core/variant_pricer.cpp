#include "catalogue.h"
#include "offer_context.h"
#include "product_numbers.h"

void VariantPricer::addLine(int product, const QString &middle, long double rate, double area, const QString &unit,
                            double unitPrice, double minimum) {
  const long double consumption = rate * static_cast<long double>(area);
  addLineWithQuantity(product, middle, OrderQuantity(consumption, minimum), unit, unitPrice);
}

void VariantPricer::addLineWithQuantity(int product, const QString &middle, double quantity, const QString &unit,
                                        double unitPrice) {
  // The printed cost is the extended product; the running total is kept as a double.
  const long double cost = static_cast<long double>(quantity) * unitPrice;
  m_ctx.addPlainLine(PricedLineText(product, middle, quantity, unit, unitPrice, cost));
  m_total = static_cast<double>(m_total + cost);
  m_lastUnitPrice = unitPrice;
}

void VariantPricer::addGeotextile(double area) {
  addLineWithQuantity(product::kGeotextile, kMiddleOneBlank, GeotextileQuantity(area), kUnitSquareMetre,
                      ProductPrices(product::kGeotextile));
}

void VariantPricer::writeTotal() {
  m_ctx.addPlainLine(TotalLineText(m_total));
}
