#include "scenarios.h"
#include "surface_rows.h"

// Walls and ceilings inside: W1 concrete or wood, W2 tile, W3 natural stone.

namespace {

using R = ScenarioRow;

// W1: the interior latex paint exists for summer only, so in winter its variant is left
// out and the computed titles of the others move up by one.
void WritePaintedWall(ScenarioCall &call) {
  const bool summer = call.state().bSummer;
  WriteRows(call, {R::heading(summer ? QStringLiteral("Гидроизоляция стен и потолка. Отапливаемое помещение.")
                                     : QStringLiteral("Гидроизоляция стен и потолка. Неотапливаемое помещение."))});
  if (summer) {
    WriteRows(call, {
                        R::plain(QString()),
                        R::variant(1),
                        R::separator(),
                        R::plain(QString()),
                        LatexPaintRow(!kFacadePaint),
                    });
  }
  const int k = summer ? 2 : 1; // number of the first variant written for both seasons
  WriteRows(call, {
                      R::plain(QString()),
                      R::variant(k),
                      R::separator(),
                      R::plain(QString()),
                      LatexPaintRow(kFacadePaint),
                      RubberPaintVariantsRows(k + 1, 0.5),
                      R::plain(QString()),
                      R::variant(k + 3),
                      R::separator(),
                      SealantConcreteHitRows(0.5),
                      R::plain(QString()),
                      R::variant(k + 4),
                      R::separator(),
                      R::plain(QString()),
                      TransparentRoofRow(1.0),
                  });
}

void WriteTiledWall(ScenarioCall &call) { // W2
  WriteTiledSurface(call, QStringLiteral("Гидроизоляция стен и потолка (Летний вариант)"),
                    QStringLiteral("Гидроизоляция стен и потолка (Зимний вариант)"));
}

// W3: the heading names the floor and ceiling, as the program always wrote it.
void WriteStoneWall(ScenarioCall &call) {
  WriteStoneSurface(call, QStringLiteral("Гидроизоляция пола и потолка из натурального камня."));
}

} // namespace

void WriteWallScenario(ScenarioCall &call) {
  WriteForMaterial(call, {
                             {u"БЕТОН", WritePaintedWall},
                             {u"ДЕРЕВ", WritePaintedWall},
                             {u"ПЛИТК", WriteTiledWall},
                             {u"НАТУР", WriteStoneWall},
                         });
}
