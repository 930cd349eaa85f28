#include "scenarios.h"
#include "surface_rows.h"

// Foundations, plinths and floor slabs: B1 tile, B2 bitumen, B3/B4 concrete by season.

namespace {

using R = ScenarioRow;

void WriteTiledFoundation(ScenarioCall &call) { // B1
  WriteRows(call, {
                      R::heading(QStringLiteral("Гидроизоляция фундамента. Плитка и керамогранит.")),
                      R::separator(),
                      R::plain(QString()),
                      R::note(kPolyurethaneWearNote),
                      R::note(kTileMattingNote + QStringLiteral(" ")),
                      R::plain(QString()),
                      PolyurethaneWaterproofingRow(1.5, !kWithGeotextile),
                      R::plain(QString()),
                  });
}

void WriteBitumenFoundation(ScenarioCall &call) { // B2
  WriteRows(call, {
                      R::heading(QStringLiteral("Гидроизоляция фундамента. Битум")),
                      R::separator(),
                      R::plain(QString()),
                      LiquidRoofProRow(kWithReinforcement, 2.0),
                      R::plain(QString()),
                  });
}

void WriteConcreteFoundationSummer(ScenarioCall &call) { // B3
  WriteRows(call, {
                      R::heading(QStringLiteral("Гидроизоляция фундамента (Летний вариант)")),
                      R::plain(QString()),
                      R::heading(QStringLiteral("Вариант Первый:")),
                      R::separator(),
                      LiquidRoofWaterBasedRow(),
                      R::plain(QString()),
                      R::heading(QStringLiteral("Вариант Второй:")),
                      R::separator(),
                      LiquidRoofProRow(!kWithReinforcement, 1.5),
                      R::plain(QString()),
                      R::heading(QStringLiteral("Вариант Третий:")),
                      R::separator(),
                      LiquidRoofProRow(kWithReinforcement, 2.0),
                      R::plain(QString()),
                      R::heading(QStringLiteral("Вариант Четвёртый:")),
                      R::separator(),
                      R::note(kPolyurethaneWearNote),
                      R::plain(QString()),
                      PolyurethaneWaterproofingRow(1.5, !kWithGeotextile),
                  });
}

void WriteConcreteFoundationWinter(ScenarioCall &call) { // B4
  WriteRows(call, {
                      R::heading(QStringLiteral("Гидроизоляция фундамента (Зимний вариант)")),
                      R::plain(QString()),
                      R::heading(QStringLiteral("Вариант Первый:")),
                      R::separator(),
                      LiquidRoofProRow(!kWithReinforcement, 1.5),
                      R::plain(QString()),
                      R::heading(QStringLiteral("Вариант Второй:")),
                      R::separator(),
                      LiquidRoofProRow(kWithReinforcement, 2.0),
                  });
}

void WriteConcreteFoundation(ScenarioCall &call) {
  if (call.state().bSummer)
    WriteConcreteFoundationSummer(call);
  else
    WriteConcreteFoundationWinter(call);
}

} // namespace

void WriteFoundationScenario(ScenarioCall &call) {
  WriteForMaterial(call, {
                             {u"ПЛИТК", WriteTiledFoundation},
                             {u"БИТУМ", WriteBitumenFoundation},
                             {u"БЕТОН", WriteConcreteFoundation},
                         });
}
