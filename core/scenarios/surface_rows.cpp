#include "surface_rows.h"

#include "calculators.h"

ScenarioRow LatexPaintRow(bool facade) {
  return ScenarioRow::call([facade](ScenarioCall &c) {
    const SelectionState &s = c.state();
    CalcLatexPaint(c.ctx, s.sColorName, s.bSummer, s.dArea, s.dColorExtra, facade);
  });
}

ScenarioRow RubberPaintRow(bool firstKind, double rate) {
  return ScenarioRow::call([firstKind, rate](ScenarioCall &c) {
    const SelectionState &s = c.state();
    CalcRubberPaint(c.ctx, s.sColorName, s.bSummer, s.dArea, s.dColorExtra, firstKind, rate);
  });
}

ScenarioRow SealantConcreteRow(bool primer, double rate) {
  return ScenarioRow::call([primer, rate](ScenarioCall &c) {
    const SelectionState &s = c.state();
    CalcSealantConcrete(c.ctx, s.sColorName, primer, s.dArea, s.dColorExtra, rate);
  });
}

ScenarioRow SealantPaintRow(bool primer) {
  return ScenarioRow::call([primer](ScenarioCall &c) {
    const SelectionState &s = c.state();
    CalcSealantPaint(c.ctx, s.sColorName, primer, s.dArea, s.dColorExtra);
  });
}

ScenarioRow TransparentRoofRow(double rate) {
  return ScenarioRow::call([rate](ScenarioCall &c) {
    const SelectionState &s = c.state();
    CalcTransparentRoof(c.ctx, s.sColorName, s.dArea, s.dColorExtra, rate);
  });
}

ScenarioRow PolymerConcretePaintRow(double rate) {
  return ScenarioRow::call([rate](ScenarioCall &c) {
    const SelectionState &s = c.state();
    CalcPolymerConcretePaint(c.ctx, s.sColorName, s.dArea, s.dColorExtra, rate);
  });
}

ScenarioRow PolymerMetalPaintRow(double rate) {
  return ScenarioRow::call([rate](ScenarioCall &c) {
    const SelectionState &s = c.state();
    CalcPolymerMetalPaint(c.ctx, s.sColorName, s.dArea, s.dColorExtra, rate);
  });
}

ScenarioRow PolyurethaneWaterproofingRow(double rate, bool geotextile) {
  return ScenarioRow::call([rate, geotextile](ScenarioCall &c) {
    const SelectionState &s = c.state();
    CalcPolyurethaneWaterproofing(c.ctx, s.sColorName, c.bPUColorUpdate, s.dArea, s.dColorExtra, rate, geotextile);
  });
}

ScenarioRow PolyurethaneFloorRow() {
  return ScenarioRow::call([](ScenarioCall &c) {
    const SelectionState &s = c.state();
    CalcPolyurethaneFloor(c.ctx, s.sColorName, c.bPUColorUpdate, s.dArea, s.dColorExtra);
  });
}

ScenarioRow PolyurethaneEnamelRow(double rate) {
  return ScenarioRow::call([rate](ScenarioCall &c) {
    const SelectionState &s = c.state();
    CalcPolyurethaneEnamel(c.ctx, s.sColorName, c.bPUColorUpdate, s.dArea, s.dColorExtra, rate);
  });
}

ScenarioRow LiquidRoofWaterBasedRow() {
  return ScenarioRow::call([](ScenarioCall &c) {
    const SelectionState &s = c.state();
    CalcLiquidRoofWaterBased(c.ctx, s.sColorName, s.dArea, s.dColorExtra);
  });
}

ScenarioRow LiquidRoofProRow(bool reinforcement, double rate) {
  return ScenarioRow::call([reinforcement, rate](ScenarioCall &c) {
    const SelectionState &s = c.state();
    CalcLiquidRoofPro(c.ctx, s.sColorName, reinforcement, s.dArea, s.dColorExtra, rate);
  });
}

ScenarioRow RubberPaintVariantsRows(int k, double rate) {
  return ScenarioRow::call([k, rate](ScenarioCall &c) {
    using R = ScenarioRow;
    WriteRows(c, {
                     R::plain(QString()),
                     R::variant(k),
                     R::separator(),
                     R::plain(QString()),
                     RubberPaintRow(kFirstKind, rate),
                     R::plain(QString()),
                     R::variant(k + 1),
                     R::separator(),
                     R::plain(QString()),
                     RubberPaintRow(!kFirstKind, rate),
                 });
  });
}

ScenarioRow SealantConcreteHitRows(double rate) {
  return ScenarioRow::call([rate](ScenarioCall &c) {
    WriteRows(c, {
                     PurpleBoldNote(kMaxWaterproofingNote),
                     PurpleBoldNote(kSealantConcreteHitNote),
                     ScenarioRow::plain(QString()),
                     SealantConcreteRow(kWithPrimer, rate),
                 });
  });
}

void WriteStoneSurface(ScenarioCall &call, const QString &heading) {
  using R = ScenarioRow;
  WriteRows(call, {
                      R::heading(heading),
                      R::separator(),
                      R::plain(QString()),
                      R::note(kWetStoneNote),
                      R::plain(QString()),
                      TransparentRoofRow(1.0),
                      R::plain(QString()),
                  });
}

void WriteTiledSurface(ScenarioCall &call, const QString &summerHeading, const QString &winterHeading) {
  using R = ScenarioRow;
  const bool summer = call.state().bSummer;
  WriteRows(call, {
                      R::heading(summer ? summerHeading : winterHeading),
                      R::plain(QString()),
                      R::heading(QStringLiteral("Вариант Первый:")),
                      R::separator(),
                      PurpleBoldNote(kTileMattingNote),
                      R::plain(QString()),
                      RubberPaintRow(kFirstKind, 0.5),
                      R::plain(QString()),
                      R::heading(QStringLiteral("Вариант Второй:")),
                      R::separator(),
                      PurpleBoldNote(kTileMattingNote),
                      R::plain(QString()),
                      RubberPaintRow(!kFirstKind, 0.5),
                  });
  if (!summer)
    return;
  WriteRows(call, {
                      R::plain(QString()),
                      R::heading(QStringLiteral("Вариант Третий:")),
                      R::separator(),
                      PurpleBoldNote(kTileMattingNote + QStringLiteral(" Температура нанесения выше 0С!")),
                      PurpleBoldNote(kPolyurethaneTileAdhesionNote),
                      R::plain(QString()),
                      PolyurethaneWaterproofingRow(1.5, !kWithGeotextile),
                  });
}

void WriteForMaterial(ScenarioCall &call, std::initializer_list<MaterialCase> cases) {
  for (const MaterialCase &c : cases) {
    if (call.M5 == QStringView(c.materialKey)) {
      c.write(call);
      return;
    }
  }
}
