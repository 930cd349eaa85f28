#include "number_format.h"

#include <QLocale>
#include <array>
#include <charconv>

namespace {

// General form, 15 significant digits: fixed notation below 1e15, no trailing zeros.
constexpr int kSignificantDigits = 15;

// std::to_chars is locale-independent, so only the decimal point is localised here;
// no group separator is ever written.
template <typename Number> QString FormatGeneral(Number value) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general,
                                    kSignificantDigits);
  QString text = QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
  text.replace(QLatin1Char('.'), QLocale().decimalPoint());
  return text;
}

} // namespace

QString FormatNumber(long double value) {
  return FormatGeneral(value);
}

QString FormatNumber(double value) {
  return FormatGeneral(value);
}
