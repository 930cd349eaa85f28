#pragma once

// Pieces the eighteen calculators share: how notes and empty lines are written,
// the white-colour rule of the liquid roofing and the polyurethane colour step.

#include "offer_context.h"

#include <QString>

namespace calc {

inline constexpr int kNoteSize = 8;
inline constexpr double kMinimumQuantity = 10.0;
inline constexpr double kPolyurethaneMinimum = 20.0; // the polyurethane coats 16, 22, 23
inline constexpr long double kPrimerRate = 0.2L;     // kg (or L) of any primer per m²

inline constexpr char16_t kPUColourNote[] =
    u"Обращаем Ваше внимание, что цвета полиуретановых ЛКМ отличаются от выбранных Вами ранее цветов "
    u"каучуковых красок. Мы выполнили наиболее близкую по цвету замену.";

inline void Note(OfferContext &ctx, const QString &text) {
  ctx.addColoredLine(text, kPurple, false, kNoteSize);
}
inline void RedNote(OfferContext &ctx, const QString &text) {
  ctx.addColoredLine(text, kRed, false, kNoteSize);
}
inline void EmptyLine(OfferContext &ctx) {
  ctx.addPlainLine(QString());
}

// The colour a call prints and charges.
struct CoatColour {
  QString name;
  double surcharge;
};

// "СуперБелый" is sold as plain white by the water-based, metal and Pro liquid roofing:
// shown as "Белый" at no surcharge. Only the call's own copy changes.
CoatColour WithWhiteColourRule(const QString &colourName, double surcharge);

// The polyurethane colour follows the palette colour only when the offer is composed
// on a page step; after the picker closes the picked colour must stay.
void UpdatePUColour(OfferContext &ctx, const QString &colourName, bool updatePUColour);

// Middle piece and unit price of a polyurethane coat from the current polyurethane colour.
QString PUCoatMiddle(const OfferContext &ctx);
double PUCoatUnitPrice(const OfferContext &ctx, int product);

} // namespace calc
