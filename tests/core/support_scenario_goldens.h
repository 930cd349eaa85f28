#pragma once

#include "support_answer_texts.h"
#include "support_offer.h"

#include <QString>
#include <QStringList>
#include <ostream>
#include <string>
#include <vector>

// Waterproofing walk: object and material pages visited, page 3 left with `mainAnswer`
// (or, when skipped, still holding what rule PR4 wrote: the summer answer).
OfferAnswers WaterproofingAnswers(const QString &object, const QString &material, const QString &mainAnswer);
// A work type that skips pages 1 and 2 on a fresh start: the initial object and material
// stay selected; page 3 shows the start-up temperature question and, for fire
// protection, R90 (index 0) or R120 (index 1).
OfferAnswers FreshStartAnswers(const QString &work, const QString &mainAnswer, int fireClassIndex = 0);

// One golden offer: the answers after a walk of the wizard, and how it reached the offer.
struct GoldenOffer {
  QString name; // tests/golden/<name>.txt and the case name in the .cases file
  OfferAnswers answers;
  double area = 100.0;
  bool colourPageShown = true;
  int colour = 0;   // palette button clicked on page 5; 0: none
  int puColour = 0; // picked in the polyurethane picker once the offer is shown; 0: none
};

// Composes as the wizard does: on the step from page 4 (bPUColorUpdate true), then, when
// the colour page is shown, after the palette click on the step to the offer page, then
// after a pick in the polyurethane picker.
void ComposeAsWizard(ComposedOffer &offer, const GoldenOffer &golden);
// Names of the offers, in order.
QStringList NamesOf(const std::vector<GoldenOffer> &offers);
// With TINTORA_GOLDEN_OUT set to a folder, the composed offer is written there as a
// golden-format file (and <name>.fmt: each line's colour, or "plain"), to be reviewed
// before it replaces a golden file.
void DumpForReview(const QString &name, const OfferDocument &doc);

// Test names show the offer's name instead of its bytes.
inline void PrintTo(const GoldenOffer &offer, std::ostream *os) {
  *os << offer.name.toStdString();
}
