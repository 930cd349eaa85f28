#pragma once

#include <QString>
#include <QStringView>
#include <QVarLengthArray>

// A number as offers print it: general form, at most 15 significant digits, no
// thousands separator, no trailing zeros, the decimal separator of QLocale().
QString FormatNumber(long double value);
QString FormatNumber(double value);

// The same text held on the stack, for lines built piece by piece (see JoinText).
class NumberText {
public:
  explicit NumberText(double value);
  explicit NumberText(long double value);

  QStringView view() const { return QStringView(m_chars.constData(), m_chars.size()); }
  operator QStringView() const { return view(); }

private:
  void localise(const char *begin, const char *end);

  QVarLengthArray<char16_t, 32> m_chars;
};
