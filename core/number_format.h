#pragma once

#include <QString>

// A number as offers print it: general form, at most 15 significant digits, no
// thousands separator, no trailing zeros, the decimal separator of QLocale().
QString FormatNumber(long double value);
QString FormatNumber(double value);
