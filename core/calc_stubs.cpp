#include "calculators.h"

// Placeholder until this part is written.
void CalcFireRetardant(OfferContext &, const QString &, bool, double, double, double) {}
void CalcZincPrimer(OfferContext &, int, double, double) {}
void CalcPolymerMetalPaint(OfferContext &, const QString &, double, double, double) {}
void CalcPolymerConcretePaint(OfferContext &, const QString &, double, double, double) {}
void CalcSealantMetal(OfferContext &, const QString &, double, double, double) {}
void CalcTransparentRoof(OfferContext &, const QString &, double, double, double) {}
void CalcPolyurethaneEnamel(OfferContext &, const QString &, bool, double, double, double) {}
void CalcThermalInsulation(OfferContext &, bool, double) {}
void CalcSealantConcrete(OfferContext &, const QString &, bool, double, double, double) {}
void CalcSealantPaint(OfferContext &, const QString &, bool, double, double) {}
void CalcPolyurethaneFloor(OfferContext &, const QString &, bool, double, double) {}
void CalcPolyurethaneWaterproofing(OfferContext &, const QString &, bool, double, double, double, bool) {}
void CalcLiquidRoofWaterBased(OfferContext &, const QString &, double, double) {}
void CalcLiquidRoofMetal(OfferContext &, const QString &, bool, double, double, double) {}
void CalcLiquidRoofPro(OfferContext &, const QString &, bool, double, double, double) {}
void CalcLiquidRoofAdhesive(OfferContext &, const QString &, bool, double, double, double) {}
void CalcRubberPaint(OfferContext &, const QString &, bool, double, double, bool, double) {}
void CalcLatexPaint(OfferContext &, const QString &, bool, double, double, bool) {}
