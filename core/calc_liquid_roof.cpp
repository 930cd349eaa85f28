// The four liquid-roofing calculators: notes, optional primer, the coat and reinforcing geotextile.

#include "calc_common.h"
#include "calculators.h"
#include "catalogue.h"
#include "product_numbers.h"

namespace {

constexpr long double kWaterBasedCoatRate = 2.0L; // kg/m²

// A liquid-roofing coat in the second colour form, charged base + surcharge.
void AddRoofCoat(VariantPricer &pricer, int productNumber, const calc::CoatColour &colour, long double rate,
                 double area) {
  pricer.addLine(productNumber, MiddleColourSecondForm(colour.name), rate, area, kUnitKg,
                 ProductPrices(productNumber) + colour.surcharge);
}

// Reinforced variants open with a red note and offer the reinforcement article.
void BeginReinforcedVariant(OfferContext &ctx, bool reinforcement, const QString &redNote) {
  if (!reinforcement)
    return;
  calc::RedNote(ctx, redNote);
  calc::EmptyLine(ctx);
  ctx.buttons.btnDop = true;
}

void FinishVariant(OfferContext &ctx, VariantPricer &pricer) {
  calc::EmptyLine(ctx);
  pricer.writeTotal();
}

} // namespace

void CalcLiquidRoofWaterBased(OfferContext &ctx, const QString &colourName, double area, double surcharge) {
  ctx.buttons.btnDop = true;
  calc::Note(ctx, QStringLiteral("Жидкая кровля Тавилон – воднодисперсный состав на акриловом латексе."));
  calc::Note(ctx, QStringLiteral("Плюс: Без запаха. Самый экологичный материал из жидких кровель. "));
  calc::Note(ctx, QStringLiteral("Минус: Необходима покупка геотекстиля для сплошного армирования."));
  calc::EmptyLine(ctx);
  const calc::CoatColour colour = calc::WithWhiteColourRule(colourName, surcharge);
  VariantPricer pricer(ctx);
  AddRoofCoat(pricer, product::kLiquidRoof, colour, kWaterBasedCoatRate, area);
  pricer.addLine(product::kUniversalPrimer, kMiddleOneBlank, calc::kPrimerRate, area, kUnitKg,
                 ProductPrices(product::kUniversalPrimer));
  pricer.addGeotextile(area);
  FinishVariant(ctx, pricer);
}

void CalcLiquidRoofMetal(OfferContext &ctx, const QString &colourName, bool reinforcement, double area,
                         double surcharge, double rate) {
  BeginReinforcedVariant(ctx, reinforcement,
                         QStringLiteral("Максимальная гидроизоляция! Используем сплошное армирование полиэфирным "
                                        "геотекстилем!"));
  calc::Note(ctx, QStringLiteral("Жидкая кровля Тавилон Про Металл – каучуковая жидкая кровля по поверхностям их "
                                 "черного металла.  Состав три-в-одном: нейтрализатор ржавчины, грунт по металлу и "
                                 "атмосферостойкое полимерное покрытие. Не требует грунтования."));
  calc::EmptyLine(ctx);
  const calc::CoatColour colour = calc::WithWhiteColourRule(colourName, surcharge);
  VariantPricer pricer(ctx);
  AddRoofCoat(pricer, product::kLiquidRoofMetal, colour, rate, area);
  if (reinforcement)
    pricer.addGeotextile(area);
  FinishVariant(ctx, pricer);
}

void CalcLiquidRoofPro(OfferContext &ctx, const QString &colourName, bool reinforcement, double area, double surcharge,
                       double rate) {
  BeginReinforcedVariant(ctx, reinforcement, QStringLiteral("Сплошное армирование!!!"));
  calc::Note(ctx, QStringLiteral("Жидкая кровля Тавилон Про- состав на органической основе из синтетических "
                                 "каучуков. Повышенная прочность, эластичность и срок службы."));
  calc::EmptyLine(ctx);
  const calc::CoatColour colour = calc::WithWhiteColourRule(colourName, surcharge);
  VariantPricer pricer(ctx);
  pricer.addLine(product::kAdhesivePrimer, kMiddleOneBlank, calc::kPrimerRate, area, kUnitLitre,
                 ProductPrices(product::kAdhesivePrimer));
  AddRoofCoat(pricer, product::kLiquidRoofPro, colour, rate, area);
  if (reinforcement)
    pricer.addGeotextile(area);
  FinishVariant(ctx, pricer);
}

void CalcLiquidRoofAdhesive(OfferContext &ctx, const QString &colourName, bool reinforcement, double area,
                            double surcharge, double rate) {
  // No red note, no button and no white-colour rule: the palette colour is printed as given.
  calc::Note(ctx, QStringLiteral("Жидкая кровля Тавилон Про Адгезив – каучуковая кровля с повышенной адгезией. Не "
                                 "требует грунтования."));
  calc::EmptyLine(ctx);
  VariantPricer pricer(ctx);
  AddRoofCoat(pricer, product::kLiquidRoofAdhesive, {colourName, surcharge}, rate, area);
  if (reinforcement)
    pricer.addGeotextile(area);
  FinishVariant(ctx, pricer);
}
