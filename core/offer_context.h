#pragma once

#include "line_color.h"
#include "offer_document.h"
#include "selection_state.h"

// Buttons under the offer that the composition may ask the window to show.
struct OfferButtons {
  bool btnDop = false;     // "Подробнее об армировании"
  bool btnPUColor = false; // "Выберите цвет Полиуретанов"
};

// What a composition writes to: the document, the selection state and the button requests.
struct OfferContext {
  OfferDocument &doc;
  SelectionState &state;
  OfferButtons &buttons;

  void addColoredLine(QString text, LineColor color, bool bold, int size = 8) {
    doc.addColoredLine(std::move(text), color, bold, size);
  }
  void addPlainLine(QString text) { doc.addPlainLine(std::move(text)); }
};

// Writes the priced lines of one variant and keeps its running total.
class VariantPricer {
public:
  explicit VariantPricer(OfferContext &ctx) : m_ctx(ctx) {}

  // Quantity by the rule for consumption rate x area (extended precision), with `minimum`.
  void addLine(int product, const QString &middle, long double rate, double area, const QString &unit, double unitPrice,
               double minimum = 10.0);
  // A line whose quantity is already known (geotextile, or a scenario's own rule).
  void addLineWithQuantity(int product, const QString &middle, double quantity, const QString &unit, double unitPrice);
  void addGeotextile(double area); // product 3, " ", area rounded, " Кв.м * ", base price
  void writeTotal();               // plain "ИТОГО : " + total + " Руб."
  double total() const { return m_total; }
  double lastUnitPrice() const { return m_lastUnitPrice; }

private:
  OfferContext &m_ctx;
  double m_total = 0.0;
  double m_lastUnitPrice = 0.0;
};
