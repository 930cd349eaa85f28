#include "calculators.h"
#include "scenarios.h"
#include "surface_rows.h"

#include <array>

// Pools, ponds, fountains and other water structures: one table per base material.

namespace {

ScenarioRow BoldNote(const QString &text) {
  return ScenarioRow::note(text, kPurple, true);
}

const QString kPolyurethaneNote =
    QStringLiteral("Полиуретановая гидроизоляция обладает наибольшей износоустойчивостью. Минус: высокая цена.");

void WritePvcPool(ScenarioCall &call) {
  WriteRows(call, {
                      ScenarioRow::heading(QStringLiteral("Гидроизоляция бассейнов из ПВХ. ")),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::variant(1),
                      ScenarioRow::separator(),
                      BoldNote(QStringLiteral("Сплошное армирование! Окрашивание до -25С!")),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::call([](ScenarioCall &c) {
                        CalcLiquidRoofAdhesive(c.ctx, c.state().sColorName, true, c.state().dArea,
                                               c.state().dColorExtra, 2.0);
                      }),
                  });
}

void WriteNaturalStonePool(ScenarioCall &call) {
  WriteRows(call, {
                      ScenarioRow::heading(QStringLiteral("Гидроизоляция бассейнов из натурального камня ")),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::variant(1),
                      ScenarioRow::separator(),
                      BoldNote(QStringLiteral("Прозрачное покрытие. Максимальная гидроизоляция! Создаем эффект "
                                              "«Мокрого камня»! ")),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::call([](ScenarioCall &c) {
                        CalcTransparentRoof(c.ctx, c.state().sColorName, c.state().dArea, c.state().dColorExtra, 2.0);
                      }),
                  });
}

void WriteTiledPool(ScenarioCall &call) {
  WriteRows(call, {
                      ScenarioRow::heading(QStringLiteral("Гидроизоляция бассейнов, выложенных плиткой. ")),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::variant(1),
                      ScenarioRow::separator(),
                      BoldNote(QStringLiteral("Повышенная износоустойчивость! Используем сплошную армировку "
                                              "полиэфирным геотекстилем!")),
                      BoldNote(QStringLiteral("Полиуретановая гидроизоляция обладает наибольшей износоустойчивостью. "
                                              "Минус: высокая цена и необходимость армирования.")),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::call([](ScenarioCall &c) {
                        CalcPolyurethaneWaterproofing(c.ctx, c.state().sColorName, c.bPUColorUpdate, c.state().dArea,
                                                      c.state().dColorExtra, 2.0, true);
                      }),
                  });
}

// The calculator's first line follows the separator directly: no note, no empty line.
void WriteMetalPool(ScenarioCall &call) {
  WriteRows(call, {
                      ScenarioRow::heading(QStringLiteral("Гидроизоляция металлических бассейнов ")),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::variant(1),
                      ScenarioRow::separator(),
                      ScenarioRow::call([](ScenarioCall &c) {
                        CalcLiquidRoofMetal(c.ctx, c.state().sColorName, true, c.state().dArea, c.state().dColorExtra,
                                            2.0);
                      }),
                  });
}

// Summer adds the water-based and the polyurethane variants before the reinforced one.
void WriteWoodenPool(ScenarioCall &call) {
  const bool summer = call.state().bSummer;
  WriteRows(call, {ScenarioRow::heading(QStringLiteral("Гидроизоляция деревянных бассейнов "))});
  if (summer)
    WriteRows(call, {
                        ScenarioRow::plain(QString()),
                        ScenarioRow::variant(1),
                        ScenarioRow::separator(),
                        BoldNote(QStringLiteral("Рекомендуется для гидросооружений внутри помещения и прудов с живыми "
                                                "обитателями! Используем сплошное армирование полиэфирным "
                                                "геотекстилем!")),
                        ScenarioRow::plain(QString()),
                        ScenarioRow::call([](ScenarioCall &c) {
                          CalcLiquidRoofWaterBased(c.ctx, c.state().sColorName, c.state().dArea, c.state().dColorExtra);
                        }),
                        ScenarioRow::plain(QString()),
                        ScenarioRow::variant(2),
                        ScenarioRow::separator(),
                        BoldNote(kPolyurethaneNote),
                        ScenarioRow::plain(QString()),
                        ScenarioRow::call([](ScenarioCall &c) {
                          CalcPolyurethaneWaterproofing(c.ctx, c.state().sColorName, c.bPUColorUpdate, c.state().dArea,
                                                        c.state().dColorExtra, 2.0, false);
                        }),
                    });
  WriteRows(call, {
                      ScenarioRow::plain(QString()),
                      ScenarioRow::variant(summer ? 3 : 1),
                      ScenarioRow::separator(),
                      BoldNote(QStringLiteral("Максимальная гидроизоляция! Используем сплошное армирование "
                                              "полиэфирным геотекстилем!")),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::call([](ScenarioCall &c) {
                        CalcLiquidRoofPro(c.ctx, c.state().sColorName, true, c.state().dArea, c.state().dColorExtra,
                                          2.0);
                      }),
                  });
}

// Four variants; the polyurethane one comes last and only in summer.
void WriteConcretePool(ScenarioCall &call) {
  WriteRows(call, {
                      ScenarioRow::heading(QStringLiteral("Гидроизоляция бетонных бассейнов ")),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::variant(1),
                      ScenarioRow::separator(),
                      BoldNote(QStringLiteral("Максимальная гидроизоляция! Хит продаж!")),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::call([](ScenarioCall &c) {
                        CalcSealantPaint(c.ctx, c.state().sColorName, true, c.state().dArea, c.state().dColorExtra);
                      }),
                      RubberPaintVariantsRows(2, 1.0),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::variant(4),
                      ScenarioRow::separator(),
                      BoldNote(QStringLiteral("Прозрачный состав! Для поверхностей, которым нужно сохранить фактуру "
                                              "и цвет первоначального покрытия: фактурная штукатурка, натуральный и "
                                              "искусственный камень. Создает эффект «Мокрого камня»! ")),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::call([](ScenarioCall &c) {
                        CalcTransparentRoof(c.ctx, c.state().sColorName, c.state().dArea, c.state().dColorExtra, 1.2);
                      }),
                  });
  if (call.state().bSummer)
    WriteRows(call, {
                        ScenarioRow::plain(QString()),
                        ScenarioRow::variant(5),
                        ScenarioRow::separator(),
                        BoldNote(kPolyurethaneNote),
                        ScenarioRow::plain(QString()),
                        ScenarioRow::call([](ScenarioCall &c) {
                          CalcPolyurethaneWaterproofing(c.ctx, c.state().sColorName, c.bPUColorUpdate, c.state().dArea,
                                                        c.state().dColorExtra, 1.5, false);
                        }),
                    });
}

struct PoolMaterial {
  const char16_t *key; // M5
  void (*write)(ScenarioCall &);
};

// Tested in this order; the first equal key wins.
constexpr std::array<PoolMaterial, 6> kPoolMaterials{{
    {u"ПВХ (", WritePvcPool},
    {u"НАТУР", WriteNaturalStonePool},
    {u"ПЛИТК", WriteTiledPool},
    {u"МЕТАЛ", WriteMetalPool},
    {u"ДЕРЕВ", WriteWoodenPool},
    {u"БЕТОН", WriteConcretePool},
}};

} // namespace

void WritePoolScenario(ScenarioCall &call) {
  for (const PoolMaterial &material : kPoolMaterials) {
    if (call.M5 == QStringView(material.key)) {
      material.write(call);
      return;
    }
  }
}
