#include "support_scenario_goldens.h"

#include "palette.h"
#include "selection_key.h"

#include <QFile>

namespace {
const QString kTemperatureCaption = QStringLiteral("Температура ОВ");
const QString kFireResistanceLabel = QStringLiteral("Выберите предел огнестойкости:");
const QStringList kFireClasses = {QStringLiteral("R90"), QStringLiteral("R120")};
} // namespace

OfferAnswers WaterproofingAnswers(const QString &object, const QString &material, const QString &mainAnswer) {
  // Leaving page 0 set the second question to fire resistance; nothing on these walks changes it.
  return OfferAnswers{answers::kWaterproofing, object, material, mainAnswer, kFireClasses.at(0), 0, kTemperatureCaption,
                      kFireResistanceLabel};
}

OfferAnswers FreshStartAnswers(const QString &work, const QString &mainAnswer, int fireClassIndex) {
  return OfferAnswers{
      work,           answers::kRoof,      answers::kConcrete,  mainAnswer, kFireClasses.at(fireClassIndex),
      fireClassIndex, kTemperatureCaption, kFireResistanceLabel};
}

void ComposeAsWizard(ComposedOffer &offer, const GoldenOffer &golden) {
  // Leaving page 3 sets bHeavyRust from its answer, before any composition.
  offer.state.bHeavyRust = SelectionKey(golden.answers.mainAnswer, 39, 2) == QStringLiteral("БО");
  offer.state.dArea = golden.area;
  offer.compose(golden.answers);
  if (golden.colourPageShown) {
    // The first palette button is selected at start: clicking it changes nothing.
    if (golden.colour != 0 && golden.colour != kDefaultPaletteColour)
      ApplyPaletteColour(offer.state, golden.colour);
    offer.compose(golden.answers);
  }
  if (golden.puColour != 0) {
    // Closing the picker composes again without remapping the polyurethane colour.
    ApplyPUColour(offer.state, golden.puColour);
    offer.compose(golden.answers, false);
  }
}

QStringList NamesOf(const std::vector<GoldenOffer> &offers) {
  QStringList names;
  for (const GoldenOffer &offer : offers)
    names << offer.name;
  return names;
}

void DumpForReview(const QString &name, const OfferDocument &doc) {
  const QString folder = qEnvironmentVariable("TINTORA_GOLDEN_OUT");
  if (folder.isEmpty())
    return;
  QFile text(folder + QLatin1Char('/') + name + QStringLiteral(".txt"));
  QFile formats(folder + QLatin1Char('/') + name + QStringLiteral(".fmt"));
  if (!text.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      !formats.open(QIODevice::WriteOnly | QIODevice::Truncate))
    return;
  for (const OfferLine &line : doc.lines()) {
    text.write(line.text.toUtf8() + '\n');
    const QString colour = line.plain ? QStringLiteral("plain") : QString::number(line.format.color, 16);
    formats.write((colour + QLatin1Char('|') + line.text.left(40)).toUtf8() + '\n');
  }
}
