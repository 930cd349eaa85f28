#pragma once

#include "support_offer.h"

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

// Answer texts exactly as the wizard's lists hold them.
namespace answers {
extern const QString kWaterproofing, kThermalInsulation, kFireProtection, kAnticorrosion;
extern const QString kRoof, kPools, kMetalStructures;
extern const QString kConcrete, kWood, kBlackMetal, kAluminium, kGalvanized, kTile, kNaturalStone, kPvc;
extern const QString kSummer, kWinter;               // the "0 градусов" temperature answers
extern const QString kInitialSummer, kInitialWinter; // the start-up temperature answers ("0С)")
} // namespace answers

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
  int colour = 0; // palette button clicked on page 5; 0: none
};

// Composes as the wizard does: on the step from page 4 (bPUColorUpdate true), then, when
// the colour page is shown, after the palette click on the step to the offer page.
void ComposeAsWizard(ComposedOffer &offer, const GoldenOffer &golden);
// The case names listed in tests/golden/<casesFile>.cases, in order.
QStringList GoldenCaseNames(const QString &casesFile);
// Names of the offers, in order.
QStringList NamesOf(const std::vector<GoldenOffer> &offers);
// The lines joined by newlines, for readable failure messages.
std::string Joined(const QStringList &lines);
// The product number whose catalogue name begins `line`, the longest such name; 0 if none.
int ProductOfLine(const QString &line);
// The first line index whose text equals `text`, or -1.
int IndexOfLine(const ComposedOffer &offer, const QString &text, int from = 0);

#include <ostream>
// A test name from the offer's name: letters and digits, '_' for anything else.
std::string TestNameOf(const GoldenOffer &offer);
// Test names show the offer's name instead of its bytes.
inline void PrintTo(const GoldenOffer &offer, std::ostream *os) {
  *os << offer.name.toStdString();
}
