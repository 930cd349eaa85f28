#pragma once

// Catalogue numbers of the products the calculators write (names and prices in catalogue.cpp).
namespace product {
inline constexpr int kLiquidRoof = 1;
inline constexpr int kUniversalPrimer = 2;
inline constexpr int kGeotextile = 3;
inline constexpr int kLiquidRoofPro = 4;
inline constexpr int kAdhesivePrimer = 5;
inline constexpr int kLiquidRoofElastic = 6;
inline constexpr int kLiquidRoofAdhesive = 7;
inline constexpr int kPolymerMetalPaint = 8;
inline constexpr int kLiquidRoofMetal = 9;
inline constexpr int kUniversalPrimerWinter = 10;
inline constexpr int kGranvel = 11;
inline constexpr int kGranvelWinter = 12;
inline constexpr int kMirdal = 13;
inline constexpr int kMirdalWinter = 14;
inline constexpr int kPolyurethanePrimer = 15;
inline constexpr int kPolyurethaneWaterproofing = 16;
inline constexpr int kSealantPaint = 17;
inline constexpr int kFacadeLatex = 18;
inline constexpr int kFacadeLatexWinter = 19;
inline constexpr int kPolymerConcretePaint = 20;
inline constexpr int kSealantConcrete = 21;
inline constexpr int kPolyurethaneFloor = 22;
inline constexpr int kPolyurethaneEnamel = 23;
inline constexpr int kInteriorLatex = 24;
inline constexpr int kSealantMetal = 25;
inline constexpr int kZincPrimerElastic = 26;
inline constexpr int kZincPrimerPremium = 27;
inline constexpr int kZincPrimer = 28;
inline constexpr int kCeramicInsulation = 29;
inline constexpr int kInsulatingSealant = 30;
inline constexpr int kFireRetardant = 31;
inline constexpr int kFireRetardantOrganic = 32;
} // namespace product
