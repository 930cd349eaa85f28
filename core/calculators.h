#pragma once

#include "offer_context.h"

#include <QString>

// The eighteen calculators. Each appends one variant's notes, priced lines and total
// to ctx.doc; arguments follow the declared order of the catalogue's documentation.

// Single-product calculators.
void CalcFireRetardant(OfferContext &ctx, const QString &colourName, bool summer, double area, double surcharge,
                       double rate);
void CalcZincPrimer(OfferContext &ctx, int product, double area, double rate);
void CalcPolymerMetalPaint(OfferContext &ctx, const QString &colourName, double area, double surcharge, double rate);
void CalcPolymerConcretePaint(OfferContext &ctx, const QString &colourName, double area, double surcharge, double rate);
void CalcSealantMetal(OfferContext &ctx, const QString &colourName, double area, double surcharge, double rate);
void CalcTransparentRoof(OfferContext &ctx, const QString &colourName, double area, double surcharge, double rate);
void CalcPolyurethaneEnamel(OfferContext &ctx, const QString &colourName, bool updatePUColour, double area,
                            double surcharge, double rate);

// System calculators.
void CalcThermalInsulation(OfferContext &ctx, bool summer, double area);
void CalcSealantConcrete(OfferContext &ctx, const QString &colourName, bool primer, double area, double surcharge,
                         double rate);
void CalcSealantPaint(OfferContext &ctx, const QString &colourName, bool primer, double area, double surcharge);
void CalcPolyurethaneFloor(OfferContext &ctx, const QString &colourName, bool updatePUColour, double area,
                           double surcharge);
void CalcPolyurethaneWaterproofing(OfferContext &ctx, const QString &colourName, bool updatePUColour, double area,
                                   double surcharge, double rate, bool geotextile);
void CalcLiquidRoofWaterBased(OfferContext &ctx, const QString &colourName, double area, double surcharge);
void CalcLiquidRoofMetal(OfferContext &ctx, const QString &colourName, bool reinforcement, double area,
                         double surcharge, double rate);
void CalcLiquidRoofPro(OfferContext &ctx, const QString &colourName, bool reinforcement, double area, double surcharge,
                       double rate);
void CalcLiquidRoofAdhesive(OfferContext &ctx, const QString &colourName, bool reinforcement, double area,
                            double surcharge, double rate);
void CalcRubberPaint(OfferContext &ctx, const QString &colourName, bool summer, double area, double surcharge,
                     bool firstKind, double rate);
void CalcLatexPaint(OfferContext &ctx, const QString &colourName, bool summer, double area, double surcharge,
                    bool facade);
