#include "roof_parts.h"

// Roofs with one scenario per material: bitumen or asphalt R15, tiles R16, stone R17, PVC R18.
namespace roof {

void WriteBitumenRoof(ScenarioCall &call) {
  WriteRows(call, {
                      ScenarioRow::heading(QStringLiteral("Гидроизоляция кровли из битума или асфальта")),
                      ScenarioRow::separator(),
                      ScenarioRow::plain(QString()),
                      LiquidRoofProRow(Reinforcement::Yes, 2.0),
                  });
}

void WriteTiledRoof(ScenarioCall &call) {
  WriteRows(call,
            {
                ShowPUColourButtonRow(),
                ScenarioRow::note(
                    QStringLiteral("Внимание! Перед началом работ плитку нужно заматировать (поцарапать) УШМ с "
                                   "насадкой крупной шкуркой и потом обезжирить ацетоном! Температура нанесения "
                                   "выше 0С!"),
                    kRed),
                ScenarioRow::plain(QString()),
                ScenarioRow::note(QStringLiteral("Полиуретановая гидроизоляция обладает наибольшей адгезией к матовой "
                                                 "керамической плитке и матовому керамограниту.")),
                ScenarioRow::plain(QString()),
                PolyurethaneWaterproofingRow(),
            });
}

void WriteStoneRoof(ScenarioCall &call) {
  WriteRows(
      call,
      {
          ScenarioRow::note(QStringLiteral(
              "Прозрачное покрытие. Максимальная гидроизоляция! Создаем эффект «Мокрого камня»! Нанесение до -25С!")),
          ScenarioRow::plain(QString()),
          TransparentRoofRow(),
      });
}

void WritePvcRoof(ScenarioCall &call) {
  WriteRows(call, {
                      ScenarioRow::note(QStringLiteral("Сплошное армирование! Окрашивание до -25С!")),
                      ScenarioRow::plain(QString()),
                      LiquidRoofAdhesiveRow(Reinforcement::Yes, 2.0),
                  });
}

} // namespace roof
