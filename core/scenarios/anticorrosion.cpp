#include "black_metal_variants.h"
#include "scenarios.h"

// Anticorrosion treatment: the black-metal offer, with notes that also admit traces of rust.
void WriteAnticorrosionScenario(ScenarioCall &call) {
  WriteBlackMetalOffer(call, {QStringLiteral("По чистому черному металлу и\\или с наличием следов ржавчины. "
                                             "Максимальная гидроизоляция. Красим до -25С."),
                              QStringLiteral("По старому покрытию и чистому черному металлу, с наличием следов "
                                             "ржавчины. Акриловое полимерное покрытие. Нанесение до -25С.")});
}
