#include "scenarios.h"
#include "surface_rows.h"

// P1: outdoor platforms, paths and blind areas of concrete or wood; the polyurethane
// variant only in summer.

namespace {

using R = ScenarioRow;

void WriteOutdoorPlatform(ScenarioCall &call) {
  WriteRows(call, {
                      R::heading(QStringLiteral("Гидроизоляция площадок под открытым воздухом. ")),
                      R::plain(QString()),
                      R::variant(1),
                      R::separator(),
                      R::plain(QString()),
                      RubberPaintRow(kFirstKind, 1.0),
                      R::plain(QString()),
                      R::variant(2),
                      R::separator(),
                      R::plain(QString()),
                      RubberPaintRow(!kFirstKind, 0.5),
                      R::plain(QString()),
                      R::variant(3),
                      R::separator(),
                      SealantConcreteHitRows(0.8),
                      R::plain(QString()),
                      R::variant(4),
                      R::separator(),
                      R::plain(QString()),
                      PolymerConcretePaintRow(0.8),
                  });
  if (!call.state().bSummer)
    return;
  WriteRows(call, {
                      R::plain(QString()),
                      R::variant(5),
                      R::separator(),
                      PurpleBoldNote(QStringLiteral("Температура нанесения выше 0С!")),
                      PurpleBoldNote(kPolyurethaneTileAdhesionNote),
                      R::plain(QString()),
                      PolyurethaneWaterproofingRow(1.5, !kWithGeotextile),
                  });
}

} // namespace

void WritePlatformScenario(ScenarioCall &call) {
  WriteForMaterial(call, {
                             {u"БЕТОН", WriteOutdoorPlatform},
                             {u"ДЕРЕВ", WriteOutdoorPlatform},
                         });
}
