#include "order_block.h"

#include "catalogue.h"
#include "order_form_checks.h"

#include <algorithm>

namespace {

const QString kVariantWord = QStringLiteral("ВАРИАНТ");

bool IsProductAt(const OfferDocument &offer, int index) {
  return IsProductLine(offer.lineText(index));
}

// The first product line at or below `from`, searching no further than the last line.
std::optional<int> FirstProductFrom(const OfferDocument &offer, int from) {
  for (int i = std::max(from, 0); i < offer.count(); ++i) {
    if (IsProductAt(offer, i))
      return i;
  }
  return std::nullopt;
}

// Where the block starts, searching upwards from `startLine`; the heading's
// own run when a heading comes first.
std::optional<int> BlockStart(const OfferDocument &offer, int startLine) {
  // Lines past the end read as "", so the search may begin at the last line.
  for (int n = std::min(startLine, offer.count() - 1); n >= 0; --n) {
    if (IsProductAt(offer, n)) {
      int first = n;
      while (IsProductAt(offer, first - 1))
        --first;
      return first;
    }
    if (IsVariantHeadingLine(offer.lineText(n)))
      return FirstProductFrom(offer, n);
  }
  return FirstProductFrom(offer, 0);
}

} // namespace

bool IsProductLine(const QString &line) {
  return line.startsWith(ProductLineMarker);
}

bool IsVariantHeadingLine(const QString &line) {
  return TrimBlanksAndControls(line).left(kVariantWord.size()).toUpper() == kVariantWord;
}

std::optional<OrderBlock> FindOrderBlock(const OfferDocument &offer, int startLine) {
  const std::optional<int> first = BlockStart(offer, startLine);
  if (!first)
    return std::nullopt;
  int last = *first;
  while (IsProductAt(offer, last + 1))
    ++last;
  return OrderBlock{*first, last};
}
