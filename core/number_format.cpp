#include "number_format.h"

#include <QLocale>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

// General form, 15 significant digits: fixed notation below 1e15, no trailing zeros.
constexpr int kSignificantDigits = 15;
constexpr double kWholeNumberLimit = 1e15;

constexpr size_t kBufferSize = 64; // "-1.23456789012345e-4951" and more

// The characters of one number, written by std::to_chars (locale-independent).
struct NumberChars {
  std::array<char, kBufferSize> buffer;
  char *end = buffer.data();

  template <typename... Format> void write(Format... format) {
    end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), format...).ptr;
  }
};

// Quantities, prices and costs are nearly always whole numbers below 10^15: in general
// form they print as their plain digits, which the integer routine writes far faster.
// Negative zero prints as "-0" and takes the general route.
bool IsPlainWholeNumber(double value) {
  return std::fabs(value) < kWholeNumberLimit && value == std::trunc(value) && !(value == 0 && std::signbit(value));
}

void WriteGeneral(NumberChars &chars, double value) {
  if (IsPlainWholeNumber(value))
    chars.write(static_cast<long long>(value));
  else
    chars.write(value, std::chars_format::general, kSignificantDigits);
}

// A long double that a double holds exactly prints the same through the double routine,
// which avoids the printf that the extended one goes through.
void WriteGeneral(NumberChars &chars, long double value) {
  if (std::fabs(value) <= std::numeric_limits<double>::max()) {
    const double narrowed = static_cast<double>(value);
    if (static_cast<long double>(narrowed) == value)
      return WriteGeneral(chars, narrowed);
  }
  chars.write(value, std::chars_format::general, kSignificantDigits);
}

} // namespace

NumberText::NumberText(double value) {
  NumberChars chars;
  WriteGeneral(chars, value);
  localise(chars.buffer.data(), chars.end);
}

NumberText::NumberText(long double value) {
  NumberChars chars;
  WriteGeneral(chars, value);
  localise(chars.buffer.data(), chars.end);
}

// Only the decimal point is localised, and the locale is asked only when there is one:
// whole numbers never construct a QLocale. QLocale() is read each time because the
// default locale may change between compositions.
void NumberText::localise(const char *begin, const char *end) {
  std::array<char16_t, kBufferSize> wide; // std::to_chars writes ASCII
  std::copy(begin, end, wide.begin());
  const qsizetype size = end - begin;
  const qsizetype point = std::find(begin, end, '.') - begin;
  m_chars.append(wide.data(), point);
  if (point == size)
    return;
  const QString decimalPoint = QLocale().decimalPoint();
  m_chars.append(QStringView(decimalPoint).utf16(), decimalPoint.size());
  m_chars.append(wide.data() + point + 1, size - point - 1);
}

QString FormatNumber(long double value) {
  return NumberText(value).view().toString();
}

QString FormatNumber(double value) {
  return NumberText(value).view().toString();
}
