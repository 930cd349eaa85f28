#pragma once

#include "offer_document.h"

#include <QString>
#include <optional>

// The run of priced product lines that an order carries: line indices first..last.
struct OrderBlock {
  int first = 0;
  int last = 0;

  bool operator==(const OrderBlock &other) const { return first == other.first && last == other.last; }
};

inline const QString kNoVariantMessage = QStringLiteral("Выберите вариант в предложении для оформления заказа.");

// A priced product line: it begins with ProductLineMarker.
bool IsProductLine(const QString &line);
// A variant heading: trimmed of blanks and control characters, its first seven
// characters upper-cased read "ВАРИАНТ".
bool IsVariantHeadingLine(const QString &line);

// The block around `startLine` (the offer line the user clicked): searching
// upwards, a product line gives the run that holds it; a variant heading gives
// the first run below it. With neither above, the offer's first run. No block
// when the search finds no product line before the offer's last line (an offer
// without priced lines, or a heading with none below it): nothing to order.
std::optional<OrderBlock> FindOrderBlock(const OfferDocument &offer, int startLine);
