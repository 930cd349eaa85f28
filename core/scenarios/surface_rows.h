#pragma once

// Rows shared by the foundation, facade, wall, floor and platform scenarios: the
// calculator calls with the arguments these scenarios pass, the notes they repeat,
// the tiled-surface variants, and the choice of a case by material.

#include "scenario.h"

#include <QString>
#include <initializer_list>

// Calculator rows. Colour, area, surcharge, season and the polyurethane-colour update
// flag always come from the call; the arguments here are the scenario's own switches
// and rates (kg/m², litres for the transparent roofing).
ScenarioRow LatexPaintRow(bool facade);
ScenarioRow RubberPaintRow(bool firstKind, double rate);
ScenarioRow SealantConcreteRow(bool primer, double rate);
ScenarioRow SealantPaintRow(bool primer);
ScenarioRow TransparentRoofRow(double rate);
ScenarioRow PolymerConcretePaintRow(double rate);
ScenarioRow PolymerMetalPaintRow(double rate);
ScenarioRow PolyurethaneWaterproofingRow(double rate, bool geotextile);
ScenarioRow PolyurethaneFloorRow();
ScenarioRow PolyurethaneEnamelRow(double rate);
ScenarioRow LiquidRoofWaterBasedRow();
ScenarioRow LiquidRoofProRow(bool reinforcement, double rate);

inline constexpr bool kFirstKind = true;   // Гранвель (11, 12); otherwise Мирдал (13, 14)
inline constexpr bool kFacadePaint = true; // facade latex (18, 19); otherwise interior (24)
inline constexpr bool kWithPrimer = true;
inline constexpr bool kWithReinforcement = true;
inline constexpr bool kWithGeotextile = true;

// A purple bold note (the notes are purple regular unless a scenario says otherwise).
inline ScenarioRow PurpleBoldNote(const QString &text) {
  return ScenarioRow::note(text, kPurple, true);
}

// Notes that several scenarios repeat word for word.
inline const QString kMaxWaterproofingNote = QStringLiteral("Максимальная гидроизоляция!");
inline const QString kSealantConcreteHitNote =
    QStringLiteral("Краска-герметик Сольвира бетон – максимальная гидроизоляция и эластичность покрытия. "
                   "Повышенная трещинностойкость. Хит-продаж!");
inline const QString kTileMattingNote =
    QStringLiteral("Внимание! Перед началом работ плитку нужно заматировать (поцарапать) УШМ с насадкой "
                   "крупной шкуркой и потом обезжирить ацетоном!");
inline const QString kPolyurethaneTileAdhesionNote =
    QStringLiteral("Полиуретановая гидроизоляция обладает наибольшей адгезией к матовой керамической плитке "
                   "и матовому керамограниту.");
inline const QString kPolyurethaneWearNote =
    QStringLiteral("Полиуретановая гидроизоляция обладает наибольшей износоустойчивостью. Минус: высокая цена. ");
inline const QString kWetStoneNote = QStringLiteral(
    "Прозрачное покрытие. Максимальная гидроизоляция! Создаем эффект «Мокрого камня»! Нанесение до -25С!");

// Rows that several scenarios write as one block; each is a single action row that
// writes its rows in order, so it sits in a scenario table like any other row.
// Variants k and k+1: the Гранвель and the Мирдал rubber paint at the same rate.
ScenarioRow RubberPaintVariantsRows(int k, double rate);
// The sealant-concrete variant's body: its two notes, an empty line and the calculator.
ScenarioRow SealantConcreteHitRows(double rate);

// Natural-stone walls and facades (W3, A1): the transparent coating under a heading.
void WriteStoneSurface(ScenarioCall &call, const QString &heading);

// Tiled walls, facades and floors (W2, A2, F3): two rubber-paint variants after the
// matting warning, and in summer a third with the polyurethane waterproofing.
void WriteTiledSurface(ScenarioCall &call, const QString &summerHeading, const QString &winterHeading);

// One scenario of a group, chosen by the material key M5.
struct MaterialCase {
  const char16_t *materialKey;
  void (*write)(ScenarioCall &call);
};
// Runs the first case whose key is M5; a material the group does not list writes nothing.
void WriteForMaterial(ScenarioCall &call, std::initializer_list<MaterialCase> cases);
