#pragma once

#include "calc_common.h"
#include "roof_priced_rows.h"
#include "scenario.h"

// The roof scenario groups (one per kind of base material) and the rows they share.
namespace roof {

void WriteFlatRoof(ScenarioCall &call);       // R1, R2: concrete, wood, fused roll
void WriteSoftRoof(ScenarioCall &call);       // R3-R5: soft tiles, rubber crumb
void WriteMetalRoof(ScenarioCall &call);      // R6-R8: black metal
void WriteSheetMetalRoof(ScenarioCall &call); // R9, R10: aluminium, galvanized
void WriteSlateRoof(ScenarioCall &call);      // R11-R14
void WriteBitumenRoof(ScenarioCall &call);    // R15: bitumen, asphalt
void WriteTiledRoof(ScenarioCall &call);      // R16
void WriteStoneRoof(ScenarioCall &call);      // R17
void WritePvcRoof(ScenarioCall &call);        // R18

// "СуперБелый" becomes "Белый" at no surcharge, in the selection state itself.
void ApplyWhiteColourRule(SelectionState &state);
ScenarioRow WhiteColourRuleRow();

// Calculator rows; colour, area and surcharge are read from the state when the row runs.
enum class Reinforcement { No, Yes };
enum class RubberKind { Granvel, Mirdal }; // products 11/12 or 13/14
ScenarioRow LiquidRoofWaterBasedRow();
ScenarioRow LiquidRoofProRow(Reinforcement reinforcement, double rate);
ScenarioRow LiquidRoofAdhesiveRow(Reinforcement reinforcement, double rate);
ScenarioRow RubberPaintRow(RubberKind kind);
ScenarioRow TransparentRoofRow();
ScenarioRow SealantPaintRow();              // without primer
ScenarioRow PolyurethaneWaterproofingRow(); // 1.5 kg/m², without geotextile

// Action rows that only ask the window to show a button.
ScenarioRow ShowReinforcementButtonRow(); // btnDop
ScenarioRow ShowPUColourButtonRow();      // btnPUColor

// Texts that several roof scenarios repeat.
inline const QString kProNote =
    QStringLiteral("Жидкая кровля Тавилон Про- состав на органической основе из синтетических каучуков.");
inline const QString kProPlusNote = QStringLiteral("Плюс: Повышенная прочность, эластичность и срок службы.");
inline const QString kReinforcedMinusNote =
    QStringLiteral("Минус: Покупка геотекстиля для сплошного армирования. Небольшой запах органического растворителя.");
inline const QString kSheetMetalHeading =
    QStringLiteral("Гидроизоляция алюминиевой(дюралиевой) или оцинкованной кровли");
inline const QString kSlateHeading = QStringLiteral("Гидроизоляция кровли из шифера");
inline const QString kMetalHeading = QStringLiteral("Гидроизоляция металлической кровли");

// Product numbers of the roof's own priced lines.
inline constexpr int kProLiquidRoof = 4;
inline constexpr int kAdhesivePrimer = 5;
inline constexpr int kPolymerMetalPaint = 8;
inline constexpr int kMetalLiquidRoof = 9;

// The primer rate is the calculators' own extended constant, not a double passed in.
using calc::kPrimerRate;

} // namespace roof
