#include "black_metal_variants.h"
#include "scenarios.h"
#include "static_text.h"
#include "surface_rows.h"

#include <array>

// Waterproofing of metal structures: black metal, or aluminium and galvanized rolled metal.

namespace {

// Aluminium and galvanized metal take the two rubber paints; the heading names the metal.
void WriteNonFerrousMetal(ScenarioCall &call, const QString &metalWord) {
  WriteRows(call, {
                      ScenarioRow::heading(QStringLiteral("Гидроизоляция") + metalWord +
                                           QStringLiteral("металлоконструкций. ")),
                      RubberPaintVariantsRows(1, 0.5),
                  });
}

void WriteBlackMetal(ScenarioCall &call) {
  WriteBlackMetalOffer(call, {QStringLiteral("По чистому черному металлу. Максимальная гидроизоляция. Красим до -25С."),
                              QStringLiteral("По старому покрытию и чистому черному металлу. Акриловое полимерное "
                                             "покрытие. Нанесение до -25С.")});
}

struct NonFerrousMetal {
  const char16_t *key;       // M5
  const char16_t *metalWord; // between "Гидроизоляция" and "металлоконструкций. "
};

constexpr std::array<NonFerrousMetal, 2> kNonFerrousMetals{{
    {u"АЛЮМИ", u" алюминиевых "},
    {u"ОЦИНК", u" оцинкованных "},
}};

} // namespace

void WriteMetalStructureScenario(ScenarioCall &call) {
  for (const NonFerrousMetal &metal : kNonFerrousMetals) {
    if (call.M5 == QStringView(metal.key)) {
      WriteNonFerrousMetal(call, StaticText(metal.metalWord));
      return;
    }
  }
  if (call.M5 == QStringLiteral("МЕТАЛ"))
    WriteBlackMetal(call);
}
