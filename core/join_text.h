#pragma once

#include <QString>
#include <QStringView>
#include <algorithm>
#include <initializer_list>

// The pieces one after another in a QString allocated once at its final size: offer
// lines are built from several pieces, and growing a QString piece by piece costs more.
inline QString JoinText(std::initializer_list<QStringView> pieces) {
  qsizetype size = 0;
  for (const QStringView piece : pieces)
    size += piece.size();
  QString text(size, Qt::Uninitialized);
  char16_t *out = reinterpret_cast<char16_t *>(text.data());
  for (const QStringView piece : pieces)
    out = std::copy_n(piece.utf16(), piece.size(), out); // char16_t to char16_t: a memmove
  return text;
}
