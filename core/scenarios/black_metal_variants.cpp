#include "black_metal_variants.h"

#include "calculators.h"

namespace {

ScenarioRow BoldNote(const QString &text) {
  return ScenarioRow::note(text, kPurple, true);
}

const QString kZincNote = QStringLiteral("По чистому черному металлу и с наличием следов ржавчины. «Холодное "
                                         "цинкование» и гидроизоляция. Красим до -25С.");

} // namespace

void WriteBlackMetalOffer(ScenarioCall &call, const BlackMetalNotes &notes) {
  WriteRows(call, {
                      ScenarioRow::heading(QStringLiteral("Гидроизоляция металлоконструкций. ")),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::variant(1),
                      ScenarioRow::separator(),
                      BoldNote(notes.sealant),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::call([](ScenarioCall &c) {
                        CalcSealantMetal(c.ctx, c.state().sColorName, c.state().dArea, c.state().dColorExtra, 0.5);
                      }),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::variant(2),
                      ScenarioRow::separator(),
                      BoldNote(notes.polymer),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::call([](ScenarioCall &c) {
                        CalcPolymerMetalPaint(c.ctx, c.state().sColorName, c.state().dArea, c.state().dColorExtra, 0.5);
                      }),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::variant(3),
                      ScenarioRow::separator(),
                      BoldNote(kZincNote),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::call([](ScenarioCall &c) { CalcZincPrimer(c.ctx, 26, c.state().dArea, 0.5); }),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::variant(4),
                      ScenarioRow::separator(),
                      BoldNote(kZincNote),
                      ScenarioRow::plain(QString()),
                      ScenarioRow::call([](ScenarioCall &c) { CalcZincPrimer(c.ctx, 27, c.state().dArea, 0.5); }),
                  });
  // The polyurethane zinc primer and enamel are applied above 0 °C only.
  if (call.state().bSummer)
    WriteRows(call, {
                        ScenarioRow::plain(QString()),
                        ScenarioRow::variant(5),
                        ScenarioRow::separator(),
                        BoldNote(QStringLiteral("По чистому черному металлу. «Холодное цинкование» на полиуретане. "
                                                "Повышенная износоустойчивость. Красим выше 0С.")),
                        ScenarioRow::plain(QString()),
                        ScenarioRow::call([](ScenarioCall &c) { CalcZincPrimer(c.ctx, 28, c.state().dArea, 0.5); }),
                        ScenarioRow::plain(QString()),
                        ScenarioRow::variant(6),
                        ScenarioRow::separator(),
                        BoldNote(QStringLiteral("По чистому черному металлу. Максимальная износоустойчивость! "
                                                "Покрытие типа «Жидкий пластик».")),
                        BoldNote(QStringLiteral("Эмаль полиуретановая двухкомпонентная Мальтон Про- максимальная "
                                                "износоустойчивость и атмосферостойкость. Используется также для "
                                                "окрашивания корпуса судов, используемых как в пресной, так и "
                                                "морской воде.")),
                        ScenarioRow::plain(QString()),
                        ScenarioRow::call([](ScenarioCall &c) {
                          CalcPolyurethaneEnamel(c.ctx, c.state().sColorName, c.bPUColorUpdate, c.state().dArea,
                                                 c.state().dColorExtra, 0.5);
                        }),
                    });
}
