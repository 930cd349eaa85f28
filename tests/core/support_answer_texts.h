#pragma once

#include <QString>

// Answer texts exactly as the wizard's lists hold them, for the tests that compose offers
// from answers.
namespace answers {
// Page 0, work types.
extern const QString kWaterproofing, kFloorCoating, kThermalInsulation, kFireProtection, kAnticorrosion;
// Page 1, objects.
extern const QString kRoof, kFoundation, kFacade, kFloor, kWalls, kPlatforms, kPools, kMetalStructures;
// Page 2, materials.
extern const QString kConcrete, kWood, kFusedRoll, kSoftTiles, kBlackMetal, kAluminium, kGalvanized, kSlate, kBitumen,
    kAsphalt, kTile, kRubberCrumb, kNaturalStone, kPvc;
// Page 3.
extern const QString kSummer, kWinter;                      // the "0 градусов" temperature answers
extern const QString kInitialSummer, kInitialWinter;        // the start-up temperature answers ("0С)")
extern const QString kTransparent, kOpaque;                 // the transparency answers
extern const QString kHeavyRust, kLittleRust, kRepaintOnly; // the roof-quality answers
extern const QString kLeaking, kNotLeaking;                 // the roof-condition answers (second question)
} // namespace answers
