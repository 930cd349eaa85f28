#pragma once

#include <QString>

// The catalogue of 32 products, numbered 1..32.
inline constexpr QChar ProductLineMarker = QChar(0x0001);

// Display name of product n: the marker, a blank, the name text (ends with a blank).
const QString &ProductNames(int n);
// Base price of product n, roubles per unit.
double ProductPrices(int n);

// x rounded to a multiple of 10^digit, halves away from zero, in 80-bit arithmetic.
long double RoundHalfAway(long double x, int digit);
double RoundHalfAway(double x, int digit);

// Order quantity for the consumption x (rate x area, extended precision):
// RoundHalfAway(x, 1), raised to `minimum` when below it or not a number.
double OrderQuantity(long double consumption, double minimum);
// Geotextile: the area itself rounded (double form), minimum 10.
double GeotextileQuantity(double area);

// Unit pieces of a priced line.
inline const QString kUnitKg = QStringLiteral(" Кг * ");
inline const QString kUnitLitre = QStringLiteral(" Л * ");
inline const QString kUnitSquareMetre = QStringLiteral(" Кв.м * ");

// Middle pieces of a priced line.
QString MiddleColourFirstForm(const QString &colour);  // " (Цвет: " + colour + " )  "
QString MiddleColourSecondForm(const QString &colour); // "( Цвет: " + colour + " )  "
inline const QString kMiddleGrey = QStringLiteral(" ( Цвет: Серый )  ");
inline const QString kMiddleOneBlank = QStringLiteral(" ");
inline const QString kMiddleTwoBlanks = QStringLiteral("  ");

// name + middle + quantity + unit + unit price + " Руб. = " + cost + " Руб."
QString PricedLineText(int product, const QString &middle, double quantity, const QString &unit, double unitPrice,
                       long double cost);
// "ИТОГО : " + total + " Руб."
QString TotalLineText(double total);
