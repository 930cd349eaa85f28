#include "roof_parts.h"

// Soft tiles and rubber-crumb roofs: R3 transparent (both), R4 soft tiles, R5 rubber crumb.
namespace roof {

namespace {

void WriteTransparent(ScenarioCall &call) {
  WriteRows(call, {
                      ScenarioRow::heading(QStringLiteral("Гидроизоляция кровли (Прозрачный вариант)")),
                      ScenarioRow::separator(),
                      TransparentRoofRow(),
                  });
}

void WriteSoftTiles(ScenarioCall &call) {
  WriteRows(call, {
                      ScenarioRow::heading(QStringLiteral("Гидроизоляция кровли (Непрозрачный вариант)")),
                      ScenarioRow::separator(),
                      ScenarioRow::heading(QStringLiteral("Первый вариант :")),
                      ScenarioRow::separator(),
                      LiquidRoofProRow(Reinforcement::No, 1.5),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::heading(QStringLiteral("Второй вариант :")),
                      ScenarioRow::separator(),
                      ScenarioRow::plain(QString()),
                      LiquidRoofAdhesiveRow(Reinforcement::No, 1.5),
                      ScenarioRow::plain(QString()),
                  });
}

void WriteRubberCrumb(ScenarioCall &call) {
  WriteRows(call, {
                      ScenarioRow::heading(QStringLiteral("Гидроизоляция кровли (Непрозрачный вариант)")),
                      ScenarioRow::separator(),
                      ScenarioRow::plain(QString()),
                      SealantPaintRow(),
                      ScenarioRow::plain(QString()),
                  });
}

} // namespace

void WriteSoftRoof(ScenarioCall &call) {
  if (call.T15 == QStringLiteral("ПРОЗ"))
    WriteTransparent(call);
  else if (call.M5 == QStringLiteral("МЯГКА"))
    WriteSoftTiles(call);
  else
    WriteRubberCrumb(call);
}

} // namespace roof
