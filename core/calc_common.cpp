#include "calc_common.h"

#include "catalogue.h"
#include "palette.h"
#include "selection_key.h"

namespace calc {

CoatColour WithWhiteColourRule(const QString &colourName, double surcharge) {
  if (UpperCasedPrefix(colourName, 5) == QStringLiteral("СУПЕР"))
    return {QStringLiteral("Белый"), 0.0};
  return {colourName, surcharge};
}

void UpdatePUColour(OfferContext &ctx, const QString &colourName, bool updatePUColour) {
  if (updatePUColour)
    MapToPUColor(ctx.state, colourName);
}

QString PUCoatMiddle(const OfferContext &ctx) {
  return MiddleColourSecondForm(ctx.state.sPUColorName);
}

double PUCoatUnitPrice(const OfferContext &ctx, int product) {
  return ProductPrices(product) + ctx.state.dPUColorExtra;
}

} // namespace calc
