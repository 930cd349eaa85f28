#pragma once

// Golden cases of the foundation, facade, wall, floor and platform offers: each case is a
// wizard walk for waterproofing or floor coating, turned here into the answers the wizard
// holds at its end and composed as every golden offer is.

#include "area_field.h"
#include "palette.h"
#include "selection_key.h"
#include "support_scenario_goldens.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

namespace golden_walk {

// The lists these walks pass through, as the wizard's rules write them. Functions, not
// tables: the answer texts are initialised in another file.

inline QStringList WorkTypes() {
  return {answers::kWaterproofing, answers::kFloorCoating};
}

inline QStringList ObjectsFor(int work) {
  using namespace answers;
  if (work == 1)
    return {kRoof, kFoundation, kFacade, kFloor, kWalls, kPlatforms, kPools, kMetalStructures};
  return {kFloor, kPlatforms};
}

// Materials offered for an object, by its 5-character key (the objects of these walks only).
inline QStringList MaterialsFor(const QString &object) {
  using namespace answers;
  const QString v5 = SelectionKey(object, 1, 5);
  if (v5 == QStringLiteral("ФУНДА"))
    return {kConcrete, kBitumen, kTile};
  if (v5 == QStringLiteral("ФАСАД") || v5 == QStringLiteral("СТЕНЫ"))
    return {kConcrete, kWood, kTile, kNaturalStone};
  if (v5 == QStringLiteral("ПОЛ ("))
    return {kConcrete, kWood, kBlackMetal, kAsphalt, kTile, kRubberCrumb};
  if (v5 == QStringLiteral("ПЛОЩА"))
    return {kConcrete, kWood};
  return {};
}

inline bool PageThreeSkipped(const QString &object, const QString &material) {
  const QString m5 = SelectionKey(material, 1, 5);
  const QString v5 = SelectionKey(object, 1, 5);
  if (QStringList{QStringLiteral("БИТУМ"), QStringLiteral("АСФАЛ"), QStringLiteral("НАТУР"), QStringLiteral("ПВХ (")}
          .contains(m5))
    return true;
  if (m5 == QStringLiteral("ПЛИТК"))
    return !QStringList{QStringLiteral("ФАСАД"), QStringLiteral("ПОЛ ("), QStringLiteral("СТЕНЫ")}.contains(v5);
  return m5 == QStringLiteral("МЕТАЛ") && (v5 == QStringLiteral("ПОЛ (") || v5 == QStringLiteral("БАССЕ"));
}

// The value written after `option` in the case, or `fallback`.
inline QString Option(const GoldenCase &c, const QString &option, const QString &fallback) {
  for (qsizetype i = 0; i + 1 < c.options.size(); i += 2) {
    if (c.options[i] == option)
      return c.options[i + 1];
  }
  return fallback;
}

inline int Choice(const GoldenCase &c, const QString &option, int fallback = 1) {
  return Option(c, option, QString::number(fallback)).toInt();
}

inline QString Pick(const QStringList &list, int oneBased) {
  return oneBased >= 1 && oneBased <= list.size() ? list[oneBased - 1] : QStringLiteral("<no such answer>");
}

// The answers at the end of the walk. Page 3 left unvisited keeps the summer answer in
// the first place, which leaving page 2 wrote; its second question is the fire-resistance
// one that leaving page 0 set.
inline OfferAnswers AnswersAfterWalk(const GoldenCase &c) {
  OfferAnswers a;
  const int work = Choice(c, QStringLiteral("--work"));
  a.work = Pick(WorkTypes(), work);
  a.object = Pick(ObjectsFor(work), Choice(c, QStringLiteral("--object")));
  a.material = Pick(MaterialsFor(a.object), Choice(c, QStringLiteral("--material")));
  const bool transparency = SelectionKey(a.material, 1, 6) == QStringLiteral("ПОКРЫТ");
  a.page3Caption = transparency ? QStringLiteral("Прозрачность") : QStringLiteral("Температура ОВ");
  const int answer = PageThreeSkipped(a.object, a.material) ? 1 : Choice(c, QStringLiteral("--answer"));
  a.mainAnswer = Pick(transparency ? QStringList{answers::kTransparent, answers::kOpaque}
                                   : QStringList{answers::kSummer, answers::kWinter},
                      answer);
  a.secondAnswer = QStringLiteral("R90");
  a.secondIndex = 0;
  a.secondLabel = QStringLiteral("Выберите предел огнестойкости:");
  return a;
}

inline bool ColourPageSkipped(const OfferAnswers &a) {
  return SelectionKey(a.mainAnswer, 15, 4) == QStringLiteral("ПРОЗ") ||
         SelectionKey(a.material, 1, 5) == QStringLiteral("НАТУР") ||
         SelectionKey(a.work, 1, 5) == QStringLiteral("ТЕПЛО");
}

// The walk as a golden offer: Next from page 4 composes on the way to the colour page; a
// colour click there and Next compose again on the offer page.
inline GoldenOffer OfferAfterWalk(const GoldenCase &c) {
  const OfferAnswers answers = AnswersAfterWalk(c);
  return GoldenOffer{c.name, answers,
                     ParseArea(Option(c, QStringLiteral("--area"), QStringLiteral("100"))).value_or(0.0),
                     !ColourPageSkipped(answers), Choice(c, QStringLiteral("--colour"), kDefaultPaletteColour)};
}

// The walks of tests/golden/<group>.cases.
inline std::vector<GoldenOffer> WalkOffers(const QString &group) {
  std::vector<GoldenOffer> offers;
  for (const GoldenCase &c : ReadGoldenCases(group))
    offers.push_back(OfferAfterWalk(c));
  return offers;
}

// The case called `name` in any .cases file, composed.
inline ComposedOffer ComposeCase(const QString &name) {
  ComposedOffer offer;
  for (const GoldenCase &c : ReadAllGoldenCases()) {
    if (c.name == name) {
      ComposeAsWizard(offer, OfferAfterWalk(c));
      return offer;
    }
  }
  ADD_FAILURE() << "no golden case " << name.toStdString();
  return offer;
}

} // namespace golden_walk
