#include "roof_parts.h"

// Slate roofs: summer R11 (leaks) and R12, winter R14 (leaks) and R13.
namespace roof {

namespace {

void WriteSummerLeaking(ScenarioCall &call) {
  WriteRows(call, {
                      ScenarioRow::heading(kSlateHeading),
                      ScenarioRow::separator(),
                      ScenarioRow::heading(QStringLiteral("Первый вариант :")),
                      ScenarioRow::plain(QString()),
                      LiquidRoofWaterBasedRow(),
                      ScenarioRow::separator(),
                      ScenarioRow::heading(QStringLiteral("Второй вариант :")),
                      ScenarioRow::plain(QString()),
                      LiquidRoofProRow(Reinforcement::No, 1.2),
                      ScenarioRow::separator(),
                      ScenarioRow::heading(QStringLiteral("Третий вариант :")),
                      ScenarioRow::plain(QString()),
                      LiquidRoofAdhesiveRow(Reinforcement::No, 1.5),
                  });
}

void WriteSummerRepaint(ScenarioCall &call) {
  WriteRows(call, {
                      ScenarioRow::heading(kSlateHeading),
                      ScenarioRow::separator(),
                      ScenarioRow::heading(QStringLiteral("Первый вариант :")),
                      ScenarioRow::plain(QString()),
                      RubberPaintRow(RubberKind::Granvel),
                      ScenarioRow::separator(),
                      ScenarioRow::heading(QStringLiteral("Второй вариант :")),
                      ScenarioRow::plain(QString()),
                      RubberPaintRow(RubberKind::Mirdal),
                  });
}

void WriteWinterRepaint(ScenarioCall &call) {
  WriteRows(call, {
                      ScenarioRow::heading(kSlateHeading),
                      ScenarioRow::separator(),
                      ScenarioRow::heading(QStringLiteral("Первый вариант (Нанесение до -15 градусов) :")),
                      ScenarioRow::plain(QString()),
                      RubberPaintRow(RubberKind::Granvel),
                      ScenarioRow::separator(),
                      ScenarioRow::heading(QStringLiteral("Второй вариант (Нанесение до -15 градусов) :")),
                      ScenarioRow::plain(QString()),
                      RubberPaintRow(RubberKind::Mirdal),
                      ScenarioRow::separator(),
                      ScenarioRow::heading(QStringLiteral("Третий вариант (Нанесение до -25 градусов) :")),
                      ScenarioRow::plain(QString()),
                      LiquidRoofProRow(Reinforcement::No, 1.5),
                      ScenarioRow::separator(),
                      ScenarioRow::heading(QStringLiteral("Четвёртый вариант (Нанесение до -25 градусов) :")),
                      ScenarioRow::plain(QString()),
                      LiquidRoofAdhesiveRow(Reinforcement::No, 1.5),
                  });
}

void WriteWinterLeaking(ScenarioCall &call) {
  WriteRows(call, {
                      ScenarioRow::heading(kSlateHeading),
                      ScenarioRow::separator(),
                      ScenarioRow::plain(QString()),
                      LiquidRoofProRow(Reinforcement::No, 1.5),
                  });
}

} // namespace

void WriteSlateRoof(ScenarioCall &call) {
  const bool leaking = call.Q8 == QStringLiteral("ПР");
  if (call.state().bSummer)
    leaking ? WriteSummerLeaking(call) : WriteSummerRepaint(call);
  else
    leaking ? WriteWinterLeaking(call) : WriteWinterRepaint(call);
}

} // namespace roof
