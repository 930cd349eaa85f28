#include "scenarios.h"
#include "surface_rows.h"

// Facades: A1 natural stone, A2 tile, A3 concrete or wood.

namespace {

using R = ScenarioRow;

void WriteStoneFacade(ScenarioCall &call) { // A1
  WriteStoneSurface(call, QStringLiteral("Гидроизоляция фасада. Натуральный камень."));
}

void WriteTiledFacade(ScenarioCall &call) { // A2
  WriteTiledSurface(call, QStringLiteral("Гидроизоляция фасада (Летний вариант)"),
                    QStringLiteral("Гидроизоляция фасада (Зимний вариант)"));
}

// A3: five variants in both seasons; the season reaches the paints through bSummer.
void WritePaintedFacade(ScenarioCall &call) {
  WriteRows(call,
            {
                R::heading(call.state().bSummer ? QStringLiteral("Гидроизоляция фасада (Летний вариант)")
                                                : QStringLiteral("Гидроизоляция фасада (Зимний вариант)")),
                R::plain(QString()),
                R::heading(QStringLiteral("Вариант Первый:")),
                R::separator(),
                RubberPaintRow(kFirstKind, 0.5),
                R::plain(QString()),
                R::heading(QStringLiteral("Вариант Второй:")),
                R::separator(),
                RubberPaintRow(!kFirstKind, 0.5),
                R::plain(QString()),
                R::heading(QStringLiteral("Вариант Третий:")),
                R::separator(),
                LatexPaintRow(kFacadePaint),
                R::plain(QString()),
                R::heading(QStringLiteral("Вариант Четвёртый:")),
                R::separator(),
                PolymerConcretePaintRow(0.5),
                R::plain(QString()),
                R::heading(QStringLiteral("Вариант Пятый:")),
                R::separator(),
                R::note(QStringLiteral("Краска-герметик Сольвира бетон – максимальная гидроизоляция и эластичность "
                                       "покрытия фасада.")),
                R::note(QStringLiteral("Повышенная трещинностойкость. Не требуется грунтование! Хит-продаж!")),
                R::plain(QString()),
                SealantConcreteRow(!kWithPrimer, 0.5),
            });
}

} // namespace

void WriteFacadeScenario(ScenarioCall &call) {
  WriteForMaterial(call, {
                             {u"НАТУР", WriteStoneFacade},
                             {u"ПЛИТК", WriteTiledFacade},
                             {u"БЕТОН", WritePaintedFacade},
                             {u"ДЕРЕВ", WritePaintedFacade},
                         });
}
