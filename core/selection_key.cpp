#include "selection_key.h"

#include <algorithm>

namespace {

// ASCII and Cyrillic letters upper-case one to one, so QChar's simple mapping gives what
// QString::toUpper gives, without its allocation and its special cases. The answers and
// colour names are Russian; any other text takes QString::toUpper.
bool UpperCasesOneToOne(QStringView text) {
  return std::all_of(text.begin(), text.end(), [](QChar c) {
    const char16_t u = c.unicode();
    return u < 0x80 || (u >= 0x0400 && u < 0x0500);
  });
}

// Only for text that UpperCasesOneToOne accepts.
QString UpperCasedOneToOne(QStringView text) {
  QString upper(text.size(), Qt::Uninitialized);
  std::transform(text.begin(), text.end(), upper.begin(), [](QChar c) { return c.toUpper(); });
  return upper;
}

} // namespace

QString SelectionKey(const QString &text, int start, int count) {
  const qsizetype from = start - 1;
  if (from < 0 || from >= text.size() || count <= 0)
    return QString();
  const QStringView part = QStringView(text).mid(from, count);
  return UpperCasesOneToOne(part) ? UpperCasedOneToOne(part) : part.toString().toUpper();
}

QString UpperCasedPrefix(const QString &text, int count) {
  // Characters that map one to one keep their places, so cutting first changes nothing.
  const QStringView head = QStringView(text).left(count);
  return UpperCasesOneToOne(head) ? UpperCasedOneToOne(head) : text.toUpper().left(count);
}
