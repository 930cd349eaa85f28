#include "scenarios.h"
#include "surface_rows.h"

// Floors inside: F1/F2 rubber crumb (transparent or not), F3 tile, F4 asphalt,
// F5 metal, F6 concrete or wood.

namespace {

using R = ScenarioRow;

// F1 and F2 keep the roof headings the program has always shown for rubber crumb.
void WriteRubberCrumbFloor(ScenarioCall &call) {
  if (call.T15 == QStringLiteral("ПРОЗ")) { // F1
    WriteRows(call, {
                        R::heading(QStringLiteral("Гидроизоляция кровли (Прозрачный вариант)")),
                        R::separator(),
                        TransparentRoofRow(1.0),
                    });
    return;
  }
  WriteRows(call, {
                      // F2
                      R::heading(QStringLiteral("Гидроизоляция кровли (Непрозрачный вариант)")),
                      R::separator(),
                      R::plain(QString()),
                      SealantPaintRow(!kWithPrimer),
                      R::plain(QString()),
                  });
}

void WriteTiledFloor(ScenarioCall &call) { // F3
  WriteTiledSurface(call, QStringLiteral("Гидроизоляция пола (Летний вариант)"),
                    QStringLiteral("Гидроизоляция пола (Зимний вариант)"));
}

void WriteAsphaltFloor(ScenarioCall &call) { // F4
  WriteRows(call, {
                      R::heading(QStringLiteral("Гидроизоляция асфальтированного пола.")),
                      R::separator(),
                      R::plain(QString()),
                      PolymerConcretePaintRow(1.0),
                  });
}

void WriteMetalFloor(ScenarioCall &call) { // F5, whatever the season
  WriteRows(call, {
                      R::heading(QStringLiteral("Гидроизоляция металлического пола.")),
                      R::plain(QString()),
                      R::heading(QStringLiteral("Вариант Первый:")),
                      R::separator(),
                      R::plain(QString()),
                      PolymerMetalPaintRow(0.8),
                      R::plain(QString()),
                      R::heading(QStringLiteral("Вариант Второй:")),
                      R::separator(),
                      R::plain(QString()),
                      PolyurethaneFloorRow(),
                      R::plain(QString()),
                      R::heading(QStringLiteral("Вариант Третий:")),
                      R::separator(),
                      R::plain(QString()),
                      PolyurethaneEnamelRow(0.8),
                  });
}

// F6: the polyurethane floor is a summer variant only.
void WritePaintedFloor(ScenarioCall &call) {
  const bool summer = call.state().bSummer;
  WriteRows(call, {
                      R::heading(summer ? QStringLiteral("Гидроизоляция пола. Отапливаемое помещение.")
                                        : QStringLiteral("Гидроизоляция пола. Неотапливаемое помещение.")),
                      R::plain(QString()),
                      R::heading(QStringLiteral("Вариант Первый:")),
                      R::separator(),
                      R::plain(QString()),
                      RubberPaintRow(kFirstKind, 1.0),
                      R::plain(QString()),
                      R::heading(QStringLiteral("Вариант Второй:")),
                      R::separator(),
                      R::plain(QString()),
                      RubberPaintRow(!kFirstKind, 1.0),
                      R::plain(QString()),
                      R::heading(QStringLiteral("Вариант Третий:")),
                      R::separator(),
                      SealantConcreteHitRows(0.8),
                      R::plain(QString()),
                      R::heading(QStringLiteral("Вариант Четвёртый:")),
                      R::separator(),
                      R::plain(QString()),
                      PolymerConcretePaintRow(0.8),
                  });
  if (!summer)
    return;
  WriteRows(call, {
                      R::plain(QString()),
                      R::heading(QStringLiteral("Вариант Пятый:")),
                      R::separator(),
                      PurpleBoldNote(QStringLiteral(
                          "Полиуретановое покрытие Ферон Пол имеет повышенную износоустойчивость, стойкость "
                          "к химическим соединениям, солям, кислотам, щелочам и нефтепродуктам.")),
                      R::plain(QString()),
                      PolyurethaneFloorRow(),
                  });
}

} // namespace

void WriteFloorScenario(ScenarioCall &call) {
  WriteForMaterial(call, {
                             {u"ПОКРЫ", WriteRubberCrumbFloor},
                             {u"ПЛИТК", WriteTiledFloor},
                             {u"АСФАЛ", WriteAsphaltFloor},
                             {u"МЕТАЛ", WriteMetalFloor},
                             {u"БЕТОН", WritePaintedFloor},
                             {u"ДЕРЕВ", WritePaintedFloor},
                         });
}
